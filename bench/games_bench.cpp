// The reward games: one jump of the number catch's digits and one step in the prison, each with
// the repaint of the field; and the memory the process holds before and after 10 000 ticks and
// 10 000 games started from the chooser and ended (it must stay flat). Run offscreen:
//   QT_QPA_PLATFORM=offscreen build/bench/games_bench

#include "app/program.h"
#include "models/error_list.h"
#include "models/training_session.h"
#include "bench_support.h"
#include "games/chooser_window.h"
#include "games/memory_window.h"
#include "games/number_catch_window.h"
#include "games/prison_window.h"
#include "platform/drawing_surface.h"
#include "training/training_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

// A program in a folder of its own with an empty mandatory list, its training window shown.
struct Playground {
    Playground() : old(QDir::currentPath())
    {
        QDir::setCurrent(dir.path());
        QFile(QStringLiteral("ZIFTORA.DAT")).open(QIODevice::WriteOnly);
        program = std::make_unique<Program>(Desktop{ dialogs, quiet.random, quiet.clipboard,
                                                     quiet.timers, quiet.printer, quiet.clock });
        program->start();
    }
    ~Playground()
    {
        program.reset();
        QDir::setCurrent(old);
    }
    // The reward chooser opens and the child clicks a game's button.
    void choose(const char* button)
    {
        program->session().rewardCheck();
        program->rewardChooser().findChild<QPushButton*>(QLatin1String(button))->click();
    }
    QTemporaryDir dir;
    QString old;
    QuietDesktop quiet;
    SilentDialogs dialogs{ true }; // Yes to STOP and ENDE: the game ends at once
    std::unique_ptr<Program> program;
};

// A control of a game window by its name, as the tests find it.
template<typename Control = QAbstractButton>
Control* control(QWidget& window, const char* name)
{
    return window.findChild<Control*>(QLatin1String(name));
}

void BM_NumberCatchTick(benchmark::State& state)
{
    Playground play;
    play.choose("numberCatchButton");
    NumberCatchWindow& numberCatch = play.program->numberCatchWindow();
    QWidget* const field = control<QWidget>(numberCatch, "field");
    for (auto _ : state) {
        if (!numberCatch.isVisible()) { // ten lucky jumps onto the "+" end a game
            state.PauseTiming();
            play.choose("numberCatchButton");
            state.ResumeTiming();
        }
        numberCatch.jump();
        field->repaint();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NumberCatchTick)->Unit(benchmark::kMicrosecond);

void BM_PrisonStep(benchmark::State& state)
{
    Playground play;
    play.choose("prisonButton");
    PrisonWindow& prison = play.program->prisonWindow();
    QAbstractButton* const left = control(prison, "leftArrow");
    QAbstractButton* const right = control(prison, "rightArrow");
    QWidget* const field = control<QWidget>(prison, "field");
    bool toLeft = true;
    for (auto _ : state) { // to and fro in the yard
        (toLeft ? left : right)->click();
        toLeft = !toLeft;
        field->repaint();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PrisonStep)->Unit(benchmark::kMicrosecond);

void reportMemory()
{
    Playground play;
    const char* const buttons[] = { "prisonButton", "numberCatchButton", "memoryButton" };
    NumberCatchWindow& numberCatch = play.program->numberCatchWindow();
    // STOP in the prison, ENDE in the number catch, STOP in Memory
    QAbstractButton* const stops[] = { control(play.program->prisonWindow(), "stopButton"),
                                       control(numberCatch, "endButton"),
                                       control(play.program->memoryWindow(), "stopButton") };
    const auto playGames =
            [&](int count) { // prison, number catch and Memory in turn, each ended at once
                for (int i = 0; i < count; ++i) {
                    play.choose(buttons[i % 3]);
                    stops[i % 3]->click();
                    if (i % 100 == 0)
                        QApplication::processEvents();
                }
                QApplication::processEvents();
                return residentKiB("VmRSS:");
            };
    const auto tick = [&](int count) { // one number catch game after the other
        for (int i = 0; i < count; ++i) {
            if (!numberCatch.isVisible())
                play.choose("numberCatchButton");
            numberCatch.jump();
            if (i % 100 == 0)
                QApplication::processEvents();
        }
        if (numberCatch.isVisible())
            stops[1]->click();
        QApplication::processEvents();
        return residentKiB("VmRSS:");
    };
    // The allocator and the toolkit's caches settle within the first few thousand games.
    const long settled = (playGames(10000), tick(10000));
    const long ticks = tick(10000);
    const long games = playGames(10000);
    std::printf("resident memory after 10 000 games and ticks to settle: %ld KiB; after 10 000 "
                "more number-catch ticks: "
                "%ld KiB; after 10 000 more games started and ended: %ld KiB\n",
                settled, ticks, games);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    std::printf("resident memory at start: %ld KiB\n", residentKiB("VmRSS:"));
    reportMemory();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
