// The homeward ride without its window: where the nails lie, what the set-up, each move and the
// nail show do and say, and which activations of the window start a new ride.

#include "desktop_doubles.h"
#include "scripted_dialogs.h"
#include "scripted_random.h"

#include "games/homeward_ride_rules.h"

#include <QTest>

namespace {

// Everything the ride shows, in order, in one line: the window's doing and the message boxes by
// title (the dialogs keep their texts); a run of equal entries is written once with "xN".
class Journal final : public HomewardRideView, public Dialogs {
public:
    void placeCar(int column, int row) override { add(cell("car", column, row)); }
    void placeMarker(int column, int row) override { add(cell("X", column, row)); }
    void showMarker(bool on) override { add(on ? "marker on" : "marker off"); }
    void showVehicle(int breakdowns) override { add(QStringLiteral("vehicle %1").arg(breakdowns)); }
    void setHint(const QString& text) override
    {
        add(text == "Die Fahrbahn ist frei!"            ? "frei"
                    : text == "Nagel auf der Fahrbahn!" ? "Nagel"
                                                        : "'" + text + "'");
    }
    void drawNail(int column, int row) override { add(cell("nail", column, row)); }
    void endRide() override { add("end"); }
    MsgResult msgBox(const QString& text, MsgStyles style, const QString& title) override
    {
        return add("box " + title), dialogs.msgBox(text, style, title);
    }
    QString inputBox(const QString&, const QString&, const QString&) override { return {}; }
    QString passwordBox(const QString&, const QString&) override { return {}; }
    void beep() override { add("beep"); }

    static QString cell(const char* what, int column, int row)
    {
        return QStringLiteral("%1 %2,%3").arg(what).arg(column).arg(row);
    }
    void add(const QString& entry)
    {
        if (runs.isEmpty() || runs.last().first != entry)
            runs.append({ entry, 0 });
        ++runs.last().second;
    }
    QString take()
    {
        QStringList line;
        for (const auto& [entry, n] : std::exchange(runs, {}))
            line << (n > 1 ? entry + " x" + QString::number(n) : entry);
        return line.join(" | ");
    }
    QList<QPair<QString, int>> runs;
    ScriptedDialogs dialogs;
};

} // namespace

class HomewardRideRulesTests : public QObject {
    Q_OBJECT
private slots:
    void ride_data()
    {
        // The 20 nails drawn (each cell given repeated in a block: two cells, ten nails each);
        // where the car is put after the set-up; then l r u d moves, T a tick of the nail show, S
        // the show stopped as "Ende" stops it. Journal: of the set-up when nothing is done, else of
        // the doing.
        QTest::addColumn<QString>("drawn");
        QTest::addColumn<QPoint>("car");
        QTest::addColumn<QString>("doing");
        QTest::addColumn<QString>("journal");
        const QPoint start(1, 1);
        QTest::newRow("set-up, start drawn: a nail below the start")
                << "1,1" << start << QString()
                << "car 1,1 | beep | Nagel | box Nagelstellen | marker on";
        QTest::newRow("set-up, nail on the diagonal")
                << "2,2" << start << QString() << "car 1,1 | frei | box Nagelstellen | marker on";
        QTest::newRow("nail right") << "3,1" << start << QString("r") << "car 2,1 | beep | Nagel";
        QTest::newRow("nail left")
                << "2,5" << QPoint(4, 5) << QString("l") << "car 3,5 | beep | Nagel";
        QTest::newRow("nail above")
                << "6,4" << QPoint(5, 5) << QString("r") << "car 6,5 | beep | Nagel";
        QTest::newRow("house drawn: the nail left of it")
                << "12,10" << QPoint(11, 9) << QString("d")
                << "car 11,10 | vehicle 1 | box Autopanne | nail 11,10";
        QString breakdowns; // on the left edge, a nail below
        for (const char* box : { "Autopanne", "Autodefekt", "Radpanne" })
            breakdowns += QStringLiteral("car 1,2 | vehicle %1 | box %2 | nail 1,2 | ")
                                  .arg(QString::number(breakdowns.count(u'v') + 1), box);
        QTest::newRow("one breakdown a move, the edge counts again, the hint stays")
                << "1,1" << start << QString("dll") << breakdowns.chopped(3);
        QTest::newRow("fourth breakdown: all nails, then the end")
                << "1,1 6,6" << QPoint(1, 2) << QString("llll")
                << breakdowns
                        + "car 1,2 | vehicle 4 | nail 1,2 x10 | nail 6,6 x10 | box Fußverletzung | "
                          "end";
        QTest::newRow("house: all nails before the box")
                << "5,5" << QPoint(11, 10) << QString("dr")
                << "car 11,10 | frei | car 12,10 | nail 5,5 x20 | '' | box Spielende | end";
        QTest::newRow("top right corner")
                << "5,5" << QPoint(12, 1) << QString("ru") << "car 12,1 | frei | car 12,1 | frei";
        const QString four = "2,3 4,5 6,7 8,9";
        QTest::newRow("show: a nail a tick, moves between")
                << four << start << QString("TrT") << "X 2,3 | car 2,1 | frei | X 2,3";
        QTest::newRow("show: the twentieth with the box, then no more")
                << four << start << QString(21, u'T')
                << "X 2,3 x5 | X 4,5 x5 | X 6,7 x5 | X 8,9 x5 | box Starten | marker off";
        QTest::newRow("show stopped") << four << start << QString("TSTT") << "X 2,3 | marker off";
    }
    void ride()
    {
        QFETCH(QString, drawn);
        QFETCH(QPoint, car);
        QFETCH(QString, doing);
        QFETCH(QString, journal);
        Journal log;
        ScriptedRandom random(true);
        ManualTimers timers;
        HomewardRide ride(log, log, random, timers);
        const QStringList cells = drawn.split(u' ');
        for (int i = 0; i < 20; ++i)
            random.pushDraw(cells[i * cells.size() / 20].section(u',', 0, 0).toInt(), 1, 12),
                    random.pushDraw(cells[i * cells.size() / 20].section(u',', 1).toInt(), 1, 10);
        ride.startHomewardRide();
        QVERIFY(random.pending() == 0 && timers.made.first()->interval() == 1000);
        const QString setUp = log.take();
        ride.carColumn = std::int16_t(car.x());
        ride.carRow = std::int16_t(car.y());
        void (HomewardRide::*const act[])() = { &HomewardRide::moveLeft, &HomewardRide::moveRight,
                                                &HomewardRide::moveUp, &HomewardRide::moveDown,
                                                &HomewardRide::stopShow };
        for (const QChar step : doing)
            step == u'T' ? void(timers.made.first()->tick())
                         : (ride.*act[QStringLiteral("lrudS").indexOf(step)])();
        QCOMPARE(doing.isEmpty() ? setUp : log.take(), journal);
        // Every box with its own text, as the child reads it.
        const QMap<QString, QString> texts{
            { "Nagelstellen", "Du bekommst jetzt die Nagelstellen\rgezeigt, merke sie dir gut!" },
            { "Starten", "Los geht's, viel Glück!" },
            { "Spielende", "Prima, du hast es geschafft!\r" },
            { "Autopanne", "Pech, ein Reifenplatzer! Aber\rdu hast ja einen Ersatzreifen!" },
            { "Autodefekt",
              "Wieder ein Reifenplatzer!\rZum Glück hast du ein\rKlapprad im Kofferraum!" },
            { "Radpanne", "Vorderreifen ohne Luft!\rDu musst zu Fuß gehen!" },
            { "Fußverletzung", "Nagel im Fuß! Pech, du\rmusst ins Krankenhaus!" }
        };
        for (const ScriptedDialogs::Shown& box : log.dialogs.take())
            QCOMPARE(box, ScriptedDialogs::msg(texts.value(box.title), 0, box.title));
    }
    void activation_data()
    {
        // A activated, then 1 when that starts a new ride, else 0; H hidden by the program; left
        // for P another window of the program, B one of the game's message boxes, O another
        // program.
        QTest::addColumn<QString>("events");
        QTest::newRow("back from another window of the program") << "A1PA1BA0";
        QTest::newRow("back from another program") << "A1OA0";
        QTest::newRow("shown again after a box ended the game") << "A1BHA1";
        QTest::newRow("hidden, then told it lost the activation") << "A1HOA1";
        QTest::newRow("activated twice") << "A1A0";
    }
    void activation()
    {
        QFETCH(QString, events);
        RideActivation activation;
        for (qsizetype i = 0; i < events.size(); ++i)
            if (events[i] == u'A')
                QCOMPARE(activation.activated(), events[++i] == u'1');
            else
                events[i] == u'H' ? activation.hidden()
                                  : activation.deactivated(RideActivation::Away(
                                          QStringLiteral("-PBO").indexOf(events[i])));
    }
};

QTEST_GUILESS_MAIN(HomewardRideRulesTests)
#include "homeward_ride_rules_tests.moc"
