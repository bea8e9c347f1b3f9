#pragma once

#include <QMessageBox>
#include <QPointer>
#include <functional>

#include "platform/standard_dialog_texts.h"
#include "services.h"

namespace ormitan {

using platform::InstallStandardDialogTranslations;

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
    // `beforeBox`, when given, runs each time before a box opens.
    explicit QtMessageBoxes(std::function<void()> beforeBox = {})
        : beforeBox_(std::move(beforeBox)) {}
    void ShowError(const QString& text) override;
    int AskWarningYesNo(const QString& question) override;

  private:
    void BeforeBox() const;
    std::function<void()> beforeBox_;
};

}  // namespace ormitan
