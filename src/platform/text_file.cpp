#include "platform/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QSet>
#include <QStringDecoder>

#include <array>

namespace TextFile {
namespace {

// The code page's characters for 0x80-0x9F, where it differs from Latin-1. Five bytes (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) have no character in the code page; they stand for the control character of
// the same number, so a file holding them still reads back and writes out unchanged.
constexpr std::array<char16_t, 32> kHighBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

struct CodePage {
    std::array<char16_t, 256> toChar{};
    QHash<char16_t, uchar> toByte; // only the characters that are not their own byte
};

CodePage BuildCodePage()
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

const CodePage& Page()
{
    static const CodePage page = BuildCodePage();
    return page;
}

// The byte for one character, or -1 when the code page has none.
int ByteOf(char16_t c)
{
    const CodePage& page = Page();
    if (c < 256 && page.toChar[c] == c)
        return c;
    const auto it = page.toByte.constFind(c);
    return it == page.toByte.cend() ? -1 : int(it.value());
}

QString Shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// The whole content of each line, CR LF after every one; false (with *bad the first character
// that cannot be stored) when a line holds such a character.
bool EncodeLines(const QStringList& lines, QByteArray* data, QString* bad)
{
    for (const QString& line : lines) {
        for (qsizetype i = 0; i < line.size(); ++i) {
            const int b = ByteOf(line.at(i).unicode());
            if (b < 0) {
                const bool pair = line.at(i).isHighSurrogate() && i + 1 < line.size()
                                  && line.at(i + 1).isLowSurrogate();
                *bad = line.mid(i, pair ? 2 : 1);
                return false;
            }
            data->append(char(b));
        }
        data->append("\r\n", 2);
    }
    return true;
}

void SetError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

bool ReadAll(const QString& path, QString* text)
{
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    *text = Decode(bytes);
    return true;
}

void AppendFieldsOfLine(const QString& line, QStringList* fields)
{
    qsizetype i = 0;
    const qsizetype n = line.size();
    for (;;) {
        while (i < n && (line.at(i) == u' ' || line.at(i) == u'\t'))
            ++i;
        qsizetype comma;
        if (i < n && line.at(i) == u'"') {
            const qsizetype close = line.indexOf(u'"', i + 1);
            if (close < 0) { // never closed: the field runs to the end of the line
                fields->append(line.mid(i + 1));
                return;
            }
            fields->append(line.mid(i + 1, close - i - 1));
            // Whatever stands between the closing quote and the next comma is skipped.
            comma = line.indexOf(u',', close + 1);
        } else {
            comma = line.indexOf(u',', i);
            fields->append(line.mid(i, comma < 0 ? -1 : comma - i));
        }
        if (comma < 0)
            return;
        i = comma + 1; // a comma always opens one more field, even at the end of the line
    }
}

} // namespace

QString Decode(const QByteArray& bytes)
{
    const CodePage& page = Page();
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = QChar(page.toChar[uchar(bytes.at(i))]);
    return text;
}

QByteArray Encode(const QString& text, bool* ok)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    bool all = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = ByteOf(text.at(i).unicode());
        if (b >= 0) {
            bytes.append(char(b));
            continue;
        }
        all = false;
        bytes.append('?'); // one mark for a character outside the code page
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
    }
    if (ok)
        *ok = all;
    return bytes;
}

bool CanStore(const QString& text)
{
    for (const QChar c : text)
        if (ByteOf(c.unicode()) < 0)
            return false;
    return true;
}

QStringList SplitLines(const QString& contents)
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

QStringList SplitFields(const QString& contents)
{
    QStringList fields;
    for (const QString& line : SplitLines(contents))
        AppendFieldsOfLine(line, &fields);
    return fields;
}

bool ReadLines(const QString& path, QStringList* lines)
{
    QString text;
    if (!ReadAll(path, &text)) {
        lines->clear();
        return false;
    }
    *lines = SplitLines(text);
    return true;
}

bool ReadFields(const QString& path, QStringList* fields)
{
    QString text;
    if (!ReadAll(path, &text)) {
        fields->clear();
        return false;
    }
    *fields = SplitFields(text);
    return true;
}

bool ReadFirstField(const QString& path, QString* field)
{
    QStringList fields;
    if (!ReadFields(path, &fields) || fields.isEmpty()) {
        field->clear();
        return false;
    }
    *field = fields.first();
    return true;
}

bool ReplaceLines(const QString& path, const QStringList& lines, QString* error)
{
    QByteArray data;
    QString bad;
    if (!EncodeLines(lines, &data, &bad)) {
        SetError(error, QStringLiteral("Die Datei %1 wurde nicht geschrieben: Das Zeichen „%2“ "
                                       "kann darin nicht gespeichert werden.")
                            .arg(Shown(path), bad));
        return false;
    }
    const QString failed = QStringLiteral("Die Datei %1 konnte nicht geschrieben werden.").arg(Shown(path));

    // A file someone has made read-only stays as it is, even where the directory would let a
    // new file take its place.
    const QFileInfo existing(path);
    if (existing.exists() && existing.isFile() && !existing.isWritable()) {
        SetError(error, failed);
        return false;
    }

    // The new content goes to a temporary file beside the old one and takes its place only when it
    // is complete, so a failure at any step leaves the old file whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size()) {
        file.cancelWriting();
        SetError(error, failed);
        return false;
    }
    if (!file.commit()) {
        SetError(error, failed);
        return false;
    }
    return true;
}

bool AppendLines(const QString& path, const QStringList& lines, QString* error)
{
    QByteArray data;
    QString bad;
    if (!EncodeLines(lines, &data, &bad)) {
        SetError(error, QStringLiteral("Die Datei %1 wurde nicht ergänzt: Das Zeichen „%2“ "
                                       "kann darin nicht gespeichert werden.")
                            .arg(Shown(path), bad));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(data) != data.size()
        || !file.flush()) {
        SetError(error, QStringLiteral("Die Datei %1 konnte nicht ergänzt werden.").arg(Shown(path)));
        return false;
    }
    file.close();
    return true;
}

FileKind Kind(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return FileKind::Absent;
    return info.isFile() ? FileKind::Regular : FileKind::Other;
}

bool ForEachLine(const QString& path, const std::function<void(QString&&)>& each)
{
    QStringList lines;
    if (!ReadLines(path, &lines))
        return false;
    for (QString& l : lines)
        each(std::move(l));
    return true;
}

bool ForEachField(const QString& path, const std::function<void(QString&&)>& each)
{
    QStringList fields;
    if (!ReadFields(path, &fields))
        return false;
    for (QString& f : fields)
        each(std::move(f));
    return true;
}

int RemoveLeftoverCopies(const QString&)
{
    return 0;
}

} // namespace TextFile
