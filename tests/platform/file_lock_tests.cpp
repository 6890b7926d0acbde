// Locks of shared data files: the stale and take-over rules, lock files made by hand as other
// programs and computers would leave them, the folder's time, and the read-change-write helpers.
#include "platform/file_lock.h"
#include "platform/shared_file.h"
#include "platform/text_file.h"
#include "scripted_clock.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using Outcome = SharedFile::Outcome;

namespace {
QStringList entries(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}
QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : "<none>";
}
// Writes a file and dates its last change `ageMs` back from now (negative: into the future).
void writeAged(const QString& path, const QByteArray& bytes, qint64 ageMs)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size()
            && f.flush()); // written before it is dated, or the write would date it anew
    QVERIFY(f.setFileTime(QDateTime::currentDateTime().addMSecs(-ageMs),
                          QFileDevice::FileModificationTime));
}
LockHolder holderOn(const QString& computer, const QString& system, qint64 process = 4242,
                    const QString& started = QString())
{
    return LockHolder{ computer, process, started, system, QDateTime(), QString() };
}
} // namespace

class FileLockTests : public QObject {
    Q_OBJECT
    SystemClock clock_;

private slots:
    void init() { FolderTime::forget(); }

    void stale_data()
    {
        QTest::addColumn<qint64>("ageMs");
        QTest::addColumn<bool>("stale");
        QTest::newRow("just taken") << qint64(0) << false;
        QTest::newRow("at the stale time") << StaleLockMs << false;
        QTest::newRow("past it") << StaleLockMs + 1 << true;
        QTest::newRow("a day old") << qint64(86400000) << true;
        QTest::newRow("a little in the future") << qint64(-2000) << false;
        QTest::newRow("far in the future") << -StaleLockMs - 1 << true;
    }
    void stale()
    { // by the folder's time, whatever this computer's clock says; copies go by the same rule
        QFETCH(qint64, ageMs);
        QFETCH(bool, stale);
        ScriptedClock folder;
        const QDateTime stamp = folder.now().addMSecs(-ageMs);
        QCOMPARE(isStale(stamp, folder.now()), stale);
        QCOMPARE(TextFile::isLeftoverCopy("ZIFTORA.INI.a1B2c3", stamp, folder.now()), stale);
        QVERIFY(!TextFile::isLeftoverCopy("ZIFTORA.INI", stamp, folder.now()));
        QVERIFY(!isStale(QDateTime(), folder.now()));
    }

    void takeOver_data()
    {
        QTest::addColumn<LockHolder>("lock");
        QTest::addColumn<LockHolder>("here");
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("stale");
        QTest::addColumn<bool>("takeOver");
        const LockHolder pc7 = holderOn("pc07", "boot-a/pid:[1]");
        const int gone = int(ProcessState::Gone), running = int(ProcessState::Running),
                  unknown = int(ProcessState::Unknown);
        QTest::newRow("stale, other computer")
                << holderOn("pc01", "x") << pc7 << unknown << true << true;
        QTest::newRow("stale, running here") << pc7 << pc7 << running << true << true;
        QTest::newRow("gone here") << pc7 << pc7 << gone << false << true;
        QTest::newRow("gone here, host name in capitals")
                << holderOn("PC07", "boot-a/pid:[1]") << pc7 << gone << false << true;
        QTest::newRow("running here") << pc7 << pc7 << running << false << false;
        QTest::newRow("unknown here") << pc7 << pc7 << unknown << false << false;
        QTest::newRow("clone with our host name")
                << holderOn("pc07", "boot-b/pid:[1]") << pc7 << gone << false << false;
        QTest::newRow("other process space (sandbox)")
                << holderOn("pc07", "boot-a/pid:[2]") << pc7 << gone << false << false;
        QTest::newRow("system not known here")
                << holderOn("pc07", "") << holderOn("pc07", "") << gone << false << false;
        QTest::newRow("lines unreadable") << LockHolder() << pc7 << gone << false << false;
    }
    void takeOver()
    {
        QFETCH(LockHolder, lock);
        QFETCH(LockHolder, here);
        QFETCH(int, state);
        QFETCH(bool, stale);
        QFETCH(bool, takeOver);
        QCOMPARE(mayTakeOver(lock, stale, here, ProcessState(state)), takeOver);
    }

    void lockFileLines()
    { // read back as written; anything else is a holder nobody can be told about
        LockHolder h = thisProcess();
        h.since = ScriptedClock().now();
        h.token = "5eed";
        QCOMPARE(LockHolder::fromBytes(h.toBytes()), h);
        QVERIFY(h.toBytes().contains("\r\nprocess=" + QByteArray::number(h.process) + "\r\n"));
        for (const QByteArray& junk :
             { QByteArray(), QByteArray("\0\xff=\r\n==", 7),
               QByteArray("process=-5\nsince=gestern"), QByteArray(5000, 'x') + "\ncomputer=late" })
            QCOMPARE(LockHolder::fromBytes(junk), LockHolder());
    }

    void handMadeLocks_data()
    { // what another program left: taken over at once, after the stale time, or waited for
        QTest::addColumn<QString>("who");
        QTest::addColumn<qint64>("ageMs");
        QTest::addColumn<bool>("taken");
        QTest::newRow("one this process failed to give back") << "self" << qint64(0) << true;
        QTest::newRow("a process here that has ended") << "ended" << qint64(0) << true;
        QTest::newRow("its number taken by a later process") << "reused" << qint64(0) << true;
        QTest::newRow("another computer") << "other" << qint64(0) << false;
        QTest::newRow("another computer, stale") << "other" << StaleLockMs + 5000 << true;
        QTest::newRow("another computer, far in the future")
                << "other" << -StaleLockMs - 5000 << true;
        QTest::newRow("empty: its maker crashed before writing")
                << "empty" << qint64(1000) << false;
        QTest::newRow("empty and stale") << "empty" << StaleLockMs + 5000 << true;
    }
    void handMadeLocks()
    {
        QFETCH(QString, who);
        QFETCH(qint64, ageMs);
        QFETCH(bool, taken);
        if (thisProcess().system.isEmpty() && (who == "ended" || who == "reused"))
            QSKIP("this system cannot tell whether a process is running: such locks wait");
        QTemporaryDir dir;
        const QString path = dir.filePath("ZIFTORA.INI");
        LockHolder other = thisProcess();
        other.since = QDateTime::currentDateTime();
        if (who == "ended")
            other.process = 99999999; // above any process number a system hands out
        else if (who == "reused")
            other.started += "0";
        else if (who == "other")
            other.computer += "-nebenan";
        const QByteArray lines = who == "empty" ? QByteArray() : other.toBytes();
        writeAged(FileLock::lockPath(path), lines, ageMs);

        FileLock lock(path, clock_);
        QCOMPARE(lock.lock(0), taken ? FileLock::Result::Locked : FileLock::Result::Busy);
        QCOMPARE(lock.holder(), LockHolder::fromBytes(lines)); // who it found
        QCOMPARE(fileBytes(FileLock::lockPath(path)) == lines, !taken);
        lock.unlock();
        QCOMPARE(entries(dir.path()),
                 taken ? QStringList() : QStringList{ "ZIFTORA.INI.lock" }); // nothing else left
    }

    void lockLifetime()
    { // the holder is named; a lock taken over meanwhile stays with its new holder
        QTemporaryDir dir;
        const QString path = dir.filePath("ZIFTORA.001");
        ScriptedClock clock;
        {
            FileLock first(path, clock), second(path, clock);
            QCOMPARE(first.lock(0), FileLock::Result::Locked);
            QCOMPARE(second.lock(5), FileLock::Result::Busy);
            QCOMPARE(second.holder().computer, thisProcess().computer);
            QCOMPARE(second.holder().process, QCoreApplication::applicationPid());
            QCOMPARE(second.holder().since, clock.now());
            QCOMPARE(entries(dir.path()), QStringList{ "ZIFTORA.001.lock" });
        } // given back when it goes out of scope
        QCOMPARE(entries(dir.path()), QStringList());
        FileLock lock(path, clock);
        QCOMPARE(lock.lock(0), FileLock::Result::Locked);
        writeAged(FileLock::lockPath(path), "computer=pc01\r\n", 0);
        lock.unlock();
        QCOMPARE(fileBytes(FileLock::lockPath(path)), "computer=pc01\r\n");
    }

    void takeOverClaim()
    { // a take-over cut off by a crash leaves its claim; a stale claim goes, then the lock
        QTemporaryDir dir;
        const QString path = dir.filePath("ZIFTORA.DAT");
        writeAged(FileLock::lockPath(path), "computer=pc01\r\n", StaleLockMs + 5000);
        writeAged(path + ".takeover.lock", "", 1000);
        FileLock lock(path, clock_);
        QCOMPARE(lock.lock(0), FileLock::Result::Busy); // someone is taking it over right now
        writeAged(path + ".takeover.lock", "", StaleLockMs + 5000);
        QCOMPARE(lock.lock(100), FileLock::Result::Locked);
        lock.unlock();
        QCOMPARE(entries(dir.path()), QStringList());
    }

    void noLockPossible()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("ZIFTORA.INF.lock"));
        for (const QString& path :
             { dir.filePath("missing/ZIFTORA.INI"), dir.filePath("ZIFTORA.INF") }) {
            FileLock lock(path, clock_);
            QCOMPARE(lock.lock(1000), FileLock::Result::Failed);
            QCOMPARE(lock.error(),
                     "Die Sperrdatei " + QDir::toNativeSeparators(path)
                             + ".lock konnte nicht angelegt werden.");
        }
    }

    void folderTime()
    { // a stamp of the folder's computer, carried forward by this clock for a while
        QTemporaryDir dir;
        ScriptedClock clock; // days away from the real time, as a badly set school computer
        const QDateTime first = FolderTime::now(dir.path(), clock);
        QVERIFY(qAbs(first.msecsTo(QDateTime::currentDateTime())) < 5000);
        clock.advance(FolderTime::ReuseMs);
        QCOMPARE(FolderTime::now(dir.path(), clock), first.addMSecs(FolderTime::ReuseMs));
        QVERIFY(qAbs(FolderTime::now(dir.path(), clock, true).msecsTo(first)) < 5000);
        clock.advance(FolderTime::ReuseMs + 1);
        QVERIFY(qAbs(FolderTime::now(dir.path(), clock).msecsTo(first)) < 5000);
        QCOMPARE(entries(dir.path()), QStringList()); // the stamped file is gone again
        QCOMPARE(FolderTime::now(dir.filePath("missing"), clock), clock.now());
    }

    void sharedChanges_data()
    { // each applied to the file as it is now; Busy and Failed leave it as it was
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("before"); // "<dir>": a folder at the name, "<lock>": locked
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("error");
        const int done = int(Outcome::Done), busy = int(Outcome::Busy),
                  failed = int(Outcome::Failed);
        const QString unreadable = "Die Datei %1 konnte nicht gelesen werden.";
        QTest::newRow("add to the list as it is")
                << "add Cem"
                << "Anna\r\nDora" << done << QByteArray("Anna\r\nDora\r\nCem\r\n") << "";
        QTest::newRow("add to a missing list") << "add Cem"
                                               << "" << done << QByteArray("Cem\r\n") << "";
        QTest::newRow("nothing to change") << "keep"
                                           << "Anna" << done << QByteArray("Anna") << "";
        QTest::newRow("append") << "append"
                                << "1 + 1 = ?\r\n2" << done
                                << QByteArray("1 + 1 = ?\r\n2\r\n3 + 4 = ?\r\n7\r\n") << "";
        QTest::newRow("read") << "read"
                              << "Anna\r\nBen" << done << QByteArray("Anna\r\nBen") << "";
        for (const char* call : { "add Cem", "append", "read" })
            QTest::addRow("%s while locked", call)
                    << call << "<lock>" << busy << QByteArray("Anna") << "";
        QTest::newRow("update, folder at the name")
                << "add Cem"
                << "<dir>" << failed << QByteArray("<none>") << unreadable;
        QTest::newRow("read, folder at the name")
                << "read"
                << "<dir>" << failed << QByteArray("<none>") << unreadable;
        QTest::newRow("update, no folder") << "add Cem"
                                           << "<no folder>" << failed << QByteArray("<none>")
                                           << "Die Datei %1 konnte nicht geschrieben werden.";
        QTest::newRow("append, no folder") << "append"
                                           << "<no folder>" << failed << QByteArray("<none>")
                                           << "Die Datei %1 konnte nicht ergänzt werden.";
        QTest::newRow("failing work") << "fail"
                                      << "Anna" << failed << QByteArray("Anna") << "Nein.";
    }
    void sharedChanges()
    {
        QFETCH(QString, call);
        QFETCH(QString, before);
        QFETCH(int, outcome);
        QFETCH(QByteArray, after);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString path =
                dir.filePath(before == "<no folder>" ? "missing/ZIFTORA.INI" : "ZIFTORA.INI");
        ScriptedClock clock;
        FileLock other(path, clock);
        if (before == "<dir>")
            QVERIFY(QDir(dir.path()).mkdir("ZIFTORA.INI"));
        else if (before == "<lock>") {
            writeAged(path, "Anna", 0);
            QCOMPARE(other.lock(0), FileLock::Result::Locked);
        } else if (!before.isEmpty() && before != "<no folder>")
            writeAged(path, TextFile::encode(before), 0);

        QStringList seen{ "stale" };
        const SharedFile::Result result = call == "append"
                ? SharedFile::append(path, clock, 0, { "3 + 4 = ?", "7" })
                : call == "read" ? SharedFile::read(path, clock, 0, &seen)
                : call == "fail"
                ? SharedFile::withLock(path, clock, 0, [] { return QString("Nein."); })
                : SharedFile::update(path, clock, 0, [&](QStringList& lines) {
                      seen = lines;
                      if (call == "keep")
                          return false;
                      lines << call.mid(4);
                      return true;
                  });
        QCOMPARE(int(result.outcome), outcome);
        QCOMPARE(fileBytes(path), after);
        QCOMPARE(result.error, error.replace("%1", QDir::toNativeSeparators(path)));
        const bool done = outcome == int(Outcome::Done);
        QCOMPARE(result.holder.process,
                 outcome == int(Outcome::Busy) ? QCoreApplication::applicationPid() : 0);
        if (call == "read" || (done && call != "append" && call != "fail"))
            QCOMPARE(seen, done ? TextFile::splitLines(before) : QStringList());
        other.unlock();
        QCOMPARE(entries(dir.path()).filter(".lock"), QStringList()); // every lock given back
    }
};

QTEST_GUILESS_MAIN(FileLockTests)
#include "file_lock_tests.moc"
