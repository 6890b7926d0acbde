// The number catch without a window: moves of the "+", the jumps of the digits, and the catches.

#include "games/number_catch_rules.h"
#include "scripted_random.h"

#include <QTest>

class NumberCatchRulesTests : public QObject {
    Q_OBJECT
private slots:
    void play_data();
    void play();
    void tenCatches();
};

namespace {
using Cells = QList<QPoint>; // column, row
using Grid = QList<QString>;

// The digits still to catch land on these cells at the next tick, in order.
void PushJump(ScriptedRandom& random, const Cells& cells)
{
    for (const QPoint& cell : cells) {
        random.PushDraw(cell.x(), 1, NumberCatchRules::Columns);
        random.PushDraw(cell.y(), NumberCatchRules::FirstRow, NumberCatchRules::LastRow);
    }
}

// Ten cells in columns and rows of their own, the first on (column, row).
Cells Spread(int column, int row, int count)
{
    Cells cells{{column, row}};
    for (int c = 1, r = NumberCatchRules::FirstRow; cells.size() < count; ++c, ++r)
        cells << QPoint(c == column ? ++c : c, r == row ? ++r : r);
    return cells;
}
} // namespace

void NumberCatchRulesTests::play_data()
{
    // Keys L, U, D, R move the "+"; T is a tick whose digits land on the next list of cells.
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QList<Cells>>("jumps");
    QTest::addColumn<QPoint>("cross");
    QTest::addColumn<QString>("left"); // the digits still to catch
    QTest::addColumn<Cells>("digits"); // where they stand
    Cells diagonal;
    for (int i = 4; i <= 13; ++i)
        diagonal << QPoint(i, i);
    QTest::newRow("start") << "" << QList<Cells>{} << QPoint(14, 9) << "0123456789" << diagonal;
    QTest::newRow("0 caught unseen on the diagonal") << "LLLLLLLLLLUUUUU" << QList<Cells>{} << QPoint(4, 4) << "123456789" << diagonal.mid(1);
    QTest::newRow("1 not caught before 0") << "LLLLLLLLLUUUU" << QList<Cells>{} << QPoint(5, 5) << "0123456789" << diagonal;
    QTest::newRow("rows 1 and 2 never reached") << "UUUUUUUUULLLLLLLLLLLLLLLLLLLL" << QList<Cells>{} << QPoint(1, 3) << "0123456789" << diagonal;
    QTest::newRow("far corner") << "DDDDDDDDDDRRRRRRRRRRRRRRR" << QList<Cells>{} << QPoint(24, 16) << "0123456789" << diagonal;
    const Cells spread = Spread(20, 12, 10);
    QTest::newRow("a jump") << "T" << QList<Cells>{spread} << QPoint(14, 9) << "0123456789" << spread;
    QTest::newRow("0 jumps onto the +") << "T" << QList<Cells>{Spread(14, 9, 10)} << QPoint(14, 9) << "123456789" << Spread(14, 9, 10).mid(1);
    Cells sixOnCross = spread;
    sixOnCross[7] = QPoint(14, 9);
    QTest::newRow("7 jumps onto the +") << "T" << QList<Cells>{sixOnCross} << QPoint(14, 9) << "0123456789" << sixOnCross;
    // Equal columns or rows are drawn again: the second digit's first two cells clash.
    QTest::newRow("clashes drawn again") << "T" << QList<Cells>{Cells{{20, 12}, {20, 3}, {1, 12}} + Spread(20, 12, 10).mid(1)}
                                         << QPoint(14, 9) << "0123456789" << spread;
}

void NumberCatchRulesTests::play()
{
    QFETCH(QString, keys);
    QFETCH(QList<Cells>, jumps);
    QFETCH(QPoint, cross);
    QFETCH(QString, left);
    QFETCH(Cells, digits);
    MODUL1 state;
    ScriptedRandom random(/*strict=*/true);
    Grid seen(NumberCatchRules::LastRow + 1, QString(NumberCatchRules::Columns, u' '));
    NumberCatchRules rules(state, random, [&](int column, int row, QChar character, bool erase) {
        QVERIFY(row >= NumberCatchRules::FirstRow && row <= NumberCatchRules::LastRow && column >= 1 && column <= NumberCatchRules::Columns);
        seen[row][column - 1] = erase ? u' ' : character;
    });
    rules.Start();
    for (const QChar key : keys) {
        if (key == u'T') {
            PushJump(random, jumps.takeFirst());
            QVERIFY(!rules.Tick());
        } else
            QVERIFY(!rules.Move(NumberCatchRules::Direction(QStringLiteral("LUDR").indexOf(key))));
    }
    QCOMPARE(QPoint(rules.CrossColumn(), rules.CrossRow()), cross);
    QCOMPARE(state.EntryText, left);
    QCOMPARE(rules.NextDigit(), left.left(1));
    Cells standing;
    for (int i = 1; i <= left.size(); ++i)
        standing << QPoint(rules.DigitColumn(i), rules.DigitRow(i));
    QCOMPARE(standing, digits);
    // After a tick every digit shows at its cell, and the "+" wherever it has been drawn.
    if (keys.contains(u'T'))
        for (int i = 0; i < left.size(); ++i)
            QCOMPARE(seen[digits[i].y()][digits[i].x() - 1], digits[i] == cross ? QChar(u'+') : left.at(i));
    if (!keys.isEmpty())
        QCOMPARE(seen[cross.y()][cross.x() - 1], QChar(u'+'));
    QCOMPARE(random.Pending(), 0);
}

void NumberCatchRulesTests::tenCatches()
{
    // Every tick the next digit jumps onto the "+": ten ticks end the game, not nine.
    MODUL1 state;
    ScriptedRandom random(/*strict=*/true);
    NumberCatchRules rules(state, random, [](int, int, QChar, bool) {});
    rules.Start();
    for (int caught = 1; caught <= 10; ++caught) {
        PushJump(random, Spread(14, 9, 11 - caught));
        QCOMPARE(rules.Tick(), caught == 10);
    }
    QVERIFY(state.EntryText.isEmpty());
    state.EntryText = QStringLiteral("5");
    rules.EndNumberCatch();
    QVERIFY(state.EntryText.isEmpty());
}

QTEST_GUILESS_MAIN(NumberCatchRulesTests)
#include "number_catch_rules_tests.moc"
