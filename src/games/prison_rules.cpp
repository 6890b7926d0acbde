#include "games/prison_rules.h"

#include "platform/random_source.h"

#include <algorithm>

PrisonRules::PrisonRules(RandomSource& random, WriteCell write)
    : random_(random), write_(std::move(write))
{
}

void PrisonRules::Start()
{
    for (int r = 1; r <= Size; ++r) {
        BoardRows[r].clear();
        for (int c = 1; c <= Size; ++c) {
            const QChar digit(random_.Draw(1, 10) + 47);
            write_(c, r, digit, false);
            BoardRows[r].append(digit);
        }
    }
    for (int r = 7; r <= 11; ++r)
        for (int c = 7; c <= 11; ++c) {
            write_(c, r, Cell(c, r), true);
            BoardRows[r][c - 1] = u' ';
        }
    write_(9, 9, u'+', false);
    PlayerColumn = 9;
    PlayerRow = 9;
    SearchIndex = 1;
}

PrisonRules::Outcome PrisonRules::Step(Direction direction)
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
    return TryStep();
}

PrisonRules::Outcome PrisonRules::TryStep()
{
    const QChar ch = Cell(PlayerColumn, PlayerRow);
    if (ch == u' ') {
        ErasePlayer();
        return DrawPlayer() ? Outcome::Free : Outcome::Walked;
    }
    if (ch == SearchedDigit()) {
        BoardRows[PlayerRow][PlayerColumn - 1] = u' ';
        ErasePlayer();
        if (DrawPlayer())
            return Outcome::Free; // the digit that opened the way out is not counted
        NextSearchDigit();
        ++StepCount;
        return Outcome::Taken;
    }
    PlayerColumn = PreviousColumn;
    PlayerRow = PreviousRow;
    return Outcome::Refused;
}

void PrisonRules::ErasePlayer()
{
    write_(PreviousColumn, PreviousRow, u'+', true);
}

bool PrisonRules::DrawPlayer()
{
    write_(PlayerColumn, PlayerRow, u'+', false);
    return PlayerColumn == 1 || PlayerColumn == Size || PlayerRow == 1 || PlayerRow == Size;
}

void PrisonRules::NextSearchDigit()
{
    SearchIndex = SearchIndex % 10 + 1;
}

QString PrisonRules::WishText() const
{
    if (WishesUsed == 2)
        return QStringLiteral("Du hast noch  1 Wunsch frei!");
    return QStringLiteral("Du hast noch %1 Wünsche frei!").arg(3 - WishesUsed);
}

void PrisonRules::GrantWish()
{
    if (!WishLeft())
        return;
    ++WishesUsed;
    wishCaption_[2 * WishesUsed - 1] = SearchedDigit();
    NextSearchDigit();
}

QString PrisonRules::FreeText() const
{
    return QStringLiteral("Prima, du bist jetzt frei!\n\rEs waren %1 Spielzüge!").arg(StepCount);
}

void PrisonRules::EndPrisonGame()
{
    wishCaption_ = QStringLiteral(" ? ? ?");
    WishesUsed = 0;
    StepCount = 0;
}
