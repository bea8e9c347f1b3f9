#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace ormitan {

// The file calls behind the results file. Every failing call throws EInOutError with the
// program's error code (2 missing file, 3 missing folder, 5 refused access, ...). The program
// uses the POSIX layer; tests put a fake in its place to reach failures that a real disk rarely
// gives.
class FileLayer {
  public:
    using Handle = int;

    virtual ~FileLayer() = default;

    // Opens an existing regular file for reading only.
    virtual Handle OpenForReading(const std::string& path) = 0;
    // Creates a new, empty temporary file in the folder of `target`, refusing a target that
    // could not be replaced (a folder, a file without write access); returns its handle and
    // sets `temporaryPath`.
    virtual Handle CreateTemporary(const std::string& target, std::string& temporaryPath) = 0;
    // Transfers up to buffer.size() bytes and returns how many were transferred; a read returns
    // 0 at the end of the file.
    virtual std::size_t Read(Handle handle, std::span<std::uint8_t> buffer) = 0;
    virtual std::size_t Write(Handle handle, std::span<const std::uint8_t> data) = 0;
    // Flushes the file's data to the disk.
    virtual void Sync(Handle handle) = 0;
    virtual void Close(Handle handle) = 0;
    // Puts `temporary` in the place of `target` in one step.
    virtual void Replace(const std::string& temporary, const std::string& target) = 0;
    // Removes a file, ignoring every failure (used while cleaning up after one).
    virtual void Remove(const std::string& path) noexcept = 0;
};

}  // namespace ormitan
