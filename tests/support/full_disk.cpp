#include "full_disk.h"

#include <QFile>

#ifdef Q_OS_LINUX
#  include <cerrno>
#  include <cstring>
#  include <fcntl.h>
#  include <sys/mount.h>
#  include <sys/statvfs.h>
#  include <unistd.h>

namespace {
QString failed(const char* what)
{
    return QLatin1String(what) + QLatin1String(": ") + QString::fromLocal8Bit(std::strerror(errno));
}
} // namespace
#endif

FullDisk::FullDisk(qint64 size)
{
#ifdef Q_OS_LINUX
    const QByteArray options = "size=" + QByteArray::number(size) + ",mode=0755";
    if (::geteuid() != 0)
        reason_ = QStringLiteral("mounting a small tmpfs as a full disk needs root");
    else if (::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs",
                     MS_NOSUID | MS_NODEV, options.constData())
             != 0)
        reason_ = failed("cannot mount a small tmpfs as a full disk");
    mounted_ = reason_.isEmpty();
#else
    Q_UNUSED(size);
    reason_ = QStringLiteral("a full disk is only made on Linux");
#endif
}

FullDisk::~FullDisk()
{
#ifdef Q_OS_LINUX
    // Detached, so a file that a failed test left open cannot keep the folder from going.
    if (mounted_)
        ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
#endif
}

bool FullDisk::fill(qint64 leaveFree)
{
    if (!mounted_)
        return false;
#ifdef Q_OS_LINUX
    const int fd = ::open(QFile::encodeName(dir_.filePath(BallastName)).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return reason_ = failed("cannot create the ballast file"), false;
    // Write until the disk refuses, in large pieces and then byte by byte up to the last one.
    const QByteArray piece(64 * 1024, '\0');
    qint64 written = 0;
    for (qsizetype chunk = piece.size(); chunk > 0;) {
        const ssize_t n = ::write(fd, piece.constData(), size_t(chunk));
        if (n > 0)
            written += n;
        else if (errno != EINTR)
            chunk = chunk > 1 ? 1 : 0;
    }
    const qint64 freed = (leaveFree + 4095) / 4096 * 4096;
    const bool shrunk = ::ftruncate(fd, qMax<qint64>(0, written - freed)) == 0;
    ::close(fd);
    struct statvfs fs { };
    const qint64 free = ::statvfs(QFile::encodeName(dir_.path()).constData(), &fs) == 0
            ? qint64(fs.f_bavail) * qint64(fs.f_frsize)
            : -1;
    if (shrunk && free >= leaveFree && free <= freed)
        return true;
    reason_ = QStringLiteral("the small disk has %1 bytes free instead of %2").arg(free).arg(freed);
#endif
    return false;
}
