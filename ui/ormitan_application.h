#pragma once

#include <QApplication>
#include <exception>
#include <functional>
#include <utility>
#include <vector>

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
    friend void RunHandler(const std::function<void()>& handler);
    friend void RethrowNestedError();

    MessageBoxes* messages_ = nullptr;
    // The event-loop level of each of our handlers running now, innermost last: a handler is
    // nested in another when both run in the same loop (a modal window's loop starts afresh).
    // And the error of a nested handler that its enclosing handler has still to meet.
    std::vector<int> handlerLoops_;
    std::exception_ptr nestedError_;
};

// Called inside a catch block: drops a silent EAbort and shows any other error as the running
// OrmitanApplication shows it (without one, as a warning on the terminal).
void HandleCurrentError();

// Runs one of our handlers that Qt calls: a slot, a queued call, an event handler. An error
// leaving it is handled here, before it could unwind through Qt's own frames on its way to
// notify(). Qt is built without exceptions, so such an unwinding skips the clean-up in those
// frames: every failed save leaked the copies of the mouse event that clicked the button.
// A handler that runs inside another one (a control changed from code runs its change handler)
// keeps its error for the enclosing handler, which meets it at RethrowNestedError and stops
// there, as if the error had come straight through; only the outermost handler shows it.
void RunHandler(const std::function<void()>& handler);

// Rethrows the error that a handler nested in the current one left, if any.
void RethrowNestedError();

// Changes a control from code, which runs the control's change handler; an error in that
// handler ends the calling handler here.
template <typename Change>
void ChangeControl(Change&& change) {
    std::forward<Change>(change)();
    RethrowNestedError();
}

// A slot for connect() that runs `method` of `object` through RunHandler.
template <typename Object, typename... Args>
auto Guarded(Object* object, void (Object::*method)(Args...)) {
    return [object, method](Args... args) { RunHandler([&] { (object->*method)(args...); }); };
}

}  // namespace ormitan
