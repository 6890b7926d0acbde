#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// The program's data files: plain text in the Windows western code page (Windows-1252), every
// line ended by carriage return and line feed, named by their bare name in the working directory.
// Every function reports failure to its caller instead of throwing; nothing here shows a dialog.
namespace TextFile {

// Windows-1252 <-> text. Every one of the 256 bytes decodes to a character and encodes back to the
// same byte (the five bytes the code page leaves undefined stand for U+0081, U+008D, U+008F,
// U+0090 and U+009D). Encode() writes "?" for a character the code page cannot store and then
// sets *ok to false.
QString Decode(const QByteArray& bytes);
QByteArray Encode(const QString& text, bool* ok = nullptr);
bool CanStore(const QString& text);

// Splits file contents into lines; a line ends at CR LF, a lone CR or a lone LF. A last line
// without an ending still counts; an empty file has no lines.
QStringList SplitLines(const QString& contents);

// Splits file contents into comma-separated fields: a field ends at a comma or a line end,
// blanks (spaces and tabs) at its start are dropped, and a field in double quotes is taken without
// them (commas inside the quotes belong to the field; anything between the closing quote and the
// next comma is skipped; a quote never closed runs to the line end). Blanks at a field's end stay.
// An empty line is one empty field, and a comma at the end of a line opens one more, empty field.
QStringList SplitFields(const QString& contents);

// Reading a whole file. False when the file is missing, is a directory or cannot be read; the
// result is then empty. ReadFirstField is also false for a file without any field (an empty file).
bool ReadLines(const QString& path, QStringList* lines);
bool ReadFields(const QString& path, QStringList* fields);
bool ReadFirstField(const QString& path, QString* field);

// Replaces the file whole, atomically: the lines go to a temporary file that takes the old file's
// place only once complete, so a failure leaves the old file as it was. Each entry becomes one line
// ended by CR LF. False with *error set (German, naming the file, ready for a message box) when the
// file cannot be written, is read-only, or an entry holds a character the code page cannot store
// (then nothing is written at all).
bool ReplaceLines(const QString& path, const QStringList& lines, QString* error = nullptr);

// Appends lines at the end of the file, creating it when missing (even with no lines). All or
// nothing for characters the code page cannot store; *error as for ReplaceLines.
bool AppendLines(const QString& path, const QStringList& lines, QString* error = nullptr);

enum class FileKind { Absent, Regular, Other };
FileKind Kind(const QString& path);
bool ForEachLine(const QString& path, const std::function<void(QString&&)>& each);
bool ForEachField(const QString& path, const std::function<void(QString&&)>& each);
int RemoveLeftoverCopies(const QString& folder);

} // namespace TextFile
