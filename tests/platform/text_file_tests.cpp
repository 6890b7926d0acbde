// The data files and the settings value: bytes on disk, lines, fields, special files, full disks.
#include "full_disk.h"
#include "platform/settings_value.h"
#include "platform/text_file.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <memory>
#include <optional>

using TextFile::FileKind;

namespace {

QByteArray FileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

// What stands at a name, links not followed: a write that replaced it shows here.
QString Describe(const QString& path)
{
    const QFileInfo i(path);
    return QStringLiteral("link %1 to '%2', file %3, dir %4").arg(i.isSymLink()).arg(i.symLinkTarget()).arg(i.isFile()).arg(i.isDir());
}

// Makes the name as "dir", "fifo", "file" or "link:<target>" (a bare target name: a file beside it).
void Make(const QString& how, const QString& path)
{
    if (how == u"dir")
        QVERIFY(QDir().mkdir(path));
    else if (how == u"fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (how == u"file" || (how.startsWith(u"link:") && !how.contains(u'/')))
        WriteBytes(how == u"file" ? path : QFileInfo(path).dir().filePath(how.mid(5)), "Anna\r\n");
    if (how.startsWith(u"link:"))
        QVERIFY(QFile::link(how.mid(5), path));
}

} // namespace

class TextFileTests : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir_;
    QString Path(const QString& name) const { return dir_->filePath(name); }

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>(); // every test and row starts in an empty directory
        QVERIFY(dir_->isValid());
    }

    void everyByteRoundTrips()
    {
        QByteArray bytes;
        for (int b = 0; b < 256; ++b)
            bytes.append(char(b));
        const QString text = TextFile::Decode(bytes);
        bool ok = false;
        QCOMPARE(TextFile::Encode(text, &ok), bytes);
        QVERIFY(ok);
        // Two bytes must never read as the same character, or one of them could not be written back.
        for (int i = 0; i < 256; ++i)
            QCOMPARE(text.indexOf(text.at(i)), i);
        // Every byte but the two that end lines, as one line written over a longer file (which must
        // leave no tail behind) and read back; then no lines at all.
        bytes.remove(0x0D, 1).remove(0x0A, 1);
        const QString path = Path(QStringLiteral("ZIFTORA.DAT"));
        WriteBytes(path, QByteArray(300, 'x'));
        QVERIFY(TextFile::ReplaceLines(path, {TextFile::Decode(bytes), QString()}));
        QCOMPARE(FileBytes(path), bytes + "\r\n\r\n");
        QStringList lines;
        QVERIFY(TextFile::ReadLines(path, &lines));
        QCOMPARE(lines, (QStringList{TextFile::Decode(bytes), QString()}));
        QVERIFY(TextFile::ReplaceLines(path, {}));
        QCOMPARE(FileBytes(path), QByteArray());
    }

    void codePage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("storable");
        QTest::newRow("middle dot of times tasks") << QStringLiteral("\u00B7") << QByteArray("\xB7") << true;
        QTest::newRow("euro") << QStringLiteral("\u20AC") << QByteArray("\x80") << true;
        QTest::newRow("capital y with diaeresis") << QStringLiteral("\u0178") << QByteArray("\x9F") << true;
        QTest::newRow("a umlaut") << QStringLiteral("\u00E4") << QByteArray("\xE4") << true;
        for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
            QTest::addRow("undefined 0x%X", b) << QString(QChar(b)) << QByteArray(1, char(b)) << true;
        QTest::newRow("greek") << QStringLiteral("Ωmega") << QByteArray("?mega") << false;
        QTest::newRow("latin-1 control stand-in is not euro") << QStringLiteral("\u0080") << QByteArray("?") << false;
        QTest::newRow("emoji is one mark") << QStringLiteral("a\U0001F600b") << QByteArray("a?b") << false;
        QTest::newRow("cjk") << QStringLiteral("3 \u4E00") << QByteArray("3 ?") << false;
    }

    void codePage()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, storable);
        bool ok = !storable;
        QCOMPARE(TextFile::Encode(text, &ok), bytes);
        QCOMPARE(ok, storable);
        QCOMPARE(TextFile::CanStore(text), storable);
        if (storable)
            QCOMPARE(TextFile::Decode(bytes), text);
    }

    void split_data()
    {
        QTest::addColumn<QString>("contents");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("empty file") << QString() << QStringList{} << QStringList{};
        QTest::newRow("cr lf") << "a\r\nb\r\n" << QStringList{"a", "b"} << QStringList{"a", "b"};
        QTest::newRow("lone cr") << "a\rb\r" << QStringList{"a", "b"} << QStringList{"a", "b"};
        QTest::newRow("lone lf") << "a\nb\n" << QStringList{"a", "b"} << QStringList{"a", "b"};
        QTest::newRow("last line without ending") << "a\r\nb" << QStringList{"a", "b"} << QStringList{"a", "b"};
        QTest::newRow("empty lines are empty fields") << "\r\na\r\n\r\n\r\nb\r\n" << QStringList{"", "a", "", "", "b"} << QStringList{"", "a", "", "", "b"};
        QTest::newRow("lf cr is two endings") << "a\n\rb" << QStringList{"a", "", "b"} << QStringList{"a", "", "b"};
        QTest::newRow("only an ending") << "\r\n" << QStringList{""} << QStringList{""};
        QTest::newRow("blanks dropped in front only") << " 15 - 7 ,\t 8 \r\n" << QStringList{" 15 - 7 ,\t 8 "} << QStringList{"15 - 7 ", "8 "};
        QTest::newRow("blank line is one field") << "   \r\n" << QStringList{"   "} << QStringList{""};
        QTest::newRow("empty fields") << ",a,,\r\n" << QStringList{",a,,"} << QStringList{"", "a", "", ""};
        QTest::newRow("quotes removed") << "\"a b\"" << QStringList{"\"a b\""} << QStringList{"a b"};
        QTest::newRow("quoted comma") << " \"1,5\",2" << QStringList{" \"1,5\",2"} << QStringList{"1,5", "2"};
        QTest::newRow("empty quotes") << "\"\",x" << QStringList{"\"\",x"} << QStringList{"", "x"};
        QTest::newRow("after closing quote skipped") << "\"a\" junk,b" << QStringList{"\"a\" junk,b"} << QStringList{"a", "b"};
        QTest::newRow("unclosed quote ends at line end") << "\"a,b\r\nc" << QStringList{"\"a,b", "c"} << QStringList{"a,b", "c"};
        QTest::newRow("quote inside a field stays") << "a\"b\",c" << QStringList{"a\"b\",c"} << QStringList{"a\"b\"", "c"};
        // The file readers take 1 MiB at a time: a line ending cut apart there is still one ending.
        const QString mib(1024 * 1024 - 1, u'x');
        QTest::newRow("cr lf across a reading piece") << mib + "\r\ny" << QStringList{mib, "y"} << QStringList{mib, "y"};
        QTest::newRow("lone cr at the end of a piece") << mib + "\ry\r" << QStringList{mib, "y"} << QStringList{mib, "y"};
    }

    // Each row also goes through a file, where list and streaming readers must agree with it.
    void split()
    {
        QFETCH(QString, contents);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, fields);
        QCOMPARE(TextFile::SplitLines(contents), lines);
        QCOMPARE(TextFile::SplitFields(contents), fields);
        const QString path = Path(QStringLiteral("ZIFTORA.DAT"));
        WriteBytes(path, TextFile::Encode(contents));
        QStringList gotLines{"stale"}, gotFields{"stale"}, streamedLines, streamedFields;
        QVERIFY(TextFile::ReadLines(path, &gotLines));
        QVERIFY(TextFile::ReadFields(path, &gotFields));
        QVERIFY(TextFile::ForEachLine(path, [&](QString&& line) { streamedLines.append(line); }));
        QVERIFY(TextFile::ForEachField(path, [&](QString&& field) { streamedFields.append(field); }));
        QCOMPARE(gotLines, lines);
        QCOMPARE(streamedLines, lines);
        QCOMPARE(gotFields, fields);
        QCOMPARE(streamedFields, fields);
        QString first = QStringLiteral("stale"); // an empty file has no first field
        QCOMPARE(TextFile::ReadFirstField(path, &first), !fields.isEmpty());
        QCOMPARE(first, fields.value(0));
    }

    void specialFiles_data()
    {
        QTest::addColumn<QString>("make");
        QTest::addColumn<FileKind>("kind");
        QTest::newRow("missing") << QString() << FileKind::Absent;
        QTest::newRow("regular file") << "file" << FileKind::Regular;
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
        const QString path = Path(QStringLiteral("ZIFTORA.INI"));
        Make(make, path);
        QCOMPARE(TextFile::Kind(path), kind);
        const QString before = Describe(path);
        if (kind == FileKind::Regular) { // read and written through a link, which stays one
            QVERIFY(TextFile::AppendLines(path, {QStringLiteral("Ben")}));
            QStringList lines;
            QVERIFY(TextFile::ReadLines(path, &lines));
            QCOMPARE(lines, (QStringList{"Anna", "Ben"}));
            QCOMPARE(Describe(path), before);
            return;
        }
        // The readers run in a thread of their own: one that opened the pipe would wait for a
        // writer, so after a while the test becomes that writer to set it free, and fails.
        auto reads = std::async(std::launch::async, [path] {
            QStringList lines{"stale"}, fields{"stale"};
            QString first = QStringLiteral("stale");
            QByteArray bytes = "stale";
            int calls = 0;
            const bool any = TextFile::ReadLines(path, &lines) || TextFile::ReadFields(path, &fields)
                             || TextFile::ReadFirstField(path, &first) || TextFile::ReadBytes(path, &bytes)
                             || TextFile::ForEachLine(path, [&](QString&&) { ++calls; })
                             || TextFile::ForEachField(path, [&](QString&&) { ++calls; });
            return !any && lines.isEmpty() && fields.isEmpty() && first.isEmpty() && bytes.isEmpty() && !calls;
        });
        if (reads.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
            while (reads.wait_for(std::chrono::milliseconds(50)) == std::future_status::timeout)
                ::close(::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK));
            QFAIL("a reader opened the named pipe and waited");
        }
        QVERIFY(reads.get());
        if (kind == FileKind::Absent)
            return;
        const QStringList entries = Entries(dir_->path());
        QString errors[3];
        QVERIFY(!TextFile::ReplaceLines(path, {QStringLiteral("Ben")}, &errors[0]));
        QVERIFY(!TextFile::ReplaceBytes(path, "Ben\r\n", &errors[1]));
        QVERIFY(!TextFile::AppendLines(path, {QStringLiteral("Ben")}, &errors[2]));
        for (const QString& error : errors)
            QVERIFY2(error.contains(QStringLiteral("ZIFTORA.INI")), qPrintable(error));
        QCOMPARE(Describe(path), before);
        QCOMPARE(Entries(dir_->path()), entries);
    }

    void failedWriteKeepsOldFile_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<int>("leaveFree"); // bytes left on a small full disk; -1: a folder, -2: read-only
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("written");
        QTest::newRow("replace: unstorable character") << "ReplaceLines" << -1 << QStringList{"neu", "Ω"} << false;
        QTest::newRow("append: unstorable character") << "AppendLines" << -1 << QStringList{"gut", "Ω"} << false;
        QTest::newRow("replace: read-only folder") << "ReplaceLines" << -2 << QStringList{"neu"} << false;
        QStringList tasks; // 11 KB of tasks: more than a nearly full disk takes, less than a write buffer
        for (int i = 0; i < 600; ++i)
            tasks << QStringLiteral("%1 · 7 = ?").arg(i) << QString::number(i * 7);
        for (const char* call : {"ReplaceLines", "ReplaceBytes", "AppendLines"}) {
            QTest::addRow("%s: full disk", call) << call << 0 << tasks << false;
            QTest::addRow("%s: nearly full disk", call) << call << 4096 << tasks << false;
            QTest::addRow("%s: room enough", call) << call << 65536 << tasks << true;
        }
    }

    void failedWriteKeepsOldFile()
    {
        QFETCH(QString, call);
        QFETCH(int, leaveFree);
        QFETCH(QStringList, lines);
        QFETCH(bool, written);
        std::unique_ptr<FullDisk> disk;
        if (leaveFree >= 0 && !(disk = std::make_unique<FullDisk>())->isReady())
            QSKIP(qPrintable(disk->reason()));
        const QString folder = disk ? disk->path() : dir_->path();
        const QString path = folder + QStringLiteral("/ZIFTORA.007");
        QByteArray old; // an error file of 10.7 KB whose last line lacks its ending
        while (old.size() < 10700)
            old += "12 : 4 = ?\r\n3\r\n";
        old.chop(2);
        WriteBytes(path, old);
        if (disk)
            QVERIFY2(disk->fill(leaveFree), qPrintable(disk->reason()));
        const QStringList entries = Entries(folder);
        const auto folderMode = [&](QFileDevice::Permissions extra) {
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner | extra);
        };
        if (leaveFree == -2)
            folderMode({});
        if (leaveFree == -2 && ::access(QFile::encodeName(folder).constData(), W_OK) == 0)
            QSKIP("this user may write into read-only folders; the full disk rows cover failing writes");
        const QByteArray added = TextFile::Encode(lines.join(QStringLiteral("\r\n")) + "\r\n");
        QString error;
        const bool ok = call == u"ReplaceLines"   ? TextFile::ReplaceLines(path, lines, &error)
                        : call == u"ReplaceBytes" ? TextFile::ReplaceBytes(path, added, &error)
                                                  : TextFile::AppendLines(path, lines, &error);
        folderMode(QFileDevice::WriteOwner);
        QCOMPARE(ok, written);
        QCOMPARE(Entries(folder), entries); // no temporary copy left behind
        QCOMPARE(FileBytes(path), !written ? old : call == u"AppendLines" ? old + "\r\n" + added : added);
        QVERIFY2(written || error.contains(QStringLiteral("ZIFTORA.007")), qPrintable(error));
    }

    void appendCreatesThenAppends()
    {
        const QString path = Path(QStringLiteral("ZIFTORA.003"));
        QVERIFY(TextFile::AppendLines(path, {}));
        QCOMPARE(FileBytes(path), QByteArray()); // created even with nothing to add
        QVERIFY(TextFile::AppendLines(path, {QStringLiteral(" 7 + 5 = ?"), QStringLiteral("12")}));
        QVERIFY(TextFile::AppendLines(path, {QStringLiteral("ä · ü")}));
        QCOMPARE(FileBytes(path), QByteArray(" 7 + 5 = ?\r\n12\r\n\xE4 \xB7 \xFC\r\n"));
    }

    void leftoverCopies_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("make");
        QTest::addColumn<int>("removed");
        QTest::newRow("user list copy") << "ZIFTORA.INI.a1B2c3" << "file" << 1;
        QTest::newRow("settings copy") << "ZIFTORA.INF.ZZZZZZ" << "file" << 1;
        QTest::newRow("mandatory tasks copy") << "ZIFTORA.DAT.000000" << "file" << 1;
        QTest::newRow("error file copy") << "ZIFTORA.042.xY9zQ0" << "file" << 1;
        QTest::newRow("the user list itself") << "ZIFTORA.INI" << "file" << 0;
        QTest::newRow("five characters") << "ZIFTORA.INI.a1B2c" << "file" << 0;
        QTest::newRow("seven characters") << "ZIFTORA.INI.a1B2c3d" << "file" << 0;
        QTest::newRow("not a letter or digit") << "ZIFTORA.INI.a1-2c3" << "file" << 0;
        QTest::newRow("another file's copy") << "ZIFTORA.TXT.a1B2c3" << "file" << 0;
        QTest::newRow("four digits") << "ZIFTORA.0420.a1B2c3" << "file" << 0;
        QTest::newRow("a directory") << "ZIFTORA.INI.a1B2c3" << "dir" << 0;
        QTest::newRow("a link") << "ZIFTORA.INI.a1B2c3" << "link:names.txt" << 0;
    }

    void leftoverCopies()
    {
        QFETCH(QString, name);
        QFETCH(QString, make);
        QFETCH(int, removed);
        Make(make, Path(name));
        QStringList entries = Entries(dir_->path());
        QCOMPARE(TextFile::RemoveLeftoverCopies(dir_->path()), removed);
        if (removed)
            entries.removeOne(name);
        QCOMPARE(Entries(dir_->path()), entries);
    }

    // The reward interval from a field, and from the first field of a settings file.
    void rewardInterval_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("inFile");
        QTest::addColumn<int>("value"); // -99999: no value
        const int none = -99999;
        QTest::newRow("plain") << "20" << false << 20;
        QTest::newRow("blanks around") << " 20 " << false << 20;
        QTest::newRow("negative") << "-3" << false << -3;
        QTest::newRow("half down to even") << "20.5" << false << 20;
        QTest::newRow("half up to even") << "21.5" << false << 22;
        QTest::newRow("negative half to even") << "-2.5" << false << -2;
        QTest::newRow("negative half away to even") << "-3.5" << false << -4;
        QTest::newRow("above half") << "20.51" << false << 21;
        QTest::newRow("exponent") << "1e2" << false << 100;
        QTest::newRow("largest") << "32767" << false << 32767;
        QTest::newRow("rounds into range") << "32767.4" << false << 32767;
        QTest::newRow("rounds out of range") << "32767.5" << false << none;
        QTest::newRow("smallest") << "-32768.5" << false << -32768;
        QTest::newRow("below range") << "-32769" << false << none;
        QTest::newRow("huge") << "1e400" << false << none;
        QTest::newRow("empty") << "" << false << none;
        QTest::newRow("trailing letters") << "20abc" << false << none;
        QTest::newRow("decimal comma") << "1,5" << false << none;
        QTest::newRow("infinity") << "inf" << false << none;
        QTest::newRow("nan") << "nan" << false << none;
        QTest::newRow("file: single line") << "20\r\n" << true << 20;
        QTest::newRow("file: first of several") << " 30,40\r\n50\r\n" << true << 30;
        QTest::newRow("file: quoted") << "\"21.5\"\r\n" << true << 22;
        QTest::newRow("file: empty first line") << "\r\n20\r\n" << true << none;
    }

    void rewardInterval()
    {
        QFETCH(QString, text);
        QFETCH(bool, inFile);
        QFETCH(int, value);
        QString field = text;
        const QString path = Path(QStringLiteral("ZIFTORA.INF"));
        if (inFile) {
            WriteBytes(path, TextFile::Encode(text));
            QVERIFY(TextFile::ReadFirstField(path, &field));
        }
        const std::optional<qint16> got = ParseRewardInterval(field);
        QCOMPARE(got ? int(*got) : -99999, value);
    }
};

QTEST_GUILESS_MAIN(TextFileTests)
#include "text_file_tests.moc"
