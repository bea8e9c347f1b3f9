#pragma once

#include <QString>
#include <optional>

namespace ormitan::platform {

// The save dialog for "Файл PDF", over the active window: PDF files only, ".pdf" added to a name
// typed without it, confirmation before replacing a file. Suggests the document's title as the
// name; nullopt when cancelled.
std::optional<QString> AskPdfFileNameWithDialog(const QString& title);

}  // namespace ormitan::platform
