#pragma once

#include "models/child_history.h"

#include <QByteArray>
#include <QString>

// A child's history file: plain text in the data folder, Windows-1252, CR LF, replaced safely
// like every data file. A version line, the child's name, then one line per day and kind of task
// and one per week and fact of the small times table, in this order:
//
//   Ziftora Lernstand 1
//   Kind Anna
//   A 2026-11-30 ? 0 0 P 1 0 8200
//   A 2026-11-30 + 3 2 T 12 3 95400
//   A 2026-11-30 · 0 0 F 2 1 21000
//   A 2026-11-30 · 1 2 T 18 2 61000
//   E 2026-W49 7 6 3 1
//
// "A": day, operation ("+", "-", "·", ":", "?" when a stored task showed no sign), task type and
// level (0 when not known), where the task came from (T training, F error practice, P mandatory),
// right, wrong, answering time in milliseconds. "E": ISO week, the fact a · b, right, wrong.
// Blanks separate the fields. The writer puts the lines in the order of their keys (day,
// operation, type, level, source; week, a, b); the reader passes over a line it does not
// understand and adds up lines of the same key.
//
// File names. A history belongs to its child by name, and names may be empty, repeated, or hold
// characters a server share refuses (":", "*", "?", a trailing dot, "CON"), may differ only in
// case ("anna" and "Anna" on a share that ignores case), or be too long for a file name. So the
// file is not named by the name: its name is "ZIFTORA.H" and eight hexadecimal digits, taken from
// a hash of the child's name, and the name itself stands inside the file. Should two names ever
// meet at one file name, the second takes the next number (a file is only ever used for the name
// it holds), so two different names never share a file; a name listed twice is one child to the
// history. A deleted name's file stays where it is, and the same name added again finds it again
// by the same hash; the error files, counted by position, are not involved. In the name line a
// backslash, a control character or a character the code page cannot store is written as "\"
// and four hexadecimal digits, so every name comes back exactly.
namespace HistoryFile {

inline constexpr int Version = 1;
// How many file names are tried for one child before giving up (the counts then stay in memory).
inline constexpr int MaxProbes = 16;

// What a file at a history's name holds.
enum class Content {
    History, // a history this program can write: every line it understood has been read
    Newer, // a history of a later version: read as far as understood, never written over
    Foreign // no history at all, or one whose name line cannot be read: left alone
};

// The whole file for `history`, as written: Windows-1252 bytes, CR LF line ends.
QByteArray bytes(const ChildHistory& history);

// Reads file contents. Whatever the bytes, it never fails: what cannot be read is passed over.
Content parse(const QByteArray& bytes, ChildHistory* history);

// The name of candidate `probe` (0 to MaxProbes - 1) for a child's file, e.g. "ZIFTORA.H3F2A91C0".
QString fileName(const QString& childName, int probe = 0);

// The path of the child's file in `folder`: the first candidate that holds this child's history
// or is free. Empty when a candidate cannot be read now (it may hold this child's history; try
// again later) or every candidate holds another's.
QString locate(const QString& folder, const QString& childName);

// A file's bytes as last read or written here, with what they hold: a file no other computer has
// changed since is not parsed again.
struct Snapshot {
    QByteArray bytes;
    ChildHistory history;
};

// The write of one child's new answers, to run under the lock of `path`: reads the file, adds
// `pending` and replaces it safely. On success *file is the file's new content (with what other
// computers have added since). False, with the file as it was, when it cannot be read or
// written, is not this child's history, or was written by a later version. *reread tells
// whether the file had to be read anew (it was not as *file knew it).
bool addToFile(const QString& path, const ChildHistory& pending, Snapshot* file,
               bool* reread = nullptr);

// Reads the history at `path` into *file: no bytes and an empty history with the child's name
// when the file is absent; the same and false when it cannot be read or is not this child's
// history. A file of a later version is read as far as understood.
bool read(const QString& path, const QString& childName, Snapshot* file);

} // namespace HistoryFile
