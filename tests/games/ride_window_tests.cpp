// The homeward ride and the car ride as a child meets them: chosen, played, ended at the training
// window.

#include "program_fixture.h"

#include "platform/drawing_surface.h"

#include <QAccessible>
#include <QMessageBox>
#include <QTimer>

#include <array>

namespace {

// A choice in the chooser after the given draws; every control of the game named once.
void choose(ProgramFixture& f, const QString& choice, const QString& game,
            const QList<int>& draws = {})
{
    f.startQuietly();
    f.session().rewardCheck();
    for (int i = 0; i + 2 < draws.size(); i += 3)
        f.random.pushDraw(draws[i], draws[i + 1], draws[i + 2]);
    f.click("RewardChooser/" + choice);
    QVERIFY(!f.window("RewardChooser")->isVisible() && !f.window("TrainingWindow")->isVisible()
            && f.window(game)->isVisible());
    for (const QWidget* control :
         f.window(game)->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        QVERIFY2(f.window(game)->findChildren<QWidget*>(control->objectName(),
                                                        Qt::FindDirectChildrenOnly)
                                 .size()
                         == 1,
                 qPrintable(control->objectName()));
}

// Real message boxes that the child closes at once; the desktop moves the activation to each box.
class ClosingBoxes final : public Dialogs {
public:
    MsgResult msgBox(const QString& text, MsgStyles, const QString&) override
    {
        QMessageBox box(QMessageBox::NoIcon, QString(), text);
        QTimer::singleShot(0, &box, &QMessageBox::accept);
        return ++shown, box.exec(), MsgResult::Ok;
    }
    QString inputBox(const QString&, const QString&, const QString&) override { return {}; }
    QString passwordBox(const QString&, const QString&) override { return {}; }
    void beep() override { }
    int shown = 0;
};

void settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

} // namespace

class RideWindowTests : public QObject {
    Q_OBJECT
private slots:
    void homewardRide_data()
    {
        // All nails on (6, 8). After the activation that sets up the ride: l r u d the buttons, < >
        // ^ v the arrow keys, T a tick of the nail show, P the car put on (6, 7), F the training
        // window activated and then the ride's window again, O another program and then the ride's
        // window again, E "Ende" by the space bar, C closing by the frame.
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("doing");
        QTest::addColumn<int>("rides");
        QTest::addColumn<QPoint>("cell"); // of the car at the end
        QTest::addColumn<QString>("vehicle"); // the hidden picture it shows
        QTest::addColumn<bool>("shown");
        QTest::newRow("buttons and arrows, during the show")
                << "homewardRideButton"
                << "Tr>>>dvvv^u<lT" << 1 << QPoint(3, 3) << "carPicture" << true;
        QTest::newRow("second breakdown: the bicycle")
                << "homewardRidePicture"
                << "Pdud" << 1 << QPoint(6, 8) << "bicyclePicture" << true;
        QTest::newRow("third: on foot") << "homewardRidePicture"
                                        << "Pdudud" << 1 << QPoint(6, 8) << "walkerPicture" << true;
        QTest::newRow("Ende brings the car back")
                << "homewardRideButton"
                << "PdudE" << 1 << QPoint(6, 8) << "carPicture" << false;
        QTest::newRow("back from the training window: a new ride")
                << "homewardRideButton"
                << "rF" << 2 << QPoint(1, 1) << "carPicture" << true;
        QTest::newRow("back from another program: the same ride")
                << "homewardRidePicture"
                << "rO" << 1 << QPoint(2, 1) << "carPicture" << true;
        QTest::newRow("closed by the frame during the show")
                << "homewardRideButton"
                << "TC" << 1 << QPoint(1, 1) << "carPicture" << false;
    }
    void homewardRide()
    {
        QFETCH(QString, choice);
        QFETCH(QString, doing);
        QFETCH(int, rides);
        QFETCH(QPoint, cell);
        QFETCH(QString, vehicle);
        QFETCH(bool, shown);
        ProgramFixture f;
        QList<int> draws;
        for (int i = 0; i < 20; ++i)
            draws << 6 << 1 << 12 << 8 << 1 << 10;
        choose(f, choice, "HomewardRideWindow", draws);
        HomewardRideWindow& window = f.program().homewardRideWindow();
        QCOMPARE(window.windowTitle(),
                 "Heimfahrt:  Vorsicht, es sind viele Nägel auf der Fahrbahn!");
        QApplication::setActiveWindow(&window);
        QCoreApplication::sendPostedEvents();
        const Shown setUp = ScriptedDialogs::msg(
                "Du bekommst jetzt die Nagelstellen\rgezeigt, merke sie dir gut!", 0,
                "Nagelstellen");
        QCOMPARE(f.seen(), Boxes{ setUp });
        const auto control = [&f](const char* name) {
            return f.control<QLabel>(QStringLiteral("HomewardRideWindow/") + name);
        };
        QLabel* const vehiclePicture = control("vehiclePicture");
        const QPoint field = f.control("HomewardRideWindow/fieldFrame")->pos();
        QCOMPARE(QAccessible::queryAccessibleInterface(control("hintLabel"))
                         ->text(QAccessible::Name),
                 "Die Fahrbahn ist frei!");
        const QPoint cellSize(vehiclePicture->width(), vehiclePicture->height());
        int ridesSetUp = 1;
        QPoint marker = field + QPoint(5 * cellSize.x(), 7 * cellSize.y()); // on the nails
        for (const QChar c : doing) {
            const int button = QStringLiteral("lrud").indexOf(c),
                      key = QStringLiteral("<^>vE").indexOf(c);
            if (button >= 0)
                f.click(QStringLiteral("HomewardRideWindow/")
                        + std::array{ "leftButton", "rightButton", "upButton",
                                      "downButton" }[button]);
            else if (key >= 0)
                QTest::keyClick(f.control("HomewardRideWindow/endButton"),
                                std::array{ Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down,
                                            Qt::Key_Space }[key]);
            else if (c == u'T')
                f.timers.made.last()->tick(), marker = control("nailMarker")->pos();
            else if (c == u'P')
                window.ride().carColumn = 6, window.ride().carRow = 7;
            else if (c == u'C')
                window.close();
            if (c == u'F' || c == u'O') {
                QApplication::setActiveWindow(c == u'F' ? static_cast<QWidget*>(&f.trainingWindow())
                                                        : nullptr);
                QApplication::setActiveWindow(&window);
                QCoreApplication::sendPostedEvents();
                ridesSetUp += int(f.seen().count(setUp));
            }
        }
        QCOMPARE(ridesSetUp, rides);
        QCOMPARE(marker, field + QPoint(5 * cellSize.x(), 7 * cellSize.y()));
        QCOMPARE(vehiclePicture->pos(),
                 field + QPoint((cell.x() - 1) * cellSize.x(), (cell.y() - 1) * cellSize.y()));
        QCOMPARE(vehiclePicture->pixmap().cacheKey(),
                 control(vehicle.toLatin1().constData())->pixmap().cacheKey());
        QCOMPARE(f.control<DrawingSurface>("HomewardRideWindow/surface")
                                 ->pixelAt(105 + 5 * 495 + 300, 945 + 7 * 495 + 455)
                         == Qt::black,
                 doing.contains(u'P')); // the nail's head
        QCOMPARE(f.window("HomewardRideWindow")->isVisible(), shown);
        QCOMPARE(f.window("TrainingWindow")->isVisible(), !shown);
        QCOMPARE(window.ride().showRunning() || control("nailMarker")->isVisible(), shown);
    }
    void backFromOwnBox()
    {
        ClosingBoxes boxes;
        ScriptedRandom random;
        ManualTimers timers;
        HomewardRideWindow window(boxes, random, timers);
        window.open(); // activated: a new ride and its first box
        settle();
        QCOMPARE(boxes.shown, 1);
        QVERIFY(QApplication::activeWindow() != &window);
        QApplication::setActiveWindow(&window); // back from the box: the same ride
        settle();
        QCOMPARE(boxes.shown, 1);
        window.findChild<QPushButton*>(QStringLiteral("endButton"))->click();
        window.open(); // shown again and activated: a new ride
        QApplication::setActiveWindow(&window);
        settle();
        QCOMPARE(boxes.shown, 2);
    }
    void carRide_data()
    {
        // S a click on "Start", N Enter, T a tick, W one with the road moving right, < > the arrow
        // keys, E Esc, X "Ende" by the space bar, C closing by the frame.
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("doing");
        QTest::addColumn<QString>("metres"); // the metre display
        QTest::addColumn<QStringList>("texts"); // written on the window
        QTest::addColumn<bool>("shown");
        const QStringList crash{ "Du hast den Straßenpfosten gestreift!",
                                 "Du hast 1 Meter geschafft!" };
        QTest::newRow("Esc before Start") << "carRideButton"
                                          << "E"
                                          << "" << QStringList{} << false;
        QTest::newRow("Ende before Start, from the picture") << "carRidePicture"
                                                             << "X"
                                                             << "" << QStringList{} << false;
        QTest::newRow("Enter starts, not again; Esc ends without a word")
                << "carRideButton"
                << "NTNT>E"
                << " 2 m " << QStringList{} << false;
        QTest::newRow("closed by the frame") << "carRidePicture"
                                             << "SWC"
                                             << " 1 m " << QStringList{} << false;
        QTest::newRow("crash: only Ende left") << "carRideButton"
                                               << "ST" + QString(24, u'<') + "T<"
                                               << " 1 m " << crash << true;
        QTest::newRow("crash, then Enter ends") << "carRideButton"
                                                << "ST" + QString(24, u'<') + "N"
                                                << " 1 m " << crash << false;
    }
    void carRide()
    {
        QFETCH(QString, choice);
        QFETCH(QString, doing);
        QFETCH(QString, metres);
        QFETCH(QStringList, texts);
        QFETCH(bool, shown);
        ProgramFixture f;
        choose(f, choice, "CarRideWindow");
        CarRideWindow& window = f.program().carRideWindow();
        auto* const start = f.control<QPushButton>("CarRideWindow/startButton");
        auto* const end = f.control<QPushButton>("CarRideWindow/endButton");
        QVERIFY(window.windowTitle() == "Autofahrt" && start->isDefault());
        const auto across = [&f] {
            QList<int> lefts;
            for (const char* piece : { "carPicture", "road", "leftPost", "rightPost" })
                lefts << f.control(QStringLiteral("CarRideWindow/") + piece)->x();
            return lefts << f.control("CarRideWindow/road")->width();
        };
        ManualTimer* tick = f.timers.made.last();
        for (const QChar c : doing) {
            const int key = QStringLiteral("<>E").indexOf(c);
            if (key >= 0)
                QTest::keyClick(&window,
                                std::array{ Qt::Key_Left, Qt::Key_Right, Qt::Key_Escape }[key]);
            else if (c == u'T' || c == u'W')
                f.random.pushDraw(c == u'W' ? 2 : 0, 0, 2), tick->tick();
            else if (c == u'N')
                QTest::keyClick(start, Qt::Key_Return);
            else if (c == u'C')
                window.close();
            else if (c == u'X')
                QTest::keyClick(end, Qt::Key_Space);
            else
                f.click("CarRideWindow/startButton");
            if (c == u'S' || c == u'N')
                QVERIFY(end->isHidden() == start->isHidden() && tick->interval() == 30);
        }
        QCOMPARE(f.caption("CarRideWindow/metresLabel"), metres);
        QCOMPARE(QAccessible::queryAccessibleInterface(f.control("CarRideWindow/metresLabel"))
                         ->text(QAccessible::Name),
                 metres);
        const auto written = [&f] {
            QStringList texts;
            for (const DrawingSurface::Written& written :
                 f.control<DrawingSurface>("CarRideWindow/surface")->texts())
                texts << written.text;
            return texts;
        };
        QCOMPARE(written(), texts);
        QCOMPARE(f.window("CarRideWindow")->isVisible(), shown);
        QCOMPARE(f.window("TrainingWindow")->isVisible(), !shown);
        QVERIFY(!window.ride().riding());
        if (shown) { // after a crash only "Ende", and it is the default
            QVERIFY(!end->isHidden() && end->isDefault() && start->isHidden());
            return;
        }
        QVERIFY(!end->isHidden() && !start->isHidden() && start->isDefault());
        const QList<int> atEnd = across();
        window.startCarRide();
        start->click(); // every piece already stands where a ride starts, and the window is clean
        QVERIFY(across() == atEnd && written().isEmpty());
    }
};

QTEST_MAIN(RideWindowTests)
#include "ride_window_tests.moc"
