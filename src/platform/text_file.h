#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <functional>

class Clock;

// The program's data files: plain text in the Windows western code page (Windows-1252), every
// line ended by carriage return and line feed, named by their bare name in the working directory.
// Every function reports failure to its caller instead of throwing; nothing here shows a dialog.
//
// A data file is a regular file or absent. Anything else standing at its name -- a directory, a
// named pipe, a device, a socket, a link that leads nowhere -- is neither read nor written nor
// replaced: reading it fails at once (a named pipe is never opened, since opening one waits for a
// writer that never comes) and writing it fails with a message, leaving it where it is. A link to
// a regular file is followed: reading reads the file it leads to, writing replaces that file's
// content and keeps the link.
namespace TextFile {

// Windows-1252 <-> text. Every one of the 256 bytes decodes to a character and encodes back to the
// same byte (the five bytes the code page leaves undefined stand for U+0081, U+008D, U+008F,
// U+0090 and U+009D). Encode() writes "?" for a character the code page cannot store and then
// sets *ok to false.
QString decode(const QByteArray& bytes);
QByteArray encode(const QString& text, bool* ok = nullptr);
bool canStore(const QString& text);
// Encode(a) < Encode(b), without making the bytes: the order of the code page's bytes.
bool lessInCodePage(QStringView a, QStringView b);

// Splits file contents into lines; a line ends at CR LF, a lone CR or a lone LF. A last line
// without an ending still counts; an empty file has no lines.
QStringList splitLines(const QString& contents);

// Splits file contents into comma-separated fields: a field ends at a comma or a line end,
// blanks (spaces and tabs) at its start are dropped, and a field in double quotes is taken without
// them (commas inside the quotes belong to the field; anything between the closing quote and the
// next comma is skipped; a quote never closed runs to the line end). Blanks at a field's end stay.
// An empty line is one empty field, and a comma at the end of a line opens one more, empty field.
QStringList splitFields(const QString& contents);

// What stands at a path, links followed: nothing (Absent), a regular file (Regular), or something
// that is not a data file (Other: directory, named pipe, device, socket, a link leading nowhere).
// Lets a caller tell a missing file, which it may create, from one it must not touch.
enum class FileKind { Absent, Regular, Other };
FileKind kind(const QString& path);

// The largest file any reader takes in: 256 MiB. A larger file counts as unreadable, so a huge
// file put in the folder by mistake cannot use up the computer's memory. Real data files hold a
// few kilobytes.
inline constexpr qint64 MaxReadBytes = qint64(256) * 1024 * 1024;

// Reading. Every reader is false when the file is absent, is not a regular file, is larger than
// MaxReadBytes or cannot be read; the result is then empty.
bool readBytes(const QString& path, QByteArray* bytes);
bool readLines(const QString& path, QStringList* lines);
bool readFields(const QString& path, QStringList* fields);
// Also false for a file without any field (an empty file). Reads only as far as the first line.
bool readFirstField(const QString& path, QString* field);

// Streaming readers for files of any size up to MaxReadBytes: each line (or field) is handed over
// as soon as it is read, split by the same rules as splitLines (splitFields), so memory grows
// with the longest line, not with the file. False as for readLines; when reading breaks off in
// the middle, `each` may already have seen the lines before.
bool forEachLine(const QString& path, const std::function<void(QString&&)>& each);
bool forEachField(const QString& path, const std::function<void(QString&&)>& each);

// Replaces the file whole, safely: the bytes go to a temporary copy beside it that is written,
// flushed and synced to the disk, and only then takes the old file's place in one step. Any failure
// -- a full disk, a file or folder that is read-only, a special file at the name -- leaves the
// old file byte for byte as it was and no temporary copy behind, and gives false with *error set
// (German, naming the file, ready for a message box). A missing file is created.
bool replaceBytes(const QString& path, const QByteArray& data, QString* error = nullptr);

// replaceBytes with each entry as one line ended by CR LF. Also false when an entry holds a
// character the code page cannot store (then nothing is written at all).
bool replaceLines(const QString& path, const QStringList& lines, QString* error = nullptr);

// Appends lines at the end of the file, creating it when missing (even with no lines). When the
// old content's last line lacks its ending, CR LF is added first, so the new lines start on a line
// of their own. All or nothing: the old content and the new lines are written together through
// replaceBytes, so a full disk never leaves half a line. Fails like replaceLines; a file the
// readers cannot read (over MaxReadBytes, say) is not appended to either.
bool appendLines(const QString& path, const QStringList& lines, QString* error = nullptr);

// The temporary copies that a safe replacement leaves behind only when the program is killed at
// the moment of replacing: regular files named "ZIFTORA." + (INI, INF, DAT, three digits, or "H"
// and eight hexadecimal digits) + "." + six letters or digits, e.g. "ZIFTORA.INI.a1B2c3" or
// "ZIFTORA.H3F2A91C0.a1B2c3", whose last change (`stamp`, a time of the
// folder's computer) is stale at `folderNow` as a lock would be (isStale). A younger copy may be
// a save in progress on another computer that shares the folder: its program writes it and then
// puts it in place within milliseconds.
bool isLeftoverCopy(const QString& name, const QDateTime& stamp, const QDateTime& folderNow);

// Removes the leftover copies in the folder (isLeftoverCopy, measured against the folder's time)
// and nothing else -- not the data files, not other names, not directories or links. Returns how
// many were removed. Called at start, before any data file is read.
int removeLeftoverCopies(const QString& folder, const Clock& clock);

} // namespace TextFile
