// ormitan-startup-bench RUNS BASELINE PROBE [NAME]
//
// Starts each of the two programs RUNS times, taking turns, and times each start from just
// before the process is spawned to the byte it writes right after its window's first completed
// paint (see --ready-fd). Prints the ratio of the probe's median to the baseline's, as the line
// "ratio NAME R" (NAME is "startup" unless given). Absolute times are not printed: they say nothing
// beyond this machine.
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int WarmUpRuns = 3;
constexpr int ReadyTimeoutMs = 60'000;

// One start of `program`: the time to its ready byte, or nothing when it failed.
std::optional<double> TimeOneStart(const std::string& program) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        std::perror("pipe2");
        return std::nullopt;
    }
    // Only the write end goes to the child, under the number it is told.
    const int writeEnd = fcntl(fds[1], F_DUPFD, 10);
    close(fds[1]);
    const std::string fdText = std::to_string(writeEnd);
    char* const argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>("--ready-fd"),
                          const_cast<char*>(fdText.c_str()), nullptr};

    const auto start = Clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ);
    close(writeEnd);
    if (spawned != 0) {
        std::fprintf(stderr, "cannot start %s\n", program.c_str());
        close(fds[0]);
        return std::nullopt;
    }
    pollfd ready{fds[0], POLLIN, 0};
    char byte = 0;
    std::optional<double> elapsed;
    if (poll(&ready, 1, ReadyTimeoutMs) == 1 && read(fds[0], &byte, 1) == 1) {
        elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    } else {
        std::fprintf(stderr, "%s did not report its first paint\n", program.c_str());
        kill(pid, SIGKILL);
    }
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (elapsed && !(WIFEXITED(status) && WEXITSTATUS(status) == 0)) {
        std::fprintf(stderr, "%s did not end cleanly\n", program.c_str());
        elapsed.reset();
    }
    return elapsed;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc == 4 || argc == 5 ? std::atoi(argv[1]) : 0;
    if (runs < 1) {
        std::fprintf(stderr, "usage: ormitan-startup-bench RUNS BASELINE PROBE [NAME]\n");
        return 2;
    }
    const std::string baseline = argv[2];
    const std::string probe = argv[3];
    const std::string name = argc == 5 ? argv[4] : "startup";

    std::vector<double> baselineTimes;
    std::vector<double> probeTimes;
    for (int run = -WarmUpRuns; run < runs; ++run) {
        // Taking turns spreads any drift of the machine's load over both.
        const auto baselineTime = TimeOneStart(baseline);
        const auto probeTime = TimeOneStart(probe);
        if (!baselineTime || !probeTime) {
            return 1;
        }
        if (run >= 0) {
            baselineTimes.push_back(*baselineTime);
            probeTimes.push_back(*probeTime);
        }
    }
    const double ratio = Median(probeTimes) / Median(baselineTimes);
    std::vector<double> perRun(probeTimes.size());
    for (std::size_t k = 0; k < perRun.size(); ++k) {
        perRun[k] = probeTimes[k] / baselineTimes[k];
    }
    std::sort(perRun.begin(), perRun.end());
    std::printf(
        "start-up to first paint, %d runs each: %s takes %.3f x %s (medians); run by run from "
        "%.3f to %.3f x\n",
        runs, probe.c_str(), ratio, baseline.c_str(), perRun.front(), perRun.back());
    std::printf("ratio %s %.3f\n", name.c_str(), ratio);
    return 0;
}
