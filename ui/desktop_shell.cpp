#include "desktop_shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace ormitan {

void DesktopShell::Open(const QString& address) {
    // Without a browser or mail program nothing happens, and nothing is said.
    QDesktopServices::openUrl(QUrl(address));
}

}  // namespace ormitan
