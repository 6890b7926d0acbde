#include "games/homeward_ride_rules.h"

#include "platform/dialogs.h"
#include "platform/game_timer.h"
#include "platform/random_source.h"

#include <algorithm>
#include <array>

namespace {

struct BreakdownMessage {
    const char* text;
    const char* title;
};
// By the breakdown count 1 to 4; the lines are parted by a carriage return.
constexpr std::array<BreakdownMessage, 4> Breakdowns{ {
        { "Pech, ein Reifenplatzer! Aber\rdu hast ja einen Ersatzreifen!", "Autopanne" },
        { "Wieder ein Reifenplatzer!\rZum Glück hast du ein\rKlapprad im Kofferraum!",
          "Autodefekt" },
        { "Vorderreifen ohne Luft!\rDu musst zu Fuß gehen!", "Radpanne" },
        { "Nagel im Fuß! Pech, du\rmusst ins Krankenhaus!", "Fußverletzung" },
} };

} // namespace

HomewardRide::HomewardRide(HomewardRideView& view, Dialogs& dialogs, RandomSource& random,
                           Timers& timers)
    : view_(view), dialogs_(dialogs), random_(random), Zeit1(timers.make([this] { zeit1Timer(); }))
{
    Zeit1->setInterval(ShowInterval);
    Zeit1->setEnabled(false);
}

HomewardRide::~HomewardRide() = default;

void HomewardRide::startHomewardRide()
{
    placeNails();
    CarColumn = 1;
    CarRow = 1;
    BreakdownCount = 0;
    moveCar();
    ShowIndex = 0;
    dialogs_.msgBox(
            QStringLiteral("Du bekommst jetzt die Nagelstellen\rgezeigt, merke sie dir gut!"),
            MsgStyle::OkOnly, QStringLiteral("Nagelstellen"));
    view_.showMarker(true);
    Zeit1->setEnabled(true);
}

void HomewardRide::placeNails()
{
    // The start and the house stay free; a draw on either moves to its neighbour, so those two
    // neighbours are drawn twice as often as other cells.
    Nails.clear();
    for (int i = 0; i < NailCount; ++i) {
        Nail nail{ std::int16_t(random_.draw(1, Columns)), std::int16_t(random_.draw(1, Rows)) };
        if (nail.column == 1 && nail.row == 1)
            nail.row = 2;
        if (nail.column == Columns && nail.row == Rows)
            nail.column = Columns - 1;
        Nails.append(nail);
    }
}

void HomewardRide::zeit1Timer()
{
    const int k = ShowIndex;
    view_.placeMarker(Nails[k].column, Nails[k].row);
    if (k == Nails.size() - 1) {
        // The last nail stays marked while the child reads that the ride begins.
        Zeit1->setEnabled(false);
        dialogs_.msgBox(QStringLiteral("Los geht's, viel Glück!"), MsgStyle::OkOnly,
                        QStringLiteral("Starten"));
        view_.showMarker(false);
    } else {
        ShowIndex = std::int16_t(k + 1);
    }
}

void HomewardRide::stopShow()
{
    Zeit1->setEnabled(false);
    view_.showMarker(false);
}

bool HomewardRide::showRunning() const
{
    return Zeit1->enabled();
}

void HomewardRide::drawAllNails()
{
    for (const Nail& nail : Nails)
        view_.drawNail(nail.column, nail.row);
}

void HomewardRide::move(int columns, int rows)
{
    CarColumn = std::int16_t(std::clamp(CarColumn + columns, 1, Columns));
    CarRow = std::int16_t(std::clamp(CarRow + rows, 1, Rows));
    moveCar();
}

void HomewardRide::moveCar()
{
    view_.placeCar(CarColumn, CarRow);
    checkPosition();
}

void HomewardRide::checkPosition()
{
    // The house counts before a nail: the house cell never holds one, but the child should never
    // be told of a breakdown at the door.
    if (CarColumn == Columns && CarRow == Rows) {
        drawAllNails();
        view_.setHint(QString());
        dialogs_.msgBox(QStringLiteral("Prima, du hast es geschafft!\r"), MsgStyle::OkOnly,
                        QStringLiteral("Spielende"));
        view_.endRide();
        return;
    }
    if (nailAt(CarColumn, CarRow)) {
        breakdown();
        return;
    }
    if (nailAt(CarColumn + 1, CarRow) || nailAt(CarColumn - 1, CarRow)
        || nailAt(CarColumn, CarRow + 1) || nailAt(CarColumn, CarRow - 1)) {
        dialogs_.beep();
        view_.setHint(QStringLiteral("Nagel auf der Fahrbahn!"));
    } else {
        view_.setHint(QStringLiteral("Die Fahrbahn ist frei!"));
    }
}

void HomewardRide::breakdown()
{
    // The nail stays where it is: driving onto its cell again is another breakdown. The hint line
    // keeps what it said before.
    BreakdownCount = std::int16_t(std::min<int>(BreakdownCount + 1, int(Breakdowns.size())));
    const BreakdownMessage& message = Breakdowns[BreakdownCount - 1];
    view_.showVehicle(BreakdownCount);
    const bool last = BreakdownCount == int(Breakdowns.size());
    if (last)
        drawAllNails();
    dialogs_.msgBox(QString::fromUtf8(message.text), MsgStyle::OkOnly,
                    QString::fromUtf8(message.title));
    if (last)
        view_.endRide();
    else
        view_.drawNail(CarColumn, CarRow);
}

bool HomewardRide::nailAt(int column, int row) const
{
    return std::any_of(Nails.cbegin(), Nails.cend(), [column, row](const Nail& nail) {
        return nail.column == column && nail.row == row;
    });
}

bool RideActivation::activated()
{
    const bool newRide = away_ == Away::Hidden || away_ == Away::ProgramWindow;
    away_ = Away::Active;
    return newRide;
}
