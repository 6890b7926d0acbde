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
        rows_[r].clear();
        for (int c = 1; c <= Size; ++c) {
            const QChar digit(random_.draw(1, 10) + 47);
            write_(c, r, digit, false);
            rows_[r].append(digit);
        }
    }
    for (int r = 7; r <= 11; ++r)
        for (int c = 7; c <= 11; ++c) {
            write_(c, r, cell(c, r), true);
            rows_[r][c - 1] = u' ';
        }
    write_(9, 9, u'+', false);
    column_ = 9;
    row_ = 9;
    searchIndex_ = 1;
}

PrisonRules::Outcome PrisonRules::step(Direction direction)
{
    previousColumn_ = column_;
    previousRow_ = row_;
    switch (direction) {
    case Direction::Up:
        row_ = std::max(row_ - 1, 1);
        break;
    case Direction::Left:
        column_ = std::max(column_ - 1, 1);
        break;
    case Direction::Right:
        column_ = std::min(column_ + 1, Size);
        break;
    case Direction::Down:
        row_ = std::min(row_ + 1, Size);
        break;
    }
    return tryStep();
}

PrisonRules::Outcome PrisonRules::tryStep()
{
    const QChar character = cell(column_, row_);
    if (character == u' ') {
        erasePlayer();
        return drawPlayer() ? Outcome::Free : Outcome::Walked;
    }
    if (character == searchedDigit()) {
        rows_[row_][column_ - 1] = u' ';
        erasePlayer();
        if (drawPlayer())
            return Outcome::Free; // the digit that opened the way out is not counted
        nextSearchDigit();
        ++steps_;
        return Outcome::Taken;
    }
    column_ = previousColumn_;
    row_ = previousRow_;
    return Outcome::Refused;
}

void PrisonRules::erasePlayer()
{
    write_(previousColumn_, previousRow_, u'+', true);
}

bool PrisonRules::drawPlayer()
{
    write_(column_, row_, u'+', false);
    return column_ == 1 || column_ == Size || row_ == 1 || row_ == Size;
}

void PrisonRules::nextSearchDigit()
{
    searchIndex_ = searchIndex_ % 10 + 1;
}

QString PrisonRules::wishText() const
{
    if (wishesUsed_ == 2)
        return QStringLiteral("Du hast noch  1 Wunsch frei!");
    return QStringLiteral("Du hast noch %1 Wünsche frei!").arg(3 - wishesUsed_);
}

void PrisonRules::grantWish()
{
    if (!wishLeft())
        return;
    ++wishesUsed_;
    wishCaption_[2 * wishesUsed_ - 1] = searchedDigit();
    nextSearchDigit();
}

QString PrisonRules::freeText() const
{
    return QStringLiteral("Prima, du bist jetzt frei!\n\rEs waren %1 Spielzüge!").arg(steps_);
}

void PrisonRules::endPrisonGame()
{
    wishCaption_ = QStringLiteral(" ? ? ?");
    wishesUsed_ = 0;
    steps_ = 0;
}
