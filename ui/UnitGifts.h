#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TAboutBoxGifts;
}

namespace ormitan {

// The definitions of the 25 gifts, opened from the report. It lives for the whole process.
class TAboutBoxGifts : public QDialog {
    Q_OBJECT
  public:
    explicit TAboutBoxGifts(QWidget* parent = nullptr);
    ~TAboutBoxGifts() override;

    Ui::TAboutBoxGifts& Controls() { return *ui_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    std::unique_ptr<Ui::TAboutBoxGifts> ui_;
};

}  // namespace ormitan
