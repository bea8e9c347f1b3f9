#include "pdf_file_job.h"

#include <QCoreApplication>
#include <cstdint>
#include <span>

#include "core/errors.h"
#include "core/safe_write.h"

namespace ormitan::platform {

PdfFileJob::PdfFileJob(const QPageLayout& layout, int resolution, const QString& title,
                       std::string path, FileLayer& files, std::shared_ptr<bool> open)
    : PaintedPageJob(std::move(open)),
      path_(std::move(path)),
      files_(files),
      buffer_(&bytes_),
      writer_(&buffer_) {
    buffer_.open(QIODevice::WriteOnly);
    writer_.setResolution(resolution);
    if (!writer_.setPageLayout(layout)) {
        throw Exception(InvalidPrinterMessage);
    }
    writer_.setTitle(title);
    writer_.setCreator(QCoreApplication::applicationName());
    Begin(writer_);
}

PdfFileJob::~PdfFileJob() {
    Abort();
}

void PdfFileJob::Deliver() {
    const std::span<const std::uint8_t> pdf(
        reinterpret_cast<const std::uint8_t*>(bytes_.constData()),
        static_cast<std::size_t>(bytes_.size()));
    WriteFileSafely(files_, path_, pdf);
}

}  // namespace ormitan::platform
