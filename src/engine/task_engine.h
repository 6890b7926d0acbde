#pragma once

// The task engine: everything that turns operation, task type and level into a task on screen.
//
// training_state.h   TrainingState, the shared variables every window reads and writes.
// task_screen.h      what the engine needs of the training window (task label, entry display,
//                    task-type list, mandatory list); the window implements it, tests fake it.
// task_engine.*      TaskEngine: generateTask (draws, dispatch, random selection, mandatory path,
//                    common end) and fillTaskTypeList.
// task_catalogue.cpp the task-type list of each operation, exact texts.
// task_forms.h       one task under construction, shared by the four operation branches
//                    plus_tasks.cpp, minus_tasks.cpp, times_tasks.cpp and divide_tasks.cpp.
// number_text.*      spacedNumber and bareNumber, the two number renderings of every task
// text.
//
// The engine uses QtCore only: no widgets, so it is tested and benchmarked without a window.

#include "engine/number_text.h"
#include "engine/operation.h"

#include <QStringList>

struct TrainingState;
class TaskScreen;
class RandomSource;

namespace forms {
class Task;
}

// The entries of the task-type list for an operation, in list order, exactly as shown.
QStringList taskTypeEntries(Operation operation);

// True when the keypad can type the answer: digits, one of "<", "=", ">", or digits "R" digits,
// at most ten characters. Stored tasks (mandatory list, error files) with any other answer are
// passed over, since a child could never answer them.
bool answerCanBeTyped(const QString& answer);

class TaskEngine {
public:
    TaskEngine(TrainingState& state, TaskScreen& screen, RandomSource& random);

    // Puts a new task on screen for the state's operation, task type, level and practice number:
    // task text in the task label, answer in expectedAnswer, numbers in taskValue and
    // operandA..C, entry emptied. In mandatory mode it serves the next stored task instead; when
    // the list has run out it ends the mode, refills the task-type list with the plus entries
    // (whose selection runs the window's list handler and so one nested generateTask) and then
    // puts its own plus task on screen.
    void generateTask();

    // Clears the task-type list, adds the entries of the current operation and selects entry 0;
    // the window's list handler then sets taskType and, outside mandatory mode, generates a
    // task.
    void fillTaskTypeList();

private:
    bool serveMandatoryTask(const forms::Task& task);
    void runRandomSelection(forms::Task& task);
    void finish(forms::Task& task);

    TrainingState& state_;
    TaskScreen& screen_;
    RandomSource& random_;
};
