#include "platform/shared_file.h"

#include "platform/dialogs.h"
#include "platform/text_file.h"

#include <QDir>

namespace SharedFile {
namespace {

QString unreadable(const QString& path)
{
    return QStringLiteral("Die Datei %1 konnte nicht gelesen werden.")
            .arg(QDir::toNativeSeparators(path));
}

// Reads the lines of a file that may be absent; "" or the message when it cannot be read.
QString readNow(const QString& path, QStringList* lines)
{
    lines->clear();
    if (TextFile::kind(path) == TextFile::FileKind::Absent || TextFile::readLines(path, lines))
        return QString();
    return unreadable(path);
}

// withLock, with `failed` as the message when no lock can be made (a change that cannot lock its
// file says so as if the write had failed, which it would have: the folder takes no new file).
Result locked(const QString& path, const Clock& clock, int waitMs, const QString& failed,
              const std::function<QString()>& work)
{
    FileLock lock(path, clock);
    Result result;
    switch (lock.lock(waitMs)) {
    case FileLock::Result::Busy:
        result.outcome = Outcome::Busy;
        result.holder = lock.holder();
        return result;
    case FileLock::Result::Failed:
        result.outcome = Outcome::Failed;
        result.error = failed.isEmpty() ? lock.error() : failed;
        return result;
    case FileLock::Result::Locked:
        break;
    }
    result.error = work();
    if (!result.error.isEmpty())
        result.outcome = Outcome::Failed;
    return result;
}

} // namespace

Result withLock(const QString& path, const Clock& clock, int waitMs,
                const std::function<QString()>& work)
{
    return locked(path, clock, waitMs, QString(), work);
}

Result read(const QString& path, const Clock& clock, int waitMs, QStringList* lines)
{
    FileLock lock(path, clock);
    Result result;
    if (lock.lock(waitMs) == FileLock::Result::Busy) {
        result.outcome = Outcome::Busy;
        result.holder = lock.holder();
        lines->clear();
        return result;
    }
    // Locked, or no lock can be made here at all: then what is there is read all the same.
    result.error = readNow(path, lines);
    if (!result.error.isEmpty())
        result.outcome = Outcome::Failed;
    return result;
}

Result update(const QString& path, const Clock& clock, int waitMs,
              const std::function<bool(QStringList& lines)>& change)
{
    const QString failed = QStringLiteral("Die Datei %1 konnte nicht geschrieben werden.")
                                   .arg(QDir::toNativeSeparators(path));
    return locked(path, clock, waitMs, failed, [&] {
        QStringList lines;
        QString error = readNow(path, &lines);
        if (error.isEmpty() && change(lines))
            TextFile::replaceLines(path, lines, &error);
        return error;
    });
}

Result append(const QString& path, const Clock& clock, int waitMs, const QStringList& lines)
{
    const QString failed = QStringLiteral("Die Datei %1 konnte nicht ergänzt werden.")
                                   .arg(QDir::toNativeSeparators(path));
    return locked(path, clock, waitMs, failed, [&] {
        QString error;
        TextFile::appendLines(path, lines, &error);
        return error;
    });
}

bool askToTryAgain(Dialogs& dialogs, const QString& fileName, const LockHolder& holder,
                   const QString& title)
{
    // A lock file that could not be read names no computer.
    const QString where = holder.computer.isEmpty()
            ? QStringLiteral("an einem anderen Computer")
            : QStringLiteral("am Computer %1").arg(holder.computer);
    const QString text = QStringLiteral("Die Datei %1 wird gerade %2 geändert.\r"
                                        "Noch einmal versuchen?")
                                 .arg(fileName, where);
    return dialogs.msgBox(text, MsgStyle::YesNo | MsgStyle::Question, title) == MsgResult::Yes;
}

} // namespace SharedFile
