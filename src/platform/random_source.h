#pragma once

#include <cstdint>

// The one source of chance in the program. Randomize() is called at start and before every task;
// Rnd() gives a value in [0, 1). Draw(lo, hi) is the whole number lo + Int(Rnd * (hi - lo + 1)).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void randomize() = 0;
    virtual double rnd() = 0;

    int draw(int lo, int hi)
    {
        int n = static_cast<int>(rnd() * (hi - lo + 1));
        if (n > hi - lo) // a source that returns 1.0 or more still stays inside the range
            n = hi - lo;
        if (n < 0)
            n = 0;
        return lo + n;
    }
};

// One step of splitmix64 on `state`: a small, well-mixed generator, the same on every machine and
// enough for drawing children's tasks. mixedFraction turns a step into a value in [0, 1).
std::uint64_t splitMix64(std::uint64_t& state);
inline double mixedFraction(std::uint64_t step)
{
    return static_cast<double>(step >> 11) * (1.0 / 9007199254740992.0);
}

// The program's source: a 64-bit generator whose state is stirred with the clock on every
// Randomize(), so two reseeds within one clock tick still give different numbers.
class ProgramRandom final : public RandomSource {
public:
    ProgramRandom();
    void randomize() override;
    double rnd() override;

private:
    std::uint64_t state_;
};
