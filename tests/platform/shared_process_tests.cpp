// Real programs on one folder: eight lock_counter processes add to one counter file under its lock
// while a ninth, killed while holding the lock, left its lock file behind.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class SharedProcessTests : public QObject {
    Q_OBJECT

private slots:
    void eightProgramsLoseNothing()
    {
        QTemporaryDir dir;
        QProcess holder;
        holder.start(QStringLiteral(LOCK_COUNTER), { dir.path(), "--hold" });
        QVERIFY(holder.waitForReadyRead(30000));
        QCOMPARE(holder.readAll(), "locked\n");
        holder.kill(); // as the power goes: no chance to give the lock back
        QVERIFY(holder.waitForFinished(30000));
        QVERIFY(QFile::exists(dir.filePath("counter.lock")));

        constexpr int programs = 8, changes = 50;
        std::vector<std::unique_ptr<QProcess>> counters;
        for (int i = 0; i < programs; ++i) {
            counters.push_back(std::make_unique<QProcess>());
            counters.back()->start(QStringLiteral(LOCK_COUNTER),
                                   { dir.path(), QString::number(changes) });
        }
        for (auto& counter : counters) {
            QVERIFY(counter->waitForFinished(120000));
            QCOMPARE(counter->exitCode(), 0);
            QCOMPARE(counter->readAllStandardOutput().count('\n'), changes);
        }
        QFile counter(dir.filePath("counter"));
        QVERIFY(counter.open(QIODevice::ReadOnly));
        QCOMPARE(counter.readAll(), QByteArray::number(programs * changes) + "\r\n");
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{ "counter" }); // no lock, copy or time stamp left
    }
};

QTEST_GUILESS_MAIN(SharedProcessTests)
#include "shared_process_tests.moc"
