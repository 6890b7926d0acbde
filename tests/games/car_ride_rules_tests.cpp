// The car ride without its window: one metre a tick, the wandering and narrowing road within the
// window's limits, the posts, steering only while a ride runs, the win.

#include "desktop_doubles.h"
#include "scripted_dialogs.h"
#include "scripted_random.h"

#include "games/car_ride_rules.h"

#include <QTest>

namespace {

// What the ride shows, in order, in one line.
class Journal final : public CarRideView {
public:
    void placeCar(int left) override { entries << "car " + QString::number(left); }
    void placeRoad(int left, int width) override
    {
        entries << QStringLiteral("road %1 %2").arg(left).arg(width);
    }
    void showMetres(std::int16_t metres) override
    {
        QString text;
        CarRide::writeMetres(text, metres), entries << "'" + text + "'";
    }
    void crashed(std::int16_t metres) override { entries << "crash " + QString::number(metres); }
    void endRide() override { entries << QStringLiteral("end"); }
    QStringList entries;
};

} // namespace

class CarRideRulesTests : public QObject {
    Q_OBJECT
private slots:
    void ride_data()
    {
        // The state after "Start"; then 0 1 2 a tick whose road step is drawn as that number
        // (stays, left, right), L R the arrow keys, E the timer stopped as "Ende" stops it.
        QTest::addColumn<QList<int>>("state"); // roadLeft, roadWidth, carLeft, metresDriven
        QTest::addColumn<QString>("doing");
        QTest::addColumn<QString>("journal");
        QTest::newRow("left") << QList<int>{ 2500, 3000, 3750, 36 } << "1"
                              << "' 37 m ' | road 2400 3000 | car 3750";
        QTest::newRow("right") << QList<int>{ 2500, 3000, 3750, 36 } << "2"
                               << "' 37 m ' | road 2600 3000 | car 3750";
        QTest::newRow("left limit undoes a step") << QList<int>{ 300, 3000, 1000, 10 } << "1"
                                                  << "' 11 m ' | road 300 3000 | car 1000";
        QTest::newRow("right limit undoes a step") << QList<int>{ 4700, 3000, 5000, 10 } << "2"
                                                   << "' 11 m ' | road 4700 3000 | car 5000";
        QTest::newRow("right limit, then narrowed") << QList<int>{ 6000, 1800, 6500, 599 } << "2"
                                                    << "' 600 m ' | road 5900 1700 | car 6500";
        QTest::newRow("narrows at 50, not at 51")
                << QList<int>{ 2500, 3000, 3750, 49 } << "00"
                << "' 50 m ' | road 2500 2900 | car 3750 | ' 51 m ' | road 2500 2900 | car 3750";
        QTest::newRow("left post touched") << QList<int>{ 2500, 3000, 2599, 7 } << "0"
                                           << "' 8 m ' | road 2500 3000 | car 2599 | crash 8";
        QStringList closest{ "car 2600", "' 8 m '", "road 2500 3000", "car 2600" };
        for (int left = 2650; left <= 4900; left += 50)
            closest << QStringLiteral("car %1").arg(left);
        QTest::newRow("closest to either post") << QList<int>{ 2500, 3000, 2650, 7 }
                                                << "L0" + QString(46, u'R') << closest.join(" | ");
        QTest::newRow("right post touched") << QList<int>{ 2500, 3000, 4901, 7 } << "0"
                                            << "' 8 m ' | road 2500 3000 | car 4901 | crash 8";
        QTest::newRow("the road moves onto the car")
                << QList<int>{ 2500, 3000, 2650, 7 } << "2"
                << "' 8 m ' | road 2600 3000 | car 2650 | crash 8";
        QTest::newRow("800 wide: still two places") << QList<int>{ 1000, 800, 1200, 1148 } << "0"
                                                    << "' 1149 m ' | road 1000 800 | car 1200";
        QTest::newRow("won at 700, no post test") << QList<int>{ 1000, 800, 5000, 1149 } << "0"
                                                  << "' 1150 m ' | end";
        QTest::newRow("no steering or ticks after a crash")
                << QList<int>{ 2500, 3000, 2600, 0 } << "LRL0"
                << "car 2550 | crash 0";
        QTest::newRow("no steering before a ride") << QList<int>{ 2500, 3000, 3750, 0 } << "ELR0"
                                                   << "";
    }
    void ride()
    {
        QFETCH(QList<int>, state);
        QFETCH(QString, doing);
        QFETCH(QString, journal);
        Journal view;
        ScriptedDialogs dialogs;
        ScriptedRandom random(true);
        ManualTimers timers;
        CarRide ride(view, dialogs, random, timers);
        ride.roadLeft = ride.carLeft = ride.metresDriven = 99; // "Start" begins afresh
        ride.start();
        QCOMPARE(std::exchange(view.entries, {}) << QString::number(
                         ride.metresDriven) << QString::number(timers.made.first()->interval()),
                 QStringList({ "car 3750", "road 2500 3000", "0", "30" }));
        ride.roadLeft = state[0], ride.roadWidth = state[1], ride.carLeft = state[2],
        ride.metresDriven = std::int16_t(state[3]);
        for (const QChar step : doing) {
            if (step.isDigit())
                random.pushDraw(step.digitValue(), 0, 2), timers.made.first()->tick();
            else
                step == u'L' ? ride.steerLeft() : step == u'R' ? ride.steerRight() : ride.stop();
        }
        QCOMPARE(view.entries.join(" | "), journal);
        QCOMPARE(ride.riding(),
                 !journal.contains("crash") && !journal.endsWith("end") && !doing.startsWith(u'E'));
        const auto won = ScriptedDialogs::msg(
                "Straße ist zu eng! Du hast gewonnen!\r Es waren insgesamt 1150 Meter!", 64,
                "Autofahrt");
        QCOMPARE(dialogs.take(),
                 QList<ScriptedDialogs::Shown>(journal.endsWith("end") ? 1 : 0, won));
    }
};

QTEST_GUILESS_MAIN(CarRideRulesTests)
#include "car_ride_rules_tests.moc"
