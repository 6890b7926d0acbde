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

// A school's working folder: thirty children, a reward interval and an empty mandatory list.
void PrepareFolder(const QString& path)
{
    QFile ini(path + QStringLiteral("/ZIFTORA.INI"));
    ini.open(QIODevice::WriteOnly);
    for (int i = 0; i < 30; ++i)
        ini.write("Kind " + QByteArray::number(i) + "\r\n");
    QFile inf(path + QStringLiteral("/ZIFTORA.INF"));
    inf.open(QIODevice::WriteOnly);
    inf.write("20\r\n");
    QFile dat(path + QStringLiteral("/ZIFTORA.DAT"));
    dat.open(QIODevice::WriteOnly);
}

void BM_StartToFirstTask(benchmark::State& state)
{
    QTemporaryDir dir;
    PrepareFolder(dir.path());
    const QString old = QDir::currentPath();
    QDir::setCurrent(dir.path());
    SilentDialogs dialogs;
    ProgramRandom random;
    for (auto _ : state) {
        auto program = std::make_unique<Program>(dialogs, random);
        program->Start();
        QApplication::processEvents();
        benchmark::DoNotOptimize(program->form1().Bezeichnung1->text().size());
        state.PauseTiming();
        program.reset();
        state.ResumeTiming();
    }
    QDir::setCurrent(old);
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
        QTemporaryDir dir;
        PrepareFolder(dir.path());
        const QString old = QDir::currentPath();
        QDir::setCurrent(dir.path());
        SilentDialogs dialogs;
        ProgramRandom random;
        Program program(dialogs, random);
        program.Start();
        QApplication::processEvents();
        std::printf("first start in a fresh process (toolkit included): %.1f ms\n", cold.nsecsElapsed() / 1e6);
        std::printf("peak resident memory after the first start: %ld KiB\n", ResidentKiB("VmHWM:"));
        QDir::setCurrent(old);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("peak resident memory after all starts: %ld KiB\n", ResidentKiB("VmHWM:"));
    return 0;
}
