#include "painted_page_job.h"

#include "core/errors.h"

namespace ormitan::platform {

void PaintedPageJob::Begin(QPaintDevice& device) {
    if (!painter_.begin(&device)) {
        throw Exception(InvalidPrinterMessage);
    }
    device_ = &device;
    *open_ = true;
}

QSize PaintedPageJob::PageSize() const {
    return device_ != nullptr ? QSize(device_->width(), device_->height()) : QSize();
}

QSize PaintedPageJob::Resolution() const {
    return device_ != nullptr ? QSize(device_->logicalDpiX(), device_->logicalDpiY()) : QSize();
}

void PaintedPageJob::End() {
    if (finished_) {
        return;
    }
    const bool written = painter_.end();
    Finish();
    if (!written) {
        Discard();
        throw Exception(InvalidPrinterMessage);
    }
    Deliver();
}

void PaintedPageJob::Abort() noexcept {
    if (finished_) {
        return;
    }
    // Ending the painter only completes the page in the job's own keeping; it is then dropped.
    painter_.end();
    Finish();
    Discard();
}

void PaintedPageJob::Finish() noexcept {
    finished_ = true;
    *open_ = false;
}

}  // namespace ormitan::platform
