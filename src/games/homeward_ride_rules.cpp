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
    : view_(view), dialogs_(dialogs), random_(random), Zeit1(timers.Make([this] { Zeit1_Timer(); }))
{
    Zeit1->SetInterval(ShowInterval);
    Zeit1->SetEnabled(false);
}

HomewardRide::~HomewardRide() = default;

void HomewardRide::StartHomewardRide()
{
    PlaceNails();
    CarColumn = 1;
    CarRow = 1;
    BreakdownCount = 0;
    MoveCar();
    ShowIndex = 0;
    dialogs_.MsgBox(
            QStringLiteral("Du bekommst jetzt die Nagelstellen\rgezeigt, merke sie dir gut!"),
            MsgStyle::OkOnly, QStringLiteral("Nagelstellen"));
    view_.ShowMarker(true);
    Zeit1->SetEnabled(true);
}

void HomewardRide::PlaceNails()
{
    // The start and the house stay free; a draw on either moves to its neighbour, so those two
    // neighbours are drawn twice as often as other cells.
    Nails.clear();
    for (int i = 0; i < NailCount; ++i) {
        Nail nail{ std::int16_t(random_.Draw(1, Columns)), std::int16_t(random_.Draw(1, Rows)) };
        if (nail.column == 1 && nail.row == 1)
            nail.row = 2;
        if (nail.column == Columns && nail.row == Rows)
            nail.column = Columns - 1;
        Nails.append(nail);
    }
}

void HomewardRide::Zeit1_Timer()
{
    const int k = ShowIndex;
    view_.PlaceMarker(Nails[k].column, Nails[k].row);
    if (k == Nails.size() - 1) {
        // The last nail stays marked while the child reads that the ride begins.
        Zeit1->SetEnabled(false);
        dialogs_.MsgBox(QStringLiteral("Los geht's, viel Glück!"), MsgStyle::OkOnly,
                        QStringLiteral("Starten"));
        view_.ShowMarker(false);
    } else {
        ShowIndex = std::int16_t(k + 1);
    }
}

void HomewardRide::StopShow()
{
    Zeit1->SetEnabled(false);
    view_.ShowMarker(false);
}

bool HomewardRide::ShowRunning() const
{
    return Zeit1->Enabled();
}

void HomewardRide::DrawAllNails()
{
    for (const Nail& nail : Nails)
        view_.DrawNail(nail.column, nail.row);
}

void HomewardRide::Move(int columns, int rows)
{
    CarColumn = std::int16_t(std::clamp(CarColumn + columns, 1, Columns));
    CarRow = std::int16_t(std::clamp(CarRow + rows, 1, Rows));
    MoveCar();
}

void HomewardRide::MoveCar()
{
    view_.PlaceCar(CarColumn, CarRow);
    CheckPosition();
}

void HomewardRide::CheckPosition()
{
    // The house counts before a nail: the house cell never holds one, but the child should never
    // be told of a breakdown at the door.
    if (CarColumn == Columns && CarRow == Rows) {
        DrawAllNails();
        view_.SetHint(QString());
        dialogs_.MsgBox(QStringLiteral("Prima, du hast es geschafft!\r"), MsgStyle::OkOnly,
                        QStringLiteral("Spielende"));
        view_.EndRide();
        return;
    }
    if (NailAt(CarColumn, CarRow)) {
        Breakdown();
        return;
    }
    if (NailAt(CarColumn + 1, CarRow) || NailAt(CarColumn - 1, CarRow)
        || NailAt(CarColumn, CarRow + 1) || NailAt(CarColumn, CarRow - 1)) {
        dialogs_.Beep();
        view_.SetHint(QStringLiteral("Nagel auf der Fahrbahn!"));
    } else {
        view_.SetHint(QStringLiteral("Die Fahrbahn ist frei!"));
    }
}

void HomewardRide::Breakdown()
{
    // The nail stays where it is: driving onto its cell again is another breakdown. The hint line
    // keeps what it said before.
    BreakdownCount = std::int16_t(std::min<int>(BreakdownCount + 1, int(Breakdowns.size())));
    const BreakdownMessage& message = Breakdowns[BreakdownCount - 1];
    view_.ShowVehicle(BreakdownCount);
    const bool last = BreakdownCount == int(Breakdowns.size());
    if (last)
        DrawAllNails();
    dialogs_.MsgBox(QString::fromUtf8(message.text), MsgStyle::OkOnly,
                    QString::fromUtf8(message.title));
    if (last)
        view_.EndRide();
    else
        view_.DrawNail(CarColumn, CarRow);
}

bool HomewardRide::NailAt(int column, int row) const
{
    return std::any_of(Nails.cbegin(), Nails.cend(), [column, row](const Nail& nail) {
        return nail.column == column && nail.row == row;
    });
}

bool RideActivation::Activated()
{
    const bool newRide = away_ == Away::Hidden || away_ == Away::ProgramWindow;
    away_ = Away::Active;
    return newRide;
}
