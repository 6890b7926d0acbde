#include "scripted_random.h"

#include <QTest>

std::uint64_t ScriptedRandom::seed()
{
    static const qulonglong seed =
            qEnvironmentVariable("ZIFTORA_TEST_SEED", QStringLiteral("20261206")).toULongLong();
    static const bool told =
            (qInfo("unscripted draws come from seed %llu (ZIFTORA_TEST_SEED)", seed), true);
    Q_UNUSED(told);
    return seed;
}

double ScriptedRandom::rnd()
{
    if (!queue_.isEmpty())
        return queue_.takeFirst();
    if (strict_)
        QTest::qFail("unscripted random draw", __FILE__, __LINE__);
    // The program's own generator, so the same seed gives the same draws on every machine.
    return strict_ ? 0.0 : mixedFraction(splitMix64(state_));
}
