// The number catch without a window: moves of the "+", the jumps of the digits, and the catches.

#include "games/number_catch_rules.h"
#include "scripted_random.h"

#include <QTest>

using Cells = QList<QPoint>; // column, row
using Grid = QList<QString>;

// count cells in columns and rows of their own, the first on (column, row).
static Cells spreadCells(int column, int row, int count)
{
    Cells cells{ { column, row } };
    for (int c = 1, r = NumberCatchRules::FirstRow; cells.size() < count; ++c, ++r)
        cells << QPoint(c == column ? ++c : c, r == row ? ++r : r);
    return cells;
}

class NumberCatchRulesTests : public QObject {
    Q_OBJECT
private slots:
    void play_data()
    {
        // Keys L, U, D, R move the "+"; T is a tick whose digits land on the next list of cells.
        // Then where the "+" stands, and the cells of the digits still to catch (caught from 0 up,
        // the last ones of 0 to 9 are left); the last key ended the game when none is left.
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QList<Cells>>("jumps");
        QTest::addColumn<QPoint>("cross");
        QTest::addColumn<Cells>("digits");
        Cells diagonal;
        for (int i = 4; i <= 13; ++i)
            diagonal << QPoint(i, i);
        QTest::newRow("0 caught unseen on the diagonal")
                << "LLLLLLLLLLUUUUU" << QList<Cells>{} << QPoint(4, 4) << diagonal.mid(1);
        QTest::newRow("1 not caught before 0")
                << "LLLLLLLLLUUUU" << QList<Cells>{} << QPoint(5, 5) << diagonal;
        QTest::newRow("rows 1 and 2 never reached")
                << "UUUUUUUUULLLLLLLLLLLLLLLLLLLL" << QList<Cells>{} << QPoint(1, 3) << diagonal;
        QTest::newRow("far corner")
                << "DDDDDDDDDDRRRRRRRRRRRRRRR" << QList<Cells>{} << QPoint(24, 16) << diagonal;
        const Cells spread = spreadCells(20, 12, 10);
        QTest::newRow("two jumps")
                << "TT" << QList<Cells>{ spreadCells(14, 9, 10).mid(1) << QPoint(20, 16), spread }
                << QPoint(14, 9) << spread;
        QTest::newRow("0 jumps onto the +") << "T" << QList<Cells>{ spreadCells(14, 9, 10) }
                                            << QPoint(14, 9) << spreadCells(14, 9, 10).mid(1);
        Cells sevenOnCross = spread;
        sevenOnCross[7] = QPoint(14, 9);
        QTest::newRow("7 jumps onto the +")
                << "T" << QList<Cells>{ sevenOnCross } << QPoint(14, 9) << sevenOnCross;
        // Equal columns or rows are drawn again: the second digit's first two cells clash.
        QTest::newRow("clashes drawn again")
                << "T" << QList<Cells>{ Cells{ { 20, 12 }, { 20, 3 }, { 1, 12 } } + spread.mid(1) }
                << QPoint(14, 9) << spread;
        QList<Cells> catches;
        for (int left = 10; left > 0; --left)
            catches << spreadCells(14, 9, left);
        QTest::newRow("ten catches end the game")
                << "TTTTTTTTTT" << catches << QPoint(14, 9) << Cells{};
    }
    void play()
    {
        QFETCH(QString, keys);
        QFETCH(QList<Cells>, jumps);
        QFETCH(QPoint, cross);
        QFETCH(Cells, digits);
        ScriptedRandom random(/*strict=*/true);
        Grid seen(NumberCatchRules::LastRow + 1, QString(NumberCatchRules::Columns, u' '));
        NumberCatchRules rules(random, [&](int column, int row, QChar character, bool erase) {
            QVERIFY(row >= NumberCatchRules::FirstRow && row <= NumberCatchRules::LastRow
                    && column >= 1 && column <= NumberCatchRules::Columns);
            seen[row][column - 1] = erase ? u' ' : character;
        });
        rules.start();
        bool ended = false;
        for (const QChar key : keys) {
            QVERIFY(!ended);
            for (const QPoint& cell : key == u'T' ? jumps.takeFirst() : Cells{})
                random.pushDraw(cell.x(), 1, NumberCatchRules::Columns),
                        random.pushDraw(cell.y(), NumberCatchRules::FirstRow,
                                        NumberCatchRules::LastRow);
            ended = key == u'T'
                    ? rules.tick()
                    : rules.move(NumberCatchRules::Direction(QStringLiteral("LUDR").indexOf(key)));
        }
        const QString left = QStringLiteral("0123456789").right(digits.size());
        Cells standing;
        for (int i = 1; i <= left.size(); ++i)
            standing << QPoint(rules.digitColumn(i), rules.digitRow(i));
        QVERIFY(QPoint(rules.crossColumn(), rules.crossRow()) == cross && ended == left.isEmpty()
                && random.pending() == 0);
        QVERIFY(rules.remaining() == left && rules.nextDigit() == left.left(1)
                && standing == digits);
        // After a tick the field shows the digits at their cells and the "+", and nothing else.
        Grid field(NumberCatchRules::LastRow + 1, QString(NumberCatchRules::Columns, u' '));
        for (int i = 0; i < left.size(); ++i)
            field[digits[i].y()][digits[i].x() - 1] = left.at(i);
        field[cross.y()][cross.x() - 1] = u'+';
        if (keys.contains(u'T'))
            QCOMPARE(seen, field);
        else if (!keys.isEmpty())
            QCOMPARE(seen[cross.y()][cross.x() - 1], QChar(u'+'));
    }
};

QTEST_GUILESS_MAIN(NumberCatchRulesTests)
#include "number_catch_rules_tests.moc"
