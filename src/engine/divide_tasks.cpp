#include "engine/task_forms.h"

#include "engine/number_text.h"

#include <utility>

// Every division is built backwards from a product, so it comes out even unless a remainder task
// wants a remainder. A is the divisor (the practice number when one is set), C the quotient.
namespace forms {

void divideSetUp(Task& t)
{
    switch (t.level) {
    case 2:
        t.C = t.draw(5, 10);
        break;
    case 3:
        t.C = t.draw(6, 12);
        break;
    case 4:
        t.C = t.draw(6, 12) * 10;
        break;
    case 5:
        t.C = t.draw(11, 19);
        break;
    default:
        t.C = t.draw(1, 6);
        break;
    }
}

namespace {

int drawRemainderQuotient(Task& t)
{
    switch (t.level) {
    case 2:
        return t.draw(2, 10);
    case 3:
        return t.draw(5, 12);
    case 4:
        return t.draw(2, 9) * 10;
    case 5:
        return t.draw(5, 12) * 10;
    default:
        return t.draw(2, 6);
    }
}

void divisionWithRemainder(Task& t)
{
    t.C = drawRemainderQuotient(t);
    int n = t.A * t.C + t.B;
    if (n % t.A == 0) // a remainder task should leave a remainder (a divisor 1 cannot)
        n += 1;
    t.taskValue = n;
    QString& s = t.text;
    appendSpacedNumber(s, n);
    s += u" :";
    appendSpacedNumber(s, t.A);
    s += u" = ?";
    t.answer.reserve(8);
    appendBareNumber(t.answer, n / t.A);
    t.answer += u'R';
    appendBareNumber(t.answer, n % t.A);
}

// The quotient on the left is one more than C, equal to it or one less.
void divisionComparison(Task& t)
{
    t.B = 1;
    int k = t.draw(0, 2);
    if (k == 2 && t.C == 1) {
        // A dividend of 0 is no task: C and A change places. Should both be 1, the choice falls on
        // one of the other two, which never lead to 0.
        std::swap(t.A, t.C);
        k = t.draw(0, t.C == 1 ? 1 : 2);
    }
    const int quotient = k == 0 ? t.C : k == 1 ? t.C + t.B : t.C - t.B;
    t.taskValue = quotient * t.A;
    t.answer = relationSign(quotient, t.C);
    QString& s = t.text;
    appendBareNumber(s, t.taskValue);
    s += u" :";
    appendSpacedNumber(s, t.A);
    s += u" <=>";
    appendSpacedNumber(s, t.C);
}

} // namespace

// Types 1..8 of the divide list; any other type gets the first.
void divideForm(Task& t, int type)
{
    QString& s = t.text;
    switch (type) {
    case 2: // " Ergänzungen": 42 : ? = 6
        t.taskValue = t.C;
        appendSpacedNumber(s, t.A * t.C);
        s += u" : ? =";
        appendSpacedNumber(s, t.A);
        break;
    case 3: // " Umkehrungen": ? : 7 = 6
        t.taskValue = t.A * t.C;
        s += u" ? :";
        appendSpacedNumber(s, t.C);
        s += u" =";
        appendSpacedNumber(s, t.A);
        break;
    case 4: // " Teilketten": 210 : 6 : 5 = ?
        t.taskValue = t.C;
        appendSpacedNumber(s, t.A * t.B * t.C);
        s += u" :";
        appendSpacedNumber(s, t.A);
        s += u" :";
        appendSpacedNumber(s, t.B);
        s += u" = ?";
        break;
    case 5: // " Punkt-Strich": 42 : 6 + 5 = ?
        t.taskValue = t.C + t.B;
        appendSpacedNumber(s, t.A * t.C);
        s += u" :";
        appendSpacedNumber(s, t.A);
        s += u" +";
        appendSpacedNumber(s, t.B);
        s += u" = ?";
        break;
    case 6: // " Restaufgaben": 47 : 6 = ? with the answer 7R5
        divisionWithRemainder(t);
        break;
    case 7: // " Halbieren": 36 : 2 = ?
        t.A = drawNumberToHalveOrDouble(t);
        t.taskValue = t.A;
        appendSpacedNumber(s, 2 * t.A);
        s += u" : 2 = ?";
        break;
    case 8: // " Groß-Klein": 42 : 6 <=> 8
        divisionComparison(t);
        break;
    default: // " Teilaufgaben": 42 : 6 = ?
        t.taskValue = t.C;
        appendSpacedNumber(s, t.A * t.C);
        s += u" :";
        appendSpacedNumber(s, t.A);
        s += u" = ?";
        break;
    }
}

} // namespace forms
