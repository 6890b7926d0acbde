#include "engine_rig.h"

#include <QTest>

#include <algorithm>
#include <climits>

// Statistical checks over many tasks from the program's own random source.
class TaskRangeTests : public QObject {
    Q_OBJECT

private slots:
    void ranges_data();
    void ranges();
    void everyTaskReadsTrue_data();
    void everyTaskReadsTrue();
};

// One number of the task (OperandA, OperandB, OperandC or TaskValue) must stay in lo..hi on the
// grid lo, lo + step, ... and must reach both ends. A run stops once both ends are seen (after at
// least 20 000 tasks); the cap of three million tasks is far beyond what the rarest end needs.
void TaskRangeTests::ranges_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("practice");
    QTest::addColumn<char>("number");
    QTest::addColumn<int>("lo");
    QTest::addColumn<int>("hi");
    QTest::addColumn<int>("step");
    const auto row = [](const char* name, int op, int type, int level, char number, int lo, int hi,
                         int step = 1, int practice = 0) {
        QTest::newRow(name) << op << type << level << practice << number << lo << hi << step;
    };
    row("plus L1 Einer A", 1, 1, 1, 'A', 1, 9);
    row("plus L1 Einer C", 1, 1, 1, 'C', 1, 9);
    row("plus L1 Einer sum", 1, 1, 1, 'V', 2, 18);
    row("plus L2 A", 1, 1, 2, 'A', 1, 90);
    row("plus L3 A", 1, 1, 3, 'A', 1, 990);
    row("plus L4 A", 1, 1, 4, 'A', 1, 9990);
    row("plus L5 A", 1, 1, 5, 'A', 1, 99990);
    row("plus L1 Zehner sum", 1, 2, 1, 'V', 11, 99);
    row("plus L1 Zweistellig A", 1, 3, 1, 'A', 11, 109);
    row("plus L1 Plusketten B", 1, 7, 1, 'B', 1, 9);
    row("plus L1 Plusketten sum", 1, 7, 1, 'V', 3, 27);
    row("plus L1 Groß-Klein right side", 1, 8, 1, 'V', 1, 19);
    row("plus L4 Groß-Klein step", 1, 8, 4, 'B', 10, 10);

    row("minus L1 A", 2, 1, 1, 'A', 1, 10);
    row("minus L1 C", 2, 1, 1, 'C', 1, 10);
    row("minus L1 difference", 2, 1, 1, 'V', 1, 19);
    row("minus L2 C", 2, 1, 2, 'C', 1, 90);
    row("minus L3 C", 2, 1, 3, 'C', 1, 990);
    row("minus L4 A", 2, 1, 4, 'A', 10, 100, 10);
    row("minus L4 C", 2, 1, 4, 'C', 10, 900, 10);
    row("minus L4 difference", 2, 1, 4, 'V', 0, 900, 10);
    row("minus L4 Ergänze", 2, 4, 4, 'V', 0, 900, 10);
    row("minus L4 Umkehrungen minuend", 2, 6, 4, 'V', 20, 910, 10);
    row("minus L5 A", 2, 1, 5, 'A', 1, 100);
    row("minus L5 C", 2, 1, 5, 'C', 101, 900);
    row("minus L5 difference", 2, 1, 5, 'V', 11, 909);
    row("minus L1 chain A", 2, 7, 1, 'A', 1, 10);
    row("minus L1 chain B", 2, 7, 1, 'B', 1, 10);
    row("minus L1 chain result", 2, 7, 1, 'V', 0, 18);
    row("minus L4 chain B", 2, 7, 4, 'B', 10, 100, 10);
    row("minus L4 chain A", 2, 7, 4, 'A', 10, 100, 10);
    row("minus L4 chain result", 2, 7, 4, 'V', 0, 890, 10);
    row("minus L1 Groß-Klein right side", 2, 8, 1, 'V', 0, 10);
    row("minus L4 Groß-Klein right side", 2, 8, 4, 'V', 0, 900, 10);
    row("minus L4 Groß-Klein step", 2, 8, 4, 'B', 10, 10);

    row("times L1 A", 3, 1, 1, 'A', 1, 10);
    row("times L1 C", 3, 1, 1, 'C', 1, 10);
    row("times L1 product", 3, 1, 1, 'V', 1, 100);
    row("times L2 C", 3, 1, 2, 'C', 10, 100, 10);
    row("times L3 C", 3, 1, 3, 'C', 11, 20);
    row("times L4 A", 3, 1, 4, 'A', 10, 100, 10);
    row("times L4 C", 3, 1, 4, 'C', 11, 20);
    row("times L5 C", 3, 1, 5, 'C', 11, 100);
    row("times L1 Malketten A", 3, 4, 1, 'A', 1, 6);
    row("times L1 Malketten B", 3, 4, 1, 'B', 0, 4);
    row("times L1 Malketten product", 3, 4, 1, 'V', 0, 96);
    row("times L2 Malketten C", 3, 4, 2, 'C', 1, 5);
    row("times L3 Malketten B", 3, 4, 3, 'B', 2, 6);
    row("times L4 Malketten C", 3, 4, 4, 'C', 3, 7);
    row("times L4 Malketten practice", 3, 4, 4, 'A', 7, 7, 1, 7);
    row("times L5 Malketten B", 3, 4, 5, 'B', 1, 5);
    row("times L5 Malketten C", 3, 4, 5, 'C', 10, 50, 10);
    row("times L1 Punkt-Strich B", 3, 5, 1, 'B', 2, 11);
    row("times L1 Punkt-Strich C", 3, 5, 1, 'C', 1, 10);
    row("times L1 Punkt-Strich result", 3, 5, 1, 'V', 3, 120);
    row("times L1 Verdoppeln", 3, 6, 1, 'A', 1, 10);
    row("times L2 Verdoppeln", 3, 6, 2, 'A', 1, 50);
    row("times L3 Verdoppeln", 3, 6, 3, 'A', 101, 500);
    row("times L4 Verdoppeln", 3, 6, 4, 'A', 1001, 5000);
    row("times L5 Verdoppeln", 3, 6, 5, 'A', 10001, 50000, 1, 7);
    row("times L1 Groß-Klein right side", 3, 7, 1, 'V', 0, 110);

    row("divide L1 A", 4, 1, 1, 'A', 1, 10);
    row("divide L1 C", 4, 1, 1, 'C', 1, 6);
    row("divide L2 C", 4, 1, 2, 'C', 5, 10);
    row("divide L3 C", 4, 1, 3, 'C', 6, 12);
    row("divide L4 C", 4, 1, 4, 'C', 60, 120, 10);
    row("divide L5 C", 4, 1, 5, 'C', 11, 19);
    row("divide L1 Teilketten B", 4, 4, 1, 'B', 1, 10);
    row("divide L1 Restaufgaben C", 4, 6, 1, 'C', 2, 6);
    row("divide L1 Restaufgaben dividend", 4, 6, 1, 'V', 4, 71);
    row("divide L2 Restaufgaben C", 4, 6, 2, 'C', 2, 10);
    row("divide L3 Restaufgaben C", 4, 6, 3, 'C', 5, 12);
    row("divide L4 Restaufgaben C", 4, 6, 4, 'C', 20, 90, 10);
    row("divide L5 Restaufgaben C", 4, 6, 5, 'C', 50, 120, 10);
    row("divide L3 Halbieren", 4, 7, 3, 'A', 101, 500);
    row("divide L5 Halbieren", 4, 7, 5, 'A', 10001, 50000, 1, 7);
    row("divide L1 Groß-Klein C", 4, 8, 1, 'C', 1, 10);
    row("divide L1 Groß-Klein dividend", 4, 8, 1, 'V', 1, 70);
}

void TaskRangeTests::ranges()
{
    QFETCH(int, operation);
    QFETCH(int, type);
    QFETCH(int, level);
    QFETCH(int, practice);
    QFETCH(char, number);
    QFETCH(int, lo);
    QFETCH(int, hi);
    QFETCH(int, step);

    EngineRig<ProgramRandom> rig(operation, type, level, practice);
    const MODUL1& s = rig.state;
    const int& value = number == 'A' ? s.OperandA : number == 'B' ? s.OperandB : number == 'C' ? s.OperandC : s.TaskValue;
    int seenLo = INT_MAX;
    int seenHi = INT_MIN;
    for (int i = 0; i < 3'000'000; ++i) {
        rig.Run();
        if (value < lo || value > hi || (value - lo) % step != 0)
            QFAIL(qPrintable(QStringLiteral("%1 out of range in \"%2\"").arg(value).arg(rig.screen.taskText)));
        seenLo = std::min(seenLo, value);
        seenHi = std::max(seenHi, value);
        if (i >= 20'000 && seenLo == lo && seenHi == hi)
            break;
    }
    QCOMPARE(seenLo, lo);
    QCOMPARE(seenHi, hi);
}

// Every operation, task type and level, with and without a practice number: the expected answer
// makes the task true, and a minus task never shows or expects a negative number (at level 4 only
// tens).
void TaskRangeTests::everyTaskReadsTrue_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("practice");
    for (int op = 1; op <= 5; ++op)
        for (int type = 1; type <= TaskTypeEntries(op).size(); ++type)
            for (int level = 1; level <= 5; ++level)
                for (int practice : {0, 7})
                    QTest::addRow("op %d type %d level %d practice %d", op, type, level, practice)
                        << op << type << level << practice;
}

void TaskRangeTests::everyTaskReadsTrue()
{
    QFETCH(int, operation);
    QFETCH(int, type);
    QFETCH(int, level);
    QFETCH(int, practice);
    EngineRig<ProgramRandom> rig(operation, type, level, practice);
    for (int i = 0; i < 2000; ++i) {
        rig.Run();
        const QString& text = rig.screen.taskText;
        const QString& answer = rig.state.ExpectedAnswer;
        QList<int> numbers;
        const QString wrong = CheckStatement(text, answer, &numbers);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        if (text.contains(u" - ")) {
            QVERIFY2(std::all_of(numbers.begin(), numbers.end(), [](int n) { return n >= 0; }), qPrintable(text));
            if (operation == 2 && level == 4) {
                QVERIFY2(std::all_of(numbers.begin(), numbers.end(), [](int n) { return n % 10 == 0; }),
                         qPrintable(text));
                QVERIFY2(answer.size() == 1 || answer.endsWith(u'0'), qPrintable(text + " -> " + answer));
            }
        }
    }
}

QTEST_GUILESS_MAIN(TaskRangeTests)
#include "tst_task_ranges.moc"
