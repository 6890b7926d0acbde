// Sheets on paper: the PDF a school without a printer gets, and a real print queue of the test's
// own, both read back as text.

#include "scripted_dialogs.h"

#include "platform/desktop_printer.h"
#include "worksheets/worksheet_rules.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

// The printer's side of the test: a CUPS scheduler of its own, talking only on a socket in a
// temporary folder (where the desktop's printing system never looks), with one queue, the default,
// whose backend keeps every job it is sent as a file. Stopped with everything in it at the end.
class PrintQueue {
public:
    static QString Socket(const QTemporaryDir& dir) { return dir.filePath(QStringLiteral("cups.sock")); }

    explicit PrintQueue(const QTemporaryDir& dir) : dir_(dir.path()) { reason_ = Start(); }
    ~PrintQueue()
    {
        cupsd_.terminate();
        if (!cupsd_.waitForFinished(5000))
            cupsd_.kill(), cupsd_.waitForFinished();
    }
    bool isReady() const { return reason_.isEmpty(); }
    QString reason() const { return reason_; }

    // What arrived at the printer, as pdftotext lays it out; empty when nothing came in time.
    QString PrintedText() const
    {
        if (!QTest::qWaitFor([this] { return QFile::exists(Path("out/job")); }, 30000))
            return QString();
        return PdfText(Path("out/job"));
    }

    static QString PdfText(const QString& pdf)
    {
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        return pdftotext.waitForFinished() ? QString::fromUtf8(pdftotext.readAllStandardOutput()) : QString();
    }

private:
    // Empty when the queue is ready, else why not.
    QString Start()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("cupsd"), {QStringLiteral("/usr/sbin")}).isEmpty())
            return QStringLiteral("cupsd is not installed (Debian package cups)");
        if (!QFile::exists(QStringLiteral("/usr/lib/cups/filter")))
            return QStringLiteral("no CUPS filter folder /usr/lib/cups/filter");
        if (::geteuid() != 0)
            return QStringLiteral("a private CUPS scheduler needs root");
        QDir(dir_).mkpath(QStringLiteral("bin/backend"));
        for (const char* sub : {"spool", "tmp", "log", "cache", "state", "out"})
            QDir(dir_).mkpath(QLatin1String(sub));
        for (const char* sub : {"filter", "daemon", "cgi-bin", "driver", "monitor", "notifier"})
            QFile::link(QStringLiteral("/usr/lib/cups/") + QLatin1String(sub), Path("bin/") + QLatin1String(sub));
        Write("bin/backend/keep", "#!/bin/sh\n[ $# -eq 0 ] && exit 0\n"
                                  "if [ -n \"$6\" ]; then cat \"$6\"; else cat; fi > \"" + Path("out/part") + "\" && mv \""
                                      + Path("out/part") + "\" \"" + Path("out/job") + "\"\n",
              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        Write("cupsd.conf", "Listen " + Path("cups.sock") + "\nLogLevel warn\nBrowsing No\nWebInterface No\n"
                            "DefaultAuthType None\n<Location />\n  Order allow,deny\n  Allow all\n</Location>\n");
        QString files = "FileDevice Yes\nServerRoot " + dir_ + "\nServerBin " + Path("bin") + "\n";
        for (const char* key : {"RequestRoot spool", "TempDir tmp", "CacheDir cache", "StateDir state",
                                "ErrorLog log/error_log", "AccessLog log/access_log", "PageLog log/page_log"}) {
            const QStringList pair = QString::fromLatin1(key).split(u' ');
            files += pair[0] + u' ' + Path(pair[1]) + u'\n';
        }
        Write("cups-files.conf", files);
        cupsd_.start(QStringLiteral("cupsd"), {"-f", "-c", Path("cupsd.conf"), "-s", Path("cups-files.conf")});
        if (!cupsd_.waitForStarted())
            return QStringLiteral("cupsd did not start: ") + cupsd_.errorString();
        if (!QTest::qWaitFor([this] { return QFile::exists(Path("cups.sock")) || cupsd_.state() != QProcess::Running; }, 10000)
            || !Run({"-p", "Ziftora", "-E", "-v", "keep:/", "-m", "raw"}) || !Run({"-d", "Ziftora"}))
            return QStringLiteral("the queue could not be set up: ") + QString::fromLocal8Bit(log_) + File("log/error_log");
        return QString();
    }
    QString Path(const QString& name) const { return QDir(dir_).filePath(name); }
    QString File(const char* name) const
    {
        QFile f(Path(QLatin1String(name)));
        return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()) : QString();
    }
    void Write(const char* name, const QString& text, QFile::Permissions permissions = {})
    {
        QFile f(Path(QLatin1String(name)));
        if (f.open(QIODevice::WriteOnly) && f.write(text.toLocal8Bit()) >= 0 && permissions)
            f.setPermissions(permissions);
    }
    bool Run(QStringList arguments)
    {
        QProcess lpadmin;
        lpadmin.start(QStringLiteral("lpadmin"), QStringList{"-h", Path("cups.sock")} + arguments);
        const bool done = lpadmin.waitForFinished() && lpadmin.exitCode() == 0;
        log_ += lpadmin.readAllStandardError();
        return done;
    }

    QString dir_;
    QString reason_;
    QByteArray log_;
    QProcess cupsd_;
};

// The printed text's non-empty lines without their blanks (a reader of the PDF sees "E r g e b n i s"
// as one word; where the words stand is checked apart).
QStringList Words(const QString& text)
{
    QStringList words;
    for (QString line : text.split(QRegularExpression(QStringLiteral("[\n\f]")))) {
        line.remove(u' ');
        if (!line.isEmpty())
            words.append(line);
    }
    return words;
}

const QStringList Tasks{QStringLiteral("7 + 5 = ___"), QStringLiteral("12 - 3 = ___"), QStringLiteral("3 · 4 = ___")};
const QStringList Answers{QStringLiteral("12"), QStringLiteral("9"), QStringLiteral("12")};

} // namespace

class PrintTests : public QObject {
    Q_OBJECT
public:
    explicit PrintTests(const QTemporaryDir& cups) : cups_(cups) {}

private slots:
    void pdfWhenNoPrinter();
    void printQueue();

private:
    const QTemporaryDir& cups_;
};

void PrintTests::pdfWhenNoPrinter()
{
    // Nothing listens on the socket yet: the desktop has no printer.
    QTemporaryDir folder;
    const QString oldDir = QDir::currentPath();
    QDir::setCurrent(folder.path());
    ScriptedDialogs dialogs;
    DesktopPrinter printer(dialogs);
    // A sheet printed a moment ago (in this minute or, should the clock turn meanwhile, the next).
    const QDateTime now = QDateTime::currentDateTime();
    for (const QDateTime& at : {now, now.addSecs(60)})
        QFile(folder.filePath(at.toString(QStringLiteral("'Übungsblatt' yyyy-MM-dd HH-mm'.pdf'")))).open(QIODevice::WriteOnly);
    const PrintJob sheet = Worksheet::FullSheet(Tasks, Answers, Worksheet::Solutions::Beside);
    printer.Print(sheet);
    QDir::setCurrent(oldDir);

    const QStringList pdfs = QDir(folder.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    const QStringList made = pdfs.filter(QStringLiteral(" (2).pdf"));
    QVERIFY2(pdfs.size() == 3 && made.size() == 1, qPrintable(pdfs.join(u'|')));
    for (const QString& earlier : pdfs)  // the earlier sheets are never written over
        QVERIFY(earlier == made[0] || QFileInfo(folder.filePath(earlier)).size() == 0);
    const QString name = made[0];
    QCOMPARE(dialogs.Take(), QList<ScriptedDialogs::Shown>{ScriptedDialogs::Msg(
        "Es ist kein Drucker eingerichtet. Das Blatt steht als PDF-Datei\n" + name + "\nim Ordner\n"
            + QDir::toNativeSeparators(folder.path()) + "\r", 64, "Drucken")});
    const QString text = PrintQueue::PdfText(folder.filePath(name));
    QCOMPARE(Words(text), Words(sheet.Text().join(u'\n')));
    QCOMPARE(text.count(u'\f'), 1); // the whole sheet on one page
    // Laid out as on paper: every item of a column starts at the same place.
    const QStringList lines = text.split(u'\n');
    const qsizetype heading = lines.indexOf(QRegularExpression(QStringLiteral(".*Lösung falten")));
    QVERIFY(heading >= 0);
    const QString row = lines.value(heading + 3);
    QVERIFY2(row.indexOf(u'7') == lines[heading].indexOf(u'A') && row.indexOf(QString(11, u'_')) == lines[heading].indexOf(u'E')
                 && row.lastIndexOf(u'.') == lines[heading].indexOf(u'.')
                 && row.indexOf(QStringLiteral("12")) == lines[heading].indexOf(QStringLiteral("Lösung")),
             qPrintable(text));
}

void PrintTests::printQueue()
{
    PrintQueue queue(cups_);
    if (!queue.isReady())
        QSKIP(qPrintable(queue.reason()));
    ScriptedDialogs dialogs;
    DesktopPrinter printer(dialogs);
    QStringList tasks, answers, rows;
    for (int i = 1; i <= 30; ++i) {
        tasks << QStringLiteral("%1 + 1 = ?").arg(i), answers << QString::number(i + 1);
        rows << QStringLiteral("%1+1=___%2.%3").arg(i).arg(QString(11, u'_')).arg(i + 1);
    }
    printer.Print(Worksheet::ErrorListSheet(tasks, answers, Worksheet::Solutions::Mixed));
    QCOMPARE(dialogs.Take(), QList<ScriptedDialogs::Shown>{}); // a printer is there: no PDF, no message
    const QString text = queue.PrintedText();
    // Two pages, each under the heading; every row once, in order.
    const QStringList pages = text.split(u'\f', Qt::SkipEmptyParts);
    QVERIFY2(pages.size() == 2 && Words(pages[1]).first() == Words(pages[0]).first(), qPrintable(text));
    const QStringList words = Words(text);
    QCOMPARE(words.filter(QStringLiteral("Lösungsuchen")).size(), 2);
    QCOMPARE(words.filter(QStringLiteral("+1=___")), rows);
}

int main(int argc, char* argv[])
{
    // Before Qt's printing support asks for printers: only the test's own scheduler counts, and the
    // desktop's printer settings play no part.
    QTemporaryDir cups(QStringLiteral("/tmp/ziftora-cups-XXXXXX"));
    qputenv("CUPS_SERVER", PrintQueue::Socket(cups).toLocal8Bit());
    for (const char* name : {"PRINTER", "LPDEST", "CUPS_USER"})
        qunsetenv(name);
    qputenv("HOME", cups.path().toLocal8Bit()); // no ~/.cups/lpoptions of the person running the tests
    QApplication app(argc, argv);
    PrintTests tests(cups);
    return QTest::qExec(&tests, argc, argv);
}

#include "print_tests.moc"
