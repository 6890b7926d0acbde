// The child's answer: typing and deleting, the check with its messages and counters, the
// eleventh error, the password of the teacher functions, the evaluation and the reward check.

#include "answering_support.h"

#include <functional>

class AnswerEntryTests : public QObject {
    Q_OBJECT
private slots:
    void typingBuildsTheEntry_data();
    void typingBuildsTheEntry();
    void deletingFollowsEachKeysRule_data();
    void deletingFollowsEachKeysRule();
    void emptyEntryIsRefused();
    void rightAnswerIsCountedAndBringsTheNextTask();
    void wrongAnswerIsReportedListedOnceAndCounted();
    void eleventhErrorStartsPractice();
    void errorCountStopsAtItsLargestValue();
    void passwordGuardsTheErrorList_data();
    void passwordGuardsTheErrorList();
    void worksheetIconAsksThePassword();
    void evaluation_data();
    void evaluation();
    void rewardInformationShowsTheSettingsValue();
    void rewardCheckAtTwentyOpensTheChooser();
    void rewardCheckWithListedErrorsStartsPractice();
};

namespace {

// Presses keys on the keypad with the mouse: digits, "<", "=", ">", and "E" for "Entf".
void Click(Form1& w, const QString& keys)
{
    for (const QChar k : keys) {
        QPushButton* const digits[] = {w.Befehl10, w.Befehl1, w.Befehl2, w.Befehl3, w.Befehl4,
                                       w.Befehl5,  w.Befehl6, w.Befehl7, w.befehl8, w.befehl9};
        QPushButton* b = k.isDigit() ? digits[k.digitValue()]
                         : k == u'<' ? w.Befehl21
                         : k == u'=' ? w.Befehl20
                         : k == u'>' ? w.Befehl19
                                     : w.Befehl18;
        QTest::mouseClick(b, Qt::LeftButton);
    }
}

} // namespace

void AnswerEntryTests::typingBuildsTheEntry_data()
{
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("entry");
    QTest::newRow("remainder R after the quotient") << "7R3" << "7" << "7R";
    QTest::newRow("remainder answer complete") << "7R3" << "73" << "7R3";
    QTest::newRow("R follows the position") << "7R3" << "17" << "1R7";
    QTest::newRow("two-digit quotient") << "12R3" << "123" << "12R3";
    QTest::newRow("signs replace") << ">" << "><=" << "=";
    QTest::newRow("digit after a sign") << "=" << ">5" << ">5";
    QTest::newRow("eleven digits keep ten") << "5" << "12345678901" << "1234567890";
    QTest::newRow("no R beyond ten characters") << "1234567890R1" << "12345678901" << "1234567890";
}

void AnswerEntryTests::typingBuildsTheEntry()
{
    QFETCH(QString, expected);
    QFETCH(QString, keys);
    QFETCH(QString, entry);
    for (const bool byMouse : {false, true}) {
        ProgramFixture f;
        StartQuietly(f);
        PutTask(f, QStringLiteral("Aufgabe"), expected);
        if (byMouse)
            Click(f.form1(), keys);
        else
            Type(f, keys);
        QCOMPARE(f.form1().Bezeichnung2->text(), entry);
        QCOMPARE(f.state().EntryText, entry);
        QVERIFY(f.dialogs.shown.isEmpty());
    }
}

void AnswerEntryTests::deletingFollowsEachKeysRule_data()
{
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("keys"); // "E" is "Entf", "B" is Backspace
    QTest::addColumn<QString>("entry");
    QTest::newRow("Entf takes the R for good") << "7R3" << "7E3" << "73";
    QTest::newRow("Backspace takes the R for good") << "7R3" << "7B3" << "73";
    QTest::newRow("Entf on one digit") << "5" << "4E" << "";
    QTest::newRow("Entf on nothing") << "5" << "E" << "";
    QTest::newRow("Backspace on two digits") << "5" << "12B" << "1";
    QTest::newRow("Backspace on nothing") << "5" << "BB" << "";
    QTest::newRow("Entf then more digits") << "5" << "123E4" << "124";
}

void AnswerEntryTests::deletingFollowsEachKeysRule()
{
    QFETCH(QString, expected);
    QFETCH(QString, keys);
    QFETCH(QString, entry);
    ProgramFixture f;
    StartQuietly(f);
    PutTask(f, QStringLiteral("Aufgabe"), expected);
    for (const QChar k : keys) {
        if (k == u'B')
            QTest::keyClick(f.form1().Befehl11, Qt::Key_Backspace);
        else
            Click(f.form1(), QString(k));
    }
    QCOMPARE(f.form1().Bezeichnung2->text(), entry);
    QCOMPARE(f.state().EntryText, entry);
}

void AnswerEntryTests::emptyEntryIsRefused()
{
    ProgramFixture f;
    StartQuietly(f);
    PutTask(f, QStringLiteral("7 + 5 = ?"), QStringLiteral("12"));
    Enter(f);
    QCOMPARE(f.dialogs.Take(), Boxes{ScriptedDialogs::Msg(QStringLiteral("Bitte Ergebnis eintragen!\r"), 0,
                                                          QStringLiteral("Leeres Ergebnisfeld"))});
    QCOMPARE(f.dialogs.beeps, 0);
    QCOMPARE(f.form1().Bezeichnung1->text(), QStringLiteral("7 + 5 = ?"));
    QCOMPARE(f.form1().Bezeichnung3->text(), QStringLiteral("0"));
    QCOMPARE(f.form1().Bezeichnung4->text(), QStringLiteral("0"));
    QVERIFY(ErrorTasks(f).isEmpty());
}

void AnswerEntryTests::rightAnswerIsCountedAndBringsTheNextTask()
{
    ProgramFixture f;
    StartQuietly(f);
    Form1& w = f.form1();
    for (int n = 1; n <= 2; ++n) {
        PutTask(f, QStringLiteral("Aufgabe"), QStringLiteral("7R3"));
        Answer(f, QStringLiteral("73"));
        QVERIFY(f.dialogs.shown.isEmpty());
        QCOMPARE(w.Bezeichnung4->text(), QString::number(n));
        QCOMPARE(w.Bezeichnung3->text(), QStringLiteral("0"));
        QVERIFY(w.Bezeichnung1->text() != QStringLiteral("Aufgabe")); // a generated task
        QVERIFY(!f.state().ExpectedAnswer.isEmpty());
        QCOMPARE(w.Bezeichnung2->text(), QString());
        QCOMPARE(f.state().EntryText, QString());
    }
    QVERIFY(ErrorTasks(f).isEmpty());
}

void AnswerEntryTests::wrongAnswerIsReportedListedOnceAndCounted()
{
    ProgramFixture f;
    StartQuietly(f);
    Form1& w = f.form1();
    PutTask(f, QStringLiteral("3 + 4 = ?"), QStringLiteral("7"));
    Answer(f, QStringLiteral("07")); // answers are compared as text
    QCOMPARE(f.dialogs.Take(), Boxes{WrongBox});
    QCOMPARE(f.dialogs.beeps, 1);
    QCOMPARE(w.Bezeichnung1->text(), QStringLiteral("3 + 4 = ?")); // the task stays for another try
    QCOMPARE(w.Bezeichnung2->text(), QString());
    QCOMPARE(f.state().EntryText, QString());
    QCOMPARE(w.Bezeichnung3->text(), QStringLiteral("1"));

    Answer(f, QStringLiteral("8"));
    QCOMPARE(f.dialogs.Take(), Boxes{WrongBox});
    QCOMPARE(f.dialogs.beeps, 2);
    QCOMPARE(w.Bezeichnung3->text(), QStringLiteral("2"));
    QCOMPARE(w.Bezeichnung4->text(), QStringLiteral("0"));

    PutTask(f, QStringLiteral("9 + 3 = ?"), QStringLiteral("12"));
    Answer(f, QStringLiteral("13"));
    QCOMPARE(ErrorTasks(f), (QStringList{QStringLiteral("3 + 4 = ?"), QStringLiteral("9 + 3 = ?")}));
    QCOMPARE(ErrorAnswers(f), (QStringList{QStringLiteral("7"), QStringLiteral("12")}));
    QCOMPARE(SortedAnswers(f), (QStringList{QStringLiteral("12"), QStringLiteral("7")}));
    QCOMPARE(w.Bezeichnung3->text(), QStringLiteral("3"));
    QVERIFY(!PracticeCoverOn(f));
}

void AnswerEntryTests::eleventhErrorStartsPractice()
{
    ProgramFixture f;
    StartQuietly(f);
    Form1& w = f.form1();
    for (int i = 1; i <= 10; ++i) {
        PutTask(f, QStringLiteral("%1 + 1 = ?").arg(i), QString::number(i + 1));
        Answer(f, QStringLiteral("0"));
    }
    QCOMPARE(w.Bezeichnung3->text(), QStringLiteral("10"));
    QVERIFY(!PracticeCoverOn(f));
    QCOMPARE(w.Bezeichnung1->text(), QStringLiteral("10 + 1 = ?"));

    // The eleventh error (the same task again, so nothing is added) brings the first listed task.
    Answer(f, QStringLiteral("0"));
    QCOMPARE(w.Bezeichnung3->text(), QStringLiteral("11"));
    QVERIFY(PracticeCoverOn(f));
    QCOMPARE(w.Bezeichnung1->text(), QStringLiteral("1 + 1 = ?"));
    QCOMPARE(f.state().ExpectedAnswer, QStringLiteral("2"));
    QCOMPARE(ErrorTasks(f).size(), 9);
    QCOMPARE(f.dialogs.beeps, 11);

    // Every further error moves on to the next listed task; the wrong one goes to the end.
    Answer(f, QStringLiteral("5"));
    QCOMPARE(w.Bezeichnung1->text(), QStringLiteral("2 + 1 = ?"));
    QCOMPARE(ErrorTasks(f).last(), QStringLiteral("1 + 1 = ?"));
    QCOMPARE(w.Bezeichnung3->text(), QStringLiteral("12"));
}

void AnswerEntryTests::errorCountStopsAtItsLargestValue()
{
    ProgramFixture f;
    StartQuietly(f);
    f.form1().ErrorCount = 32766;
    for (int i = 0; i < 3; ++i) {
        PutTask(f, QStringLiteral("Aufgabe %1").arg(i), QStringLiteral("1"));
        Answer(f, QStringLiteral("2"));
        QCOMPARE(f.form1().ErrorCount, std::int16_t(32767));
        QCOMPARE(f.form1().Bezeichnung3->text(), QStringLiteral("32767"));
    }
    f.form1().CorrectCount = 1;
    f.dialogs.Take();
    f.form1().Bild2_Click();
    QVERIFY(f.dialogs.Take().first().text.startsWith(QStringLiteral("Du hast 3276700% Fehler:")));
}

void AnswerEntryTests::passwordGuardsTheErrorList_data()
{
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("granted");
    QTest::newRow("the answer") << "12" << "12" << true;
    QTest::newRow("comparison sign") << "<" << "<" << true;
    QTest::newRow("remainder form") << "7R3" << "7R3" << true;
    QTest::newRow("small r") << "7R3" << "7r3" << false;
    QTest::newRow("blank in front") << "12" << " 12" << false;
    QTest::newRow("another number") << "12" << "13" << false;
    QTest::newRow("cancelled") << "12" << "" << false;
}

void AnswerEntryTests::passwordGuardsTheErrorList()
{
    QFETCH(QString, expected);
    QFETCH(QString, typed);
    QFETCH(bool, granted);
    ProgramFixture f;
    StartQuietly(f);
    Form1& w = f.form1();
    Form8& errors = f.program().form8();
    PutTask(f, QStringLiteral("Aufgabe"), expected);
    Type(f, QStringLiteral("4"));
    const QString entry = f.state().EntryText;
    f.dialogs.AnswerInput(typed);

    QTest::mouseClick(w.Bild8, Qt::LeftButton);
    QCOMPARE(f.dialogs.Take(),
             Boxes{ScriptedDialogs::Input(QStringLiteral("Passwort eingeben:"), QStringLiteral("Ziftora"))});
    QCOMPARE(w.isVisible(), !granted);
    QCOMPARE(errors.isVisible(), granted);
    if (granted)
        QCOMPARE(errors.Bezeichnung4->text(), QStringLiteral("Standardbenutzer"));
    QCOMPARE(f.state().EntryText, entry);
    QCOMPARE(f.state().ExpectedAnswer, expected);
    QCOMPARE(w.Bezeichnung1->text(), QStringLiteral("Aufgabe"));
}

void AnswerEntryTests::worksheetIconAsksThePassword()
{
    ProgramFixture f;
    StartQuietly(f);
    PutTask(f, QStringLiteral("Aufgabe"), QStringLiteral("9"));
    f.dialogs.AnswerInput(QStringLiteral("9"));
    QTest::mouseClick(f.form1().Bild6, Qt::LeftButton);
    QCOMPARE(f.dialogs.Take(),
             Boxes{ScriptedDialogs::Input(QStringLiteral("Passwort eingeben:"), QStringLiteral("Ziftora"))});
    QVERIFY(f.form1().isVisible());
}

void AnswerEntryTests::evaluation_data()
{
    QTest::addColumn<int>("errors");
    QTest::addColumn<int>("right");
    QTest::addColumn<QString>("text");
    const QString pre = QStringLiteral("Du hast");
    const auto row = [&](const char* name, int errors, int right, const char* percent, const char* praise) {
        QTest::newRow(name) << errors << right
                            << pre + QLatin1String(percent) + QStringLiteral("% Fehler:\n\r\n\r")
                                   + QString::fromUtf8(praise);
    };
    QTest::newRow("no right answer yet") << 4 << 0 << QStringLiteral("Du hast noch keine richtige Lösung!");
    row("70", 7, 10, " 70", "Du machst zu viele Fehler!");
    row("above 100", 25, 10, " 250", "Du machst zu viele Fehler!");
    row("60", 6, 10, " 60", "Du musst viel mehr üben!");
    row("50 against right answers", 5, 10, " 50", "Du musst noch etwas üben!");
    row("40", 4, 10, " 40", "Das geht gerade noch so!");
    row("30", 3, 10, " 30", "Schon recht ordentlich!");
    row("29 stays 29", 29, 100, " 29", "Das klappt schon fast gut!");
    row("25", 3, 12, " 25", "Das klappt schon fast gut!");
    row("10", 1, 10, " 10", "Das hast du gut gemacht!");
    row("5", 1, 20, " 5", "Das hast du prima gemacht!");
    row("4.9", 49, 1000, " 4", "Das ist einfach Spitze!");
    row("none", 0, 3, " 0", "Das ist einfach Spitze!");
}

void AnswerEntryTests::evaluation()
{
    QFETCH(int, errors);
    QFETCH(int, right);
    QFETCH(QString, text);
    ProgramFixture f;
    StartQuietly(f);
    f.form1().ErrorCount = std::int16_t(errors);
    f.form1().CorrectCount = right;
    QTest::mouseClick(f.form1().Bild2, Qt::LeftButton);
    QCOMPARE(f.dialogs.Take(), Boxes{ScriptedDialogs::Msg(text, 64, QStringLiteral("Fehler"))});
    QCOMPARE(f.form1().ErrorCount, std::int16_t(errors));
}

void AnswerEntryTests::rewardInformationShowsTheSettingsValue()
{
    for (const QByteArray& setting : {QByteArray(), QByteArray("30\r\n")}) {
        ProgramFixture f;
        if (!setting.isEmpty())
            f.WriteFile(QStringLiteral("ZIFTORA.INF"), setting);
        StartQuietly(f);
        QTest::mouseClick(f.form1().Bild3, Qt::LeftButton);
        const QString n = setting.isEmpty() ? QStringLiteral("20") : QStringLiteral("30");
        QCOMPARE(f.dialogs.Take(), Boxes{ScriptedDialogs::Msg(QStringLiteral("Nach ") + n
                                                                  + QStringLiteral(" Aufgaben gibt es eine Spielrunde!"),
                                                              64, QStringLiteral("Belohnung"))});
    }
}

void AnswerEntryTests::rewardCheckAtTwentyOpensTheChooser()
{
    for (const bool chooserPresent : {true, false}) {
        ProgramFixture f;
        f.WriteFile(QStringLiteral("ZIFTORA.INF"), "30"); // the reward still follows the step of 20
        StartQuietly(f);
        Form1& w = f.form1();
        int chooserShown = 0;
        if (chooserPresent)
            f.program().showRewardChooser = [&] { ++chooserShown; };
        w.ErrorCount = 3;
        w.CorrectCount = 18;
        for (int n = 19; n <= 20; ++n) {
            PutTask(f, QStringLiteral("Aufgabe"), QStringLiteral("6"));
            Answer(f, QStringLiteral("6"));
            QCOMPARE(w.Bezeichnung4->text(), QString::number(n));
            QCOMPARE(chooserShown, n == 20 && chooserPresent ? 1 : 0);
        }
        QCOMPARE(w.Bezeichnung3->text(), QStringLiteral("0"));
        QCOMPARE(w.ErrorCount, std::int16_t(0));
        QCOMPARE(w.isVisible(), !chooserPresent);
        QVERIFY(!PracticeCoverOn(f));
        QVERIFY(w.Bezeichnung1->text() != QStringLiteral("Aufgabe"));
        QVERIFY(f.dialogs.shown.isEmpty());
    }
}

void AnswerEntryTests::rewardCheckWithListedErrorsStartsPractice()
{
    ProgramFixture f;
    StartQuietly(f);
    Form1& w = f.form1();
    int chooserShown = 0;
    f.program().showRewardChooser = [&] { ++chooserShown; };
    AnswerWrongly(f, {QStringLiteral("A"), QStringLiteral("B")}, {QStringLiteral("1"), QStringLiteral("2")});
    w.CorrectCount = 39;
    PutTask(f, QStringLiteral("Aufgabe"), QStringLiteral("6"));
    Answer(f, QStringLiteral("6"));
    QCOMPARE(w.Bezeichnung4->text(), QStringLiteral("40"));
    QCOMPARE(chooserShown, 0);
    QVERIFY(w.isVisible());
    QVERIFY(PracticeCoverOn(f));
    QCOMPARE(w.Bezeichnung1->text(), QStringLiteral("A"));
    QCOMPARE(ErrorTasks(f), QStringList{QStringLiteral("B")});
    QCOMPARE(w.Bezeichnung3->text(), QStringLiteral("2"));
}

QTEST_MAIN(AnswerEntryTests)
#include "answer_entry_tests.moc"
