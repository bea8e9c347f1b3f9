#pragma once

#include <QAccessible>
#include <QObject>
#include <QTranslator>

namespace ormitan::platform {

// Loads Qt's own Russian texts into `translator` and installs it: the standard dialogs (open,
// save, print setup) are the platform's and speak Russian, as on the system the program was
// made for, whatever the user's locale. The program's own texts are never translated. False
// when the translations are not installed.
bool InstallStandardDialogTranslations(QTranslator& translator);

// Qt's Russian texts, installed the first time something of Qt's own that shows them is about to
// appear, not at start: a standard dialog (its opener calls Install), a context menu of a text
// field, or an assistive technology that reads the localised names of the controls' actions.
// Reading the catalogue costs the start-up time, and the first window shows none of these texts.
class StandardDialogTexts final : public QObject, private QAccessible::ActivationObserver {
  public:
    StandardDialogTexts();
    ~StandardDialogTexts() override;
    StandardDialogTexts(const StandardDialogTexts&) = delete;
    StandardDialogTexts& operator=(const StandardDialogTexts&) = delete;

    // Loads and installs the texts the first time; later calls do nothing.
    void Install();
    bool Installed() const { return installed_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void accessibilityActiveChanged(bool active) override;

    QTranslator translator_;
    bool tried_ = false;
    bool installed_ = false;
};

}  // namespace ormitan::platform
