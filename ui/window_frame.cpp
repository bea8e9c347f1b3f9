#include "window_frame.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace ormitan {
namespace {

// How often, and how long, a shown window's frame is looked for.
constexpr int FramePollMs = 20;
constexpr int FramePolls = 100;
constexpr int SettlePolls = 15;

QMargins FrameOf(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return handle != nullptr ? handle->frameMargins() : QMargins();
}

QRect WorkArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

class FramePlacer final : public QObject {
  public:
    FramePlacer(QWidget& window, std::function<void(QWidget&)> place)
        : QObject(&window), window_(window), place_(std::move(place)) {
        timer_.setInterval(FramePollMs);
        connect(&timer_, &QTimer::timeout, this, &FramePlacer::Poll);
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Show && !event->spontaneous()) {
            place_(window_);
            polls_ = 0;
            framedPolls_ = 0;
            timer_.start();
        } else if (watched == &window_ && event->type() == QEvent::Hide) {
            timer_.stop();
        }
        return false;
    }

  private:
    void Poll() {
        // A frame with only a title bar and no side borders counts as a frame too. The window
        // manager may still place the window itself just after framing it, so the placement is
        // repeated for a few more polls before the window is left to the user.
        if (framedPolls_ > 0 || !FrameOf(window_).isNull()) {
            place_(window_);
            if (++framedPolls_ >= SettlePolls) {
                timer_.stop();
                window_.removeEventFilter(this);
                deleteLater();
            }
        } else if (++polls_ >= FramePolls) {
            timer_.stop();  // no window manager: the client is the whole window
        }
    }

    QWidget& window_;
    std::function<void(QWidget&)> place_;
    QTimer timer_;
    int polls_ = 0;
    int framedPolls_ = 0;
};

}  // namespace

void PlaceWhenFramed(QWidget& window, std::function<void(QWidget&)> place) {
    new FramePlacer(window, std::move(place));
}

void CentreOnWorkArea(QWidget& window) {
    const QRect area = WorkArea();
    if (area.isEmpty()) {
        return;
    }
    const QMargins frame = FrameOf(window);
    QRect whole = QRect(window.geometry()).marginsAdded(frame);
    whole.moveCenter(area.center());
    // Widget positions are those of the frame's top-left corner.
    window.move(whole.topLeft());
}

void SizeWholeWindow(QWidget& window, QSize whole) {
    const QMargins frame = FrameOf(window);
    window.resize(whole.shrunkBy(frame));
    CentreOnWorkArea(window);
}

void FillWorkArea(QWidget& window) {
    const QRect area = WorkArea();
    if (area.isEmpty()) {
        return;
    }
    const QSize client = area.marginsRemoved(FrameOf(window)).size();
    if (window.minimumSize() != client || window.maximumSize() != client) {
        window.setFixedSize(client);
    }
    window.move(area.topLeft());
}

}  // namespace ormitan
