// The data files and the settings value: bytes on disk, lines, fields, safe replacing.
#include "platform/settings_value.h"
#include "platform/text_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

namespace {

QByteArray AllBytes()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(char(b));
    return bytes;
}

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

} // namespace

class TextFileTests : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>(); // every test and row starts in an empty directory
        QVERIFY(dir_->isValid());
    }

    void everyByteRoundTrips();
    void knownCharacters_data();
    void knownCharacters();
    void unstorableCharacters_data();
    void unstorableCharacters();
    void everyByteThroughAFile();
    void linesEndInCrLfOnDisk();

    void splitLines_data();
    void splitLines();
    void splitFields_data();
    void splitFields();
    void readingFailures();

    void replaceFailureKeepsOldFile_data();
    void replaceFailureKeepsOldFile();
    void replaceFailsInReadOnlyDirectory();
    void appendCreatesThenAppends();

    void rewardInterval_data();
    void rewardInterval();
    void rewardIntervalFromFile_data();
    void rewardIntervalFromFile();

private:
    QString Path(const QString& name) const { return dir_->filePath(name); }
    std::unique_ptr<QTemporaryDir> dir_;
};

void TextFileTests::everyByteRoundTrips()
{
    const QByteArray bytes = AllBytes();
    const QString text = TextFile::Decode(bytes);
    QCOMPARE(text.size(), 256);
    QVERIFY(TextFile::CanStore(text));
    bool ok = false;
    QCOMPARE(TextFile::Encode(text, &ok), bytes);
    QVERIFY(ok);
    // Two bytes must never read as the same character, or one of them could not be written back.
    for (int i = 0; i < 256; ++i)
        QCOMPARE(text.indexOf(text.at(i)), i);
}

void TextFileTests::knownCharacters_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("unicode");
    QTest::newRow("middle dot of times tasks") << 0xB7 << 0x00B7;
    QTest::newRow("euro") << 0x80 << 0x20AC;
    QTest::newRow("capital y with diaeresis") << 0x9F << 0x0178;
    QTest::newRow("a umlaut") << 0xE4 << 0x00E4;
    QTest::newRow("undefined 0x81") << 0x81 << 0x0081;
    QTest::newRow("undefined 0x8D") << 0x8D << 0x008D;
    QTest::newRow("undefined 0x8F") << 0x8F << 0x008F;
    QTest::newRow("undefined 0x90") << 0x90 << 0x0090;
    QTest::newRow("undefined 0x9D") << 0x9D << 0x009D;
}

void TextFileTests::knownCharacters()
{
    QFETCH(int, byte);
    QFETCH(int, unicode);
    const QString text = TextFile::Decode(QByteArray(1, char(byte)));
    QCOMPARE(text, QString(QChar(unicode)));
    QCOMPARE(TextFile::Encode(QString(QChar(unicode))), QByteArray(1, char(byte)));
}

void TextFileTests::unstorableCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("greek") << QStringLiteral("Ωmega") << QByteArray("?mega");
    QTest::newRow("latin-1 control stand-in is not euro") << QStringLiteral("\u0080") << QByteArray("?");
    QTest::newRow("emoji is one mark") << QStringLiteral("a\U0001F600b") << QByteArray("a?b");
    QTest::newRow("cjk") << QStringLiteral("3 \u4E00") << QByteArray("3 ?");
}

void TextFileTests::unstorableCharacters()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QVERIFY(!TextFile::CanStore(text));
    bool ok = true;
    QCOMPARE(TextFile::Encode(text, &ok), bytes);
    QVERIFY(!ok);
}

void TextFileTests::everyByteThroughAFile()
{
    // Every byte but the two that end lines, as one line written and read back.
    QByteArray bytes = AllBytes();
    bytes.remove(0x0D, 1).remove(0x0A, 1);
    const QString line = TextFile::Decode(bytes);
    const QString path = Path(QStringLiteral("ZIFTORA.DAT"));
    QString error;
    QVERIFY2(TextFile::ReplaceLines(path, {line}, &error), qPrintable(error));
    QCOMPARE(FileBytes(path), bytes + "\r\n");
    QStringList lines;
    QVERIFY(TextFile::ReadLines(path, &lines));
    QCOMPARE(lines, QStringList{line});
}

void TextFileTests::linesEndInCrLfOnDisk()
{
    const QString path = Path(QStringLiteral("ZIFTORA.DAT"));
    WriteBytes(path, QByteArray(200, 'x')); // a longer old file must not leave a tail behind
    QVERIFY(TextFile::ReplaceLines(path, {QStringLiteral(" 3 · 4 = ?"), QStringLiteral("12"), QString(),
                                          QStringLiteral("47 : 6 = ?"), QStringLiteral("7R5")}));
    QCOMPARE(FileBytes(path), QByteArray(" 3 \xB7 4 = ?\r\n12\r\n\r\n47 : 6 = ?\r\n7R5\r\n"));

    QVERIFY(TextFile::ReplaceLines(path, {}));
    QVERIFY(QFile::exists(path));
    QCOMPARE(FileBytes(path), QByteArray());
}

void TextFileTests::splitLines_data()
{
    QTest::addColumn<QString>("contents");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty file") << QString() << QStringList{};
    QTest::newRow("cr lf") << QStringLiteral("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("lone cr") << QStringLiteral("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("lone lf") << QStringLiteral("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("last line without ending") << QStringLiteral("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("empty lines kept") << QStringLiteral("\r\na\r\n\r\n\r\nb\r\n") << QStringList{"", "a", "", "", "b"};
    QTest::newRow("lf cr is two endings") << QStringLiteral("a\n\rb") << QStringList{"a", "", "b"};
    QTest::newRow("only an ending") << QStringLiteral("\r\n") << QStringList{""};
}

void TextFileTests::splitLines()
{
    QFETCH(QString, contents);
    QFETCH(QStringList, lines);
    QCOMPARE(TextFile::SplitLines(contents), lines);
}

void TextFileTests::splitFields_data()
{
    QTest::addColumn<QString>("contents");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("empty file") << QString() << QStringList{};
    QTest::newRow("one per line") << QStringLiteral("7 + 5 = ?\r\n12\r\n") << QStringList{"7 + 5 = ?", "12"};
    QTest::newRow("leading blanks dropped") << QStringLiteral(" 15 - 7 = ?\r\n\t 8\r\n") << QStringList{"15 - 7 = ?", "8"};
    QTest::newRow("trailing blanks stay") << QStringLiteral("a  \r\n") << QStringList{"a  "};
    QTest::newRow("comma splits") << QStringLiteral("1,2, 3\r\n") << QStringList{"1", "2", "3"};
    QTest::newRow("empty fields") << QStringLiteral(",a,,\r\n") << QStringList{"", "a", "", ""};
    QTest::newRow("empty line is one field") << QStringLiteral("a\r\n\r\nb") << QStringList{"a", "", "b"};
    QTest::newRow("blank line is one field") << QStringLiteral("   \r\n") << QStringList{""};
    QTest::newRow("quotes removed") << QStringLiteral("\"a b\"\r\n") << QStringList{"a b"};
    QTest::newRow("quoted comma") << QStringLiteral(" \"1,5\",2\r\n") << QStringList{"1,5", "2"};
    QTest::newRow("empty quotes") << QStringLiteral("\"\",x") << QStringList{"", "x"};
    QTest::newRow("after closing quote skipped") << QStringLiteral("\"a\" junk,b") << QStringList{"a", "b"};
    QTest::newRow("unclosed quote ends at line end") << QStringLiteral("\"a,b\r\nc") << QStringList{"a,b", "c"};
    QTest::newRow("quote inside a field stays") << QStringLiteral("a\"b\",c") << QStringList{"a\"b\"", "c"};
    QTest::newRow("comparison task") << QStringLiteral(" 7 + 5 <=> 13\r\n<\r\n") << QStringList{"7 + 5 <=> 13", "<"};
}

void TextFileTests::splitFields()
{
    QFETCH(QString, contents);
    QFETCH(QStringList, fields);
    QCOMPARE(TextFile::SplitFields(contents), fields);
}

void TextFileTests::readingFailures()
{
    QStringList got{"stale"};
    QString field = QStringLiteral("stale");
    const QString missing = Path(QStringLiteral("ZIFTORA.INI"));
    QVERIFY(!TextFile::ReadLines(missing, &got));
    QVERIFY(got.isEmpty());
    got = QStringList{"stale"};
    QVERIFY(!TextFile::ReadFields(missing, &got));
    QVERIFY(got.isEmpty());
    QVERIFY(!TextFile::ReadFirstField(missing, &field));
    QVERIFY(field.isEmpty());

    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("ZIFTORA.000")));
    QVERIFY(!TextFile::ReadLines(Path(QStringLiteral("ZIFTORA.000")), &got));

    // An empty file is readable but has no first value.
    const QString empty = Path(QStringLiteral("ZIFTORA.INF"));
    WriteBytes(empty, QByteArray());
    QVERIFY(TextFile::ReadLines(empty, &got));
    QVERIFY(got.isEmpty());
    QVERIFY(!TextFile::ReadFirstField(empty, &field));
    WriteBytes(empty, " 30 ,7\r\n");
    QVERIFY(TextFile::ReadFirstField(empty, &field));
    QCOMPARE(field, QStringLiteral("30 "));
}

void TextFileTests::replaceFailureKeepsOldFile_data()
{
    QTest::addColumn<bool>("targetIsDirectory");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("unstorable character in the last line") << false
        << QStringList{"neu", "12", "Ω"};
    QTest::newRow("target is a directory") << true << QStringList{"neu"};
}

void TextFileTests::replaceFailureKeepsOldFile()
{
    QFETCH(bool, targetIsDirectory);
    QFETCH(QStringList, lines);
    // The directory case stands in for any failure to write: it fails even for a user whom
    // permissions do not stop, and what stands at the name must still be there afterwards.
    QDir dir(dir_->path());
    const QString path = Path(QStringLiteral("ZIFTORA.DAT"));
    const QString kept = targetIsDirectory ? path + QStringLiteral("/inside") : path;
    if (targetIsDirectory)
        QVERIFY(dir.mkdir(QStringLiteral("ZIFTORA.DAT")));
    const QByteArray old = "alt\r\n7\r\n";
    WriteBytes(kept, old);
    const QStringList before = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

    QString error;
    QVERIFY(!TextFile::ReplaceLines(path, lines, &error));
    QVERIFY2(error.contains(QStringLiteral("ZIFTORA.DAT")), qPrintable(error));
    QCOMPARE(FileBytes(kept), old);
    // No half-written temporary file is left lying beside it.
    QCOMPARE(dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
}

void TextFileTests::replaceFailsInReadOnlyDirectory()
{
    const QString sub = Path(QStringLiteral("locked"));
    QVERIFY(QDir().mkpath(sub));
    const QString path = sub + QStringLiteral("/ZIFTORA.INI");
    WriteBytes(path, "Anna\r\n");
    QVERIFY(QFile::setPermissions(sub, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    QFile probe(sub + QStringLiteral("/probe"));
    const bool permissionsIgnored = probe.open(QIODevice::WriteOnly);
    probe.close();
    probe.remove();
    if (!permissionsIgnored) {
        QString error;
        QVERIFY(!TextFile::ReplaceLines(path, {QStringLiteral("Ben")}, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(FileBytes(path), QByteArray("Anna\r\n"));
    }
    QFile::setPermissions(sub, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (permissionsIgnored)
        QSKIP("this user may write into read-only directories; the directory row of "
              "replaceFailureKeepsOldFile covers the failure instead");
}

void TextFileTests::appendCreatesThenAppends()
{
    const QString path = Path(QStringLiteral("ZIFTORA.003"));
    QVERIFY(TextFile::AppendLines(path, {QStringLiteral(" 7 + 5 = ?"), QStringLiteral("12")}));
    QVERIFY(TextFile::AppendLines(path, {QStringLiteral("ä · ü")}));
    QCOMPARE(FileBytes(path), QByteArray(" 7 + 5 = ?\r\n12\r\n\xE4 \xB7 \xFC\r\n"));

    // All or nothing: a line the code page cannot hold stops the whole append.
    QString error;
    QVERIFY(!TextFile::AppendLines(path, {QStringLiteral("gut"), QStringLiteral("Ω")}, &error));
    QVERIFY(error.contains(QStringLiteral("ZIFTORA.003")));
    QCOMPARE(FileBytes(path), QByteArray(" 7 + 5 = ?\r\n12\r\n\xE4 \xB7 \xFC\r\n"));

    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("ZIFTORA.004")));
    error.clear();
    QVERIFY(!TextFile::AppendLines(Path(QStringLiteral("ZIFTORA.004")), {QStringLiteral("x")}, &error));
    QVERIFY(error.contains(QStringLiteral("ZIFTORA.004")));
}

void TextFileTests::rewardInterval_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("value"); // -99999: no value
    const int none = -99999;
    QTest::newRow("plain") << "20" << 20;
    QTest::newRow("blanks around") << " 20 " << 20;
    QTest::newRow("negative") << "-3" << -3;
    QTest::newRow("half down to even") << "20.5" << 20;
    QTest::newRow("half up to even") << "21.5" << 22;
    QTest::newRow("negative half to even") << "-2.5" << -2;
    QTest::newRow("negative half away to even") << "-3.5" << -4;
    QTest::newRow("above half") << "20.51" << 21;
    QTest::newRow("exponent") << "1e2" << 100;
    QTest::newRow("largest") << "32767" << 32767;
    QTest::newRow("rounds into range") << "32767.4" << 32767;
    QTest::newRow("rounds out of range") << "32767.5" << none;
    QTest::newRow("smallest") << "-32768.5" << -32768;
    QTest::newRow("below range") << "-32769" << none;
    QTest::newRow("huge") << "1e400" << none;
    QTest::newRow("empty") << "" << none;
    QTest::newRow("trailing letters") << "20abc" << none;
    QTest::newRow("decimal comma") << "1,5" << none;
    QTest::newRow("infinity") << "inf" << none;
    QTest::newRow("nan") << "nan" << none;
}

void TextFileTests::rewardInterval()
{
    QFETCH(QString, field);
    QFETCH(int, value);
    const std::optional<qint16> got = ParseRewardInterval(field);
    if (value == -99999)
        QVERIFY2(!got.has_value(), qPrintable(QString::number(got.value_or(0))));
    else
        QCOMPARE(got.value_or(-12345), qint16(value));
}

void TextFileTests::rewardIntervalFromFile_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("value"); // -1: no value
    QTest::newRow("single line") << QByteArray("20\r\n") << 20;
    QTest::newRow("first of several") << QByteArray(" 30,40\r\n50\r\n") << 30;
    QTest::newRow("quoted") << QByteArray("\"21.5\"\r\n") << 22;
    QTest::newRow("empty first line") << QByteArray("\r\n20\r\n") << -1;
}

void TextFileTests::rewardIntervalFromFile()
{
    QFETCH(QByteArray, contents);
    QFETCH(int, value);
    const QString path = Path(QStringLiteral("ZIFTORA.INF"));
    WriteBytes(path, contents);
    QString field;
    QVERIFY(TextFile::ReadFirstField(path, &field));
    QCOMPARE(ParseRewardInterval(field).value_or(-1), qint16(value));
}

QTEST_GUILESS_MAIN(TextFileTests)
#include "text_file_tests.moc"
