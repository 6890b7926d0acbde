// What the "Lernstand" page asks of a child's history: the days, the weeks, the hardest task
// types, the times-table grid, the class overview row and the spreadsheet file.
#include "history_test_data.h"
#include "models/history_queries.h"

#include <QTest>

namespace {

QString counts(const Tally& tally, Rating rating)
{
    return QStringLiteral("%1/%2 %3").arg(tally.right).arg(tally.wrong).arg(int(rating));
}

} // namespace

class HistoryQueriesTests : public QObject {
    Q_OBJECT

private slots:
    // The table of days, newest first, every kind of task together, and the same as a file.
    void dayTable()
    {
        const ChildHistory history = historyOf(
                { "12×2026-11-30 08:00|T|1|1|2|12|12|20000| 7 + 5 = ?",
                  "6×2026-11-30 09:00|F|1|0|0|1|12|5000| 7 + 5 = ?",
                  "2×2026-11-30 10:00|P|0|0|0|1|12|2500|Aufgabe",
                  "2026-11-29 23:59|T|3|1|1|42|42|29999| 7 · 6 = ?",
                  "2026-12-01 00:00|T|3|1|1|41|42|30000| 7 · 6 = ?",
                  "7×2026-11-27 10:00|T|1|1|1|2|2|0|?", "2026-11-27 10:00|T|1|1|1|3|2|0|?" });
        QCOMPARE(dayTableCsv(dayRows(history)),
                 dayTableCsv({}) + "01.12.2026;1;0;1;100 %;1\r\n30.11.2026;20;12;8;40 %;5\r\n"
                         + "29.11.2026;1;1;0;0 %;0\r\n27.11.2026;8;7;1;13 %;0\r\n");
        QCOMPARE(dayTableCsv({}),
                 QByteArray("\xEF\xBB\xBFTag;Aufgaben;Richtig;Falsch;Fehlerquote;Minuten\r\n"));
        QCOMPARE(dayText(QDate(2027, 1, 4)), QStringLiteral("04.01.2027"));
    }

    // Eight ISO weeks, oldest first, with empty weeks, across the end of a year with week 53.
    void weeks()
    {
        const ChildHistory history = historyOf(
                { "2026-11-15 12:00|T|1|1|1|1|2|0|?", "2026-11-16 12:00|T|1|1|1|2|2|0|?",
                  "3×2026-12-31 12:00|T|1|1|1|2|2|0|?", "2027-01-03 12:00|F|1|1|1|1|2|0|?",
                  "2027-01-05 12:00|P|1|1|1|2|2|0|?", "2027-01-11 12:00|T|1|1|1|2|2|0|?" });
        QStringList bars;
        for (const WeekBar& bar : weekBars(history, QDate(2027, 1, 10)))
            bars.append(QStringLiteral("%1-W%2 ").arg(bar.week.year).arg(bar.week.week)
                        + counts(bar.tally, {}));
        QCOMPARE(bars,
                 (QStringList{ "2026-W47 1/0 0", "2026-W48 0/0 0", "2026-W49 0/0 0",
                               "2026-W50 0/0 0", "2026-W51 0/0 0", "2026-W52 0/0 0",
                               "2026-W53 3/1 0", "2027-W1 1/0 0" }));
    }

    // The last four weeks: levels together, stored tasks and older weeks left out, the worst
    // share first, the types too little practised greyed at the end in list order. Ratings:
    // 0 too few, 1 sure (below 10 %), 2 shaky (from 10 %), 3 hard (from 25 %).
    void hardestTypes()
    {
        const QDate today(2026, 12, 24); // Thursday; the four weeks begin on Monday 30 November
        const ChildHistory history = historyOf(
                { "15×2026-11-30 08:00|T|3|1|1|42|42|0| 7 · 6 = ?", // times "Malaufgaben": 5 of 20
                  "5×2026-12-24 08:00|T|3|1|3|1|42|0| 17 · 6 = ?",
                  "9×2026-12-01 08:00|T|1|1|1|2|2|0|1 + 1 = ?", // plus "Plus Einer": 1 of 20
                  "11×2026-12-01 08:00|T|1|1|2|2|2|0|1 + 1 = ?",
                  "1×2026-12-01 08:00|T|1|1|2|3|2|0|1 + 1 = ?",
                  "19×2026-12-02 08:00|T|4|6|1|2|2|0| 9 : 4 = ?", // divide remainders: 2 of 21,
                                                                  // sure
                  "2×2026-12-02 08:00|T|4|6|1|3|2|0| 9 : 4 = ?",
                  "18×2026-12-02 08:00|T|2|1|1|0|0|0| 5 - 5 = ?", // minus: 2 of 20
                  "2×2026-12-02 08:00|T|2|1|1|1|0|0| 5 - 5 = ?",
                  "36×2026-12-02 08:00|T|3|2|1|7|7|0| 6 · ? = 42", // 4 of 40: as bad, more answers
                  "4×2026-12-02 08:00|T|3|2|1|8|7|0| 6 · ? = 42",
                  "19×2026-12-03 08:00|T|2|8|1|<|<|0|?", // minus compare: too few
                  "3×2026-12-03 08:00|T|1|7|1|3|3|0|?", // plus chains: too few
                  "30×2026-11-29 08:00|T|1|2|1|0|1|0|?", // plus tens: a week too early
                  "30×2026-12-03 08:00|F|1|0|0|0|1|0|?", // error practice: type unknown
                  "30×2026-12-03 08:00|P|1|0|0|0|1|0|?" });
        QStringList rows;
        for (const TypeRow& row : ::hardestTypes(history, today))
            rows.append(QString::number(int(row.operation)) + u' ' + row.name + u' '
                        + counts(row.tally, row.rating));
        QCOMPARE(rows,
                 (QStringList{ "3 Malaufgaben 15/5 3", "3 Ergänzungen 36/4 2",
                               "2 Minus Einer 18/2 2", "4 Restaufgaben 19/2 1",
                               "1 Plus Einer 20/1 1", "1 Plusketten 3/0 0",
                               "2 Groß-Klein 19/0 0" }));
    }

    // The times table over the four weeks, with the same colours and the smaller minimum.
    void factGrid()
    {
        const QDate today(2026, 12, 21); // Monday; the four weeks begin on 30 November
        const ChildHistory history =
                historyOf({ "4×2026-11-30 08:00|T|3|1|1|42|42|0| 7 · 6 = ?",
                            "2026-12-21 08:00|F|4|1|1|0|7|0| 42 : 6 = ?",
                            "5×2026-12-01 08:00|T|3|1|1|1|1|0| 1 · 1 = ?",
                            "2×2026-12-01 08:00|T|3|1|1|0|10|0| 10 · 10 = ?",
                            "3×2026-12-01 08:00|T|3|1|1|100|100|0| 10 · 10 = ?",
                            "9×2026-11-29 08:00|T|3|1|1|0|3|0| 3 · 1 = ?" });
        const FactGrid grid = ::factGrid(history, today);
        QStringList cells;
        for (int a = 1; a <= 10; ++a)
            for (int b = 1; b <= 10; ++b)
                if (const FactCell& cell = grid[a - 1][b - 1]; cell.tally.answers() > 0)
                    cells.append(QStringLiteral("%1·%2 ").arg(a).arg(b)
                                 + counts(cell.tally, cell.rating));
        QCOMPARE(cells, (QStringList{ "1·1 5/0 1", "7·6 4/1 2", "10·10 3/2 3" }));
    }

    void classRow()
    {
        const ChildHistory history = historyOf({ "2×2026-11-29 08:00|T|1|1|1|1|1|0|?",
                                                 "2026-11-30 08:00|T|1|1|1|1|2|0|?",
                                                 "3×2026-12-06 23:59|P|1|1|1|1|1|0|?" });
        const ClassRow row = ::classRow(history, QDate(2026, 12, 2));
        QCOMPARE(row.thisWeek, (Tally{ 3, 1, 0 }));
        QCOMPARE(errorPercentText(row.thisWeek), QStringLiteral("25 %"));
        QCOMPARE(row.lastDay, QDate(2026, 12, 6));
        const ClassRow never = ::classRow(historyOf({}, "Ben"), QDate(2026, 12, 2));
        QCOMPARE(errorPercent(never.thisWeek), 0); // shown as "" and "nie": progress_page_tests
    }
};

QTEST_GUILESS_MAIN(HistoryQueriesTests)
#include "history_queries_tests.moc"
