#include "games/number_catch_rules.h"

#include "platform/random_source.h"

#include <algorithm>

NumberCatchRules::NumberCatchRules(RandomSource& random, WriteCell write)
    : random_(random), write_(std::move(write))
{
}

void NumberCatchRules::start()
{
    crossColumn_ = 14;
    crossRow_ = 9;
    for (int i = 1; i <= 10; ++i) {
        digitColumns_[i] = i + 3;
        digitRows_[i] = i + 3;
    }
    remaining_ = QStringLiteral("0123456789");
}

bool NumberCatchRules::tick()
{
    eraseDigits();
    scatterDigits();
    return checkCatch();
}

bool NumberCatchRules::move(Direction direction)
{
    eraseCross();
    switch (direction) {
    case Direction::Left:
        crossColumn_ = std::max(crossColumn_ - 1, 1);
        break;
    case Direction::Up:
        crossRow_ = std::max(crossRow_ - 1, FirstRow);
        break;
    case Direction::Down:
        crossRow_ = std::min(crossRow_ + 1, LastRow);
        break;
    case Direction::Right:
        crossColumn_ = std::min(crossColumn_ + 1, Columns);
        break;
    }
    return checkCatch();
}

void NumberCatchRules::endNumberCatch()
{
    remaining_.clear();
}

void NumberCatchRules::eraseCross()
{
    write_(crossColumn_, crossRow_, u'+', true);
}

bool NumberCatchRules::checkCatch()
{
    const qsizetype remaining = remaining_.size();
    if (remaining > 0 && digitRows_[1] == crossRow_ && digitColumns_[1] == crossColumn_) {
        // The caught digit is not erased: the "+" covers it.
        for (qsizetype i = 1; i < remaining; ++i) {
            digitColumns_[i] = digitColumns_[i + 1];
            digitRows_[i] = digitRows_[i + 1];
        }
        remaining_.remove(0, 1);
        drawDigits(false);
    }
    write_(crossColumn_, crossRow_, u'+', false);
    return remaining_.isEmpty();
}

void NumberCatchRules::eraseDigits()
{
    drawDigits(true);
}

void NumberCatchRules::drawDigits(bool erase)
{
    for (qsizetype i = 1; i <= remaining_.size(); ++i)
        write_(digitColumns_[i], digitRows_[i], remaining_.at(i - 1), erase);
}

void NumberCatchRules::scatterDigits()
{
    // Every digit in a column and a row of its own.
    for (qsizetype i = 1; i <= remaining_.size(); ++i) {
        bool clash = true;
        while (clash) {
            digitColumns_[i] = random_.draw(1, Columns);
            digitRows_[i] = random_.draw(FirstRow, LastRow);
            clash = false;
            for (qsizetype j = 1; j < i && !clash; ++j)
                clash = digitColumns_[j] == digitColumns_[i] || digitRows_[j] == digitRows_[i];
        }
        write_(digitColumns_[i], digitRows_[i], remaining_.at(i - 1), false);
    }
}
