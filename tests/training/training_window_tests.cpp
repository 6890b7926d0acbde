// The training window as a child and a teacher meet it: start-up with and without settings files,
// the keyboard, the exit question and the information window.

#include "program_fixture.h"

#include "engine/task_engine.h"
#include "platform/list_box.h"
#include "platform/controls.h"
#include "training/info_window.h"
#include "training/picture_button.h"
#include "training/user_window.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace {
const ScriptedDialogs::Shown NoMandatoryTasks =
    ScriptedDialogs::Msg(QStringLiteral("Keine Pflichtaufgaben!"), 0, QStringLiteral("Pflichtaufgaben"));
const ScriptedDialogs::Shown ExitQuestion = ScriptedDialogs::Msg(
    QStringLiteral("Dieses Programm jetzt beenden?\r"), 276, QStringLiteral("ZFT-Zaruzidovavivediv"));
} // namespace

class TrainingWindowTests : public QObject {
    Q_OBJECT
private slots:
    void startsWithoutAnyFile();
    void readsTheRewardInterval_data();
    void readsTheRewardInterval();
    void readsTheUsers_data();
    void readsTheUsers();
    void controlsStandWhereTheChildExpectsThem();
    void exitQuestionAnsweredNoChangesNothing();
    void exitQuestionAnsweredYesEndsWithoutWriting();
    void closingByTheFrameAsksToo();
    void typedKeysActOncePerPress();
    void enterChecksWhereverTheFocusIs();
    void backspaceRemovesTheLastCharacter();
    void informationWindowOpensAndCloses();
};

void TrainingWindowTests::startsWithoutAnyFile()
{
    ProgramFixture f;
    f.Start();
    Form1& w = f.form1();

    QCOMPARE(f.dialogs.Take(), QList<ScriptedDialogs::Shown>{NoMandatoryTasks});
    QCOMPARE(w.windowTitle(), QStringLiteral("ZFT-Zaruzidovavivediv"));
    QVERIFY(w.isVisible());
    QCOMPARE(w.Bezeichnung15->text(), QStringLiteral("Standardbenutzer"));
    QCOMPARE(f.program().form7().Liste1->Entries(), QStringList{QStringLiteral("Standardbenutzer")});
    QCOMPARE(f.program().form7().UserNumber(), 0);
    QCOMPARE(w.RewardInterval, std::int16_t(20));
    QCOMPARE(w.Label1->text(), QStringLiteral("20"));
    QCOMPARE(f.state().Level, 2);
    QCOMPARE(w.HBildlauf1->value(), 2);
    QCOMPARE(w.Bezeichnung8->text(), QStringLiteral("Stufe 2"));
    QCOMPARE(f.state().Operation, 1);
    QCOMPARE(int(f.state().TaskType), 1);
    QCOMPARE(w.Bezeichnung7->text(), QStringLiteral(" Plusrechnen"));
    QCOMPARE(w.Bezeichnung9->text(), QStringLiteral("+"));
    QCOMPARE(w.Liste1->Entries(), TaskTypeEntries(1));
    QCOMPARE(w.Liste1->ListIndex(), 0);
    QVERIFY(w.Bezeichnung1->text().endsWith(QStringLiteral(" = ?")));
    QVERIFY(!f.state().ExpectedAnswer.isEmpty());
    QCOMPARE(w.Bezeichnung2->text(), QString());
    QCOMPARE(w.Bezeichnung3->text(), QStringLiteral("0"));
    QCOMPARE(w.Bezeichnung4->text(), QStringLiteral("0"));
    QVERIFY(!w.ErrorPracticeActive());
    QCOMPARE(Twips::Left(w.Befehl28), Form1::CoverOff);
    // Start-up creates no file of its own.
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), QStringList());
}

void TrainingWindowTests::readsTheRewardInterval_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("expected");
    QTest::newRow("plain") << QByteArray("30\r\n") << 30;
    QTest::newRow("first value only") << QByteArray("  45,7\r\n12\r\n") << 45;
    QTest::newRow("half to even, down") << QByteArray("20.5\r\n") << 20;
    QTest::newRow("half to even, up") << QByteArray("21.5") << 22;
    QTest::newRow("negative") << QByteArray("-3\r\n") << -3;
    QTest::newRow("largest") << QByteArray("32767\r\n") << 32767;
    QTest::newRow("beyond 16 bits") << QByteArray("40000\r\n") << 20;
    QTest::newRow("words") << QByteArray("zwanzig\r\n") << 20;
    QTest::newRow("empty file") << QByteArray() << 20;
    QTest::newRow("foreign bytes") << QByteArray("\x81\x9d\xff\x00\r\n", 6) << 20;
}

void TrainingWindowTests::readsTheRewardInterval()
{
    QFETCH(QByteArray, content);
    QFETCH(int, expected);
    ProgramFixture f;
    f.WriteFile(QStringLiteral("ZIFTORA.INF"), content);
    f.Start();
    QCOMPARE(int(f.form1().RewardInterval), expected);
    QCOMPARE(f.form1().Label1->text(), QString::number(expected));
    // The settings file is read, never written.
    QCOMPARE(f.ReadFile(QStringLiteral("ZIFTORA.INF")), content);
}

void TrainingWindowTests::readsTheUsers_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("users");
    QTest::newRow("three children") << QByteArray("Anna\r\nBen\r\nCarla\r\n")
                                    << QStringList{"Anna", "Ben", "Carla"};
    QTest::newRow("no line end at the end") << QByteArray("Anna\r\nBen") << QStringList{"Anna", "Ben"};
    QTest::newRow("empty lines are entries") << QByteArray("\r\nBen\r\n\r\n") << QStringList{"", "Ben", ""};
    QTest::newRow("Windows-1252 letters") << QByteArray("J\xfcrgen\r\nMa\xdf\r\n")
                                          << QStringList{QStringLiteral("Jürgen"), QStringLiteral("Maß")};
    QTest::newRow("empty file") << QByteArray() << QStringList{"Standardbenutzer"};
}

void TrainingWindowTests::readsTheUsers()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, users);
    ProgramFixture f;
    f.WriteFile(QStringLiteral("ZIFTORA.INI"), content);
    f.Start();
    QCOMPARE(f.program().form7().Liste1->Entries(), users);
    QCOMPARE(f.program().form7().Liste1->ListIndex(), 0);
    QCOMPARE(f.form1().Bezeichnung15->text(), users.first());
    QCOMPARE(f.ReadFile(QStringLiteral("ZIFTORA.INI")), content);
}

void TrainingWindowTests::controlsStandWhereTheChildExpectsThem()
{
    ProgramFixture f;
    f.Start();
    Form1& w = f.form1();
    // The client area is 7440 twips wide, so the mandatory column at 7440 is just out of sight,
    // and the parked covers at 9600 are never seen.
    QCOMPARE(w.width(), 496);
    QCOMPARE(w.height(), 401);
    QCOMPARE(w.Liste2->geometry(), QRect(496, 48, 121, 130));
    QCOMPARE(w.Befehl11->geometry(), QRect(440, 352, 33, 33));
    QVERIFY(w.Befehl11->isDefault());
    QCOMPARE(w.Befehl22->geometry(), QRect(640, 192, 321, 193));
    QCOMPARE(w.HBildlauf1->minimum(), 1);
    QCOMPARE(w.HBildlauf1->maximum(), 5);

    struct Caption { const char* name; const char* text; };
    const Caption captions[] = {
        {"Bezeichnung5", "Aufgabe:"}, {"Bezeichnung6", "Ergebnis:"}, {"Bezeichnung17", "Auswahl"},
        {"Bezeichnung13", "Pflicht"}, {"Bezeichnung10", "Ende"}, {"Bezeichnung11", "Pflicht"},
        {"Bezeichnung12", "Drucken"}, {"Bezeichnung14", "Fehler"}, {"Bezeichnung16", "Info"},
    };
    for (const Caption& c : captions)
        QCOMPARE(w.findChild<QLabel*>(QString::fromLatin1(c.name))->text(), QString::fromUtf8(c.text));
    const Caption buttons[] = {
        {"Befehl12", "plus"}, {"Befehl13", "minus"}, {"Befehl14", "m a l"}, {"Befehl15", "geteilt"},
        {"Befehl16", "zufällig"}, {"Befehl17", "üben"}, {"Befehl21", "<"}, {"Befehl20", "="},
        {"Befehl19", ">"}, {"Befehl7", "7"}, {"befehl8", "8"}, {"befehl9", "9"}, {"Befehl10", "0"},
        {"Befehl18", "Entf"}, {"Befehl11", "OK"}, {"Befehl23", "Einfügen"}, {"Befehl27", "Lade Liste"},
        {"Befehl26", "Lösche Liste"}, {"Befehl24", "Lösche Zeile"}, {"Befehl25", "Speichern"},
        {"Befehl22", "Jetzt werden die Fehler bearbeitet ..."},
        {"Befehl28", "Pflichtaufgaben werden bearbeitet ..."},
    };
    for (const Caption& c : buttons)
        QCOMPARE(w.findChild<QPushButton*>(QString::fromLatin1(c.name))->text(), QString::fromUtf8(c.text));
    // Every picture has its icon and says what it does.
    for (const char* name : {"Bild1", "Bild2", "Bild3", "Bild4", "Bild5", "Bild6", "Bild7", "Bild8"}) {
        auto* picture = w.findChild<PictureButton*>(QString::fromLatin1(name));
        QVERIFY2(picture && !picture->icon().isNull(), name);
        QVERIFY2(!picture->accessibleName().isEmpty() && !picture->toolTip().isEmpty(), name);
    }
}

void TrainingWindowTests::exitQuestionAnsweredNoChangesNothing()
{
    ProgramFixture f;
    f.Start();
    Form1& w = f.form1();
    f.dialogs.Take();
    QTest::keyClick(&w, Qt::Key_4);
    const QString task = w.Bezeichnung1->text();

    f.dialogs.AnswerMsg(MsgResult::No);
    QTest::keyClick(&w, Qt::Key_Escape);
    QCOMPARE(f.dialogs.Take(), QList<ScriptedDialogs::Shown>{ExitQuestion});
    QVERIFY(!f.program().Ended());
    QVERIFY(w.isVisible());
    QCOMPARE(w.Bezeichnung1->text(), task);
    QCOMPARE(f.state().EntryText, QStringLiteral("4"));
    QCOMPARE(w.Bezeichnung2->text(), QStringLiteral("4"));
    QCOMPARE(w.Bezeichnung3->text(), QStringLiteral("0"));
    QCOMPARE(w.Bezeichnung4->text(), QStringLiteral("0"));
}

void TrainingWindowTests::exitQuestionAnsweredYesEndsWithoutWriting()
{
    ProgramFixture f;
    f.Start();
    Form1& w = f.form1();
    f.dialogs.Take();
    // A wrong answer puts a task on the error list; ending does not save it.
    QTest::keyClicks(&w, QStringLiteral("0000000"));
    QTest::keyClick(&w, Qt::Key_Return);
    f.dialogs.Take();

    f.dialogs.AnswerMsg(MsgResult::Yes);
    QTest::mouseClick(w.Bild1, Qt::LeftButton);
    QCOMPARE(f.dialogs.Take(), QList<ScriptedDialogs::Shown>{ExitQuestion});
    QVERIFY(f.program().Ended());
    QVERIFY(!w.isVisible());
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), QStringList());
}

void TrainingWindowTests::closingByTheFrameAsksToo()
{
    ProgramFixture f;
    f.Start();
    Form1& w = f.form1();
    f.dialogs.Take();
    f.dialogs.AnswerMsg(MsgResult::No);
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
    f.dialogs.AnswerMsg(MsgResult::Yes);
    QVERIFY(w.close());
    QCOMPARE(f.dialogs.Take(), (QList<ScriptedDialogs::Shown>{ExitQuestion, ExitQuestion}));
    QVERIFY(f.program().Ended());
}

void TrainingWindowTests::typedKeysActOncePerPress()
{
    ProgramFixture f;
    f.Start();
    Form1& w = f.form1();
    f.dialogs.Take();

    QTest::keyClicks(w.Befehl11, QStringLiteral("1234567890"));
    QCOMPARE(f.state().EntryText, QStringLiteral("1234567890"));
    QCOMPARE(w.Bezeichnung2->text(), QStringLiteral("1234567890"));
    // Signs replace the entry; each press acts once.
    QTest::keyClicks(w.Liste1, QStringLiteral("<"));
    QCOMPARE(f.state().EntryText, QStringLiteral("<"));
    QTest::keyClicks(&w, QStringLiteral(">="));
    QCOMPARE(f.state().EntryText, QStringLiteral("="));

    // "*" asks for the password once, though the keyboard reports it as a key and a character.
    f.dialogs.AnswerInput(QString());
    QTest::keyClick(&w, Qt::Key_Asterisk, Qt::NoModifier);
    QCOMPARE(f.dialogs.Take(),
             QList<ScriptedDialogs::Shown>{ScriptedDialogs::Input(QStringLiteral("Passwort eingeben:"),
                                                                  QStringLiteral("Pflichtaufgaben beenden?"))});
    QCOMPARE(f.state().EntryText, QStringLiteral("="));
}

void TrainingWindowTests::enterChecksWhereverTheFocusIs()
{
    ProgramFixture f;
    f.Start();
    Form1& w = f.form1();
    f.dialogs.Take();
    const ScriptedDialogs::Shown empty = ScriptedDialogs::Msg(QStringLiteral("Bitte Ergebnis eintragen!\r"), 0,
                                                              QStringLiteral("Leeres Ergebnisfeld"));
    for (QWidget* focus : std::initializer_list<QWidget*>{w.Befehl11, w.Liste1, w.Befehl12, w.HBildlauf1}) {
        QTest::keyClick(focus, Qt::Key_Return);
        QCOMPARE(f.dialogs.Take(), QList<ScriptedDialogs::Shown>{empty});
    }
    QTest::keyClick(w.Befehl7, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(f.dialogs.Take(), QList<ScriptedDialogs::Shown>{empty});

    // The right answer typed and Enter: exactly one task counted.
    QTest::keyClicks(&w, f.state().ExpectedAnswer);
    QTest::keyClick(w.Liste1, Qt::Key_Return);
    QCOMPARE(w.Bezeichnung4->text(), QStringLiteral("1"));
    QVERIFY(f.dialogs.shown.isEmpty());
}

void TrainingWindowTests::backspaceRemovesTheLastCharacter()
{
    ProgramFixture f;
    f.Start();
    Form1& w = f.form1();
    QTest::keyClick(&w, Qt::Key_Backspace);
    QCOMPARE(f.state().EntryText, QString());
    QTest::keyClicks(&w, QStringLiteral("12"));
    QTest::keyClick(w.Liste1, Qt::Key_Backspace);
    QCOMPARE(f.state().EntryText, QStringLiteral("1"));
    QCOMPARE(w.Bezeichnung2->text(), QStringLiteral("1"));
    QTest::keyClick(&w, Qt::Key_Backspace);
    QTest::keyClick(&w, Qt::Key_Backspace);
    QCOMPARE(f.state().EntryText, QString());
    QCOMPARE(w.Bezeichnung2->text(), QString());
}

void TrainingWindowTests::informationWindowOpensAndCloses()
{
    ProgramFixture f;
    f.Start();
    Form1& w = f.form1();
    QTest::keyClick(&w, Qt::Key_3);
    const QString task = w.Bezeichnung1->text();

    QTest::mouseClick(w.Bild5, Qt::LeftButton);
    ZFTLABEL& info = f.program().zftlabel();
    QVERIFY(info.isVisible());
    QCOMPARE(info.windowTitle(), QStringLiteral("Programm-Info"));
    QCOMPARE(info.Bezeichnung1->text(), QStringLiteral("O k a y"));
    QVERIFY(info.Bezeichnung6->text().contains(QStringLiteral("Ziftora")));
    QVERIFY(info.Bezeichnung6->text().contains(QStringLiteral("Version")));
    QVERIFY(info.Bezeichnung7->text().contains(QStringLiteral("Lizenz")));
    QVERIFY(w.isVisible());

    // Opening again shows the same one window.
    QTest::mouseClick(w.Bild5, Qt::LeftButton);
    QCOMPARE(&f.program().zftlabel(), &info);

    QTest::mouseClick(info.Bezeichnung1, Qt::LeftButton);
    QVERIFY(!info.isVisible());
    QVERIFY(w.isVisible());
    QCOMPARE(w.Bezeichnung1->text(), task);
    QCOMPARE(f.state().EntryText, QStringLiteral("3"));

    QTest::mouseClick(w.Bild5, Qt::LeftButton);
    QTest::mouseClick(info.Bild1, Qt::LeftButton);
    QVERIFY(!info.isVisible());
    QTest::mouseClick(w.Bild5, Qt::LeftButton);
    QTest::keyClick(&info, Qt::Key_Escape);
    QVERIFY(!info.isVisible());
    QVERIFY(f.dialogs.shown.size() == 1); // only the start-up message
}

QTEST_MAIN(TrainingWindowTests)
#include "training_window_tests.moc"
