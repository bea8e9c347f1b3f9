#include "UnitMain.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QKeyEvent>
#include <QShortcut>

#include "UnitReport.h"
#include "core/results_file.h"
#include "ormitan_application.h"
#include "ui_UnitMain.h"
#include "widgets_support.h"
#include "window_frame.h"

namespace ormitan {

TMainForm::TMainForm(ResultsDocument& results, FileLayer& files, FileDialogs& fileDialogs,
                     QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      results_(results),
      files_(files),
      fileDialogs_(fileDialogs),
      ui_(std::make_unique<Ui::TMainForm>()),
      run_(results) {
    ui_->setupUi(this);
    setFixedSize(size());

    const QFont serif = PixelFont("Times New Roman", 16);
    ui_->Label2->setFont(serif);
    ui_->Label3->setFont(serif);
    ui_->LabelQuest->setFont(serif);
    ui_->LabelNum->setFont(PixelFont("Arial", 13, true));
    ui_->SpeedButtonHelp->setIcon(GlyphIcon(":/images/glyphs/help.png"));
    ui_->SpeedButtonOpen->setIcon(GlyphIcon(":/images/glyphs/open.png"));
    ui_->BitBtnOk->setIcon(GlyphIcon(":/images/glyphs/ok.png"));

    for (QAbstractButton* button : {static_cast<QAbstractButton*>(ui_->RadioButton1),
                                    static_cast<QAbstractButton*>(ui_->RadioButton2),
                                    static_cast<QAbstractButton*>(ui_->RadioButton3),
                                    static_cast<QAbstractButton*>(ui_->RadioButton4)}) {
        answers_.addButton(button, answers_.buttons().size() + 1);
        button->installEventFilter(this);
    }
    connect(&answers_, &QButtonGroup::buttonClicked, this, Guarded(this, &TMainForm::AnswerClick));
    connect(ui_->BitBtnOk, &QPushButton::clicked, this, Guarded(this, &TMainForm::BitBtnOkClick));
    connect(ui_->SpeedButtonHelp, &QToolButton::clicked, this,
            Guarded(this, &TMainForm::SpeedButtonHelpClick));
    connect(ui_->SpeedButtonOpen, &QToolButton::clicked, this,
            Guarded(this, &TMainForm::SpeedButtonOpenClick));

    // Keys for those who cannot use a mouse: an answer and Enter per statement, help, open.
    // The keypad's digits are the same keys to a shortcut.
    for (const int answer : {1, 2, 3, 4}) {
        auto* digit = new QShortcut(QKeySequence(Qt::Key_0 + answer), this);
        connect(digit, &QShortcut::activated, this, [this, answer] { AnswerKey(answer); });
    }
    BindKey(*ui_->SpeedButtonHelp, QKeySequence(Qt::Key_F1));
    BindKey(*ui_->SpeedButtonOpen, QKeySequence(Qt::CTRL | Qt::Key_O));

    FormCreate();
    CentreOnWorkArea(*this);
    PlaceWhenFramed(*this, CentreOnWorkArea);
}

TMainForm::~TMainForm() = default;

void TMainForm::FormCreate() {
    Init();
}

void TMainForm::Init() {
    run_.Init();
    ShowRun();
}

void TMainForm::ShowRun() {
    ui_->LabelQuest->setText(QString::fromUtf8(run_.StatementText()));
    ui_->LabelNum->setText(QString::fromStdString(run_.CounterText()));
    ui_->LabelNum->adjustSize();  // grows to the right with its text
    ui_->SpeedButtonOpen->setEnabled(run_.OpenEnabled());

    const auto chosen = run_.Chosen();
    if (chosen) {
        answers_.button(int(*chosen))->setChecked(true);
    } else {
        UncheckAll(answers_.buttons());
    }
    // Only the checked answer is a tab stop; unchecked ones take the focus by a click.
    for (QAbstractButton* button : answers_.buttons()) {
        button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    }

    if (!run_.NextEnabled() && ui_->BitBtnOk->hasFocus()) {
        // A disabled "Дальше" gives its focus to nobody.
        ui_->BitBtnOk->clearFocus();
    }
    ui_->BitBtnOk->setEnabled(run_.NextEnabled());
}

void TMainForm::AnswerClick(QAbstractButton* button) {
    run_.Choose(Answer(answers_.id(button)));
    ShowRun();
}

void TMainForm::AnswerKey(int answer) {
    // A window shortcut: behind a modal window (the report, the about window, a message) the
    // questionnaire takes no key, so no digit reaches here then.
    QAbstractButton* button = answers_.button(answer);
    button->setFocus(Qt::ShortcutFocusReason);  // a clicked answer takes the focus
    button->click();
}

void TMainForm::BitBtnOkClick() {
    if (!run_.NextEnabled()) {
        return;
    }
    const QuestionnaireRun::Outcome outcome = run_.Confirm();
    ShowRun();
    if (outcome == QuestionnaireRun::Outcome::ShowReport) {
        ShowReport();
        Init();
    }
}

void TMainForm::SpeedButtonHelpClick() {
    if (about_ != nullptr) {
        about_->exec();
    }
}

void TMainForm::ShowReport() {
    if (report_ != nullptr) {
        report_->exec();
    }
}

void TMainForm::OpenFile() {
    const auto path = fileDialogs_.AskOpenPath(this);
    if (!path) {
        return;
    }
    LoadResults(files_, *path, results_);
    ShowReport();
    Init();
}

void TMainForm::OpenParamStr(const std::string& path) {
    LoadResults(files_, path, results_);
    ShowReport();
    Init();
    close();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    // The arrow keys move among the answers (wrapping round), and the answer moved to becomes
    // the chosen one, as radio buttons do. Unchecked answers are no tab stops, so Qt's own
    // arrow handling would not reach them.
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (event->type() != QEvent::KeyPress || button == nullptr || answers_.id(button) < 0) {
        return QWidget::eventFilter(watched, event);
    }
    int step = 0;
    switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left:
            step = -1;
            break;
        case Qt::Key_Down:
        case Qt::Key_Right:
            step = 1;
            break;
        default:
            return QWidget::eventFilter(watched, event);
    }
    const int count = int(answers_.buttons().size());
    const int next = (answers_.id(button) - 1 + step + count) % count + 1;
    QAbstractButton* target = answers_.button(next);
    target->setFocus(Qt::OtherFocusReason);
    target->click();
    return true;
}

void TMainForm::keyPressEvent(QKeyEvent* event) {
    // "Дальше" is the window's default button: Enter presses it wherever the focus is, and
    // does nothing while it is disabled.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (ui_->BitBtnOk->isEnabled()) {
            ui_->BitBtnOk->click();
        }
        return;
    }
    QWidget::keyPressEvent(event);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // Closing the questionnaire ends the program at once; an unfinished run is lost.
    event->accept();
    QCoreApplication::quit();
}

}  // namespace ormitan
