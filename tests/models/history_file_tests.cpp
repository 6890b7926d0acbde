// The history file on disk: its exact bytes, what the reader makes of bad bytes, the file names
// by child name, and the model that writes each answer at once, also when it cannot.
#include "history_test_data.h"
#include "models/history.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

const QStringList dayOfPractice{ "T|3|1|2|42|42|4000| 7 · 6 = ?", "T|3|1|2|41|42|3000| 7 · 6 = ?",
                                 "F|1|0|0|12|12|100| 7 + 5 = ?" };

} // namespace

class HistoryFileTests : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString at(const QString& name) const { return QDir(dir_.path()).filePath(name); }

private slots:
    void init() { QVERIFY(dir_.isValid()); }
    void cleanup()
    {
        QDir(dir_.path()).removeRecursively();
        QDir().mkpath(dir_.path());
    }

    // A file as the program writes it comes back byte for byte, odd names and largest counts
    // included, and a history written reads back the same.
    void roundTrip()
    {
        const QByteArray file = TextFile::encode("Ziftora Lernstand 1\r\n"
                                                 "Kind  Jörg \\005c\\0141\\0009 \r\n"
                                                 "A 0999-12-31 ? 0 0 P 1 0 0\r\n"
                                                 "A 2026-11-30 + 8 5 T 1000000000000000 0 9\r\n"
                                                 "A 2026-11-30 · 7 1 T 0 3 180000\r\n"
                                                 "A 2026-11-30 : 0 0 F 2 0 5\r\n"
                                                 "A 2026-12-31 - 1 1 T 4 0 20\r\n"
                                                 "E 2026-W53 10 10 1 0\r\n"
                                                 "E 2027-W01 1 1 0 4\r\n");
        ChildHistory read;
        QCOMPARE(HistoryFile::parse(file, &read), HistoryFile::Content::History);
        QCOMPARE(read.name, QString::fromUtf8(" Jörg \\Ł\t "));
        QCOMPARE(HistoryFile::bytes(read), file);

        for (const QString name : { "", "Anna", "\\", "\\0041", "Ł\u0081\r\n", " " }) {
            const ChildHistory written = historyOf(dayOfPractice, name);
            ChildHistory back;
            QCOMPARE(HistoryFile::parse(HistoryFile::bytes(written), &back),
                     HistoryFile::Content::History);
            QCOMPARE(back, written);
        }
    }

    void badBytes_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<HistoryFile::Content>("content");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("counts");
        using enum HistoryFile::Content;
        const QByteArray good = "A 2026-11-30 + 1 1 T 1 0 0\r\n";
        const auto foreignRow = [](const char* name, const QByteArray& file) {
            QTest::newRow(name) << file << Foreign << QString() << QStringList();
        };
        foreignRow("empty", {});
        foreignRow("no version line", "Kind Anna\r\n" + good);
        foreignRow("no name line", "Ziftora Lernstand 1\r\n" + good);
        foreignRow("version not a number", "Ziftora Lernstand 1a\r\nKind Anna\r\n" + good);
        foreignRow("version 0", "Ziftora Lernstand 0\r\nKind Anna\r\n" + good);
        QTest::newRow("a later version")
                << "Ziftora Lernstand 2\r\nKind Anna\r\n" + good + "X 1 2 3\r\n"
                << Newer << "Anna" << QStringList{ good.trimmed() };
        QTest::newRow("name last, bytes of every kind in it") << "Ziftora Lernstand 1\n" + good
                        + "\rKind \x81\xff\\zz\\00e9\\00" + QByteArray(1, 0)
                        + "\r\n" << History << QString::fromUtf8("\u0081ÿ\\zzé\\00") + QChar(0)
                                                              << QStringList{ good.trimmed() };
        QTest::newRow("lines passed over, the rest kept and added up")
                << QByteArray("Ziftora Lernstand 1\r\nKind Anna\r\n"
                              "A 2026-02-30 + 1 1 T 1 0 0\r\nA 2026-11-30 * 1 1 T 1 0 0\r\n"
                              "A 2026-11-30 + 9 1 T 1 0 0\r\nA 2026-11-30 \xb7 8 1 T 1 0 0\r\n"
                              "A 2026-11-30 ? 1 1 T 1 0 0\r\nA 2026-11-30 + 1 6 T 1 0 0\n"
                              "A 2026-11-30 + 1 1 X 1 0 0\rA 2026-11-30 + 1 1 T -1 2 0\r\n"
                              "A 2026-11-30 + 1 1 T 1e3 0 0\r\nA 2026-11-30 + 1 1 T 0 0 5\r\n"
                              "A 2026-11-30 + 1 1 T 1000000000000001 0 0\r\n"
                              "A 2026-11-30 + 1 1 T 1 0\r\nA 26-11-30 + 1 1 T 1 0 0\r\n"
                              "A 2026-11-30 + 10 1 T 1 0 0\r\nA 2026-11-30 ?? 0 0 T 1 0 0\r\n"
                              "E 2025-W53 7 6 1 0\r\nE 2026-W53 11 6 1 0\r\nE 2026-W53 0 6 1 0\r\n"
                              "E 2026-W53 4294967297 6 1 0\r\nE 2026-53 7 6 1 0\r\n"
                              "E 2026-W53 7 6 0 0\r\nKind Ben\r\n\xff\x81 A\r\n\r\n"
                              "A 2026-11-30 + 1 1 T 1 0 0\r\n A  2026-11-30\t+ 1 1 T 2 1 7\r\n"
                              "A  2026-11-30  +  1 1 T 2 1 7\r\n"
                              "E 2026-W53 7 6 1 0\r\nE 2026-W53 07 6 1 0")
                << History << "Anna"
                << QStringList{ "A 2026-11-30 + 1 1 T 3 1 7", "E 2026-W53 7 6 2 0" };
    }
    void badBytes()
    {
        QFETCH(QByteArray, file);
        QFETCH(HistoryFile::Content, content);
        QFETCH(QString, name);
        QFETCH(QStringList, counts);
        ChildHistory read;
        QCOMPARE(HistoryFile::parse(file, &read), content);
        QCOMPARE(read.name, name);
        QCOMPARE(countLines(read), counts);
    }

    // Names a share would refuse, names alike but for case or blanks: each its own plain file
    // name, always the same one. The names of existing files must never change between versions,
    // so one is pinned here.
    void fileNames()
    {
        QStringList names{ "",      " ",     "Anna", "anna",          "ANNA",
                           "Anna ", "Anna.", "CON",  "a:b*?\"<>|/\\", "Ł" };
        names.append(QString(300, u'x'));
        QSet<QString> fileNames;
        static const QRegularExpression plain(QStringLiteral("^ZIFTORA\\.H[0-9A-F]{8}$"));
        for (const QString& name : names) {
            const QString fileName = HistoryFile::fileName(name);
            QVERIFY2(plain.match(fileName).hasMatch(), qPrintable(fileName));
            QCOMPARE(HistoryFile::fileName(name), fileName);
            QVERIFY(HistoryFile::fileName(name, 1) != fileName);
            fileNames.insert(fileName.toUpper());
        }
        QCOMPARE(fileNames.size(), names.size());
        QCOMPARE(HistoryFile::fileName("Anna"), QStringLiteral("ZIFTORA.H%1").arg(PinnedAnna));
    }

    // A file name already used by another child's history, by a folder or by a file that is no
    // history is passed over and left as it was.
    void takenFileNames()
    {
        const auto ben = [this](int number) { return at(HistoryFile::fileName("Ben", number)); };
        const QByteArray xaver = HistoryFile::bytes(historyOf(dayOfPractice, "Xaver"));
        QVERIFY(TextFile::replaceBytes(ben(0), xaver));
        QDir(dir_.path()).mkdir(HistoryFile::fileName("Ben", 1));
        QVERIFY(TextFile::replaceBytes(ben(2), "Ziftora Lernstand 1\r\n"));
        QCOMPARE(HistoryFile::locate(dir_.path(), "Ben"), ben(3));

        History history(dir_.path());
        history.setChild("Ben");
        history.record(answerOf(dayOfPractice[0]));
        QCOMPARE(fileBytes(ben(0)) + fileBytes(ben(2)), xaver + "Ziftora Lernstand 1\r\n");
        QCOMPARE(fileBytes(ben(3)), HistoryFile::bytes(historyOf(dayOfPractice.mid(0, 1), "Ben")));
    }

    // A history belongs to its name: a child who takes a deleted child's place starts afresh, and
    // the deleted name, added again, finds its answers again, also after a new start.
    void nameAddedAgain()
    {
        {
            History history(dir_.path());
            QSignalSpy changed(&history, &History::changed);
            history.setChild("Ben");
            for (const QString& answer : dayOfPractice)
                history.record(answerOf(answer));
            history.setChild("Cara");
            QCOMPARE(history.history(), historyOf({}, "Cara"));
            history.record(answerOf(dayOfPractice[2]));
            QCOMPARE(changed.count(), 2 + int(dayOfPractice.size()) + 1);
        }
        History history(dir_.path());
        history.setChild("Ben");
        QCOMPARE(history.history(), historyOf(dayOfPractice, "Ben"));
        QCOMPARE(history.historyOf("Cara"), historyOf(dayOfPractice.mid(2), "Cara"));
        QCOMPARE(history.historyOf("Dora"), historyOf({}, "Dora"));
        QCOMPARE(QDir(dir_.path()).entryList(QDir::Files).size(), 2);
    }

    // Two computers record for the same child in one shared folder: each write adds to what the
    // other wrote, and the page shows all that was in the file at the last write.
    void twoComputers()
    {
        History first(dir_.path());
        History second(dir_.path());
        first.setChild("Anna");
        second.setChild("Anna");
        first.record(answerOf(dayOfPractice[0]));
        second.record(answerOf(dayOfPractice[1]));
        first.record(answerOf(dayOfPractice[2]));
        const ChildHistory all = historyOf(dayOfPractice);
        QCOMPARE(first.history(), all);
        QCOMPARE(second.history(), historyOf(dayOfPractice.mid(0, 2)));
        QCOMPARE(fileBytes(at(HistoryFile::fileName("Anna"))), HistoryFile::bytes(all));
    }

    // While the lock is busy, or the file was written by a later version, nothing is written and
    // nothing is said; the counts wait and go into the file with the next answer that can.
    void pendingUntilWritten()
    {
        bool busy = true;
        QStringList locked;
        History history(dir_.path(), [&](const QString& path, const std::function<bool()>& write) {
            locked.append(path);
            return !busy && write();
        });
        history.setChild("Anna");
        const QString path = at(HistoryFile::fileName("Anna"));
        history.record(answerOf(dayOfPractice[0]));
        history.record(answerOf(dayOfPractice[1]));
        QCOMPARE(fileBytes(path), "(none)");
        QCOMPARE(history.history(), historyOf(dayOfPractice.mid(0, 2)));
        QVERIFY(history.hasPending());
        busy = false;
        QVERIFY(history.writePending());
        QCOMPARE(fileBytes(path), HistoryFile::bytes(historyOf(dayOfPractice.mid(0, 2))));
        QCOMPARE(locked, QStringList(3, path));

        const QByteArray earlier = fileBytes(path);
        QVERIFY(TextFile::replaceBytes(path, "Ziftora Lernstand 2\r\nKind Anna\r\n"));
        history.record(answerOf(dayOfPractice[2]));
        QCOMPARE(fileBytes(path), "Ziftora Lernstand 2\r\nKind Anna\r\n");
        QCOMPARE(history.history(), historyOf(dayOfPractice));
        QVERIFY(TextFile::replaceBytes(path, earlier));
        history.record(answerOf(dayOfPractice[2]));
        QVERIFY(!history.hasPending());
        const ChildHistory expected = historyOf(dayOfPractice + dayOfPractice.mid(2));
        QCOMPARE(fileBytes(path), HistoryFile::bytes(expected));
        QCOMPARE(history.history(), expected);
    }

private:
    static constexpr const char* PinnedAnna = "BF4FCCD6";
};

QTEST_GUILESS_MAIN(HistoryFileTests)
#include "history_file_tests.moc"
