#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <memory>
#include <string>

#include "core/file_layer.h"
#include "platform/painted_page_job.h"

namespace ormitan::platform {

// A one-page job for "Файл PDF": the page is drawn into a PDF in memory, and End writes the file
// in one safe step (EInOutError with the file codes when that fails). Abort writes nothing, so a
// previous file of that name stays as it was.
class PdfFileJob final : public PaintedPageJob {
  public:
    // The page has the given layout and resolution, the same the service reports for "Файл PDF";
    // the title becomes the document's title. Sets *open while the job runs.
    PdfFileJob(const QPageLayout& layout, int resolution, const QString& title, std::string path,
               FileLayer& files, std::shared_ptr<bool> open);
    ~PdfFileJob() override;

  private:
    void Deliver() override;

    std::string path_;
    FileLayer& files_;
    QByteArray bytes_;
    QBuffer buffer_;
    QPdfWriter writer_;
};

}  // namespace ormitan::platform
