#pragma once

#include "platform/random_source.h"

#include <QString>

// The operation branches of the generator. Each branch has a level set-up, which sets the ranges of
// the operands for the current level, and its forms, which turn the operands into a task. Random
// selection runs the forms alone, on the generator's common draw (A, B and C in 1..10).
namespace forms {

// One task under construction. A form writes taskValue and text; comparison and remainder forms
// also write answer, every other task gets the digits of taskValue at the common end.
class Task {
public:
    Task(RandomSource& random, int level, int practiceNumber)
        : level(level), practiceNumber(practiceNumber), random_(random)
    {
        text.reserve(32);
    }

    int draw(int lo, int hi) { return random_.draw(lo, hi); }

    int level;
    int practiceNumber;
    int A = 0;
    int B = 0;
    int C = 0;
    int taskValue = 0;
    QString text;
    QString answer;

private:
    RandomSource& random_;
};

inline constexpr char16_t kTimes = u'\u00B7'; // the multiplication sign children know: a middle dot

// Sign of a comparison task for a left side that is smaller, equal or larger than the right side.
inline QString relationSign(int left, int right)
{
    return left < right    ? QStringLiteral("<")
            : left > right ? QStringLiteral(">")
                           : QStringLiteral("=");
}

// Plus. The set-up draws all three operands afresh (the practice number does not reach plus tasks).
void plusSetUp(Task& t);
void plusForm(Task& t, int type);

// Minus. The set-up also tells how the minuend C may be drawn again and the size of one step
// (10 when level 4 turns every number into tens), which the forms need to keep results >= 0.
struct MinusRange {
    int lo; // C is drawn from lo..hi ...
    int hi;
    int scale; // ... and multiplied by scale
};
inline constexpr MinusRange kCommonMinusRange{ 1, 10, 1 };
MinusRange minusSetUp(Task& t);
int minusFormOfType(int type); // list entry (1..8) to one of the five minus forms
void minusForm(Task& t, int form, const MinusRange& range);

// Times and divide.
void timesSetUp(Task& t);
void timesForm(Task& t, int type);
void divideSetUp(Task& t);
void divideForm(Task& t, int type);

// The number that " Verdoppeln" doubles and " Halbieren" halves, by level.
int drawNumberToHalveOrDouble(Task& t);

} // namespace forms
