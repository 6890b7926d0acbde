// ZIFTORA.* files as they may come from anywhere: whatever the bytes, reading them must not crash,
// every reader must tell the same story, and a file written back must hold the same bytes.
#include "platform/text_file.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // One folder for the whole run, in memory where there is one: every input is written and
    // synced, and syncing to a real disk would slow the run down a hundredfold.
    static QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                     ? QStringLiteral("/dev/shm/ziftora-fuzz-XXXXXX")
                                     : QDir::tempPath() + QStringLiteral("/ziftora-fuzz-XXXXXX"));
    Check(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("ZIFTORA.DAT"));
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    {
        QFile file(path);
        Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate)
              && file.write(bytes) == bytes.size());
    }

    // Every byte has a character, and back.
    const QString text = TextFile::Decode(bytes);
    bool ok = false;
    Check(TextFile::Encode(text, &ok) == bytes && ok && TextFile::CanStore(text));

    QByteArray read;
    Check(TextFile::ReadBytes(path, &read) && read == bytes);

    // List and streaming readers agree with splitting the decoded text.
    QStringList lines, fields, streamed;
    Check(TextFile::ReadLines(path, &lines) && lines == TextFile::SplitLines(text));
    Check(TextFile::ForEachLine(path, [&](QString&& line) { streamed.append(line); })
          && streamed == lines);
    Check(TextFile::ReadFields(path, &fields) && fields == TextFile::SplitFields(text));
    streamed.clear();
    Check(TextFile::ForEachField(path, [&](QString&& field) { streamed.append(field); })
          && streamed == fields);
    QString first;
    Check(TextFile::ReadFirstField(path, &first) == !fields.isEmpty() && first == fields.value(0));

    // No line holds a line ending; every line has at least one field.
    for (const QString& line : lines)
        Check(!line.contains(u'\r') && !line.contains(u'\n'));
    Check(fields.size() >= lines.size());

    // Written back, the lines read the same and every line ends in CR LF.
    QString error;
    Check(TextFile::ReplaceLines(path, lines, &error));
    QStringList again;
    Check(TextFile::ReadLines(path, &again) && again == lines);
    QByteArray written;
    Check(TextFile::ReadBytes(path, &written));
    Check(written.count("\r\n") == lines.size());
    return 0;
}
