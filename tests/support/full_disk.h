#pragma once

#include <QString>
#include <QTemporaryDir>

// A small disk of a test's own, to show what the program does when a school's disk is full: a tmpfs
// of `size` bytes mounted on a fresh temporary folder (which needs root on Linux; elsewhere
// isReady() is false and reason() says why, for QSKIP), unmounted with everything on it at the end.
//     FullDisk disk; if (!disk.isReady()) QSKIP(qPrintable(disk.reason()));
//     ... write the old file into disk.path() ...; QVERIFY2(disk.fill(),
//     qPrintable(disk.reason()));
class FullDisk {
public:
    static constexpr const char* BallastName = "ballast.bin"; // the file that fills the disk

    explicit FullDisk(qint64 size = 256 * 1024);
    ~FullDisk();
    bool isReady() const { return mounted_; }
    QString reason() const { return reason_; }
    QString path() const { return dir_.path(); }
    // Leaves `leaveFree` bytes free (whole 4 KiB blocks); false with reason() when that fails.
    bool fill(qint64 leaveFree = 0);

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
    QString reason_;
};
