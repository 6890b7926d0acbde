#include "engine/task_engine.h"

#include "engine/task_forms.h"
#include "engine/task_screen.h"
#include "engine/training_state.h"

TaskEngine::TaskEngine(TrainingState& state, TaskScreen& screen, RandomSource& random)
    : state_(state), screen_(screen), random_(random)
{
}

void TaskEngine::generateTask()
{
    random_.randomize();
    state_.entryText.clear();

    forms::Task task(random_, state_.level, state_.practiceNumber);
    task.A = task.draw(1, 10);
    task.B = task.draw(1, 10);
    task.C = task.draw(1, 10);
    if (state_.practiceNumber > 0)
        task.A = state_.practiceNumber;

    state_.shownOperation = state_.operation;
    state_.shownTaskType = state_.taskType;
    switch (state_.operation) {
    case Operation::Plus:
        forms::plusSetUp(task);
        forms::plusForm(task, state_.taskType);
        break;
    case Operation::Minus: {
        const forms::MinusRange range = forms::minusSetUp(task);
        forms::minusForm(task, forms::minusFormOfType(state_.taskType), range);
        break;
    }
    case Operation::Times:
        forms::timesSetUp(task);
        forms::timesForm(task, state_.taskType);
        break;
    case Operation::Divide:
        forms::divideSetUp(task);
        forms::divideForm(task, state_.taskType);
        break;
    case Operation::Mandatory:
        if (serveMandatoryTask(task)) {
            state_.shownTaskType = 0;
            return;
        }
        // The list has run out and the plus list is back (its selection has already shown one plus
        // task); this run now puts its own plus task on screen, for the type the list handler set.
        state_.shownOperation = Operation::Plus;
        state_.shownTaskType = state_.taskType;
        forms::plusSetUp(task);
        forms::plusForm(task, state_.taskType);
        break;
    case Operation::Random:
        runRandomSelection(task);
        break;
    }
    finish(task);
}

// What the keypad can produce: digits, one relation sign, or digits "R" digits; ten characters at
// most.
bool answerCanBeTyped(const QString& answer)
{
    if (answer.isEmpty() || answer.size() > 10)
        return false;
    if (answer == QLatin1String("<") || answer == QLatin1String("=")
        || answer == QLatin1String(">"))
        return true;
    const qsizetype r = answer.indexOf(QLatin1Char('R'));
    const auto digitsOnly = [](QStringView part) {
        if (part.isEmpty())
            return false;
        for (QChar c : part)
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
        return true;
    };
    if (r < 0)
        return digitsOnly(answer);
    return digitsOnly(QStringView(answer).left(r)) && digitsOnly(QStringView(answer).mid(r + 1));
}

// Serves the next stored task and returns true; returns false after ending mandatory mode when no
// complete task is left. A task line without its answer line (only a hand-edited file has one)
// cannot be checked, so it is dropped and the list counts as used up. (The list holds only answers
// the keypad can type: the file's reader passes the others over.)
bool TaskEngine::serveMandatoryTask(const forms::Task& task)
{
    if (screen_.mandatoryCount() >= 2) {
        screen_.setTaskText(screen_.mandatoryEntry(0));
        state_.expectedAnswer = screen_.mandatoryEntry(1);
        state_.entryText.clear();
        screen_.removeMandatoryEntries(0, 2);
        // The stored task uses none of the draws, but the operands show them as for any task;
        // TaskValue and the entry display stay as they were.
        state_.operandA = task.A;
        state_.operandB = task.B;
        state_.operandC = task.C;
        return true;
    }
    if (screen_.mandatoryCount() == 1)
        screen_.removeMandatoryEntries(0, 1);

    screen_.endMandatoryMode();
    state_.operation = Operation::Plus;
    state_.taskType = 1;
    fillTaskTypeList();
    return false;
}

// Random selection: an operation and one of its forms, run on the common draw without the
// operation's level set-up. Forms that read the level for their own draws or steps still do.
// The operation and type drawn are kept as those of the task on screen.
void TaskEngine::runRandomSelection(forms::Task& task)
{
    const int operation = task.draw(1, 4);
    const int type = task.draw(1, operation == 3 ? 7 : 8);
    state_.shownOperation = Operation(operation);
    state_.shownTaskType = type;
    switch (operation) {
    case 1:
        forms::plusForm(task, type);
        break;
    case 2:
        forms::minusForm(task, forms::minusFormOfType(type), forms::kCommonMinusRange);
        break;
    case 3:
        forms::timesForm(task, type);
        break;
    default:
        forms::divideForm(task, type);
        break;
    }
}

void TaskEngine::finish(forms::Task& task)
{
    state_.operandA = task.A;
    state_.operandB = task.B;
    state_.operandC = task.C;
    state_.taskValue = task.taskValue;
    if (task.answer.isEmpty())
        state_.expectedAnswer = ::bareNumber(task.taskValue);
    else
        state_.expectedAnswer = std::move(task.answer);
    screen_.setTaskText(task.text);
    state_.entryText.clear();
    screen_.setEntryDisplay(QString());
}

void TaskEngine::fillTaskTypeList()
{
    screen_.clearTaskTypes();
    for (const QString& entry : taskTypeEntries(state_.operation))
        screen_.addTaskType(entry);
    screen_.selectTaskType(0);
}
