#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "services.h"

class QFileDialog;
class QFileIconProvider;

namespace ormitan {

// The results-file dialogs as Qt's own file dialogs (not a desktop portal's), one persistent
// dialog each, made when it is first asked for. Each offers the path last chosen in it again;
// a cancelled dialog remembers nothing new, not even the folder it was left in.
class QtFileDialogs final : public FileDialogs {
  public:
    // `beforeDialog`, when given, runs each time before a dialog opens.
    explicit QtFileDialogs(std::function<void()> beforeDialog = {});
    ~QtFileDialogs() override;
    std::optional<std::string> AskOpenPath(QWidget* parent) override;
    std::optional<std::string> AskSavePath(QWidget* parent) override;

  private:
    struct Remembered;
    std::optional<std::string> Run(QFileDialog& dialog, Remembered& remembered, QWidget* parent);
    std::function<void()> beforeDialog_;
    // The dialogs' helper threads use the icon provider until the dialogs are gone.
    std::unique_ptr<QFileIconProvider> icons_;
    std::unique_ptr<QFileDialog> open_;
    std::unique_ptr<QFileDialog> save_;
    std::unique_ptr<Remembered> opened_;
    std::unique_ptr<Remembered> saved_;
};

}  // namespace ormitan
