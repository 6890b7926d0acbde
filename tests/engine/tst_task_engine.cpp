#include "engine_rig.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

using ScriptedRig = EngineRig<ScriptedRandom>;
using LiveRig = EngineRig<ProgramRandom>;

class TaskEngineTests : public QObject {
    Q_OBJECT

private slots:
    void numberRenderings_data();
    void numberRenderings();
    void taskTypeLists_data();
    void taskTypeLists();
    void listSelectionInMandatoryModeChangesNothing();

    void exactTask_data();
    void exactTask();

    void practiceNumber_data();
    void practiceNumber();
    void randomSelectionReachesEveryOperationAndMinusForm();

    void mandatoryTasksAreServedInOrder();
    void mandatoryListEnds_data();
    void mandatoryListEnds();
    void endOfMandatoryListNestsOneRunAndKeepsItsOwnTask();

    void twentyRunsInARowDiffer();
};

void TaskEngineTests::numberRenderings_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<QString>("s");
    QTest::addColumn<QString>("d");
    QTest::newRow("zero") << 0 << " 0" << "0";
    QTest::newRow("digit") << 7 << " 7" << "7";
    QTest::newRow("six digits") << 100008 << " 100008" << "100008";
    QTest::newRow("negative") << -3 << "-3" << "3";
    QTest::newRow("negative tens") << -120 << "-120" << "120";
}

void TaskEngineTests::numberRenderings()
{
    QFETCH(int, x);
    QFETCH(QString, s);
    QFETCH(QString, d);
    QCOMPARE(S(x), s);
    QCOMPARE(D(x), d);
}

void TaskEngineTests::taskTypeLists_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("plus") << 1 << QStringList{" Plus Einer", " Plus Zehner", " Plus Zweistellig",
        " Ergänze Zehner", " Ergänze Hundert", " Umkehrungen", " Plusketten", " Groß-Klein"};
    QTest::newRow("minus") << 2 << QStringList{" Minus Einer", " Minus Zehner", " Minus zweistellig",
        " Ergänze Zehner", " Ergänze Hundert", " Umkehrungen", " Minusketten", " Groß-Klein"};
    QTest::newRow("times") << 3 << QStringList{" Malaufgaben", " Ergänzungen", " Umkehrungen",
        " Malketten", " Punkt-Strich", " Verdoppeln", " Groß-Klein"};
    QTest::newRow("divide") << 4 << QStringList{" Teilaufgaben", " Ergänzungen", " Umkehrungen",
        " Teilketten", " Punkt-Strich", " Restaufgaben", " Halbieren", " Groß-Klein"};
    QTest::newRow("random") << 5 << QStringList{"Zufällige Auswahl"};
    QTest::newRow("mandatory") << 6 << QStringList{" Pflichtaufgaben "};
    QTest::newRow("unknown operation") << 0 << QStringList{"Zufällige Auswahl"};
}

// Outside mandatory mode the list fills, selects its first entry, and that selection alone puts a
// task of the first type on screen.
void TaskEngineTests::taskTypeLists()
{
    QFETCH(int, operation);
    QFETCH(QStringList, entries);
    QCOMPARE(TaskTypeEntries(operation), entries);
    if (operation == 6)
        return; // filled in mandatory mode only: listSelectionInMandatoryModeChangesNothing

    LiveRig rig(operation, 5, 2);
    rig.screen.taskTypes = QStringList{"old entry"};
    rig.engine.FillTaskTypeList();
    QCOMPARE(rig.screen.taskTypes, entries);
    QCOMPARE(rig.screen.selected, 0);
    QCOMPARE(rig.state.TaskType, 1);
    QCOMPARE(rig.screen.listRuns, 1);
    QVERIFY(!rig.screen.taskText.isEmpty());
}

void TaskEngineTests::listSelectionInMandatoryModeChangesNothing()
{
    ScriptedRig rig(6, 3, 2);
    rig.screen.mandatoryMode = true;
    rig.screen.mandatory = QStringList{"4 + 4 = ?", "8"};
    rig.engine.FillTaskTypeList();
    QCOMPARE(rig.screen.taskTypes, QStringList{" Pflichtaufgaben "});
    QCOMPARE(rig.state.TaskType, 3);
    QVERIFY(rig.screen.shown.isEmpty());
    QCOMPARE(rig.random.RandomizeCount(), 0);
}

// Each row scripts every draw of one run: the common draw of A, B and C from 1..10, then the
// further draws "value@lo..hi" in the order the task needs them. A script that is too long or too
// short fails, so the rows also pin down which draws each task makes.
void TaskEngineTests::exactTask_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("practice");
    QTest::addColumn<QList<int>>("common");
    QTest::addColumn<QString>("more");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("answer");
    const auto row = [](const char* name, int op, int type, int level, int practice, QList<int> abc,
                         const char* more, const char* text, const char* answer) {
        QTest::newRow(name) << op << type << level << practice << abc << QString::fromUtf8(more)
                            << QString::fromUtf8(text) << QString::fromUtf8(answer);
    };
    const char* plus = "7@1..9 3@1..9 5@1..9";
    row("plus 1 Einer", 1, 1, 1, 0, {1, 1, 1}, plus, "7 + 5 = ?", "12");
    row("plus 2 Zehner", 1, 2, 1, 0, {1, 1, 1}, plus, "7 + 50 = ?", "57");
    row("plus 3 Zweistellig", 1, 3, 1, 0, {1, 1, 1}, "7@1..9 3@1..9 5@1..9 3@1..10", "5 + 37 = ?", "42");
    row("plus 4 Ergänze Zehner", 1, 4, 1, 0, {1, 1, 1}, plus, "5 + 7 = ?", "12");
    row("plus 5 Ergänze Hundert", 1, 5, 1, 0, {1, 1, 1}, plus, "7 + ? = 12", "5");
    row("plus 6 Umkehrungen", 1, 6, 1, 0, {1, 1, 1}, plus, "? + 7 = 12", "5");
    row("plus 7 Plusketten", 1, 7, 1, 0, {1, 1, 1}, plus, "7 + 3 + 5 = ?", "15");
    row("plus 8 equal", 1, 8, 1, 0, {1, 1, 1}, "7@1..9 3@1..9 5@1..9 0@0..2", "7 + 5 <=> 12", "=");
    row("plus 8 right larger", 1, 8, 1, 0, {1, 1, 1}, "7@1..9 3@1..9 5@1..9 1@0..2", "7 + 5 <=> 13", "<");
    row("plus 8 right smaller", 1, 8, 1, 0, {1, 1, 1}, "7@1..9 3@1..9 5@1..9 2@0..2", "7 + 5 <=> 11", ">");
    row("plus 8 level 4 below zero", 1, 8, 4, 0, {1, 1, 1}, "3@1..9 1@1..9 4@1..9 3@1..9990 2@0..2",
        "3 + 4 <=>-3", ">");
    row("plus 7 level 5 largest", 1, 7, 5, 0, {1, 1, 1}, "1@1..9 9@1..9 9@1..9 99990@1..99990",
        "99990 + 9 + 9 = ?", "100008");
    row("plus ignores practice", 1, 1, 2, 7, {1, 1, 1}, "2@1..9 1@1..9 5@1..9 42@1..90", "42 + 5 = ?", "47");

    row("minus 1 Minus Einer", 2, 1, 1, 0, {7, 3, 5}, "", " 15 - 7 = ?", "8");
    row("minus 2 Minus Zehner", 2, 2, 1, 0, {7, 3, 5}, "", " 15 - 7 = ?", "8");
    row("minus 3 Minus zweistellig", 2, 3, 1, 0, {7, 3, 5}, "", " 15 - 7 = ?", "8");
    row("minus 4 Ergänze Zehner", 2, 4, 1, 0, {7, 3, 5}, "", " 15 - ? = 7", "8");
    row("minus 5 Ergänze Hundert", 2, 5, 1, 0, {7, 3, 5}, "", " 15 - ? = 7", "8");
    row("minus 6 Umkehrungen", 2, 6, 1, 0, {7, 3, 5}, "", " ? - 7 = 8", "15");
    row("minus 7 Minusketten", 2, 7, 1, 0, {7, 3, 5}, "", " 15 - 3 - 7 = ?", "5");
    row("minus 8 Groß-Klein", 2, 8, 1, 0, {4, 1, 9}, "1@0..2", " 9 - 4 <=> 6", "<");
    row("minus level 2", 2, 1, 2, 0, {7, 3, 5}, "47@1..90", " 57 - 7 = ?", "50");
    row("minus level 4 tens", 2, 1, 4, 0, {6, 3, 1}, "46@1..90", " 470 - 60 = ?", "410");
    row("minus level 4 minuend redrawn", 2, 1, 4, 0, {10, 3, 1}, "3@1..90 20@9..90", " 210 - 100 = ?", "110");
    row("minus level 4 redrawn, practice", 2, 4, 4, 9, {1, 3, 1}, "5@1..90 12@8..90", " 130 - ? = 90", "40");
    row("minus level 5 ignores practice", 2, 1, 5, 7, {1, 3, 1}, "64@1..100 300@101..900", " 310 - 64 = ?", "246");
    row("minus chain five retries", 2, 7, 1, 0, {10, 10, 1}, "", " 11 - 5 - 5 = ?", "1");
    row("minus chain level 4 in tens", 2, 7, 4, 0, {10, 1, 1}, "1@1..90", " 20 - 10 - 10 = ?", "0");
    row("minus chain level 4 both lowered", 2, 7, 4, 0, {10, 10, 1}, "5@1..90", " 60 - 30 - 30 = ?", "0");
    row("minus compare exchanged", 2, 8, 1, 0, {8, 1, 3}, "2@0..2", " 8 - 3 <=> 4", ">");
    row("minus compare equal, choice again", 2, 8, 1, 0, {5, 1, 5}, "2@0..2 1@0..1", " 5 - 5 <=> 1", "<");
    row("minus compare level 4 equal", 2, 8, 4, 0, {3, 1, 1}, "3@1..90 2@0..2 0@0..1", " 30 - 30 <=> 0", "=");
    row("minus compare level 4 step", 2, 8, 4, 0, {2, 1, 1}, "47@1..90 2@0..2", " 470 - 20 <=> 440", ">");

    row("times 1 Malaufgaben", 3, 1, 1, 0, {6, 5, 7}, "", " 7 · 6 = ?", "42");
    row("times 2 Ergänzungen", 3, 2, 1, 0, {6, 5, 7}, "", " 6 · ? = 42", "7");
    row("times 3 Umkehrungen", 3, 3, 1, 0, {6, 5, 7}, "", " ? · 6 = 42", "7");
    row("times 4 Malketten", 3, 4, 1, 0, {6, 5, 7}, "3@1..6 2@0..4 4@0..4", " 3 · 2 · 4 = ?", "24");
    row("times 4 factor zero", 3, 4, 1, 0, {6, 5, 7}, "3@1..6 0@0..4 4@0..4", " 3 · 0 · 4 = ?", "0");
    row("times 4 level 5 practice", 3, 4, 5, 7, {1, 5, 7}, "50@11..100 3@1..6 1@0..4 3@0..4",
        " 7 · 2 · 40 = ?", "560");
    row("times 5 Punkt-Strich", 3, 5, 1, 0, {7, 5, 1}, "3@1..7", " 3 + 7 · 6 = ?", "45");
    row("times 6 Verdoppeln", 3, 6, 2, 0, {6, 5, 7}, "24@1..50", " 24 · 2 = ?", "48");
    row("times 7 Groß-Klein", 3, 7, 1, 0, {6, 5, 7}, "1@0..2", " 7 · 6 <=> 48", "<");
    row("times 7 right side zero", 3, 7, 1, 0, {6, 5, 1}, "2@0..2", " 1 · 6 <=> 0", ">");
    row("times level 2", 3, 1, 2, 0, {6, 5, 7}, "", " 70 · 6 = ?", "420");
    row("times level 4 practice", 3, 1, 4, 7, {1, 1, 3}, "", " 13 · 70 = ?", "910");

    row("divide 1 Teilaufgaben", 4, 1, 2, 0, {6, 5, 1}, "7@5..10", " 42 : 6 = ?", "7");
    row("divide 2 Ergänzungen", 4, 2, 2, 0, {6, 5, 1}, "7@5..10", " 42 : ? = 6", "7");
    row("divide 3 Umkehrungen", 4, 3, 2, 0, {6, 5, 1}, "7@5..10", " ? : 7 = 6", "42");
    row("divide 4 Teilketten", 4, 4, 2, 0, {6, 5, 1}, "7@5..10", " 210 : 6 : 5 = ?", "7");
    row("divide 5 Punkt-Strich", 4, 5, 2, 0, {6, 5, 1}, "7@5..10", " 42 : 6 + 5 = ?", "12");
    row("divide 6 Restaufgaben", 4, 6, 2, 0, {6, 5, 1}, "9@5..10 7@2..10", " 47 : 6 = ?", "7R5");
    row("divide 6 quotient above C", 4, 6, 2, 0, {3, 7, 1}, "9@5..10 4@2..10", " 19 : 3 = ?", "6R1");
    row("divide 6 by one", 4, 6, 2, 0, {1, 5, 1}, "9@5..10 3@2..10", " 9 : 1 = ?", "9R0");
    row("divide 6 even dividend raised", 4, 6, 2, 0, {2, 2, 1}, "9@5..10 3@2..10", " 9 : 2 = ?", "4R1");
    row("divide 7 Halbieren", 4, 7, 2, 0, {6, 5, 1}, "7@5..10 18@1..50", " 36 : 2 = ?", "18");
    row("divide 8 Groß-Klein", 4, 8, 2, 0, {6, 1, 1}, "8@5..10 2@0..2", "42 : 6 <=> 8", "<");
    row("divide 8 exchanged", 4, 8, 1, 0, {5, 1, 1}, "1@1..6 2@0..2 1@0..2", "6 : 1 <=> 5", ">");
    row("divide 8 both one", 4, 8, 1, 0, {1, 1, 1}, "1@1..6 2@0..2 0@0..1", "1 : 1 <=> 1", "=");
    row("divide practice divisor", 4, 1, 1, 4, {1, 1, 1}, "6@1..6", " 24 : 4 = ?", "6");

    row("random times, no set-up", 5, 1, 5, 7, {1, 1, 3}, "3@1..4 1@1..7", " 3 · 7 = ?", "21");
    row("random plus, no fresh draw", 5, 1, 5, 0, {7, 1, 5}, "1@1..4 1@1..8", "7 + 5 = ?", "12");
    row("random plus compare, level step", 5, 1, 4, 0, {7, 1, 5}, "1@1..4 8@1..8 1@0..2", "7 + 5 <=> 22", "<");
    row("random minus 6 Umkehrungen", 5, 1, 4, 0, {7, 3, 5}, "2@1..4 6@1..8", " ? - 7 = 8", "15");
    row("random minus 7 chain", 5, 1, 4, 0, {7, 3, 5}, "2@1..4 7@1..8", " 15 - 3 - 7 = ?", "5");
    row("random minus 8 compare", 5, 1, 4, 0, {4, 1, 9}, "2@1..4 8@1..8 1@0..2", " 9 - 4 <=> 15", "<");
    row("random divide remainder by level", 5, 1, 3, 0, {6, 5, 1}, "4@1..4 6@1..8 9@5..12", " 59 : 6 = ?", "9R5");
    row("random times double by level", 5, 1, 4, 0, {6, 5, 1}, "3@1..4 6@1..7 1234@1001..5000",
        " 1234 · 2 = ?", "2468");
}

void TaskEngineTests::exactTask()
{
    QFETCH(int, operation);
    QFETCH(int, type);
    QFETCH(int, level);
    QFETCH(int, practice);
    QFETCH(QList<int>, common);
    QFETCH(QString, more);

    ScriptedRig rig(operation, type, level, practice);
    for (int value : common)
        rig.random.PushDraw(value, 1, 10);
    static const QRegularExpression draw(QStringLiteral("(\\d+)@(\\d+)\\.\\.(\\d+)"));
    for (const auto& m : draw.globalMatch(more))
        rig.random.PushDraw(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    rig.state.EntryText = QStringLiteral("12");
    rig.screen.entryDisplay = QStringLiteral("12");

    rig.Run();

    QTEST(rig.screen.taskText, "text");
    QTEST(rig.state.ExpectedAnswer, "answer");
    QCOMPARE(rig.random.Pending(), 0);
    QCOMPARE(rig.random.ExtraDraws(), 0);
    QCOMPARE(rig.random.RandomizeCount(), 1);
    QVERIFY(rig.state.EntryText.isEmpty());
    QVERIFY(rig.screen.entryDisplay.isEmpty());
    QCOMPARE(rig.screen.shown.size(), 1);
}

// Where the practice number 7 ends up: the fixed operand (OperandA) of the task, scaled at some
// levels, or nowhere (0: OperandA still varies from task to task).
void TaskEngineTests::practiceNumber_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("fixed");
    for (int level = 1; level <= 5; ++level) {
        const QByteArray l = " level " + QByteArray::number(level);
        QTest::newRow("plus" + l) << 1 << 1 << level << 0;
        QTest::newRow("minus" + l) << 2 << 1 << level << (level == 4 ? 70 : level == 5 ? 0 : 7);
        QTest::newRow("times" + l) << 3 << 1 << level << (level == 4 ? 70 : 7);
        QTest::newRow("times Malketten" + l) << 3 << 4 << level << 7;
        QTest::newRow("times Verdoppeln" + l) << 3 << 6 << level << 0;
        QTest::newRow("divide" + l) << 4 << 1 << level << 7;
        QTest::newRow("divide Restaufgaben" + l) << 4 << 6 << level << 7;
        QTest::newRow("divide Halbieren" + l) << 4 << 7 << level << 0;
    }
}

void TaskEngineTests::practiceNumber()
{
    QFETCH(int, operation);
    QFETCH(int, type);
    QFETCH(int, level);
    QFETCH(int, fixed);
    LiveRig rig(operation, type, level, 7);
    QSet<int> seen;
    for (int i = 0; i < 300; ++i) {
        rig.Run();
        seen.insert(rig.state.OperandA);
        if (fixed != 0)
            QVERIFY2(rig.screen.taskText.contains(S(fixed)), qPrintable(rig.screen.taskText));
    }
    if (fixed != 0)
        QCOMPARE(seen, QSet<int>{fixed});
    else
        QVERIFY(seen.size() > 1);
}

void TaskEngineTests::randomSelectionReachesEveryOperationAndMinusForm()
{
    LiveRig rig(5, 1, 2);
    QSet<QString> kinds;
    for (int i = 0; i < 20000; ++i) {
        rig.Run();
        const QString& t = rig.screen.taskText;
        const bool compare = t.contains(u"<=>");
        if (t.contains(QChar(0x00B7)))
            kinds.insert(compare ? "times compare" : "times");
        else if (t.contains(u':'))
            kinds.insert(compare ? "divide compare" : "divide");
        else if (t.contains(u" - "))
            kinds.insert(compare                       ? "minus compare"
                         : t.count(u" - ") == 2        ? "minus chain"
                         : t.startsWith(u" ? -")       ? "minus reversal"
                         : t.contains(u" - ? =")       ? "minus missing subtrahend"
                                                       : "minus");
        else
            kinds.insert(compare ? "plus compare" : "plus");
    }
    const QSet<QString> all{"plus", "plus compare", "minus", "minus missing subtrahend",
        "minus reversal", "minus chain", "minus compare", "times", "times compare", "divide",
        "divide compare"};
    QCOMPARE(kinds, all);
}

void TaskEngineTests::mandatoryTasksAreServedInOrder()
{
    ScriptedRig rig(6, 1, 2);
    rig.screen.mandatoryMode = true;
    rig.screen.mandatory = QStringList{"3 + 4 = ?", "7", " 47 : 6 = ?", "7R5", "7 + 5 <=> 13", "<"};
    rig.state.TaskValue = 4711;
    rig.screen.entryDisplay = QStringLiteral("9");
    const QStringList answers{"7", "7R5", "<"};
    for (int i = 0; i < 3; ++i) {
        rig.random.PushDraw(2 + i, 1, 10);
        rig.random.PushDraw(5, 1, 10);
        rig.random.PushDraw(9, 1, 10);
        rig.state.EntryText = QStringLiteral("9");
        rig.Run();
        QCOMPARE(rig.state.ExpectedAnswer, answers.at(i));
        QCOMPARE(rig.screen.mandatory.size(), 4 - 2 * i);
        QVERIFY(rig.state.EntryText.isEmpty());
        QCOMPARE(rig.state.OperandA, 2 + i);
        QCOMPARE(rig.state.OperandC, 9);
    }
    QCOMPARE(rig.screen.shown, (QStringList{"3 + 4 = ?", " 47 : 6 = ?", "7 + 5 <=> 13"}));
    QCOMPARE(rig.state.TaskValue, 4711);
    QCOMPARE(rig.screen.entryDisplay, QStringLiteral("9"));
    QCOMPARE(rig.state.Operation, 6);
    QVERIFY(rig.screen.mandatoryMode);
    QCOMPARE(rig.random.ExtraDraws(), 0);
}

// When no complete task is left, the run ends mandatory mode and the plus list comes back: its
// selection puts one plus task up, then the run puts its own " Plus Einer" task on screen.
void TaskEngineTests::mandatoryListEnds_data()
{
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<int>("served");
    QTest::newRow("empty") << QStringList{} << 0;
    QTest::newRow("task without answer") << QStringList{"3 + 4 = ?"} << 0;
    QTest::newRow("odd list") << QStringList{"3 + 4 = ?", "7", "5 + 5 = ?"} << 1;
    QTest::newRow("two tasks") << QStringList{"3 + 4 = ?", "7", "5 + 5 = ?", "10"} << 2;
}

void TaskEngineTests::mandatoryListEnds()
{
    QFETCH(QStringList, list);
    QFETCH(int, served);
    LiveRig rig(6, 1, 1);
    rig.screen.mandatoryMode = true;
    rig.screen.mandatory = list;
    for (int i = 0; i <= served; ++i)
        rig.Run();

    QVERIFY(!rig.screen.mandatoryMode);
    QVERIFY(rig.screen.mandatory.isEmpty());
    QCOMPARE(rig.state.Operation, 1);
    QCOMPARE(rig.state.TaskType, 1);
    QCOMPARE(rig.screen.taskTypes, TaskTypeEntries(1));
    QCOMPARE(rig.screen.listRuns, 1);
    QCOMPARE(rig.screen.shown.size(), served + 2);
    static const QRegularExpression plusEiner(QStringLiteral("^[1-9] \\+ [1-9] = \\?$"));
    QVERIFY2(plusEiner.match(rig.screen.taskText).hasMatch(), qPrintable(rig.screen.taskText));
    QCOMPARE(rig.state.ExpectedAnswer, D(rig.state.OperandA + rig.state.OperandC));
}

void TaskEngineTests::endOfMandatoryListNestsOneRunAndKeepsItsOwnTask()
{
    ScriptedRig rig(6, 1, 1);
    rig.screen.mandatoryMode = true;
    for (int v : {1, 1, 1})      // the run's common draw
        rig.random.PushDraw(v, 1, 10);
    for (int v : {2, 2, 2})      // the nested run, started by the plus list's selection
        rig.random.PushDraw(v, 1, 10);
    for (int v : {4, 1, 4})
        rig.random.PushDraw(v, 1, 9);
    for (int v : {3, 6, 2})      // back in the run: its own plus task
        rig.random.PushDraw(v, 1, 9);
    rig.state.EntryText = QStringLiteral("5");

    rig.Run();

    QCOMPARE(rig.screen.shown, (QStringList{"4 + 4 = ?", "3 + 2 = ?"}));
    QCOMPARE(rig.state.ExpectedAnswer, QStringLiteral("5"));
    QCOMPARE(rig.state.OperandA, 3);
    QCOMPARE(rig.state.OperandB, 6);
    QCOMPARE(rig.state.TaskValue, 5);
    QVERIFY(rig.state.EntryText.isEmpty());
    QCOMPARE(rig.random.RandomizeCount(), 2);
    QCOMPARE(rig.random.Pending(), 0);
    QCOMPARE(rig.random.ExtraDraws(), 0);
}

// A worksheet asks for twenty tasks at once; each must be drawn anew. With nearly eight million
// possible chains at most one repeat is tolerated; a small range must still give many different ones.
void TaskEngineTests::twentyRunsInARowDiffer()
{
    LiveRig large(1, 7, 5);
    LiveRig small(1, 1, 1);
    QSet<QString> largeTexts, smallTexts;
    for (int i = 0; i < 20; ++i) {
        large.Run();
        small.Run();
        largeTexts.insert(large.screen.taskText);
        smallTexts.insert(small.screen.taskText);
    }
    QVERIFY(largeTexts.size() >= 19);
    QVERIFY(smallTexts.size() >= 5);
}

QTEST_GUILESS_MAIN(TaskEngineTests)
#include "tst_task_engine.moc"
