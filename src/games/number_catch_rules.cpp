#include "games/number_catch_rules.h"

#include "platform/random_source.h"

#include <algorithm>

NumberCatchRules::NumberCatchRules(TrainingState& state, RandomSource& random, WriteCell write)
    : state_(state), random_(random), write_(std::move(write))
{
}

void NumberCatchRules::start()
{
    CrossColumn_ = 14;
    CrossRow_ = 9;
    for (int i = 1; i <= 10; ++i) {
        DigitColumns[i] = i + 3;
        DigitRows[i] = i + 3;
    }
    state_.entryText = QStringLiteral("0123456789");
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
        CrossColumn_ = std::max(CrossColumn_ - 1, 1);
        break;
    case Direction::Up:
        CrossRow_ = std::max(CrossRow_ - 1, FirstRow);
        break;
    case Direction::Down:
        CrossRow_ = std::min(CrossRow_ + 1, LastRow);
        break;
    case Direction::Right:
        CrossColumn_ = std::min(CrossColumn_ + 1, Columns);
        break;
    }
    return checkCatch();
}

void NumberCatchRules::endNumberCatch()
{
    state_.entryText.clear();
}

void NumberCatchRules::eraseCross()
{
    write_(CrossColumn_, CrossRow_, u'+', true);
}

bool NumberCatchRules::checkCatch()
{
    const qsizetype left = state_.entryText.size();
    if (left > 0 && DigitRows[1] == CrossRow_ && DigitColumns[1] == CrossColumn_) {
        // The caught digit is not erased: the "+" covers it.
        for (qsizetype i = 1; i < left; ++i) {
            DigitColumns[i] = DigitColumns[i + 1];
            DigitRows[i] = DigitRows[i + 1];
        }
        state_.entryText.remove(0, 1);
        drawDigits(false);
    }
    write_(CrossColumn_, CrossRow_, u'+', false);
    return state_.entryText.isEmpty();
}

void NumberCatchRules::eraseDigits()
{
    drawDigits(true);
}

void NumberCatchRules::drawDigits(bool erase)
{
    for (qsizetype i = 1; i <= state_.entryText.size(); ++i)
        write_(DigitColumns[i], DigitRows[i], state_.entryText.at(i - 1), erase);
}

void NumberCatchRules::scatterDigits()
{
    // Every digit in a column and a row of its own.
    for (qsizetype i = 1; i <= state_.entryText.size(); ++i) {
        bool clash = true;
        while (clash) {
            DigitColumns[i] = random_.draw(1, Columns);
            DigitRows[i] = random_.draw(FirstRow, LastRow);
            clash = false;
            for (qsizetype j = 1; j < i && !clash; ++j)
                clash = DigitColumns[j] == DigitColumns[i] || DigitRows[j] == DigitRows[i];
        }
        write_(DigitColumns[i], DigitRows[i], state_.entryText.at(i - 1), false);
    }
}
