#pragma once

#include <string>

#include "core/file_layer.h"

namespace ormitan::platform {

// The results file's calls on a POSIX system, with errno turned into the program's codes.
class PosixFileLayer final : public FileLayer {
  public:
    Handle OpenForReading(const std::string& path) override;
    Handle CreateTemporary(const std::string& target, std::string& temporaryPath) override;
    std::size_t Read(Handle handle, std::span<std::uint8_t> buffer) override;
    std::size_t Write(Handle handle, std::span<const std::uint8_t> data) override;
    void Sync(Handle handle) override;
    void Close(Handle handle) override;
    void Replace(const std::string& temporary, const std::string& target) override;
    void Remove(const std::string& path) noexcept override;
};

// The program's error code for an errno that a call on `path` gave.
int ErrorCodeFor(int error, const std::string& path);

}  // namespace ormitan::platform
