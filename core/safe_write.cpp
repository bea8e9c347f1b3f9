#include "safe_write.h"

#include "errors.h"
#include "open_file.h"

namespace ormitan {

void WriteFileSafely(FileLayer& files, const std::string& path,
                     std::span<const std::uint8_t> bytes) {
    std::string temporary;
    const FileLayer::Handle handle = files.CreateTemporary(path, temporary);
    try {
        OpenFile file(files, handle);
        // The layer writes all it can; less than everything means the disk is full.
        if (files.Write(file.Get(), bytes) < bytes.size()) {
            throw EInOutError(io_code::ShortWrite);
        }
        files.Sync(file.Get());
        file.Close();
        files.Replace(temporary, path);
    } catch (...) {
        files.Remove(temporary);
        throw;
    }
}

}  // namespace ormitan
