// Locks of shared data files: the stale and take-over rules, lock files made by hand as other
// programs and computers leave them, the folder's time, and the read-change-write helpers.
#include "platform/file_lock.h"
#include "platform/shared_file.h"
#include "platform/text_file.h"
#include "scripted_clock.h"

#include <QDir>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

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
// Writes a file dated `ageMs` back from now (negative: into the future). Written before it is
// dated, or the write would date it anew.
void writeAged(const QString& path, const QByteArray& bytes, qint64 ageMs)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush()
            && f.setFileTime(QDateTime::currentDateTime().addMSecs(-ageMs),
                             QFileDevice::FileModificationTime));
}
} // namespace

class FileLockTests : public QObject {
    Q_OBJECT
    SystemClock clock_;

private slots:
    void init() { FolderTime::forget(); }

    void takeOver_data()
    { // by the folder's time, whatever this computer's clock says; leftover copies age alike
        QTest::addColumn<QString>("computer");
        QTest::addColumn<QString>("system");
        QTest::addColumn<int>("state");
        QTest::addColumn<qint64>("ageMs");
        QTest::addColumn<bool>("taken");
        const int gone = int(ProcessState::Gone), running = int(ProcessState::Running);
        const auto row = [](const char* name, const char* computer, const char* system, int state,
                            qint64 ageMs, bool taken) {
            QTest::newRow(name) << computer << system << state << ageMs << taken;
        };
        row("other computer, just taken", "pc01", "boot-b/pid:[1]", gone, 0, false);
        row("at the stale time", "pc01", "x", gone, StaleLockMs, false);
        row("past it", "pc01", "x", gone, StaleLockMs + 1, true);
        row("far in the future", "pc01", "x", gone, -StaleLockMs - 1, true);
        row("gone here", "PC07", "boot-a/pid:[1]", gone, 0, true);
        row("running here", "pc07", "boot-a/pid:[1]", running, 0, false);
        row("clone with our host name", "pc07", "boot-b/pid:[1]", gone, 0, false);
        row("other process space", "pc07", "boot-a/pid:[2]", gone, 0, false);
        row("lines unreadable", "", "", gone, 0, false);
    }
    void takeOver()
    {
        QFETCH(QString, computer);
        QFETCH(QString, system);
        QFETCH(int, state);
        QFETCH(qint64, ageMs);
        QFETCH(bool, taken);
        ScriptedClock folder;
        const QDateTime stamp = folder.now().addMSecs(-ageMs);
        const LockHolder lock{ computer, 4242, "", system, stamp, "" };
        const LockHolder here{ "pc07", 1, "", system.isEmpty() ? "" : "boot-a/pid:[1]", {}, "" };
        QCOMPARE(mayTakeOver(lock, isStale(stamp, folder.now()), here, ProcessState(state)), taken);
        if (computer == "pc01")
            QCOMPARE(TextFile::isLeftoverCopy("ZIFTORA.007.a1B2c3", stamp, folder.now()), taken);
    }

    void handMadeLocks_data()
    { // as another program left them: taken over at once, after the stale time, or waited for
        QTest::addColumn<QString>("who");
        QTest::addColumn<qint64>("ageMs");
        QTest::addColumn<bool>("taken");
        QTest::newRow("a process here that has ended") << "ended" << qint64(0) << true;
        QTest::newRow("its number given to a later one") << "reused" << qint64(0) << true;
        QTest::newRow("this process failed to remove it") << "self" << qint64(0) << true;
        QTest::newRow("another computer") << "other" << qint64(0) << false;
        QTest::newRow("another computer, stale") << "other" << StaleLockMs + 5000 << true;
        QTest::newRow("empty, its maker crashed") << "empty" << qint64(1000) << false;
        QTest::newRow("empty, stale") << "empty" << StaleLockMs + 5000 << true;
    }
    void handMadeLocks()
    {
        QFETCH(QString, who);
        QFETCH(qint64, ageMs);
        QFETCH(bool, taken);
        if (thisProcess().system.isEmpty() && ageMs == 0 && who != "other")
            QSKIP("this system cannot tell whether a process is running: such locks wait");
        QTemporaryDir dir;
        const QString path = dir.filePath("ZIFTORA.INI");
        LockHolder other = thisProcess();
        other.since = QDateTime::currentDateTime();
        other.process = who == "ended" ? 99999999 : other.process; // above any process number
        other.started += who == "reused" ? "0" : "";
        other.computer += who == "other" ? "-nebenan" : "";
        const QByteArray lines = who == "empty" ? QByteArray() : other.toBytes();
        writeAged(FileLock::lockPath(path), lines, ageMs);
        FileLock lock(path, clock_);
        QCOMPARE(lock.lock(0), taken ? FileLock::Result::Locked : FileLock::Result::Busy);
        QCOMPARE(lock.holder(), LockHolder::fromBytes(lines)); // who it found
        lock.unlock();
        QCOMPARE(entries(dir.path()), taken ? QStringList() : QStringList{ "ZIFTORA.INI.lock" });
    }

    void lockLifetime()
    { // the holder is named; given back, or left to whoever took it over meanwhile
        QTemporaryDir dir;
        const QString path = dir.filePath("ZIFTORA.001");
        ScriptedClock clock;
        {
            FileLock first(path, clock), second(path, clock);
            QCOMPARE(first.lock(0), FileLock::Result::Locked);
            QCOMPARE(second.lock(5), FileLock::Result::Busy);
            const LockHolder& h = second.holder();
            QCOMPARE(QList<QVariant>({ h.computer, h.process, h.since }),
                     QList<QVariant>({ QSysInfo::machineHostName(),
                                       QCoreApplication::applicationPid(), clock.now() }));
        }
        QCOMPARE(entries(dir.path()), QStringList());
        FileLock lock(path, clock);
        QCOMPARE(lock.lock(0), FileLock::Result::Locked);
        writeAged(FileLock::lockPath(path), "computer=pc01\r\n", 0);
        lock.unlock();
        QCOMPARE(fileBytes(FileLock::lockPath(path)), "computer=pc01\r\n");
    }

    void takeOverClaim()
    { // a take-over cut off by a crash leaves its claim: waited for, gone once stale
        QTemporaryDir dir;
        const QString path = dir.filePath("ZIFTORA.DAT"), claim = path + ".takeover.lock";
        writeAged(FileLock::lockPath(path), "computer=pc01\r\n", StaleLockMs + 5000);
        writeAged(claim, "", 1000);
        FileLock lock(path, clock_);
        QCOMPARE(lock.lock(0), FileLock::Result::Busy);
        writeAged(claim, "", StaleLockMs + 5000);
        QCOMPARE(lock.lock(100), FileLock::Result::Locked);
        lock.unlock();
        QCOMPARE(entries(dir.path()), QStringList());
    }

    void folderTime()
    { // a stamp of the folder's computer, carried forward by this computer's clock for a while
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

    void sharedChanges()
    { // made to the file as it is now; Busy and Failed leave it as it was
        QTemporaryDir dir;
        ScriptedClock clock;
        const QString ini = dir.filePath("ZIFTORA.INI"), errors = dir.filePath("ZIFTORA.000");
        writeAged(ini, "Anna\r\nDora", 0); // as another program left it
        const auto add = [](QStringList& lines) { return lines << "Cem", true; };
        QVERIFY(SharedFile::update(ini, clock, 0, add).done());
        QVERIFY(SharedFile::update(ini, clock, 0, [](QStringList&) { return false; }).done());
        QVERIFY(SharedFile::append(errors, clock, 0, { "3 + 4 = ?", "7" }).done());
        QStringList lines;
        QVERIFY(SharedFile::read(ini, clock, 0, &lines).done());
        QCOMPARE(lines, QStringList({ "Anna", "Dora", "Cem" }));
        QCOMPARE(fileBytes(ini) + fileBytes(errors), "Anna\r\nDora\r\nCem\r\n3 + 4 = ?\r\n7\r\n");
        {
            FileLock other(ini, clock);
            QCOMPARE(other.lock(0), FileLock::Result::Locked);
            for (const SharedFile::Result& busy : { SharedFile::update(ini, clock, 0, add),
                                                    SharedFile::read(ini, clock, 0, &lines) })
                QVERIFY(busy.outcome == SharedFile::Outcome::Busy
                        && busy.holder.process == QCoreApplication::applicationPid());
        }
        QVERIFY(lines.isEmpty() && QDir(dir.path()).mkdir("ZIFTORA.DAT"));
        const SharedFile::Result unreadable =
                SharedFile::update(dir.filePath("ZIFTORA.DAT"), clock, 0, add);
        const SharedFile::Result noFolder =
                SharedFile::append(dir.filePath("no/ZIFTORA.001"), clock, 0, {});
        QCOMPARE(QList<int>({ int(unreadable.outcome), int(noFolder.outcome) }),
                 QList<int>(2, int(SharedFile::Outcome::Failed)));
        QCOMPARE(unreadable.error,
                 QDir::toNativeSeparators(dir.filePath("ZIFTORA.DAT")).prepend("Die Datei ")
                         + " konnte nicht gelesen werden.");
        QCOMPARE(noFolder.error,
                 QDir::toNativeSeparators(dir.filePath("no/ZIFTORA.001")).prepend("Die Datei ")
                         + " konnte nicht ergänzt werden.");
        QCOMPARE(fileBytes(ini), "Anna\r\nDora\r\nCem\r\n");
        QCOMPARE(entries(dir.path()), QStringList({ "ZIFTORA.000", "ZIFTORA.DAT", "ZIFTORA.INI" }));
    }
};

QTEST_GUILESS_MAIN(FileLockTests)
#include "file_lock_tests.moc"
