#pragma once

#include <QDialog>
#include <memory>

#include "services.h"

namespace Ui {
class TAboutBox;
}

namespace ormitan {

// The about window: the program's name, version, authors, a few lines about the test, and the
// links to the site and the e-mail address. It lives for the whole process, so an edit of its
// text stays until the program ends.
class TAboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit TAboutBox(Shell& shell, QWidget* parent = nullptr);
    ~TAboutBox() override;

    Ui::TAboutBox& Controls() { return *ui_; }

  public slots:
    void Label2Click();
    void Label3Click();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Shell& shell_;
    std::unique_ptr<Ui::TAboutBox> ui_;
};

}  // namespace ormitan
