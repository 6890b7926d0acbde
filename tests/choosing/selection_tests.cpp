// The child's choices in the training window: operation buttons, task-type list, level scroll bar
// and the practice number, driven by mouse and keyboard through the real window.

#include "program_fixture.h"

#include "engine/training_state.h"
#include "platform/list_box.h"
#include "platform/controls.h"
#include "training/error_list_window.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using Shown = ScriptedDialogs::Shown;

namespace {

// A started program whose start-up showed no message (an empty mandatory file loads no tasks).
void Start(ProgramFixture& f)
{
    f.WriteFile(QStringLiteral("ZIFTORA.DAT"), QByteArray());
    f.Start();
}

// Every task generation reseeds the random source once, so the reseeds count the new tasks.
int Tasks(ProgramFixture& f)
{
    return f.random.RandomizeCount();
}

// Puts a mark on the task on screen, so a test sees whether a new task replaced it.
void MarkTask(ProgramFixture& f)
{
    f.form1().Bezeichnung1->setText(QStringLiteral("alt"));
    f.state().ExpectedAnswer = QStringLiteral("alt");
}

bool TaskReplaced(ProgramFixture& f)
{
    return f.form1().Bezeichnung1->text() != QLatin1String("alt")
           && f.state().ExpectedAnswer != QLatin1String("alt") && !f.form1().Bezeichnung1->text().isEmpty();
}

void ClickEntry(ListBox* list, int index)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(index)).center());
}

} // namespace

class SelectionTests : public QObject {
    Q_OBJECT
private slots:
    void operationButtons_data();
    void operationButtons();
    void plusTwiceBringsTwoNewTasks();
    void levelScrollBar_data();
    void levelScrollBar();
    void levelByKeyboard();
    void levelByDraggingTheThumb();
    void taskTypeListByMouseAndKeyboard();
    void taskTypeListDuringErrorPractice();
    void taskTypeListDuringMandatoryMode();
    void practiceNumber_data();
    void practiceNumber();
    void practiceNumberMakesTimesTable();
};

void SelectionTests::operationButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("operation");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<int>("entries");
    QTest::addColumn<QString>("typeName");

    QTest::newRow("plus") << "Befehl12" << 1 << "+" << 8 << " Plus Einer";
    QTest::newRow("minus") << "Befehl13" << 2 << "-" << 8 << " Minus Einer";
    QTest::newRow("mal") << "Befehl14" << 3 << "*" << 7 << " Malaufgaben";
    QTest::newRow("geteilt") << "Befehl15" << 4 << ":" << 8 << " Teilaufgaben";
    QTest::newRow("zufällig") << "Befehl16" << 5 << "" << 1 << "Zufällige Auswahl";
}

void SelectionTests::operationButtons()
{
    QFETCH(QString, button);
    QFETCH(int, operation);
    QFETCH(QString, sign);
    QFETCH(int, entries);
    QFETCH(QString, typeName);

    ProgramFixture f;
    Start(f);
    Form1& w = f.form1();
    // Start from minus (or plus for the minus row), level 4, the third type, with counters and a
    // half-typed entry, so every change is visible.
    if (operation == 2)
        QTest::mouseClick(w.Befehl12, Qt::LeftButton);
    else
        QTest::mouseClick(w.Befehl13, Qt::LeftButton);
    w.HBildlauf1->setValue(4);
    w.Liste1->SetListIndex(2);
    QCOMPARE(int(f.state().TaskType), 3);
    w.CorrectCount = 5;
    w.ErrorCount = 2;
    QTest::keyClick(&w, '3');
    QCOMPARE(f.state().EntryText, QStringLiteral("3"));
    MarkTask(f);
    w.Befehl18->setFocus();
    const int before = Tasks(f);

    QTest::mouseClick(w.findChild<QPushButton*>(button), Qt::LeftButton);

    QCOMPARE(f.state().Operation, operation);
    QCOMPARE(int(f.state().TaskType), 1);
    QCOMPARE(f.state().Level, 4);
    QCOMPARE(w.Bezeichnung8->text(), QStringLiteral("Stufe 4"));
    QCOMPARE(w.Bezeichnung9->text(), sign);
    QCOMPARE(w.Bezeichnung7->text(), typeName);
    QCOMPARE(w.Liste1->ListCount(), entries);
    QCOMPARE(w.Liste1->List(0), typeName);
    QCOMPARE(w.Liste1->ListIndex(), 0);
    // The list fill brings one task and the button a second, which stays.
    QCOMPARE(Tasks(f) - before, 2);
    QVERIFY(TaskReplaced(f));
    QCOMPARE(f.state().EntryText, QString());
    QCOMPARE(w.Bezeichnung2->text(), QString());
    QCOMPARE(int(w.CorrectCount), 5);
    QCOMPARE(int(w.ErrorCount), 2);
    QCOMPARE(w.focusWidget(), w.Befehl11);
    QVERIFY(f.dialogs.shown.isEmpty());
}

void SelectionTests::plusTwiceBringsTwoNewTasks()
{
    ProgramFixture f;
    Start(f);
    Form1& w = f.form1();
    for (int click = 0; click < 2; ++click) {
        ClickEntry(w.Liste1, 4);
        QCOMPARE(int(f.state().TaskType), 5);
        MarkTask(f);
        const int before = Tasks(f);
        QTest::mouseClick(w.Befehl12, Qt::LeftButton);
        QCOMPARE(Tasks(f) - before, 2);
        QVERIFY(TaskReplaced(f));
        QCOMPARE(int(f.state().TaskType), 1);
        QCOMPARE(w.Liste1->ListIndex(), 0);
        QCOMPARE(w.Bezeichnung7->text(), QStringLiteral(" Plus Einer"));
    }
}

void SelectionTests::levelScrollBar_data()
{
    QTest::addColumn<int>("level");
    QTest::newRow("erste Stufe") << 1;
    QTest::newRow("mittlere Stufe") << 3;
    QTest::newRow("letzte Stufe") << 5;
}

void SelectionTests::levelScrollBar()
{
    QFETCH(int, level);
    ProgramFixture f;
    Start(f);
    Form1& w = f.form1();
    QCOMPARE(w.Bezeichnung8->text(), QStringLiteral("Stufe 2")); // start-up
    QTest::mouseClick(w.Befehl14, Qt::LeftButton);
    ClickEntry(w.Liste1, 5);
    MarkTask(f);
    const int before = Tasks(f);

    w.HBildlauf1->setValue(level);

    QCOMPARE(f.state().Level, level);
    QCOMPARE(w.Bezeichnung8->text(), QStringLiteral("Stufe ") + QString::number(level));
    QCOMPARE(Tasks(f) - before, 1);
    QVERIFY(TaskReplaced(f));
    QCOMPARE(f.state().Operation, 3);
    QCOMPARE(int(f.state().TaskType), 6);
    QCOMPARE(w.Bezeichnung7->text(), QStringLiteral(" Verdoppeln"));
}

void SelectionTests::levelByKeyboard()
{
    ProgramFixture f;
    Start(f);
    Form1& w = f.form1();
    QScrollBar* bar = w.HBildlauf1;
    bar->setFocus();

    // The arrow to the right raises the level, the one to the left lowers it, as the thumb moves.
    int before = Tasks(f);
    QTest::keyClick(bar, Qt::Key_Right);
    QCOMPARE(f.state().Level, 3);
    QCOMPARE(w.Bezeichnung8->text(), QStringLiteral("Stufe 3"));
    QCOMPARE(Tasks(f) - before, 1);

    before = Tasks(f);
    QTest::keyClick(bar, Qt::Key_Left);
    QTest::keyClick(bar, Qt::Key_Left);
    QCOMPARE(f.state().Level, 1);
    QCOMPARE(w.Bezeichnung8->text(), QStringLiteral("Stufe 1"));
    QCOMPARE(Tasks(f) - before, 2);
}

void SelectionTests::levelByDraggingTheThumb()
{
    ProgramFixture f;
    Start(f);
    Form1& w = f.form1();
    QScrollBar* bar = w.HBildlauf1;

    // Dragging the thumb from 2 down to 1 and on up to 5 passes five values: five tasks.
    const int before = Tasks(f);
    bar->setSliderDown(true);
    for (int v : {1, 2, 3, 4, 5}) {
        bar->setSliderPosition(v);
        QCOMPARE(w.Bezeichnung8->text(), QStringLiteral("Stufe ") + QString::number(v));
    }
    bar->setSliderDown(false);
    QCOMPARE(Tasks(f) - before, 5);
    QCOMPARE(f.state().Level, 5);
}

void SelectionTests::taskTypeListByMouseAndKeyboard()
{
    ProgramFixture f;
    Start(f);
    Form1& w = f.form1();
    w.HBildlauf1->setValue(3);
    MarkTask(f);
    int before = Tasks(f);

    ClickEntry(w.Liste1, 2);
    QCOMPARE(int(f.state().TaskType), 3);
    QCOMPARE(w.Bezeichnung7->text(), QStringLiteral(" Plus Zweistellig"));
    QCOMPARE(Tasks(f) - before, 1);
    QVERIFY(TaskReplaced(f));
    QCOMPARE(f.state().Operation, 1);
    QCOMPARE(f.state().Level, 3);

    w.Liste1->setFocus();
    before = Tasks(f);
    QTest::keyClick(w.Liste1, Qt::Key_Down);
    QCOMPARE(int(f.state().TaskType), 4);
    QCOMPARE(w.Bezeichnung7->text(), QStringLiteral(" Ergänze Zehner"));
    QCOMPARE(Tasks(f) - before, 1);
}

// The list does not look at error practice: the listed task on screen gives way to a new task,
// and the practice goes on with the next listed one.
void SelectionTests::taskTypeListDuringErrorPractice()
{
    ProgramFixture f;
    Start(f);
    Form1& w = f.form1();
    Form8& errors = f.program().form8();
    errors.AddError(QStringLiteral(" 4 + 4 = ?"), QStringLiteral("8"));
    errors.AddError(QStringLiteral(" 9 + 9 = ?"), QStringLiteral("18"));
    w.NextErrorTask();
    QVERIFY(w.ErrorPracticeActive());
    QCOMPARE(w.Bezeichnung1->text(), QStringLiteral(" 4 + 4 = ?"));

    ClickEntry(w.Liste1, 1);

    QCOMPARE(int(f.state().TaskType), 2);
    QCOMPARE(w.Bezeichnung7->text(), QStringLiteral(" Plus Zehner"));
    QVERIFY(w.Bezeichnung1->text() != QLatin1String(" 4 + 4 = ?"));
    QVERIFY(w.ErrorPracticeActive());
    QCOMPARE(errors.Liste1->Entries(), QStringList{QStringLiteral(" 9 + 9 = ?")});

    // The new task answered right: the next listed task follows.
    QTest::keyClicks(&w, f.state().ExpectedAnswer);
    QTest::keyClick(&w, Qt::Key_Return);
    QCOMPARE(w.Bezeichnung1->text(), QStringLiteral(" 9 + 9 = ?"));
    QCOMPARE(f.state().ExpectedAnswer, QStringLiteral("18"));
    QVERIFY(w.ErrorPracticeActive());
    QVERIFY(f.dialogs.shown.isEmpty());
}

void SelectionTests::taskTypeListDuringMandatoryMode()
{
    ProgramFixture f;
    Start(f);
    Form1& w = f.form1();
    ClickEntry(w.Liste1, 3);
    Twips::SetLeft(w.Befehl28, Form1::CoverOn);
    f.state().Operation = 6;
    const QString task = w.Bezeichnung1->text();
    const QString answer = f.state().ExpectedAnswer;
    const int before = Tasks(f);

    ClickEntry(w.Liste1, 6);
    w.Liste1->SetListIndex(1);

    QCOMPARE(int(f.state().TaskType), 4);
    QCOMPARE(w.Bezeichnung7->text(), QStringLiteral(" Ergänze Zehner"));
    QCOMPARE(w.Bezeichnung1->text(), task);
    QCOMPARE(f.state().ExpectedAnswer, answer);
    QCOMPARE(Tasks(f), before);
}

void SelectionTests::practiceNumber_data()
{
    QTest::addColumn<int>("setBefore");   // practice number set through the button first, 0 = none
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("answer");      // Yes or No to the question, 0 = no question
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("practiceNumber");
    QTest::addColumn<int>("newTasks");

    const QString question = QStringLiteral("< nun als Rechenzahl übernehmen?\r"
                                            "Beim Anklicken mit einem leeren Ergebnis\r"
                                            "wird diese Funktion dann wieder gelöscht.\r"
                                            "Es werden nur einstellige Zahlen gesetzt.\r"
                                            "Ab >Stufe 4< wird diese Eingabe ignoriert.");
    const QString q = QStringLiteral("Übungszahl");
    const QString twoDigits = QStringLiteral("Die Übungszahl muss einstellig sein!");
    const QString needDigit = QStringLiteral("Es muss eine einstellige Zahl im Ergebnis stehen!");

    QTest::newRow("7 ja") << 0 << "7" << 6 << "Die >7" + question << 36 << q << "7 üben" << 7 << 2;
    QTest::newRow("7 nein") << 0 << "7" << 7 << "Die >7" + question << 36 << q << "üben" << 0 << 0;
    QTest::newRow("3 statt 7") << 7 << "3" << 6 << "Die >3" + question << 36 << q << "3 üben" << 3 << 2;
    QTest::newRow("0 ja") << 0 << "0" << 6 << "Die >0" + question << 36 << q << "0 üben" << 0 << 2;
    QTest::newRow("Zeichen ja") << 0 << ">" << 6 << "Die >>" + question << 36 << q << "> üben" << 0 << 2;
    QTest::newRow("12 aus") << 0 << "12" << 0 << twoDigits << 0 << "Eingabefehler" << "üben" << 0 << 0;
    QTest::newRow("12 an") << 7 << "12" << 0 << twoDigits << 0 << "Eingabefehler" << "7 üben" << 7 << 0;
    QTest::newRow("leer an") << 7 << "" << 0 << "Übungsfunktion wurde deaktiviert." << 0 << "Üben" << "üben" << 0
                             << 0;
    QTest::newRow("leer aus") << 0 << "" << 0 << needDigit << 0 << q << "üben" << 0 << 0;
}

void SelectionTests::practiceNumber()
{
    QFETCH(int, setBefore);
    QFETCH(QString, typed);
    QFETCH(int, answer);
    QFETCH(QString, message);
    QFETCH(int, style);
    QFETCH(QString, title);
    QFETCH(QString, caption);
    QFETCH(int, practiceNumber);
    QFETCH(int, newTasks);

    ProgramFixture f;
    Start(f);
    Form1& w = f.form1();
    if (setBefore) {
        QTest::keyClicks(&w, QString::number(setBefore));
        f.dialogs.AnswerMsg(6);
        QTest::mouseClick(w.Befehl17, Qt::LeftButton);
        QCOMPARE(f.state().PracticeNumber, setBefore);
        f.dialogs.Take();
    }
    ClickEntry(w.Liste1, 2);
    QTest::keyClicks(&w, typed);
    QCOMPARE(f.state().EntryText, typed);
    MarkTask(f);
    if (answer)
        f.dialogs.AnswerMsg(answer);
    const int before = Tasks(f);

    QTest::mouseClick(w.Befehl17, Qt::LeftButton);

    QCOMPARE(f.dialogs.Take(), QList<Shown>{ScriptedDialogs::Msg(message, style, title)});
    QCOMPARE(w.Befehl17->text(), caption);
    QCOMPARE(f.state().PracticeNumber, practiceNumber);
    QCOMPARE(Tasks(f) - before, newTasks);
    QCOMPARE(int(f.state().TaskType), 1); // the button always goes back to the first type
    QCOMPARE(w.focusWidget(), w.Befehl11);
    if (newTasks) {
        QVERIFY(TaskReplaced(f));
        QCOMPARE(w.Liste1->ListIndex(), 0);
        QCOMPARE(w.Bezeichnung7->text(), QStringLiteral(" Plus Einer"));
        QCOMPARE(f.state().EntryText, QString());
    } else {
        // Without a new task the entry stays for another try.
        QCOMPARE(w.Bezeichnung1->text(), QStringLiteral("alt"));
        QCOMPARE(f.state().EntryText, typed);
    }

    // A zero taken over counts as off: the next press with an empty entry asks for a digit.
    if (typed == QLatin1String("0") && answer == 6) {
        QTest::mouseClick(w.Befehl17, Qt::LeftButton);
        QCOMPARE(f.dialogs.Take(), QList<Shown>{ScriptedDialogs::Msg(
                                       QStringLiteral("Es muss eine einstellige Zahl im Ergebnis stehen!"), 0,
                                       QStringLiteral("Übungszahl"))});
        QCOMPARE(w.Befehl17->text(), QStringLiteral("üben"));
    }
}

void SelectionTests::practiceNumberMakesTimesTable()
{
    ProgramFixture f;
    Start(f);
    Form1& w = f.form1();
    QTest::mouseClick(w.Befehl14, Qt::LeftButton);
    w.HBildlauf1->setValue(1);
    QTest::keyClick(&w, '7');
    f.dialogs.AnswerMsg(6);
    QTest::mouseClick(w.Befehl17, Qt::LeftButton);
    QVERIFY(w.Bezeichnung1->text().endsWith(QStringLiteral(" \u00B7 7 = ?")));

    // Operation and level changes keep the number.
    QTest::mouseClick(w.Befehl12, Qt::LeftButton);
    QTest::mouseClick(w.Befehl14, Qt::LeftButton);
    w.HBildlauf1->setValue(2);
    QCOMPARE(f.state().PracticeNumber, 7);
    QCOMPARE(w.Befehl17->text(), QStringLiteral("7 üben"));
    QVERIFY(w.Bezeichnung1->text().endsWith(QStringLiteral(" \u00B7 7 = ?")));
}

QTEST_MAIN(SelectionTests)
#include "selection_tests.moc"
