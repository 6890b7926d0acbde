#include "platform/random_source.h"

#include <QDateTime>
#include <QElapsedTimer>

std::uint64_t splitMix64(std::uint64_t& s)
{
    std::uint64_t z = (s += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

ProgramRandom::ProgramRandom()
    : state_(static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()))
{
    randomize();
}

void ProgramRandom::randomize()
{
    // The clock is folded into the running state rather than replacing it: reseeding twice in the
    // same tick moves the state on instead of repeating the last task.
    static QElapsedTimer sinceStart = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    state_ ^= static_cast<std::uint64_t>(sinceStart.nsecsElapsed()) * 0xD6E8FEB86659FD93ull;
    splitMix64(state_);
}

double ProgramRandom::rnd()
{
    return mixedFraction(splitMix64(state_));
}
