#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

class Clock;

// Locks for data files in a folder that several programs use at once: a class whose computers
// all work in one folder on the school server, or the program started twice on one computer.
// A lock is a small file beside the data file ("ZIFTORA.INI.lock"), created only where no such
// file stands, held for the few milliseconds of one read-change-write and removed again; it says
// which computer and process holds it and since when, so that a teacher can be told who is busy.
//
// A program that crashes while holding a lock leaves the file behind. Another program takes it
// over at once when the lock was made on the same running system by a process that is gone, and
// otherwise once it is older than StaleLockMs. Ages are measured against the time of the computer
// that stores the folder (the file times on a share are set by the server), never against this
// computer's clock, which in a school may be minutes or hours off the server's.
//
// Not QLockFile: it tells "this computer" by a machine id that computers cloned from one image
// share, so a live lock of the computer next door can look dead; its stale check relies on
// flock(), which some CIFS mounts refuse; and it compares the server's file times with this
// computer's clock.

// How long a lock may stand before it counts as left behind. A lock is held for one
// read-change-write of a file of a few kilobytes: milliseconds on a local disk, well under a
// second on a slow school network, a few seconds for a huge file on a slow share. Thirty seconds
// leave that a wide margin, and also cover file times that a share keeps to the second or to two
// seconds. A crashed computer holds the others up for at most this long: children's writes wait
// quietly for their next chance, a teacher is told and may try again.
inline constexpr qint64 StaleLockMs = 30000;

// True when a file stamped at `stamp` by the folder's computer is older than StaleLockMs at
// `folderNow`. A stamp that far in the future counts as stale too: only a clock put back on the
// server makes one, and waiting for that clock to catch up could take hours.
bool isStale(const QDateTime& stamp, const QDateTime& folderNow);

// What a lock file says about its holder. `system` tells one running system from another (see
// thisProcess()); `started` tells a process from a later one that got the same number; `token`
// tells two locks of one process apart. A lock file that cannot be read as such gives a holder
// with every field empty.
struct LockHolder {
    QString computer; // the computer's host name
    qint64 process = 0; // the process number
    QString started; // when the process started, as the system counts it; may be empty
    QString system; // the running system: boot and process-number space; may be empty
    QDateTime since; // when the lock was taken, by the holder's clock
    QString token;

    QByteArray toBytes() const;
    static LockHolder fromBytes(const QByteArray& bytes);
    bool operator==(const LockHolder&) const = default;
};

// This process as a lock file names it, with `since` and `token` empty.
LockHolder thisProcess();

// Whether a process of this running system is still there.
enum class ProcessState { Running, Gone, Unknown };
// Asks the system about `holder`'s process (of this running system): Gone when no process has
// its number or the one that has it started at another time; Unknown where the system cannot be
// asked (no /proc, as on Windows and macOS: there a lock waits for the stale time).
ProcessState processState(const LockHolder& holder);

// Whether a lock was taken on this running system: the same host name and the same, known,
// system. A host name alone is not enough: computers cloned from one image may share it, and
// their process numbers mean nothing here.
bool isSameSystem(const LockHolder& lock, const LockHolder& here);

// Whether a lock found in the way may be taken over: it is stale, or it was taken on this running
// system by a process that is gone. Everything else waits: a process that is running -- even one
// that only got the number of a dead holder -- holds its lock until the stale time.
bool mayTakeOver(const LockHolder& lock, bool stale, const LockHolder& here, ProcessState state);

// The time of the computer that stores a folder, read from the time stamp of a file just created
// there and then carried forward by this computer's clock. Creating that file costs one round
// trip to the server, so a stamp is reused for a few seconds; a program acting on a lock's age
// asks for a fresh one. Shared by every lock of the process, one stamp per folder.
class FolderTime {
public:
    // Reuse a stamp for at most this long (by this computer's clock).
    static constexpr qint64 ReuseMs = 10000;

    // The folder's time now; with `fresh`, from a new stamp. Where no file can be created in the
    // folder, this computer's time (nothing can be changed in such a folder anyway).
    static QDateTime now(const QString& folder, const Clock& clock, bool fresh = false);
    // Forgets every stamp (for tests that move the clock).
    static void forget();
};

// One lock on one data file, taken by lock() and given back by unlock() or the destructor.
//   FileLock lock(path, clock);
//   if (lock.lock(3000) == FileLock::Result::Locked) { ... read, change, replace ... }
class FileLock {
public:
    enum class Result { Locked, Busy, Failed };

    FileLock(const QString& dataPath, const Clock& clock);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // The lock file of a data file: its name with ".lock" added.
    static QString lockPath(const QString& dataPath);

    // Takes the lock, trying again every few milliseconds for up to waitMs (0: once). Busy when
    // another holds it all that time (holder() then says who); Failed when no lock file can be
    // made at all (a folder that is missing or read-only): error() then holds a German sentence.
    Result lock(int waitMs);
    // Removes the lock file, unless another program has meanwhile taken it over as stale.
    void unlock();
    bool isLocked() const { return locked_; }

    const LockHolder& holder() const { return holder_; }
    const QString& error() const { return error_; }

private:
    enum class Attempt { Created, Exists, Failed };
    Attempt create();
    bool takeOver(const QByteArray& content, const QDateTime& stamp);
    QDateTime folderNow(bool fresh) const;

    QString dataPath_;
    QString lockPath_;
    const Clock& clock_;
    bool locked_ = false;
    QByteArray written_; // what this lock wrote into its file, to know it again on unlock()
    QString token_;
    LockHolder holder_;
    QString error_;
};
