#include "results_file.h"

#include "errors.h"
#include "open_file.h"
#include "safe_write.h"

namespace ormitan {

ScoreArray ReadResultsFile(FileLayer& files, const std::string& path) {
    OpenFile file(files, files.OpenForReading(path));
    ScoreArray scores{};
    std::size_t total = 0;
    while (total < scores.size()) {
        const std::size_t got = files.Read(file.Get(), std::span(scores).subspan(total));
        if (got == 0) {
            throw EInOutError(io_code::ReadBeyondEnd);
        }
        total += got;
    }
    file.Close();
    return scores;
}

void WriteResultsFile(FileLayer& files, const std::string& path, const ScoreArray& scores) {
    WriteFileSafely(files, path, scores);
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

void LoadResults(FileLayer& files, const std::string& path, ResultsDocument& results) {
    Results loaded;
    LoadResults(files, path, loaded.Scores, loaded.ResultsName);
    results.Replace(loaded);
}

void SaveResults(FileLayer& files, const std::string& path, ResultsDocument& results) {
    std::string name = results.ResultsName();
    SaveResults(files, path, results.Scores(), name);
    results.SetResultsName(name);
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
