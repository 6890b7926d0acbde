#pragma once

#include "platform/file_lock.h"

#include <QString>
#include <QStringList>

#include <functional>

class Clock;
class Dialogs;

// Data files that other programs may change at the same time, from this computer or from others
// on the same folder. Every change is a short read-change-write under the file's lock (see
// FileLock): the file is read as it is now, the caller's change is applied to what was read, and
// the file is replaced safely (TextFile). What was read at start is never written back, so two
// programs end as one would have after making both changes one after the other.
//
// Where several files must agree -- a child's error file is found by the child's place in the
// user list -- the work on all of them runs inside withLock() of the first: lock the user list,
// then an error file, always in that order, so two programs never wait for each other.
namespace SharedFile {

// How long a change waits for another program's lock: a teacher's change waits this long and is
// then asked about; a child's writes wait a moment and otherwise try again at the next chance.
inline constexpr int TeacherWaitMs = 3000;
inline constexpr int QuietWaitMs = 200;

// The waits a program's file owners use; a test that plays the other program waits not at all.
struct Waits {
    int teacherMs = TeacherWaitMs;
    int quietMs = QuietWaitMs;
};

enum class Outcome {
    Done, // the work ran and succeeded
    Busy, // another program held the lock all the time: holder says who; nothing was done
    Failed // error says what, in German, naming the file; nothing was changed
};

struct Result {
    Outcome outcome = Outcome::Done;
    LockHolder holder;
    QString error;
    bool done() const { return outcome == Outcome::Done; }
};

// Runs `work` while holding the lock of `path`. `work` returns "" when it succeeded and else the
// German message for the person. Failed with the lock's message when no lock can be made there.
Result withLock(const QString& path, const Clock& clock, int waitMs,
                const std::function<QString()>& work);

// Reads the file's lines as they are now (an absent file has none). Where no lock can be made at
// all (a folder this program may only read), reads without one: every write replaces a file in
// one step, so a read always sees one whole version. Failed when the file cannot be read.
Result read(const QString& path, const Clock& clock, int waitMs, QStringList* lines);

// Reads the lines as they are now, lets `change` change them, and replaces the file with the
// result when `change` returns true (false: nothing to write, still Done). A file that cannot be
// read is neither changed nor replaced (Failed).
Result update(const QString& path, const Clock& clock, int waitMs,
              const std::function<bool(QStringList& lines)>& change);

// Adds the lines at the end of the file as it is now (TextFile::appendLines).
Result append(const QString& path, const Clock& clock, int waitMs, const QStringList& lines);

// Tells the teacher that another program is changing `fileName` (a bare name such as
// "ZIFTORA.INI") on the computer that holds its lock, and asks whether to try again: true for
// "Ja". Declined, the change stays in this program's memory.
bool askToTryAgain(Dialogs& dialogs, const QString& fileName, const LockHolder& holder,
                   const QString& title);

} // namespace SharedFile
