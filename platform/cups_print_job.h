#pragma once

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QString>
#include <QTemporaryFile>
#include <memory>

#include "platform/painted_page_job.h"

namespace ormitan::platform {

// A one-page job for a CUPS printer. Qt's CUPS engine sends its spool file the moment painting
// ends and cannot take it back, so the page is drawn into a spool file of our own with the very
// same engine, and only End hands that file to CUPS. Abort just deletes it.
class CupsPrintJob final : public PaintedPageJob {
  public:
    // Throws "Printer selected is not valid" when the printer does not take the layout or the
    // page cannot be begun. Sets *open while the job runs.
    CupsPrintJob(const QString& printerName, const QPageLayout& layout, const QString& title,
                 std::shared_ptr<bool> open);
    ~CupsPrintJob() override;

  private:
    void Deliver() override;
    void Discard() noexcept override;

    QString printerName_;
    QString title_;
    QTemporaryFile spool_;
    QPrinter printer_;
};

}  // namespace ormitan::platform
