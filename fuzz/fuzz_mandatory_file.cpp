// ZIFTORA.DAT as a teacher may have edited it: whatever its bytes, reading it never crashes, and
// every pair it keeps can be answered on the keypad (an odd last task aside).
#include "engine/task_engine.h"
#include "mandatory/mandatory_tasks.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ZIFTORA.DAT"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();

    QStringList entries;
    if (!ReadMandatoryFile(path, &entries))
        std::abort();
    for (qsizetype i = 1; i < entries.size(); i += 2)
        if (!AnswerCanBeTyped(entries.at(i)))
            std::abort();
    return 0;
}
