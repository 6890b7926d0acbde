#pragma once

#include "engine/task_engine.h"
#include "engine/task_screen.h"
#include "engine/training_state.h"
#include "scripted_random.h"

#include <QStringList>

// Stands in for the training window: keeps what the engine shows, and its task-type list reacts to
// a selection as the window's does (TaskType from the entry, then a new task, unless mandatory mode
// is on), so a selection from inside GenerateTask runs a nested GenerateTask.
class FakeScreen final : public TaskScreen {
public:
    FakeScreen(MODUL1& state, TaskEngine& engine) : state_(state), engine_(engine) {}

    void SetTaskText(const QString& text) override { shown.append(taskText = text); }
    void SetEntryDisplay(const QString& text) override { entryDisplay = text; }
    void ClearTaskTypes() override { taskTypes.clear(); }
    void AddTaskType(const QString& entry) override { taskTypes.append(entry); }
    void SelectTaskType(int index) override
    {
        if (mandatoryMode)
            return;
        state_.TaskType = static_cast<std::int16_t>(index + 1);
        ++listRuns;
        engine_.GenerateTask();
    }
    int MandatoryCount() const override { return int(mandatory.size()); }
    QString MandatoryEntry(int index) const override { return mandatory.at(index); }
    void RemoveMandatoryEntries(int first, int count) override { mandatory.remove(first, count); }
    void EndMandatoryMode() override { mandatoryMode = false; }

    QString taskText, entryDisplay;
    QStringList shown;     // every task text put on screen, in order
    QStringList taskTypes; // Liste1
    QStringList mandatory; // Liste2
    int listRuns = 0; // list handler runs that generated a task
    bool mandatoryMode = false;

private:
    MODUL1& state_;
    TaskEngine& engine_;
};

// A training state, the fake window and an engine over a scripted random source (strict: every
// draw must be scripted).
struct EngineRig {
    EngineRig(int operation, int type, int level, int practiceNumber = 0, bool strict = false) : random(strict)
    {
        state.Operation = operation;
        state.TaskType = static_cast<std::int16_t>(type);
        state.Level = level;
        state.PracticeNumber = practiceNumber;
    }
    void Run() { engine.GenerateTask(); }

    MODUL1 state;
    ScriptedRandom random;
    TaskEngine engine{state, screen, random};
    FakeScreen screen{state, engine};
};

// Reads a task text as a child would and checks that the expected answer makes it true: the
// number in place of "?" gives a true equation, the sign of a comparison holds, a remainder answer
// qRr satisfies N = A*q + r with 0 <= r < A. Returns "" when it does, else what is wrong. The
// numbers seen in the text, in order, are appended to `numbers`.
QString CheckStatement(const QString& text, const QString& answer, QList<qint64>* numbers = nullptr);
