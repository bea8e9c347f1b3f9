#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <string>

#include "services.h"

namespace Ui {
class TFormReport;
}

namespace ormitan {

class FileLayer;
class ResultsDocument;

namespace chart {
class ResultsChart;
struct ChartPrintout;
}  // namespace chart
namespace print {
struct PrintSetup;
}

// The report: the 25 scores as the results chart, with save, print and the gift definitions.
// One instance lives for the whole process and is shown modally for every report.
class TFormReport : public QDialog {
    Q_OBJECT
  public:
    // Shows `results` and saves them through `files`; the caption follows the results' name.
    TFormReport(ResultsDocument& results, FileLayer& files, FileDialogs& fileDialogs,
                MessageBoxes& messages, QWidget* parent = nullptr);
    ~TFormReport() override;

    // What the print and help buttons call: the print preview and the definitions window come
    // from their own modules. The preview starts from the setup it is given and returns the one
    // it leaves.
    using ShowPrintPreviewFn = std::function<print::PrintSetup(
        QWidget* owner, const chart::ChartPrintout& chart, const print::PrintSetup& setup)>;
    void SetShowPrintPreview(ShowPrintPreviewFn show) { showPrintPreview_ = std::move(show); }
    void SetGiftsWindow(QDialog* gifts) { gifts_ = gifts; }

    chart::ResultsChart& Chart1();
    Ui::TFormReport& Controls() { return *ui_; }

    // The caption the report shows for the current results name.
    static QString CaptionFor(const std::string& resultsName);
    // The footer printed under the chart for the current results name.
    static QString FooterFor(const std::string& resultsName);

  public slots:
    void SpeedButtonSaveClick();
    void SpeedButtonPrintClick();
    void SpeedButtonHelpClick();

  signals:
    // The report has been filled for a new showing (tests wait for this).
    void Shown();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void FormCreate();
    void FormActivate();
    void UpdateCaption();
    bool FormCloseQuery();
    void SaveFile();

    ResultsDocument& results_;
    FileLayer& files_;
    FileDialogs& fileDialogs_;
    MessageBoxes& messages_;
    std::unique_ptr<Ui::TFormReport> ui_;
    // Keeps the caption following the results for as long as the window lives.
    std::shared_ptr<const void> watchResults_;
    ShowPrintPreviewFn showPrintPreview_;
    QDialog* gifts_ = nullptr;
};

}  // namespace ormitan
