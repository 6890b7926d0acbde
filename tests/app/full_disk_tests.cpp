// A full disk must never cost a child's data: every file the program rewrites keeps its old content
// byte for byte when the new one cannot be written whole, and the teacher is told. These run on a
// real full file system (a small tmpfs, mounted when the tests run as root, as in CI).

#include "full_disk.h"
#include "program_fixture.h"

#include <QDir>
#include <QRegularExpression>

namespace {

enum Action { AddUser, DeleteUser, SaveMandatoryList, SaveErrorsOnChangeOfUser };

QByteArray ErrorFileOf(int tasks)
{
    QByteArray bytes;
    for (int i = 0; i < tasks; ++i)
        bytes += " " + QByteArray::number(i) + " + 7 = ?\r\n" + QByteArray::number(i + 7) + "\r\n";
    return bytes;
}

} // namespace

class FullDiskTests : public QObject {
    Q_OBJECT
private slots:
    void rewriteKeepsTheOldFile_data();
    void rewriteKeepsTheOldFile();
};

void FullDiskTests::rewriteKeepsTheOldFile_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("old");
    QTest::addColumn<qint64>("leaveFree");
    QTest::addColumn<Shown>("told");

    const QString users = QStringLiteral("Benutzereingabe");
    const Shown userFile = ScriptedDialogs::Msg(
        QStringLiteral("Die Benutzerliste konnte nicht gespeichert werden.\r"
                       "Die Datei ZIFTORA.INI konnte nicht geschrieben werden.\r"
                       "Die Änderung gilt nur, bis das Programm beendet wird.\r"),
        64, users);
    const QByteArray names = "Anna\r\nBen\r\n";
    QTest::newRow("user added") << int(AddUser) << "ZIFTORA.INI" << names << qint64(0) << userFile;
    QTest::newRow("user deleted") << int(DeleteUser) << "ZIFTORA.INI" << names << qint64(0) << userFile;
    QTest::newRow("mandatory list saved")
        << int(SaveMandatoryList) << "ZIFTORA.DAT" << QByteArray(" 1 + 1 = ?\r\n2\r\n") << qint64(0)
        << ScriptedDialogs::Msg(QStringLiteral("Die Liste konnte nicht gespeichert werden!\r"
                                               "Die Datei ZIFTORA.DAT konnte nicht geschrieben werden.\r"),
                                0, QStringLiteral("Pflichtaufgaben"));
    const Shown errorFile = ScriptedDialogs::Msg(
        QStringLiteral("Die Fehleraufgaben konnten nicht in der Datei ZIFTORA.000 gespeichert werden. "
                       "Vielleicht ist der Ordner schreibgeschützt oder der Datenträger voll.\r\n"
                       "Die Fehleraufgaben bleiben in der Fehlerliste."),
        64, QStringLiteral("Fehlerliste"));
    QTest::newRow("errors saved, disk full")
        << int(SaveErrorsOnChangeOfUser) << "ZIFTORA.000" << ErrorFileOf(20) << qint64(0) << errorFile;
    // Room for half of the file: a write that stopped there would cut a task in the middle.
    QTest::newRow("errors saved, disk nearly full")
        << int(SaveErrorsOnChangeOfUser) << "ZIFTORA.000" << ErrorFileOf(700) << qint64(8192) << errorFile;
}

void FullDiskTests::rewriteKeepsTheOldFile()
{
    QFETCH(int, action);
    QFETCH(QString, file);
    QFETCH(QByteArray, old);
    QFETCH(qint64, leaveFree);
    QFETCH(Shown, told);

    FullDisk disk;
    if (!disk.isReady())
        QSKIP(qPrintable(disk.reason()));
    ProgramFixture f(disk.path());
    Files files{{file, old}};
    if (file != QLatin1String("ZIFTORA.INI"))
        files.insert(QStringLiteral("ZIFTORA.INI"), "Anna\r\nBen\r\n");
    f.StartQuietly(files);
    if (action == SaveErrorsOnChangeOfUser) {
        f.PutTask(QStringLiteral(" 2 + 2 = ?"), QStringLiteral("4"));
        f.Answer(QStringLiteral("5"));
        f.Seen();
    }
    QVERIFY2(disk.fill(leaveFree), qPrintable(disk.reason()));

    switch (action) {
    case AddUser:
        f.Click(QStringLiteral("Bild7"));
        f.Password();
        f.dialogs.AnswerInput(QStringLiteral("Clara"));
        f.Click(QStringLiteral("Form7/Befehl2"));
        break;
    case DeleteUser:
        f.Click(QStringLiteral("Bild7"));
        f.Password();
        f.Click(QStringLiteral("Form7/Befehl4"));
        break;
    case SaveMandatoryList:
        f.Click(QStringLiteral("Befehl23"));
        f.Click(QStringLiteral("Befehl25"));
        break;
    case SaveErrorsOnChangeOfUser:
        f.dialogs.AnswerMsg(MsgResult::No); // not now: save them
        f.Click(QStringLiteral("Bild7"));
        break;
    }

    QCOMPARE(f.File(file), old);
    QVERIFY(f.Seen().contains(told));
    // Nothing but the data files and the filling is left on the disk: no temporary copy.
    const QRegularExpression dataFile(QStringLiteral("^ZIFTORA\\.(INI|DAT|000)$"));
    for (const QString& name : QDir(disk.path()).entryList(QDir::Files | QDir::Hidden))
        QVERIFY2(name == QLatin1String(FullDisk::BallastName) || dataFile.match(name).hasMatch(), qPrintable(name));
    if (action == SaveErrorsOnChangeOfUser)
        QCOMPARE(f.form8().ErrorCount(), 1); // still listed, nothing lost
}

QTEST_MAIN(FullDiskTests)
#include "full_disk_tests.moc"
