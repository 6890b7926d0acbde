// Memory without a window: the deal, turning and covering cards, pairs, and the round count.

#include "games/memory_rules.h"
#include "scripted_random.h"

#include <QTest>

static QList<int> numbers(int from, int to)
{
    QList<int> n;
    while (from <= to)
        n << from++;
    return n;
}

class MemoryRulesTests : public QObject {
    Q_OBJECT
private slots:
    void deal()
    { // draws of 1 to 18: a number already dealt is drawn again for the same card
        const QList<int> draws = QList<int>{ 18, 18, 10, 18, 10, 1, 9 } + numbers(2, 8)
                + numbers(11, 16) + QList<int>{ 1, 17 };
        const QList<int> values = QList<int>{ 9, 1, 1, 9 } + numbers(2, 8) + numbers(2, 8);
        ScriptedRandom random(/*strict=*/true);
        for (const int d : draws)
            random.pushDraw(d, 1, 18);
        MemoryRules rules(random, [] {});
        rules.deal();
        QList<int> dealt;
        for (int k = 1; k <= 18; ++k)
            dealt << rules.value(k);
        QVERIFY(dealt == values && random.pending() == 0
                && rules.cardStates() == QString(18, u'1'));
    }

    void turns_data()
    {
        // With cards k and k + 9 holding k, the cards clicked in order (then STOP when asked): what
        // stands on the cards ("-" face down), the unmatched cards ("1"), the
        // round, how often the game was finished.
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<bool>("stop");
        QTest::addColumn<QString>("faces");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("round");
        QTest::addColumn<int>("finished");
        const QString none(18, u'1'), pair("110111111110111111");
        QTest::newRow("first card again ignored")
                << QList<int>{ 3, 3 } << false << "--3---------------" << none << 1 << 0;
        QTest::newRow("unequal pair stays open")
                << QList<int>{ 3, 4 } << false << "--34--------------" << none << 2 << 0;
        QTest::newRow("next click covers it")
                << QList<int>{ 3, 4, 5 } << false << "----5-------------" << none << 2 << 0;
        QTest::newRow("found card reopened and covered")
                << QList<int>{ 3, 12, 3, 4, 5 } << false << "----5------3------" << pair << 3 << 0;
        QList<int> all;
        for (int k = 1; k <= 9; ++k)
            all << k << k + 9;
        QTest::newRow("all pairs") << all << false << QString(18, u'-') << QString() << 1 << 1;
        QTest::newRow("stopped") << QList<int>{ 1, 10, 2 } << true << QString(18, u'-') << QString()
                                 << 0 << 0;
    }
    void turns()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(bool, stop);
        QFETCH(QString, faces);
        QFETCH(QString, entry);
        QFETCH(int, round);
        QFETCH(int, finished);
        ScriptedRandom random(/*strict=*/true);
        for (const int n : numbers(1, 18))
            random.pushDraw(n, 1, 18);
        int finishedCount = 0;
        MemoryRules* game = nullptr;
        MemoryRules rules(random, [&] { ++finishedCount, game->endGame(); });
        game = &rules, rules.deal();
        for (const int k : clicks)
            rules.turnCard(k);
        if (stop)
            rules.endGame();
        QString shown;
        for (int k = 1; k <= 18; ++k) {
            const QString caption = rules.caption(k), v = QString::number(rules.value(k));
            QVERIFY(caption.isEmpty() || caption == v + QString(16, u' ') + v);
            shown += caption.isEmpty() ? u'-' : caption.at(0);
            QCOMPARE(rules.white(k),
                     entry.size() == 18 && entry.at(k - 1) == u'0'); // found pairs are white
        }
        QVERIFY(shown == faces && rules.cardStates() == entry && rules.round() == round
                && finishedCount == finished);
    }
};

QTEST_GUILESS_MAIN(MemoryRulesTests)
#include "memory_rules_tests.moc"
