#pragma once

#include <QButtonGroup>
#include <QDialog>
#include <QWidget>
#include <memory>
#include <string>

#include "core/questionnaire_run.h"
#include "core/results_document.h"
#include "services.h"

namespace Ui {
class TMainForm;
}

namespace ormitan {

class FileLayer;
class TFormReport;

// The questionnaire window: one statement at a time, the four answers, the counter, "Дальше",
// and the help and open buttons. Its controls show what the questionnaire run says.
class TMainForm : public QWidget {
    Q_OBJECT
  public:
    // The run scores into `results`; the open button reads results files through `files`.
    TMainForm(ResultsDocument& results, FileLayer& files, FileDialogs& fileDialogs,
              QWidget* parent = nullptr);
    ~TMainForm() override;

    // The windows this one shows modally; they are created after it at start.
    void SetReportWindow(TFormReport* report) { report_ = report; }
    void SetAboutWindow(QDialog* about) { about_ = about; }

    const QuestionnaireRun& Run() const { return run_; }
    Ui::TMainForm& Controls() { return *ui_; }

    // Results-file operations.
    void OpenFile();
    // Shows the results file named on the command line, then ends the program.
    void OpenParamStr(const std::string& path);

  public slots:
    void BitBtnOkClick();
    void SpeedButtonHelpClick();
    void SpeedButtonOpenClick() { OpenFile(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void FormCreate();
    void Init();
    void AnswerClick(QAbstractButton* button);
    // The keys 1 to 4 choose an answer as a click on it does.
    void AnswerKey(int answer);
    // Shows the report modally; returns when it has closed.
    void ShowReport();
    void ShowRun();

    ResultsDocument& results_;
    FileLayer& files_;
    FileDialogs& fileDialogs_;
    std::unique_ptr<Ui::TMainForm> ui_;
    QButtonGroup answers_;
    QuestionnaireRun run_;
    TFormReport* report_ = nullptr;
    QDialog* about_ = nullptr;
};

}  // namespace ormitan
