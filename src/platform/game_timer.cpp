#include "platform/game_timer.h"

#include <QTimer>

namespace {
class QtGameTimer final : public GameTimer {
public:
    explicit QtGameTimer(std::function<void()> tick)
    {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(1000);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, std::move(tick));
    }
    void setInterval(int milliseconds) override { timer_.setInterval(milliseconds); }
    int interval() const override { return timer_.interval(); }
    void setEnabled(bool enabled) override
    {
        // Enabling a running timer leaves its pace alone, as switching a timer on twice does.
        if (enabled && !timer_.isActive())
            timer_.start();
        else if (!enabled)
            timer_.stop();
    }
    bool enabled() const override { return timer_.isActive(); }

private:
    QTimer timer_;
};
} // namespace

std::unique_ptr<GameTimer> QtTimers::make(std::function<void()> tick)
{
    return std::make_unique<QtGameTimer>(std::move(tick));
}
