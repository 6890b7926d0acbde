#pragma once

// Checked answers written as one line each, for the tables of the history tests:
//   "2026-11-30 08:00|T|3|1|2|42|42|4000| 7 · 6 = ?"
// time of the check (local) | source T, F or P | operation 1-4, 0 for none | type | level |
// entry | expected answer | answering ms | task text. Without its time an answer is checked on
// the scripted clock's first morning, Monday 30 November 2026 at 08:00.

#include "models/checked_answer.h"
#include "models/child_history.h"
#include "models/history_file.h"
#include "platform/text_file.h"

#include <QStringList>

inline CheckedAnswer answerOf(const QString& line)
{
    QStringList f = line.split(u'|');
    if (f.size() == 8)
        f.prepend(QStringLiteral("2026-11-30 08:00"));
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

// A history of the answers, "n×" before a line repeating it.
inline ChildHistory historyOf(const QStringList& answers,
                              const QString& name = QStringLiteral("Anna"))
{
    ChildHistory history;
    history.name = name;
    for (const QString& line : answers) {
        const qsizetype times = line.indexOf(u'×');
        for (int i = times > 0 ? line.first(times).toInt() : 1; i > 0; --i)
            history.add(answerOf(line.sliced(times + 1)));
    }
    return history;
}

// The history's lines as its file writes them, without the version and name lines.
inline QStringList countLines(const ChildHistory& history)
{
    return TextFile::splitLines(TextFile::decode(HistoryFile::bytes(history))).mid(2);
}
