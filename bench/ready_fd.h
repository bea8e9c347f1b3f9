#pragma once

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <optional>

namespace ormitan::bench {

// The descriptor named by "--ready-fd N" as the first two arguments, if any.
inline std::optional<int> ReadyFdArgument(int argc, char** argv) {
    if (argc < 3 || std::strcmp(argv[1], "--ready-fd") != 0) {
        return std::nullopt;
    }
    char* end = nullptr;
    const long fd = std::strtol(argv[2], &end, 10);
    if (*end != '\0' || fd < 0 || fd > 1000) {
        return std::nullopt;
    }
    return int(fd);
}

// Tells the bench driver waiting on `fd` that the first paint is done.
inline void SignalReady(int fd) {
    const char byte = '1';
    [[maybe_unused]] const ssize_t written = write(fd, &byte, 1);
    close(fd);
}

}  // namespace ormitan::bench
