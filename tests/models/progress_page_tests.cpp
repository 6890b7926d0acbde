// The "Lernstand" page as its window shows it: the tables of a child and of the class, the colours,
// the times table's cells, the saved table and the printed page.
#include "desktop_doubles.h"
#include "history_test_data.h"
#include "scripted_clock.h"
#include "scripted_dialogs.h"

#include "models/history.h"
#include "models/progress_page.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

// "n×" before an answer line repeats it.
QStringList repeated(const QStringList& lines)
{
    QStringList out;
    for (const QString& line : lines) {
        const qsizetype times = line.indexOf(u'×');
        for (int i = times > 0 ? line.first(times).toInt() : 1; i > 0; --i)
            out.append(line.sliced(times + 1));
    }
    return out;
}

// A class whose histories lie in a folder of their own: Anna's answers as given, Ben's none.
struct Class {
    explicit Class(const QStringList& annasAnswers)
    {
        QFile file(folder.filePath(HistoryFile::fileName("Anna")));
        file.open(QIODevice::WriteOnly);
        file.write(HistoryFile::bytes(historyOf(repeated(annasAnswers))));
        file.close();
        clock.set(QDateTime(QDate(2026, 12, 24), QTime(14, 3)));
        page.open({ "Anna", "Ben" }, 0);
    }
    QTemporaryDir folder;
    History history{ folder.path() };
    ScriptedClock clock;
    ScriptedDialogs dialogs;
    RecordingPrinter printer;
    ProgressPage page{ history, clock, dialogs, printer };
};

const QStringList Answers{ "15×2026-12-21 08:00|T|3|1|1|42|42|60000| 7 · 6 = ?",
                           "5×2026-12-21 08:00|T|3|1|1|1|42|0| 7 · 6 = ?",
                           "18×2026-12-01 08:00|T|2|1|1|0|0|0| 5 - 5 = ?",
                           "2×2026-12-01 08:00|T|2|1|1|1|0|0| 5 - 5 = ?",
                           "20×2026-11-30 08:00|T|1|1|1|2|2|0|1 + 1 = ?",
                           "3×2026-11-30 08:00|T|1|2|1|2|2|0|1 + 1 = ?",
                           "4×2026-12-22 08:00|F|3|0|0|12|12|0| 3 · 4 = ?" };

QString rgb(quint32 color)
{
    return QStringLiteral("#%1").arg(color, 6, 16, QLatin1Char('0'));
}

} // namespace

class ProgressPageTests : public QObject {
    Q_OBJECT

private slots:
    // Every table a row per line, its cells joined by "|"; coloured rows end in their colour.
    void tables_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("days") << "days"
                              << QStringList{ "22.12.2026|4|4|0|0 %|0",
                                              "21.12.2026|20|15|5|25 %|15",
                                              "01.12.2026|20|18|2|10 %|0",
                                              "30.11.2026|23|23|0|0 %|0" };
        QTest::newRow("types, worst first, coloured")
                << "types"
                << QStringList{ "mal|Malaufgaben|20|25 %|schwer|#ef9a9a",
                                "minus|Minus Einer|20|10 %|unsicher|#fff59d",
                                "plus|Plus Einer|20|0 %|sicher|#a5d6a7",
                                "plus|Plus Zehner|3|0 %|zu wenige Aufgaben|#e0e0e0" };
        QTest::newRow("times table, the practised facts")
                << "facts"
                << QStringList{
                       "3 · 4\n4 / 0|3 · 4: 4 richtig, 0 falsch, zu wenige Aufgaben|#e0e0e0",
                       "7 · 6\n15 / 5|7 · 6: 15 richtig, 5 falsch, schwer|#ef9a9a"
                   };
        QTest::newRow("class") << "class" << QStringList{ "Anna|24|21 %|22.12.2026", "Ben|0||nie" };
        QTest::newRow("weeks") << "weeks" << QStringList{ "KW 45/2026|0|0",  "KW 46/2026|0|0",
                                                          "KW 47/2026|0|0",  "KW 48/2026|0|0",
                                                          "KW 49/2026|41|2", "KW 50/2026|0|0",
                                                          "KW 51/2026|0|0",  "KW 52/2026|19|5" };
    }
    void tables()
    {
        QFETCH(QString, table);
        QFETCH(QStringList, rows);
        Class c(Answers);
        QStringList shown;
        const auto add = [&shown](const QList<QStringList>& table) {
            for (const QStringList& row : table)
                shown.append(row.join(u'|'));
        };
        if (table == u"days")
            add(c.page.dayTable());
        else if (table == u"class")
            add(c.page.classTable());
        else if (table == u"weeks")
            add(c.page.weekTable());
        else if (table == u"types")
            for (int i = 0; i < c.page.types().size(); ++i)
                shown.append(c.page.typeTable()[i].join(u'|') + u'|'
                             + rgb(ratingColor(c.page.types()[i].rating)));
        for (int a = 1; table == u"facts" && a <= 10; ++a)
            for (int b = 1; b <= 10; ++b)
                if (c.page.facts()[a - 1][b - 1].tally.answers() > 0)
                    shown.append(c.page.factText(a, b) + u'|' + c.page.factName(a, b) + u'|'
                                 + rgb(ratingColor(c.page.facts()[a - 1][b - 1].rating)));
        QCOMPARE(shown, rows);
    }

    // "Als Tabelle speichern": never over a file, named after the child (without the characters
    // a file name cannot hold), the message says where.
    void savedTable()
    {
        Class c(Answers);
        const QString old = QDir::currentPath();
        QDir::setCurrent(c.folder.path());
        c.page.saveTable();
        c.page.saveTable();
        QDir::setCurrent(old);
        const QString csv = QStringLiteral("Lernstand Anna 2026-12-24 14-03.csv");
        QCOMPARE(QDir(c.folder.path()).entryList({ "*.csv" }),
                 (QStringList{ "Lernstand Anna 2026-12-24 14-03 (2).csv", csv }));
        QFile saved(c.folder.filePath(csv));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(),
                 QByteArray("\xEF\xBB\xBFTag;Aufgaben;Richtig;Falsch;Fehlerquote;Minuten\r\n"
                            "22.12.2026;4;4;0;0 %;0\r\n21.12.2026;20;15;5;25 %;15\r\n"
                            "01.12.2026;20;18;2;10 %;0\r\n30.11.2026;23;23;0;0 %;0\r\n"));
        QCOMPARE(c.dialogs.take().first(),
                 ScriptedDialogs::msg("Die Tabelle steht in der Datei\n" + csv + "\nim Ordner\n"
                                              + QDir::toNativeSeparators(c.folder.path()) + "\r",
                                      64, "Lernstand"));
        c.page.open({ "Ben", "Jo: 3/4 ." }, 1);
        QCOMPARE(c.page.fileStem(), QStringLiteral("Lernstand Jo_ 3_4"));
    }

    // "Drucken": the days, the hardest types, then the chart as a picture of its own.
    void printed()
    {
        Class c(Answers);
        c.page.print();
        QCOMPARE(c.printer.jobs.size(), 1);
        const PrintJob& job = c.printer.jobs[0];
        const QStringList text = job.text();
        QCOMPARE(job.name, QStringLiteral("Lernstand Anna"));
        QCOMPARE(text.mid(0, 5),
                 (QStringList{ "Lernstand: Anna" + QString(44, u' ') + "Stand: 24.12.2026", "",
                               "Verlauf",
                               "Tag          Aufgaben  Richtig  Falsch  Fehlerquote  Minuten",
                               "22.12.2026   4         4        0       0 %          0" }));
        QCOMPARE(text.filter("Aufgaben").size() + text.filter("sicher").size(), 6);
        const PrintItem& chart = job.lines.last().first();
        QVERIFY(chart.picture && *chart.picture == c.page.weekChart());
        QStringList labels;
        for (const PrintPicture::Shape& shape : chart.picture->shapes)
            if (shape.kind == PrintPicture::Shape::Kind::Text)
                labels.append(shape.text);
        QCOMPARE(labels.join(u' '), "richtig falsch 43 0 45 46 47 48 49 50 51 52 KW");
    }
};

QTEST_GUILESS_MAIN(ProgressPageTests)
#include "progress_page_tests.moc"
