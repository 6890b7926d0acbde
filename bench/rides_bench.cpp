// The timed rides: one car-ride tick with its repaint, the pace of the real 30 ms tick, and the
// memory the process holds over many ticks and rides. Run offscreen:
//   QT_QPA_PLATFORM=offscreen build/bench/rides_bench
// The pace measurement waits for 2 000 real ticks (about a minute).

#include "bench_support.h"
#include "games/car_ride_window.h"
#include "games/homeward_ride_window.h"
#include "platform/game_timer.h"
#include "platform/drawing_surface.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <vector>

// Every allocation of the process is counted, so a tick can show that it allocates nothing.
static std::atomic<long> allocations{ 0 };
static std::atomic<long> releases{ 0 };

void* operator new(std::size_t size)
{
    ++allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept
{
    releases += p != nullptr;
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    releases += p != nullptr;
    std::free(p);
}

namespace {

// A button of a ride's window by its name, clicked as the mouse does.
void click(QWidget& window, const char* button)
{
    window.findChild<QPushButton*>(QLatin1String(button))->click();
}

// Keeps the car in the middle of the road, so that a ride only ends when it is won.
void keepOnRoad(CarRideWindow& window)
{
    CarRide& ride = window.ride();
    ride.carLeft = ride.roadLeft + ride.roadWidth / 2 - 250;
}

// "Ende", then the car ride chosen again and "Start", as a child would.
void rideAgain(CarRideWindow& window)
{
    click(window, "endButton");
    window.startCarRide();
    click(window, "startButton");
}

// A ride that has ended (won) starts again.
void keepRiding(CarRideWindow& window)
{
    if (!window.ride().riding())
        rideAgain(window);
}

// Timers that never tick by themselves: the benchmark calls the ticks.
class HandTimers final : public Timers {
    class Timer final : public GameTimer {
    public:
        void setInterval(int milliseconds) override { interval_ = milliseconds; }
        int interval() const override { return interval_; }
        void setEnabled(bool enabled) override { enabled_ = enabled; }
        bool enabled() const override { return enabled_; }

    private:
        int interval_ = 1000;
        bool enabled_ = false;
    };

public:
    std::unique_ptr<GameTimer> make(std::function<void()>) override
    {
        return std::make_unique<Timer>();
    }
};

struct RunningCarRide {
    RunningCarRide() : window(quiet.dialogs, quiet.random, timers)
    {
        window.startCarRide();
        click(window, "startButton");
        QApplication::processEvents();
    }
    QuietDesktop quiet;
    HandTimers timers;
    CarRideWindow window;
};

// One tick as the timer gives it, without and with the repaint of what moved.
void BM_CarRideTick(benchmark::State& state)
{
    RunningCarRide ride;
    CarRideWindow& window = ride.window;
    long allocated = 0, ticks = 0;
    for (auto _ : state) {
        state.PauseTiming();
        keepOnRoad(window);
        keepRiding(window);
        QApplication::processEvents();
        const long before = allocations;
        state.ResumeTiming();
        window.ride().tick();
        if (state.range(0))
            QApplication::processEvents(); // the repaint
        state.PauseTiming();
        allocated += allocations - before;
        ++ticks;
        state.ResumeTiming();
    }
    state.counters["allocations/tick"] = double(allocated) / double(std::max(1L, ticks));
}
BENCHMARK(BM_CarRideTick)->Arg(0)->Arg(1)->ArgName("repaint")->Unit(benchmark::kMicrosecond);

// Timers whose ticks are stamped with the time they came.
class StampingTimers final : public Timers {
public:
    std::unique_ptr<GameTimer> make(std::function<void()> tick) override
    {
        return real.make([this, tick = std::move(tick)] {
            stamps.push_back(clock.nsecsElapsed());
            tick();
            if (afterTick)
                afterTick();
        });
    }
    QtTimers real;
    QElapsedTimer clock;
    std::vector<qint64> stamps;
    std::function<void()> afterTick;
};

// The real 30 ms timer over 2 000 ticks of a running car ride: how far each interval lies from 30
// ms.
void BM_RealTickPace(benchmark::State& state)
{
    constexpr int Ticks = 2000;
    for (auto _ : state) {
        QuietDesktop quiet;
        StampingTimers timers;
        timers.stamps.reserve(Ticks + 10);
        CarRideWindow window(quiet.dialogs, quiet.random, timers);
        timers.afterTick = [&window] {
            keepOnRoad(window);
            if (!window.ride().riding()) // won: straight on with a new ride
                rideAgain(window);
        };
        window.startCarRide();
        timers.clock.start();
        click(window, "startButton");
        while (timers.stamps.size() < size_t(Ticks) + 1)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        window.ride().stop();
        std::vector<double> late; // ms away from 30 per interval
        for (size_t i = 1; i < timers.stamps.size(); ++i)
            late.push_back((timers.stamps[i] - timers.stamps[i - 1]) / 1e6 - CarRide::TickInterval);
        double sum = 0, squares = 0;
        for (double d : late)
            sum += d, squares += d * d;
        std::sort(late.begin(), late.end(),
                  [](double a, double b) { return std::abs(a) < std::abs(b); });
        state.counters["mean_interval_ms"] = CarRide::TickInterval + sum / double(late.size());
        state.counters["jitter_rms_ms"] = std::sqrt(squares / double(late.size()));
        state.counters["jitter_p99_ms"] = std::abs(late[late.size() * 99 / 100]);
        state.counters["jitter_max_ms"] = std::abs(late.back());
        state.counters["total_s"] = (timers.stamps.back() - timers.stamps.front()) / 1e9;
    }
}
BENCHMARK(BM_RealTickPace)->Iterations(1)->Unit(benchmark::kSecond);

// Resident memory before and after 10 000 car-ride ticks, 1 000 car rides and 1 000 homeward
// rides (set up, 20 nails shown, two moves, "Ende"), with the events of each handled as the event
// loop would: it should stay flat. The blocks still allocated tell a leak from the allocator's
// keeping of freed memory.
void BM_MemoryOverRides(benchmark::State& state)
{
    for (auto _ : state) {
        RunningCarRide ride;
        CarRideWindow& window = ride.window;
        QuietDesktop quiet;
        HandTimers timers;
        HomewardRideWindow home(quiet.dialogs, quiet.random, timers);
        const auto homewardRides = [&home](int rides) {
            for (int i = 0; i < rides; ++i) {
                home.show();
                home.startHomewardRide();
                for (int k = 0; k < 20; ++k)
                    home.ride().showNextNail();
                click(home, "rightButton");
                click(home, "downButton");
                click(home, "endButton");
                QApplication::processEvents();
            }
        };
        const auto carRides = [&window](int ticks, int rides) {
            for (int i = 0; i < ticks; ++i) {
                keepOnRoad(window);
                keepRiding(window);
                window.ride().tick();
                QApplication::processEvents();
            }
            for (int i = 0; i < rides; ++i) {
                rideAgain(window);
                QApplication::processEvents();
            }
        };
        // Warm up: the first of everything (fonts, pictures, caches) is not what is measured.
        carRides(500, 50);
        homewardRides(50);
        const long before = residentKiB("VmRSS:"), blocksBefore = allocations - releases;
        carRides(10000, 1000);
        homewardRides(1000);
        const long after = residentKiB("VmRSS:"), blocksAfter = allocations - releases;
        state.counters["rss_before_KiB"] = double(before);
        state.counters["rss_after_KiB"] = double(after);
        state.counters["rss_growth_KiB"] = double(after - before);
        state.counters["blocks_growth"] = double(blocksAfter - blocksBefore);
    }
}
BENCHMARK(BM_MemoryOverRides)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // The offscreen desktop cannot raise a window and says so at every showing.
    static const QtMessageHandler standard = qInstallMessageHandler(nullptr);
    qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
                if (!message.contains(QLatin1String("does not support raise()")))
                    standard(type, context, message);
            });
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
