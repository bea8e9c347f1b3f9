#include "pdf_file_job.h"

#include <QCoreApplication>
#include <cstdint>
#include <span>

#include "core/errors.h"
#include "core/safe_write.h"

namespace ormitan::platform {

PdfFileJob::PdfFileJob(const QPageLayout& layout, int resolution, const QString& title,
                       std::string path, FileLayer& files, std::shared_ptr<bool> open)
    : path_(std::move(path)),
      files_(files),
      buffer_(&bytes_),
      writer_(&buffer_),
      open_(std::move(open)) {
    buffer_.open(QIODevice::WriteOnly);
    writer_.setResolution(resolution);
    if (!writer_.setPageLayout(layout)) {
        throw Exception(InvalidPrinterMessage);
    }
    writer_.setTitle(title);
    writer_.setCreator(QCoreApplication::applicationName());
    if (!painter_.begin(&writer_)) {
        throw Exception(InvalidPrinterMessage);
    }
    *open_ = true;
}

PdfFileJob::~PdfFileJob() {
    Abort();
}

QSize PdfFileJob::PageSize() const {
    return {writer_.width(), writer_.height()};
}

QSize PdfFileJob::Resolution() const {
    return {writer_.logicalDpiX(), writer_.logicalDpiY()};
}

void PdfFileJob::End() {
    if (finished_) {
        return;
    }
    const bool written = painter_.end();
    Finish();
    if (!written) {
        throw Exception(InvalidPrinterMessage);
    }
    const std::span<const std::uint8_t> pdf(
        reinterpret_cast<const std::uint8_t*>(bytes_.constData()),
        static_cast<std::size_t>(bytes_.size()));
    WriteFileSafely(files_, path_, pdf);
}

void PdfFileJob::Abort() noexcept {
    if (finished_) {
        return;
    }
    painter_.end();
    Finish();
}

void PdfFileJob::Finish() noexcept {
    finished_ = true;
    *open_ = false;
}

}  // namespace ormitan::platform
