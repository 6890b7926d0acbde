#include "engine_rig.h"

#include <QRegularExpression>

#include <optional>

namespace {

// One side of a task, numbers and signs in turn: times and divide before plus and minus, otherwise
// left to right. A division must come out even.
std::optional<qint64> Value(const QStringList& side)
{
    qint64 sum = 0, term = 0, sign = 1;
    for (qsizetype i = 0; i < side.size(); i += 2) {
        bool ok = false;
        const qint64 n = side[i].toLongLong(&ok);
        const QString op = i == 0 ? QStringLiteral("+") : side[i - 1];
        if (!ok || (op == u":" && (n == 0 || term % n != 0)))
            return std::nullopt;
        if (op == u"\u00B7" || op == u":") {
            term = op == u":" ? term / n : term * n;
        } else if (op == u"+" || op == u"-") {
            sum += sign * term;
            sign = op == u"+" ? 1 : -1;
            term = n;
        } else {
            return std::nullopt;
        }
    }
    return side.size() % 2 == 1 ? std::optional(sum + sign * term) : std::nullopt;
}

} // namespace

QString CheckStatement(const QString& text, const QString& answer, QList<qint64>* numbers)
{
    const auto fail = [&](const char* why) {
        return QStringLiteral("%1 [%2 -> %3]").arg(QLatin1String(why), text, answer);
    };
    QStringList words = QString(text).replace(QStringLiteral("<=>"), QStringLiteral(" <=> ")).split(u' ', Qt::SkipEmptyParts);
    for (const QString& w : words)
        if (bool ok = false; numbers && (w.toLongLong(&ok), ok))
            numbers->append(w.toLongLong());
    const qsizetype eq = words.indexOf(QStringLiteral("=")), cmp = words.indexOf(QStringLiteral("<=>"));
    if (words.count(QStringLiteral("=")) + words.count(QStringLiteral("<=>")) != 1)
        return fail("not exactly one relation");
    const qsizetype middle = eq < 0 ? cmp : eq;

    if (cmp >= 0) {
        const auto l = Value(words.first(middle)), r = Value(words.sliced(middle + 1));
        if (!l || !r)
            return fail("malformed comparison");
        return answer == (*l < *r ? u"<" : *l > *r ? u">" : u"=") ? QString() : fail("wrong sign");
    }
    static const QRegularExpression remainder(QStringLiteral("^(\\d+)R(\\d+)$"));
    if (const auto m = remainder.match(answer); m.hasMatch()) {
        if (words.size() != 5 || words[1] != u":" || words[4] != u"?")
            return fail("remainder answer for a task that is no division");
        const qint64 n = words[0].toLongLong(), a = words[2].toLongLong();
        const qint64 q = m.captured(1).toLongLong(), r = m.captured(2).toLongLong();
        if (n != a * q + r || r >= a || (r == 0 && a > 1))
            return fail("wrong remainder answer");
        return {};
    }
    static const QRegularExpression digits(QStringLiteral("^\\d+$"));
    if (!digits.match(answer).hasMatch() || words.count(QStringLiteral("?")) != 1)
        return fail("answer is no plain number, or not exactly one ?");
    words.replace(words.indexOf(QStringLiteral("?")), answer);
    const auto l = Value(words.first(middle)), r = Value(words.sliced(middle + 1));
    if (!l || !r)
        return fail("malformed or uneven");
    return *l == *r ? QString() : fail("false equation");
}
