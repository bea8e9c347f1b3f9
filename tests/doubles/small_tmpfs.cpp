#include "small_tmpfs.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QFile>
#include <array>
#include <cerrno>
#include <cstring>

SmallTmpfs::SmallTmpfs(int kilobytes) {
    if (!folder_.isValid()) {
        why_ = "no temporary folder to mount on";
        return;
    }
    const QByteArray target = QFile::encodeName(folder_.path());
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0700";
    if (::mount("tmpfs", target.constData(), "tmpfs", MS_NOSUID | MS_NODEV | MS_NOEXEC,
                options.constData()) != 0) {
        why_ = QString("mounting a tmpfs is not permitted here (%1)").arg(std::strerror(errno));
        return;
    }
    mounted_ = true;
}

SmallTmpfs::~SmallTmpfs() {
    if (mounted_) {
        // Detached, so that a file a failed test left open cannot keep it mounted.
        ::umount2(QFile::encodeName(folder_.path()).constData(), MNT_DETACH);
    }
}

bool SmallTmpfs::Fill(const QString& name) {
    const int fd = ::open(QFile::encodeName(FilePath(name)).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    // Whole pages first, then single bytes into whatever the last page leaves.
    std::array<char, 4096> block{};
    bool full = false;
    for (const std::size_t chunk : {block.size(), std::size_t{1}}) {
        for (;;) {
            const ssize_t put = ::write(fd, block.data(), chunk);
            if (put > 0) {
                continue;
            }
            if (put < 0 && errno == EINTR) {
                continue;
            }
            full = put < 0 && errno == ENOSPC;
            break;
        }
    }
    ::close(fd);
    return full;
}
