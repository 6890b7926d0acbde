// The homeward ride without its window: where nails may lie, what each move shows and says, the
// nail show, and which activations of the window start a new ride.

#include "desktop_doubles.h"
#include "scripted_dialogs.h"
#include "scripted_random.h"

#include "games/homeward_ride_rules.h"

#include <QTest>

using Boxes = QList<ScriptedDialogs::Shown>;

namespace {

// Everything the ride shows, in order, in one line: its window's doing and its message boxes (by
// title; the texts are kept by the scripted dialogs). A run of equal entries is written once, "xN".
class Journal final : public HomewardRideView, public Dialogs {
public:
    void PlaceCar(int c, int r) override { Add(QStringLiteral("car %1,%2").arg(c).arg(r)); }
    void PlaceMarker(int c, int r) override { Add(QStringLiteral("X %1,%2").arg(c).arg(r)); }
    void ShowMarker(bool visible) override { Add(visible ? "marker on" : "marker off"); }
    void ShowVehicle(int breakdowns) override { Add(QStringLiteral("vehicle %1").arg(breakdowns)); }
    void SetHint(const QString& text) override
    {
        Add(text == "Die Fahrbahn ist frei!" ? "frei" : text == "Nagel auf der Fahrbahn!" ? "Nagel" : "hint '" + text + "'");
    }
    void DrawNail(int c, int r) override { Add(QStringLiteral("nail %1,%2").arg(c).arg(r)); }
    void EndRide() override { Add("end"); }
    int MsgBox(const QString& text, int style, const QString& title) override
    {
        Add("box " + title);
        return dialogs.MsgBox(text, style, title);
    }
    QString InputBox(const QString&, const QString&, const QString&) override { return QString(); }
    QString PasswordBox(const QString&, const QString&) override { return QString(); }
    void Beep() override { Add("beep"); }

    void Add(const QString& entry)
    {
        if (!entries.isEmpty() && entries.last().section(QStringLiteral(" x"), 0, 0) == entry) {
            const int n = entries.last().section(QStringLiteral(" x"), 1).toInt();
            entries.last() = entry + QStringLiteral(" x") + QString::number(n ? n + 1 : 2);
        } else {
            entries.append(entry);
        }
    }
    QString Take() { return std::exchange(entries, {}).join(QStringLiteral(" | ")); }

    QStringList entries;
    ScriptedDialogs dialogs;
};

// 20 nails out of the given cells ("c,r c,r ..."), each repeated in a block: two cells give ten
// nails each.
QList<Nail> Blocks(const QString& cells)
{
    const QStringList list = cells.split(u' ', Qt::SkipEmptyParts);
    QList<Nail> nails;
    for (int i = 0; i < HomewardRide::NailCount; ++i) {
        const QStringList cell = list[i * list.size() / HomewardRide::NailCount].split(u',');
        nails.append({std::int16_t(cell[0].toInt()), std::int16_t(cell[1].toInt())});
    }
    return nails;
}

struct Ride {
    // A ride set up with the given cells as the random draws of its nails.
    explicit Ride(const QString& drawn)
    {
        for (const Nail& n : Blocks(drawn)) {
            random.PushDraw(n.column, 1, 12);
            random.PushDraw(n.row, 1, 10);
        }
        ride.StartHomewardRide();
    }
    // L R U D: a move; T: a tick of the show timer; S: the show stopped as "Ende" stops it.
    void Do(const QString& keys)
    {
        for (const QChar k : keys)
            switch (k.unicode()) {
            case 'L': ride.MoveLeft(); break;
            case 'R': ride.MoveRight(); break;
            case 'U': ride.MoveUp(); break;
            case 'D': ride.MoveDown(); break;
            case 'T': timers.made.first()->Tick(); break;
            case 'S': ride.StopShow(); break;
            }
    }
    Journal journal;
    ScriptedRandom random{true};
    ManualTimers timers;
    HomewardRide ride{journal, journal, random, timers};
};

} // namespace

class HomewardRideRulesTests : public QObject {
    Q_OBJECT
private slots:
    void setUp_data();
    void setUp();
    void nailsNeverOnStartOrHouse();
    void moves_data();
    void moves();
    void nailShow_data();
    void nailShow();
    void activation_data();
    void activation();
};

void HomewardRideRulesTests::setUp_data()
{
    QTest::addColumn<QString>("nails"); // as drawn
    QTest::addColumn<QString>("first"); // the first nail as placed
    QTest::addColumn<QString>("journal");
    QTest::newRow("nail right of the start") << "2,1" << "2,1" << "car 1,1 | beep | Nagel | box Nagelstellen | marker on";
    QTest::newRow("start drawn: below it") << "1,1 7,7" << "1,2" << "car 1,1 | beep | Nagel | box Nagelstellen | marker on";
    QTest::newRow("house drawn: left of it") << "12,10" << "11,10" << "car 1,1 | frei | box Nagelstellen | marker on";
    QTest::newRow("diagonal does not count") << "2,2" << "2,2" << "car 1,1 | frei | box Nagelstellen | marker on";
    QTest::newRow("other corners stay") << "12,1 1,10" << "12,1" << "car 1,1 | frei | box Nagelstellen | marker on";
}

void HomewardRideRulesTests::setUp()
{
    QFETCH(QString, nails);
    QFETCH(QString, first);
    QFETCH(QString, journal);
    Ride r(nails);
    QCOMPARE(r.journal.Take(), journal);
    QCOMPARE(r.journal.dialogs.Take(),
             Boxes({ScriptedDialogs::Msg("Du bekommst jetzt die Nagelstellen\rgezeigt, merke sie dir gut!", 0, "Nagelstellen")}));
    QCOMPARE(QStringLiteral("%1,%2").arg(r.ride.Nails.first().column).arg(r.ride.Nails.first().row), first);
    QCOMPARE(r.ride.Nails.size(), 20);
    QVERIFY(r.ride.ShowRunning() && r.timers.made.first()->Interval() == 1000 && r.random.Pending() == 0);
}

void HomewardRideRulesTests::nailsNeverOnStartOrHouse()
{
    Journal journal;
    ScriptedRandom random;
    ManualTimers timers;
    HomewardRide ride(journal, journal, random, timers);
    QSet<QPair<int, int>> seen;
    for (int i = 0; i < 300; ++i) {
        ride.PlaceNails();
        for (const Nail& n : ride.Nails) {
            QVERIFY(n.column >= 1 && n.column <= 12 && n.row >= 1 && n.row <= 10);
            QVERIFY(!(n.column == 1 && n.row == 1) && !(n.column == 12 && n.row == 10));
            seen.insert({n.column, n.row});
        }
    }
    QCOMPARE(seen.size(), 118); // every other cell does get a nail
}

void HomewardRideRulesTests::moves_data()
{
    QTest::addColumn<QString>("nails");
    QTest::addColumn<int>("column"); // where the car is put after the set-up
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("moves");
    QTest::addColumn<QString>("journal");
    QTest::addColumn<int>("breakdowns");
    QTest::newRow("free road") << "5,5" << 1 << 1 << "RD" << "car 2,1 | frei | car 2,2 | frei" << 0;
    QTest::newRow("nail ahead beeps") << "3,1" << 1 << 1 << "R" << "car 2,1 | beep | Nagel" << 0;
    QTest::newRow("nail to the left") << "2,5" << 4 << 5 << "L" << "car 3,5 | beep | Nagel" << 0;
    QTest::newRow("nail above") << "6,4" << 5 << 5 << "R" << "car 6,5 | beep | Nagel" << 0;
    QTest::newRow("diagonal nails do not count") << "4,6 4,4" << 4 << 5 << "L" << "car 3,5 | frei" << 0;
    QTest::newRow("breakdown: hint stays, nail after the box")
        << "3,1" << 2 << 1 << "R" << "car 3,1 | vehicle 1 | box Autopanne | nail 3,1" << 1;
    QTest::newRow("twenty nails on a cell: one breakdown a move, the edge counts again")
        << "1,2" << 1 << 1 << "DLL"
        << "car 1,2 | vehicle 1 | box Autopanne | nail 1,2 | car 1,2 | vehicle 2 | box Autodefekt | nail 1,2 | "
           "car 1,2 | vehicle 3 | box Radpanne | nail 1,2" << 3;
    QTest::newRow("fourth breakdown shows all nails, then ends")
        << "1,2 6,6" << 1 << 2 << "LLLL"
        << "car 1,2 | vehicle 1 | box Autopanne | nail 1,2 | car 1,2 | vehicle 2 | box Autodefekt | nail 1,2 | "
           "car 1,2 | vehicle 3 | box Radpanne | nail 1,2 | car 1,2 | vehicle 4 | nail 1,2 x10 | nail 6,6 x10 | "
           "box Fußverletzung | end" << 4;
    QTest::newRow("house before nails, all nails before the box")
        << "12,10 12,8" << 12 << 9 << "D" << "car 12,10 | nail 12,10 x10 | nail 12,8 x10 | hint '' | box Spielende | end" << 0;
    QTest::newRow("bottom edge, then home") << "5,5" << 11 << 10 << "DR"
                                            << "car 11,10 | frei | car 12,10 | nail 5,5 x20 | hint '' | box Spielende | end" << 0;
    QTest::newRow("top right corner") << "5,5" << 12 << 1 << "RU" << "car 12,1 | frei | car 12,1 | frei" << 0;
    QTest::newRow("top left corner") << "5,5" << 1 << 1 << "LU" << "car 1,1 | frei | car 1,1 | frei" << 0;
}

void HomewardRideRulesTests::moves()
{
    QFETCH(QString, nails);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QString, moves);
    QFETCH(QString, journal);
    QFETCH(int, breakdowns);
    Ride r("5,5");
    r.journal.Take();
    r.ride.Nails = Blocks(nails);
    r.ride.CarColumn = std::int16_t(column);
    r.ride.CarRow = std::int16_t(row);
    r.Do(moves);
    QCOMPARE(r.journal.Take(), journal);
    QCOMPARE(int(r.ride.BreakdownCount), breakdowns);
}

void HomewardRideRulesTests::nailShow_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("journal");
    QTest::addColumn<int>("index");
    QTest::newRow("a nail a tick") << "TT" << "X 2,3 x2" << 2;
    QTest::newRow("moves during the show") << "TRT" << "X 2,3 | car 2,1 | frei | X 2,3" << 2;
    QTest::newRow("twentieth: last nail with the box")
        << "TTTTTTTTTTTTTTTTTTTTT" << "X 2,3 x5 | X 4,5 x5 | X 6,7 x5 | X 8,9 x5 | box Starten | marker off" << 19;
    QTest::newRow("stopped by Ende") << "TSTT" << "X 2,3 | marker off" << 1;
}

void HomewardRideRulesTests::nailShow()
{
    QFETCH(QString, keys);
    QFETCH(QString, journal);
    QFETCH(int, index);
    Ride r("2,3 4,5 6,7 8,9");
    r.journal.Take();
    r.journal.dialogs.Take();
    r.Do(keys);
    QCOMPARE(r.journal.Take(), journal);
    QCOMPARE(int(r.ride.ShowIndex), index);
    QVERIFY(!r.ride.ShowRunning() == (index == 19 || keys.contains(u'S')));
    if (index == 19)
        QCOMPARE(r.journal.dialogs.Take(), Boxes{ScriptedDialogs::Msg("Los geht's, viel Glück!", 0, "Starten")});
}

void HomewardRideRulesTests::activation_data()
{
    // A activated, H hidden, left for: P another program window, B an own message box, O another program.
    QTest::addColumn<QString>("events");
    QTest::addColumn<QString>("rides"); // per activation: 1 a new ride, 0 none
    QTest::newRow("first showing") << "A" << "1";
    QTest::newRow("back from a message box") << "ABA" << "10";
    QTest::newRow("back from another window of the program") << "APABA" << "110";
    QTest::newRow("back from another program") << "AOA" << "10";
    QTest::newRow("shown again after a box ended the game") << "ABHA" << "11";
    QTest::newRow("activated twice") << "AA" << "10";
}

void HomewardRideRulesTests::activation()
{
    QFETCH(QString, events);
    QFETCH(QString, rides);
    RideActivation activation;
    QString started;
    using Away = RideActivation::Away;
    for (const QChar e : events)
        switch (e.unicode()) {
        case 'A': started += activation.Activated() ? u'1' : u'0'; break;
        case 'H': activation.Hidden(); break;
        case 'P': activation.Deactivated(Away::ProgramWindow); break;
        case 'B': activation.Deactivated(Away::OwnMessageBox); break;
        case 'O': activation.Deactivated(Away::OtherProgram); break;
        }
    QCOMPARE(started, rides);
}

QTEST_GUILESS_MAIN(HomewardRideRulesTests)
#include "homeward_ride_rules_tests.moc"
