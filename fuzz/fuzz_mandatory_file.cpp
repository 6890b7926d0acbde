// ZIFTORA.DAT as a teacher may have edited it: whatever its bytes, reading it never crashes, and
// every pair it keeps can be answered on the keypad (an odd last task aside).
#include "engine/task_engine.h"
#include "models/mandatory_tasks.h"

#include "fuzz_input.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = writeInput(QStringLiteral("ZIFTORA.DAT"), data, size);

    QStringList entries;
    if (!readMandatoryFile(path, &entries))
        std::abort();
    for (qsizetype i = 1; i < entries.size(); i += 2)
        if (!answerCanBeTyped(entries.at(i)))
            std::abort();
    return 0;
}
