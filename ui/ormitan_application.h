#pragma once

#include <QApplication>

namespace ormitan {

class MessageBoxes;

// The application object. Every error that leaves an event handler ends up here: a silent
// EAbort is dropped, any other error is shown in the error box and the program goes on.
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

}  // namespace ormitan
