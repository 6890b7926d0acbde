#pragma once

#include <QDateTime>

// The local date and time, for what the program dates (the days of a child's practice, the age of
// a lock on a shared folder). Rules never read the system clock themselves: they are handed a
// Clock, so a test sets and moves the time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

// The computer's own clock.
class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};
