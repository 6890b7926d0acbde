#include "platform/settings_value.h"

#include <QLocale>

#include <cmath>
#include <limits>

std::optional<qint16> parseRewardInterval(const QString& firstField)
{
    const QString text = firstField.trimmed();
    if (text.isEmpty())
        return std::nullopt;

    // The C locale: a decimal point and no thousands separators, whatever the desktop's language.
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = c.toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    // Far outside the range: rejected before rounding so the arithmetic below stays exact.
    if (std::fabs(value) > 1e6)
        return std::nullopt;

    double rounded = std::floor(value + 0.5);
    if (rounded - value == 0.5 && std::fmod(rounded, 2.0) != 0.0)
        rounded -= 1.0; // exactly halfway: the even neighbour
    if (rounded < std::numeric_limits<qint16>::min()
        || rounded > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(rounded);
}
