#pragma once

// The number catch: the digits 0 to 9 stand on a field of 24 columns by 14 rows (rows 3 to 16)
// and jump to new places at every tick; the child moves a "+" and catches them in ascending order.
// Only the next digit can be caught, by moving onto it or by it jumping onto the "+".

#include "games/text_grid_rules.h"

#include <QString>

#include <array>

class RandomSource;

class NumberCatchRules {
public:
    enum class Direction { Left, Up, Down, Right };
    static constexpr int Columns = 24;
    static constexpr int FirstRow = 3;
    static constexpr int LastRow = 16;

    NumberCatchRules(RandomSource& random, WriteCell write);

    // The "+" in the middle, the digits unseen on the diagonal from (4, 4) until the first tick.
    void start();
    bool tick(); // the digits jump; true when the last one is caught
    bool move(Direction direction); // true when the last one is caught
    void endNumberCatch(); // nothing left to catch

    const QString& remaining() const { return remaining_; } // the next digit first
    QString nextDigit() const { return remaining_.left(1); }
    int crossColumn() const { return crossColumn_; }
    int crossRow() const { return crossRow_; }
    int digitColumn(int i) const { return digitColumns_[i]; }
    int digitRow(int i) const { return digitRows_[i]; }

private:
    void eraseCross();
    bool checkCatch();
    void eraseDigits();
    void drawDigits(bool erase);
    void scatterDigits();

    RandomSource& random_;
    WriteCell write_;
    QString remaining_;
    int crossColumn_ = 14;
    int crossRow_ = 9;
    std::array<int, 21> digitColumns_{};
    std::array<int, 21> digitRows_{};
};
