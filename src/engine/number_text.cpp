#include "engine/number_text.h"

void appendD(QString& out, int x)
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

void appendS(QString& out, int x)
{
    out += QChar(x < 0 ? u'-' : u' ');
    appendD(out, x);
}

QString S(int x)
{
    QString text;
    appendS(text, x);
    return text;
}

QString D(int x)
{
    QString text;
    appendD(text, x);
    return text;
}
