// Runs exactly the program's start-up and ends right after the questionnaire window's first
// completed paint, writing one byte to descriptor N first.
//
// ormitan-startup-probe --ready-fd N
#include <QCoreApplication>
#include <cstdio>

#include "bench/ready_fd.h"
#include "ui/startup.h"

int main(int argc, char** argv) {
    const std::optional<int> readyFd = ormitan::bench::ReadyFdArgument(argc, argv);
    if (!readyFd) {
        std::fprintf(stderr, "usage: ormitan-startup-probe --ready-fd N\n");
        return 2;
    }
    // The program is started without a results file: only its own name goes on.
    char* programArgv[] = {argv[0], nullptr};
    return ormitan::RunOrmitan(1, programArgv, {.afterFirstPaint = [fd = *readyFd] {
                                   ormitan::bench::SignalReady(fd);
                                   QCoreApplication::quit();
                               }});
}
