// Error practice: the listed tasks come back first in, first out, until the list is empty.

#include "answering_support.h"

class ErrorPracticeTests : public QObject {
    Q_OBJECT
private slots:
    void listedTasksComeBackAsAQueue();
    void equalAnswersLeaveTheSortedListOneAtATime();
    void coverTellsHowManyTasksAreLeft();
    void emptyListResetsTheErrorCounter();
};

void ErrorPracticeTests::listedTasksComeBackAsAQueue()
{
    ProgramFixture f;
    StartQuietly(f);
    Form1& w = f.form1();
    const QString a = QStringLiteral("2 + 3 = ?");
    const QString b = QStringLiteral("4 + 5 = ?");
    AnswerWrongly(f, {a, b}, {QStringLiteral("5"), QStringLiteral("9")});

    w.NextErrorTask(); // as the user change's "Ja" starts it
    QVERIFY(PracticeCoverOn(f));
    QCOMPARE(w.Bezeichnung1->text(), a);
    QCOMPARE(ErrorTasks(f), QStringList{b});
    QCOMPARE(SortedAnswers(f), QStringList{QStringLiteral("9")});

    // Wrong: the task stays on screen and goes to the end of the list.
    Answer(f, QStringLiteral("6"));
    QCOMPARE(w.Bezeichnung1->text(), a);
    QCOMPARE(ErrorTasks(f), (QStringList{b, a}));
    QCOMPARE(ErrorAnswers(f), (QStringList{QStringLiteral("9"), QStringLiteral("5")}));
    QCOMPARE(SortedAnswers(f), (QStringList{QStringLiteral("5"), QStringLiteral("9")}));
    QCOMPARE(w.Bezeichnung3->text(), QStringLiteral("3"));
    f.dialogs.Take();

    // Right answers move on without being counted while listed tasks remain.
    Answer(f, QStringLiteral("5"));
    QCOMPARE(w.Bezeichnung1->text(), b);
    Answer(f, QStringLiteral("9"));
    QCOMPARE(w.Bezeichnung1->text(), a);
    QCOMPARE(w.Bezeichnung4->text(), QStringLiteral("0"));
    QVERIFY(PracticeCoverOn(f));
    QVERIFY(ErrorTasks(f).isEmpty());

    // The last one ends practice and counts like a normal answer.
    Answer(f, QStringLiteral("5"));
    QVERIFY(!PracticeCoverOn(f));
    QCOMPARE(w.Bezeichnung4->text(), QStringLiteral("1"));
    QCOMPARE(w.Bezeichnung3->text(), QStringLiteral("0"));
    QVERIFY(w.Bezeichnung1->text() != a);
    QVERIFY(f.dialogs.shown.isEmpty());
}

void ErrorPracticeTests::equalAnswersLeaveTheSortedListOneAtATime()
{
    ProgramFixture f;
    StartQuietly(f);
    AnswerWrongly(f, {QStringLiteral("3 · 4 = ?"), QStringLiteral("1 + 2 = ?"), QStringLiteral("6 + 6 = ?")},
                  {QStringLiteral("12"), QStringLiteral("3"), QStringLiteral("12")});
    QCOMPARE(SortedAnswers(f), (QStringList{QStringLiteral("12"), QStringLiteral("12"), QStringLiteral("3")}));

    f.form1().NextErrorTask();
    QCOMPARE(f.state().ExpectedAnswer, QStringLiteral("12"));
    QCOMPARE(SortedAnswers(f), (QStringList{QStringLiteral("12"), QStringLiteral("3")}));
    Answer(f, QStringLiteral("12"));
    QCOMPARE(f.form1().Bezeichnung1->text(), QStringLiteral("1 + 2 = ?"));
    QCOMPARE(SortedAnswers(f), QStringList{QStringLiteral("12")});
    QCOMPARE(ErrorAnswers(f), QStringList{QStringLiteral("12")});
}

void ErrorPracticeTests::coverTellsHowManyTasksAreLeft()
{
    ProgramFixture f;
    StartQuietly(f);
    AnswerWrongly(f, {QStringLiteral("A"), QStringLiteral("B")}, {QStringLiteral("1"), QStringLiteral("2")});
    f.form1().NextErrorTask();
    for (const char* left : {" 1", " 0"}) {
        const QString task = f.form1().Bezeichnung1->text();
        QTest::mouseClick(f.form1().Befehl22, Qt::LeftButton);
        QCOMPARE(f.dialogs.Take(), Boxes{ScriptedDialogs::Msg(QStringLiteral("Es sind noch") + QLatin1String(left)
                                                                  + QStringLiteral(" Fehleraufgaben!\r"),
                                                              0, QStringLiteral("Fehlerliste"))});
        QCOMPARE(f.form1().Bezeichnung1->text(), task); // nothing else changes
        Answer(f, f.state().ExpectedAnswer);
    }
}

void ErrorPracticeTests::emptyListResetsTheErrorCounter()
{
    ProgramFixture f;
    StartQuietly(f);
    PutTask(f, QStringLiteral("Aufgabe"), QStringLiteral("8"));
    f.form1().ErrorCount = 7;
    f.form1().NextErrorTask();
    QVERIFY(!PracticeCoverOn(f));
    QCOMPARE(f.form1().Bezeichnung3->text(), QStringLiteral("0"));
    QCOMPARE(f.form1().ErrorCount, std::int16_t(0));
    QCOMPARE(f.form1().Bezeichnung1->text(), QStringLiteral("Aufgabe"));
}

QTEST_MAIN(ErrorPracticeTests)
#include "error_practice_tests.moc"
