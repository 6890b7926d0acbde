#include "games/prison_rules.h"

#include "platform/random_source.h"

#include <algorithm>

PrisonRules::PrisonRules(RandomSource& random, WriteCell write)
    : random_(random), write_(std::move(write))
{
}

void PrisonRules::start()
{
    for (int r = 1; r <= Size; ++r) {
        BoardRows[r].clear();
        for (int c = 1; c <= Size; ++c) {
            const QChar digit(random_.draw(1, 10) + 47);
            write_(c, r, digit, false);
            BoardRows[r].append(digit);
        }
    }
    for (int r = 7; r <= 11; ++r)
        for (int c = 7; c <= 11; ++c) {
            write_(c, r, cell(c, r), true);
            BoardRows[r][c - 1] = u' ';
        }
    write_(9, 9, u'+', false);
    PlayerColumn = 9;
    PlayerRow = 9;
    SearchIndex = 1;
}

PrisonRules::Outcome PrisonRules::step(Direction direction)
{
    PreviousColumn = PlayerColumn;
    PreviousRow = PlayerRow;
    switch (direction) {
    case Direction::Up:
        PlayerRow = std::max(PlayerRow - 1, 1);
        break;
    case Direction::Left:
        PlayerColumn = std::max(PlayerColumn - 1, 1);
        break;
    case Direction::Right:
        PlayerColumn = std::min(PlayerColumn + 1, Size);
        break;
    case Direction::Down:
        PlayerRow = std::min(PlayerRow + 1, Size);
        break;
    }
    return tryStep();
}

PrisonRules::Outcome PrisonRules::tryStep()
{
    const QChar ch = cell(PlayerColumn, PlayerRow);
    if (ch == u' ') {
        erasePlayer();
        return drawPlayer() ? Outcome::Free : Outcome::Walked;
    }
    if (ch == searchedDigit()) {
        BoardRows[PlayerRow][PlayerColumn - 1] = u' ';
        erasePlayer();
        if (drawPlayer())
            return Outcome::Free; // the digit that opened the way out is not counted
        nextSearchDigit();
        ++StepCount;
        return Outcome::Taken;
    }
    PlayerColumn = PreviousColumn;
    PlayerRow = PreviousRow;
    return Outcome::Refused;
}

void PrisonRules::erasePlayer()
{
    write_(PreviousColumn, PreviousRow, u'+', true);
}

bool PrisonRules::drawPlayer()
{
    write_(PlayerColumn, PlayerRow, u'+', false);
    return PlayerColumn == 1 || PlayerColumn == Size || PlayerRow == 1 || PlayerRow == Size;
}

void PrisonRules::nextSearchDigit()
{
    SearchIndex = SearchIndex % 10 + 1;
}

QString PrisonRules::wishText() const
{
    if (WishesUsed == 2)
        return QStringLiteral("Du hast noch  1 Wunsch frei!");
    return QStringLiteral("Du hast noch %1 Wünsche frei!").arg(3 - WishesUsed);
}

void PrisonRules::grantWish()
{
    if (!wishLeft())
        return;
    ++WishesUsed;
    wishCaption_[2 * WishesUsed - 1] = searchedDigit();
    nextSearchDigit();
}

QString PrisonRules::freeText() const
{
    return QStringLiteral("Prima, du bist jetzt frei!\n\rEs waren %1 Spielzüge!").arg(StepCount);
}

void PrisonRules::endPrisonGame()
{
    wishCaption_ = QStringLiteral(" ? ? ?");
    WishesUsed = 0;
    StepCount = 0;
}
