#include "UnitGifts.h"

#include "definitions_text.h"
#include "ui_UnitGifts.h"
#include "widgets_support.h"
#include "window_frame.h"

namespace ormitan {

TAboutBoxGifts::TAboutBoxGifts(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ui_(std::make_unique<Ui::TAboutBoxGifts>()) {
    ui_->setupUi(this);
    ui_->Memo1->setPlainText(QString::fromUtf8(content::DefinitionsText).trimmed());
    QPalette memo = ui_->Memo1->palette();
    memo.setColor(QPalette::Base, palette().color(QPalette::ToolTipBase));
    memo.setColor(QPalette::Text, palette().color(QPalette::ToolTipText));
    ui_->Memo1->setPalette(memo);
    connect(ui_->OKButton, &QPushButton::clicked, this, &QDialog::accept);
    setModal(true);
    CentreOnWorkArea(*this);
    PlaceWhenFramed(*this, CentreOnWorkArea);
}

TAboutBoxGifts::~TAboutBoxGifts() = default;

void TAboutBoxGifts::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // "OK" comes first in the tab order: Enter closes the window at once.
    ui_->OKButton->setFocus(Qt::ActiveWindowFocusReason);
}

}  // namespace ormitan
