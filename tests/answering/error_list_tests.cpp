// The error list window and the children's error files on disk.

#include "answering_support.h"

#include "training/error_file.h"
#include "training/user_window.h"

#include <QDir>

class ErrorListTests : public QObject {
    Q_OBJECT
private slots:
    void windowLayout();
    void openingShowsThisRunsErrorsWithoutReading();
    void browsingLoadsEachUsersFile();
    void browsingOneUserReloadsTheFile();
    void deletingAndClosingLeaveTheFilesAlone();
    void fileNames_data();
    void fileNames();
    void appendWritesTwoLinesATask();
    void failedAppendSaysSoAndKeepsTheFile();
};

namespace {

const QString Dot = QStringLiteral("3 · 4 = ?");

// Anna, Ben and Carla with files of their own: Ben's has an unpaired last line, Carla's holds
// the middle dot and bytes the code page has no character for.
void WriteUsers(ProgramFixture& f)
{
    f.WriteFile(QStringLiteral("ZIFTORA.INI"), "Anna\r\nBen\r\nCarla\r\n");
    f.WriteFile(QStringLiteral("ZIFTORA.000"), "7 + 5 = ?\r\n12\r\n9 + 9 = ?\r\n18\r\n");
    f.WriteFile(QStringLiteral("ZIFTORA.001"), "6 - 2 = ?\r\n4\r\n8 - 1 = ?\r\n");
    static const char carla[] = "3 \xB7 4 = ?\r\n12\r\n\x81\x00\x9D\r\n3\r\n";
    f.WriteFile(QStringLiteral("ZIFTORA.002"), QByteArray(carla, sizeof carla - 1));
}

void OpenErrorList(ProgramFixture& f)
{
    f.state().ExpectedAnswer = QStringLiteral("42");
    f.dialogs.AnswerInput(QStringLiteral("42"));
    f.form1().Bild8_Click();
    f.dialogs.Take();
}

} // namespace

void ErrorListTests::windowLayout()
{
    ProgramFixture f;
    StartQuietly(f);
    Form8& w = f.program().form8();
    QVERIFY(!w.isVisible());
    QCOMPARE(w.windowTitle(), QStringLiteral("Ziftora: Fehlerliste"));
    QCOMPARE(w.size(), QSize(330, 386)); // 4950 x 5790 twips
    const struct {
        const char* name;
        QString caption;
        QRect twips;
    } controls[] = {
        {"Befehl5", "<", {120, 120, 375, 495}},
        {"Befehl6", ">", {4440, 120, 375, 495}},
        {"Bezeichnung1", "Fehleraufgaben", {120, 720, 2535, 375}},
        {"Bezeichnung2", "Lösung", {2760, 720, 975, 375}},
        {"Bezeichnung3", "gemischt", {3840, 720, 975, 375}},
        {"Befehl1", "Abbruch", {120, 4560, 1215, 495}},
        {"Befehl2", "Drucken mit richtiger Lösung", {1440, 4560, 3375, 495}},
        {"Befehl4", "Löschen", {120, 5160, 1215, 495}},
        {"Befehl3", "Drucken mit gemischter Lösung", {1440, 5160, 3375, 495}},
        {"Bezeichnung4", "", {480, 120, 3975, 495}},
        {"Liste1", "", {120, 1080, 2535, 3345}},
        {"Liste2", "", {2760, 1080, 975, 3345}},
        {"Liste3", "", {3840, 1080, 975, 3345}},
    };
    for (const auto& c : controls) {
        auto* control = w.findChild<QWidget*>(QLatin1String(c.name));
        QVERIFY2(control, c.name);
        const QRect px(Twips::ToPixels(c.twips.x()), Twips::ToPixels(c.twips.y()), Twips::ToPixels(c.twips.width()),
                       Twips::ToPixels(c.twips.height()));
        QCOMPARE(control->geometry(), px);
        if (auto* b = qobject_cast<QPushButton*>(control))
            QCOMPARE(b->text(), c.caption);
        if (auto* l = qobject_cast<QLabel*>(control))
            QCOMPARE(l->text(), c.caption);
    }
    QVERIFY(!w.Liste1->Sorted() && !w.Liste2->Sorted() && w.Liste3->Sorted());
}

void ErrorListTests::openingShowsThisRunsErrorsWithoutReading()
{
    ProgramFixture f;
    WriteUsers(f);
    StartQuietly(f);
    AnswerWrongly(f, {QStringLiteral("1 + 1 = ?")}, {QStringLiteral("2")});
    OpenErrorList(f);
    Form8& w = f.program().form8();
    QVERIFY(w.isVisible());
    QVERIFY(!f.form1().isVisible());
    QCOMPARE(w.Bezeichnung4->text(), QStringLiteral("Anna"));
    QCOMPARE(w.Liste1->Entries(), QStringList{QStringLiteral("1 + 1 = ?")});
    QCOMPARE(w.Liste2->Entries(), QStringList{QStringLiteral("2")});
    QCOMPARE(w.Liste3->Entries(), QStringList{QStringLiteral("2")});
}

void ErrorListTests::browsingLoadsEachUsersFile()
{
    ProgramFixture f;
    WriteUsers(f);
    StartQuietly(f);
    OpenErrorList(f);
    Form8& w = f.program().form8();
    ListBox& users = *f.program().form7().Liste1;
    const struct {
        QPushButton* button;
        const char* user;
        int selected;
        QStringList tasks;
        QStringList answers;
        QStringList sorted;
    } steps[] = {
        {w.Befehl5, "Carla", 2, {Dot, QStringLiteral("\u0081\u0000\u009D")}, {"12", "3"}, {"12", "3"}},
        {w.Befehl6, "Anna", 0, {"7 + 5 = ?", "9 + 9 = ?"}, {"12", "18"}, {"12", "18"}},
        {w.Befehl6, "Ben", 1, {"6 - 2 = ?"}, {"4"}, {"4"}},
        {w.Befehl5, "Anna", 0, {"7 + 5 = ?", "9 + 9 = ?"}, {"12", "18"}, {"12", "18"}},
        {w.Befehl5, "Carla", 2, {Dot, QStringLiteral("\u0081\u0000\u009D")}, {"12", "3"}, {"12", "3"}},
        {w.Befehl6, "Anna", 0, {"7 + 5 = ?", "9 + 9 = ?"}, {"12", "18"}, {"12", "18"}},
    };
    for (const auto& s : steps) {
        QTest::mouseClick(s.button, Qt::LeftButton);
        QCOMPARE(w.Bezeichnung4->text(), QString::fromUtf8(s.user));
        QCOMPARE(users.ListIndex(), s.selected);
        QCOMPARE(w.Liste1->Entries(), s.tasks);
        QCOMPARE(w.Liste2->Entries(), s.answers);
        QCOMPARE(w.Liste3->Entries(), s.sorted);
    }
    QCOMPARE(f.form1().Bezeichnung15->text(), QStringLiteral("Anna")); // browsing changes no name
    QVERIFY(f.dialogs.shown.isEmpty());
}

void ErrorListTests::browsingOneUserReloadsTheFile()
{
    ProgramFixture f;
    f.WriteFile(QStringLiteral("ZIFTORA.000"), "5 + 5 = ?\r\n10\r\n");
    StartQuietly(f);
    AnswerWrongly(f, {QStringLiteral("1 + 1 = ?")}, {QStringLiteral("2")});
    OpenErrorList(f);
    Form8& w = f.program().form8();
    for (QPushButton* b : {w.Befehl5, w.Befehl6}) {
        w.Befehl4_Click();
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(w.Bezeichnung4->text(), QStringLiteral("Standardbenutzer"));
        QCOMPARE(w.Liste1->Entries(), QStringList{QStringLiteral("5 + 5 = ?")});
        QCOMPARE(w.Liste3->Entries(), QStringList{QStringLiteral("10")});
    }
    // Without a file the list is empty, and nothing is said.
    QFile::remove(f.dir.filePath(QStringLiteral("ZIFTORA.000")));
    QTest::mouseClick(w.Befehl6, Qt::LeftButton);
    QVERIFY(w.Liste1->Entries().isEmpty() && w.Liste2->Entries().isEmpty() && w.Liste3->Entries().isEmpty());
    QVERIFY(f.dialogs.shown.isEmpty());
}

void ErrorListTests::deletingAndClosingLeaveTheFilesAlone()
{
    ProgramFixture f;
    WriteUsers(f);
    StartQuietly(f);
    OpenErrorList(f);
    Form8& w = f.program().form8();
    QTest::mouseClick(w.Befehl6, Qt::LeftButton);
    QCOMPARE(w.Liste1->ListCount(), 1);
    QTest::mouseClick(w.Befehl4, Qt::LeftButton);
    QVERIFY(w.Liste1->Entries().isEmpty() && w.Liste2->Entries().isEmpty() && w.Liste3->Entries().isEmpty());
    QTest::mouseClick(w.Befehl1, Qt::LeftButton);
    QVERIFY(!w.isVisible());
    QVERIFY(f.form1().isVisible());
    QCOMPARE(f.ReadFile(QStringLiteral("ZIFTORA.001")), QByteArray("6 - 2 = ?\r\n4\r\n8 - 1 = ?\r\n"));
    QCOMPARE(f.ReadFile(QStringLiteral("ZIFTORA.000")), QByteArray("7 + 5 = ?\r\n12\r\n9 + 9 = ?\r\n18\r\n"));

    // Closing by the frame or with Escape is "Abbruch" too; the list keeps its content.
    AnswerWrongly(f, {QStringLiteral("1 + 1 = ?")}, {QStringLiteral("2")});
    OpenErrorList(f);
    w.close();
    QVERIFY(!w.isVisible() && f.form1().isVisible());
    OpenErrorList(f);
    QTest::keyClick(w.Liste1, Qt::Key_Escape);
    QVERIFY(!w.isVisible() && f.form1().isVisible());
    QCOMPARE(w.Liste1->Entries(), QStringList{QStringLiteral("1 + 1 = ?")});
}

void ErrorListTests::fileNames_data()
{
    QTest::addColumn<int>("user");
    QTest::addColumn<QString>("name");
    QTest::newRow("first") << 0 << "ZIFTORA.000";
    QTest::newRow("7") << 7 << "ZIFTORA.007";
    QTest::newRow("12") << 12 << "ZIFTORA.012";
    QTest::newRow("last") << 999 << "ZIFTORA.999";
    QTest::newRow("too many users") << 1000 << "";
    QTest::newRow("none selected") << -1 << "";
}

void ErrorListTests::fileNames()
{
    QFETCH(int, user);
    QFETCH(QString, name);
    QCOMPARE(ErrorFile::Name(user), name);
}

void ErrorListTests::appendWritesTwoLinesATask()
{
    ProgramFixture f;
    const QStringList tasks{Dot, QStringLiteral("7 + 5 <=> 13")};
    const QStringList answers{QStringLiteral("12"), QStringLiteral("<")};
    QString error;
    QVERIFY(ErrorFile::Append(QStringLiteral("ZIFTORA.004"), tasks, answers, &error));
    const QByteArray once("3 \xB7 4 = ?\r\n12\r\n7 + 5 <=> 13\r\n<\r\n");
    QCOMPARE(f.ReadFile(QStringLiteral("ZIFTORA.004")), once);
    QVERIFY(ErrorFile::Append(QStringLiteral("ZIFTORA.004"), tasks, answers, &error));
    QCOMPARE(f.ReadFile(QStringLiteral("ZIFTORA.004")), once + once);

    QStringList readTasks;
    QStringList readAnswers;
    QVERIFY(ErrorFile::Read(QStringLiteral("ZIFTORA.004"), &readTasks, &readAnswers));
    QCOMPARE(readTasks, tasks + tasks);
    QCOMPARE(readAnswers, answers + answers);

    // A file whose last line lost its ending gets one before the new task.
    f.WriteFile(QStringLiteral("ZIFTORA.005"), "1 + 1 = ?\r\n2");
    QVERIFY(ErrorFile::Append(QStringLiteral("ZIFTORA.005"), {QStringLiteral("A")}, {QStringLiteral("1")}, &error));
    QCOMPARE(f.ReadFile(QStringLiteral("ZIFTORA.005")), QByteArray("1 + 1 = ?\r\n2\r\nA\r\n1\r\n"));

    QVERIFY(!ErrorFile::Read(QStringLiteral("ZIFTORA.006"), &readTasks, &readAnswers));
    QVERIFY(readTasks.isEmpty() && readAnswers.isEmpty());
}

void ErrorListTests::failedAppendSaysSoAndKeepsTheFile()
{
    ProgramFixture f;
    QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("ZIFTORA.000")));
    QString error;
    QVERIFY(!ErrorFile::Append(QStringLiteral("ZIFTORA.000"), {QStringLiteral("A")}, {QStringLiteral("1")}, &error));
    QCOMPARE(error, QStringLiteral("Die Fehleraufgaben konnten nicht in der Datei ZIFTORA.000 gespeichert werden. "
                                   "Vielleicht ist der Ordner schreibgeschützt oder der Datenträger voll.\r\n"
                                   "Die Fehleraufgaben bleiben in der Fehlerliste."));
    QVERIFY(QFileInfo(f.dir.filePath(QStringLiteral("ZIFTORA.000"))).isDir());
    QStringList tasks;
    QStringList answers;
    QVERIFY(!ErrorFile::Read(QStringLiteral("ZIFTORA.000"), &tasks, &answers));

    QVERIFY(!ErrorFile::Append(ErrorFile::Name(1000), {QStringLiteral("A")}, {QStringLiteral("1")}, &error));
    QCOMPARE(error, QStringLiteral("Die Fehleraufgaben wurden nicht gespeichert: Es ist kein Benutzer mit eigener "
                                   "Fehlerdatei ausgewählt.\r\nDie Fehleraufgaben bleiben in der Fehlerliste."));
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), QStringList());
}

QTEST_MAIN(ErrorListTests)
#include "error_list_tests.moc"
