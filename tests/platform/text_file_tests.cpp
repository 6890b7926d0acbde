// The data files and the settings value: bytes on disk, lines, fields, special files, full disks.
#include "full_disk.h"
#include "platform/clock.h"
#include "platform/file_lock.h"
#include "platform/settings_value.h"
#include "platform/text_file.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <future>

using TextFile::FileKind;

namespace {
constexpr int None = -99999; // a reward interval that gives no value
QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : "<unreadable>";
}
void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}
QStringList folderEntries(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden
                               | QDir::System);
}
// Makes the name as "dir", "fifo", "file" or "link:<target>" ("link:names.txt": to a file beside
// it).
void makeAt(const QString& how, const QString& path)
{
    if (how == u"file" || how == u"link:names.txt")
        writeBytes(how == u"file" ? path : QFileInfo(path).dir().filePath("names.txt"), "Anna\r\n");
    QVERIFY(how == u"dir"            ? QDir().mkdir(path)
                    : how == u"fifo" ? ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0
                                     : !how.startsWith(u"link:") || QFile::link(how.mid(5), path));
}
} // namespace

class TextFileTests : public QObject {
    Q_OBJECT
    QTemporaryDir dir_; // shared by all tests; one that needs an empty folder makes its own

private slots:
    void codePage_data()
    { // every byte round trips, an unstorable character is one "?", the order agrees with Encode
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("storable");
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all += char(b);
        QTest::newRow("every byte") << TextFile::decode(all) << all << true;
        QTest::newRow("greek") << QStringLiteral("Ωmega") << QByteArray("?mega") << false;
        QTest::newRow("latin-1 stand-in is not euro")
                << QStringLiteral("\u0080") << QByteArray("?") << false;
        QTest::newRow("emoji is one mark")
                << QStringLiteral("a\U0001F600b") << QByteArray("a?b") << false;
    }
    void codePage()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, storable);
        bool ok = !storable;
        QCOMPARE(TextFile::encode(text, &ok), bytes);
        QCOMPARE(QList<bool>({ ok, TextFile::canStore(text), TextFile::decode(bytes) == text }),
                 QList<bool>(3, storable));
        QStringList words{ "", "a", "ab", "?b", "a?", "\u20AC1", text };
        for (const QChar c : text)
            words << QString(c);
        for (const QString& x : words)
            for (const QString& y : words)
                QVERIFY2(TextFile::lessInCodePage(x, y)
                                 == (TextFile::encode(x) < TextFile::encode(y)),
                         qPrintable(x + " < " + y));
    }

    void split_data()
    {
        QTest::addColumn<QString>("contents");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("fields");
        const QString mib(1024 * 1024 - 1, u'x'); // the file readers take 1 MiB at a time
        const auto row = [](const char* name, const QString& c, const QStringList& l,
                            const QStringList& f) { QTest::newRow(name) << c << l << f; };
        row("empty file", "", {}, {});
        row("cr lf, empty lines and fields", "\r\n,a,,\r\n\r\nb\r\n", { "", ",a,,", "", "b" },
            { "", "", "a", "", "", "", "b" });
        row("lone cr, lone lf", "a\rb\nc\n", { "a", "b", "c" }, { "a", "b", "c" });
        row("lf cr is two endings, no last ending", "a\n\rb", { "a", "", "b" }, { "a", "", "b" });
        row("code page", "\u20AC\u00E4 \u00B7,x", { "\u20AC\u00E4 \u00B7,x" },
            { "\u20AC\u00E4 \u00B7", "x" });
        row("blanks dropped in front only", " 15 - 7 ,\t 8 \r\n   ", { " 15 - 7 ,\t 8 ", "   " },
            { "15 - 7 ", "8 ", "" });
        row("quotes", "\"1,5\",\"\",\"a\" junk,b\"c\",\"d,e\nf",
            { "\"1,5\",\"\",\"a\" junk,b\"c\",\"d,e", "f" },
            { "1,5", "", "a", "b\"c\"", "d,e", "f" });
        row("cr lf across a reading piece", mib + "\r\ny", { mib, "y" }, { mib, "y" });
        row("lone cr at the end of a piece", mib + "\ry\r", { mib, "y" }, { mib, "y" });
    }
    void split()
    { // through a file too, where list and streaming readers must agree with the row
        QFETCH(QString, contents);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, fields);
        const QString path = dir_.filePath("ZIFTORA.DAT");
        writeBytes(path, TextFile::encode(contents));
        QList<QStringList> got{ TextFile::splitLines(contents),
                                TextFile::splitFields(contents),
                                { "stale" },
                                { "stale" },
                                {},
                                {} };
        QString first = "stale"; // an empty file has no first field
        QVERIFY(TextFile::readLines(path, &got[2]) && TextFile::readFields(path, &got[3])
                && TextFile::forEachLine(path, [&](QString&& l) { got[4] << l; })
                && TextFile::forEachField(path, [&](QString&& f) { got[5] << f; }));
        QCOMPARE(got, (QList<QStringList>{ lines, fields, lines, fields, lines, fields }));
        QCOMPARE(TextFile::readFirstField(path, &first), !fields.isEmpty());
        QCOMPARE(first, fields.value(0));
    }

    void specialFiles_data()
    { // reads false, never blocking; anything but a missing or regular file is refused and kept
        QTest::addColumn<QString>("make");
        QTest::addColumn<FileKind>("kind");
        QTest::newRow("missing") << "" << FileKind::Absent;
        QTest::newRow("link to a regular file") << "link:names.txt" << FileKind::Regular;
        QTest::newRow("directory") << "dir" << FileKind::Other;
        QTest::newRow("named pipe") << "fifo" << FileKind::Other;
        QTest::newRow("link to a device") << "link:/dev/zero" << FileKind::Other;
        QTest::newRow("link leading nowhere") << "link:/nonexistent/ZIFTORA.INI" << FileKind::Other;
    }
    void specialFiles()
    {
        QFETCH(QString, make);
        QFETCH(FileKind, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath("ZIFTORA.INI");
        makeAt(make, path);
        QCOMPARE(TextFile::kind(path), kind);
        const auto describe = [&] { // what stands at the name, links not followed
            return QStringList{ QFileInfo(path).symLinkTarget(),
                                QFileInfo(path).isFile() ? "file" : "other" }
            + folderEntries(dir.path());
        };
        const QStringList before = describe();
        auto reads = std::async(
                std::launch::async, [path] { // a reader stuck on the pipe is set free below
                    QStringList lines{ "stale" }, fields{ "stale" };
                    QString first = "stale";
                    QByteArray bytes = "stale";
                    int calls = 0;
                    const bool any = TextFile::readLines(path, &lines)
                            || TextFile::readFields(path, &fields)
                            || TextFile::readFirstField(path, &first)
                            || TextFile::readBytes(path, &bytes)
                            || TextFile::forEachLine(path, [&](QString&&) { ++calls; })
                            || TextFile::forEachField(path, [&](QString&&) { ++calls; });
                    return !any && lines.isEmpty() && fields.isEmpty() && first.isEmpty()
                            && bytes.isEmpty() && !calls;
                });
        bool blocked = false;
        while (reads.wait_for(std::chrono::milliseconds(blocked ? 50 : 10000))
               == std::future_status::timeout)
            blocked = true,
            ::close(::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK));
        QVERIFY2(!blocked, "a reader opened the named pipe and waited");
        QCOMPARE(reads.get(), kind != FileKind::Regular);
        QString e[3];
        const bool appended = TextFile::appendLines(path, {}, &e[0])
                && QFile::exists(path); // even with nothing to add
        QCOMPARE(appended, kind != FileKind::Other);
        if (appended) {
            QVERIFY(TextFile::appendLines(path, { " 7 + 5 = ?", "12" })
                    && TextFile::appendLines(path, { "ä · ü" }));
            QCOMPARE(fileBytes(path),
                     (make.isEmpty() ? "" : "Anna\r\n")
                             + QByteArray(" 7 + 5 = ?\r\n12\r\n\xE4 \xB7 \xFC\r\n"));
            QVERIFY(TextFile::replaceLines(path, {}) && fileBytes(path).isEmpty());
            QCOMPARE(QFileInfo(path).symLinkTarget(), before[0]);
            return;
        }
        QVERIFY(!TextFile::replaceLines(path, { "Ben" }, &e[1])
                && !TextFile::replaceBytes(path, "Ben\r\n", &e[2]));
        QVERIFY2(QStringList(e, e + 3).filter("ZIFTORA.INI").size() == 3,
                 qPrintable(e[0] + e[1] + e[2]));
        QCOMPARE(describe(), before);
    }

    void failedWriteKeepsOldFile_data()
    { // byte for byte, not a short file from a buffered save; no copy left
        QTest::addColumn<QString>("call");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("leaveFree"); // bytes left on a small full disk; -1: no full disk
        QTest::newRow("replace: unstorable character")
                << "ReplaceLines" << QStringList{ "neu", "Ω" } << -1;
        QTest::newRow("append: unstorable character")
                << "AppendLines" << QStringList{ "gut", "Ω" } << -1;
        QStringList tasks; // 11 KB of tasks: more than a nearly full disk takes, less than a write
                           // buffer
        for (int i = 0; i < 600; ++i)
            tasks << QStringLiteral("%1 · 7 = ?").arg(i) << QString::number(i * 7);
        for (const char* call : { "ReplaceLines", "ReplaceBytes", "AppendLines" })
            for (int leaveFree : { 0, 4096 })
                QTest::addRow("%s: %d bytes free", call, leaveFree) << call << tasks << leaveFree;
        QTest::newRow("AppendLines: room enough") << "AppendLines" << tasks << 65536;
    }
    void failedWriteKeepsOldFile()
    {
        QFETCH(QString, call);
        QFETCH(QStringList, lines);
        QFETCH(int, leaveFree);
        FullDisk disk;
        if (leaveFree >= 0 && !disk.isReady())
            QSKIP(qPrintable(disk.reason()));
        const QString folder = leaveFree >= 0 ? disk.path() : dir_.path(),
                      path = folder + "/ZIFTORA.007";
        const QByteArray old = QByteArray("12 : 4 = ?\r\n3\r\n")
                                       .repeated(713)
                                       .chopped(2); // last line without ending
        writeBytes(path, old);
        QVERIFY2(leaveFree < 0 || disk.fill(leaveFree), qPrintable(disk.reason()));
        const QStringList entries = folderEntries(folder);
        const QByteArray added = TextFile::encode(lines.join("\r\n") + "\r\n");
        QString error;
        const bool ok = call == u"ReplaceLines" ? TextFile::replaceLines(path, lines, &error)
                : call == u"ReplaceBytes"       ? TextFile::replaceBytes(path, added, &error)
                                                : TextFile::appendLines(path, lines, &error);
        QCOMPARE(ok, leaveFree > 4096);
        QCOMPARE(folderEntries(folder), entries); // no temporary copy left behind
        QCOMPARE(fileBytes(path), ok ? old + "\r\n" + added : old);
        QVERIFY2(ok || error.contains("ZIFTORA.007"), qPrintable(error));
    }

    void leftoverCopies()
    { // only old regular files named like a safe replacement's temporary copy go; a young copy may
      // be another computer's save in progress
        const QStringList copies{ "ZIFTORA.INI.aAzZ09",       "ZIFTORA.INF.ZZZZZZ",
                                  "ZIFTORA.DAT.000000",       "ZIFTORA.042.xY9zQ0",
                                  "ZIFTORA.H09AF3C2E.a1B2c3", "ZIFTORA.time.q7Lm2X" };
        for (const QString& name : copies
                     + QStringList{ "ZIFTORA.INI", "ZIFTORA.INI.a1B2c", "ZIFTORA.INI.a1B2c3d",
                                    "ZIFTORA.INI.-1B2c3", "ZIFTORA.INI.a1{2`3",
                                    "ZIFTORA.TXT.a1B2c3", "ZIFTORA.0X2.a1B2c3",
                                    "ZIFTORA.INI_a1B2c3", "ziftora.INI.a1B2c3", "ZIFTORA.H09AF3C2E",
                                    "ZIFTORA.H09AF3C2.a1B2c3", "ZIFTORA.H09aF3C2E.a1B2c3",
                                    "ZIFTORA.G09AF3C2E.a1B2c3", "ZIFTORA.0420.a1B2c3",
                                    "ZIFTORA.TIME.q7Lm2X" })
            makeAt("file", dir_.filePath(name));
        makeAt("dir", dir_.filePath("ZIFTORA.INF.dir000"));
        makeAt("link:names.txt", dir_.filePath("ZIFTORA.DAT.lnk000"));
        const QDateTime old = QDateTime::currentDateTime().addMSecs(-StaleLockMs - 5000);
        for (const QString& name : folderEntries(dir_.path())) {
            QFile entry(dir_.filePath(name));
            QVERIFY(!QFileInfo(entry).isFile()
                    || (entry.open(QIODevice::ReadWrite)
                        && entry.setFileTime(old, QFileDevice::FileModificationTime)));
        }
        makeAt("file", dir_.filePath("ZIFTORA.INI.young0"));
        QStringList entries = folderEntries(dir_.path());
        SystemClock clock;
        QCOMPARE(TextFile::removeLeftoverCopies(dir_.path(), clock), copies.size());
        for (const QString& name : copies)
            entries.removeOne(name);
        QCOMPARE(folderEntries(dir_.path()), entries);
    }

    void rewardInterval_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        for (const auto& [text, value] :
             std::initializer_list<std::pair<const char*, int>>{ { " 20 ", 20 },
                                                                 { "20.5", 20 },
                                                                 { "21.5", 22 },
                                                                 { "-3.5", -4 },
                                                                 { "20.51", 21 },
                                                                 { "32767.4", 32767 },
                                                                 { "32767.5", None },
                                                                 { "-32768.5", -32768 },
                                                                 { "-32769", None },
                                                                 { "", None },
                                                                 { "20abc", None },
                                                                 { "1,500", None },
                                                                 { "nan", None } })
            QTest::newRow(text) << QString(text) << value;
    }
    void rewardInterval()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        const std::optional<qint16> got = parseRewardInterval(text);
        QCOMPARE(got ? int(*got) : None, value);
    }
};

QTEST_GUILESS_MAIN(TextFileTests)
#include "text_file_tests.moc"