#include "training/evaluation.h"

#include "engine/number_text.h"

QString EvaluationText(int errorCount, std::int64_t correctCount)
{
    if (correctCount == 0)
        return QStringLiteral("Du hast noch keine richtige Lösung!");

    // Multiplying first keeps whole percentages exact (29 errors in 100 answers are 29 %, not
    // 28.999...).
    const double p = double(errorCount) * 100.0 / double(correctCount);
    QString praise;
    if (p >= 70)
        praise = QStringLiteral("Du machst zu viele Fehler!");
    else if (p >= 60)
        praise = QStringLiteral("Du musst viel mehr üben!");
    else if (p >= 50)
        praise = QStringLiteral("Du musst noch etwas üben!");
    else if (p >= 40)
        praise = QStringLiteral("Das geht gerade noch so!");
    else if (p >= 30)
        praise = QStringLiteral("Schon recht ordentlich!");
    else if (p >= 20)
        praise = QStringLiteral("Das klappt schon fast gut!");
    else if (p >= 10)
        praise = QStringLiteral("Das hast du gut gemacht!");
    else if (p >= 5)
        praise = QStringLiteral("Das hast du prima gemacht!");
    else
        praise = QStringLiteral("Das ist einfach Spitze!");

    // p is at most 32767 * 100, so the whole part always fits.
    return QStringLiteral("Du hast") + S(int(p)) + QStringLiteral("% Fehler:") + QStringLiteral("\n\r\n\r") + praise;
}
