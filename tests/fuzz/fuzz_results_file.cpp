// The results-file reader on a file of any length and content. A file of at least 25 bytes loads
// as its first 25 bytes and names the results; a shorter one is "Read beyond end of file" and
// changes neither the scores nor the name. Either way the file is closed exactly once, no more
// than 25 bytes are read and the file itself is left as it was. The reader runs twice, taking
// whole reads and a byte per read, as a pipe or a slow disk may deliver.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/errors.h"
#include "core/results_file.h"
#include "doubles/fake_file_layer.h"
#include "fuzz_check.h"

namespace {

constexpr std::size_t FileSize = 25;

void Load(const std::vector<std::uint8_t>& content, std::size_t readChunk) {
    const std::string path = "/r/ivanov.2005.tst";
    FakeFileLayer files;
    files.readChunk = readChunk;
    files.files[path] = content;

    ormitan::ScoreArray scores;
    scores.fill(0xA5);
    const ormitan::ScoreArray before = scores;
    std::string name = "kept";
    bool loaded = false;
    try {
        ormitan::LoadResults(files, path, scores, name);
        loaded = true;
    } catch (const ormitan::EInOutError& error) {
        FUZZ_CHECK(error.ErrorCode() == ormitan::io_code::ReadBeyondEnd);
    }

    FUZZ_CHECK(loaded == (content.size() >= FileSize));
    if (loaded) {
        FUZZ_CHECK(std::equal(scores.begin(), scores.end(), content.begin()));
        FUZZ_CHECK(name == "ivanov");
    } else {
        FUZZ_CHECK(scores == before);
        FUZZ_CHECK(name == "kept");
    }
    FUZZ_CHECK(files.OpenHandles().empty());
    FUZZ_CHECK(files.closes == 1);
    FUZZ_CHECK(files.bytesRead <= FileSize);
    FUZZ_CHECK(files.files.size() == 1 && files.files.at(path) == content);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> content(data, data + size);
    Load(content, 0);
    Load(content, 1);
    return 0;
}
