// Two programs on one folder: this one changes the user list, an error file or the mandatory tasks
// while the test, playing the other program, writes the files or holds their locks in between.
#include "engine/training_state.h"
#include "models/mandatory_tasks.h"
#include "models/users.h"
#include "platform/file_lock.h"
#include "platform/text_file.h"
#include "scripted_clock.h"
#include "scripted_dialogs.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using Boxes = QList<ScriptedDialogs::Shown>;

namespace {
QByteArray bytes(const QString& name)
{
    QByteArray b;
    return TextFile::readBytes(name, &b) ? b : "-";
}
void write(const QString& name, const QByteArray& b)
{
    QVERIFY(b == "-" ? !QFile::exists(name) || QFile::remove(name)
                     : TextFile::replaceBytes(name, b));
}
void holdElsewhere(const QString& name) // a lock of a program on another computer
{
    write(FileLock::lockPath(name), LockHolder{ "PC-07", 4711, {}, {}, {}, {} }.toBytes());
}
} // namespace

class SharedFolderTests : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString old_ = QDir::currentPath();
    ScriptedClock clock_;
    ScriptedDialogs dialogs_;
    TrainingState state_;

private slots:
    void init()
    {
        QVERIFY(QDir::setCurrent(dir_.path()));
        for (const QString& f : QDir().entryList(QDir::Files | QDir::Hidden))
            QFile::remove(f);
        dialogs_.take();
        state_.expectedAnswer = "4";
    }
    void cleanupTestCase() { QDir::setCurrent(old_); }

    void userListMerges_data()
    { // the file at start ("-": none), this program's change, the other's file meanwhile, the end
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("change"); // "+Name" or "-number"
        QTest::addColumn<QByteArray>("other");
        QTest::addColumn<QByteArray>("after");
        const QByteArray ab = "Anna\r\nBen\r\n", abc = ab + "Cem\r\n",
                         kids = QByteArray("Kind\r\n").repeated(999);
        const auto row = [](const char* name, const QByteArray& before, const char* change,
                            const QByteArray& other, const QByteArray& after) {
            QTest::newRow(name) << before << QString(change) << other << after;
        };
        row("adds of both", ab, "+Cem", ab + "Dora\r\n", ab + "Dora\r\nCem\r\n");
        row("the same name added elsewhere", ab, "+Dora", ab + "Dora\r\n", ab + "Dora\r\n");
        row("found again after a delete before it", abc, "-2", "Ben\r\nCem\r\n", "Ben\r\n");
        row("deleted elsewhere already", abc, "-1", "Anna\r\nCem\r\n", "Anna\r\nCem\r\n");
        row("the selected one of equal names", "Kind\r\nA\r\nKind\r\n", "-2",
            "Kind\r\nA\r\nKind\r\nB\r\n", "Kind\r\nA\r\nB\r\n");
        row("an empty line", "Anna\r\n\r\nBen\r\n", "-1", "Anna\r\n\r\nBen\r\nCem\r\n", abc);
        row("no file, then another's", "-", "+Cem", "Dora\r\n", "Dora\r\nCem\r\n");
        row("no file still", "-", "+Cem", "-", "Standardbenutzer\r\nCem\r\n");
        row("the last name deleted", "Anna\r\n", "-0", "Anna\r\n", "");
        row("names beyond the thousandth stay", "Anna\r\n" + kids + "Zoe\r\n", "-0",
            "Anna\r\n" + kids + "Zoe\r\nZara\r\n", kids + "Zoe\r\nZara\r\n");
        row("the thousandth added elsewhere", kids, "+Cem", kids + "Zoe\r\n", kids + "Zoe\r\n");
    }
    void userListMerges()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, change);
        QFETCH(QByteArray, other);
        QFETCH(QByteArray, after);
        write(UserFile::FileName, before);
        UserFile file(clock_);
        file.load();
        change[0] == u'+' ? file.add(change.mid(1)) : file.remove(change.mid(1).toInt());
        write(UserFile::FileName, other);
        bool full = false;
        QVERIFY(file.save(0, &full).done());
        QCOMPARE(bytes(UserFile::FileName), after);
        QCOMPARE(full, QString(QTest::currentDataTag()).contains("thousandth added"));
        QCOMPARE(file.names(), TextFile::splitLines(TextFile::decode(after)));
        QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden), QStringList{ UserFile::FileName });
    }

    void childsErrorFile_data()
    { // Cem (number 2) selected; the user list as the other program leaves it, a file it holds
        QTest::addColumn<QByteArray>("other");
        QTest::addColumn<QString>("held");
        QTest::addColumn<QString>("file"); // where the errors end up
        const auto row = [](const char* name, const char* other, const char* held,
                            const char* file) {
            QTest::newRow(name) << QByteArray(other) << QString(held) << QString(file);
        };
        row("as it was", "Anna\r\nBen\r\nCem\r\n", "", "ZIFTORA.002");
        row("Anna deleted elsewhere", "Ben\r\nCem\r\n", "", "ZIFTORA.001");
        row("Cem deleted elsewhere", "Anna\r\nBen\r\n", "", "");
        row("the user list held", "Ben\r\nCem\r\n", "ZIFTORA.INI", "ZIFTORA.001");
        row("the error file held", "Cem\r\n", "ZIFTORA.000", "ZIFTORA.000");
    }
    void childsErrorFile()
    {
        QFETCH(QByteArray, other);
        QFETCH(QString, held);
        QFETCH(QString, file);
        write(UserFile::FileName, "Anna\r\nBen\r\nCem\r\n");
        Users users(dialogs_, state_, clock_, { 0, 0 });
        users.load();
        users.select(2);
        write(UserFile::FileName, other);
        if (!held.isEmpty())
            holdElsewhere(held);
        users.saveErrors({ " 1 + 1 = ?" }, { "2" });
        QCOMPARE(users.waitingErrors(), held.isEmpty() ? 0 : 1); // quietly, for the next chance
        QCOMPARE(QDir().entryList({ "ZIFTORA.0??" }, QDir::Files),
                 held.isEmpty() && !file.isEmpty() ? QStringList{ file } : QStringList());
        QVERIFY(QFile::remove(FileLock::lockPath(held)) || held.isEmpty());
        users.writeWaitingErrors(0);
        QCOMPARE(users.waitingErrors(), 0);
        QCOMPARE(bytes(file), file.isEmpty() ? "-" : " 1 + 1 = ?\r\n2\r\n");
        QCOMPARE(dialogs_.take(),
                 file.isEmpty() ? Boxes{ ScriptedDialogs::msg(
                         "Es ist kein Benutzer ausgewählt, darum konnten die Fehleraufgaben nicht "
                         "in einer Datei gespeichert werden.\rSie bleiben in der Fehlerliste.\r",
                         64, "Fehlerliste") }
                                : Boxes{});
        QStringList tasks, answers; // read back by name
        QString read;
        QVERIFY(users.readErrors(&tasks, &answers, &read));
        QCOMPARE(read + tasks.join(""), file + (file.isEmpty() ? "" : " 1 + 1 = ?"));
    }

    void busyFileAsksTeacher()
    { // tried again when asked, kept in memory when declined, written at the next chance
        write(UserFile::FileName, "Anna\r\n");
        write(MandatoryTasks::FileName, "");
        holdElsewhere(UserFile::FileName);
        holdElsewhere(MandatoryTasks::FileName);
        Users users(dialogs_, state_, clock_, { 0, 0 });
        MandatoryTasks mandatory(dialogs_, clock_, { 0, 0 });
        users.load();
        mandatory.insert(" 2 + 2 = ?", "4");
        for (int answer : { 6, 7, 6, 7 })
            dialogs_.answerMsg(answer);
        dialogs_.answerPassword("4");
        dialogs_.answerInput("Cem");
        users.addName();
        mandatory.save();
        const auto busy = [](const QString& file, const char* title) { // asked, then declined
            const QString text = "Die Datei " + file + " wird gerade am Computer PC-07 geändert.\r";
            return Boxes(2, ScriptedDialogs::msg(text + "Noch einmal versuchen?", 36, title));
        };
        QCOMPARE(dialogs_.take(),
                 (Boxes{ ScriptedDialogs::password("Benutzereingabe"),
                         ScriptedDialogs::input("Neuer Name:", "Benutzereingabe") }
                  + busy("ZIFTORA.INI", "Benutzereingabe")
                  + busy("ZIFTORA.DAT", "Pflichtaufgaben")));
        QCOMPARE(bytes(UserFile::FileName) + bytes(MandatoryTasks::FileName), "Anna\r\n");
        QCOMPARE(users.shownNames(), QStringList({ "Anna", "Cem" }));
        for (const char* file : { "ZIFTORA.INI.lock", "ZIFTORA.DAT.lock" })
            QVERIFY(QFile::remove(file));
        users.refresh();
        mandatory.save();
        QCOMPARE(bytes(UserFile::FileName) + bytes(MandatoryTasks::FileName),
                 "Anna\r\nCem\r\n 2 + 2 = ?\r\n4\r\n");
        QCOMPARE(dialogs_.take(),
                 Boxes{ ScriptedDialogs::msg("Liste wurde gespeichert.\r", 0, "Pflichtaufgaben") });
    }
};

QTEST_GUILESS_MAIN(SharedFolderTests)
#include "shared_folder_tests.moc"
