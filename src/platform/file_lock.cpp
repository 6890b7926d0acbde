#include "platform/file_lock.h"

#include "platform/clock.h"
#include "platform/text_file.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QRandomGenerator>
#include <QSet>
#include <QSysInfo>
#include <QTemporaryFile>
#include <QThread>

namespace {

// A lock file holds a few short lines; anything past this is not read.
constexpr qint64 kMaxLockBytes = 4096;

// The line /proc gives for a process, or "" where there is none (or no /proc at all).
QByteArray procStat(const QString& process)
{
    QFile file(QStringLiteral("/proc/%1/stat").arg(process));
    return file.open(QIODevice::ReadOnly) ? file.read(kMaxLockBytes) : QByteArray();
}

// The fields of a /proc stat line after the program name, which is in parentheses and may itself
// hold blanks and parentheses: the state first, the start time (in clock ticks since boot) 20th.
QList<QByteArray> statFields(const QByteArray& stat)
{
    const qsizetype close = stat.lastIndexOf(')');
    return close < 0 ? QList<QByteArray>() : stat.mid(close + 1).simplified().split(' ');
}

bool hasProc()
{
    static const bool there = QFileInfo::exists(QStringLiteral("/proc/self/stat"));
    return there;
}

// Reads a lock file: its first bytes and its time stamp, both of the same file even when another
// program replaces it meanwhile. False when there is none.
bool readLock(const QString& path, QByteArray* content, QDateTime* stamp)
{
    if (TextFile::kind(path) != TextFile::FileKind::Regular)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *stamp = file.fileTime(QFileDevice::FileModificationTime);
    *content = file.read(kMaxLockBytes);
    return stamp->isValid();
}

// The time with its offset from UTC written out, so that a computer in another time zone (or one
// that has just changed to summer time) reads the same moment.
QDateTime withOffset(const QDateTime& time)
{
    return time.isValid() ? time.toOffsetFromUtc(time.offsetFromUtc()) : time;
}

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

bool isStale(const QDateTime& stamp, const QDateTime& folderNow)
{
    return stamp.isValid() && folderNow.isValid() && qAbs(stamp.msecsTo(folderNow)) > StaleLockMs;
}

QByteArray LockHolder::toBytes() const
{
    // Plain lines, so that whoever opens the file in an editor sees who holds it.
    const QString text =
            QStringLiteral("computer=%1\r\nprocess=%2\r\nstarted=%3\r\nsystem=%4\r\n"
                           "since=%5\r\ntoken=%6\r\n")
                    .arg(computer)
                    .arg(process)
                    .arg(started, system, withOffset(since).toString(Qt::ISODateWithMs), token);
    return text.toUtf8();
}

LockHolder LockHolder::fromBytes(const QByteArray& bytes)
{
    LockHolder holder;
    for (const QString& line : TextFile::splitLines(QString::fromUtf8(bytes.left(kMaxLockBytes)))) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        const QStringView key = QStringView(line).left(equals);
        const QString value = line.mid(equals + 1);
        if (key == u"computer")
            holder.computer = value;
        else if (key == u"process")
            holder.process = qMax(value.toLongLong(), qint64(0));
        else if (key == u"started")
            holder.started = value;
        else if (key == u"system")
            holder.system = value;
        else if (key == u"since")
            holder.since = QDateTime::fromString(value, Qt::ISODateWithMs);
        else if (key == u"token")
            holder.token = value;
    }
    return holder;
}

LockHolder thisProcess()
{
    static const LockHolder here = [] {
        LockHolder h;
        h.computer = QSysInfo::machineHostName();
        h.process = QCoreApplication::applicationPid();
        // Where the system can tell (Linux), the running system is this boot of the computer --
        // a clone of the same image boots with another id -- and the space its process numbers
        // belong to, which differs for a program in a sandbox or container.
        const QByteArray boot = QSysInfo::bootUniqueId();
        const QString space =
                QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/ns/pid"))).fileName();
        if (!boot.isEmpty() && hasProc())
            h.system = QString::fromLatin1(boot) + u'/' + space;
        const QList<QByteArray> fields = statFields(procStat(QStringLiteral("self")));
        h.started = QString::fromLatin1(fields.value(19));
        return h;
    }();
    return here;
}

ProcessState processState(const LockHolder& holder)
{
    if (!hasProc() || holder.process <= 0)
        return ProcessState::Unknown;
    const QList<QByteArray> fields = statFields(procStat(QString::number(holder.process)));
    if (fields.isEmpty())
        return ProcessState::Gone;
    // A process that has ended but not yet been collected by its parent holds nothing any more.
    const QByteArray state = fields.value(0);
    if (state == "Z" || state == "X" || state == "x")
        return ProcessState::Gone;
    if (!holder.started.isEmpty() && QString::fromLatin1(fields.value(19)) != holder.started)
        return ProcessState::Gone; // another process that got the same number later
    return ProcessState::Running;
}

bool isSameSystem(const LockHolder& lock, const LockHolder& here)
{
    return !lock.computer.isEmpty()
            && lock.computer.compare(here.computer, Qt::CaseInsensitive) == 0
            && !here.system.isEmpty() && lock.system == here.system;
}

bool mayTakeOver(const LockHolder& lock, bool stale, const LockHolder& here, ProcessState state)
{
    return stale || (isSameSystem(lock, here) && state == ProcessState::Gone);
}

namespace {

struct FolderStamp {
    QDateTime taken; // this computer's time when the stamp was read
    qint64 offsetMs = 0; // the folder's time minus this computer's
};

QMutex folderTimesMutex;
QHash<QString, FolderStamp> folderTimes;

} // namespace

QDateTime FolderTime::now(const QString& folder, const Clock& clock, bool fresh)
{
    const QString key = QFileInfo(folder).absoluteFilePath();
    const QDateTime local = clock.now();
    {
        const QMutexLocker locker(&folderTimesMutex);
        const auto known = folderTimes.constFind(key);
        if (!fresh && known != folderTimes.cend()) {
            const qint64 age = known->taken.msecsTo(local);
            if (age >= 0 && age <= ReuseMs)
                return local.addMSecs(known->offsetMs);
        }
    }
    // A new file gets its time from the computer that stores it; the file goes again at once.
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("ZIFTORA.time.XXXXXX")));
    if (!probe.open())
        return local;
    const QDateTime stamp = probe.fileTime(QFileDevice::FileModificationTime);
    if (!stamp.isValid())
        return local;
    const QDateTime taken = clock.now();
    const QMutexLocker locker(&folderTimesMutex);
    folderTimes.insert(key, FolderStamp{ taken, taken.msecsTo(stamp) });
    return stamp;
}

void FolderTime::forget()
{
    const QMutexLocker locker(&folderTimesMutex);
    folderTimes.clear();
}

namespace {

// The tokens of the locks this process holds now. A lock file of this process whose token is not
// among them is one it failed to remove (see unlock()); it is taken over like a dead process's.
QMutex heldTokensMutex;
QSet<QString> heldTokens;

void holdToken(const QString& token, bool held)
{
    const QMutexLocker locker(&heldTokensMutex);
    if (held)
        heldTokens.insert(token);
    else
        heldTokens.remove(token);
}

bool isForgottenHere(const LockHolder& lock)
{
    const LockHolder& here = thisProcess();
    const QMutexLocker locker(&heldTokensMutex);
    return lock.process == here.process && lock.started == here.started
            && !heldTokens.contains(lock.token);
}

} // namespace

FileLock::FileLock(const QString& dataPath, const Clock& clock)
    : dataPath_(dataPath), lockPath_(lockPath(dataPath)), clock_(clock)
{
}

FileLock::~FileLock()
{
    unlock();
}

QString FileLock::lockPath(const QString& dataPath)
{
    return dataPath + QStringLiteral(".lock");
}

QDateTime FileLock::folderNow(bool fresh) const
{
    return FolderTime::now(QFileInfo(dataPath_).absolutePath(), clock_, fresh);
}

FileLock::Attempt FileLock::create()
{
    QFile file(lockPath_);
    for (int attempt = 0; !file.open(QIODevice::WriteOnly | QIODevice::NewOnly); ++attempt) {
        // A regular file at the name is another program's lock. A lock given back between the
        // attempt and the look at the name, or one a network client does not show yet (it may
        // keep what it saw of a folder for a few seconds), leaves the name looking empty: once
        // that is seen again, a file of another name tells whether the folder takes new files
        // at all. A folder or a link at the name is never a lock.
        switch (TextFile::kind(lockPath_)) {
        case TextFile::FileKind::Regular:
            return Attempt::Exists;
        case TextFile::FileKind::Absent:
            if (attempt < 2)
                continue;
            if (QTemporaryFile(lockPath_ + QStringLiteral(".XXXXXX")).open())
                return Attempt::Exists;
            break;
        case TextFile::FileKind::Other:
            break;
        }
        error_ = QStringLiteral("Die Sperrdatei %1 konnte nicht angelegt werden.")
                         .arg(shown(lockPath_));
        return Attempt::Failed;
    }
    LockHolder me = thisProcess();
    me.since = clock_.now();
    me.token = QString::number(QRandomGenerator::global()->generate64(), 16);
    written_ = me.toBytes();
    token_ = me.token;
    // The lines are for people and for taking over a lock left behind; a lock whose lines do not
    // fit on a full disk still locks, empty.
    if (file.write(written_) != written_.size() || !file.flush()) {
        file.resize(0);
        written_.clear();
    }
    return Attempt::Created;
}

FileLock::Result FileLock::lock(int waitMs)
{
    if (locked_)
        return Result::Locked;
    error_.clear();
    holder_ = LockHolder();
    const QDeadlineTimer deadline(qMax(waitMs, 0));
    QByteArray content; // of the lock in the way, as last read
    QDateTime readStamp;
    for (int round = 0;; ++round) {
        switch (create()) {
        case Attempt::Created:
            locked_ = true;
            holdToken(token_, true);
            return Result::Locked;
        case Attempt::Failed:
            return Result::Failed;
        case Attempt::Exists:
            break;
        }
        // The lock's lines are read again only when its time stamp or size changed: on a share
        // whose server keeps others from removing a file while it is open for reading, every
        // read may hold up the holder giving it back.
        const QFileInfo standing(lockPath_);
        const QDateTime stamp = standing.lastModified();
        if (stamp.isValid() && (stamp != readStamp || standing.size() != content.size())
            && readLock(lockPath_, &content, &readStamp))
            holder_ = LockHolder::fromBytes(content);
        if (stamp.isValid() && stamp == readStamp) {
            const LockHolder& here = thisProcess();
            // A lock is taken over only on a fresh reading of the folder's time.
            const bool stale = isStale(stamp, folderNow(false)) && isStale(stamp, folderNow(true));
            ProcessState state = ProcessState::Unknown;
            if (isSameSystem(holder_, here))
                state = isForgottenHere(holder_) ? ProcessState::Gone : processState(holder_);
            if (mayTakeOver(holder_, stale, here, state) && takeOver(content, stamp))
                continue; // try again at once
        }
        if (deadline.hasExpired())
            return Result::Busy;
        // A few milliseconds, growing and jittered so that waiting programs do not knock at the
        // same moment; never past the deadline.
        const qint64 base = qint64(500) << qMin(round, 1);
        const qint64 pause = base + QRandomGenerator::global()->bounded(base * 2);
        QThread::usleep(qMax<qint64>(0, qMin(pause, deadline.remainingTimeNSecs() / 1000)));
    }
}

bool FileLock::takeOver(const QByteArray& content, const QDateTime& stamp)
{
    // Two programs that find the same lock left behind must not both remove it: the second would
    // remove the new lock of the first. So the one that removes it first claims the take-over
    // with a file of its own, and then removes the lock only if it is still the one it judged.
    const QString claimPath = dataPath_ + QStringLiteral(".takeover.lock");
    QFile claim(claimPath);
    if (!claim.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        // Another program is taking it over this moment, or crashed while it did.
        const QDateTime claimed = QFileInfo(claimPath).lastModified();
        if (isStale(claimed, folderNow(true)))
            QFile::remove(claimPath);
        return false;
    }
    claim.close();
    QByteArray now;
    QDateTime nowStamp;
    const bool removed = readLock(lockPath_, &now, &nowStamp) && now == content && nowStamp == stamp
            && QFile::remove(lockPath_);
    QFile::remove(claimPath);
    return removed;
}

void FileLock::unlock()
{
    if (!locked_)
        return;
    locked_ = false;
    // A lock held past the stale time may have been taken over; the new holder's file stays. A
    // share may refuse to remove a file while another program reads it (a waiting one looking
    // who holds it): then again a moment later, for up to about a second.
    for (int attempt = 0; attempt < 10; ++attempt) {
        QByteArray content;
        QDateTime stamp;
        if (!readLock(lockPath_, &content, &stamp) || content != written_
            || QFile::remove(lockPath_))
            break;
        QThread::usleep(1000u << attempt);
    }
    holdToken(token_, false);
}
