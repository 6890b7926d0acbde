#pragma once

// Checked answers written as one line each, for the tables of the history tests:
//   "2026-11-30 08:00|T|3|1|2|42|42|4000| 7 · 6 = ?"
// time of the check (local) | source T, F or P | operation 1-4, 0 for none | type | level |
// entry | expected answer | answering ms | task text

#include "models/checked_answer.h"
#include "models/child_history.h"
#include "models/history_file.h"
#include "platform/text_file.h"

#include <QStringList>

inline CheckedAnswer answerOf(const QString& line)
{
    const QStringList f = line.split(u'|');
    Q_ASSERT(f.size() == 9);
    CheckedAnswer a;
    a.checkedAt = QDateTime::fromString(f[0], QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    if (!a.checkedAt.isValid())
        a.checkedAt = QDateTime::fromString(f[0], QStringLiteral("yyyy-MM-dd HH:mm"));
    a.source = CheckedAnswer::Source(QStringLiteral("TFP").indexOf(f[1]));
    if (f[2].toInt() != 0)
        a.operation = Operation(f[2].toInt());
    a.taskType = f[3].toInt();
    a.level = f[4].toInt();
    a.entry = f[5];
    a.expectedAnswer = f[6];
    a.answeringMs = f[7].toLongLong();
    a.taskText = f[8];
    return a;
}

inline ChildHistory historyOf(const QStringList& answers,
                              const QString& name = QStringLiteral("Anna"))
{
    ChildHistory history;
    history.name = name;
    for (const QString& line : answers)
        history.add(answerOf(line));
    return history;
}

// The history's lines as its file writes them, without the version and name lines.
inline QStringList countLines(const ChildHistory& history)
{
    return TextFile::splitLines(TextFile::decode(HistoryFile::bytes(history))).mid(2);
}
