#include "qt_dialogs.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QPushButton>

#include "product.h"

namespace ormitan {
namespace {

std::unique_ptr<QFileDialog> MakeDialog(QFileDialog::AcceptMode mode, const QString& filter) {
    auto dialog = std::make_unique<QFileDialog>();
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                        : QFileDialog::AnyFile);
    dialog->setNameFilter(filter);
    dialog->setDefaultSuffix("tst");
    dialog->setWindowModality(Qt::ApplicationModal);
    return dialog;
}

}  // namespace

QtFileDialogs::QtFileDialogs() = default;

QtFileDialogs::~QtFileDialogs() = default;

// Each dialog is made when it is first asked for: a file dialog reads the folder, the MIME
// database, the icon theme and Qt's settings file, none of which the start-up needs.
std::optional<std::string> QtFileDialogs::AskOpenPath(QWidget* parent) {
    if (!open_) {
        open_ = MakeDialog(QFileDialog::AcceptOpen, "Результаты  теста (*.tst)");
    }
    return Run(*open_, lastOpened_, parent);
}

std::optional<std::string> QtFileDialogs::AskSavePath(QWidget* parent) {
    if (!save_) {
        save_ = MakeDialog(QFileDialog::AcceptSave, "Результаты теста (*.tst)");
    }
    return Run(*save_, lastSaved_, parent);
}

std::optional<std::string> QtFileDialogs::Run(QFileDialog& dialog, QString& remembered,
                                              QWidget* parent) {
    if (!remembered.isEmpty()) {
        dialog.setDirectory(QFileInfo(remembered).absolutePath());
        dialog.selectFile(QFileInfo(remembered).fileName());
    } else {
        dialog.selectFile({});
    }
    // Centre over the window that asks, without making the dialog its child for good.
    if (parent != nullptr) {
        dialog.adjustSize();
        dialog.move(parent->window()->geometry().center() - dialog.rect().center());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    remembered = dialog.selectedFiles().constFirst();
    return QFile::encodeName(remembered).toStdString();
}

WarningDialog::WarningDialog(const QString& question, QWidget* parent)
    : QMessageBox(QMessageBox::Warning, "Warning", question, QMessageBox::NoButton, parent,
                  Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                      Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      yes_(addButton("&Yes", QMessageBox::YesRole)),
      no_(addButton("&No", QMessageBox::NoRole)) {
    setDefaultButton(static_cast<QPushButton*>(yes_));
    setEscapeButton(no_);
}

int WarningDialog::Answer() const {
    if (closedByFrame_) {
        return MessageBoxes::Closed;
    }
    if (clickedButton() == yes_) {
        return MessageBoxes::Yes;
    }
    return clickedButton() == no_ ? MessageBoxes::No : MessageBoxes::Closed;
}

void WarningDialog::closeEvent(QCloseEvent* event) {
    // The close box is neither Yes nor No.
    closedByFrame_ = true;
    event->accept();
    done(MessageBoxes::Closed);
}

void QtMessageBoxes::ShowError(const QString& text) {
    QMessageBox box(QMessageBox::Critical, product::ApplicationTitle, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

int QtMessageBoxes::AskWarningYesNo(const QString& question) {
    WarningDialog dialog(question, QApplication::activeWindow());
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.exec();
    return dialog.Answer();
}

}  // namespace ormitan
