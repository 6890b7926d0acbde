#include "engine/task_forms.h"

#include "engine/number_text.h"

namespace forms {

// Plus draws its own operands: the first number grows with the level, the one added stays 1..9.
void plusSetUp(Task& t)
{
    t.A = t.draw(1, 9);
    t.B = t.draw(1, 9);
    t.C = t.draw(1, 9);
    switch (t.level) {
    case 2:
        t.A = t.draw(1, 90);
        break;
    case 3:
        t.A = t.draw(1, 990);
        break;
    case 4:
        t.A = t.draw(1, 9990);
        break;
    case 5:
        t.A = t.draw(1, 99990);
        break;
    default:
        break;
    }
}

// Types 1..8 of the plus list; any other type gets the first.
void plusForm(Task& t, int type)
{
    QString& s = t.text;
    switch (type) {
    case 2: // " Plus Zehner": 7 + 50 = ?
        t.taskValue = t.A + 10 * t.C;
        appendBareNumber(s, t.A);
        s += u" +";
        appendSpacedNumber(s, 10 * t.C);
        s += u" = ?";
        break;
    case 3: // " Plus Zweistellig": 5 + 37 = ?
        t.A += 10 * t.draw(1, 10);
        [[fallthrough]];
    case 4: // " Ergänze Zehner": 5 + 7 = ?
        t.taskValue = t.A + t.C;
        appendBareNumber(s, t.C);
        s += u" +";
        appendSpacedNumber(s, t.A);
        s += u" = ?";
        break;
    case 5: // " Ergänze Hundert": 7 + ? = 12
        t.taskValue = t.C;
        appendBareNumber(s, t.A);
        s += u" + ? =";
        appendSpacedNumber(s, t.A + t.C);
        break;
    case 6: // " Umkehrungen": ? + 7 = 12
        t.taskValue = t.C;
        s += u"? +";
        appendSpacedNumber(s, t.A);
        s += u" =";
        appendSpacedNumber(s, t.A + t.C);
        break;
    case 7: // " Plusketten": 7 + 3 + 5 = ?
        t.taskValue = t.A + t.B + t.C;
        appendBareNumber(s, t.A);
        s += u" +";
        appendSpacedNumber(s, t.B);
        s += u" +";
        appendSpacedNumber(s, t.C);
        s += u" = ?";
        break;
    case 8: { // " Groß-Klein": 7 + 5 <=> 13; the right side is the sum, one step more or one less
        const int k = t.draw(0, 2);
        t.B = t.level == 4 ? 10 : 1;
        const int sum = t.A + t.C;
        t.taskValue = k == 0 ? sum : k == 1 ? sum + t.B : sum - t.B;
        t.answer = relationSign(sum, t.taskValue);
        appendBareNumber(s, t.A);
        s += u" +";
        appendSpacedNumber(s, t.C);
        s += u" <=>";
        appendSpacedNumber(s, t.taskValue);
        break;
    }
    default: // " Plus Einer": 7 + 5 = ?
        t.taskValue = t.A + t.C;
        appendBareNumber(s, t.A);
        s += u" +";
        appendSpacedNumber(s, t.C);
        s += u" = ?";
        break;
    }
}

} // namespace forms
