#include "fake_file_layer.h"

#include <algorithm>

#include "core/errors.h"

using ormitan::EInOutError;

std::set<FakeFileLayer::Handle> FakeFileLayer::OpenHandles() const {
    std::set<Handle> handles;
    for (const auto& [handle, file] : open_) {
        handles.insert(handle);
    }
    return handles;
}

void FakeFileLayer::MaybeFail(Step step) {
    if (failing == step) {
        failing.reset();
        throw EInOutError(failCode);
    }
}

FakeFileLayer::Handle FakeFileLayer::OpenForReading(const std::string& path) {
    MaybeFail(Step::Open);
    if (!files.contains(path)) {
        throw EInOutError(ormitan::io_code::FileNotFound);
    }
    open_[next_] = {path, 0};
    return next_++;
}

FakeFileLayer::Handle FakeFileLayer::CreateTemporary(const std::string& target,
                                                     std::string& temporaryPath) {
    MaybeFail(Step::Create);
    temporaryPath = target + ".tmp" + std::to_string(next_);
    files[temporaryPath] = {};
    open_[next_] = {temporaryPath, 0};
    return next_++;
}

std::size_t FakeFileLayer::Read(Handle handle, std::span<std::uint8_t> buffer) {
    MaybeFail(Step::Read);
    Open& file = open_.at(handle);
    const auto& bytes = files.at(file.path);
    std::size_t count = std::min(buffer.size(), bytes.size() - file.position);
    if (readChunk > 0) {
        count = std::min(count, readChunk);
    }
    std::copy_n(bytes.begin() + long(file.position), count, buffer.begin());
    file.position += count;
    bytesRead += count;
    return count;
}

std::size_t FakeFileLayer::Write(Handle handle, std::span<const std::uint8_t> data) {
    MaybeFail(Step::Write);
    std::size_t count = data.size();
    if (failing == Step::ShortWrite) {
        failing.reset();
        count = data.size() / 2;
    }
    auto& bytes = files.at(open_.at(handle).path);
    bytes.insert(bytes.end(), data.begin(), data.begin() + long(count));
    return count;
}

void FakeFileLayer::Sync(Handle handle) {
    open_.at(handle);
    MaybeFail(Step::Sync);
}

void FakeFileLayer::Close(Handle handle) {
    ++closes;
    // Like close(2): the handle is gone even when closing reports an error.
    open_.erase(handle);
    MaybeFail(Step::Close);
}

void FakeFileLayer::Replace(const std::string& temporary, const std::string& target) {
    MaybeFail(Step::Replace);
    files[target] = files.at(temporary);
    files.erase(temporary);
}

void FakeFileLayer::Remove(const std::string& path) noexcept {
    files.erase(path);
}
