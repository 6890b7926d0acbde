#include "engine_rig.h"

#include <QRegularExpression>

#include <optional>

namespace {

struct Token {
    enum Kind { Number, Unknown, Operator, Equals, Compare } kind;
    long long value = 0;
    QChar op;
};

std::optional<QList<Token>> Tokenize(const QString& text)
{
    QList<Token> tokens;
    for (qsizetype i = 0; i < text.size();) {
        const QChar ch = text[i];
        const bool negative = ch == u'-' && i + 1 < text.size() && text[i + 1].isDigit();
        if (ch == u' ') {
            ++i;
        } else if (ch.isDigit() || negative) {
            qsizetype j = i + 1;
            while (j < text.size() && text[j].isDigit())
                ++j;
            tokens.append({Token::Number, text.mid(i, j - i).toLongLong(), {}});
            i = j;
        } else if (text.mid(i, 3) == u"<=>") {
            tokens.append({Token::Compare, 0, {}});
            i += 3;
        } else if (ch == u'?' || ch == u'=') {
            tokens.append({ch == u'?' ? Token::Unknown : Token::Equals, 0, {}});
            ++i;
        } else if (ch == u'+' || ch == u'-' || ch == u':' || ch == QChar(0x00B7)) {
            tokens.append({Token::Operator, 0, ch});
            ++i;
        } else {
            return std::nullopt;
        }
    }
    return tokens;
}

// Times and divide before plus and minus, otherwise left to right; a division must come out even.
std::optional<long long> Evaluate(const QList<Token>& side, std::optional<long long> unknown)
{
    auto operand = [&](qsizetype i) -> std::optional<long long> {
        if (i >= side.size())
            return std::nullopt;
        if (side[i].kind == Token::Number)
            return side[i].value;
        if (side[i].kind == Token::Unknown)
            return unknown;
        return std::nullopt;
    };
    std::optional<long long> term = operand(0);
    long long total = 0;
    int sign = 1;
    for (qsizetype i = 1; term && i < side.size(); i += 2) {
        const std::optional<long long> next = operand(i + 1);
        if (side[i].kind != Token::Operator || !next)
            return std::nullopt;
        const QChar op = side[i].op;
        if (op == QChar(0x00B7)) {
            *term *= *next;
        } else if (op == u':') {
            if (*next == 0 || *term % *next != 0)
                return std::nullopt;
            *term /= *next;
        } else {
            total += sign * *term;
            sign = op == u'+' ? 1 : -1;
            term = next;
        }
    }
    if (!term)
        return std::nullopt;
    return total + sign * *term;
}

} // namespace

QString CheckStatement(const QString& text, const QString& answer, QList<int>* numbers)
{
    const auto fail = [&](const char* why) {
        return QStringLiteral("%1 [%2 -> %3]").arg(QLatin1String(why), text, answer);
    };
    const std::optional<QList<Token>> tokens = Tokenize(text);
    if (!tokens)
        return fail("unreadable text");

    qsizetype middle = -1;
    int unknowns = 0;
    for (qsizetype i = 0; i < tokens->size(); ++i) {
        const Token& t = tokens->at(i);
        if (t.kind == Token::Equals || t.kind == Token::Compare) {
            if (middle >= 0)
                return fail("two relations");
            middle = i;
        }
        unknowns += t.kind == Token::Unknown;
        if (t.kind == Token::Number && numbers)
            numbers->append(int(t.value));
    }
    if (middle < 0)
        return fail("no relation");
    const QList<Token> left = tokens->first(middle);
    const QList<Token> right = tokens->sliced(middle + 1);

    if (tokens->at(middle).kind == Token::Compare) {
        const auto l = Evaluate(left, std::nullopt);
        const auto r = Evaluate(right, std::nullopt);
        if (unknowns != 0 || !l || !r)
            return fail("malformed comparison");
        const QString sign = *l < *r ? QStringLiteral("<") : *l > *r ? QStringLiteral(">") : QStringLiteral("=");
        return answer == sign ? QString() : fail("wrong sign");
    }

    static const QRegularExpression remainder(QStringLiteral("^(\\d+)R(\\d+)$"));
    if (const auto m = remainder.match(answer); m.hasMatch()) {
        if (left.size() != 3 || left[1].op != u':' || right.size() != 1 || right[0].kind != Token::Unknown)
            return fail("remainder answer for a task that is no division");
        const long long n = left[0].value, a = left[2].value;
        const long long q = m.captured(1).toLongLong(), r = m.captured(2).toLongLong();
        if (n != a * q + r || r >= a || (r == 0 && a > 1))
            return fail("wrong remainder answer");
        return {};
    }

    static const QRegularExpression digits(QStringLiteral("^\\d+$"));
    if (!digits.match(answer).hasMatch() || unknowns != 1)
        return fail("answer is no plain number, or not exactly one ?");
    const auto l = Evaluate(left, answer.toLongLong());
    const auto r = Evaluate(right, answer.toLongLong());
    if (!l || !r)
        return fail("malformed or uneven");
    return *l == *r ? QString() : fail("false equation");
}
