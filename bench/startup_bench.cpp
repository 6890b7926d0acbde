// Start-up of the program: the time from building the program object to the training window
// shown with its first task, and the memory the process holds afterwards. Run offscreen:
//   QT_QPA_PLATFORM=offscreen build/bench/startup_bench
// With --against-bare-window N it instead starts itself 2 N times as a fresh process, in turn
// showing the program's first task and a bare window, and prints both medians and their ratio: what
// a child waits for against what any windowed program costs.

#include "platform/dialogs.h"
#include "platform/random_source.h"
#include "app/program.h"
#include "models/error_list.h"
#include "models/training_session.h"
#include "bench_support.h"
#include "training/training_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

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
        benchmark::DoNotOptimize(program->session().taskText().size());
        state.PauseTiming();
        program.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartToFirstTask)->Unit(benchmark::kMillisecond);

// One fresh process up to its first shown window: the program with its first task, or a bare
// window. Returns the process's exit code.
int showFirstWindow(int argc, char** argv, bool program)
{
    QApplication app(argc, argv);
    if (program) {
        QuietDesktop quiet; // in the school folder the comparison made current
        Program ziftora(quiet.desktop());
        ziftora.start();
        QApplication::processEvents();
        return ziftora.session().taskText().isEmpty() ? 1 : 0;
    }
    QWidget window;
    window.show();
    QApplication::processEvents();
    return window.isVisible() ? 0 : 1;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Starts this benchmark as a fresh process rounds times for each kind, in turn, and prints the
// medians of the wall time from the start to the process's end.
int compareWithBareWindow(const char* self, int rounds)
{
    std::vector<double> program, bare;
    for (int i = 0; i < 2 * rounds; ++i) {
        const bool isProgram = i % 2 == 0;
        QElapsedTimer clock;
        clock.start();
        const int code = QProcess::execute(
                QString::fromLocal8Bit(self),
                { isProgram ? QStringLiteral("--first-task") : QStringLiteral("--bare-window") });
        const double ms = clock.nsecsElapsed() / 1e6;
        if (code != 0) {
            std::fprintf(stderr, "a start failed (exit code %d)\n", code);
            return 1;
        }
        (isProgram ? program : bare).push_back(ms);
    }
    std::printf("fresh process to first task: %.1f ms, to a bare window: %.1f ms, ratio %.3f "
                "(medians of %d starts each, interleaved)\n",
                median(program), median(bare), median(program) / median(bare), rounds);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--first-task") == 0)
        return showFirstWindow(argc, argv, true);
    if (argc == 2 && std::strcmp(argv[1], "--bare-window") == 0)
        return showFirstWindow(argc, argv, false);
    if (argc == 3 && std::strcmp(argv[1], "--against-bare-window") == 0) {
        QCoreApplication app(argc, argv);
        return compareWithBareWindow(argv[0], std::max(1, std::atoi(argv[2])));
    }
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
