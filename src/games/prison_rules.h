#pragma once

// The prison: the child, a "+", stands in an empty yard amid a 17 by 17 field of random digits and
// digs its way out to the edge. Empty cells can be walked on freely; a digit cell only when its
// digit is the one searched for, which then goes up by one (after 9 comes 0). Three wishes per
// game skip a searched digit. The field is kept as text, one string of 17 characters per row.

#include "games/text_grid_rules.h"

#include <QString>

#include <array>

class RandomSource;

class PrisonRules {
public:
    enum class Direction { Up, Left, Right, Down };
    enum class Outcome { Walked, Taken, Refused, Free };
    static constexpr int Size = 17;

    PrisonRules(RandomSource& random, WriteCell write);

    // A new field with the empty yard and the "+" in the middle; wishes and steps stay as the
    // end of the last game left them (none).
    void start();
    Outcome step(Direction direction);

    QChar searchedDigit() const { return QChar(u'0' + searchIndex_ - 1); }
    bool wishLeft() const { return wishesUsed_ < 3; }
    QString wishText() const; // how many wishes are still free
    void grantWish(); // skips the searched digit and notes it on the wish button
    QString wishCaption() const { return wishCaption_; }
    QString freeText() const; // the message when the "+" reaches the edge
    void endPrisonGame(); // wishes and steps back to none

    QChar cell(int column, int row) const { return rows_[row].at(column - 1); }
    int column() const { return column_; }
    int row() const { return row_; }
    int steps() const { return steps_; }
    int wishes() const { return wishesUsed_; }

private:
    Outcome tryStep();
    void erasePlayer();
    bool drawPlayer(); // true when the "+" stands on the edge: the child is free
    void nextSearchDigit();

    RandomSource& random_;
    WriteCell write_;
    std::array<QString, 21> rows_; // rows 1 to 17: a digit or a blank per column
    int column_ = 9; // the "+"
    int row_ = 9;
    int previousColumn_ = 9; // where the "+" stood before the step being tried
    int previousRow_ = 9;
    int searchIndex_ = 1; // 1 to 10: the searched digit is searchIndex_ - 1
    int wishesUsed_ = 0;
    int steps_ = 0; // digits taken
    QString wishCaption_ = QStringLiteral(" ? ? ?");
};
