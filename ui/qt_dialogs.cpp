#include "qt_dialogs.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <algorithm>

#include "product.h"
#include "window_frame.h"

namespace ormitan {
namespace {

// The application's style, except that dialog buttons are laid out as on Windows: Yes before No.
class YesFirstStyle final : public QProxyStyle {
  public:
    YesFirstStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == QStyle::SH_DialogButtonLayout) {
            return QDialogButtonBox::WinLayout;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// The error box's caption must fit in a window manager's title bar beside its buttons.
constexpr int TitleBarButtonsWidth = 120;

}  // namespace

WarningDialog::WarningDialog(const QString& question, QWidget* parent)
    : QMessageBox(QMessageBox::Warning, "Warning", question, QMessageBox::NoButton, parent,
                  Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                      Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      yes_(addButton("&Yes", QMessageBox::YesRole)),
      no_(addButton("&No", QMessageBox::NoRole)) {
    setDefaultButton(static_cast<QPushButton*>(yes_));
    setEscapeButton(no_);
    // Qt orders dialog buttons by the desktop's convention (No before Yes on GNOME and its
    // kin); this warning always reads Yes, No from left to right.
    if (auto* buttons = findChild<QDialogButtonBox*>()) {
        auto* style = new YesFirstStyle;
        style->setParent(buttons);
        buttons->setStyle(style);
    }
    PlaceWhenFramed(*this, CentreOnWorkArea);
}

void WarningDialog::showEvent(QShowEvent* event) {
    // Two buttons of one width, centred on their row.
    if (auto* buttons = findChild<QDialogButtonBox*>()) {
        buttons->setCenterButtons(true);
    }
    const int width = std::max(yes_->sizeHint().width(), no_->sizeHint().width());
    yes_->setMinimumWidth(width);
    no_->setMinimumWidth(width);
    QMessageBox::showEvent(event);
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

void QtMessageBoxes::BeforeBox() const {
    if (beforeBox_) {
        beforeBox_();
    }
}

void QtMessageBoxes::ShowError(const QString& text) {
    BeforeBox();
    QMessageBox box(QMessageBox::Critical, product::ApplicationTitle, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int captionWidth = QFontMetrics(QApplication::font("QMdiSubWindowTitleBar"))
                                     .horizontalAdvance(box.windowTitle()) +
                                 TitleBarButtonsWidth;
        grid->addItem(new QSpacerItem(captionWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    box.exec();
}

int QtMessageBoxes::AskWarningYesNo(const QString& question) {
    BeforeBox();
    WarningDialog dialog(question, QApplication::activeWindow());
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.exec();
    return dialog.Answer();
}

}  // namespace ormitan
