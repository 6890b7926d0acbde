// One change of a shared data file on a local disk: the lock alone, the safe replacement alone,
// and both together as every change of a shared file is made (lock, read as it is now, change,
// replace, give back). The user list of a class of thirty is the file.
#include "platform/clock.h"
#include "platform/file_lock.h"
#include "platform/shared_file.h"
#include "platform/text_file.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct ClassFolder {
    QTemporaryDir dir{ QStringLiteral("ziftora-bench-XXXXXX") }; // in the working folder's disk
    QString path = dir.filePath(QStringLiteral("ZIFTORA.INI"));
    SystemClock clock;
    ClassFolder()
    {
        QStringList names;
        for (int i = 0; i < 30; ++i)
            names << QStringLiteral("Kind %1").arg(i);
        TextFile::replaceLines(path, names);
    }
};

void lockAlone(benchmark::State& state)
{
    ClassFolder folder;
    for (auto _ : state) {
        FileLock lock(folder.path, folder.clock);
        benchmark::DoNotOptimize(lock.lock(0));
    }
}
BENCHMARK(lockAlone)->Unit(benchmark::kMillisecond);

void replaceAlone(benchmark::State& state)
{
    ClassFolder folder;
    QStringList lines;
    TextFile::readLines(folder.path, &lines);
    for (auto _ : state)
        benchmark::DoNotOptimize(TextFile::replaceLines(folder.path, lines));
}
BENCHMARK(replaceAlone)->Unit(benchmark::kMillisecond);

void lockedChange(benchmark::State& state)
{
    ClassFolder folder;
    int turn = 0;
    for (auto _ : state) {
        const SharedFile::Result result =
                SharedFile::update(folder.path, folder.clock, 0, [&turn](QStringList& lines) {
                    lines[turn++ % lines.size()] += u'x'; // a name changes
                    return true;
                });
        if (!result.done())
            state.SkipWithError("the change was not made");
    }
}
BENCHMARK(lockedChange)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
