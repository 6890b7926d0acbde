#include "platform/text_file.h"

#include "platform/file_lock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <utility>

#if defined(Q_OS_WIN)
#  include <io.h>
#else
#  include <cerrno>
#  include <unistd.h>
#endif

namespace TextFile {
namespace {

// The code page's characters for 0x80-0x9F, where it differs from Latin-1. Five bytes (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) have no character in the code page; they stand for the control character of
// the same number, so a file holding them still reads back and writes out unchanged.
constexpr std::array<char16_t, 32> kHighBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

struct CodePage {
    std::array<char16_t, 256> toChar{};
    QHash<char16_t, uchar> toByte; // only the characters that are not their own byte
};

CodePage buildCodePage()
{
    std::array<char16_t, 256> chars{};
    for (int b = 0; b < 256; ++b)
        chars[b] = (b >= 0x80 && b < 0xA0) ? kHighBlock[b - 0x80] : char16_t(b);

    // The system's codec has the last word where it knows a byte; a byte it does not know (the
    // replacement character, or more than one character) keeps the table's value.
    if (QStringDecoder("windows-1252").isValid()) {
        std::array<char16_t, 256> fromCodec = chars;
        for (int b = 0; b < 256; ++b) {
            QStringDecoder one("windows-1252");
            const char byte = char(b);
            const QString s = one.decode(QByteArrayView(&byte, 1));
            if (s.size() == 1 && s.at(0) != QChar::ReplacementCharacter && !one.hasError())
                fromCodec[b] = s.at(0).unicode();
        }
        // Only a table in which every byte has a character of its own can round-trip.
        QSet<char16_t> seen;
        for (char16_t c : fromCodec)
            seen.insert(c);
        if (seen.size() == 256)
            chars = fromCodec;
    }

    CodePage page;
    page.toChar = chars;
    for (int b = 0; b < 256; ++b)
        if (chars[b] != char16_t(b))
            page.toByte.insert(chars[b], uchar(b));
    return page;
}

const CodePage& codePage()
{
    static const CodePage page = buildCodePage();
    return page;
}

// The byte for one character, or -1 when the code page has none.
int byteOf(char16_t c)
{
    const CodePage& page = codePage();
    if (c < 256 && page.toChar[c] == c)
        return c;
    const auto it = page.toByte.constFind(c);
    return it == page.toByte.cend() ? -1 : int(it.value());
}

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// The character at `at` as the code page stores it: its byte, or -1 when the code page has none,
// and how many code units it takes (a pair of surrogates is one character).
struct Encoded {
    int byte;
    qsizetype length;
};
Encoded encodedAt(QStringView text, qsizetype at)
{
    const QChar c = text.at(at);
    const int b = byteOf(c.unicode());
    const bool pair = b < 0 && c.isHighSurrogate() && at + 1 < text.size()
            && text.at(at + 1).isLowSurrogate();
    return { b, pair ? 2 : 1 };
}

// The whole content of each line, CR LF after every one; false (with *bad the first character
// that cannot be stored) when a line holds such a character.
bool encodeLines(const QStringList& lines, QByteArray* data, QString* bad)
{
    for (const QString& line : lines) {
        for (qsizetype i = 0; i < line.size();) {
            const Encoded e = encodedAt(line, i);
            if (e.byte < 0) {
                *bad = line.mid(i, e.length);
                return false;
            }
            data->append(char(e.byte));
            i += e.length;
        }
        data->append("\r\n", 2);
    }
    return true;
}

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

// Hands the fields of one line to each(QString&&), which returns false to stop. Every step moves
// forward, so a line of nothing but commas or quotes costs time in proportion to its length.
template<typename Each>
bool fieldsOfLine(const QString& line, Each&& each)
{
    qsizetype i = 0;
    const qsizetype n = line.size();
    for (;;) {
        while (i < n && (line.at(i) == u' ' || line.at(i) == u'\t'))
            ++i;
        qsizetype comma;
        if (i < n && line.at(i) == u'"') {
            const qsizetype close = line.indexOf(u'"', i + 1);
            if (close < 0) // never closed: the field runs to the end of the line
                return each(line.mid(i + 1));
            if (!each(line.mid(i + 1, close - i - 1)))
                return false;
            // Whatever stands between the closing quote and the next comma is skipped.
            comma = line.indexOf(u',', close + 1);
        } else {
            comma = line.indexOf(u',', i);
            if (!each(line.mid(i, comma < 0 ? -1 : comma - i)))
                return false;
        }
        if (comma < 0)
            return true;
        i = comma + 1; // a comma always opens one more field, even at the end of the line
    }
}

// Opens a data file for reading, or refuses: only a regular file within the size limit. The kind
// is looked at before opening because opening a named pipe would wait for a writer forever.
bool openForReading(const QString& path, QFile* file)
{
    if (kind(path) != FileKind::Regular)
        return false;
    file->setFileName(path);
    if (!file->open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    // Something swapped in between looking and opening shows here: a device reads sequentially.
    return !file->isSequential() && file->size() <= MaxReadBytes;
}

// Reads the file piece by piece into take(const char*, qsizetype), which returns false when it
// has seen enough. False when the file cannot be read or grows past the limit while being read.
template<typename Take>
bool readPieces(const QString& path, Take&& take)
{
    QFile file;
    if (!openForReading(path, &file))
        return false;
    constexpr qsizetype kPiece = 1 << 20; // the tests cut a line ending apart at this size
    QByteArray piece(qMin<qint64>(kPiece, file.size() + 1), Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        const qint64 got = file.read(piece.data(), piece.size());
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        total += got;
        if (total > MaxReadBytes)
            return false;
        if (!take(piece.constData(), qsizetype(got)))
            return true;
    }
}

// Reads the file line by line by splitLines' rules into each(QString&&), which returns false to
// stop. A CR LF may be cut apart between two pieces; the LF then still belongs to the CR.
template<typename Each>
bool scanLines(const QString& path, Each&& each)
{
    QByteArray line;
    bool afterCr = false;
    bool stopped = false;
    const bool read = readPieces(path, [&](const char* p, qsizetype n) {
        qsizetype i = 0;
        if (afterCr && p[0] == '\n')
            ++i;
        afterCr = false;
        while (i < n) {
            qsizetype end = i;
            while (end < n && p[end] != '\r' && p[end] != '\n')
                ++end;
            line.append(p + i, end - i);
            if (end == n)
                break;
            if (!each(decode(line))) {
                stopped = true;
                return false;
            }
            line.resize(0); // keeps its capacity for the next line
            if (p[end] == '\r') {
                if (end + 1 == n)
                    afterCr = true;
                else if (p[end + 1] == '\n')
                    ++end;
            }
            i = end + 1;
        }
        return true;
    });
    if (read && !stopped && !line.isEmpty())
        each(decode(line)); // a last line without an ending
    return read;
}

bool encoded(const QStringList& lines, const QString& path, const QString& refusal,
             QByteArray* data, QString* error)
{
    QString bad;
    if (encodeLines(lines, data, &bad))
        return true;
    setError(error, refusal.arg(shown(path), bad));
    return false;
}

// Tells the disk to store what the file holds so far; only then is the data known to be there.
bool syncToDisk(QFileDevice& file)
{
#if defined(Q_OS_WIN)
    return _commit(file.handle()) == 0;
#else
    int result;
    do
        result = ::fsync(file.handle());
    while (result != 0 && errno == EINTR);
    return result == 0;
#endif
}

// The safe replacement behind every write; `failed` is the message when it does not succeed.
bool writeWhole(const QString& path, const QByteArray& data, const QString& failed, QString* error)
{
    // Something other than a regular file at the name is left where it is: replacing it would
    // throw away a folder or a link, and writing into it could block (a named pipe) or go nowhere.
    // A file someone has made read-only stays as it is too, even where the directory would let a
    // new file take its place.
    const FileKind standing = kind(path);
    if (standing == FileKind::Other
        || (standing == FileKind::Regular && !QFileInfo(path).isWritable())) {
        setError(error, failed);
        return false;
    }
    // QSaveFile writes a temporary copy beside the file (beside the target for a link, which so
    // stays a link) and puts it in the file's place in one step. Unbuffered, every write reaches
    // the system at once and a full disk shows in its result; buffered, the bytes would only be
    // written during commit(), which then replaces the old file with a short copy all the same.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(data) != data.size()
        || !syncToDisk(file)) {
        file.cancelWriting();
        setError(error, failed);
        return false;
    }
    if (!file.commit()) { // the copy is gone again when commit() fails
        setError(error, failed);
        return false;
    }
    return true;
}

// "ZIFTORA." + INI, INF, DAT, three digits or "H" and eight hexadecimal digits (a child's
// history) + "." + six letters or digits: the name QSaveFile gives the temporary copy of one of
// the program's files.
bool isLeftoverName(const QString& name)
{
    static const QString prefix = QStringLiteral("ZIFTORA.");
    if (!name.startsWith(prefix))
        return false;
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    const auto hexDigit = [&](QChar c) { return digit(c) || (c >= u'A' && c <= u'F'); };
    const qsizetype dot = name.indexOf(u'.', prefix.size());
    if (dot < 0)
        return false;
    const QStringView kind = QStringView(name).sliced(prefix.size(), dot - prefix.size());
    // "time": the probe a program writes to read the share's clock, which a share may refuse to
    // remove at once.
    const bool ownKind = kind == u"INI" || kind == u"INF" || kind == u"DAT" || kind == u"time"
            || (kind.size() == 3 && std::all_of(kind.begin(), kind.end(), digit))
            || (kind.size() == 9 && kind.front() == u'H'
                && std::all_of(kind.begin() + 1, kind.end(), hexDigit));
    if (!ownKind || name.size() != dot + 1 + 6)
        return false;
    for (qsizetype i = name.size() - 6; i < name.size(); ++i) {
        const QChar c = name.at(i);
        if (!digit(c) && !(c >= u'a' && c <= u'z') && !(c >= u'A' && c <= u'Z'))
            return false;
    }
    return true;
}

const QString kReplaceRefused = QStringLiteral("Die Datei %1 wurde nicht geschrieben: Das Zeichen "
                                               "„%2“ kann darin nicht gespeichert werden.");
const QString kAppendRefused = QStringLiteral(
        "Die Datei %1 wurde nicht ergänzt: Das Zeichen „%2“ kann darin nicht gespeichert werden.");

QString replaceFailed(const QString& path)
{
    return QStringLiteral("Die Datei %1 konnte nicht geschrieben werden.").arg(shown(path));
}
} // namespace

QString decode(const QByteArray& bytes)
{
    const CodePage& page = codePage();
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = QChar(page.toChar[uchar(bytes.at(i))]);
    return text;
}

QByteArray encode(const QString& text, bool* ok)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    bool all = true;
    for (qsizetype i = 0; i < text.size();) {
        const Encoded e = encodedAt(text, i);
        all = all && e.byte >= 0;
        bytes.append(e.byte >= 0 ? char(e.byte) : '?'); // one mark for a character outside
        i += e.length;
    }
    if (ok)
        *ok = all;
    return bytes;
}

bool lessInCodePage(QStringView a, QStringView b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    // Compared as encode() writes them: a character outside the code page as "?".
    while (i < a.size() && j < b.size()) {
        const Encoded x = encodedAt(a, i);
        const Encoded y = encodedAt(b, j);
        const int bx = x.byte >= 0 ? x.byte : '?';
        const int by = y.byte >= 0 ? y.byte : '?';
        if (bx != by)
            return bx < by;
        i += x.length;
        j += y.length;
    }
    return i >= a.size() && j < b.size();
}

bool canStore(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (encodedAt(text, i).byte < 0)
            return false;
    return true;
}

QStringList splitLines(const QString& contents)
{
    QStringList lines;
    const qsizetype n = contents.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = contents.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(contents.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && contents.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(contents.mid(start));
    return lines;
}

QStringList splitFields(const QString& contents)
{
    QStringList fields;
    for (const QString& line : splitLines(contents))
        fieldsOfLine(line, [&fields](QString&& field) {
            fields.append(std::move(field));
            return true;
        });
    return fields;
}

FileKind kind(const QString& path)
{
    const QFileInfo info(path); // isFile() and exists() follow links, isSymLink() does not
    if (info.isFile())
        return FileKind::Regular;
    if (info.exists() || info.isSymLink())
        return FileKind::Other;
    return FileKind::Absent;
}

bool readBytes(const QString& path, QByteArray* bytes)
{
    QByteArray all;
    const bool read = readPieces(path, [&all](const char* p, qsizetype n) {
        all.append(p, n);
        return true;
    });
    *bytes = read ? std::move(all) : QByteArray();
    return read;
}

bool forEachLine(const QString& path, const std::function<void(QString&&)>& each)
{
    return scanLines(path, [&each](QString&& line) {
        each(std::move(line));
        return true;
    });
}

bool forEachField(const QString& path, const std::function<void(QString&&)>& each)
{
    return scanLines(path, [&each](QString&& line) {
        return fieldsOfLine(line, [&each](QString&& field) {
            each(std::move(field));
            return true;
        });
    });
}

bool readLines(const QString& path, QStringList* lines)
{
    lines->clear();
    const bool read =
            forEachLine(path, [lines](QString&& line) { lines->append(std::move(line)); });
    if (!read)
        lines->clear();
    return read;
}

bool readFields(const QString& path, QStringList* fields)
{
    fields->clear();
    const bool read =
            forEachField(path, [fields](QString&& field) { fields->append(std::move(field)); });
    if (!read)
        fields->clear();
    return read;
}

bool readFirstField(const QString& path, QString* field)
{
    bool found = false;
    field->clear();
    const bool read = scanLines(path, [&](QString&& line) {
        fieldsOfLine(line, [&](QString&& first) {
            *field = std::move(first);
            return false;
        });
        found = true; // every line, even an empty one, has a first field
        return false;
    });
    if (!read || !found) {
        field->clear();
        return false;
    }
    return true;
}

bool replaceBytes(const QString& path, const QByteArray& data, QString* error)
{
    return writeWhole(path, data, replaceFailed(path), error);
}

bool replaceLines(const QString& path, const QStringList& lines, QString* error)
{
    QByteArray data;
    return encoded(lines, path, kReplaceRefused, &data, error) && replaceBytes(path, data, error);
}

bool appendLines(const QString& path, const QStringList& lines, QString* error)
{
    QByteArray added;
    if (!encoded(lines, path, kAppendRefused, &added, error))
        return false;
    const QString failed =
            QStringLiteral("Die Datei %1 konnte nicht ergänzt werden.").arg(shown(path));
    // The old content and the new lines go out together as a new file: appending in place could
    // leave half a line on a full disk, and a half line would pair every later task with the
    // wrong answer.
    QByteArray data; // a special file at the name is refused by writeWhole
    if (kind(path) == FileKind::Regular && !readBytes(path, &data)) {
        setError(error, failed);
        return false;
    }
    if (!added.isEmpty() && !data.isEmpty() && !data.endsWith('\n') && !data.endsWith('\r'))
        data += "\r\n";
    data += added;
    return writeWhole(path, data, failed, error);
}

bool isLeftoverCopy(const QString& name, const QDateTime& stamp, const QDateTime& folderNow)
{
    return isLeftoverName(name) && isStale(stamp, folderNow);
}

int removeLeftoverCopies(const QString& folder, const Clock& clock)
{
    int removed = 0;
    const QDir dir(folder);
    const QFileInfoList entries =
            dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    QDateTime folderNow; // read only when a name fits, since it costs a file on the server
    for (const QFileInfo& entry : entries) {
        if (!isLeftoverName(entry.fileName()) || !entry.isFile() || entry.isSymLink())
            continue;
        if (!folderNow.isValid())
            folderNow = FolderTime::now(folder, clock, true);
        if (isLeftoverCopy(entry.fileName(), entry.lastModified(), folderNow)
            && QFile::remove(entry.filePath()))
            ++removed;
    }
    return removed;
}

} // namespace TextFile
