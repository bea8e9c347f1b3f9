#pragma once

#include "services.h"

namespace ormitan {

// Opens addresses through the desktop's own handlers.
class DesktopShell final : public Shell {
  public:
    void Open(const QString& address) override;
};

}  // namespace ormitan
