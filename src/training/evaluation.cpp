#include "training/evaluation.h"

#include "engine/number_text.h"

QString evaluationText(int errorCount, std::int64_t correctCount)
{
    if (correctCount == 0)
        return QStringLiteral("Du hast noch keine richtige Lösung!");

    // Multiplying first keeps whole percentages exact (29 errors in 100 answers are 29 %, not
    // 28.999...).
    const double p = double(errorCount) * 100.0 / double(correctCount);
    // The word for the first threshold the percentage reaches, from the top.
    static const struct {
        double from;
        const char* praise;
    } ladder[] = {
        { 70, "Du machst zu viele Fehler!" }, { 60, "Du musst viel mehr üben!" },
        { 50, "Du musst noch etwas üben!" },  { 40, "Das geht gerade noch so!" },
        { 30, "Schon recht ordentlich!" },    { 20, "Das klappt schon fast gut!" },
        { 10, "Das hast du gut gemacht!" },   { 5, "Das hast du prima gemacht!" },
        { -1, "Das ist einfach Spitze!" },
    };
    const auto* step = ladder;
    while (p < step->from)
        ++step;
    const QString praise = QString::fromUtf8(step->praise);

    // p is at most 32767 * 100, so the whole part always fits.
    return QStringLiteral("Du hast") + spacedNumber(int(p)) + QStringLiteral("% Fehler:")
            + QStringLiteral("\n\r\n\r") + praise;
}
