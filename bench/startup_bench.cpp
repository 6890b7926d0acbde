// Start-up of the program: the time from building the program object to the training window
// shown with its first task, and the memory the process holds afterwards. Run offscreen:
//   QT_QPA_PLATFORM=offscreen build/bench/startup_bench
// With --against-bare-window N it instead starts itself 3 N times as a fresh process, in turn
// showing the program's first task, a bare window and a window with a line of text, and prints the
// medians and their ratios: what a child waits for against what any windowed program costs.

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

// What a fresh process shows before it ends: the program's first task, a bare window, or a window
// with one line of text (which, unlike the bare one, loads the font database as every program with
// text does).
enum class FirstWindow { Program, Bare, Text };

int showFirstWindow(int argc, char** argv, FirstWindow kind)
{
    QApplication app(argc, argv);
    if (kind == FirstWindow::Program) {
        QuietDesktop quiet; // in the school folder the comparison made current
        Program ziftora(quiet.desktop());
        ziftora.start();
        QApplication::processEvents();
        return ziftora.session().taskText().isEmpty() ? 1 : 0;
    }
    QLabel window(kind == FirstWindow::Text ? QStringLiteral("3 + 4 = ?") : QString());
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
int compareWithBareWindow(int rounds)
{
    const QString self = QCoreApplication::applicationFilePath(); // before the folder changes
    const SchoolFolder folder;
    const QStringList modes{ QStringLiteral("--first-task"), QStringLiteral("--bare-window"),
                             QStringLiteral("--text-window") };
    std::vector<std::vector<double>> times(modes.size());
    for (int i = 0; i < rounds * modes.size(); ++i) {
        const int mode = i % modes.size();
        QProcess start;
        start.setStandardErrorFile(QProcess::nullDevice());
        QElapsedTimer clock;
        clock.start();
        start.start(self, { modes[mode] });
        start.waitForFinished(60000);
        const double ms = clock.nsecsElapsed() / 1e6;
        if (start.exitStatus() != QProcess::NormalExit || start.exitCode() != 0) {
            std::fprintf(stderr, "a start with %s failed\n", qPrintable(modes[mode]));
            return 1;
        }
        times[mode].push_back(ms);
    }
    const double program = median(times[0]), bare = median(times[1]), text = median(times[2]);
    std::printf("fresh process to the first task: %.1f ms; to a bare window: %.1f ms (ratio %.3f); "
                "to a window with a line of text: %.1f ms (ratio %.3f); medians of %d starts "
                "each, interleaved\n",
                program, bare, program / bare, text, program / text, rounds);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--first-task") == 0)
        return showFirstWindow(argc, argv, FirstWindow::Program);
    if (argc == 2 && std::strcmp(argv[1], "--bare-window") == 0)
        return showFirstWindow(argc, argv, FirstWindow::Bare);
    if (argc == 2 && std::strcmp(argv[1], "--text-window") == 0)
        return showFirstWindow(argc, argv, FirstWindow::Text);
    if (argc == 3 && std::strcmp(argv[1], "--against-bare-window") == 0) {
        QCoreApplication app(argc, argv);
        return compareWithBareWindow(std::max(1, std::atoi(argv[2])));
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
