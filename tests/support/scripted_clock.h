#pragma once

#include "platform/clock.h"

// A clock that stands still until the test moves it. It starts at a fixed local time, a Monday
// morning, so a test that does not set it still gets the same day every run.
class ScriptedClock final : public Clock {
public:
    QDateTime Now() const override { return now; }
    void Set(const QDateTime& time) { now = time; }
    void Advance(qint64 milliseconds) { now = now.addMSecs(milliseconds); }

    QDateTime now{ QDate(2026, 11, 30), QTime(8, 0) };
};
