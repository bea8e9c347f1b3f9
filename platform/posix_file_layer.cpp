#include "posix_file_layer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/errors.h"

namespace ormitan::platform {
namespace {

std::string ParentFolder(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool FolderExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

[[noreturn]] void Fail(int error, const std::string& path) {
    throw EInOutError(ErrorCodeFor(error, path));
}

// The I/O device error of the program's code table; errno's own EIO (5) would read as
// "File access denied".
constexpr int IoDeviceError = 1117;

}  // namespace

int ErrorCodeFor(int error, const std::string& path) {
    switch (error) {
        case ENOENT:
            return FolderExists(ParentFolder(path)) ? io_code::FileNotFound : io_code::PathNotFound;
        case ENOTDIR:
            return io_code::PathNotFound;
        case EMFILE:
        case ENFILE:
            return io_code::TooManyOpenFiles;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
            return io_code::AccessDenied;
        case ENOSPC:
        case EDQUOT:
            return io_code::DiskFull;
        case EIO:
            return IoDeviceError;
        default:
            return error;
    }
}

FileLayer::Handle PosixFileLayer::OpenForReading(const std::string& path) {
    // Non-blocking, so that a FIFO named as a results file cannot freeze the program; only
    // regular files are results files.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int error = errno;
        // Some of them cannot even be opened (a socket gives ENXIO): refused alike.
        struct stat info {};
        if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
            throw EInOutError(io_code::AccessDenied);
        }
        Fail(error, path);
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        throw EInOutError(io_code::AccessDenied);
    }
    return fd;
}

FileLayer::Handle PosixFileLayer::CreateTemporary(const std::string& target,
                                                  std::string& temporaryPath) {
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) {
        throw EInOutError(io_code::AccessDenied);
    }
    if (exists && ::access(target.c_str(), W_OK) != 0) {
        Fail(errno, target);
    }
    // A hidden name beside the target, so that the rename stays within one file system.
    const std::size_t slash = target.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    std::string pattern = target.substr(0, nameStart) + "." + target.substr(nameStart) + ".XXXXXX";
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) {
        Fail(errno, pattern);
    }
    // The new file gets the permissions the old one had, or those a newly created file gets.
    mode_t mode = 0;
    if (exists) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(fd, mode) != 0) {
        const int error = errno;
        ::close(fd);
        ::unlink(pattern.c_str());
        Fail(error, pattern);
    }
    temporaryPath = pattern;
    return fd;
}

std::size_t PosixFileLayer::Read(Handle handle, std::span<std::uint8_t> buffer) {
    for (;;) {
        const ssize_t got = ::read(handle, buffer.data(), buffer.size());
        if (got >= 0) {
            return static_cast<std::size_t>(got);
        }
        if (errno != EINTR) {
            Fail(errno, {});
        }
    }
}

std::size_t PosixFileLayer::Write(Handle handle, std::span<const std::uint8_t> data) {
    std::size_t total = 0;
    while (total < data.size()) {
        const ssize_t put = ::write(handle, data.data() + total, data.size() - total);
        if (put < 0) {
            if (errno == EINTR) {
                continue;
            }
            Fail(errno, {});
        }
        if (put == 0) {
            break;
        }
        total += static_cast<std::size_t>(put);
    }
    return total;
}

void PosixFileLayer::Sync(Handle handle) {
    if (::fsync(handle) != 0) {
        Fail(errno, {});
    }
}

void PosixFileLayer::Close(Handle handle) {
    // Linux releases the descriptor even when close reports an error: never close it twice.
    if (::close(handle) != 0 && errno != EINTR) {
        Fail(errno, {});
    }
}

void PosixFileLayer::Replace(const std::string& temporary, const std::string& target) {
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        Fail(errno, target);
    }
    // Make the new name itself durable; a failure here loses nothing that was on the disk.
    const int folder = ::open(ParentFolder(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

void PosixFileLayer::Remove(const std::string& path) noexcept {
    if (!path.empty()) {
        ::unlink(path.c_str());
    }
}

}  // namespace ormitan::platform
