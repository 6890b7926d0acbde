#pragma once

#include "models/history_file.h"

#include <QObject>
#include <QString>

#include <functional>
#include <map>

// The history of the child practising: every checked answer is counted and written to the
// child's file at once, so a program that is killed loses at most the answer being checked.
// Nothing here ever shows a message: a write that fails, or a shared folder whose lock is busy,
// leaves the counts pending in memory, and they are tried again, quietly, with the next answer.
class History : public QObject {
    Q_OBJECT

public:
    // Runs `readChangeWrite` under the lock of the data file at `path` and gives its result; gives
    // false without running it when the lock is busy. The read-change-write itself reads the
    // file, adds the pending counts (what another computer wrote since stays) and replaces it.
    using Guard =
            std::function<bool(const QString& path, const std::function<bool()>& readChangeWrite)>;
    // For a folder no other program writes to.
    static bool withoutLock(const QString&, const std::function<bool()>& readChangeWrite)
    {
        return readChangeWrite();
    }

    explicit History(const QString& folder, Guard guard = withoutLock, QObject* parent = nullptr);

    // The child now practising, by name; reads the child's file.
    void setChild(const QString& name);
    const QString& child() const { return shown_.name; }

    // Counts the answer for the current child and writes every pending count.
    void record(const CheckedAnswer& answer);
    // Writes what is pending (for instance when the program ends); true when nothing is left.
    bool writePending();
    bool hasPending() const { return !pending_.empty(); }

    // The current child's history: the file as last read or written, with the pending counts.
    const ChildHistory& history() const { return shown_; }
    // Another child's, for the class overview: its file with its pending counts.
    ChildHistory historyOf(const QString& name) const;

signals:
    void changed();

private:
    QString path(const QString& name);

    QString folder_;
    Guard guard_;
    ChildHistory shown_;
    HistoryFile::Snapshot file_; // the current child's file as last read or written
    std::map<QString, ChildHistory> pending_; // by name: counts not yet in the file
    std::map<QString, QString> paths_; // by name: where its file was found
};
