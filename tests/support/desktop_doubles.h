#pragma once

// Doubles of the clipboard, the printer and the timers: the clipboard keeps every text put on it,
// the printer every job sent to it, and a timer ticks only when the test says so.

#include "platform/clipboard.h"
#include "platform/game_timer.h"
#include "platform/print_job.h"

#include <QList>
#include <QStringList>

class RecordingClipboard final : public Clipboard {
public:
    void setText(const QString& text) override { texts.append(text); }
    QStringList texts;
};

class RecordingPrinter final : public Printer {
public:
    void print(const PrintJob& job) override { jobs.append(job); }
    QList<PrintJob> jobs;
};

class ManualTimer final : public GameTimer {
public:
    explicit ManualTimer(std::function<void()> tick) : tick_(std::move(tick)) { }
    void setInterval(int milliseconds) override { interval_ = milliseconds; }
    int interval() const override { return interval_; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    bool enabled() const override { return enabled_; }
    // One tick, as the desktop would give it: nothing happens while the timer is off.
    bool tick()
    {
        if (enabled_)
            tick_();
        return enabled_;
    }

private:
    std::function<void()> tick_;
    int interval_ = 1000;
    bool enabled_ = false;
};

// Hands out manual timers and keeps them in the order they were made.
class ManualTimers final : public Timers {
public:
    std::unique_ptr<GameTimer> make(std::function<void()> tick) override
    {
        auto timer = std::make_unique<ManualTimer>(std::move(tick));
        made.append(timer.get());
        return timer;
    }
    QList<ManualTimer*> made;
};
