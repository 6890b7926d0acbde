// The prison without a window: the field and its yard, steps, the searched digit, wishes, escape.

#include "games/prison_rules.h"
#include "scripted_random.h"

#include <QPoint>
#include <QTest>

struct Cell {
    int column, row;
    char digit;
};

// A field of fives with the given cells changed, dealt by scripted draws.
static void dealField(ScriptedRandom& random, const QList<Cell>& cells)
{
    QList<QByteArray> rows(PrisonRules::Size + 1, QByteArray(PrisonRules::Size, '5'));
    for (const Cell& c : cells)
        rows[c.row][c.column - 1] = c.digit;
    for (int r = 1; r <= PrisonRules::Size; ++r)
        for (const char d : rows[r])
            random.pushDraw(d - '0' + 1, 1, 10);
}

class PrisonRulesTests : public QObject {
    Q_OBJECT
private slots:
    void steps_data()
    {
        // Keys U, L, R, D step; W takes a wish when one is left; the field is fives except cells.
        // Then where the "+" stands, the searched digit, the digits taken, "|" and the wish
        // button's caption, and "free" when the child got out.
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QList<Cell>>("cells");
        QTest::addColumn<QString>("after");
        QTest::newRow("yard walk counts nothing")
                << "UULLDDDDRRRR" << QList<Cell>{} << "11,11 0 0 | ? ? ?";
        QTest::newRow("wrong digit refused") << "UUU" << QList<Cell>{} << "9,7 0 0 | ? ? ?";
        QTest::newRow("wishes skip, a fourth is refused")
                << "WWWWUUU" << QList<Cell>{ { 9, 6, '3' } } << "9,6 4 1 | 0 1 2";
        // Three wishes, then 3 to 9 above and below the yard and the 0 after the 9.
        const QList<Cell> round{ { 7, 6, '3' },  { 8, 6, '4' },  { 9, 6, '5' },  { 10, 6, '6' },
                                 { 11, 6, '7' }, { 7, 12, '8' }, { 8, 12, '9' }, { 9, 12, '0' } };
        QTest::newRow("0 after 9")
                << "WWWUULLUDRUDRUDRUDRUDDDDDLLLLDURDURDU" << round << "9,11 1 8 | 0 1 2";
        const QList<Cell> way{ { 6, 9, '0' }, { 5, 9, '1' }, { 4, 9, '2' },
                               { 3, 9, '3' }, { 2, 9, '4' }, { 1, 9, '5' } };
        QTest::newRow("escape onto a digit") << "LLLLLLLL" << way << "1,9 5 5 | ? ? ? free";
    }
    void steps()
    {
        QFETCH(QString, keys);
        QFETCH(QList<Cell>, cells);
        QFETCH(QString, after);
        ScriptedRandom random(/*strict=*/true);
        QList<QString> seen(PrisonRules::Size + 1, QString(PrisonRules::Size, u' '));
        PrisonRules rules(random, [&](int column, int row, QChar character, bool erase) {
            seen[row][column - 1] = erase ? u' ' : character;
        });
        dealField(random, cells);
        rules.start();
        bool escaped = false;
        QStringList asked;
        for (const QChar key : keys) {
            if (key == u'W' && rules.wishLeft())
                asked << rules.wishText(), rules.grantWish();
            else if (key != u'W' && !escaped)
                escaped = rules.step(PrisonRules::Direction(QStringLiteral("ULRD").indexOf(key)))
                        == PrisonRules::Outcome::Free;
        }
        const QString state = QStringLiteral("%1,%2 %3 %4 |%5")
                                      .arg(QString::number(rules.column()),
                                           QString::number(rules.row()), rules.searchedDigit(),
                                           QString::number(rules.steps()), rules.wishCaption());
        QCOMPARE(state + (escaped ? " free" : ""), after);
        QCOMPARE(asked,
                 QStringList({ "Du hast noch 3 Wünsche frei!", "Du hast noch 2 Wünsche frei!",
                               "Du hast noch  1 Wunsch frei!" })
                         .mid(0, keys.count(u'W')));
        // What stands on the field is the field itself with the "+" on it; the yard is empty.
        for (int r = 1; r <= PrisonRules::Size; ++r)
            for (int c = 1; c <= PrisonRules::Size; ++c) {
                const bool player = c == rules.column() && r == rules.row();
                QCOMPARE(seen[r][c - 1], player ? QChar(u'+') : rules.cell(c, r));
                QVERIFY(player || r < 7 || r > 11 || c < 7 || c > 11 || rules.cell(c, r) == u' ');
            }
        if (after.endsWith("free")) { // the next game starts afresh
            rules.endPrisonGame();
            dealField(random, {});
            rules.start();
            QVERIFY(rules.steps() == 0 && rules.wishes() == 0 && rules.searchedDigit() == u'0'
                    && rules.column() == 9);
        }
        QCOMPARE(random.pending(), 0);
    }
};

QTEST_GUILESS_MAIN(PrisonRulesTests)
#include "prison_rules_tests.moc"
