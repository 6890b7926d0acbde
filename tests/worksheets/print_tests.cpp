// Sheets on paper: the PDF a school without a printer gets, and a real print queue of the test's
// own, both read back as text.

#include "scripted_dialogs.h"

#include "desktop_doubles.h"
#include "scripted_clock.h"

#include "platform/desktop_printer.h"
#include "models/history.h"
#include "models/progress_page.h"
#include "models/worksheet_sheets.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

QString pdfText(const QString& pdf)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    { QStringLiteral("-layout"), pdf, QStringLiteral("-") });
    return pdftotext.waitForFinished() ? QString::fromUtf8(pdftotext.readAllStandardOutput())
                                       : QString();
}

// The printed text's non-empty lines without their blanks (pdftotext reads "E r g e b n i s" as
// one word; where the words stand is checked apart).
QStringList words(const QString& text)
{
    QStringList words = text.split(QRegularExpression(QStringLiteral("[\n\f]")))
                                .replaceInStrings(QStringLiteral(" "), QString());
    words.removeAll(QString());
    return words;
}

} // namespace

class PrintTests : public QObject {
    Q_OBJECT
public:
    explicit PrintTests(const QString& cups) : cups_(cups) { }

private slots:
    void pdfWhenNoPrinter()
    {
        // Nothing listens on the socket yet: the desktop has no printer. A sheet was printed a
        // moment ago (in this minute or, should the clock turn meanwhile, the next).
        QTemporaryDir folder;
        const QString old = QDir::currentPath();
        QDir::setCurrent(folder.path());
        for (const QDateTime& at :
             { QDateTime::currentDateTime(), QDateTime::currentDateTime().addSecs(60) })
            QFile(at.toString(QStringLiteral("'Übungsblatt' yyyy-MM-dd HH-mm'.pdf'")))
                    .open(QIODevice::WriteOnly);
        ScriptedDialogs dialogs;
        const PrintJob sheet = Sheets::fullSheet({ "7 + 5 = ___", "12 - 3 = ___" }, { "12", "9" },
                                                 Sheets::Solutions::Beside);
        DesktopPrinter(dialogs).print(sheet);
        QDir::setCurrent(old);
        const QStringList made = QDir(folder.path()).entryList({ QStringLiteral("* (2).pdf") });
        QCOMPARE(made.size(), 1);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).size(),
                 3); // nothing written over
        QCOMPARE(dialogs.take(),
                 QList<ScriptedDialogs::Shown>{ ScriptedDialogs::msg(
                         "Es ist kein Drucker eingerichtet. Das Blatt steht als PDF-Datei\n"
                                 + made[0] + "\nim Ordner\n"
                                 + QDir::toNativeSeparators(folder.path()) + "\r",
                         64, "Drucken") });
        const QString text = pdfText(folder.filePath(made[0]));
        QVERIFY(words(text) == words(sheet.text().join(u'\n'))
                && text.count(u'\f') == 1); // all on one page
        // Laid out as on paper: the items of a column start at the same place in the heading and a
        // row.
        const QStringList lines = text.split(u'\n');
        const QString heading = lines.value(
                              lines.indexOf(QRegularExpression(QStringLiteral(".*Lösung falten")))),
                      row = lines.value(lines.indexOf(heading) + 3);
        QVERIFY2(row.indexOf(u'7') == heading.indexOf(u'A')
                         && row.indexOf(QString(11, u'_')) == heading.indexOf(u'E')
                         && row.lastIndexOf(u'.') == heading.indexOf(u'.')
                         && row.indexOf(QStringLiteral("12"))
                                 == heading.indexOf(QStringLiteral("Lösung")),
                 qPrintable(text));
    }

    // The "Lernstand" page on paper: its tables as text, its chart drawn with its labels.
    void progressPage()
    {
        QTemporaryDir folder;
        const QString old = QDir::currentPath();
        QDir::setCurrent(folder.path());
        History history(folder.path());
        history.setChild(QStringLiteral("Anna"));
        const QDateTime monday(QDate(2026, 11, 30), QTime(8, 0));
        history.record({ monday, Operation::Times, 1, 1, CheckedAnswer::Source::Training, 4000,
                         " 7 · 6 = ?", "42", "42" });
        ScriptedClock clock;
        ScriptedDialogs dialogs;
        RecordingPrinter pages;
        ProgressPage page(history, clock, dialogs, pages);
        page.open({ QStringLiteral("Anna") }, 0);
        DesktopPrinter(dialogs).print(page.printJob());
        QDir::setCurrent(old);
        const QStringList made = QDir(folder.path()).entryList({ QStringLiteral("*.pdf") });
        QCOMPARE(made.size(), 1);
        QVERIFY(made[0].startsWith(QStringLiteral("Lernstand Anna 20")));
        const QStringList printed = words(pdfText(folder.filePath(made[0])));
        QStringList text = page.printJob().text();
        text.removeLast(); // the chart's words: its legend, the scale, the weeks
        QCOMPARE(printed,
                 words(text.join(u'\n'))
                         + QStringList({ "richtigfalsch", "1", "0", "KW4243444546474849" }));
    }

    void printQueue()
    {
        // The printer's side: a CUPS scheduler of the test's own, listening only on a socket in the
        // test's folder (where the desktop's printing never looks), with one queue, the default,
        // whose backend keeps the job it is sent as the file out/job. The folder goes when the
        // program ends.
        if (::geteuid() != 0)
            QSKIP("a private CUPS scheduler needs root");
        const QString d = cups_;
        for (const char* sub : { "bin/backend", "spool", "tmp", "out" })
            QDir(d).mkpath(sub);
        for (const char* sub : { "filter", "daemon" })
            QFile::link(QStringLiteral("/usr/lib/cups/") + sub, d + "/bin/" + sub);
        const QMap<QString, QString> files{
            // the scheduler's settings, and the backend that keeps the job
            { "bin/backend/keep",
              "#!/bin/sh\n[ $# -eq 0 ] && exit 0\ncat $6 > %1/out/part && mv %1/out/part "
              "%1/out/job\n" },
            { "cupsd.conf",
              "Listen %1/cups.sock\nBrowsing No\nWebInterface No\n<Location />\nOrder "
              "allow,deny\nAllow all\n</Location>\n" },
            { "cups-files.conf",
              "ServerRoot %1\nServerBin %1/bin\nRequestRoot %1/spool\nTempDir %1/tmp\nCacheDir "
              "%1/tmp\n"
              "StateDir %1/tmp\nErrorLog %1/tmp/log\nAccessLog %1/tmp/log\nPageLog "
              "%1/tmp/log\n" }
        };
        for (auto it = files.cbegin(); it != files.cend(); ++it) {
            QFile f(d + u'/' + it.key());
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(it.value().arg(d).toLocal8Bit()) > 0);
            QVERIFY(f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        }
        QProcess cupsd;
        cupsd.setProcessChannelMode(QProcess::ForwardedChannels);
        cupsd.start(QStringLiteral("cupsd"),
                    { "-f", "-c", d + "/cupsd.conf", "-s", d + "/cups-files.conf" });
        QVERIFY(QTest::qWaitFor(
                [&] { // as soon as the scheduler listens
                    return QProcess::execute(QStringLiteral("lpadmin"),
                                             { "-h", d + "/cups.sock", "-p", "Ziftora", "-E", "-v",
                                               "keep:/", "-m", "raw" })
                            == 0;
                },
                10000));
        QCOMPARE(QProcess::execute(QStringLiteral("lpadmin"),
                                   { "-h", d + "/cups.sock", "-d", "Ziftora" }),
                 0);
        ScriptedDialogs dialogs;
        QStringList tasks, answers, rows;
        for (int i = 1; i <= 30; ++i)
            tasks << QStringLiteral("%1 + 1 = ?").arg(i), answers << QString::number(i + 1),
                    rows
                    << QStringLiteral("%1+1=___%2.%3").arg(i).arg(QString(11, u'_')).arg(i + 1);
        DesktopPrinter(dialogs).print(
                Sheets::errorListSheet(tasks, answers, Sheets::Solutions::Mixed));
        QVERIFY(dialogs.take().isEmpty()); // a printer is there: no PDF, no message
        // Two pages, each under the heading; every row once, in order.
        QVERIFY(QTest::qWaitFor([&] { return QFile::exists(d + "/out/job"); }, 30000));
        const QString text = pdfText(d + "/out/job");
        const QStringList pages = text.split(u'\f', Qt::SkipEmptyParts);
        QVERIFY2(pages.size() == 2 && words(pages[1]).first() == words(pages[0]).first(),
                 qPrintable(text));
        QCOMPARE(words(text).filter(QStringLiteral("Lösungsuchen")).size(), 2);
        QCOMPARE(words(text).filter(QStringLiteral("+1=___")), rows);
        cupsd.terminate();
        QVERIFY(cupsd.waitForFinished());
    }

private:
    const QString cups_; // the folder of the test's own scheduler
};

int main(int argc, char* argv[])
{
    // Before Qt's printing support looks for printers: only the test's own scheduler counts, and
    // neither the person's printer settings nor the system's printing play a part.
    QTemporaryDir cups(QStringLiteral("/tmp/ziftora-cups-XXXXXX"));
    qputenv("CUPS_SERVER", cups.filePath(QStringLiteral("cups.sock")).toLocal8Bit());
    qputenv("HOME", cups.path().toLocal8Bit());
    qunsetenv("PRINTER"), qunsetenv("LPDEST");
    QApplication app(argc, argv);
    PrintTests tests(cups.path());
    return QTest::qExec(&tests, argc, argv);
}

#include "print_tests.moc"
