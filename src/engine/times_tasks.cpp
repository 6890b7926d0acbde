#include "engine/task_forms.h"

#include "engine/number_text.h"

namespace forms {

// A is the fixed factor (the practice number when one is set), C the factor that varies.
void timesSetUp(Task& t)
{
    switch (t.level) {
    case 2:
        t.C *= 10;
        break;
    case 3:
        t.C += 10;
        break;
    case 4:
        t.A *= 10;
        t.C += 10;
        break;
    case 5:
        t.C = t.draw(11, 100);
        break;
    default:
        break;
    }
}

int drawNumberToHalveOrDouble(Task& t)
{
    switch (t.level) {
    case 2:
        return t.draw(1, 50);
    case 3:
        return t.draw(101, 500);
    case 4:
        return t.draw(1001, 5000);
    case 5:
        return t.draw(10001, 50000);
    default:
        return t.draw(1, 10);
    }
}

namespace {

void appendTimes(QString& s)
{
    s += u' ';
    s += QChar(kTimes);
}

// Three factors, small ones of their own (zero included at level 1).
void timesChain(Task& t)
{
    t.A = t.draw(1, 6);
    if (t.practiceNumber > 0)
        t.A = t.practiceNumber;
    t.B = t.draw(0, 4);
    t.C = t.draw(0, 4);
    switch (t.level) {
    case 2:
        t.B += 1;
        t.C += 1;
        break;
    case 3:
        t.B += 2;
        t.C += 2;
        break;
    case 4:
        t.B += 3;
        t.C += 3;
        break;
    case 5:
        t.B += 1;
        t.C = (t.C + 1) * 10;
        break;
    default:
        break;
    }
    t.taskValue = t.A * t.B * t.C;
    QString& s = t.text;
    appendSpacedNumber(s, t.A);
    appendTimes(s);
    appendSpacedNumber(s, t.B);
    appendTimes(s);
    appendSpacedNumber(s, t.C);
    s += u" = ?";
}

} // namespace

// Types 1..7 of the times list; any other type gets the first.
void timesForm(Task& t, int type)
{
    QString& s = t.text;
    switch (type) {
    case 2: // " Ergänzungen": 6 · ? = 42
        t.taskValue = t.C;
        appendSpacedNumber(s, t.A);
        appendTimes(s);
        s += u" ? =";
        appendSpacedNumber(s, t.A * t.C);
        break;
    case 3: // " Umkehrungen": ? · 6 = 42
        t.taskValue = t.C;
        s += u" ?";
        appendTimes(s);
        appendSpacedNumber(s, t.A);
        s += u" =";
        appendSpacedNumber(s, t.A * t.C);
        break;
    case 4: // " Malketten": 3 · 2 · 4 = ?
        timesChain(t);
        break;
    case 5: // " Punkt-Strich": 3 + 7 · 6 = ?, times before plus
        t.B += 1;
        t.C = t.draw(1, t.A);
        t.taskValue = t.A * t.B + t.C;
        appendSpacedNumber(s, t.C);
        s += u" +";
        appendSpacedNumber(s, t.A);
        appendTimes(s);
        appendSpacedNumber(s, t.B);
        s += u" = ?";
        break;
    case 6: // " Verdoppeln": 24 · 2 = ?
        t.A = drawNumberToHalveOrDouble(t);
        t.taskValue = 2 * t.A;
        appendSpacedNumber(s, t.A);
        appendTimes(s);
        s += u" 2 = ?";
        break;
    case 7: { // " Groß-Klein": 7 · 6 <=> 48, the right side one factor A more, equal or one less
        const int k = t.draw(0, 2);
        t.B = 1;
        const int product = t.C * t.A;
        t.taskValue = k == 0 ? product : k == 1 ? (t.C + t.B) * t.A : (t.C - t.B) * t.A;
        t.answer = relationSign(product, t.taskValue);
        appendSpacedNumber(s, t.C);
        appendTimes(s);
        appendSpacedNumber(s, t.A);
        s += u" <=>";
        appendSpacedNumber(s, t.taskValue);
        break;
    }
    default: // " Malaufgaben": 7 · 6 = ?
        t.taskValue = t.A * t.C;
        appendSpacedNumber(s, t.C);
        appendTimes(s);
        appendSpacedNumber(s, t.A);
        s += u" = ?";
        break;
    }
}

} // namespace forms
