#include "engine/number_text.h"

void appendBareNumber(QString& out, int x)
{
    char16_t digits[10];
    int n = 0;
    unsigned v = x < 0 ? 0u - static_cast<unsigned>(x) : static_cast<unsigned>(x);
    do {
        digits[9 - n++] = static_cast<char16_t>(u'0' + v % 10);
        v /= 10;
    } while (v != 0);
    out.append(QStringView(digits + 10 - n, n));
}

void appendSpacedNumber(QString& out, int x)
{
    out += QChar(x < 0 ? u'-' : u' ');
    appendBareNumber(out, x);
}

QString spacedNumber(int x)
{
    QString text;
    appendSpacedNumber(text, x);
    return text;
}

QString bareNumber(int x)
{
    QString text;
    appendBareNumber(text, x);
    return text;
}
