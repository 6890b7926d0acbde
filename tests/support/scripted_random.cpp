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
    // splitmix64, so the same seed gives the same draws on every machine.
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return double(z >> 11) / double(1ull << 53);
}
