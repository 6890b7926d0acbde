#pragma once

#include "engine/operation.h"

#include <QString>
#include <cstdint>

// The training state that every window reads and writes. One instance lives in the program object
// and is handed by reference to each window, so a test always starts from a fresh state.
struct TrainingState {
    QString entryText; // what the child has typed for the task on screen
    QString expectedAnswer; // digits, "7R5", or one of "<", "=", ">", or a stored mandatory answer
    int taskValue = 0; // result of the task (or the compared number / the dividend)
    int operandA = 0;
    int operandB = 0;
    int operandC = 0;
    // Start-up sets the level before it chooses plus, and setting the level already puts a task up:
    // that first task comes from the random selection.
    Operation operation = Operation::Random;
    std::int16_t taskType = 0; // 1-based position in the task-type list
    int level = 0; // 1 to 5
    int practiceNumber = 0; // 0 means off
    // What the task on screen is, as the generator made it: the chosen operation and task type, or
    // what the random selection drew (Plus to Divide, with a type of that operation's list). A
    // stored mandatory task is Mandatory with type 0; only its text tells what it is.
    Operation shownOperation = Operation::Random;
    int shownTaskType = 0;
};
