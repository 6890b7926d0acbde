#include "models/checked_answer.h"

#include <QList>

namespace {

// A task text as numbers, signs and "?": blanks dropped, anything else kept as a part of its own
// so that it breaks every pattern.
struct Part {
    enum Kind { Number, Unknown, Sign, Equals, Other } kind;
    qint64 value = 0; // a number's value, or a sign's operation
};

constexpr int MaxDigits = 9; // larger numbers are never a fact and would only overflow

std::optional<Operation> signOperation(QChar c)
{
    switch (c.unicode()) {
    case u'+':
        return Operation::Plus;
    case u'-':
    case u'\u2013': // the dash a word processor puts for "-"
        return Operation::Minus;
    case u'\u00B7':
    case u'\u00D7':
    case u'*':
    case u'x':
    case u'X':
        return Operation::Times;
    case u':':
    case u'\u00F7':
    case u'/':
        return Operation::Divide;
    default:
        return std::nullopt;
    }
}

QList<Part> partsOf(QStringView text)
{
    QList<Part> parts;
    bool afterOperand = false; // the last part read was a number, "?" or ")"
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u' ' || c == u'\t')
            continue;
        if (c >= u'0' && c <= u'9') {
            qint64 value = 0;
            int digits = 0;
            for (; i < text.size() && text.at(i) >= u'0' && text.at(i) <= u'9'; ++i)
                if (++digits <= MaxDigits)
                    value = value * 10 + (text.at(i).unicode() - u'0');
            --i;
            parts.append(Part{ digits <= MaxDigits ? Part::Number : Part::Other, value });
            afterOperand = true;
            continue;
        }
        const std::optional<Operation> sign = signOperation(c);
        if (sign && afterOperand)
            parts.append(Part{ Part::Sign, qint64(*sign) });
        else if (c == u'?')
            parts.append(Part{ Part::Unknown });
        else if (c == u'=')
            parts.append(Part{ Part::Equals });
        else
            parts.append(Part{ Part::Other });
        afterOperand = c == u'?' || c == u')';
    }
    return parts;
}

} // namespace

std::optional<Operation> operationOfTaskText(QStringView text)
{
    std::optional<Operation> additive;
    for (const Part& part : partsOf(text)) {
        if (part.kind != Part::Sign)
            continue;
        const auto operation = Operation(part.value);
        if (operation == Operation::Times || operation == Operation::Divide)
            return operation;
        if (!additive)
            additive = operation;
    }
    return additive;
}

std::optional<TimesFact> smallTimesFact(QStringView taskText, QStringView expectedAnswer)
{
    if (expectedAnswer.contains(u'R'))
        return std::nullopt;
    const QList<Part> p = partsOf(taskText);
    if (p.size() != 5 || p[1].kind != Part::Sign || p[3].kind != Part::Equals)
        return std::nullopt;
    const auto operation = Operation(p[1].value);
    if (operation != Operation::Times && operation != Operation::Divide)
        return std::nullopt;
    // x op y = z with exactly one of them unknown.
    const Part& x = p[0];
    const Part& y = p[2];
    const Part& z = p[4];
    int unknowns = 0;
    for (const Part* part : { &x, &y, &z }) {
        if (part->kind == Part::Unknown)
            ++unknowns;
        else if (part->kind != Part::Number)
            return std::nullopt;
    }
    if (unknowns != 1)
        return std::nullopt;
    // The missing number, when it is a whole number: `whole / part`.
    const auto quotient = [](qint64 whole, qint64 part) -> std::optional<qint64> {
        if (part == 0 || whole % part != 0)
            return std::nullopt;
        return whole / part;
    };
    std::optional<qint64> a, b;
    if (operation == Operation::Times) { // a · b = product
        if (z.kind == Part::Unknown)
            a = x.value, b = y.value;
        else if (y.kind == Part::Unknown)
            a = x.value, b = quotient(z.value, x.value);
        else
            a = quotient(z.value, y.value), b = y.value;
    } else { // dividend : divisor = quotient, the fact quotient · divisor
        if (z.kind == Part::Unknown)
            a = quotient(x.value, y.value), b = y.value;
        else if (y.kind == Part::Unknown)
            a = z.value, b = quotient(x.value, z.value);
        else
            a = z.value, b = y.value;
    }
    const auto small = [](const std::optional<qint64>& n) { return n && *n >= 1 && *n <= 10; };
    if (!small(a) || !small(b))
        return std::nullopt;
    return TimesFact{ int(*a), int(*b) };
}
