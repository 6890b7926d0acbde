// A full disk must never cost a child's data: a rewritten file keeps its old bytes unless the new
// ones reached the disk whole, and the teacher is told. On a real full disk: a small tmpfs, mounted
// as root.
#include "full_disk.h"
#include "platform/file_lock.h"
#include "program_fixture.h"

#include <QRegularExpression>

class NothingLostTests : public QObject {
    Q_OBJECT
private slots:

    void rewriteKeepsTheOldFile_data()
    {
        // The control clicked on the full disk, the file it rewrites, its old content, the bytes
        // left free, the message.
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("old");
        QTest::addColumn<qint64>("leaveFree");
        QTest::addColumn<Shown>("told");

        const Shown users =
                ScriptedDialogs::msg("Die Benutzerliste konnte nicht gespeichert werden.\r"
                                     "Die Datei ZIFTORA.INI konnte nicht geschrieben werden.\r"
                                     "Die Änderung gilt nur, bis das Programm beendet wird.\r",
                                     64, "Benutzereingabe");
        const Shown errors = ScriptedDialogs::msg(
                "Die Fehleraufgaben konnten nicht in der Datei ZIFTORA.000 gespeichert werden. "
                "Vielleicht ist der Ordner schreibgeschützt oder der Datenträger voll.\r\n"
                "Die Fehleraufgaben bleiben in der Fehlerliste.",
                64, "Fehlerliste");
        QByteArray tasks;
        for (int i = 0; i < 700; ++i)
            tasks += " " + QByteArray::number(i) + " + 7 = ?\r\n" + QByteArray::number(i + 7)
                    + "\r\n";
        const auto row = [](const char* name, const char* action, const char* file,
                            const QByteArray& old, qint64 leaveFree, const Shown& told) {
            QTest::newRow(name) << QString(action) << QString(file) << old << leaveFree << told;
        };
        const QByteArray names = "Anna\r\nBen\r\n";
        row("user added", "UserWindow/newNameButton", "ZIFTORA.INI", names, 0, users);
        row("user deleted", "UserWindow/deleteNameButton", "ZIFTORA.INI", names, 0, users);
        row("mandatory list saved", "saveListButton", "ZIFTORA.DAT", " 1 + 1 = ?\r\n2\r\n", 0,
            ScriptedDialogs::msg("Die Liste konnte nicht gespeichert werden!\r"
                                 "Die Datei ZIFTORA.DAT konnte nicht geschrieben werden.\r",
                                 0, "Pflichtaufgaben"));
        row("errors saved, disk full", "userPicture", "ZIFTORA.000", tasks.left(300), 0, errors);
        row("errors saved, room for half the file, which would cut a task", "userPicture",
            "ZIFTORA.000", tasks, 8192, errors);
    }

    void rewriteKeepsTheOldFile()
    {
        QFETCH(QString, action);
        QFETCH(QString, file);
        QFETCH(QByteArray, old);
        QFETCH(qint64, leaveFree);
        QFETCH(Shown, told);

        FullDisk disk;
        if (!disk.isReady())
            QSKIP(qPrintable(disk.reason()));
        ProgramFixture f(disk.path());
        Files files{ { "ZIFTORA.INI", "Anna\r\nBen\r\n" } };
        f.startQuietly((files.insert(file, old), files));
        f.putTask(" 2 + 2 = ?", "4");
        if (file == "ZIFTORA.000") {
            f.answer("5"); // an error waits; on the change of user it is not practised but saved
            f.dialogs.answerMsg(MsgResult::No);
        }
        if (file == "ZIFTORA.INI") {
            f.click("userPicture"); // the user window opens
            f.password();
            if (action == "UserWindow/newNameButton")
                f.dialogs.answerInput("Clara");
        }
        if (file == "ZIFTORA.DAT")
            f.click("insertTaskButton"); // the task on screen joins the list
        f.seen();
        QVERIFY2(disk.fill(leaveFree), qPrintable(disk.reason()));
        f.click(action);

        QCOMPARE(f.file(file), old);
        QVERIFY(f.seen().contains(told));
        QCOMPARE(f.program().errorList().count(),
                 file == "ZIFTORA.000" ? 1 : 0); // the errors are still listed
        const QStringList left =
                QDir(disk.path()).entryList(QDir::Files); // no temporary copy is left
        QCOMPARE(left.filter(QRegularExpression(
                         "^(ZIFTORA\\.(INI|DAT|000|H[0-9A-F]{8})|ballast\\.bin)$")),
                 left);
    }

    // Copies an interrupted save left behind go at the next start; data files that cannot be read
    // are said.
    void startWithStrangeFiles()
    {
        ProgramFixture f;
        QVERIFY(QDir().mkpath("ZIFTORA.INF")
                && QDir().mkpath("ZIFTORA.000")); // the fixture works in its own folder
        for (const char* copy : { "ZIFTORA.INI.a1B2c3", "ZIFTORA.000.Zz0099" }) {
            f.writeFile(copy, "Ann");
            QFile old(copy); // older than a save in progress on another computer could be
            QVERIFY(old.open(QIODevice::ReadWrite)
                    && old.setFileTime(QDateTime::currentDateTime().addMSecs(-StaleLockMs - 5000),
                                       QFileDevice::FileModificationTime));
        }
        f.start({ { "ZIFTORA.INI", "Anna\r\n" }, { "ZIFTORA.DAT", "" } });
        f.password();
        f.click("errorListPicture");
        f.click("ErrorListWindow/nextUserButton"); // the error file of the next (and only) child
        QCOMPARE(f.seen(),
                 (Boxes{ ScriptedDialogs::msg("Die Datei ZIFTORA.INF konnte nicht gelesen werden.\r"
                                              "Nach 20 Aufgaben gibt es eine Spielrunde.\r",
                                              64, "Belohnung"),
                         ScriptedDialogs::password("Ziftora"),
                         ScriptedDialogs::msg(
                                 "Die Fehlerdatei ZIFTORA.000 konnte nicht gelesen werden.\r", 64,
                                 "Fehlerliste") }));
        QCOMPARE(f.allFiles(), (Files{ { "ZIFTORA.INI", "Anna\r\n" }, { "ZIFTORA.DAT", "" } }));
        QVERIFY(QDir(f.dir.path()).exists("ZIFTORA.INF")
                && QDir(f.dir.path()).exists("ZIFTORA.000"));
    }
};

QTEST_MAIN(NothingLostTests)
#include "nothing_lost_tests.moc"
