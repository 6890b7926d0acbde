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
constexpr std::array<BreakdownMessage, 4> BreakdownMessages{ {
        { "Pech, ein Reifenplatzer! Aber\rdu hast ja einen Ersatzreifen!", "Autopanne" },
        { "Wieder ein Reifenplatzer!\rZum Glück hast du ein\rKlapprad im Kofferraum!",
          "Autodefekt" },
        { "Vorderreifen ohne Luft!\rDu musst zu Fuß gehen!", "Radpanne" },
        { "Nagel im Fuß! Pech, du\rmusst ins Krankenhaus!", "Fußverletzung" },
} };

} // namespace

HomewardRide::HomewardRide(HomewardRideView& view, Dialogs& dialogs, RandomSource& random,
                           Timers& timers)
    : view_(view),
      dialogs_(dialogs),
      random_(random),
      showTimer_(timers.make([this] { showNextNail(); }))
{
    showTimer_->setInterval(ShowInterval);
    showTimer_->setEnabled(false);
}

HomewardRide::~HomewardRide() = default;

void HomewardRide::startHomewardRide()
{
    placeNails();
    carColumn = 1;
    carRow = 1;
    breakdowns = 0;
    moveCar();
    showIndex = 0;
    dialogs_.msgBox(
            QStringLiteral("Du bekommst jetzt die Nagelstellen\rgezeigt, merke sie dir gut!"),
            MsgStyle::OkOnly, QStringLiteral("Nagelstellen"));
    view_.showMarker(true);
    showTimer_->setEnabled(true);
}

void HomewardRide::placeNails()
{
    // The start and the house stay free; a draw on either moves to its neighbour, so those two
    // neighbours are drawn twice as often as other cells.
    nails.clear();
    for (int i = 0; i < NailCount; ++i) {
        Nail nail{ std::int16_t(random_.draw(1, Columns)), std::int16_t(random_.draw(1, Rows)) };
        if (nail.column == 1 && nail.row == 1)
            nail.row = 2;
        if (nail.column == Columns && nail.row == Rows)
            nail.column = Columns - 1;
        nails.append(nail);
    }
}

void HomewardRide::showNextNail()
{
    const int shown = showIndex;
    view_.placeMarker(nails[shown].column, nails[shown].row);
    if (shown == nails.size() - 1) {
        // The last nail stays marked while the child reads that the ride begins.
        showTimer_->setEnabled(false);
        dialogs_.msgBox(QStringLiteral("Los geht's, viel Glück!"), MsgStyle::OkOnly,
                        QStringLiteral("Starten"));
        view_.showMarker(false);
    } else {
        showIndex = std::int16_t(shown + 1);
    }
}

void HomewardRide::stopShow()
{
    showTimer_->setEnabled(false);
    view_.showMarker(false);
}

bool HomewardRide::showRunning() const
{
    return showTimer_->enabled();
}

void HomewardRide::drawAllNails()
{
    for (const Nail& nail : nails)
        view_.drawNail(nail.column, nail.row);
}

void HomewardRide::move(int columns, int rows)
{
    carColumn = std::int16_t(std::clamp(carColumn + columns, 1, Columns));
    carRow = std::int16_t(std::clamp(carRow + rows, 1, Rows));
    moveCar();
}

void HomewardRide::moveCar()
{
    view_.placeCar(carColumn, carRow);
    checkPosition();
}

void HomewardRide::checkPosition()
{
    // The house counts before a nail: the house cell never holds one, but the child should never
    // be told of a breakdown at the door.
    if (carColumn == Columns && carRow == Rows) {
        drawAllNails();
        view_.setHint(QString());
        dialogs_.msgBox(QStringLiteral("Prima, du hast es geschafft!\r"), MsgStyle::OkOnly,
                        QStringLiteral("Spielende"));
        view_.endRide();
        return;
    }
    if (nailAt(carColumn, carRow)) {
        breakdown();
        return;
    }
    if (nailAt(carColumn + 1, carRow) || nailAt(carColumn - 1, carRow)
        || nailAt(carColumn, carRow + 1) || nailAt(carColumn, carRow - 1)) {
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
    breakdowns = std::int16_t(std::min<int>(breakdowns + 1, int(BreakdownMessages.size())));
    const BreakdownMessage& message = BreakdownMessages[breakdowns - 1];
    view_.showVehicle(breakdowns);
    const bool last = breakdowns == int(BreakdownMessages.size());
    if (last)
        drawAllNails();
    dialogs_.msgBox(QString::fromUtf8(message.text), MsgStyle::OkOnly,
                    QString::fromUtf8(message.title));
    if (last)
        view_.endRide();
    else
        view_.drawNail(carColumn, carRow);
}

bool HomewardRide::nailAt(int column, int row) const
{
    return std::any_of(nails.cbegin(), nails.cend(), [column, row](const Nail& nail) {
        return nail.column == column && nail.row == row;
    });
}

bool RideActivation::activated()
{
    const bool newRide = away_ == Away::Hidden || away_ == Away::ProgramWindow;
    away_ = Away::Active;
    return newRide;
}
