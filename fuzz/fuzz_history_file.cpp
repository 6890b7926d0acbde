// A child's history file as it may arrive from a shared folder or a hand edit: whatever its bytes,
// it reads without a crash; what was read writes back in the program's own form and reads back
// the same; and an answer recorded on top of it is added to a history of this child but never
// written over anything else. The first line also serves as a task text for the text rules.
#include "models/history.h"
#include "models/history_file.h"
#include "platform/text_file.h"

#include "fuzz_input.h"

#include <QDir>
#include <QFileInfo>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    ChildHistory read;
    const HistoryFile::Content content = HistoryFile::parse(bytes, &read);
    ChildHistory again;
    if (content != HistoryFile::Content::Foreign
        && (HistoryFile::parse(HistoryFile::bytes(read), &again) != HistoryFile::Content::History
            || again != read))
        std::abort();

    const QString child = QStringLiteral("Anna");
    const QString path = writeInput(HistoryFile::fileName(child), data, size);
    const QString folder = QFileInfo(path).path();
    CheckedAnswer answer;
    answer.checkedAt = QDateTime(QDate(2026, 11, 30), QTime(8, 0));
    answer.taskText = TextFile::splitLines(
                              TextFile::decode(bytes.first(std::min<qsizetype>(bytes.size(), 64))))
                              .value(0);
    answer.operation = operationOfTaskText(answer.taskText);
    answer.entry = answer.expectedAnswer = QStringLiteral("42");
    smallTimesFact(answer.taskText);
    {
        History history(folder);
        history.setChild(child);
        history.record(answer);
        const bool ours = content == HistoryFile::Content::History && read.name == child;
        QByteArray after;
        if (!TextFile::readBytes(path, &after) || (!ours && after != bytes))
            std::abort();
        ChildHistory expected = read;
        expected.add(answer);
        if (ours && after != HistoryFile::bytes(expected))
            std::abort();
    }
    for (const QString& name : QDir(folder).entryList(QDir::Files))
        QFile::remove(QDir(folder).filePath(name));
    return 0;
}
