#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

// A small disk of a test's own that can be filled to the last byte, to show what the program does
// when a teacher's disk is full: a tmpfs of `size` bytes mounted on a fresh temporary folder, and
// unmounted (with everything on it) when the FullDisk goes. Mounting needs root on Linux; anywhere
// else isReady() is false and reason() says why, for QSKIP.
//
//     FullDisk disk;
//     if (!disk.isReady())
//         QSKIP(qPrintable(disk.reason()));
//     const QString ini = disk.filePath(QStringLiteral("ZIFTORA.INI"));
//     QVERIFY(TextFile::ReplaceLines(ini, {QStringLiteral("Anna")}));    // the old file
//     QVERIFY2(disk.fill(), qPrintable(disk.reason()));                  // not a byte left
//     QVERIFY(!TextFile::ReplaceLines(ini, {QStringLiteral("Ben")}, &error));
//
// fill(8192) instead leaves 8 KiB free, so a longer file is cut off in the middle. The filling is
// one file named FullDisk::BallastName in path(); calling fill() again makes it anew.
class FullDisk {
public:
    static constexpr const char* BallastName = "ballast.bin";

    explicit FullDisk(qint64 size = 256 * 1024);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool isReady() const { return mounted_; }
    QString reason() const { return reason_; }

    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }

    // Fills the disk so that `leaveFree` bytes stay free, rounded up to whole blocks of the file
    // system (4 KiB). False, with reason() set, when the disk is not ready or ends up otherwise.
    bool fill(qint64 leaveFree = 0);
    // The bytes still free on the disk.
    qint64 freeBytes() const;

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
    QString reason_;
};
