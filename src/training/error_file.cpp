#include "training/error_file.h"

#include "platform/text_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace ErrorFile {

QString Name(int userNumber)
{
    // Three digits give users 0 to 999 a file each; any other number would have to borrow
    // another child's file, so it gets none.
    if (userNumber < 0 || userNumber > 999)
        return QString();
    return QStringLiteral("ZIFTORA.") + QStringLiteral("%1").arg(userNumber, 3, 10, QLatin1Char('0'));
}

bool Append(const QString& fileName, const QStringList& tasks, const QStringList& answers, QString* error)
{
    const auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    const QString keptNote = QStringLiteral("Die Fehleraufgaben bleiben in der Fehlerliste.");
    if (fileName.isEmpty())
        return fail(QStringLiteral("Die Fehleraufgaben wurden nicht gespeichert: Es ist kein Benutzer "
                                   "mit eigener Fehlerdatei ausgewählt.\r\n")
                    + keptNote);
    const QString cannotWrite = QStringLiteral("Die Fehleraufgaben konnten nicht in der Datei ")
                                + fileName
                                + QStringLiteral(" gespeichert werden. Vielleicht ist der Ordner "
                                                 "schreibgeschützt oder der Datenträger voll.\r\n");

    // Two lines a task: the task text, then its answer.
    QByteArray added;
    const qsizetype n = qMin(tasks.size(), answers.size());
    for (qsizetype i = 0; i < n; ++i) {
        bool taskOk = true;
        bool answerOk = true;
        added += TextFile::Encode(tasks.at(i), &taskOk) + "\r\n";
        added += TextFile::Encode(answers.at(i), &answerOk) + "\r\n";
        if (!taskOk || !answerOk)
            return fail(QStringLiteral("Die Fehleraufgaben konnten nicht in der Datei ") + fileName
                        + QStringLiteral(" gespeichert werden: Eine Aufgabe enthält Zeichen, die die "
                                         "Datei nicht aufnehmen kann.\r\n")
                        + keptNote);
    }

    // The file is read as it stands and written anew together with the new lines, through a
    // temporary file: a full disk or a broken write never leaves half a task behind, which would
    // pair every later task with the wrong answer.
    QByteArray old;
    const QFileInfo info(fileName);
    if (info.exists()) {
        QFile in(fileName);
        if (info.isDir() || !in.open(QIODevice::ReadOnly))
            return fail(cannotWrite + keptNote);
        old = in.readAll();
        if (in.error() != QFileDevice::NoError)
            return fail(cannotWrite + keptNote);
        // A last line without its ending gets one, so the new task starts on a line of its own.
        if (!old.isEmpty() && !old.endsWith('\n') && !old.endsWith('\r'))
            old += "\r\n";
    }

    QSaveFile out(fileName);
    if (!out.open(QIODevice::WriteOnly))
        return fail(cannotWrite + keptNote);
    if (out.write(old) != old.size() || out.write(added) != added.size()) {
        out.cancelWriting();
        return fail(cannotWrite + keptNote);
    }
    if (!out.commit())
        return fail(cannotWrite + keptNote);
    return true;
}

bool Read(const QString& fileName, QStringList* tasks, QStringList* answers)
{
    tasks->clear();
    answers->clear();
    QStringList lines;
    if (fileName.isEmpty() || QFileInfo(fileName).isDir() || !TextFile::ReadLines(fileName, &lines))
        return false;
    // A last line without its answer line is left out, so the lists keep equal lengths.
    for (qsizetype i = 0; i + 1 < lines.size(); i += 2) {
        tasks->append(lines.at(i));
        answers->append(lines.at(i + 1));
    }
    return true;
}

} // namespace ErrorFile
