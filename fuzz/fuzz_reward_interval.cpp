// The reward interval as a teacher may have typed it into ZIFTORA.INF: any first field must give
// either no value or a whole number in the 16-bit range that the field really spells.
#include "platform/settings_value.h"
#include "platform/text_file.h"

#include <QByteArray>
#include <QLocale>

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString field =
            TextFile::decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const std::optional<qint16> value = parseRewardInterval(field);
    if (!value)
        return 0;
    // A value means the field was a number: the C locale must read it, and rounding moved it by
    // half at most.
    bool ok = false;
    const double read = QLocale::c().toDouble(field.trimmed(), &ok);
    if (!ok || !std::isfinite(read) || std::fabs(read - *value) > 0.5)
        std::abort();
    return 0;
}
