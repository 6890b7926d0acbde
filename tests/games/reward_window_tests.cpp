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
    f.session().rewardCheck();
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
        QTest::newRow("Abbruch") << "cancelButton"
                                 << "TrainingWindow"
                                 << "ZFT-Zaruzidovavivediv" << QByteArray(SIGNAL(cancelled()));
        QTest::newRow("stop sign") << "noGamePicture"
                                   << "TrainingWindow"
                                   << "ZFT-Zaruzidovavivediv" << QByteArray(SIGNAL(cancelled()));
        QTest::newRow("frame") << "frame"
                               << "TrainingWindow"
                               << "ZFT-Zaruzidovavivediv" << QByteArray(SIGNAL(cancelled()));
        QTest::newRow("Gefängnis") << "prisonButton"
                                   << "PrisonWindow"
                                   << "Gefängnis" << QByteArray(SIGNAL(prisonChosen()));
        QTest::newRow("barred window") << "prisonPicture"
                                       << "PrisonWindow"
                                       << "Gefängnis" << QByteArray(SIGNAL(prisonChosen()));
        QTest::newRow("Zahlfange") << "numberCatchButton"
                                   << "NumberCatchWindow"
                                   << "Zahlfange" << QByteArray(SIGNAL(numberCatchChosen()));
        QTest::newRow("its drawing") << "numberCatchPicture"
                                     << "NumberCatchWindow"
                                     << "Zahlfange" << QByteArray(SIGNAL(numberCatchChosen()));
        QTest::newRow("Memory") << "memoryButton"
                                << "MemoryWindow"
                                << "Memory" << QByteArray(SIGNAL(memoryChosen()));
        QTest::newRow("heart") << "memoryPicture"
                               << "MemoryWindow"
                               << "Memory" << QByteArray(SIGNAL(memoryChosen()));
        // The rides are started by the program's own connections to these two signals.
        QTest::newRow("Autofahrt") << "carRideButton"
                                   << ""
                                   << "" << QByteArray(SIGNAL(carRideChosen()));
        QTest::newRow("car") << "carRidePicture"
                             << ""
                             << "" << QByteArray(SIGNAL(carRideChosen()));
        QTest::newRow("Slalom") << "homewardRideButton"
                                << ""
                                << "" << QByteArray(SIGNAL(homewardRideChosen()));
        QTest::newRow("homeward ride car") << "homewardRidePicture"
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
        f.click("RewardChooser/prisonButton");
        QCOMPARE(f.caption("PrisonWindow/searchedDigitLabel") + f.caption("PrisonWindow/wishButton")
                         + f.caption("PrisonWindow/searchCaption"),
                 "  0 ? ? ? Suche");
        key(f, "PrisonWindow/stopButton", Qt::Key_Left);
        QCOMPARE(rows(f, "PrisonWindow/field", { 5, 8 }),
                 QStringList({ "88888888088888888", "888888 +   888888" }));
        key(f, "PrisonWindow/wishButton", Qt::Key_Right),
                key(f, "PrisonWindow/wishButton", Qt::Key_Down),
                key(f, "PrisonWindow/wishButton", Qt::Key_Up, 4);
        QCOMPARE(rows(f, "PrisonWindow/field", { 5, 6, 8 }),
                 QStringList({ "88888888+88888888", "888888     888888", "888888     888888" }));
        QCOMPARE(f.caption("PrisonWindow/searchedDigitLabel"), QStringLiteral("  1"));
        // A digit key opens the wish box (Yes: 1 is skipped); Escape and the frame ask to stop (No
        // plays on).
        f.dialogs.answerMsg(MsgResult::Yes), f.dialogs.answerMsg(MsgResult::No),
                f.dialogs.answerMsg(MsgResult::No);
        key(f, "PrisonWindow/downArrow", Qt::Key_7);
        QCOMPARE(f.caption("PrisonWindow/wishButton")
                         + f.caption("PrisonWindow/searchedDigitLabel"),
                 " 1 ? ?  2");
        QCOMPARE(f.window("PrisonWindow")->focusWidget(), f.window("PrisonWindow"));
        key(f, "PrisonWindow/wishButton", Qt::Key_Escape);
        f.window("PrisonWindow")->close();
        key(f, "PrisonWindow/upArrow", Qt::Key_Up, 5);
        QCOMPARE(f.seen(),
                 (Boxes{ ScriptedDialogs::msg(
                                 "Du hast noch 3 Wünsche frei!\n\rMöchtest du einen benutzen?\n\r",
                                 36, "Wunschbox"),
                         stop("Gefängnis"), stop("Gefängnis"),
                         ScriptedDialogs::msg("Prima, du bist jetzt frei!\n\rEs waren 5 Spielzüge!",
                                              0, "Gefängnis") }));
        QCOMPARE(f.caption("PrisonWindow/wishButton"), QStringLiteral(" ? ? ?"));
        backToTraining(f);
    }

    void numberCatch()
    {
        ProgramFixture f;
        f.startQuietly();
        earnReward(f);
        f.click("RewardChooser/numberCatchButton");
        auto* numberCatch = static_cast<NumberCatchWindow*>(f.window("NumberCatchWindow"));
        QVERIFY(numberCatch->jumpTimer().enabled() && numberCatch->jumpTimer().interval() == 10000);
        f.control<QScrollBar>("NumberCatchWindow/paceBar")
                ->setValue(3); // a faster pace at once, the keys back on the "+"
        QVERIFY(numberCatch->jumpTimer().interval() == 3000
                && numberCatch->focusWidget() == f.control("NumberCatchWindow/leftArrow"));
        // The 0 jumps onto the "+", the others to columns and rows of their own.
        f.random.pushDraw(14, 1, 24), f.random.pushDraw(9, 3, 16);
        for (int i = 1; i <= 9; ++i)
            f.random.pushDraw(i, 1, 24), f.random.pushDraw(i + (i < 7 ? 2 : 3), 3, 16);
        QVERIFY(f.timers.made.last()->tick());
        QCOMPARE(f.caption("NumberCatchWindow/nextDigitLabel"), QStringLiteral("1"));
        key(f, "NumberCatchWindow/paceBar", Qt::Key_Right);
        QCOMPARE(rows(f, "NumberCatchWindow/field", { 0, 5, 6 }),
                 QStringList({ "1                       ", "     6                  ",
                               "              +         " }));
        f.dialogs.answerMsg(MsgResult::No), f.dialogs.answerMsg(MsgResult::Yes);
        key(f, "NumberCatchWindow/upArrow", Qt::Key_Escape);
        f.click("NumberCatchWindow/endButton");
        QCOMPARE(f.seen(), (Boxes{ stop("Zahlfange"), stop("Zahlfange") }));
        QVERIFY(!numberCatch->jumpTimer().enabled() && numberCatch->jumpTimer().interval() == 1000);
        backToTraining(f);
        earnReward(f); // the next game keeps the pace the child chose
        f.click("RewardChooser/numberCatchPicture");
        QVERIFY(numberCatch->jumpTimer().interval() == 3000
                && f.control("NumberCatchWindow/field")
                           ->accessibleDescription()
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
        QTest::newRow("STOP") << QList<int>{ 7, 16, 1 } << "stopButton" << stop << "0";
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
        f.click("RewardChooser/memoryButton");
        QCOMPARE(f.caption("MemoryWindow/instructionLabel"),
                 QStringLiteral(" Immer zwei Felder haben die gleiche Zahl, klicke   jedes "
                                "Einzelfeld an und suche alle Zahlenpaare !"));
        QCOMPARE(f.caption("MemoryWindow/roundLabel") + f.caption("MemoryWindow/roundCaption"),
                 QStringLiteral("1. Runde"));
        f.click("MemoryWindow/card7"),
                f.click("MemoryWindow/card7"); // the open card again: nothing
        QCOMPARE(f.caption("MemoryWindow/roundLabel") + f.caption("MemoryWindow/card7"),
                 QStringLiteral("17                7"));
        f.click("MemoryWindow/card8"); // 7 and 8 stay open until the next card
        QCOMPARE(f.caption("MemoryWindow/roundLabel") + f.caption("MemoryWindow/card8").left(1),
                 QStringLiteral("28"));
        for (const int k : cards)
            f.click(QStringLiteral("MemoryWindow/card%1").arg(k));
        if (!end.isEmpty()) {
            QCOMPARE(f.caption("MemoryWindow/card7") + f.caption("MemoryWindow/card8"),
                     "7                7");
            f.dialogs.answerMsg(MsgResult::Yes);
            end == QLatin1String("frame") ? void(f.window("MemoryWindow")->close())
                                          : f.click("MemoryWindow/" + end);
        }
        QCOMPARE(f.seen(), boxes);
        backToTraining(f);
        earnReward(f);
        f.click("RewardChooser/memoryPicture");
        QCOMPARE(f.caption("MemoryWindow/roundLabel") + f.caption("MemoryWindow/card7"), nextRound);
    }
};

QTEST_MAIN(RewardWindowTests)
#include "reward_window_tests.moc"
