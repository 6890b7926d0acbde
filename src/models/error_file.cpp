#include "models/error_file.h"

#include "platform/text_file.h"

namespace ErrorFile {

QString name(int userNumber)
{
    // Three digits give users 0 to 999 a file each; any other number would have to borrow
    // another child's file, so it gets none.
    if (userNumber < 0 || userNumber > 999)
        return QString();
    return QStringLiteral("ZIFTORA.")
            + QStringLiteral("%1").arg(userNumber, 3, 10, QLatin1Char('0'));
}

bool append(const QString& fileName, const QStringList& tasks, const QStringList& answers,
            QString* error)
{
    const auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    const QString keptNote = QStringLiteral("Die Fehleraufgaben bleiben in der Fehlerliste.");
    if (fileName.isEmpty())
        return fail(
                QStringLiteral("Die Fehleraufgaben wurden nicht gespeichert: Es ist kein Benutzer "
                               "mit eigener Fehlerdatei ausgewählt.\r\n")
                + keptNote);
    const QString cannotWrite = QStringLiteral("Die Fehleraufgaben konnten nicht in der Datei ")
            + fileName
            + QStringLiteral(" gespeichert werden. Vielleicht ist der Ordner "
                             "schreibgeschützt oder der Datenträger voll.\r\n");

    // Two lines a task: the task text, then its answer.
    QStringList added;
    const qsizetype n = qMin(tasks.size(), answers.size());
    for (qsizetype i = 0; i < n; ++i) {
        if (!TextFile::canStore(tasks.at(i)) || !TextFile::canStore(answers.at(i)))
            return fail(
                    QStringLiteral("Die Fehleraufgaben konnten nicht in der Datei ") + fileName
                    + QStringLiteral(" gespeichert werden: Eine Aufgabe enthält Zeichen, die die "
                                     "Datei nicht aufnehmen kann.\r\n")
                    + keptNote);
        added << tasks.at(i) << answers.at(i);
    }

    // A hand-edited file may end in a task without its answer line. It gets an empty one (such a
    // task is passed over in practice), so that every task added now is followed by its own answer
    // when the file is read back, and nothing that was in the file is lost.
    const TextFile::FileKind kind = TextFile::kind(fileName);
    if (kind == TextFile::FileKind::Other)
        return fail(cannotWrite + keptNote);
    if (kind == TextFile::FileKind::Regular) {
        qsizetype lines = 0;
        if (!TextFile::forEachLine(fileName, [&lines](QString&&) { ++lines; }))
            return fail(cannotWrite + keptNote);
        if (lines % 2 != 0)
            added.prepend(QString());
    }

    // All or nothing: a full disk or a broken write never leaves half a task behind.
    if (!TextFile::appendLines(fileName, added))
        return fail(cannotWrite + keptNote);
    return true;
}

bool read(const QString& fileName, QStringList* tasks, QStringList* answers)
{
    tasks->clear();
    answers->clear();
    if (fileName.isEmpty())
        return false;
    bool task = true;
    const bool read = TextFile::forEachLine(fileName, [&](QString&& line) {
        (task ? tasks : answers)->append(std::move(line));
        task = !task;
    });
    if (!read) {
        tasks->clear();
        answers->clear();
        return false;
    }
    // A last line without its answer line is left out, so the lists keep equal lengths.
    if (tasks->size() > answers->size())
        tasks->removeLast();
    return true;
}

} // namespace ErrorFile
