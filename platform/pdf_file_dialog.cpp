#include "pdf_file_dialog.h"

#include <QApplication>
#include <QFileDialog>

namespace ormitan::platform {

std::optional<QString> AskPdfFileNameWithDialog(const QString& title) {
    QFileDialog dialog(QApplication::activeWindow(), "Печать в файл PDF");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter("Файл PDF (*.pdf)");
    dialog.setDefaultSuffix("pdf");
    dialog.selectFile(title + ".pdf");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace ormitan::platform
