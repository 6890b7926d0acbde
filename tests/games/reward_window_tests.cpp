// The reward chooser and its games as a child meets them: from the training window to a game and
// back.

#include "program_fixture.h"

#include "platform/drawing_surface.h"
#include "platform/game_timer.h"

#include <QScrollBar>
#include <QSignalSpy>

namespace {

// A program whose child has a task on screen and has just earned a reward: the chooser is open.
void EarnReward(ProgramFixture& f)
{
    f.PutTask(QStringLiteral("3 + 4 = ?"), QStringLiteral("7"));
    f.form1().RewardCheck();
    QVERIFY(f.Window("Form6")->isVisible() && !f.form1().isVisible());
}

// The training window is back as it was left, with an empty entry, and no reward window is open.
void BackToTraining(ProgramFixture& f)
{
    QVERIFY(f.form1().isVisible() && f.state().entryText.isEmpty());
    QCOMPARE(f.Caption("Bezeichnung1"), QStringLiteral("3 + 4 = ?"));
    for (const char* window : { "Form6", "Form2", "Form4", "Form5" })
        QVERIFY2(!f.Window(window)->isVisible(), window);
}

void Key(ProgramFixture& f, const QString& at, Qt::Key key, int times = 1)
{
    while (times-- > 0)
        QTest::keyClick(f.Control(at), key);
}

// Lines of a text-grid game's field as told to a screen reader (0 is the field's first row).
QStringList Rows(ProgramFixture& f, const QString& field, const QList<int>& lines)
{
    QStringList rows;
    for (const int line : lines)
        rows << f.Control(field)->accessibleDescription().split(u'\n').value(line);
    return rows;
}

const Shown Stop(const char* title)
{
    return ScriptedDialogs::Msg("  Dieses Spiel jetzt beenden?", 20, title);
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
                                 << "Form1"
                                 << "ZFT-Zaruzidovavivediv" << QByteArray(SIGNAL(cancelled()));
        QTest::newRow("stop sign") << "Bild5"
                                   << "Form1"
                                   << "ZFT-Zaruzidovavivediv" << QByteArray(SIGNAL(cancelled()));
        QTest::newRow("frame") << "frame"
                               << "Form1"
                               << "ZFT-Zaruzidovavivediv" << QByteArray(SIGNAL(cancelled()));
        QTest::newRow("Gefängnis") << "Befehl1"
                                   << "Form2"
                                   << "Gefängnis" << QByteArray(SIGNAL(prisonChosen()));
        QTest::newRow("barred window") << "Bild1"
                                       << "Form2"
                                       << "Gefängnis" << QByteArray(SIGNAL(prisonChosen()));
        QTest::newRow("Zahlfange") << "Befehl3"
                                   << "Form4"
                                   << "Zahlfange" << QByteArray(SIGNAL(numberCatchChosen()));
        QTest::newRow("its drawing") << "Bild3"
                                     << "Form4"
                                     << "Zahlfange" << QByteArray(SIGNAL(numberCatchChosen()));
        QTest::newRow("Memory") << "Befehl4"
                                << "Form5"
                                << "Memory" << QByteArray(SIGNAL(memoryChosen()));
        QTest::newRow("heart") << "Bild4"
                               << "Form5"
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
                                << "" << QByteArray(SIGNAL(slalomChosen()));
        QTest::newRow("slalom car") << "Bild6"
                                    << ""
                                    << "" << QByteArray(SIGNAL(slalomChosen()));
    }
    void choices()
    {
        QFETCH(QString, click);
        QFETCH(QString, window);
        QFETCH(QString, title);
        QFETCH(QByteArray, signal);
        ProgramFixture f;
        f.StartQuietly();
        EarnReward(f);
        QWidget* chooser = f.Window("Form6");
        QCOMPARE(chooser->windowTitle(),
                 QStringLiteral("Du hast dir eine Belohnung verdient. Wähle aus:"));
        QSignalSpy chosen(chooser, signal.constData());
        click == QLatin1String("frame") ? void(chooser->close()) : f.Click("Form6/" + click);
        QVERIFY(chosen.size() == 1 && !chooser->isVisible() && f.Seen().isEmpty());
        if (window.isEmpty())
            return;
        QVERIFY(f.Window(window)->windowTitle() == title && f.Window(window)->isVisible());
        QCOMPARE(f.form1().isVisible(), window == QLatin1String("Form1"));
    }

    void prison()
    {
        // A field of eights with a way out straight up: 0, then 2 to 6 (1 is wished away).
        ProgramFixture f;
        f.StartQuietly();
        EarnReward(f);
        for (int cell = 0; cell < 17 * 17; ++cell)
            f.random.PushDraw(cell % 17 == 8 && cell < 6 * 17
                                      ? QList<int>{ 6, 5, 4, 3, 2, 0 }[cell / 17] + 1
                                      : 9,
                              1, 10);
        f.Click("Form6/Befehl1");
        QCOMPARE(f.Caption("Form2/Bezeichnung1") + f.Caption("Form2/Befehl2")
                         + f.Caption("Form2/Bezeichnung2"),
                 "  0 ? ? ? Suche");
        Key(f, "Form2/Befehl1", Qt::Key_Left);
        QCOMPARE(Rows(f, "Form2/Spielfeld", { 5, 8 }),
                 QStringList({ "88888888088888888", "888888 +   888888" }));
        Key(f, "Form2/Befehl2", Qt::Key_Right), Key(f, "Form2/Befehl2", Qt::Key_Down),
                Key(f, "Form2/Befehl2", Qt::Key_Up, 4);
        QCOMPARE(Rows(f, "Form2/Spielfeld", { 5, 6, 8 }),
                 QStringList({ "88888888+88888888", "888888     888888", "888888     888888" }));
        QCOMPARE(f.Caption("Form2/Bezeichnung1"), QStringLiteral("  1"));
        // A digit key opens the wish box (Yes: 1 is skipped); Escape and the frame ask to stop (No
        // plays on).
        f.dialogs.AnswerMsg(MsgResult::Yes), f.dialogs.AnswerMsg(MsgResult::No),
                f.dialogs.AnswerMsg(MsgResult::No);
        Key(f, "Form2/Bild4", Qt::Key_7);
        QCOMPARE(f.Caption("Form2/Befehl2") + f.Caption("Form2/Bezeichnung1"), " 1 ? ?  2");
        QCOMPARE(f.Window("Form2")->focusWidget(), f.Window("Form2"));
        Key(f, "Form2/Befehl2", Qt::Key_Escape);
        f.Window("Form2")->close();
        Key(f, "Form2/Bild1", Qt::Key_Up, 5);
        QCOMPARE(f.Seen(),
                 (Boxes{ ScriptedDialogs::Msg(
                                 "Du hast noch 3 Wünsche frei!\n\rMöchtest du einen benutzen?\n\r",
                                 36, "Wunschbox"),
                         Stop("Gefängnis"), Stop("Gefängnis"),
                         ScriptedDialogs::Msg("Prima, du bist jetzt frei!\n\rEs waren 5 Spielzüge!",
                                              0, "Gefängnis") }));
        QCOMPARE(f.Caption("Form2/Befehl2"), QStringLiteral(" ? ? ?"));
        BackToTraining(f);
    }

    void numberCatch()
    {
        ProgramFixture f;
        f.StartQuietly();
        EarnReward(f);
        f.Click("Form6/Befehl3");
        auto* form4 = static_cast<Form4*>(f.Window("Form4"));
        QVERIFY(form4->Zeit1().Enabled() && form4->Zeit1().Interval() == 10000);
        f.Control<QScrollBar>("Form4/HBildlauf1")
                ->setValue(3); // a faster pace at once, the keys back on the "+"
        QVERIFY(form4->Zeit1().Interval() == 3000
                && form4->focusWidget() == f.Control("Form4/Bild1"));
        // The 0 jumps onto the "+", the others to columns and rows of their own.
        f.random.PushDraw(14, 1, 24), f.random.PushDraw(9, 3, 16);
        for (int i = 1; i <= 9; ++i)
            f.random.PushDraw(i, 1, 24), f.random.PushDraw(i + (i < 7 ? 2 : 3), 3, 16);
        QVERIFY(f.timers.made.last()->Tick());
        QCOMPARE(f.Caption("Form4/Bezeichnung3"), QStringLiteral("1"));
        Key(f, "Form4/HBildlauf1", Qt::Key_Right);
        QCOMPARE(Rows(f, "Form4/Spielfeld", { 0, 5, 6 }),
                 QStringList({ "1                       ", "     6                  ",
                               "              +         " }));
        f.dialogs.AnswerMsg(MsgResult::No), f.dialogs.AnswerMsg(MsgResult::Yes);
        Key(f, "Form4/Bild2", Qt::Key_Escape);
        f.Click("Form4/Befehl1");
        QCOMPARE(f.Seen(), (Boxes{ Stop("Zahlfange"), Stop("Zahlfange") }));
        QVERIFY(!form4->Zeit1().Enabled() && form4->Zeit1().Interval() == 1000);
        BackToTraining(f);
        EarnReward(f); // the next game keeps the pace the child chose
        f.Click("Form6/Bild3");
        QVERIFY(form4->Zeit1().Interval() == 3000
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
        const Boxes stop{ ScriptedDialogs::Msg("  Das Spiel jetzt beenden?", 20, "Memory") };
        QTest::newRow("all pairs")
                << all << ""
                << Boxes{ ScriptedDialogs::Msg("  Das Spiel ist beendet!", 0, "Memory") } << "1";
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
        f.StartQuietly();
        EarnReward(f);
        for (int n = 1; n <= 18; ++n)
            f.random.PushDraw(n, 1, 18);
        f.Click("Form6/Befehl4");
        QCOMPARE(f.Caption("Form5/Bezeichnung19"),
                 QStringLiteral(" Immer zwei Felder haben die gleiche Zahl, klicke   jedes "
                                "Einzelfeld an und suche alle Zahlenpaare !"));
        QCOMPARE(f.Caption("Form5/Bezeichnung20") + f.Caption("Form5/Bezeichnung21"),
                 QStringLiteral("1. Runde"));
        f.Click("Form5/Bezeichnung7"),
                f.Click("Form5/Bezeichnung7"); // the open card again: nothing
        QCOMPARE(f.Caption("Form5/Bezeichnung20") + f.Caption("Form5/Bezeichnung7"),
                 QStringLiteral("17                7"));
        f.Click("Form5/Bezeichnung8"); // 7 and 8 stay open until the next card
        QCOMPARE(f.Caption("Form5/Bezeichnung20") + f.Caption("Form5/Bezeichnung8").left(1),
                 QStringLiteral("28"));
        for (const int k : cards)
            f.Click(QStringLiteral("Form5/Bezeichnung%1").arg(k));
        if (!end.isEmpty()) {
            QCOMPARE(f.Caption("Form5/Bezeichnung7") + f.Caption("Form5/Bezeichnung8"),
                     "7                7");
            QCOMPARE(f.state().entryText, QStringLiteral("111111011111111011"));
            f.dialogs.AnswerMsg(MsgResult::Yes);
            end == QLatin1String("frame") ? void(f.Window("Form5")->close())
                                          : f.Click("Form5/" + end);
        }
        QCOMPARE(f.Seen(), boxes);
        BackToTraining(f);
        EarnReward(f);
        f.Click("Form6/Bild4");
        QCOMPARE(f.Caption("Form5/Bezeichnung20") + f.Caption("Form5/Bezeichnung7"), nextRound);
    }
};

QTEST_MAIN(RewardWindowTests)
#include "reward_window_tests.moc"
