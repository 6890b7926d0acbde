#pragma once

#include "platform/clock.h"

// A clock that stands still until the test moves it. It starts at a fixed local time, a Monday
// morning, so a test that does not set it still gets the same day every run.
class ScriptedClock final : public Clock {
public:
    QDateTime now() const override { return time_; }
    void set(const QDateTime& time) { time_ = time; }
    void advance(qint64 milliseconds) { time_ = time_.addMSecs(milliseconds); }

private:
    QDateTime time_{ QDate(2026, 11, 30), QTime(8, 0) };
};
