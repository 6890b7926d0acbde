#include "models/user_file.h"

#include "platform/text_file.h"

namespace {

const QStringList& defaultNames()
{
    static const QStringList names{ QStringLiteral("Standardbenutzer") };
    return names;
}

} // namespace

UserFile::Loaded UserFile::load(int waitMs)
{
    QStringList lines;
    SharedFile::Result read = SharedFile::read(path(), clock_, waitMs, &lines);
    const bool absent = TextFile::kind(path()) == TextFile::FileKind::Absent;
    // Held all that time: a list read before stays until the file is free. At start the file is
    // read past the lock (a write replaces it whole), though on some shares a file open for
    // reading cannot be replaced: the holder's write may then fail.
    if (read.outcome == SharedFile::Outcome::Busy && read_)
        return Loaded::Names;
    if (read.outcome == SharedFile::Outcome::Busy)
        read.outcome = absent || TextFile::readLines(path(), &lines) ? SharedFile::Outcome::Done
                                                                     : SharedFile::Outcome::Failed;
    if (!read.done()) {
        if (!read_) {
            unreadable_ = true;
            file_ = defaultNames();
            names_ = file_;
            apply(names_, changes_, nullptr);
        }
        return Loaded::Unreadable;
    }
    takeFile(lines, false);
    return absent ? Loaded::Missing : Loaded::Names;
}

void UserFile::add(const QString& name)
{
    changes_.append(NameChange{ true, name, -1 });
    apply(names_, { changes_.last() }, nullptr);
}

void UserFile::remove(int number)
{
    if (number < 0 || number >= listedCount())
        return;
    changes_.append(NameChange{ false, names_.at(number), number });
    names_.removeAt(number);
}

QStringList UserFile::base(const QStringList& lines) const
{
    // Lines this program saw last mean what it made of them: an empty file it emptied itself
    // stays empty, one it found empty stands for the default name.
    if (read_ && lines == seen_)
        return file_;
    return lines.isEmpty() ? defaultNames() : lines;
}

void UserFile::takeFile(const QStringList& lines, bool written)
{
    file_ = written ? lines : base(lines);
    seen_ = lines;
    read_ = true;
    unreadable_ = false;
    names_ = file_;
    apply(names_, changes_, nullptr);
}

SharedFile::Result UserFile::save(int waitMs, bool* full)
{
    QStringList now;
    bool written = false;
    SharedFile::Result result = SharedFile::update(path(), clock_, waitMs, [&](QStringList& lines) {
        now = base(lines);
        written = apply(now, changes_, full);
        if (!written)
            now = lines;
        lines = now;
        return written;
    });
    if (result.done()) {
        changes_.clear();
        takeFile(now, written);
    } else if (result.outcome == SharedFile::Outcome::Failed && unreadable_) {
        result.error =
                QStringLiteral("Die Datei %1 konnte beim Start nicht gelesen werden und wird "
                               "darum nicht überschrieben.")
                        .arg(path());
    }
    return result;
}

int UserFile::numberNow(const QString& name, int number) const
{
    QStringList lines;
    QStringList list = names_; // a file that cannot be read: the list as this program shows it
    if (TextFile::kind(path()) == TextFile::FileKind::Absent
        || TextFile::readLines(path(), &lines)) {
        list = base(lines);
        apply(list, changes_, nullptr);
    }
    return find(list, name, number);
}

int UserFile::find(const QStringList& names, const QString& name, int number)
{
    int found = -1;
    const int listed = int(qMin<qsizetype>(names.size(), MaxUsers));
    for (int i = 0; i < listed; ++i)
        if (names.at(i) == name && (found < 0 || qAbs(i - number) < qAbs(found - number)))
            found = i;
    return found;
}

bool UserFile::apply(QStringList& lines, const QList<NameChange>& changes, bool* full)
{
    bool changed = false;
    for (const NameChange& change : changes) {
        if (change.add) {
            // Added elsewhere meanwhile, or the list filled up: as if this program had come second.
            if (lines.contains(change.name))
                continue;
            if (lines.size() >= MaxUsers) {
                if (full)
                    *full = true;
                continue;
            }
            lines.append(change.name);
        } else {
            const int at = find(lines, change.name, change.number);
            if (at < 0)
                continue; // removed elsewhere already
            lines.removeAt(at);
        }
        changed = true;
    }
    return changed;
}

QString shownName(const QString& name)
{
    if (name.size() <= UserFile::MaxShownLength)
        return name;
    return name.left(UserFile::MaxShownLength) + QChar(0x2026);
}
