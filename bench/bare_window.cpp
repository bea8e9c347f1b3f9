// The baseline of the start-up and memory benchmarks: a bare Qt Widgets program that shows an
// empty 424 x 271 window, the questionnaire window's size, and nothing else. Built a second
// time with ORMITAN_BARE_WITH_TEXT, the window shows one line of text in the default font: the
// least any window with text pays (fontconfig's set-up, a face, shaping and drawing glyphs).
//
// ormitan-bare-window [--ready-fd N]
// With --ready-fd it writes one byte to descriptor N right after the window's first completed
// paint and ends; without, it stays until it is closed.
#include <unistd.h>

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "bench/ready_fd.h"
#include "ui/first_paint.h"

int main(int argc, char** argv) {
    const std::optional<int> readyFd = ormitan::bench::ReadyFdArgument(argc, argv);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QWidget window;
    window.resize(424, 271);
#ifdef ORMITAN_BARE_WITH_TEXT
    QLabel line(QString::fromUtf8("Это высказывание обо мне"), &window);
    line.move(16, 16);
#endif
    if (readyFd) {
        ormitan::AfterFirstPaint(window, [fd = *readyFd] {
            ormitan::bench::SignalReady(fd);
            QCoreApplication::quit();
        });
    }
    window.show();
    return app.exec();
}
