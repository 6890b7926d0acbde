// How many tasks the engine puts out per second, without a window: one operation at a time over
// all its task types, and the twenty runs in a row of a new worksheet.
#include "engine/task_engine.h"
#include "engine/task_screen.h"
#include "engine/training_state.h"
#include "platform/random_source.h"

#include <benchmark/benchmark.h>

namespace {

// Keeps the last task text, as the task label would, and nothing else.
class NullScreen final : public TaskScreen {
public:
    void setTaskText(const QString& text) override { taskText = text; }
    void setEntryDisplay(const QString&) override { }
    void clearTaskTypes() override { }
    void addTaskType(const QString&) override { }
    void selectTaskType(int) override { }
    int mandatoryCount() const override { return 0; }
    QString mandatoryEntry(int) const override { return {}; }
    void removeMandatoryEntries(int, int) override { }
    void endMandatoryMode() override { }

    QString taskText;
};

const char* const kOperationNames[] = { "", "plus", "minus", "times", "divide", "random" };

// Arguments: operation, level. Cycles through the operation's task types.
void BM_GenerateTask(benchmark::State& bench)
{
    TrainingState state;
    NullScreen screen;
    ProgramRandom random;
    TaskEngine engine(state, screen, random);
    state.operation = Operation(bench.range(0));
    state.level = int(bench.range(1));
    const int types = int(taskTypeEntries(state.operation).size());
    int type = 0;
    for (auto _ : bench) {
        state.taskType = static_cast<std::int16_t>(type + 1);
        type = (type + 1) % types;
        engine.generateTask();
        benchmark::DoNotOptimize(state.expectedAnswer.constData());
    }
    bench.SetItemsProcessed(bench.iterations());
    bench.SetLabel(kOperationNames[int(state.operation)]);
}
BENCHMARK(BM_GenerateTask)->ArgsProduct({ { 1, 2, 3, 4, 5 }, { 2, 5 } });

// A new worksheet: twenty tasks, each text and answer read off as the worksheet does.
void BM_TwentyRunsInARow(benchmark::State& bench)
{
    TrainingState state;
    NullScreen screen;
    ProgramRandom random;
    TaskEngine engine(state, screen, random);
    state.operation = Operation::Times;
    state.taskType = 1;
    state.level = 2;
    QStringList tasks, answers;
    for (auto _ : bench) {
        tasks.clear();
        answers.clear();
        for (int i = 0; i < 20; ++i) {
            engine.generateTask();
            tasks.append(screen.taskText);
            answers.append(state.expectedAnswer);
        }
        benchmark::DoNotOptimize(tasks.constData());
    }
    bench.SetItemsProcessed(bench.iterations() * 20);
}
BENCHMARK(BM_TwentyRunsInARow);

} // namespace

BENCHMARK_MAIN();
