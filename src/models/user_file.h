#pragma once

#include <QString>
#include <QStringList>

// The user list ZIFTORA.INI: the children's names, one a line; a name's position is the child's
// number, which names the error file. Only the first thousand names get an entry in the user
// window and an error file of their own (error files have three digits); any names beyond stay in
// the file as they are, and every rewrite keeps them. This is the one place that reads and writes
// the file.
class UserFile {
public:
    static constexpr const char* FileName = "ZIFTORA.INI";
    static constexpr int MaxUsers = 1000;
    static constexpr int MaxShownLength = 80;

    enum class Loaded { Names, Missing, Unreadable };

    // Reads every name. A missing or empty file, and one that cannot be read, leave the single
    // name "Standardbenutzer"; a file that exists but cannot be read is never written over.
    Loaded load();

    const QStringList& names() const { return names_; }
    int listedCount() const { return int(qMin<qsizetype>(names_.size(), MaxUsers)); }
    bool contains(const QString& name) const { return names_.contains(name); }
    void add(const QString& name) { names_.append(name); }
    void remove(int number);

    // Writes the whole list anew. False with *error (German, ready for a message box) when the
    // file could not be written or was unreadable at start; the list in memory stays as it is.
    bool save(QString* error) const;

private:
    QStringList names_;
    bool unreadable_ = false;
};

// A name as the windows show it: a very long name is cut after MaxShownLength characters and
// ends in "…", so that it neither stalls the list nor runs out of its label. The file keeps it
// whole.
QString shownName(const QString& name);
