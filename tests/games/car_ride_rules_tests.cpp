// The car ride without its window: one metre a tick, the wandering and narrowing road within the
// window's limits, the posts, steering, the win.

#include "desktop_doubles.h"
#include "scripted_dialogs.h"
#include "scripted_random.h"

#include "games/car_ride_rules.h"

#include <QTest>

using Boxes = QList<ScriptedDialogs::Shown>;

namespace {

// What the ride shows, in order, in one line.
class Journal final : public CarRideView {
public:
    void PlaceCar(int left) override { entries << QStringLiteral("car %1").arg(left); }
    void PlaceRoad(int left, int width) override { entries << QStringLiteral("road %1 %2").arg(left).arg(width); }
    void ShowMetres(std::int16_t metres) override
    {
        QString text;
        CarRide::WriteMetres(text, metres);
        entries << "'" + text + "'";
    }
    void Crashed(std::int16_t metres) override { entries << QStringLiteral("crash %1").arg(metres); }
    void EndRide() override { entries << QStringLiteral("end"); }
    QString Take() { return std::exchange(entries, {}).join(QStringLiteral(" | ")); }
    QStringList entries;
};

struct Ride {
    Journal journal;
    ScriptedDialogs dialogs;
    ScriptedRandom random{true};
    ManualTimers timers;
    CarRide ride{journal, dialogs, random, timers};
};

} // namespace

class CarRideRulesTests : public QObject {
    Q_OBJECT
private slots:
    void tick_data();
    void tick();
    void steering_data();
    void steering();
};

void CarRideRulesTests::tick_data()
{
    // The state before one tick with the road's random step d (0 stays, 1 left, 2 right).
    QTest::addColumn<int>("roadLeft");
    QTest::addColumn<int>("roadWidth");
    QTest::addColumn<int>("carLeft");
    QTest::addColumn<int>("metres");
    QTest::addColumn<int>("d");
    QTest::addColumn<QString>("journal");
    QTest::newRow("first metre") << 2500 << 3000 << 3750 << 0 << 0 << "' 1 m ' | road 2500 3000 | car 3750";
    QTest::newRow("left") << 2500 << 3000 << 3750 << 36 << 1 << "' 37 m ' | road 2400 3000 | car 3750";
    QTest::newRow("right") << 2500 << 3000 << 3750 << 36 << 2 << "' 37 m ' | road 2600 3000 | car 3750";
    QTest::newRow("left limit undoes a step") << 300 << 3000 << 1000 << 10 << 1 << "' 11 m ' | road 300 3000 | car 1000";
    QTest::newRow("right limit undoes a step") << 4700 << 3000 << 5000 << 10 << 2 << "' 11 m ' | road 4700 3000 | car 5000";
    QTest::newRow("right limit after narrowing") << 6000 << 1800 << 6500 << 599 << 2 << "' 600 m ' | road 5900 1700 | car 6500";
    QTest::newRow("narrows at 50") << 2500 << 3000 << 3750 << 49 << 0 << "' 50 m ' | road 2500 2900 | car 3750";
    QTest::newRow("not at 51") << 2500 << 2900 << 3750 << 50 << 0 << "' 51 m ' | road 2500 2900 | car 3750";
    QTest::newRow("left post touched") << 2500 << 3000 << 2599 << 7 << 0 << "' 8 m ' | road 2500 3000 | car 2599 | crash 8";
    QTest::newRow("closest to the left post") << 2500 << 3000 << 2600 << 7 << 0 << "' 8 m ' | road 2500 3000 | car 2600";
    QTest::newRow("closest to the right post") << 2500 << 3000 << 4900 << 7 << 0 << "' 8 m ' | road 2500 3000 | car 4900";
    QTest::newRow("right post touched") << 2500 << 3000 << 4901 << 7 << 0 << "' 8 m ' | road 2500 3000 | car 4901 | crash 8";
    QTest::newRow("the road moves onto the car") << 2500 << 3000 << 2650 << 7 << 2 << "' 8 m ' | road 2600 3000 | car 2650 | crash 8";
    QTest::newRow("800 wide: two places") << 1000 << 800 << 1200 << 1148 << 0 << "' 1149 m ' | road 1000 800 | car 1200";
    QTest::newRow("won at 700, no post test") << 1000 << 800 << 5000 << 1149 << 0 << "' 1150 m ' | end";
}

void CarRideRulesTests::tick()
{
    QFETCH(int, roadLeft);
    QFETCH(int, roadWidth);
    QFETCH(int, carLeft);
    QFETCH(int, metres);
    QFETCH(int, d);
    QFETCH(QString, journal);
    Ride r;
    r.ride.Start();
    r.journal.Take();
    r.ride.RoadLeft = roadLeft;
    r.ride.RoadWidth = roadWidth;
    r.ride.CarLeft = carLeft;
    r.ride.MetreCount = std::int16_t(metres);
    r.random.PushDraw(d, 0, 2);
    r.timers.made.first()->Tick();
    QCOMPARE(r.journal.Take(), journal);
    QCOMPARE(int(r.ride.MetreCount), metres + 1);
    const bool over = journal.contains(QStringLiteral("crash")) || journal.contains(QStringLiteral("end"));
    QCOMPARE(r.ride.Riding(), !over);
    QCOMPARE(r.dialogs.Take(), journal.endsWith(QStringLiteral("end"))
                                   ? Boxes{ScriptedDialogs::Msg("Straße ist zu eng! Du hast gewonnen!\r Es waren insgesamt 1150 Meter!", 64, "Autofahrt")}
                                   : Boxes{});
}

void CarRideRulesTests::steering_data()
{
    // Before "Start" (idle), during a ride, or after a crash; keys L and R, T a tick that keeps the road.
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("journal");
    QTest::addColumn<int>("carLeft");
    QTest::newRow("idle: nothing") << "idle" << "LR" << "" << 3750;
    QTest::newRow("riding: 50 a key") << "riding" << "LLR" << "car 3700 | car 3650 | car 3700" << 3700;
    QStringList cars;
    for (int left = 3700; left >= 2550; left -= 50)
        cars << QStringLiteral("car %1").arg(left);
    QTest::newRow("steered into the left post, then nothing")
        << "riding" << QString(cars.size(), u'L') + "R" << cars.join(" | ") + " | crash 0" << 2550;
    QTest::newRow("after a crash: nothing") << "crashed" << "RLT" << "" << 2550;
}

void CarRideRulesTests::steering()
{
    QFETCH(QString, state);
    QFETCH(QString, keys);
    QFETCH(QString, journal);
    QFETCH(int, carLeft);
    Ride r;
    if (state != QLatin1String("idle")) {
        r.ride.MetreCount = 99; // a new ride starts from nothing
        r.ride.Start();
        QCOMPARE(r.timers.made.first()->Interval(), 30);
        QCOMPARE(r.journal.Take() + QString::number(r.ride.MetreCount), "car 3750 | road 2500 3000" + QString("0"));
    }
    if (state == QLatin1String("crashed")) {
        r.ride.CarLeft = 2600;
        r.ride.SteerLeft();
        QCOMPARE(r.journal.Take(), "car 2550 | crash 0");
    }
    for (const QChar k : keys) {
        if (k == u'L')
            r.ride.SteerLeft();
        else if (k == u'R')
            r.ride.SteerRight();
        else
            r.random.PushDraw(0, 0, 2), r.timers.made.first()->Tick();
    }
    QCOMPARE(r.journal.Take(), journal);
    QCOMPARE(r.ride.CarLeft, carLeft);
    QCOMPARE(r.random.Pending(), int(state == QLatin1String("crashed")));
}

QTEST_GUILESS_MAIN(CarRideRulesTests)
#include "car_ride_rules_tests.moc"
