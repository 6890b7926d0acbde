// The reward chooser and its games as a child meets them: from the training window to a game and
// back.

#include "program_fixture.h"

#include "platform/drawing_surface.h"
#include "platform/game_timer.h"

#include <QScrollBar>
#include <QSignalSpy>

namespace {

// A program whose child has a task on screen and has just earned a reward: the chooser is open.
void earnReward(ProgramFixture& f)
{
    f.putTask(QStringLiteral("3 + 4 = ?"), QStringLiteral("7"));
    f.trainingWindow().rewardCheck();
    QVERIFY(f.window("RewardChooser")->isVisible() && !f.trainingWindow().isVisible());
}

// The training window is back as it was left, with an empty entry, and no reward window is open.
void backToTraining(ProgramFixture& f)
{
    QVERIFY(f.trainingWindow().isVisible() && f.state().entryText.isEmpty());
    QCOMPARE(f.caption("taskLabel"), QStringLiteral("3 + 4 = ?"));
    for (const char* window :
         { "RewardChooser", "PrisonWindow", "NumberCatchWindow", "MemoryWindow" })
        QVERIFY2(!f.window(window)->isVisible(), window);
}

void key(ProgramFixture& f, const QString& at, Qt::Key key, int times = 1)
{
    while (times-- > 0)
        QTest::keyClick(f.control(at), key);
}

// Lines of a text-grid game's field as told to a screen reader (0 is the field's first row).
QStringList rows(ProgramFixture& f, const QString& field, const QList<int>& lines)
{
    QStringList rows;
    for (const int line : lines)
        rows << f.control(field)->accessibleDescription().split(u'\n').value(line);
    return rows;
}

const Shown stop(const char* title)
{
    return ScriptedDialogs::msg("  Dieses Spiel jetzt beenden?", 20, title);
}

} // namespace

class RewardWindowTests : public QObject {
    Q_OBJECT
private slots:
    void choices_data()
    {
        // What the child clicks in the chooser ("frame" closes it), the window that comes up, the
        // chooser's signal.
        QTest::addColumn<QString>("click");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QByteArray>("signal");
        QTest::newRow("Abbruch") << "Befehl5"
                                 << "TrainingWindow"
                                 << "ZFT-Zaruzidovavivediv" << QByteArray(SIGNAL(cancelled()));
        QTest::newRow("stop sign") << "Bild5"
                                   << "TrainingWindow"
                                   << "ZFT-Zaruzidovavivediv" << QByteArray(SIGNAL(cancelled()));
        QTest::newRow("frame") << "frame"
                               << "TrainingWindow"
                               << "ZFT-Zaruzidovavivediv" << QByteArray(SIGNAL(cancelled()));
        QTest::newRow("Gefängnis") << "Befehl1"
                                   << "PrisonWindow"
                                   << "Gefängnis" << QByteArray(SIGNAL(prisonChosen()));
        QTest::newRow("barred window") << "Bild1"
                                       << "PrisonWindow"
                                       << "Gefängnis" << QByteArray(SIGNAL(prisonChosen()));
        QTest::newRow("Zahlfange") << "Befehl3"
                                   << "NumberCatchWindow"
                                   << "Zahlfange" << QByteArray(SIGNAL(numberCatchChosen()));
        QTest::newRow("its drawing") << "Bild3"
                                     << "NumberCatchWindow"
                                     << "Zahlfange" << QByteArray(SIGNAL(numberCatchChosen()));
        QTest::newRow("Memory") << "Befehl4"
                                << "MemoryWindow"
                                << "Memory" << QByteArray(SIGNAL(memoryChosen()));
        QTest::newRow("heart") << "Bild4"
                               << "MemoryWindow"
                               << "Memory" << QByteArray(SIGNAL(memoryChosen()));
        // The rides are started by the program's own connections to these two signals.
        QTest::newRow("Autofahrt") << "Befehl2"
                                   << ""
                                   << "" << QByteArray(SIGNAL(carRideChosen()));
        QTest::newRow("car") << "Bild2"
                             << ""
                             << "" << QByteArray(SIGNAL(carRideChosen()));
        QTest::newRow("Slalom") << "Befehl6"
                                << ""
                                << "" << QByteArray(SIGNAL(homewardRideChosen()));
        QTest::newRow("HomewardRideWindow car") << "Bild6"
                                                << ""
                                                << "" << QByteArray(SIGNAL(homewardRideChosen()));
    }
    void choices()
    {
        QFETCH(QString, click);
        QFETCH(QString, window);
        QFETCH(QString, title);
        QFETCH(QByteArray, signal);
        ProgramFixture f;
        f.startQuietly();
        earnReward(f);
        QWidget* chooser = f.window("RewardChooser");
        QCOMPARE(chooser->windowTitle(),
                 QStringLiteral("Du hast dir eine Belohnung verdient. Wähle aus:"));
        QSignalSpy chosen(chooser, signal.constData());
        click == QLatin1String("frame") ? void(chooser->close())
                                        : f.click("RewardChooser/" + click);
        QVERIFY(chosen.size() == 1 && !chooser->isVisible() && f.seen().isEmpty());
        if (window.isEmpty())
            return;
        QVERIFY(f.window(window)->windowTitle() == title && f.window(window)->isVisible());
        QCOMPARE(f.trainingWindow().isVisible(), window == QLatin1String("TrainingWindow"));
    }

    void prison()
    {
        // A field of eights with a way out straight up: 0, then 2 to 6 (1 is wished away).
        ProgramFixture f;
        f.startQuietly();
        earnReward(f);
        for (int cell = 0; cell < 17 * 17; ++cell)
            f.random.pushDraw(cell % 17 == 8 && cell < 6 * 17
                                      ? QList<int>{ 6, 5, 4, 3, 2, 0 }[cell / 17] + 1
                                      : 9,
                              1, 10);
        f.click("RewardChooser/Befehl1");
        QCOMPARE(f.caption("PrisonWindow/Bezeichnung1") + f.caption("PrisonWindow/Befehl2")
                         + f.caption("PrisonWindow/Bezeichnung2"),
                 "  0 ? ? ? Suche");
        key(f, "PrisonWindow/Befehl1", Qt::Key_Left);
        QCOMPARE(rows(f, "PrisonWindow/Spielfeld", { 5, 8 }),
                 QStringList({ "88888888088888888", "888888 +   888888" }));
        key(f, "PrisonWindow/Befehl2", Qt::Key_Right), key(f, "PrisonWindow/Befehl2", Qt::Key_Down),
                key(f, "PrisonWindow/Befehl2", Qt::Key_Up, 4);
        QCOMPARE(rows(f, "PrisonWindow/Spielfeld", { 5, 6, 8 }),
                 QStringList({ "88888888+88888888", "888888     888888", "888888     888888" }));
        QCOMPARE(f.caption("PrisonWindow/Bezeichnung1"), QStringLiteral("  1"));
        // A digit key opens the wish box (Yes: 1 is skipped); Escape and the frame ask to stop (No
        // plays on).
        f.dialogs.answerMsg(MsgResult::Yes), f.dialogs.answerMsg(MsgResult::No),
                f.dialogs.answerMsg(MsgResult::No);
        key(f, "PrisonWindow/Bild4", Qt::Key_7);
        QCOMPARE(f.caption("PrisonWindow/Befehl2") + f.caption("PrisonWindow/Bezeichnung1"),
                 " 1 ? ?  2");
        QCOMPARE(f.window("PrisonWindow")->focusWidget(), f.window("PrisonWindow"));
        key(f, "PrisonWindow/Befehl2", Qt::Key_Escape);
        f.window("PrisonWindow")->close();
        key(f, "PrisonWindow/Bild1", Qt::Key_Up, 5);
        QCOMPARE(f.seen(),
                 (Boxes{ ScriptedDialogs::msg(
                                 "Du hast noch 3 Wünsche frei!\n\rMöchtest du einen benutzen?\n\r",
                                 36, "Wunschbox"),
                         stop("Gefängnis"), stop("Gefängnis"),
                         ScriptedDialogs::msg("Prima, du bist jetzt frei!\n\rEs waren 5 Spielzüge!",
                                              0, "Gefängnis") }));
        QCOMPARE(f.caption("PrisonWindow/Befehl2"), QStringLiteral(" ? ? ?"));
        backToTraining(f);
    }

    void numberCatch()
    {
        ProgramFixture f;
        f.startQuietly();
        earnReward(f);
        f.click("RewardChooser/Befehl3");
        auto* form4 = static_cast<NumberCatchWindow*>(f.window("NumberCatchWindow"));
        QVERIFY(form4->zeit1().enabled() && form4->zeit1().interval() == 10000);
        f.control<QScrollBar>("NumberCatchWindow/HBildlauf1")
                ->setValue(3); // a faster pace at once, the keys back on the "+"
        QVERIFY(form4->zeit1().interval() == 3000
                && form4->focusWidget() == f.control("NumberCatchWindow/Bild1"));
        // The 0 jumps onto the "+", the others to columns and rows of their own.
        f.random.pushDraw(14, 1, 24), f.random.pushDraw(9, 3, 16);
        for (int i = 1; i <= 9; ++i)
            f.random.pushDraw(i, 1, 24), f.random.pushDraw(i + (i < 7 ? 2 : 3), 3, 16);
        QVERIFY(f.timers.made.last()->tick());
        QCOMPARE(f.caption("NumberCatchWindow/Bezeichnung3"), QStringLiteral("1"));
        key(f, "NumberCatchWindow/HBildlauf1", Qt::Key_Right);
        QCOMPARE(rows(f, "NumberCatchWindow/Spielfeld", { 0, 5, 6 }),
                 QStringList({ "1                       ", "     6                  ",
                               "              +         " }));
        f.dialogs.answerMsg(MsgResult::No), f.dialogs.answerMsg(MsgResult::Yes);
        key(f, "NumberCatchWindow/Bild2", Qt::Key_Escape);
        f.click("NumberCatchWindow/Befehl1");
        QCOMPARE(f.seen(), (Boxes{ stop("Zahlfange"), stop("Zahlfange") }));
        QVERIFY(!form4->zeit1().enabled() && form4->zeit1().interval() == 1000);
        backToTraining(f);
        earnReward(f); // the next game keeps the pace the child chose
        f.click("RewardChooser/Bild3");
        QVERIFY(form4->zeit1().interval() == 3000
                && form4->Spielfeld->accessibleDescription()
                           .trimmed()
                           .isEmpty()); // and a clean field
    }

    void memory_data()
    {
        // Cards k and k + 9 hold k. The cards clicked after 7 and 8, what ends the game and the
        // round the next game starts with.
        QTest::addColumn<QList<int>>("cards");
        QTest::addColumn<QString>("end");
        QTest::addColumn<Boxes>("boxes");
        QTest::addColumn<QString>("nextRound");
        QList<int> all;
        for (int k = 1; k <= 9; ++k)
            all << k << k + 9;
        const Boxes stop{ ScriptedDialogs::msg("  Das Spiel jetzt beenden?", 20, "Memory") };
        QTest::newRow("all pairs")
                << all << ""
                << Boxes{ ScriptedDialogs::msg("  Das Spiel ist beendet!", 0, "Memory") } << "1";
        QTest::newRow("STOP") << QList<int>{ 7, 16, 1 } << "Befehl1" << stop << "0";
        QTest::newRow("frame") << QList<int>{ 7, 16, 1 } << "frame" << stop << "0";
    }
    void memory()
    {
        QFETCH(QList<int>, cards);
        QFETCH(QString, end);
        QFETCH(Boxes, boxes);
        QFETCH(QString, nextRound);
        ProgramFixture f;
        f.startQuietly();
        earnReward(f);
        for (int n = 1; n <= 18; ++n)
            f.random.pushDraw(n, 1, 18);
        f.click("RewardChooser/Befehl4");
        QCOMPARE(f.caption("MemoryWindow/Bezeichnung19"),
                 QStringLiteral(" Immer zwei Felder haben die gleiche Zahl, klicke   jedes "
                                "Einzelfeld an und suche alle Zahlenpaare !"));
        QCOMPARE(f.caption("MemoryWindow/Bezeichnung20") + f.caption("MemoryWindow/Bezeichnung21"),
                 QStringLiteral("1. Runde"));
        f.click("MemoryWindow/Bezeichnung7"),
                f.click("MemoryWindow/Bezeichnung7"); // the open card again: nothing
        QCOMPARE(f.caption("MemoryWindow/Bezeichnung20") + f.caption("MemoryWindow/Bezeichnung7"),
                 QStringLiteral("17                7"));
        f.click("MemoryWindow/Bezeichnung8"); // 7 and 8 stay open until the next card
        QCOMPARE(f.caption("MemoryWindow/Bezeichnung20")
                         + f.caption("MemoryWindow/Bezeichnung8").left(1),
                 QStringLiteral("28"));
        for (const int k : cards)
            f.click(QStringLiteral("MemoryWindow/Bezeichnung%1").arg(k));
        if (!end.isEmpty()) {
            QCOMPARE(f.caption("MemoryWindow/Bezeichnung7")
                             + f.caption("MemoryWindow/Bezeichnung8"),
                     "7                7");
            QCOMPARE(f.state().entryText, QStringLiteral("111111011111111011"));
            f.dialogs.answerMsg(MsgResult::Yes);
            end == QLatin1String("frame") ? void(f.window("MemoryWindow")->close())
                                          : f.click("MemoryWindow/" + end);
        }
        QCOMPARE(f.seen(), boxes);
        backToTraining(f);
        earnReward(f);
        f.click("RewardChooser/Bild4");
        QCOMPARE(f.caption("MemoryWindow/Bezeichnung20") + f.caption("MemoryWindow/Bezeichnung7"),
                 nextRound);
    }
};

QTEST_MAIN(RewardWindowTests)
#include "reward_window_tests.moc"
