#pragma once

#include <QApplication>
#include <exception>
#include <utility>

namespace ormitan {

class MessageBoxes;

// The application object. Every error that leaves an event handler ends up here: a silent
// EAbort is dropped, any other error is shown in the error box and the program goes on.
// Handlers that Qt calls run through RunHandler, which hands their errors over before they could
// unwind through Qt; notify() catches what reaches it anyway.
class OrmitanApplication : public QApplication {
public:
    OrmitanApplication(int& argc, char** argv);

    void SetMessageBoxes(MessageBoxes* messages) { messages_ = messages; }

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows an error's message in the error box, with the final period added by the rule.
    void ShowErrorMessage(const std::string& message);

private:
    MessageBoxes* messages_ = nullptr;
};

// Called inside a catch block: drops a silent EAbort and shows any other error as the running
// OrmitanApplication shows it (without one, as a warning on the terminal).
void HandleCurrentError();

// Runs one of our handlers that Qt calls: a slot, a queued call. An error leaving it is handled
// here, before it could unwind through Qt's own frames on its way to notify(). Qt is built
// without exceptions, so such an unwinding skips the clean-up in those frames: every failed save
// leaked the copies of the mouse event that clicked the button.
template <typename Handler>
void RunHandler(Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception&) {
        HandleCurrentError();
    }
}

// A slot for connect() that runs `method` of `object` through RunHandler.
template <typename Object, typename... Args>
auto Guarded(Object* object, void (Object::*method)(Args...)) {
    return [object, method](Args... args) { RunHandler([&] { (object->*method)(args...); }); };
}

}  // namespace ormitan
