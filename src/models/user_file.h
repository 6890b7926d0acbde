#pragma once

#include "platform/shared_file.h"

#include <QList>
#include <QString>
#include <QStringList>

class Clock;

// A change this program made to the user list, kept until it is in the file: a name added at the
// end, or the name that stood at `number` removed.
struct NameChange {
    bool add = true;
    QString name;
    int number = -1;
};

// The user list ZIFTORA.INI: the children's names, one a line; a name's position is the child's
// number, which names the error file. Only the first thousand names get an entry in the user
// window and an error file of their own (error files have three digits); any names beyond stay in
// the file as they are. This is the one place that reads and writes the file.
//
// Other programs may change the file at any time (see SharedFile), so the list is the file as it
// was last read with this program's changes laid over it, and a save writes those changes into
// the file as it is at that moment: a name is added unless it is there by then, a removed name is
// found again by name near its old place. A change that cannot be written yet (the lock taken, a
// full disk) stays in memory and is written with the next save.
class UserFile {
public:
    static constexpr const char* FileName = "ZIFTORA.INI";
    static constexpr int MaxUsers = 1000;
    static constexpr int MaxShownLength = 80;

    enum class Loaded { Names, Missing, Unreadable };

    explicit UserFile(const Clock& clock) : clock_(clock) { }

    static QString path() { return QString::fromLatin1(FileName); }

    // Reads the file as it is now, waiting up to waitMs for another program's lock; held longer,
    // the list stays as it was (the first time, the file is read past the lock). A missing or
    // empty file stands for the single name "Standardbenutzer"; a file that cannot be read leaves
    // the list as it was.
    Loaded load(int waitMs = 0);

    const QStringList& names() const { return names_; }
    int listedCount() const { return int(qMin<qsizetype>(names_.size(), MaxUsers)); }
    bool contains(const QString& name) const { return names_.contains(name); }
    void add(const QString& name);
    void remove(int number);
    bool hasChanges() const { return !changes_.isEmpty(); }

    // Writes this program's changes into the file as it is now and takes the result as the list.
    // Failed with a German error (ready for a message box) when the file cannot be read or
    // written; Busy when another program held the lock for waitMs. Either way the changes are
    // kept. *full tells that an added name found a thousand names in the file and was dropped.
    SharedFile::Result save(int waitMs, bool* full);

    // The number `name` has now: read from the file (the caller holds its lock), with this
    // program's unwritten changes laid over it; -1 when it is not listed.
    int numberNow(const QString& name, int number) const;

    // The listed occurrence of `name` nearest `number`, or -1.
    static int find(const QStringList& names, const QString& name, int number);
    // The changes applied to the file's lines; false when no line changed.
    static bool apply(QStringList& lines, const QList<NameChange>& changes, bool* full);

private:
    QStringList base(const QStringList& lines) const;
    void takeFile(const QStringList& lines, bool written);

    const Clock& clock_;
    QStringList seen_; // the file's lines as last read or written
    QStringList file_; // what they mean: the default name for a file found empty
    QList<NameChange> changes_;
    QStringList names_; // file_ with changes_ applied
    bool read_ = false;
    bool unreadable_ = false; // since start
};

// A name as the windows show it: a very long name is cut after MaxShownLength characters and
// ends in "…", so that it neither stalls the list nor runs out of its label. The file keeps it
// whole.
QString shownName(const QString& name);
