#include "engine/task_forms.h"

#include "engine/number_text.h"

#include <algorithm>
#include <utility>

// The minus branch. Children at this stage know no negative numbers and the keypad has no minus
// key, so no minus task shows or expects one. At level 4 every number is a multiple of ten, the
// middle number of a chain too, and every correction moves in tens.
//
// How the results are kept at zero or above:
// - forms 1 to 3 (M - A): if the minuend M = C + 10 is smaller than A (possible only at level 4),
//   C is drawn once more, from the part of its level range that makes M at least A. A single draw,
//   no loop, and the number subtracted (the practice number) stays.
// - form 4 (M - B - A): while the result is negative, B and A are each lowered by one step, but
//   neither below one step. M is at least two steps (20 at level 4, 11 otherwise), so a negative
//   result means one of them is above one step: every pass lowers B + A, and the loop ends.
// - form 5 (C - A <=> right side): the larger number is put first before anything is drawn, and a
//   choice that would take the right side below zero is drawn again from the other two. No loop.
namespace forms {

MinusRange minusSetUp(Task& t)
{
    switch (t.level) {
    case 2:
        t.C = t.draw(1, 90);
        return { 1, 90, 1 };
    case 3:
        t.C = t.draw(1, 990);
        return { 1, 990, 1 };
    case 4:
        t.A *= 10;
        t.B *= 10;
        t.C = t.draw(1, 90) * 10;
        return { 1, 90, 10 };
    case 5:
        t.A = t.draw(1, 100);
        t.C = t.draw(101, 900);
        return { 101, 900, 1 };
    default:
        return kCommonMinusRange;
    }
}

// Each minus list entry gets the form its name promises: the plain entries (" Minus Einer",
// " Minus Zehner", " Minus zweistellig") a subtraction, the two " Ergänze" entries the missing
// subtrahend, " Umkehrungen" the missing minuend, " Minusketten" the chain, " Groß-Klein" the
// comparison.
int minusFormOfType(int type)
{
    switch (type) {
    case 4:
    case 5:
        return 2;
    case 6:
        return 3;
    case 7:
        return 4;
    case 8:
        return 5;
    default:
        return 1;
    }
}

namespace {

// Makes the minuend C + 10 at least `needed`, drawing C again from the admissible part of its
// range.
void keepMinuendAtLeast(Task& t, int needed, const MinusRange& range)
{
    if (t.C + 10 >= needed)
        return;
    const int lowest = (needed - 10 + range.scale - 1) / range.scale;
    t.C = t.draw(std::clamp(lowest, range.lo, range.hi), range.hi) * range.scale;
}

} // namespace

// C - A against a right side one step above, equal or one step below.
static void minusComparison(Task& t)
{
    if (t.C < t.A)
        std::swap(t.A, t.C);
    t.B = t.level == 4 ? 10 : 1;
    const int difference = t.C - t.A;
    int k = t.draw(0, 2);
    if (k == 2 && difference < t.B)
        k = t.draw(0, 1);
    t.taskValue = k == 0 ? difference : k == 1 ? difference + t.B : difference - t.B;
    t.answer = relationSign(difference, t.taskValue);
    QString& s = t.text;
    appendSpacedNumber(s, t.C);
    s += u" -";
    appendSpacedNumber(s, t.A);
    s += u" <=>";
    appendSpacedNumber(s, t.taskValue);
}

void minusForm(Task& t, int form, const MinusRange& range)
{
    QString& s = t.text;
    switch (form) {
    case 2: { // 15 - ? = 7
        keepMinuendAtLeast(t, t.A, range);
        const int m = t.C + 10;
        t.taskValue = m - t.A;
        appendSpacedNumber(s, m);
        s += u" - ? =";
        appendSpacedNumber(s, t.A);
        break;
    }
    case 3: { // ? - 7 = 8
        keepMinuendAtLeast(t, t.A, range);
        const int m = t.C + 10;
        t.taskValue = m;
        s += u" ? -";
        appendSpacedNumber(s, t.A);
        s += u" =";
        appendSpacedNumber(s, m - t.A);
        break;
    }
    case 4: { // 15 - 3 - 7 = ?
        const int m = t.C + 10;
        const int step = range.scale;
        t.taskValue = m - t.B - t.A;
        while (t.taskValue < 0) {
            if (t.B > step)
                t.B -= step;
            if (t.A > step)
                t.A -= step;
            t.taskValue = m - t.B - t.A;
        }
        appendSpacedNumber(s, m);
        s += u" -";
        appendSpacedNumber(s, t.B);
        s += u" -";
        appendSpacedNumber(s, t.A);
        s += u" = ?";
        break;
    }
    case 5: // 9 - 4 <=> 6
        minusComparison(t);
        break;
    default: { // 15 - 7 = ?
        keepMinuendAtLeast(t, t.A, range);
        const int m = t.C + 10;
        t.taskValue = m - t.A;
        appendSpacedNumber(s, m);
        s += u" -";
        appendSpacedNumber(s, t.A);
        s += u" = ?";
        break;
    }
    }
}

} // namespace forms
