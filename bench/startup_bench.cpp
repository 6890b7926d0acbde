// Start-up of the program: the time from building the program object to the training window
// shown with its first task, and the memory the process holds afterwards. Run offscreen:
//   QT_QPA_PLATFORM=offscreen build/bench/startup_bench

#include "platform/dialogs.h"
#include "platform/random_source.h"
#include "app/program.h"
#include "bench_support.h"
#include "training/training_window.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

// A school's working folder, made current while it lives: thirty children, a reward interval and
// an empty mandatory list; and the dialogs and random source a program there gets.
struct SchoolFolder {
    SchoolFolder() : old(QDir::currentPath())
    {
        QFile ini(dir.filePath(QStringLiteral("ZIFTORA.INI")));
        ini.open(QIODevice::WriteOnly);
        for (int i = 0; i < 30; ++i)
            ini.write("Kind " + QByteArray::number(i) + "\r\n");
        QFile inf(dir.filePath(QStringLiteral("ZIFTORA.INF")));
        inf.open(QIODevice::WriteOnly);
        inf.write("20\r\n");
        QFile dat(dir.filePath(QStringLiteral("ZIFTORA.DAT")));
        dat.open(QIODevice::WriteOnly);
        QDir::setCurrent(dir.path());
    }
    ~SchoolFolder() { QDir::setCurrent(old); }
    QTemporaryDir dir;
    QString old;
    QuietDesktop quiet;
};

void BM_StartToFirstTask(benchmark::State& state)
{
    SchoolFolder folder;
    for (auto _ : state) {
        auto program = std::make_unique<Program>(folder.quiet.desktop());
        program->start();
        QApplication::processEvents();
        benchmark::DoNotOptimize(program->trainingWindow().taskText().size());
        state.PauseTiming();
        program.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartToFirstTask)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QElapsedTimer cold;
    cold.start();
    QApplication app(argc, argv);
    {
        // The very first start in a fresh process, with the toolkit's own start included.
        SchoolFolder folder;
        Program program(folder.quiet.desktop());
        program.start();
        QApplication::processEvents();
        std::printf("first start in a fresh process (toolkit included): %.1f ms\n",
                    cold.nsecsElapsed() / 1e6);
        std::printf("peak resident memory after the first start: %ld KiB\n", residentKiB("VmHWM:"));
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("peak resident memory after all starts: %ld KiB\n", residentKiB("VmHWM:"));
    return 0;
}
