#pragma once

#include "platform/random_source.h"

#include <QList>

// A random source for tests: Rnd() returns the queued values in order. Once the queue is empty it
// counts the extra draws (a test checks Exhausted() to see that its script was long enough) and
// falls back to a real generator so the program keeps running.
class ScriptedRandom final : public RandomSource {
public:
    void Push(double value) { queue_.append(value); }
    void Push(std::initializer_list<double> values)
    {
        for (double v : values)
            queue_.append(v);
    }
    // Queues the value that makes Draw(lo, hi) return wanted.
    void PushDraw(int wanted, int lo, int hi) { Push((wanted - lo + 0.5) / double(hi - lo + 1)); }

    void Randomize() override { ++randomizeCount_; }
    double Rnd() override
    {
        if (!queue_.isEmpty())
            return queue_.takeFirst();
        ++extraDraws_;
        return fallback_.Rnd();
    }

    int Pending() const { return int(queue_.size()); }
    int ExtraDraws() const { return extraDraws_; }
    int RandomizeCount() const { return randomizeCount_; }

private:
    QList<double> queue_;
    ProgramRandom fallback_;
    int extraDraws_ = 0;
    int randomizeCount_ = 0;
};
