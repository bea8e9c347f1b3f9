#include "file_dialogs.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QMessageBox>
#include <QMimeDatabase>

namespace ormitan {
namespace {

// Icons and type names from the file's name alone. Qt's own provider reads a file's first
// bytes to guess its type, and a read of a pseudo file (a kernel log, a trace pipe under /proc
// or /sys) may never return: the dialog's helper thread would hang and the program with it.
class NameOnlyIconProvider final : public QFileIconProvider {
  public:
    QIcon icon(const QFileInfo& info) const override {
        if (!info.isFile()) {
            return QFileIconProvider::icon(info);
        }
        const QIcon themed = QIcon::fromTheme(TypeOf(info).iconName());
        return themed.isNull() ? QFileIconProvider::icon(QAbstractFileIconProvider::File) : themed;
    }
    QString type(const QFileInfo& info) const override {
        if (!info.isFile()) {
            return QFileIconProvider::type(info);
        }
        const QMimeType mime = TypeOf(info);
        return mime.comment().isEmpty() ? mime.name() : mime.comment();
    }

  private:
    QMimeType TypeOf(const QFileInfo& info) const {
        return mimes_.mimeTypeForFile(info, QMimeDatabase::MatchExtension);
    }
    QMimeDatabase mimes_;
};

// A results-file dialog. When saving, the chosen file's folder must exist: a path through a
// missing folder is refused in the dialog, as Qt refuses a missing file when opening.
class ResultsFileDialog final : public QFileDialog {
  public:
    ResultsFileDialog(AcceptMode mode, const QString& filter, QFileIconProvider& icons) {
        setOption(QFileDialog::DontUseNativeDialog);
        setIconProvider(&icons);
        setAcceptMode(mode);
        setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                    : QFileDialog::AnyFile);
        setNameFilter(filter);
        // Qt folds runs of blanks in a filter's name; the user sees the text as it is given.
        if (auto* types = findChild<QComboBox*>("fileTypeCombo"); types && types->count() == 1) {
            types->setItemText(0, filter);
        }
        setDefaultSuffix("tst");
        setWindowModality(Qt::ApplicationModal);
    }

    void accept() override {
        const QStringList chosen = selectedFiles();
        if (acceptMode() == QFileDialog::AcceptSave && !chosen.isEmpty()) {
            const QFileInfo file(chosen.constFirst());
            if (!file.isDir() && !file.absoluteDir().exists()) {
                QMessageBox::warning(this, windowTitle(),
                                     QFileDialog::tr("%1\nDirectory not found.\nPlease verify the "
                                                     "correct directory name was given.")
                                         .arg(QDir::toNativeSeparators(file.absolutePath())));
                return;
            }
        }
        QFileDialog::accept();
    }
};

}  // namespace

// The path last chosen in a dialog, and the folder it first opened in.
struct QtFileDialogs::Remembered {
    QString path;
    QString startFolder;
};

QtFileDialogs::QtFileDialogs(std::function<void()> beforeDialog)
    : beforeDialog_(std::move(beforeDialog)),
      icons_(std::make_unique<NameOnlyIconProvider>()),
      opened_(std::make_unique<Remembered>()),
      saved_(std::make_unique<Remembered>()) {}

QtFileDialogs::~QtFileDialogs() = default;

// Each dialog is made when it is first asked for: a file dialog reads the folder, the MIME
// database, the icon theme and Qt's settings file, none of which the start-up needs.
std::optional<std::string> QtFileDialogs::AskOpenPath(QWidget* parent) {
    if (beforeDialog_) {
        beforeDialog_();
    }
    if (!open_) {
        open_ = std::make_unique<ResultsFileDialog>(QFileDialog::AcceptOpen,
                                                    "Результаты  теста (*.tst)", *icons_);
        opened_->startFolder = open_->directory().absolutePath();
    }
    return Run(*open_, *opened_, parent);
}

std::optional<std::string> QtFileDialogs::AskSavePath(QWidget* parent) {
    if (beforeDialog_) {
        beforeDialog_();
    }
    if (!save_) {
        save_ = std::make_unique<ResultsFileDialog>(QFileDialog::AcceptSave,
                                                    "Результаты теста (*.tst)", *icons_);
        saved_->startFolder = save_->directory().absolutePath();
    }
    return Run(*save_, *saved_, parent);
}

std::optional<std::string> QtFileDialogs::Run(QFileDialog& dialog, Remembered& remembered,
                                              QWidget* parent) {
    // Whatever the user did in a cancelled dialog, it opens as after the last chosen path.
    if (!remembered.path.isEmpty()) {
        dialog.setDirectory(QFileInfo(remembered.path).absolutePath());
        dialog.selectFile(QFileInfo(remembered.path).fileName());
    } else {
        dialog.setDirectory(remembered.startFolder);
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
    remembered.path = dialog.selectedFiles().constFirst();
    return QFile::encodeName(remembered.path).toStdString();
}

}  // namespace ormitan
