#pragma once

#include <QString>
#include <QStringList>

// A child's error file: "ZIFTORA." and the user's number in three digits (ZIFTORA.007), two lines
// per task (the task text, then its expected answer), Windows-1252, CR LF. The program only
// appends to it and reads it whole.
namespace ErrorFile {

// The file name of user number n, or "" when n names no error file of its own (below 0, above 999).
QString name(int userNumber);

// Appends the tasks with their answers. False with *error set (German) when nothing could be
// written.
bool append(const QString& fileName, const QStringList& tasks, const QStringList& answers,
            QString* error);

// Reads the whole file into tasks and answers; a last line without an answer line is left out.
// False (and both lists empty) when the file is missing or unreadable.
bool read(const QString& fileName, QStringList* tasks, QStringList* answers);

} // namespace ErrorFile
