#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "services.h"

namespace Ui {
class TFormReport;
}

namespace ormitan {

namespace chart {
class ResultsChart;
}

// The report: the 25 scores as the results chart, with save, print and the gift definitions.
// One instance lives for the whole process and is shown modally for every report.
class TFormReport : public QDialog {
    Q_OBJECT
  public:
    explicit TFormReport(Services& services, QWidget* parent = nullptr);
    ~TFormReport() override;

    // What the tool buttons call: saving belongs to the questionnaire window, the print
    // preview and the definitions window come from their own modules.
    void SetSaveFile(std::function<void(QWidget*)> saveFile) { saveFile_ = std::move(saveFile); }
    using ShowPrintPreviewFn = std::function<void(QWidget* owner, chart::ResultsChart& chart)>;
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
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void FormCreate();
    void FormActivate();
    void UpdateCaption();
    bool FormCloseQuery();

    Services& services_;
    std::unique_ptr<Ui::TFormReport> ui_;
    std::function<void(QWidget*)> saveFile_;
    ShowPrintPreviewFn showPrintPreview_;
    QDialog* gifts_ = nullptr;
};

}  // namespace ormitan
