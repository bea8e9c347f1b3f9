#pragma once

#include <QPaintDevice>
#include <QPainter>
#include <memory>

#include "platform/printer_service.h"

namespace ormitan::platform {

// The life of a one-page job that paints on a device of its own: begun once, then either ended
// (the page is delivered) or aborted (it is discarded); whichever comes first is final. Each
// kind of job says only how it delivers and discards. A job's destructor must call Abort().
class PaintedPageJob : public PrintJob {
  public:
    PaintedPageJob(const PaintedPageJob&) = delete;
    PaintedPageJob& operator=(const PaintedPageJob&) = delete;

    QPainter& Painter() override { return painter_; }
    QSize PageSize() const override;
    QSize Resolution() const override;
    void End() final;
    void Abort() noexcept final;

  protected:
    // `open` is set while the job runs, so the service can refuse a second one.
    explicit PaintedPageJob(std::shared_ptr<bool> open) : open_(std::move(open)) {}
    // Begins painting on `device`; "Printer selected is not valid" when it cannot.
    void Begin(QPaintDevice& device);

    // Hands the finished page on; throws when that fails.
    virtual void Deliver() = 0;
    // Drops whatever the job has kept of the page.
    virtual void Discard() noexcept {}

  private:
    void Finish() noexcept;

    QPaintDevice* device_ = nullptr;
    QPainter painter_;
    std::shared_ptr<bool> open_;
    bool finished_ = false;
};

}  // namespace ormitan::platform
