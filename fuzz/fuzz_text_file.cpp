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

void check(bool condition)
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
    check(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("ZIFTORA.DAT"));
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    {
        QFile file(path);
        check(file.open(QIODevice::WriteOnly | QIODevice::Truncate)
              && file.write(bytes) == bytes.size());
    }

    // Every byte has a character, and back.
    const QString text = TextFile::decode(bytes);
    bool ok = false;
    check(TextFile::encode(text, &ok) == bytes && ok && TextFile::canStore(text));

    QByteArray read;
    check(TextFile::readBytes(path, &read) && read == bytes);

    // List and streaming readers agree with splitting the decoded text.
    QStringList lines, fields, streamed;
    check(TextFile::readLines(path, &lines) && lines == TextFile::splitLines(text));
    check(TextFile::forEachLine(path, [&](QString&& line) { streamed.append(line); })
          && streamed == lines);
    check(TextFile::readFields(path, &fields) && fields == TextFile::splitFields(text));
    streamed.clear();
    check(TextFile::forEachField(path, [&](QString&& field) { streamed.append(field); })
          && streamed == fields);
    QString first;
    check(TextFile::readFirstField(path, &first) == !fields.isEmpty() && first == fields.value(0));

    // No line holds a line ending; every line has at least one field.
    for (const QString& line : lines)
        check(!line.contains(u'\r') && !line.contains(u'\n'));
    check(fields.size() >= lines.size());

    // Written back, the lines read the same and every line ends in CR LF.
    QString error;
    check(TextFile::replaceLines(path, lines, &error));
    QStringList again;
    check(TextFile::readLines(path, &again) && again == lines);
    QByteArray written;
    check(TextFile::readBytes(path, &written));
    check(written.count("\r\n") == lines.size());
    return 0;
}
