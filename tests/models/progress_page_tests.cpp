// The "Lernstand" page as its window shows it: the tables of a child and of the class, the colours,
// the times table's cells, the saved table and the printed page.
#include "desktop_doubles.h"
#include "full_disk.h"
#include "history_test_data.h"
#include "scripted_clock.h"
#include "scripted_dialogs.h"

#include "models/history.h"
#include "models/history_queries.h"
#include "models/progress_page.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList Answers{ "15×2026-12-21 08:00|T|3|1|1|42|42|60000| 7 · 6 = ?",
                           "5×2026-12-21 08:00|T|3|1|1|1|42|0| 7 · 6 = ?",
                           "18×2026-12-01 08:00|T|2|1|1|0|0|0| 5 - 5 = ?",
                           "2×2026-12-01 08:00|T|2|1|1|1|0|0| 5 - 5 = ?",
                           "20×2026-11-30 08:00|T|1|1|1|2|2|0|1 + 1 = ?",
                           "3×2026-11-30 08:00|T|1|2|1|2|2|0|1 + 1 = ?",
                           "4×2026-12-22 08:00|F|3|0|0|12|12|0| 3 · 4 = ?" };

// A class whose histories lie in a folder of their own: Anna's answers above, Ben's none.
struct Class {
    Class()
    {
        TextFile::replaceBytes(folder.filePath(HistoryFile::fileName("Anna")),
                               HistoryFile::bytes(historyOf(Answers)));
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

QString rgb(quint32 color)
{
    return QStringLiteral("#%1").arg(color, 6, 16, QLatin1Char('0'));
}

} // namespace

class ProgressPageTests : public QObject {
    Q_OBJECT

private slots:
    // Every table a row per line, its cells joined by "|"; coloured rows end in their colour.
    void tables()
    {
        Class c;
        const auto rows = [](const QList<QStringList>& table) {
            QStringList shown;
            for (const QStringList& row : table)
                shown.append(row.join(u'|'));
            return shown;
        };
        QCOMPARE(rows(c.page.dayTable()),
                 (QStringList{ "22.12.2026|4|4|0|0 %|0", "21.12.2026|20|15|5|25 %|15",
                               "01.12.2026|20|18|2|10 %|0", "30.11.2026|23|23|0|0 %|0" }));
        QCOMPARE(rows(c.page.classTable()),
                 (QStringList{ "Anna|24|21 %|22.12.2026", "Ben|0||nie" }));
        QStringList weeks;
        for (int week = 45; week <= 52; ++week)
            weeks.append(QStringLiteral("KW %1/2026|").arg(week)
                         + (week == 49           ? "41|2"
                                    : week == 52 ? "19|5"
                                                 : "0|0"));
        QCOMPARE(rows(c.page.weekTable()), weeks);
        QStringList types; // worst first
        for (int i = 0; i < c.page.types().size(); ++i)
            types.append(c.page.typeTable()[i].join(u'|') + u'|'
                         + rgb(ratingColor(c.page.types()[i].rating)));
        QCOMPARE(types,
                 (QStringList{ "mal|Malaufgaben|20|25 %|schwer|#ef9a9a",
                               "minus|Minus Einer|20|10 %|unsicher|#fff59d",
                               "plus|Plus Einer|20|0 %|sicher|#a5d6a7",
                               "plus|Plus Zehner|3|0 %|zu wenige Aufgaben|#e0e0e0" }));
        QStringList facts; // the practised facts of the times table
        for (int a = 1; a <= 10; ++a)
            for (int b = 1; b <= 10; ++b)
                if (const FactCell& cell = c.page.facts()[a - 1][b - 1]; cell.tally.answers() > 0)
                    facts.append(c.page.factText(a, b) + u'|' + c.page.factName(a, b) + u'|'
                                 + rgb(ratingColor(cell.rating)));
        QCOMPARE(
                facts,
                (QStringList{ "3 · 4\n4 / 0|3 · 4: 4 richtig, 0 falsch, zu wenige Aufgaben|#e0e0e0",
                              "7 · 6\n15 / 5|7 · 6: 15 richtig, 5 falsch, schwer|#ef9a9a" }));
    }

    // "Als Tabelle speichern": never over a file, named after the child (without the characters
    // a file name cannot hold), the message says where.
    void savedTable()
    {
        Class c;
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
        QCOMPARE(saved.readAll(), dayTableCsv(dayRows(historyOf(Answers)))); // as the days table
        QCOMPARE(c.dialogs.take().first(),
                 ScriptedDialogs::msg("Die Tabelle steht in der Datei\n" + csv + "\nim Ordner\n"
                                              + QDir::toNativeSeparators(c.folder.path()) + "\r",
                                      64, "Lernstand"));
        c.page.open({ "Ben", "Jo: 3/4 ." }, 1);
        QCOMPARE(c.page.fileStem(), QStringLiteral("Lernstand Jo_ 3_4"));
    }

    // On a full disk the table is not saved, no part of it stays behind, and the message says so.
    void tableOnAFullDisk()
    {
        FullDisk disk;
        if (!disk.isReady())
            QSKIP(qPrintable(disk.reason()));
        Class c;
        QVERIFY2(disk.fill(), qPrintable(disk.reason()));
        const QString old = QDir::currentPath();
        QDir::setCurrent(disk.path());
        c.page.saveTable();
        QDir::setCurrent(old);
        QCOMPARE(QDir(disk.path()).entryList({ "*.csv" }), QStringList());
        QCOMPARE(c.dialogs.take(),
                 QList{ ScriptedDialogs::msg("Im Ordner\n" + QDir::toNativeSeparators(disk.path())
                                                     + "\nkonnte die Tabelle nicht gespeichert "
                                                       "werden.\r",
                                             16, "Lernstand") });
    }

    // "Drucken": the days, the hardest types, then the chart as a picture of its own.
    void printed()
    {
        Class c;
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
