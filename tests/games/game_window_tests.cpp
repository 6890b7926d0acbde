// The reward chooser and its five games as a child meets them: earned, chosen, played a little by
// mouse and keys, ended back at the training window. Each game's rules have tests of their own.

#include "program_fixture.h"

#include "platform/drawing_surface.h"
#include "platform/twips.h"

#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

namespace {

const QColor paper = DrawingSurface::qbColor(15);

// The child has a task on screen and has just earned a reward: the chooser opens in front.
void earnReward(ProgramFixture& f)
{
    f.putTask(QStringLiteral("3 + 4 = ?"), QStringLiteral("7"));
    f.session().rewardCheck();
    QVERIFY(QTest::qWaitForWindowActive(f.window("RewardChooser")));
    QVERIFY(!f.trainingWindow().isVisible());
}

// A fresh program whose child has just earned a reward.
struct RewardFixture : ProgramFixture {
    RewardFixture()
    {
        startQuietly();
        earnReward(*this);
    }
};

// The game's window is gone and the training window back as it was left, with an empty entry.
void verifyBackToTraining(ProgramFixture& f, const char* game)
{
    QVERIFY2(!f.window(game)->isVisible() && f.trainingWindow().isVisible(), game);
    QVERIFY(f.state().entryText.isEmpty() && f.caption("taskLabel") == "3 + 4 = ?");
}

// Lines of a text-grid game's field as told to a screen reader (0 is the field's first row).
QStringList rows(ProgramFixture& f, const QString& field, const QList<int>& lines)
{
    QStringList rows;
    for (const int line : lines)
        rows << f.control(field)->accessibleDescription().split(u'\n').value(line);
    return rows;
}

Shown stop(const char* game)
{
    return ScriptedDialogs::msg("  Dieses Spiel jetzt beenden?", 20, game);
}

// Real message boxes that close at once; the desktop moves the activation to each box.
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

void activate(QWidget* window)
{
    QApplication::setActiveWindow(window);
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

} // namespace

class GameWindowTests : public QObject {
    Q_OBJECT
private slots:
    void chooser_data()
    {
        // A picture does what the button beside it does; "frame" closes the chooser.
        QTest::addColumn<QString>("click");
        QTest::addColumn<QString>("window");
        for (const QString click : { "cancelButton", "noGamePicture", "frame" })
            QTest::newRow(qPrintable(click)) << click << QString("TrainingWindow");
        for (const QString game : { "carRide", "homewardRide", "prison", "numberCatch", "memory" })
            for (const char* by : { "Button", "Picture" })
                QTest::newRow(qPrintable(game + by))
                        << game + by << game.at(0).toUpper() + game.mid(1) + "Window";
    }
    void chooser()
    {
        QFETCH(QString, click);
        QFETCH(QString, window);
        RewardFixture f;
        click == "frame" ? void(f.window("RewardChooser")->close())
                         : f.click("RewardChooser/" + click);
        QVERIFY(!f.window("RewardChooser")->isVisible() && f.window(window)->isVisible());
        QCOMPARE(f.trainingWindow().isVisible(), window == "TrainingWindow");
    }

    void prison()
    {
        // A field of eights with a way out straight up: 0, then 2 to 6 (1 is wished away).
        RewardFixture f;
        const QList<int> way{ 6, 5, 4, 3, 2, 0 }; // the middle column of the top six rows
        for (int cell = 0; cell < 17 * 17; ++cell)
            f.random.pushDraw(cell % 17 == 8 && cell < 6 * 17 ? way[cell / 17] + 1 : 9, 1, 10);
        f.click("RewardChooser/prisonButton");
        QCOMPARE(f.caption("PrisonWindow/searchedDigitLabel")
                         + f.caption("PrisonWindow/wishButton"),
                 "  0 ? ? ?");
        f.key(Qt::Key_Left, "PrisonWindow/stopButton");
        f.click("PrisonWindow/rightArrow"), f.click("PrisonWindow/downArrow");
        f.key(Qt::Key_Up, "PrisonWindow/wishButton", 4);
        QCOMPARE(rows(f, "PrisonWindow/field", { 5, 6, 8 }),
                 QStringList({ "88888888+88888888", "888888     888888", "888888     888888" }));
        QList<QColor> inks; // digits and the "+" in black, wiped out in the paper's white
        for (const auto& w : f.control<DrawingSurface>("PrisonWindow/field")->texts())
            if (w.color != paper)
                inks << w.color;
        QVERIFY(inks.size() > 17 * 15 && inks.count(QColor(Qt::black)) == inks.size());
        QCOMPARE(f.caption("PrisonWindow/searchedDigitLabel"), "  1");
        // A digit key opens the wish box (Yes: 1 is skipped); Escape and the frame ask to stop (No
        // plays on).
        f.dialogs.answerMsg(MsgResult::Yes), f.dialogs.answerMsg(MsgResult::No),
                f.dialogs.answerMsg(MsgResult::No);
        f.key(Qt::Key_7, "PrisonWindow/downArrow");
        QCOMPARE(f.caption("PrisonWindow/wishButton")
                         + f.caption("PrisonWindow/searchedDigitLabel"),
                 " 1 ? ?  2");
        f.key(Qt::Key_Escape, "PrisonWindow/wishButton");
        f.window("PrisonWindow")->close();
        f.click("PrisonWindow/upArrow");
        f.key(Qt::Key_Up, "PrisonWindow/upArrow", 4);
        QCOMPARE(f.seen(),
                 (Boxes{ ScriptedDialogs::msg(
                                 "Du hast noch 3 Wünsche frei!\n\rMöchtest du einen benutzen?\n\r",
                                 36, "Wunschbox"),
                         stop("Gefängnis"), stop("Gefängnis"),
                         ScriptedDialogs::msg("Prima, du bist jetzt frei!\n\rEs waren 5 Spielzüge!",
                                              0, "Gefängnis") }));
        QCOMPARE(f.caption("PrisonWindow/wishButton"), " ? ? ?");
        verifyBackToTraining(f, "PrisonWindow");
    }

    void numberCatch()
    {
        RewardFixture f;
        f.click("RewardChooser/numberCatchButton");
        auto* window = static_cast<NumberCatchWindow*>(f.window("NumberCatchWindow"));
        QVERIFY(window->jumpTimer().enabled() && window->jumpTimer().interval() == 10000);
        // The white field fills its frame exactly, on the window's colour.
        const auto* field = f.control<DrawingSurface>("NumberCatchWindow/field");
        const QRectF inside = QRectF(f.control("NumberCatchWindow/fieldFrame")->geometry())
                                      .adjusted(1, 1, -1, -1);
        const auto at = [field](QPointF pixels) {
            return field->pixelAt(pixels.x() * 0.75, pixels.y() * 0.75);
        };
        QVERIFY(at(inside.topLeft()) == paper && at(inside.bottomRight()) == paper);
        QVERIFY(at(inside.topLeft() - QPointF(2, 2)) != paper
                && at(inside.bottomRight() + QPointF(2, 2)) != paper);
        auto* pace = f.control<QScrollBar>("NumberCatchWindow/paceBar");
        pace->triggerAction(QAbstractSlider::SliderToMinimum); // the fastest pace: a second
        QCOMPARE(window->jumpTimer().interval(), 1000);
        pace->triggerAction(QAbstractSlider::SliderPageStepAdd); // a click beside the handle
        QCOMPARE(window->jumpTimer().interval(), 2000);
        pace->setValue(3); // the keys back on the "+"
        QVERIFY(window->jumpTimer().interval() == 3000
                && window->focusWidget() == f.control("NumberCatchWindow/leftArrow"));
        // The 0 jumps onto the "+", the others to columns and rows of their own.
        f.random.pushDraw(14, 1, 24), f.random.pushDraw(9, 3, 16);
        for (int i = 1; i <= 9; ++i)
            f.random.pushDraw(i, 1, 24), f.random.pushDraw(i + (i < 7 ? 2 : 3), 3, 16);
        QVERIFY(f.timers.made.last()->tick());
        QCOMPARE(f.caption("NumberCatchWindow/nextDigitLabel"), "1");
        f.key(Qt::Key_Right, "NumberCatchWindow/paceBar");
        f.click("NumberCatchWindow/upArrow");
        QCOMPARE(rows(f, "NumberCatchWindow/field", { 0, 5 }),
                 QStringList({ "1                       ", "     6        +         " }));
        f.dialogs.answerMsg(MsgResult::No), f.dialogs.answerMsg(MsgResult::Yes);
        f.key(Qt::Key_Escape, "NumberCatchWindow/upArrow");
        f.click("NumberCatchWindow/endButton");
        QCOMPARE(f.seen(), (Boxes{ stop("Zahlfange"), stop("Zahlfange") }));
        QVERIFY(!window->jumpTimer().enabled() && window->jumpTimer().interval() == 1000);
        verifyBackToTraining(f, "NumberCatchWindow");
        earnReward(f); // the next game keeps the pace the child chose, on a clean field
        f.click("RewardChooser/numberCatchPicture");
        QCOMPARE(window->jumpTimer().interval(), 3000);
        QVERIFY(f.control("NumberCatchWindow/field")->accessibleDescription().trimmed().isEmpty());
    }

    void memory_data()
    {
        // Cards k and k + 9 hold k; after 7 and 8 the cards clicked, how the game ends (found
        // pairs: the next game goes on in round 1; stopped: it starts in round 0).
        QTest::addColumn<QList<int>>("cards");
        QTest::addColumn<QString>("end");
        QList<int> all;
        for (int k = 1; k <= 9; ++k)
            all << k << k + 9;
        QTest::newRow("all pairs") << all << "";
        QTest::newRow("STOP") << QList<int>{ 7, 16, 1 } << "stopButton";
        QTest::newRow("frame") << QList<int>{ 7, 16, 1 } << "frame";
    }
    void memory()
    {
        QFETCH(QList<int>, cards);
        QFETCH(QString, end);
        RewardFixture f;
        for (int n = 1; n <= 18; ++n)
            f.random.pushDraw(n, 1, 18);
        f.click("RewardChooser/memoryButton");
        QCOMPARE(f.caption("MemoryWindow/roundLabel"), "1");
        f.click("MemoryWindow/card7"),
                f.click("MemoryWindow/card7"); // the open card again: nothing
        f.click("MemoryWindow/card8"); // 7 and 8 stay open until the next card
        QCOMPARE(f.caption("MemoryWindow/roundLabel") + f.caption("MemoryWindow/card7").left(1)
                         + f.caption("MemoryWindow/card8").left(1),
                 "278");
        for (const int k : cards)
            f.click(QStringLiteral("MemoryWindow/card%1").arg(k));
        if (!end.isEmpty()) {
            QCOMPARE(f.caption("MemoryWindow/card7") + f.caption("MemoryWindow/card8"),
                     "7                7");
            f.dialogs.answerMsg(MsgResult::Yes);
            end == "frame" ? void(f.window("MemoryWindow")->close())
                           : f.click("MemoryWindow/" + end);
        }
        QCOMPARE(f.seen(),
                 Boxes{ end.isEmpty()
                                ? ScriptedDialogs::msg("  Das Spiel ist beendet!", 0, "Memory")
                                : ScriptedDialogs::msg("  Das Spiel jetzt beenden?", 20,
                                                       "Memory") });
        verifyBackToTraining(f, "MemoryWindow");
        earnReward(f);
        f.click("RewardChooser/memoryPicture");
        QCOMPARE(f.caption("MemoryWindow/roundLabel") + f.caption("MemoryWindow/card7"),
                 end.isEmpty() ? "1" : "0");
    }

    void homewardRide()
    {
        // Every nail on (6, 8); the ride is set up when its window becomes active.
        RewardFixture f;
        for (int i = 0; i < 20; ++i)
            f.random.pushDraw(6, 1, 12), f.random.pushDraw(8, 1, 10);
        f.click("RewardChooser/homewardRideButton");
        auto* window = static_cast<HomewardRideWindow*>(f.window("HomewardRideWindow"));
        const QPoint offCentre = window->frameGeometry().center()
                - QGuiApplication::primaryScreen()->geometry().center(); // the frame's few pixels
        QVERIFY(qAbs(offCentre.x()) <= 3 && qAbs(offCentre.y()) <= 3);
        activate(window);
        const Boxes greeting = f.seen(); // its text is the ride's, as its own tests read it
        QVERIFY(greeting.size() == 1 && greeting[0].title == "Nagelstellen");
        // A black grid of 12 by 10 cells of the car's size fills the frame, the house in its
        // last cell.
        auto* surface = f.control<DrawingSurface>("HomewardRideWindow/surface");
        QLabel* vehicle = f.control<QLabel>("HomewardRideWindow/vehiclePicture");
        const QPoint corner = f.control("HomewardRideWindow/fieldFrame")->pos(),
                     cell(vehicle->width(), vehicle->height());
        const auto pixel = [&](int column, int row, QPoint offset) {
            const QPoint at = corner + QPoint(column * cell.x(), row * cell.y()) + offset;
            return surface->pixelAt(Twips::fromPixels(at.x()), Twips::fromPixels(at.y()));
        };
        for (int column = 1; column <= 12; ++column)
            QVERIFY(pixel(column, 5, { 0, 3 }) == Qt::black
                    && pixel(column, 5, { 3, 3 }) != Qt::black);
        for (int row = 1; row <= 10; ++row)
            QVERIFY(pixel(3, row, { 3, 0 }) == Qt::black && pixel(3, row, { 3, 3 }) != Qt::black);
        QCOMPARE(f.control("HomewardRideWindow/housePicture")->pos(),
                 corner + QPoint(11 * cell.x(), 9 * cell.y()));
        // The nail show marks a nail each tick with a bold X; the car moves by buttons and keys.
        f.timers.made.last()->tick();
        QWidget* marker = f.control("HomewardRideWindow/nailMarker");
        QVERIFY(marker->isVisible() && marker->font().bold());
        QCOMPARE(marker->pos(), corner + QPoint(5 * cell.x(), 7 * cell.y()));
        for (const char* way : { "right", "down", "left", "up" })
            f.click(QStringLiteral("HomewardRideWindow/%1Button").arg(way));
        for (const Qt::Key key :
             { Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up })
            f.key(key, "HomewardRideWindow/endButton");
        QCOMPARE(vehicle->pos(), corner + QPoint(cell.x(), 0)); // on (2, 1)
        // Two breakdowns on the nails: the bicycle, a nail drawn on its cell.
        window->ride().carColumn = 6, window->ride().carRow = 7;
        f.click("HomewardRideWindow/downButton"), f.click("HomewardRideWindow/upButton");
        f.click("HomewardRideWindow/downButton");
        QCOMPARE(vehicle->accessibleName(),
                 f.control("HomewardRideWindow/bicyclePicture")->accessibleName());
        QCOMPARE(pixel(5, 7, { cell.x() * 2 / 3, cell.y() - 3 }), Qt::black);
        // Another program: the same ride; the training window: a new one.
        f.seen();
        activate(nullptr), activate(window);
        QVERIFY(f.seen().isEmpty());
        activate(&f.trainingWindow()), activate(window);
        QCOMPARE(f.seen().size(), 1);
        f.key(Qt::Key_Space, "HomewardRideWindow/endButton");
        QCOMPARE(vehicle->accessibleName(),
                 f.control("HomewardRideWindow/carPicture")->accessibleName());
        QVERIFY(!window->ride().showRunning());
        verifyBackToTraining(f, "HomewardRideWindow");
    }
    void homewardRideBackFromOwnBox()
    {
        ClosingBoxes boxes;
        ScriptedRandom random;
        ManualTimers timers;
        HomewardRideWindow window(boxes, random, timers);
        window.open(); // activated: a new ride and its first box
        activate(&window);
        QCOMPARE(boxes.shown, 1);
        activate(&window); // back from the box: the same ride
        QCOMPARE(boxes.shown, 1);
        window.findChild<QPushButton*>(QStringLiteral("endButton"))->click();
        window.open(); // shown again and activated: a new ride
        activate(&window);
        QCOMPARE(boxes.shown, 2);
    }

    void carRide()
    {
        RewardFixture f;
        f.click("RewardChooser/carRideButton");
        auto* window = static_cast<CarRideWindow*>(f.window("CarRideWindow"));
        auto* start = f.control<QPushButton>("CarRideWindow/startButton");
        auto* end = f.control<QPushButton>("CarRideWindow/endButton");
        const auto places = [&f] {
            QList<QRect> places;
            for (const char* piece : { "carPicture", "road", "leftPost", "rightPost" })
                places << f.control(QStringLiteral("CarRideWindow/") + piece)->geometry();
            return places;
        };
        const QList<QRect> atStart = places();
        const auto press = [window](Qt::Key key) { QTest::keyClick(window, key); };
        // Enter starts the ride, and only once; the road moves right, the car left until it
        // crashes.
        f.key(Qt::Key_Return, "CarRideWindow/startButton");
        QVERIFY(start->isHidden() && end->isHidden() && f.timers.made.last()->interval() == 30);
        f.random.pushDraw(2, 0, 2), f.timers.made.last()->tick();
        f.key(Qt::Key_Return, "CarRideWindow/startButton");
        press(Qt::Key_Right);
        QVERIFY(places() != atStart);
        // The posts stand at the road's ends, the right one 100 twips inside.
        const CarRide& ride = window->ride();
        QCOMPARE((QList<int>{ f.control("CarRideWindow/leftPost")->x(),
                              f.control("CarRideWindow/rightPost")->x() }),
                 (QList<int>{ Twips::toPixels(ride.roadLeft),
                              Twips::toPixels(ride.roadLeft + ride.roadWidth - 100) }));
        for (int i = 0; i < 30; ++i)
            press(Qt::Key_Left);
        QCOMPARE(f.caption("CarRideWindow/metresLabel"), " 1 m ");
        QStringList written;
        for (const auto& w : f.control<DrawingSurface>("CarRideWindow/surface")->texts())
            written << w.text;
        QCOMPARE(written,
                 QStringList({ "Du hast den Straßenpfosten gestreift!",
                               "Du hast 1 Meter geschafft!" }));
        // After the crash only "Ende" shows, and Enter presses it.
        QVERIFY(!end->isHidden() && end->isDefault() && start->isHidden());
        f.key(Qt::Key_Return, "CarRideWindow/endButton");
        verifyBackToTraining(f, "CarRideWindow");
        const QList<QRect> atEnd = places(); // already where the next ride starts
        // The next ride starts on a clean window; Esc ends it without a word.
        earnReward(f);
        f.click("RewardChooser/carRidePicture");
        QVERIFY(start->isDefault() && !start->isHidden() && !end->isHidden());
        start->click();
        QVERIFY(places() == atEnd
                && f.control<DrawingSurface>("CarRideWindow/surface")->texts().isEmpty());
        press(Qt::Key_Escape);
        QVERIFY(f.seen().isEmpty() && !window->ride().riding());
        verifyBackToTraining(f, "CarRideWindow");
    }
};

QTEST_MAIN(GameWindowTests)
#include "game_window_tests.moc"
