#include "UnitAbout.h"

#include <QMouseEvent>

#include "about_text.h"
#include "product.h"
#include "ui_UnitAbout.h"
#include "widgets_support.h"
#include "window_frame.h"

namespace ormitan {
namespace {

// A label that reads as a link: underlined, in the active caption's colour, with the hand.
void MakeLink(QLabel& label, const QString& text) {
    label.setText(text);
    QFont font = label.font();
    font.setUnderline(true);
    label.setFont(font);
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    label.setPalette(palette);
    label.setCursor(Qt::PointingHandCursor);
    label.adjustSize();
}

}  // namespace

TAboutBox::TAboutBox(Shell& shell, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      shell_(shell),
      ui_(std::make_unique<Ui::TAboutBox>()) {
    ui_->setupUi(this);
    ui_->ProgramIcon->setPixmap(ResourcePng(":/images/icons/ormitan-32.png"));
    ui_->Version->setText(product::Version);
    ui_->Label1->setText(product::AuthorLine);
    ui_->Copyright->setText(product::CopyrightLine);
    for (QLabel* label : {ui_->ProductName, ui_->Version, ui_->Label1, ui_->Copyright}) {
        label->adjustSize();
    }
    MakeLink(*ui_->Label2, product::SiteAddress);
    MakeLink(*ui_->Label3, QString("email : ") + product::Email);
    ui_->Label2->installEventFilter(this);
    ui_->Label3->installEventFilter(this);

    ui_->Memo1->setPlainText(QString::fromUtf8(content::AboutText).trimmed());
    QPalette memo = ui_->Memo1->palette();
    memo.setColor(QPalette::Base, palette().color(QPalette::Button));
    ui_->Memo1->setPalette(memo);

    connect(ui_->OKButton, &QPushButton::clicked, this, &QDialog::accept);
    setModal(true);
    CentreOnWorkArea(*this);
    PlaceWhenFramed(*this, CentreOnWorkArea);
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The memo comes first in the tab order: Enter there starts a new line.
    ui_->Memo1->setFocus(Qt::ActiveWindowFocusReason);
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == ui_->Label2) {
            Label2Click();
            return true;
        }
        if (watched == ui_->Label3) {
            Label3Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TAboutBox::Label2Click() {
    shell_.Open(product::SiteUrl);
}

void TAboutBox::Label3Click() {
    shell_.Open(QString("mailto:") + product::Email);
}

}  // namespace ormitan
