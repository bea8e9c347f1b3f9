#pragma once

#include <QMessageBox>
#include <QPointer>
#include <memory>

#include "services.h"

class QFileDialog;

namespace ormitan {

// The results-file dialogs as Qt's own file dialogs (not a desktop portal's), one persistent
// dialog each, made when it is first asked for, so that each remembers the path last chosen in it.
class QtFileDialogs final : public FileDialogs {
  public:
    QtFileDialogs();
    ~QtFileDialogs() override;
    std::optional<std::string> AskOpenPath(QWidget* parent) override;
    std::optional<std::string> AskSavePath(QWidget* parent) override;

  private:
    std::optional<std::string> Run(QFileDialog& dialog, QString& remembered, QWidget* parent);
    std::unique_ptr<QFileDialog> open_;
    std::unique_ptr<QFileDialog> save_;
    QString lastOpened_;
    QString lastSaved_;
};

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
