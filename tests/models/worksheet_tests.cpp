// The worksheet without its window: rows built from scripted tasks, edited, searched and replaced,
// printed and copied in both solution displays.

#include "desktop_doubles.h"
#include "scripted_dialogs.h"

#include "models/task_source.h"
#include "models/worksheet.h"

#include <QRegularExpression>
#include <QTest>

using Shown = ScriptedDialogs::Shown;
using Boxes = QList<Shown>;

namespace {

// A worksheet with doubles around it. It hands out the scripted tasks ("text|answer"), then task
// i for the i-th call: "4 + 5 = ?", "7 + 5 = ?", ... with the answers 9, 12, ...
struct Sheet final : TaskSource {
    Task nextTask() override
    {
        const int i = calls++;
        const QStringList given =
                script.value(i, QStringLiteral("%1 + 5 = ?|%2").arg(4 + 3 * i).arg(9 + 3 * i))
                        .split(u'|');
        return { given[0], given[1] };
    }
    QStringList script;
    int calls = 0;
    ScriptedDialogs dialogs;
    RecordingClipboard clipboard;
    RecordingPrinter printer;
    Worksheet worksheet{ *this, dialogs, clipboard, printer };
};

// The line of a job (negative: from the end) as "name line> column:text|column:text".
QString jobLine(const QList<PrintJob>& jobs, const QString& name, int line)
{
    QStringList items;
    for (const PrintJob& job : jobs)
        for (const PrintItem& item : job.name == name
                     ? job.lines.value(line < 0 ? job.lines.size() + line : line)
                     : PrintLine())
            items.append(QString::number(item.column) + u':' + item.text);
    return name + QStringLiteral(" %1> ").arg(line) + items.join(u'|');
}

} // namespace

class WorksheetTests : public QObject {
    Q_OBJECT
private slots:
    void worksheet_data()
    {
        // given: the source's first tasks; fields: search and replacement; actions: N "Neue
        // Liste", A a row appended, R search and replace, Dn row n deleted (D- none), M the display
        // switched, C/T/L all/tasks/solutions copied, P all printed, S printed singly, y/n the
        // answer to the next question; rows: how many; boxes: the messages shown; out: the
        // clipboard's texts, each sheet as "name: lines/heading lines", then "row> task
        // row|answer|sorted answer" or "name line> column:text|..." of a sheet (row or line < 0
        // from the end).
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("actions");
        QTest::addColumn<int>("rows");
        QTest::addColumn<Boxes>("boxes");
        QTest::addColumn<QStringList>("out");
        const QStringList plain{ "?", "___" }, none;
        const QString pad = QString(11, u' '), nines = QString(11, u'9'), nl = "\r\n",
                      row0 = "4 + 5 = ___" + pad, row1 = "7 + 5 = ___" + pad,
                      blank = "|40:___________", fold = "|60:.|65:", sheet = "Übungsblatt ",
                      solutions = "Lösungsblatt ";
        const auto shown = &ScriptedDialogs::msg;
        const Boxes empty{ shown("Beide Felder müssen belegt sein!", 0, "Suchen & Ersetzen") },
                single{ shown("Übungsblatt einzeln ausdrucken?\r", 292, "Drucken") },
                both = single
                + Boxes{ shown("Die Seite mit den Lösungen drucken?\r", 292, "Drucken") },
                full{ shown("Übungsblatt mit Lösungen drucken?\r", 292, "Drucken") };
        QTest::newRow("new list, and again instead of the old")
                << none << plain << "NAN" << 20 << Boxes{}
                << QStringList{ "0> 67 + 5 = ___" + QString(10, u' ') + "|72|102",
                                "-1> 124 + 5 = ___" + QString(9, u' ') + "|129|99" };
        QTest::newRow("rows cut and padded to 20")
                << QStringList{ "1000 + 1000 + 1000 = ?|3000", "7 < ?|<" } << plain << "AA" << 2
                << Boxes{}
                << QStringList{ "0> 1000 + 1000 + 1000 =|3000|3000",
                                "1> 7 < ___" + QString(15, u' ') + "|<|<" };
        QTest::newRow("the next occurrence each run")
                << QStringList{ "? + 5 = ?|9" } << plain << "ARR" << 1 << Boxes{}
                << QStringList{ "0> ___ + 5 = ___" + pad + "|9|9" };
        QTest::newRow("a replacement holding the search")
                << none << QStringList{ "=", "==" } << "AR" << 1 << Boxes{}
                << QStringList{ "0> 4 + 5 === ?" + pad + "|9|9" };
        QTest::newRow("empty search field")
                << none << QStringList{ "", "___" } << "AR" << 1 << empty + empty
                << QStringList{ "0> 4 + 5 = ?" + pad + "|9|9" };
        QTest::newRow("empty replacement")
                << none << QStringList{ "?", "" } << "N" << 20 << empty
                << QStringList{ "-1> 61 + 5 = ?" + QString(10, u' ') + "|66|9" };
        QTest::newRow("no row, one past the end, a row and its topmost equal answer")
                << QStringList{ "8 + 1 = ?|9", "7 + 5 = ?|12", "6 + 3 = ?|9" } << plain
                << "AAAD-D3D0" << 2 << Boxes{}
                << QStringList{ "0> " + row1 + "|12|12", "1> 6 + 3 = ___" + pad + "|9|9" };
        QTest::newRow("task sheet")
                << none << plain << "AAynS" << 2 << both
                << QStringList{ "Übungsblatt: 44/0",
                                sheet + "1> 10:A u f g a b e|40:E r g e b n i s",
                                sheet + "2> 10:" + QString(35, u'_'),
                                sheet + "5> 10:" + row0 + blank,
                                sheet + "7> 10:" + row1 + blank,
                                sheet + "-1> 10:" + blank };
        QTest::newRow("a row up to the blank, and a longer one pushing it down")
                << QStringList{ "4 + 5 = ?|9", "? + 5 = ?|9" } << QStringList{ "?", nines }
                << "AARynS" << 2 << both
                << QStringList{ "Übungsblatt: 45/0", sheet + "5> 10:4 + 5 = " + nines + pad + blank,
                                sheet + "7> 10:" + nines + " + 5 = " + nines + pad,
                                sheet + "8> " + blank.mid(1) };
        QTest::newRow("solution sheet, mixed")
                << none << plain << "AAAMyyS" << 3 << both
                << QStringList{ "Übungsblatt: 44/0", "Lösungsblatt: 40/0", solutions + "1> 10:12",
                                solutions + "5> 10:9", solutions + "-1> 10:" };
        QTest::newRow("No to each")
                << none << plain << "AAnSnP" << 2 << single + full << QStringList{};
        QTest::newRow("full sheet, beside, 30 rows")
                << none << plain << "NAAAAAAAAAAyP" << 30 << full
                << QStringList{
                       "Übungsblatt: 43/3",
                       sheet + "1> 10:Au f g a b e|40:E r g e b n i s" + fold + "Lösung falten",
                       sheet + "2> 10:" + QString(56, u'_'),
                       sheet + "4> 10:" + row0 + blank + fold + "9",
                       sheet + "-1> 10:61 + 5 = ___" + QString(10, u' ') + blank + fold + "66"
                   };
        QTest::newRow("full sheet, mixed")
                << none << plain << "AAMyP" << 2 << full
                << QStringList{ "Übungsblatt: 43/3",
                                sheet + "1> 10:Au f g a b e|40:E r g e b n i s" + fold
                                        + "Lösung suchen",
                                sheet + "4> 10:" + row0 + blank + fold + "12",
                                sheet + "-1> 10:" + blank + fold };
        const Shown all = shown("Aufgaben und Lösungen wurden kopiert.", 0, "Zwischenablage"),
                    tasks = shown("Nur die Aufgaben wurden kopiert.", 0, "Zwischenablage"),
                    solved = shown("Nur die Lösungen wurden kopiert.", 0, "Zwischenablage");
        QTest::newRow("copied: all of nothing, all, tasks, solutions mixed, all beside again")
                << none << plain << "CAAMCTLMC" << 2 << Boxes{ all, all, tasks, solved, all }
                << QStringList{ "", row0 + "     12" + nl + row1 + "     9" + nl,
                                row0 + nl + row1 + nl, "12\r\n9\r\n",
                                row0 + "     9" + nl + row1 + "     12" + nl };
    }

    void worksheet()
    {
        QFETCH(QStringList, given);
        QFETCH(QStringList, fields);
        QFETCH(QString, actions);
        QFETCH(int, rows);
        QFETCH(Boxes, boxes);
        QFETCH(QStringList, out);
        void (Worksheet::*const operations[])() = {
            &Worksheet::buildNewList,    &Worksheet::appendRow,      &Worksheet::searchAndReplace,
            &Worksheet::switchSolutions, &Worksheet::copyAll,        &Worksheet::copyTasks,
            &Worksheet::copySolutions,   &Worksheet::printFullSheet, &Worksheet::printSeparateSheets
        };
        Sheet s;
        s.script = given;
        s.worksheet.setSearchText(fields[0]);
        s.worksheet.setReplacementText(fields[1]);
        for (qsizetype i = 0; i < actions.size(); ++i) {
            if (actions[i].isLower()) // y or n: the answer to the next question
                s.dialogs.answerMsg(actions[i] == u'y' ? MsgResult::Yes : MsgResult::No);
            else if (actions[i] == u'D')
                s.worksheet.removeRow(actions[++i] == u'-' ? -1 : actions[i].digitValue());
            else
                (s.worksheet.*operations[QStringLiteral("NARMCTLPS").indexOf(actions[i])])();
        }
        QCOMPARE(s.dialogs.take(), boxes);
        const TaskList& list = s.worksheet.rows();
        QVERIFY(list.count() == rows && list.answers().size() == rows
                && list.sortedAnswers().size() == rows);
        QCOMPARE(s.worksheet.solutions() == Sheets::Solutions::Mixed, actions.count(u'M') % 2 == 1);
        QStringList seen = s.clipboard.texts;
        for (const PrintJob& job : s.printer.jobs)
            seen << job.name
                            + QStringLiteral(": %1/%2").arg(job.lines.size()).arg(job.headingLines);
        const QRegularExpression asked("^(\\S+ )?(-?\\d+)> ");
        for (const QString& e : out.filter(asked)) {
            const QRegularExpressionMatch m = asked.match(e);
            const int row = m.captured(2).toInt(), at = row < 0 ? rows + row : row;
            seen << (m.capturedLength(1) ? jobLine(s.printer.jobs, m.captured(1).chopped(1), row)
                                         : QStringLiteral("%1> ").arg(row) + list.tasks().value(at)
                                     + u'|' + list.answers().value(at) + u'|'
                                     + list.sortedAnswers().value(at));
        }
        QCOMPARE(seen, out);
    }
};

QTEST_GUILESS_MAIN(WorksheetTests)
#include "worksheet_tests.moc"
