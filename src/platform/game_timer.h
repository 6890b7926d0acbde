#pragma once

#include <functional>
#include <memory>

// The timers of the games: an interval in milliseconds and an enabled switch; a tick runs on the
// window thread between other events. Windows get their timers from a Timers source, so the
// program hands in real ones and tests tick a game by hand.
class GameTimer {
public:
    virtual ~GameTimer() = default;
    virtual void setInterval(int milliseconds) = 0;
    virtual int interval() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool enabled() const = 0;
};

class Timers {
public:
    virtual ~Timers() = default;
    // A new timer, disabled, interval 1000 ms; tick runs on every tick while it is enabled.
    virtual std::unique_ptr<GameTimer> make(std::function<void()> tick) = 0;
};

// Real timers, precise to the millisecond (the car ride ticks every 30 ms).
class QtTimers final : public Timers {
public:
    std::unique_ptr<GameTimer> make(std::function<void()> tick) override;
};
