#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "file_layer.h"

namespace ormitan {

// Writes `bytes` so that the previous file at `path` is replaced only by a complete, synced new
// one: a failure at any step throws EInOutError, leaves the old file as it was and no temporary
// file behind.
void WriteFileSafely(FileLayer& files, const std::string& path,
                     std::span<const std::uint8_t> bytes);

}  // namespace ormitan
