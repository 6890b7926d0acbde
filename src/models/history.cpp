#include "models/history.h"

#include "models/history_file.h"

History::History(const QString& folder, Guard guard, QObject* parent)
    : QObject(parent), folder_(folder), guard_(std::move(guard))
{
}

QString History::path(const QString& name)
{
    auto found = paths_.find(name);
    if (found == paths_.end()) {
        const QString located = HistoryFile::locate(folder_, name);
        if (located.isEmpty())
            return located;
        found = paths_.emplace(name, located).first;
    }
    return found->second;
}

void History::setChild(const QString& name)
{
    const QString file = path(name);
    if (file.isEmpty() || !HistoryFile::read(file, name, &file_)) {
        file_ = HistoryFile::Snapshot();
        file_.history.name = name;
    }
    shown_ = file_.history;
    const auto pending = pending_.find(name);
    if (pending != pending_.end())
        shown_.add(pending->second);
    emit changed();
}

ChildHistory History::historyOf(const QString& name) const
{
    if (name == shown_.name)
        return shown_;
    HistoryFile::Snapshot file;
    const QString path = HistoryFile::locate(folder_, name);
    if (path.isEmpty() || !HistoryFile::read(path, name, &file)) {
        file = HistoryFile::Snapshot();
        file.history.name = name;
    }
    const auto pending = pending_.find(name);
    if (pending != pending_.end())
        file.history.add(pending->second);
    return file.history;
}

void History::record(const CheckedAnswer& answer)
{
    ChildHistory& pending = pending_[shown_.name];
    pending.name = shown_.name;
    pending.add(answer);
    shown_.add(answer);
    writePending();
    emit changed();
}

bool History::writePending()
{
    for (auto it = pending_.begin(); it != pending_.end();) {
        const QString& name = it->first;
        const QString file = path(name);
        const bool current = name == shown_.name;
        HistoryFile::Snapshot other;
        HistoryFile::Snapshot& snapshot = current ? file_ : other;
        bool tried = false;
        bool reread = true;
        if (!file.isEmpty() && guard_(file, [&] {
                tried = true;
                return HistoryFile::addToFile(file, it->second, &snapshot, &reread);
            })) {
            // Unless another computer wrote since, the page shows what it showed: the file as
            // known with the pending counts added, now written.
            if (current && reread)
                shown_ = snapshot.history;
            it = pending_.erase(it);
            continue;
        }
        // A file that could not be read or written is looked for afresh next time: it may since
        // have been taken by another name. A busy lock says nothing about the file.
        if (tried)
            paths_.erase(name);
        ++it;
    }
    return pending_.empty();
}
