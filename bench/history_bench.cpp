// A child's history over a school year: 200 school days of 200 answers each, drawn as a child
// practises (a few sessions a day, each on one operation, type and level, from the generator's
// own tasks; some wrong answers, error practice, mandatory tasks). Measures the file's size, one
// answer recorded with its write (read, add, replace safely, synced), reading the year back, the
// page's queries on it, and the "Lernstand" window opened on it, for one child and for a class.
// With --screenshot=FILE it saves a picture of that window instead (the README shows it).
#include "engine/task_engine.h"
#include "engine/task_screen.h"
#include "engine/training_state.h"
#include "models/history.h"
#include "models/history_file.h"
#include "models/history_queries.h"
#include "models/progress_page.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/random_source.h"
#include "platform/text_file.h"
#include "training/progress_window.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>
#include <tuple>

namespace {

class SeededRandom final : public RandomSource {
public:
    void randomize() override { }
    double rnd() override { return std::uniform_real_distribution<double>(0, 1)(engine_); }

private:
    std::mt19937_64 engine_{ 2026 };
};

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

// One school year's checked answers, day by day, Monday to Friday from September on.
QList<CheckedAnswer> schoolYear(int days, int answersPerDay)
{
    SeededRandom random;
    TrainingState state;
    NullScreen screen;
    TaskEngine engine(state, screen, random);
    QList<CheckedAnswer> answers;
    QList<std::pair<QString, QString>> stored; // wrong tasks and answers, for error practice
    QDate day(2026, 9, 7);
    for (int schoolDay = 0; schoolDay < days; day = day.addDays(1)) {
        if (day.dayOfWeek() > 5)
            continue;
        ++schoolDay;
        QDateTime time(day, QTime(8, 0));
        for (int i = 0; i < answersPerDay; ++i) {
            if (i % 50 == 0) { // a session: one operation, type and level, mostly small levels
                state.operation = Operation(random.draw(1, 5));
                state.taskType =
                        std::int16_t(random.draw(1, int(taskTypeEntries(state.operation).size())));
                static const int levels[] = { 1, 1, 1, 2, 2, 2, 3, 3, 4, 5 };
                state.level = levels[random.draw(0, 9)];
            }
            CheckedAnswer answer;
            time = time.addMSecs(random.draw(2000, 20000));
            answer.checkedAt = time;
            answer.answeringMs = random.draw(1500, 20000);
            const int kind = random.draw(1, 100);
            if (kind <= 8 && !stored.isEmpty()) { // error practice
                answer.source = CheckedAnswer::Source::ErrorPractice;
                std::tie(answer.taskText, answer.expectedAnswer) = stored.takeFirst();
            } else if (kind <= 12) { // a mandatory task the teacher stored
                engine.generateTask();
                answer.source = CheckedAnswer::Source::Mandatory;
                answer.taskText = screen.taskText.trimmed();
                answer.expectedAnswer = state.expectedAnswer;
            } else {
                engine.generateTask();
                answer.operation = state.shownOperation;
                answer.taskType = state.shownTaskType;
                answer.level = state.level;
                answer.taskText = screen.taskText;
                answer.expectedAnswer = state.expectedAnswer;
            }
            if (answer.source != CheckedAnswer::Source::Training)
                answer.operation = operationOfTaskText(answer.taskText);
            const bool right = random.draw(1, 100) <= 85;
            answer.entry = right ? answer.expectedAnswer : answer.expectedAnswer + u'1';
            if (!right && stored.size() < 20)
                stored.append({ answer.taskText, answer.expectedAnswer });
            answers.append(answer);
        }
    }
    return answers;
}

ChildHistory yearHistory()
{
    static const ChildHistory year = [] {
        ChildHistory history;
        history.name = QStringLiteral("Anna");
        for (const CheckedAnswer& answer : schoolYear(200, 200))
            history.add(answer);
        return history;
    }();
    return year;
}

// A folder holding the child's history: a school year's, or none (range 0).
struct Folder {
    explicit Folder(bool full)
    {
        if (full)
            TextFile::replaceBytes(path(), HistoryFile::bytes(yearHistory()));
    }
    QString path() const { return QDir(dir.path()).filePath(HistoryFile::fileName("Anna")); }
    QTemporaryDir dir;
};

void BM_RecordAnswer(benchmark::State& bench)
{
    Folder folder(bench.range(0) != 0);
    History history(folder.dir.path());
    history.setChild(QStringLiteral("Anna"));
    CheckedAnswer answer = schoolYear(1, 1).first();
    answer.checkedAt = QDateTime(QDate(2027, 6, 30), QTime(9, 0));
    for (auto _ : bench) {
        history.record(answer);
        answer.checkedAt = answer.checkedAt.addSecs(5);
    }
    if (history.hasPending())
        bench.SkipWithError("an answer was not written");
    QByteArray bytes;
    TextFile::readBytes(folder.path(), &bytes);
    bench.counters["file_bytes"] = double(bytes.size());
    bench.SetLabel(bench.range(0) ? "school year in the file" : "first answer of the year");
}
BENCHMARK(BM_RecordAnswer)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ReadSchoolYear(benchmark::State& bench)
{
    Folder folder(true);
    const ChildHistory year = yearHistory();
    HistoryFile::Snapshot read;
    for (auto _ : bench)
        HistoryFile::read(folder.path(), QStringLiteral("Anna"), &read);
    if (read.history != year)
        bench.SkipWithError("the year did not read back");
    const QByteArray bytes = HistoryFile::bytes(year);
    bench.counters["file_bytes"] = double(bytes.size());
    bench.counters["lines"] = double(bytes.count('\n'));
    bench.counters["day_lines"] = double(year.days.size());
    bench.counters["fact_lines"] = double(year.facts.size());
}
BENCHMARK(BM_ReadSchoolYear)->Unit(benchmark::kMillisecond);

// Everything the page shows of the year, on its last day.
void BM_PageQueries(benchmark::State& bench)
{
    const ChildHistory year = yearHistory();
    const QDate today = year.days.rbegin()->first.day;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(dayTableCsv(dayRows(year)));
        benchmark::DoNotOptimize(weekBars(year, today));
        benchmark::DoNotOptimize(hardestTypes(year, today));
        benchmark::DoNotOptimize(factGrid(year, today));
        benchmark::DoNotOptimize(classRow(year, today));
    }
}
BENCHMARK(BM_PageQueries)->Unit(benchmark::kMillisecond);

// The page opened on the last day of the year: nothing is asked or printed.
class QuietDesktop final : public Dialogs, public Printer, public Clock {
public:
    MsgResult msgBox(const QString&, MsgStyles, const QString&) override { return MsgResult::Ok; }
    QString inputBox(const QString&, const QString&, const QString&) override { return {}; }
    QString passwordBox(const QString&, const QString&) override { return {}; }
    void beep() override { }
    void print(const PrintJob&) override { }
    QDateTime now() const override
    {
        return QDateTime(yearHistory().days.rbegin()->first.day, QTime(14, 3));
    }
};

// A class whose every child practised the whole year (each a year of its own, the counts scaled).
QStringList writeClass(const QString& folder, int children)
{
    static const QStringList names{ "Anna",   "Ben", "Carla", "Deniz", "Emil", "Frieda", "Gül",
                                    "Hannes", "Ida", "Jonas", "Kemal", "Lea",  "Mia" };
    QStringList written;
    for (int i = 0; i < children; ++i) {
        ChildHistory child = yearHistory();
        child.name = names.value(i % names.size())
                + (i >= names.size() ? QString::number(i / names.size() + 1) : QString());
        for (auto& [key, tally] : child.days)
            tally = { tally.right * (10 + i % 7) / 10, tally.wrong * (6 + i % 9) / 10,
                      tally.answeringMs };
        TextFile::replaceBytes(HistoryFile::locate(folder, child.name), HistoryFile::bytes(child));
        written.append(child.name);
    }
    return written;
}

void BM_OpenPage(benchmark::State& bench)
{
    QTemporaryDir folder;
    const QStringList children = writeClass(folder.path(), int(bench.range(0)));
    QuietDesktop desktop;
    History history(folder.path());
    ProgressPage page(history, desktop, desktop, desktop);
    ProgressWindow window(page);
    for (auto _ : bench) {
        page.open(children, 0);
        benchmark::DoNotOptimize(window.grab());
    }
    bench.SetLabel(bench.range(0) == 1 ? "one child, a school year"
                                       : "a class, a school year each");
}
BENCHMARK(BM_OpenPage)->Arg(1)->Arg(25)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString screenshot = QStringLiteral("--screenshot=");
    for (const QString& argument : app.arguments().mid(1)) {
        if (!argument.startsWith(screenshot))
            continue;
        QTemporaryDir folder;
        const QStringList children = writeClass(folder.path(), 6);
        QuietDesktop desktop;
        History history(folder.path());
        ProgressPage page(history, desktop, desktop, desktop);
        ProgressWindow window(page);
        page.open(children, 0);
        window.show();
        return window.grab().save(argument.mid(screenshot.size())) ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
