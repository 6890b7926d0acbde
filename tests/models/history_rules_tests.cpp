// The rules of counting: what a task text tells, the answering stopwatch, and how checked answers
// add up per day and ISO week.
#include "history_test_data.h"
#include "models/answering_stopwatch.h"
#include "scripted_clock.h"
#include "scripted_dialogs.h"

#include <QTest>

class HistoryRulesTests : public QObject {
    Q_OBJECT

private slots:
    // What a task text tells: its operation (0: none) and the fact of the times table it
    // practises ("" for none) with its expected answer.
    void taskText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("operation");
        QTest::addColumn<QString>("fact");
        const auto row = [](const char* text, const char* answer, int operation, const char* fact) {
            QTest::newRow(text) << QString::fromUtf8(text) << QString(answer) << operation
                                << QString::fromUtf8(fact);
        };
        row(" 7 + 5 = ?", "12", 1, "");
        row("3 + 4 <=>-3", ">", 1, ""); // the minus of a negative number
        row("-3 + 5 = ?", "2", 1, "");
        row(" ? - 7 = 93", "100", 2, "");
        row("15 \u2013 7 = ?", "8", 2, "");
        row(" 3 + 7 · 6 = ?", "45", 3, ""); // "Punkt-Strich" belongs to times
        row(" 42 : 6 + 5 = ?", "12", 4, "");
        row("42 ÷ 6 - 1", "", 4, "");
        row("(12) / 4", "", 4, "");
        row("Max + Moritz", "", 0, "");
        row("", "", 0, "");
        row(" 7 · 6 = ?", "42", 3, "7·6");
        row(" 6 · ? = 42", "7", 3, "6·7");
        row(" ? · 6 = 42", "7", 3, "7·6");
        row("3 x 4", "", 3, "");
        row("3 x 4 = ?", "", 3, "3·4");
        row("6 × 7 = ?", "", 3, "6·7");
        row(" 10 · 10 = ?", "100", 3, "10·10");
        row(" 5 · 2 = ?", "10", 3, "5·2"); // doubling a small number is a fact too
        row(" 0 · 4 = ?", "0", 3, "");
        row(" 6 · ? = 43", "", 3, "");
        row(" 7 · 6 <=> 48", "<", 3, "");
        row(" 3 · 2 · 4 = ?", "24", 3, "");
        row(" 7 · 6 = 42", "", 3, "");
        row(" 99999999999 · 1 = ?", "", 3, "");
        row(" 42 : 6 = ?", "7", 4, "7·6");
        row(" 42 : ? = 6", "7", 4, "6·7");
        row(" ? : 7 = 6", "42", 4, "6·7");
        row(" 10 : 2 = ?", "5", 4, "5·2");
        row(" 72 : ? = 6", "12", 4, "");
        row(" 44 : 6 = ?", "", 4, "");
        row(" 47 : 6 = ?", "7R5", 4, "");
        row(" 12 : 1 = ?", "12R0", 4, "");
    }
    void taskText()
    {
        QFETCH(QString, text);
        QFETCH(QString, answer);
        const auto fact = smallTimesFact(text, answer);
        QTEST(int(operationOfTaskText(text).value_or(Operation(0))), "operation");
        QTEST(fact ? QStringLiteral("%1·%2").arg(fact->a).arg(fact->b) : QString(), "fact");
    }

    // Events and clock moves in order: "start", "pause", "resume", "boxes" (a question, an input
    // and a password box of a minute each through the pausing dialogs), or milliseconds passing.
    void stopwatch_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<qint64>("answering");
        const auto row = [](const char* name, const char* script, qint64 answering) {
            QTest::newRow(name) << QString(script) << answering;
        };
        row("task shown to check", "start 4000", 4000);
        row("never started", "1000 pause 50 resume 1000", 0);
        row("boxes open", "start 2000 boxes 1500 1", 3501);
        row("boxes over one another", "start 1000 pause 500 pause 500 resume 700 resume 300", 1300);
        row("Rechenfehler closed", "start 9000 pause 2000 resume start 1200", 1200);
        row("restarted behind the box", "start 9000 pause 2000 start 800 resume 1200", 1200);
        row("stray resume", "start 1000 resume 1000 pause 5000 resume 1", 2001);
        row("a break", "start 600000", 180000);
        row("capped after a box", "start 100000 pause 50000 resume 90000", 180000);
        row("clock set back", "start 5000 pause resume -3000 1000", 5000);
    }
    void stopwatch()
    {
        QFETCH(QString, script);
        ScriptedClock clock;
        ScriptedDialogs slow;
        slow.whileOpen = [&clock] { clock.advance(60'000); };
        AnsweringStopwatch watch(clock);
        PausingDialogs dialogs(slow, watch);
        for (const QString& step : script.split(u' ')) {
            if (step == u"start")
                watch.start();
            else if (step == u"pause")
                watch.pause();
            else if (step == u"resume")
                watch.resume();
            else if (step != u"boxes")
                clock.advance(step.toLongLong());
            else { // every box the training window opens stops the time; its answer comes through
                slow.answerMsg(MsgResult::No);
                slow.answerInput("ja");
                slow.answerPassword("1234");
                QCOMPARE(dialogs.msgBox("", MsgStyle::YesNo, ""), MsgResult::No);
                QCOMPARE(dialogs.inputBox("", "", ""), "ja");
                QCOMPARE(dialogs.passwordBox("", ""), "1234");
            }
        }
        QTEST(watch.elapsedMs(), "answering");
    }

    // Checked answers as the lines of the history file: per day and task type, and per ISO week
    // for the facts of the times table.
    void counting_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("counts");
        QTest::newRow("repeats, right and wrong")
                << QStringList{ "T|1|1|2|11|12|4000| 7 + 5 = ?", "T|1|1|2|13|12|3000| 7 + 5 = ?",
                                "T|1|1|2|12|12|2000| 7 + 5 = ?", "T|1|1|3|12|12|2000| 17 + 5 = ?",
                                "T|1|2|2|57|57|1000| 7 + 50 = ?" }
                << QStringList{ "A 2026-11-30 + 1 2 T 1 2 9000", "A 2026-11-30 + 1 3 T 1 0 2000",
                                "A 2026-11-30 + 2 2 T 1 0 1000" };
        QTest::newRow("empty entry not counted, exact text compared")
                << QStringList{ "T|1|1|2||12|4000| 7 + 5 = ?", "T|1|1|2|012|12|4000| 7 + 5 = ?",
                                "T|4|6|2|7R5|7R5|4000| 47 : 6 = ?" }
                << QStringList{ "A 2026-11-30 + 1 2 T 0 1 4000", "A 2026-11-30 : 6 2 T 1 0 4000" };
        QTest::newRow("error practice and mandatory: no type, no level")
                << QStringList{ "F|2|3|2|8|8|1000| 15 - 7 = ?", "F|2|0|0|9|8|1000| 15 - 7 = ?",
                                "P|1|1|1|12|12|500|7 + 5 = ?", "P|0|0|0|9|9|500|Wie alt bist du?" }
                << QStringList{ "A 2026-11-30 ? 0 0 P 1 0 500", "A 2026-11-30 + 0 0 P 1 0 500",
                                "A 2026-11-30 - 0 0 F 1 1 2000" };
        QTest::newRow("type and level out of range, time over the cap")
                << QStringList{ "T|3|8|6|42|42|999999| 7 · 6 = ?", "T|5|1|1|1|1|-5|?" }
                << QStringList{ "A 2026-11-30 ? 0 1 T 1 0 0", "A 2026-11-30 · 0 0 T 1 0 180000",
                                "E 2026-W49 7 6 1 0" };
        QTest::newRow("days across midnight")
                << QStringList{ "2026-12-01 23:59:59.999|T|1|1|1|2|2|10| 1 + 1 = ?",
                                "2026-12-02 00:00:00.000|T|1|1|1|2|2|10| 1 + 1 = ?" }
                << QStringList{ "A 2026-12-01 + 1 1 T 1 0 10", "A 2026-12-02 + 1 1 T 1 0 10" };
        QTest::newRow("facts by ISO week across the year's end")
                << QStringList{ "2026-12-27 10:00|T|3|1|1|42|42|10| 7 · 6 = ?",
                                "2026-12-28 10:00|F|3|1|1|41|42|10| 7 · 6 = ?",
                                "2027-01-03 10:00|P|4|1|1|7|7|10|42 : 6 = ?",
                                "2027-01-04 10:00|T|4|2|1|7|7|10| 42 : ? = 6",
                                "2027-01-04 10:01|T|4|6|1|7R0|7R0|10| 7 : 1 = ?" }
                << QStringList{ "A 2026-12-27 · 1 1 T 1 0 10", "A 2026-12-28 · 0 0 F 0 1 10",
                                "A 2027-01-03 : 0 0 P 1 0 10", "A 2027-01-04 : 2 1 T 1 0 10",
                                "A 2027-01-04 : 6 1 T 1 0 10", "E 2026-W52 7 6 1 0",
                                "E 2026-W53 7 6 1 1",          "E 2027-W01 6 7 1 0" };
    }
    void counting()
    {
        QFETCH(QStringList, answers);
        QFETCH(QStringList, counts);
        QCOMPARE(countLines(historyOf(answers)), counts);
    }

    // Counted one by one or as two records put together, the counts are the same; what one side
    // lacks, the other brings, and counts stop at their largest value instead of overflowing.
    void merge()
    {
        const QStringList answers{ "T|3|1|2|42|42|4000| 7 · 6 = ?", "T|3|1|2|41|42|3000| 7 · 6 = ?",
                                   "2026-12-01 09:00|F|1|0|0|12|12|100| 7 + 5 = ?",
                                   "2026-12-08 09:00|T|4|1|1|7|7|100| 42 : 6 = ?" };
        for (int split = 0; split <= answers.size(); ++split)
            QCOMPARE(merged(historyOf(answers.mid(0, split)), historyOf(answers.mid(split))),
                     historyOf(answers));
        ChildHistory huge = historyOf(answers.mid(0, 1));
        huge.days.begin()->second.right = Tally::MaxCount - 1;
        const ChildHistory sum = merged(huge, merged(huge, huge));
        QCOMPARE(sum.days.begin()->second, (Tally{ Tally::MaxCount, 0, 12000 }));
        QCOMPARE(sum.facts.begin()->second, (Tally{ 3, 0, 0 }));
    }
};

QTEST_GUILESS_MAIN(HistoryRulesTests)
#include "history_rules_tests.moc"
