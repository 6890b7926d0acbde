#pragma once

#include "platform/random_source.h"

#include <QList>
#include <QtGlobal>

#include <cstdint>

// A random source for tests: Rnd() returns the queued values in order. A draw beyond the queue
// fails the test when the source is strict; otherwise it comes from a fixed seed (printed once, so
// a failing run can be repeated; ZIFTORA_TEST_SEED chooses another), never from the clock.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(bool strict = false);

    void Push(double value) { queue_.append(value); }
    void Push(std::initializer_list<double> values)
    {
        for (double v : values)
            queue_.append(v);
    }
    // Queues the value that makes Draw(lo, hi) return wanted.
    void PushDraw(int wanted, int lo, int hi) { Push((wanted - lo + 0.5) / double(hi - lo + 1)); }

    void Randomize() override { ++randomizeCount_; }
    double Rnd() override;

    int Pending() const { return int(queue_.size()); }
    int ExtraDraws() const { return extraDraws_; }
    int RandomizeCount() const { return randomizeCount_; }
    static std::uint64_t Seed();

private:
    QList<double> queue_;
    std::uint64_t state_;
    bool strict_;
    int extraDraws_ = 0;
    int randomizeCount_ = 0;
};
