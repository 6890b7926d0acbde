#pragma once

#include "platform/random_source.h"

#include <QList>

#include <cstdint>

// A random source for tests: Rnd() returns the queued values in order. A draw beyond the queue
// fails a strict source's test, else comes from a fixed seed, printed once (ZIFTORA_TEST_SEED),
// never the clock.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(bool strict = false) : state_(strict ? 0 : seed()), strict_(strict) { }

    void push(std::initializer_list<double> values) { queue_.append(QList<double>(values)); }
    // Queues the value that makes Draw(lo, hi) return wanted.
    void pushDraw(int wanted, int lo, int hi)
    {
        push({ (wanted - lo + 0.5) / double(hi - lo + 1) });
    }

    void randomize() override { ++randomizeCount_; }
    double rnd() override;

    int pending() const { return int(queue_.size()); }
    int randomizeCount() const { return randomizeCount_; }
    static std::uint64_t seed();

private:
    QList<double> queue_;
    std::uint64_t state_;
    bool strict_;
    int randomizeCount_ = 0;
};
