#include "engine/task_engine.h"
#include "engine/task_screen.h"
#include "engine/training_state.h"
#include "scripted_random.h"

#include <QRegularExpression>
#include <QTest>

#include <optional>
#include <tuple>
#include <utility>

// A fake window (mandatory for operation 6) whose list selection sets TaskType and, unless
// mandatory, makes a task.
struct EngineRig final : TaskScreen {
    EngineRig(const QList<int>& setting, bool strict = false) : random(strict)
    {
        state.operation = Operation(setting[0]), state.taskType = std::int16_t(setting[1]);
        state.level = setting[2], state.practiceNumber = setting.value(3),
        mandatoryMode = setting[0] == 6;
    }
    void setTaskText(const QString& text) override { shown.append(taskText = text); }
    void setEntryDisplay(const QString& text) override { entryDisplay = text; }
    void clearTaskTypes() override { taskTypes.clear(); }
    void addTaskType(const QString& entry) override { taskTypes.append(entry); }
    void selectTaskType(int index) override
    {
        if (!mandatoryMode)
            state.taskType = std::int16_t(index + 1), ++listRuns, engine.generateTask();
    }
    int mandatoryCount() const override { return int(mandatory.size()); }
    QString mandatoryEntry(int index) const override { return mandatory.at(index); }
    void removeMandatoryEntries(int first, int count) override { mandatory.remove(first, count); }
    void endMandatoryMode() override { mandatoryMode = false; }

    TrainingState state;
    ScriptedRandom random;
    TaskEngine engine{ state, *this, random };
    QString taskText, entryDisplay;
    QStringList shown, taskTypes, mandatory; // shown: every task text, in order
    int listRuns = 0;
    bool mandatoryMode = false;
};

namespace {

// One side of a task: times and divide before plus and minus; a division must come out even.
std::optional<qint64> value(const QStringList& side)
{
    qint64 sum = 0, term = 0, sign = 1;
    for (qsizetype i = 0; i < side.size(); i += 2) {
        bool ok = false;
        const qint64 n = side[i].toLongLong(&ok);
        const QString op = i == 0 ? QStringLiteral("+") : side[i - 1];
        if (!ok || op.size() != 1 || !QStringLiteral("+-:\u00B7").contains(op)
            || (op == u":" && (!n || term % n)))
            return std::nullopt;
        if (op == u"\u00B7" || op == u":")
            term = op == u":" ? term / n : term * n;
        else
            sum += sign * term, sign = op == u"+" ? 1 : -1, term = n;
    }
    return side.size() % 2 == 1 ? std::optional(sum + sign * term) : std::nullopt;
}

// "" when the answer makes the task true (N : A = qRr: N = A*q + r, 0 < r < A unless A is 1).
QString checkStatement(const QString& text, const QString& answer, QList<qint64>& numbers)
{
    QStringList words = QString(text).replace("<=>", " <=> ").split(u' ', Qt::SkipEmptyParts);
    for (const QString& w : words)
        if (bool ok = false; w.toLongLong(&ok), ok)
            numbers.append(w.toLongLong());
    const qsizetype eq = words.indexOf(u"="), middle = eq < 0 ? words.indexOf(u"<=>") : eq;
    if (words.count(u"=") + words.count(u"<=>") != 1)
        return "not one relation";
    static const QRegularExpression remainder(QStringLiteral("^(\\d+)R(\\d+)$"));
    static const QRegularExpression number(QStringLiteral("^\\d+$"));
    if (const auto m = remainder.match(answer); eq >= 0 && m.hasMatch()) {
        const qint64 n = words[0].toLongLong(), a = words.value(2).toLongLong(),
                     r = m.captured(2).toLongLong();
        const bool division = words.size() == 5 && words[1] == u":" && words[4] == u"?";
        return division && n == a * m.captured(1).toLongLong() + r && r < a && (r > 0 || a == 1)
                ? QString()
                : "remainder";
    } else if (eq >= 0 && (!number.match(answer).hasMatch() || words.count(u"?") != 1)) {
        return "answer no number, or not one ?";
    } else if (eq >= 0) {
        words.replace(words.indexOf(u"?"), answer);
    }
    const auto l = value(words.first(middle)), r = value(words.sliced(middle + 1));
    if (!l || !r)
        return "uneven";
    const QString sign = *l < *r ? "<" : *l > *r ? ">" : "=";
    return (eq < 0 ? answer : "=") == sign ? QString() : "false";
}

} // namespace

class TaskEngineTests : public QObject {
    Q_OBJECT

private slots:
    // Every operation has a list of its own. Filling it selects entry 1, which puts a task up
    // outside mandatory mode and does nothing in it.
    void taskTypeLists()
    {
        for (int operation = 1; operation <= 6; ++operation) {
            const QStringList entries = taskTypeEntries(Operation(operation));
            QVERIFY(!entries.isEmpty());
            for (int other = 1; other < operation; ++other)
                QVERIFY(taskTypeEntries(Operation(other)) != entries);
            EngineRig rig({ operation, 5, 2 });
            rig.mandatory = rig.taskTypes = QStringList{ "4 + 4 = ?", "8" };
            rig.engine.fillTaskTypeList();
            QCOMPARE(rig.taskTypes, entries);
            QCOMPARE((QList<int>{ rig.state.taskType, int(rig.shown.size()) }),
                     (QList<int>{ operation == 6 ? 5 : 1, operation != 6 }));
        }
    }

    // A row per strict run: "operation type level practice|draws|text|answer", the draws all to be
    // used up: A, B, C from 1..10, then "value@lo..hi". Named rows force a retry or a rarely taken
    // branch.
    void exactTask_data()
    {
        QTest::addColumn<QList<int>>("setting"); // operation, type, level, practice number
        QTest::addColumn<QString>("draws");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("answer");
        const auto row = [](const QString& name, const QString& fields) {
            const QStringList f = fields.split(u'|');
            QList<int> setting;
            for (const QString& n : f[0].split(u' '))
                setting.append(n.toInt());
            QTest::newRow(qPrintable(name.isEmpty() ? f[2] : name))
                    << setting << f[1] << f[2] << f[3];
        };
        row("", "1 2 1 0|1 1 1 7@1..9 3@1..9 5@1..9|7 + 50 = ?|57");
        row("", "1 3 1 0|1 1 1 7@1..9 3@1..9 5@1..9 10@1..10|5 + 107 = ?|112");
        row("", "1 5 1 0|1 1 1 7@1..9 3@1..9 5@1..9|7 + ? = 12|5");
        row("", "1 6 1 0|1 1 1 7@1..9 3@1..9 5@1..9|? + 7 = 12|5");
        row("", "1 7 5 0|1 1 1 1@1..9 9@1..9 9@1..9 99990@1..99990|99990 + 9 + 9 = ?|100008");
        row("plus compare below zero",
            "1 8 4 0|1 1 1 3@1..9 1@1..9 4@1..9 3@1..9990 2@0..2|3 + 4 <=>-3|>");
        row("plus ignores practice", "1 1 2 7|1 1 1 2@1..9 1@1..9 5@1..9 90@1..90|90 + 5 = ?|95");

        // The ends of every drawn range: the first number of plus and the minuend of minus.
        for (const auto& [level, hi] : { std::pair(2, 90), { 3, 990 }, { 4, 9990 }, { 5, 99990 } })
            for (const int a : { 1, hi })
                row(QString::asprintf("plus level %d, %d", level, a),
                    QString::asprintf("1 1 %d 0|1 1 1 2@1..9 1@1..9 5@1..9 %d@1..%d|%d + 5 = ?|%d",
                                      level, a, hi, a, a + 5));
        for (const auto& [level, lo, hi] : { std::tuple(2, 1, 90), { 3, 1, 990 }, { 5, 101, 900 } })
            for (const int c : { lo, hi })
                row(QString::asprintf("minus level %d, %d", level, c),
                    QString::asprintf("2 1 %d 0|1 1 1 %s%d@%d..%d| %d - 1 = ?|%d", level,
                                      level == 5 ? "1@1..100 " : "", c, lo, hi, c + 10, c + 9));
        row("", "2 6 2 0|7 3 5 90@1..90| ? - 7 = 93|100");
        row("minuend redrawn", "2 1 4 0|10 3 1 3@1..90 20@9..90| 210 - 100 = ?|110");
        row("minuend redrawn, practice", "2 4 4 9|1 3 1 5@1..90 12@8..90| 130 - ? = 90|40");
        row("minus 5 ignores practice", "2 1 5 7|1 3 1 100@1..100 101@101..900| 111 - 100 = ?|11");
        row("chain, both lowered", "2 7 1 0|10 10 1| 11 - 5 - 5 = ?|1");
        row("chain, tens, one lowered", "2 7 4 0|10 1 1 1@1..90| 20 - 10 - 10 = ?|0");
        row("minus compare exchanged", "2 8 1 0|8 1 3 2@0..2| 8 - 3 <=> 4|>");
        row("compare choice again", "2 8 1 0|5 1 5 2@0..2 1@0..1| 5 - 5 <=> 1|<");
        row("compare tens choice again", "2 8 4 0|3 1 1 3@1..90 2@0..2 0@0..1| 30 - 30 <=> 0|=");

        row("", "3 2 5 0|6 5 7 11@11..100| 6 · ? = 66|11");
        row("", "3 3 1 0|6 5 7| ? · 6 = 42|7");
        row("chain factor zero", "3 4 1 0|6 5 7 3@1..6 0@0..4 4@0..4| 3 · 0 · 4 = ?|0");
        row("", "3 4 4 0|6 5 7 6@1..6 4@0..4 0@0..4| 6 · 7 · 3 = ?|126");
        row("chain practice", "3 4 5 7|1 5 7 11@11..100 3@1..6 1@0..4 3@0..4| 7 · 2 · 40 = ?|560");
        row("", "3 5 1 0|7 5 1 3@1..7| 3 + 7 · 6 = ?|45");
        row("", "3 7 1 0|6 5 7 1@0..2| 7 · 6 <=> 48|<");
        row("compare right side zero", "3 7 1 0|6 5 1 2@0..2| 1 · 6 <=> 0|>");
        row("times practice", "3 1 4 7|1 1 3| 13 · 70 = ?|910");

        row("", "4 2 3 0|6 5 1 12@6..12| 72 : ? = 6|12");
        row("", "4 1 1 0|6 5 1 6@1..6| 36 : 6 = ?|6");
        row("remainder level 3", "4 6 3 0|6 5 1 12@6..12 12@5..12| 77 : 6 = ?|12R5");
        row("remainder level 4", "4 6 4 0|6 5 1 12@6..12 9@2..9| 545 : 6 = ?|90R5");
        row("", "4 3 5 0|6 5 1 19@11..19| ? : 19 = 6|114");
        row("", "4 5 4 0|6 5 1 6@6..12| 360 : 6 + 5 = ?|65");
        row("remainder by one", "4 6 1 0|1 5 1 1@1..6 6@2..6| 12 : 1 = ?|12R0");
        row("remainder raised", "4 6 2 0|2 2 1 9@5..10 3@2..10| 9 : 2 = ?|4R1");
        row("", "4 7 2 0|6 5 1 7@5..10 18@1..50| 36 : 2 = ?|18");
        row("divide compare exchanged", "4 8 1 0|5 1 1 1@1..6 2@0..2 1@0..2|6 : 1 <=> 5|>");
        row("compare both one", "4 8 1 0|1 1 1 1@1..6 2@0..2 1@0..1|2 : 1 <=> 1|>");
        row("compare one kept", "4 8 1 0|5 1 1 1@1..6 0@0..2|5 : 5 <=> 1|=");

        row("random, no set-up", "5 1 5 7|1 1 3 3@1..4 3@1..7| ? · 7 = 21|3");
        row("random plus step", "5 1 4 0|7 1 5 1@1..4 8@1..8 1@0..2|7 + 5 <=> 22|<");
        row("random minus step", "5 1 4 0|4 1 9 2@1..4 8@1..8 1@0..2| 9 - 4 <=> 15|<");
        row("random divide", "5 1 1 0|6 5 1 4@1..4 4@1..8| 30 : 6 : 5 = ?|1");
        row("random remainder level", "5 1 5 0|6 5 1 4@1..4 6@1..8 12@5..12| 725 : 6 = ?|120R5");
        row("random double level",
            "5 1 4 0|6 5 1 3@1..4 6@1..7 1001@1001..5000| 1001 · 2 = ?|2002");
        row("random double level 5",
            "5 1 5 0|6 5 1 3@1..4 6@1..7 50000@10001..50000| 50000 · 2 = ?|100000");
        row("random double level 1", "5 1 1 0|6 5 1 3@1..4 6@1..7 10@1..10| 10 · 2 = ?|20");
    }

    void exactTask()
    {
        QFETCH(QList<int>, setting);
        QFETCH(QString, draws);
        EngineRig rig(setting, true);
        static const QRegularExpression draw(QStringLiteral("(\\d+)(?:@(\\d+)\\.\\.(\\d+))?"));
        for (const auto& m : draw.globalMatch(draws))
            rig.random.pushDraw(m.captured(1).toInt(), m.hasCaptured(2) ? m.captured(2).toInt() : 1,
                                m.hasCaptured(3) ? m.captured(3).toInt() : 10);
        rig.state.entryText = rig.entryDisplay = QStringLiteral("12");
        rig.engine.generateTask();
        QFETCH(QString, text);
        QFETCH(QString, answer);
        QCOMPARE((QStringList{ rig.shown.join(u'|'), rig.state.expectedAnswer, rig.state.entryText,
                               rig.entryDisplay, QString::number(rig.random.pending()),
                               QString::number(rig.random.randomizeCount()) }),
                 (QStringList{ text, answer, "", "", "0", "1" }));
        // The task tells what it is: the chosen operation and type, or the random selection's
        // draws (the first of 1..4, then the type).
        QList<int> chosen = setting.mid(0, 2);
        const qsizetype drawn = draws.indexOf(QStringLiteral("@1..4 "));
        if (setting[0] == 5)
            chosen = { draws.mid(drawn - 1, 1).toInt(),
                       draws.mid(drawn + 6).section(u'@', 0, 0).toInt() };
        QCOMPARE((QList<int>{ int(rig.state.shownOperation), rig.state.shownTaskType }), chosen);
    }

    void everyTaskHolds_data()
    {
        QTest::addColumn<QList<int>>("setting");
        for (int op = 1; op <= 5; ++op)
            for (int type = 1; type <= taskTypeEntries(Operation(op)).size(); ++type)
                for (int i = 0; i < 10; ++i) // levels 1..5, without and with a practice number
                    QTest::addRow("op %d type %d level %d practice %d", op, type, i / 2 + 1,
                                  i % 2 * 7)
                            << QList<int>{ op, type, i / 2 + 1, i % 2 * 7 };
    }

    // Seeded draws (seed printed): the answer makes the task true, no task starts from zero, no
    // number is below zero save a plus comparison's right side, and minus level 4 is whole tens
    // throughout.
    void everyTaskHolds()
    {
        QFETCH(QList<int>, setting);
        EngineRig rig(setting);
        for (int i = 0; i < 500; ++i) {
            rig.engine.generateTask();
            const QString text = rig.taskText, answer = rig.state.expectedAnswer;
            QList<qint64> numbers;
            const QString wrong = checkStatement(text, answer, numbers);
            const QByteArray what =
                    (text + QStringLiteral(" -> ") + answer + u' ' + wrong).toUtf8();
            QVERIFY2(wrong.isEmpty(), what);
            QVERIFY2(text.trimmed().startsWith(u'?') || numbers.value(0) != 0, what);
            if (text.contains(u" + ") && text.contains(u"<=>"))
                numbers.removeLast();
            const bool tens = setting[0] == 2 && setting[2] == 4;
            for (qint64 n : numbers)
                QVERIFY2(n >= 0 && (!tens || n % 10 == 0), what);
            QVERIFY2(!tens || answer.size() == 1 || answer.endsWith(u'0'), what);
        }
    }

    // The mandatory list's pairs (task, answer) are served in order, the longest answer too, and
    // an odd last line is dropped; then the run ends mandatory mode, refills the plus list (whose
    // selection runs a nested task) and shows its own.
    void mandatoryList()
    {
        const QStringList served{ "3 + 4 = ?", "1234567890",   " 47 : 6 = ?",
                                  "7R5",       "7 + 5 <=> 13", "<" };
        EngineRig rig({ 6, 1, 1 }, true);
        rig.mandatory = served + QStringList{ "5 + 5 = ?" };
        rig.state.taskValue = 4711;
        rig.entryDisplay = QStringLiteral("9");
        for (qsizetype i = 0; i < served.size(); i += 2) {
            rig.state.entryText = QStringLiteral("9");
            rig.random.push({ 0.15, 0.25, 0.35 }); // A, B, C = 2, 3, 4
            rig.engine.generateTask();
            QCOMPARE((QStringList{ rig.taskText, rig.state.expectedAnswer, rig.state.entryText,
                                   rig.entryDisplay }),
                     (QStringList{ served[i], served[i + 1], "", "9" }));
            QCOMPARE((QList<int>{ rig.state.operandA, rig.state.operandB, rig.state.operandC,
                                  rig.state.taskValue, rig.mandatoryMode,
                                  int(rig.state.shownOperation), rig.state.shownTaskType }),
                     (QList<int>{ 2, 3, 4, 4711, 1, 6, 0 }));
        }
        for (const int a : { 1, 1, 1, 2, 2, 2 }) // A, B, C of the run and of the nested run
            rig.random.pushDraw(a, 1, 10);
        for (const int a : { 4, 1, 4, 3, 6, 2 }) // the nested plus task's draws, then the run's own
            rig.random.pushDraw(a, 1, 9);
        rig.engine.generateTask();
        QCOMPARE(rig.shown.sliced(served.size() / 2) << rig.state.expectedAnswer,
                 (QStringList{ "4 + 4 = ?", "3 + 2 = ?", "5" }));
        QCOMPARE((QList<int>{ int(rig.state.operation), rig.state.taskType, rig.listRuns,
                              rig.random.pending(), rig.mandatoryMode, int(rig.mandatory.size()),
                              int(rig.state.shownOperation), rig.state.shownTaskType }),
                 (QList<int>{ 1, 1, 1, 0, 0, 0, 1, 1 }));
        QCOMPARE(rig.taskTypes, taskTypeEntries(Operation::Plus));
    }
};

QTEST_GUILESS_MAIN(TaskEngineTests)
#include "tst_task_engine.moc"
