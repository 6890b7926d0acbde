#include "scripted_random.h"

#include <QTest>

std::uint64_t ScriptedRandom::seed()
{
    static const qulonglong seed = qEnvironmentVariableIsSet("ZIFTORA_TEST_SEED")
            ? qEnvironmentVariable("ZIFTORA_TEST_SEED").toULongLong()
            : 20261206u;
    static const bool told =
            (qInfo("unscripted draws come from seed %llu (ZIFTORA_TEST_SEED)", seed), true);
    Q_UNUSED(told);
    return seed;
}

ScriptedRandom::ScriptedRandom(bool strict) : state_(strict ? 0 : seed()), strict_(strict) { }

double ScriptedRandom::rnd()
{
    if (!queue_.isEmpty())
        return queue_.takeFirst();
    if (strict_)
        return QTest::qFail("unscripted random draw", __FILE__, __LINE__), 0.0;
    // The program's own generator, so the same seed gives the same draws on every machine.
    return mixedFraction(splitMix64(state_));
}
