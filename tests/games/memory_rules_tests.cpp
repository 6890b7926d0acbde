// Memory without a window: the deal, turning and covering cards, pairs, and the round count.

#include "games/memory_rules.h"
#include "scripted_random.h"

#include <QTest>

// With cards k and k + 9 holding k, the cards clicked in order (0: STOP when asked); then what
// stands on the cards ("-" face down, to the end), the unmatched cards ("1"), the round, how often
// the game was finished.
struct Turns {
    QList<int> clicks;
    QString faces, entry;
    int round, finished;
};

class MemoryRulesTests : public QObject {
    Q_OBJECT
private slots:
    void deal()
    { // draws of 1 to 18: a number already dealt is drawn again for the same card
        ScriptedRandom random(/*strict=*/true);
        for (const int d :
             { 18, 18, 10, 18, 10, 1, 9, 2, 3, 4, 5, 6, 7, 8, 11, 12, 13, 14, 15, 16, 1, 17 })
            random.pushDraw(d, 1, 18);
        MemoryRules rules(random, [] {});
        rules.deal();
        QString dealt;
        for (int k = 1; k <= 18; ++k)
            dealt += QString::number(rules.value(k));
        QVERIFY(dealt == "911923456782345678" && random.pending() == 0
                && rules.cardStates() == QString(18, u'1'));
    }

    void turns_data()
    {
        QTest::addColumn<Turns>("turns");
        const QString none(18, u'1'), pair("110111111110111111");
        QTest::newRow("first card again ignored") << Turns{ { 3, 3 }, "--3", none, 1, 0 };
        QTest::newRow("unequal pair stays open") << Turns{ { 3, 4 }, "--34", none, 2, 0 };
        QTest::newRow("next click covers it") << Turns{ { 3, 4, 5 }, "----5", none, 2, 0 };
        QTest::newRow("found card reopened and covered")
                << Turns{ { 3, 12, 3, 4, 5 }, "----5------3", pair, 3, 0 };
        Turns all{ {}, "", "", 1, 1 };
        for (int k = 1; k <= 9; ++k)
            all.clicks << k << k + 9;
        QTest::newRow("all pairs") << all;
        QTest::newRow("stopped") << Turns{ { 1, 10, 2, 0 }, "", "", 0, 0 };
    }
    void turns()
    {
        QFETCH(Turns, turns);
        ScriptedRandom random(/*strict=*/true);
        for (int n = 1; n <= 18; ++n)
            random.pushDraw(n, 1, 18);
        int finished = 0;
        MemoryRules* game = nullptr;
        MemoryRules rules(random, [&] { ++finished, game->endGame(); });
        game = &rules;
        rules.deal();
        for (const int k : turns.clicks)
            k ? rules.turnCard(k) : rules.endGame();
        QString shown;
        for (int k = 1; k <= 18; ++k) {
            const QString caption = rules.caption(k), v = QString::number(rules.value(k));
            QVERIFY(caption.isEmpty() || caption == v + QString(16, u' ') + v);
            shown += caption.isEmpty() ? u'-' : caption.at(0);
            QCOMPARE(rules.white(k), turns.entry.mid(k - 1, 1) == u"0"); // found pairs are white
        }
        QVERIFY(shown == turns.faces.leftJustified(18, u'-') && rules.cardStates() == turns.entry
                && rules.round() == turns.round && finished == turns.finished);
    }
};

QTEST_GUILESS_MAIN(MemoryRulesTests)
#include "memory_rules_tests.moc"
