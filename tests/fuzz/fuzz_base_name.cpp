// ExtractBaseName on any bytes, valid UTF-8 or not: the name it gives never holds a folder
// separator or a dot, and it is the start of the path's last component, cut where a dot follows.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/results_file.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view path(reinterpret_cast<const char*>(data), size);
    const std::string base = ormitan::ExtractBaseName(path);

    FUZZ_CHECK(base.find_first_of("/\\:.") == std::string::npos);
    const std::size_t separator = path.find_last_of("/\\:");
    const std::string_view last =
        separator == std::string_view::npos ? path : path.substr(separator + 1);
    FUZZ_CHECK(last.starts_with(base));
    FUZZ_CHECK(base.empty() || last[base.size()] == '.');
    return 0;
}
