#pragma once

#include <QString>
#include <cstdint>

// The training state that every window reads and writes. One instance lives in the program object
// and is handed by reference to each window, so a test always starts from a fresh state.
struct MODUL1 {
    QString EntryText; // what the child has typed for the task on screen
    QString ExpectedAnswer; // digits, "7R5", or one of "<", "=", ">", or a stored mandatory answer
    int TaskValue = 0; // result of the task (or the compared number / the dividend)
    int OperandA = 0;
    int OperandB = 0;
    int OperandC = 0;
    int Operation = 0; // 1 plus, 2 minus, 3 times, 4 divide, 5 random, 6 mandatory
    std::int16_t TaskType = 0; // 1-based position in the task-type list
    int Level = 0; // 1 to 5
    int PracticeNumber = 0; // 0 means off
};
