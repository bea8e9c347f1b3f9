#include "results_file.h"

#include "errors.h"

namespace ormitan {
namespace {

// Closes a handle when an error leaves before the regular close.
class OpenFile {
public:
    OpenFile(FileLayer& files, FileLayer::Handle handle) : files_(files), handle_(handle) {}
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile() {
        if (open_) {
            try {
                files_.Close(handle_);
            } catch (...) {
                // Already failing: the first error is the one the user sees.
            }
        }
    }
    FileLayer::Handle handle() const { return handle_; }
    void Close() {
        open_ = false;
        files_.Close(handle_);
    }

private:
    FileLayer& files_;
    FileLayer::Handle handle_;
    bool open_ = true;
};

}  // namespace

ScoreArray ReadResultsFile(FileLayer& files, const std::string& path) {
    OpenFile file(files, files.OpenForReading(path));
    ScoreArray scores{};
    std::size_t total = 0;
    while (total < scores.size()) {
        const std::size_t got =
            files.Read(file.handle(), std::span(scores).subspan(total));
        if (got == 0) {
            throw EInOutError(io_code::ReadBeyondEnd);
        }
        total += got;
    }
    file.Close();
    return scores;
}

void WriteResultsFile(FileLayer& files, const std::string& path, const ScoreArray& scores) {
    std::string temporary;
    const FileLayer::Handle handle = files.CreateTemporary(path, temporary);
    try {
        OpenFile file(files, handle);
        if (files.Write(file.handle(), scores) < scores.size()) {
            throw EInOutError(io_code::ShortWrite);
        }
        files.Sync(file.handle());
        file.Close();
        files.Replace(temporary, path);
    } catch (...) {
        files.Remove(temporary);
        throw;
    }
}

void LoadResults(FileLayer& files, const std::string& path, ScoreArray& scores,
                 std::string& resultsName) {
    scores = ReadResultsFile(files, path);
    resultsName = ExtractBaseName(path);
}

void SaveResults(FileLayer& files, const std::string& path, const ScoreArray& scores,
                 std::string& resultsName) {
    WriteResultsFile(files, path, scores);
    resultsName = ExtractBaseName(path);
}

std::string ExtractBaseName(std::string_view path) {
    const std::size_t separator = path.find_last_of("\\:/");
    const std::string_view name =
        separator == std::string_view::npos ? path : path.substr(separator + 1);
    const std::size_t dot = name.find('.');
    if (dot == std::string_view::npos) {
        return {};
    }
    return std::string(name.substr(0, dot));
}

}  // namespace ormitan
