#include "models/history_file.h"

#include "engine/task_engine.h"
#include "platform/text_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QtEndian>

#include <array>
#include <charconv>
#include <cstring>
#include <string_view>

namespace HistoryFile {

namespace {

// Every line but the name is plain ASCII, save the middle dot of times (the byte 0xB7), so lines
// are read and written as bytes; only the name goes through the code page.
constexpr QByteArrayView VersionPrefix = "Ziftora Lernstand ";
constexpr QByteArrayView NamePrefix = "Kind ";
constexpr char OperationSigns[] = "?+-\xB7:"; // by operation number, 0 = not known
constexpr char SourceLetters[] = "TFP"; // by CheckedAnswer::Source

// The name as it stands in the file: backslashes, control characters and characters the code
// page cannot store are written as "\" and four hexadecimal digits, so every name comes back as
// it was.
QString escapedName(const QString& name)
{
    QString out;
    out.reserve(name.size());
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u < 0x20 || (u >= 0x7F && u <= 0x9F) || !TextFile::canStore(QString(c)))
            out += QStringLiteral("\\%1").arg(uint(u), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    return u >= u'0' && u <= u'9'    ? u - u'0'
            : u >= u'a' && u <= u'f' ? u - u'a' + 10
            : u >= u'A' && u <= u'F' ? u - u'A' + 10
                                     : -1;
}

// Reverses escapedName; a backslash not followed by four hexadecimal digits stands for itself.
QString unescapedName(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        int value = 0;
        int digits = 0;
        if (text.at(i) == u'\\')
            for (; digits < 4 && i + 1 + digits < text.size(); ++digits) {
                const int d = hexDigit(text.at(i + 1 + digits));
                if (d < 0)
                    break;
                value = value * 16 + d;
            }
        if (digits == 4) {
            out += QChar(char16_t(value));
            i += 4;
        } else {
            out += text.at(i);
        }
    }
    return out;
}

std::string_view text(QByteArrayView bytes)
{
    return std::string_view(bytes.data(), size_t(bytes.size()));
}

// A whole number of 1 to 16 digits; -1 for anything else.
qint64 number(QByteArrayView text)
{
    if (text.isEmpty() || text.size() > 16)
        return -1;
    qint64 value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

qint64 count(QByteArrayView text)
{
    const qint64 n = number(text);
    return n <= Tally::MaxCount ? n : -1;
}

// "2026-11-30"
QDate dayOf(QByteArrayView text)
{
    if (text.size() != 10 || text.at(4) != '-' || text.at(7) != '-')
        return {};
    const qint64 year = number(text.first(4));
    const qint64 month = number(text.sliced(5, 2));
    const qint64 day = number(text.sliced(8, 2));
    return year > 0 ? QDate(int(year), int(month), int(day)) : QDate();
}

// "2026-W49"
IsoWeek weekOf(QByteArrayView text)
{
    if (text.size() != 8 || text.at(4) != '-' || text.at(5) != 'W')
        return {};
    const IsoWeek week{ int(number(text.first(4))), int(number(text.sliced(6))) };
    return week.year > 0 && week.monday().isValid() ? week : IsoWeek{};
}

// The index of a one-character field in `characters`, or -1.
int indexIn(const char* characters, QByteArrayView field)
{
    if (field.size() != 1)
        return -1;
    const char* found = std::strchr(characters, field.at(0));
    return found && field.at(0) ? int(found - characters) : -1;
}

// "A" day operation type level source right wrong milliseconds
void readDayLine(const std::array<QByteArrayView, 9>& f, ChildHistory* history)
{
    DayKey key;
    key.day = dayOf(f[1]);
    const int operation = indexIn(OperationSigns, f[2]);
    const int source = indexIn(SourceLetters, f[5]);
    const qint64 type = number(f[3]);
    const qint64 level = number(f[4]);
    const qsizetype types = operation > 0 ? taskTypeEntries(Operation(operation)).size() : 0;
    const Tally tally{ count(f[6]), count(f[7]), count(f[8]) };
    if (!key.day.isValid() || operation < 0 || source < 0 || type < 0 || type > types || level < 0
        || level > 5 || tally.right < 0 || tally.wrong < 0 || tally.answeringMs < 0
        || tally.answers() == 0)
        return;
    key.operation = operation;
    key.taskType = int(type);
    key.level = int(level);
    key.source = CheckedAnswer::Source(source);
    history->days[key].add(tally);
}

// "E" week a b right wrong
void readFactLine(const std::array<QByteArrayView, 9>& f, ChildHistory* history)
{
    const auto factor = [](QByteArrayView text) {
        return text.size() <= 2 ? int(number(text)) : -1;
    };
    const FactKey key{ weekOf(f[1]), { factor(f[2]), factor(f[3]) } };
    const Tally tally{ count(f[4]), count(f[5]), 0 };
    if (key.week.year == 0 || key.fact.a < 1 || key.fact.a > 10 || key.fact.b < 1 || key.fact.b > 10
        || tally.right < 0 || tally.wrong < 0 || tally.answers() == 0)
        return;
    history->facts[key].add(tally);
}

// Splits a line at blanks (several count as one) into at most the array's fields; the number of
// fields, or one more than fit when there are more.
qsizetype splitFields(QByteArrayView line, std::array<QByteArrayView, 9>* fields)
{
    qsizetype n = 0;
    for (qsizetype i = 0; i < line.size();) {
        if (line.at(i) == ' ') {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < line.size() && line.at(end) != ' ')
            ++end;
        if (n == qsizetype(fields->size()))
            return n + 1;
        (*fields)[n++] = line.sliced(i, end - i);
        i = end;
    }
    return n;
}

// The next line of `data` from *at, by the rules of every data file: it ends at CR LF, a lone CR
// or a lone LF; a last line without an ending counts. *at moves past the line's ending.
QByteArrayView nextLine(QByteArrayView data, qsizetype* at)
{
    const qsizetype start = *at;
    qsizetype end = start;
    while (end < data.size() && data.at(end) != '\r' && data.at(end) != '\n')
        ++end;
    *at = end + (end + 1 < data.size() && data.at(end) == '\r' && data.at(end + 1) == '\n' ? 2 : 1);
    return data.sliced(start, end - start);
}

void appendNumber(QByteArray& out, qint64 value, int width = 0)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    if (end - digits < width)
        out.append(width - (end - digits), '0');
    out.append(digits, end - digits);
}

} // namespace

QByteArray bytes(const ChildHistory& history)
{
    QByteArray out;
    out.reserve(64 + history.name.size() + 34 * qsizetype(history.days.size())
                + 20 * qsizetype(history.facts.size()));
    out += VersionPrefix;
    appendNumber(out, Version);
    out += "\r\n";
    out += NamePrefix;
    out += TextFile::encode(escapedName(history.name));
    out += "\r\n";
    for (const auto& [key, tally] : history.days) {
        int year, month, day;
        key.day.getDate(&year, &month, &day);
        out += "A ";
        appendNumber(out, year, 4);
        out += '-';
        appendNumber(out, month, 2);
        out += '-';
        appendNumber(out, day, 2);
        out += ' ';
        out += OperationSigns[key.operation];
        out += ' ';
        appendNumber(out, key.taskType);
        out += ' ';
        appendNumber(out, key.level);
        out += ' ';
        out += SourceLetters[int(key.source)];
        out += ' ';
        appendNumber(out, tally.right);
        out += ' ';
        appendNumber(out, tally.wrong);
        out += ' ';
        appendNumber(out, tally.answeringMs);
        out += "\r\n";
    }
    for (const auto& [key, tally] : history.facts) {
        out += "E ";
        appendNumber(out, key.week.year, 4);
        out += "-W";
        appendNumber(out, key.week.week, 2);
        out += ' ';
        appendNumber(out, key.fact.a);
        out += ' ';
        appendNumber(out, key.fact.b);
        out += ' ';
        appendNumber(out, tally.right);
        out += ' ';
        appendNumber(out, tally.wrong);
        out += "\r\n";
    }
    return out;
}

Content parse(const QByteArray& bytes, ChildHistory* history)
{
    *history = ChildHistory();
    qsizetype at = 0;
    const QByteArrayView first = nextLine(bytes, &at);
    const qint64 version =
            first.startsWith(VersionPrefix) ? number(first.sliced(VersionPrefix.size())) : -1;
    if (bytes.isEmpty() || version < 1)
        return Content::Foreign;
    bool named = false;
    std::array<QByteArrayView, 9> fields;
    while (at < bytes.size()) {
        const QByteArrayView line = nextLine(bytes, &at);
        if (!named && (line.startsWith(NamePrefix) || text(line) == "Kind")) {
            const QByteArrayView name = line.sliced(std::min(NamePrefix.size(), line.size()));
            history->name = unescapedName(TextFile::decode(name.toByteArray()));
            named = true;
            continue;
        }
        const qsizetype n = splitFields(line, &fields);
        if (n == 9 && text(fields[0]) == "A")
            readDayLine(fields, history);
        else if (n == 6 && text(fields[0]) == "E")
            readFactLine(fields, history);
    }
    if (!named) {
        *history = ChildHistory();
        return Content::Foreign;
    }
    return version == Version ? Content::History : Content::Newer;
}

QString fileName(const QString& childName, int probe)
{
    const QByteArray hash =
            QCryptographicHash::hash(childName.toUtf8(), QCryptographicHash::Sha256);
    const quint32 number = qFromBigEndian<quint32>(hash.constData()) + quint32(probe);
    return QStringLiteral("ZIFTORA.H%1").arg(number, 8, 16, QLatin1Char('0')).toUpper();
}

QString locate(const QString& folder, const QString& childName)
{
    const QDir dir(folder);
    for (int probe = 0; probe < MaxProbes; ++probe) {
        const QString path = dir.filePath(fileName(childName, probe));
        switch (TextFile::kind(path)) {
        case TextFile::FileKind::Absent:
            return path;
        case TextFile::FileKind::Other:
            continue;
        case TextFile::FileKind::Regular:
            break;
        }
        QByteArray data;
        if (!TextFile::readBytes(path, &data))
            return QString();
        ChildHistory found;
        if (parse(data, &found) != Content::Foreign && found.name == childName)
            return path;
    }
    return QString();
}

bool read(const QString& path, const QString& childName, Snapshot* file)
{
    *file = Snapshot();
    file->history.name = childName;
    if (TextFile::kind(path) == TextFile::FileKind::Absent)
        return true;
    const Content content = TextFile::readBytes(path, &file->bytes)
            ? parse(file->bytes, &file->history)
            : Content::Foreign;
    if (content == Content::Foreign || file->history.name != childName) {
        *file = Snapshot();
        file->history.name = childName;
        return false;
    }
    if (content == Content::Newer)
        file->bytes.clear(); // never a base for writing
    return true;
}

bool addToFile(const QString& path, const ChildHistory& pending, Snapshot* file, bool* reread)
{
    QByteArray data;
    const TextFile::FileKind kind = TextFile::kind(path);
    if (kind != TextFile::FileKind::Absent && !TextFile::readBytes(path, &data))
        return false;
    // Parsed again only when someone else has written it since it was last read or written here.
    const bool known =
            kind != TextFile::FileKind::Absent && !file->bytes.isEmpty() && data == file->bytes;
    if (reread)
        *reread = !known;
    // From here the snapshot no longer matches the file until the new bytes are in it.
    file->bytes.clear();
    if (kind == TextFile::FileKind::Absent) {
        file->history = ChildHistory();
        file->history.name = pending.name;
    } else if (!known
               && (parse(data, &file->history) != Content::History
                   || file->history.name != pending.name)) {
        return false;
    }
    file->history.add(pending);
    QByteArray written = bytes(file->history);
    if (!TextFile::replaceBytes(path, written))
        return false;
    file->bytes = std::move(written);
    return true;
}

} // namespace HistoryFile
