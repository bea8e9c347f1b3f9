#pragma once

#include <QMessageBox>
#include <QPointer>

#include "services.h"

class QTranslator;

namespace ormitan {

// Loads Qt's own Russian texts into `translator` and installs it: the standard dialogs (open,
// save, print setup) are the platform's and speak Russian, as on the system the program was
// made for, whatever the user's locale. The program's own texts are never translated. False
// when the translations are not installed.
bool InstallStandardDialogTranslations(QTranslator& translator);

// The Yes/No warning: caption "Warning", the warning icon, "&Yes" (default) and "&No"
// (Escape). The close box answers 2, distinct from No.
class WarningDialog : public QMessageBox {
    Q_OBJECT
  public:
    WarningDialog(const QString& question, QWidget* parent = nullptr);
    // The answer once the dialog has closed: 6 Yes, 7 No, 2 closed by the close box.
    int Answer() const;
    QAbstractButton* YesButton() const { return yes_; }
    QAbstractButton* NoButton() const { return no_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    QAbstractButton* yes_;
    QAbstractButton* no_;
    bool closedByFrame_ = false;
};

// The error box and the warning as modal Qt message boxes over the active window.
class QtMessageBoxes final : public MessageBoxes {
  public:
    void ShowError(const QString& text) override;
    int AskWarningYesNo(const QString& question) override;
};

}  // namespace ormitan
