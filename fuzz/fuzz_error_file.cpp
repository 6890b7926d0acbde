// A child's error file as someone may have edited it: whatever its bytes, it reads without a crash
// into pairs, and after the program appends a task, everything that was read before is still there
// and the new task comes back with its own answer.
#include "models/error_file.h"

#include "fuzz_input.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString name = ErrorFile::name(0);
    writeInput(name, data, size);

    QStringList tasks;
    QStringList answers;
    if (!ErrorFile::read(name, &tasks, &answers) || tasks.size() != answers.size())
        std::abort();

    const QString task = QStringLiteral(" 3 + 4 = ?");
    const QString answer = QStringLiteral("7");
    QString error;
    if (!ErrorFile::append(name, { task }, { answer }, &error))
        std::abort();
    QStringList tasksAfter;
    QStringList answersAfter;
    if (!ErrorFile::read(name, &tasksAfter, &answersAfter) || tasksAfter.isEmpty())
        std::abort();
    if (tasksAfter.last() != task || answersAfter.last() != answer)
        std::abort();
    // The pairs that were there stay as they were (a task that had no answer line gets an empty
    // one).
    if (tasksAfter.mid(0, tasks.size()) != tasks || answersAfter.mid(0, answers.size()) != answers)
        std::abort();
    return 0;
}
