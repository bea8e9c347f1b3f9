#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/file_layer.h"

// An in-memory file layer whose calls can be made to fail one at a time.
class FakeFileLayer final : public ormitan::FileLayer {
  public:
    enum class Step { Open, Create, Read, Write, ShortWrite, Sync, Close, Replace };

    std::map<std::string, std::vector<std::uint8_t>> files;
    // The step that fails next, with the code it fails with (ShortWrite takes fewer bytes).
    std::optional<Step> failing;
    int failCode = 5;

    // At most this many bytes per Read call, as a pipe or a slow disk may deliver (0: as many as
    // asked for).
    std::size_t readChunk = 0;

    std::set<Handle> OpenHandles() const;
    int closes = 0;
    std::size_t bytesRead = 0;  // by every Read call together

    Handle OpenForReading(const std::string& path) override;
    Handle CreateTemporary(const std::string& target, std::string& temporaryPath) override;
    std::size_t Read(Handle handle, std::span<std::uint8_t> buffer) override;
    std::size_t Write(Handle handle, std::span<const std::uint8_t> data) override;
    void Sync(Handle handle) override;
    void Close(Handle handle) override;
    void Replace(const std::string& temporary, const std::string& target) override;
    void Remove(const std::string& path) noexcept override;

  private:
    struct Open {
        std::string path;
        std::size_t position = 0;
    };
    void MaybeFail(Step step);
    std::map<Handle, Open> open_;
    Handle next_ = 3;
};
