#include "full_disk.h"

#include <QByteArray>
#include <QFile>

#if defined(Q_OS_LINUX)
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>
#endif

namespace {

QString SystemError(const char* what)
{
#if defined(Q_OS_LINUX)
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
#else
    return QLatin1String(what);
#endif
}

} // namespace

FullDisk::FullDisk(qint64 size)
{
#if defined(Q_OS_LINUX)
    if (!dir_.isValid()) {
        reason_ = QStringLiteral("no temporary folder for the small disk: ") + dir_.errorString();
        return;
    }
    if (::geteuid() != 0) {
        reason_ = QStringLiteral("mounting a small tmpfs as a full disk needs root");
        return;
    }
    const QByteArray options = "size=" + QByteArray::number(size) + ",mode=0755";
    if (::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs",
                MS_NOSUID | MS_NODEV | MS_NOEXEC, options.constData()) != 0) {
        reason_ = SystemError("cannot mount a small tmpfs as a full disk");
        return;
    }
    mounted_ = true;
#else
    Q_UNUSED(size);
    reason_ = QStringLiteral("a full disk is only made on Linux");
#endif
}

FullDisk::~FullDisk()
{
#if defined(Q_OS_LINUX)
    // Detached, so a file a failed test left open cannot keep the folder from being removed.
    if (mounted_)
        ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
#endif
}

qint64 FullDisk::freeBytes() const
{
#if defined(Q_OS_LINUX)
    struct statvfs fs {};
    if (::statvfs(QFile::encodeName(dir_.path()).constData(), &fs) == 0)
        return qint64(fs.f_bavail) * qint64(fs.f_frsize);
#endif
    return -1;
}

bool FullDisk::fill(qint64 leaveFree)
{
    if (!mounted_)
        return false;
#if defined(Q_OS_LINUX)
    const QByteArray ballast = QFile::encodeName(filePath(QLatin1String(BallastName)));
    const int fd = ::open(ballast.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        reason_ = SystemError("cannot create the ballast file");
        return false;
    }
    // Write until the disk refuses: first in large pieces, then byte by byte up to the last one.
    const QByteArray piece(64 * 1024, '\0');
    qint64 written = 0;
    for (qsizetype chunk = piece.size(); chunk > 0;) {
        const ssize_t n = ::write(fd, piece.constData(), size_t(chunk));
        if (n > 0)
            written += n;
        else if (n < 0 && errno == EINTR)
            continue;
        else
            chunk = chunk > 1 ? 1 : 0; // ENOSPC: try the last bytes one at a time, then stop
    }
    const qint64 block = 4096;
    const qint64 freed = (leaveFree + block - 1) / block * block;
    const bool shrunk = ::ftruncate(fd, qMax<qint64>(0, written - freed)) == 0;
    ::close(fd);
    if (!shrunk || freeBytes() < leaveFree || freeBytes() > freed) {
        reason_ = QStringLiteral("the small disk has %1 bytes free instead of %2")
                      .arg(freeBytes())
                      .arg(freed);
        return false;
    }
    return true;
#else
    Q_UNUSED(leaveFree);
    return false;
#endif
}
