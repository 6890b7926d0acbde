#include "scripted_random.h"

#include <QTest>

std::uint64_t ScriptedRandom::Seed()
{
    static const std::uint64_t seed = [] {
        bool ok = false;
        const qulonglong given = qEnvironmentVariable("ZIFTORA_TEST_SEED").toULongLong(&ok);
        const std::uint64_t s = ok ? given : 20261206u;
        qInfo("unscripted draws come from seed %llu (ZIFTORA_TEST_SEED)", static_cast<unsigned long long>(s));
        return s;
    }();
    return seed;
}

ScriptedRandom::ScriptedRandom(bool strict)
    : state_(strict ? 0 : Seed()), strict_(strict)
{
}

double ScriptedRandom::Rnd()
{
    if (!queue_.isEmpty())
        return queue_.takeFirst();
    ++extraDraws_;
    if (strict_) {
        QTest::qFail("unscripted random draw", __FILE__, __LINE__);
        return 0.0;
    }
    // splitmix64, so the same seed gives the same draws on every machine.
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return double(z >> 11) / double(1ull << 53);
}
