#pragma once

#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QWidget>
#include <functional>
#include <utility>

namespace ormitan {

// Calls `action` once, when control is back in the event loop after `window`'s first paint. The
// window and its children are painted and flushed to the screen in one pass, so by then the
// first picture of the window is complete. Depends on Qt alone, so that a bare Qt program can
// watch its window in exactly the same way.
inline void AfterFirstPaint(QWidget& window, std::function<void()> action) {
    class Watcher final : public QObject {
      public:
        Watcher(QWidget& window, std::function<void()> action)
            : QObject(&window), window_(window), action_(std::move(action)) {
            window_.installEventFilter(this);
        }

        bool eventFilter(QObject* watched, QEvent* event) override {
            if (watched == &window_ && event->type() == QEvent::Paint) {
                window_.removeEventFilter(this);
                // Dropped with the window, should it go before the call comes.
                QMetaObject::invokeMethod(&window_, std::move(action_), Qt::QueuedConnection);
                deleteLater();
            }
            return false;
        }

      private:
        QWidget& window_;
        std::function<void()> action_;
    };
    new Watcher(window, std::move(action));
}

}  // namespace ormitan
