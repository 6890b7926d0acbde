// The worksheet without its window: rows built from scripted tasks, edited, searched and replaced,
// and its printed sheets and clipboard texts in both solution displays.

#include "desktop_doubles.h"
#include "scripted_dialogs.h"

#include "models/task_source.h"
#include "models/worksheet.h"

#include <QTest>

using namespace Sheets;
using Boxes = QList<ScriptedDialogs::Shown>;

namespace {

// Line `line` of each job (negative: from the end) as "name line> column:text|column:text".
QStringList jobs(const QList<PrintJob>& jobs, int line)
{
    QStringList seen;
    for (const PrintJob& job : jobs) {
        QStringList items;
        for (const PrintItem& item : job.lines.value(line < 0 ? job.lines.size() + line : line))
            items.append(QString::number(item.column) + u':' + item.text);
        seen.append(job.name + QStringLiteral(" %1> ").arg(line) + items.join(u'|'));
    }
    return seen;
}

// Task i of a test list: "4 + 5 = ?", "7 + 5 = ?", ... with the answers 9, 12, ...
QString task(int i)
{
    return QStringLiteral("%1 + 5 = ?").arg(4 + 3 * i);
}
QString answer(int i)
{
    return QString::number(9 + 3 * i);
}

// Hands out the scripted tasks ("text|answer"), then task(i) for the i-th call.
class ScriptedTasks final : public TaskSource {
public:
    Task nextTask() override
    {
        const QStringList given = script.value(calls).split(u'|');
        ++calls;
        return given.size() == 2 ? Task{ given[0], given[1] }
                                 : Task{ task(calls - 1), answer(calls - 1) };
    }
    QStringList script;
    int calls = 0;
};

struct Sheet {
    ScriptedTasks tasks;
    ScriptedDialogs dialogs;
    RecordingClipboard clipboard;
    RecordingPrinter printer;
    Worksheet worksheet{ tasks, dialogs, clipboard, printer };
};

const QString Blank = QStringLiteral("|40:") + QString(11, u'_');
const QString Row0 = QStringLiteral("4 + 5 = ___") + QString(11, u' ');
const QString Row1 = QStringLiteral("7 + 5 = ___") + QString(11, u' ');

} // namespace

class WorksheetTests : public QObject {
    Q_OBJECT
private slots:
    void sheets_data()
    {
        // rows: task rows Row0 (or `first`), Row1, then task(i); expect: "line> items" (line < 0
        // from the end).
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("first");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("expect");
        const QString thirty = QString(30, u'9'), fold = "|60:.|65:";
        QTest::newRow("task sheet, 2 rows")
                << "task" << 2 << Row0 << 44
                << QStringList{ "0> ",
                                "1> 10:A u f g a b e|40:E r g e b n i s",
                                "2> 10:" + QString(35, u'_'),
                                "3> ",
                                "4> ",
                                "5> 10:" + Row0 + Blank,
                                "6> ",
                                "7> 10:" + Row1 + Blank,
                                "-1> 10:" + Blank };
        QTest::newRow("a row up to the blank")
                << "task" << 1 << thirty << 44 << QStringList{ "5> 10:" + thirty + Blank };
        QTest::newRow("a longer row pushes it down")
                << "task" << 1 << thirty + "9" << 45
                << QStringList{ "5> 10:" + thirty + "9", "6> " + Blank.mid(1) };
        QTest::newRow("solution sheet, 3 rows")
                << "solutions" << 3 << Row0 << 40
                << QStringList{ "0> ", "1> 10:9", "2> ", "5> 10:15", "-1> 10:" };
        QTest::newRow("full sheet, beside")
                << "beside" << 2 << Row0 << 43
                << QStringList{ "0> ",
                                "1> 10:Au f g a b e|40:E r g e b n i s|60:.|65:Lösung falten",
                                "2> 10:" + QString(56, u'_'),
                                "3> ",
                                "4> 10:" + Row0 + Blank + fold + "9",
                                "-1> 10:" + Blank + fold };
        QTest::newRow("full sheet, mixed, 30 rows")
                << "mixed" << 30 << Row0 << 43
                << QStringList{ "1> 10:Au f g a b e|40:E r g e b n i s|60:.|65:Lösung suchen",
                                "-1> 10:61 + 5 = ?" + Blank + fold + "66" };
        QTest::newRow("error list, every row")
                << "errors" << 25 << "1000 + 1000 + 1000 = ?" << 53
                << QStringList{ "4> 10:1000 + 1000 + 1000 =" + Blank + fold + "9",
                                "6> 10:" + Row1 + Blank + fold + "12",
                                "-1> 10:76 + 5 = ___" + QString(10, u' ') + Blank + fold + "81" };
    }

    void sheets()
    {
        QFETCH(QString, sheet);
        QFETCH(int, rows);
        QFETCH(QString, first);
        QFETCH(int, count);
        QFETCH(QStringList, expect);
        QStringList tasks{ first }, answers{ answer(0) };
        for (int i = 1; i < rows; ++i)
            tasks << (i == 1 && sheet != QLatin1String("errors") ? Row1 : task(i)),
                    answers << answer(i);
        const PrintJob job = sheet == QLatin1String("task") ? taskSheet(tasks)
                : sheet == QLatin1String("solutions")       ? solutionSheet(answers)
                : sheet == QLatin1String("errors")
                ? errorListSheet(tasks, answers, Solutions::Beside)
                : fullSheet(tasks, answers,
                            sheet == QLatin1String("mixed") ? Solutions::Mixed : Solutions::Beside);
        QCOMPARE(job.lines.size(), count);
        QCOMPARE(job.headingLines,
                 sheet == QLatin1String("task") || sheet == QLatin1String("solutions") ? 0 : 3);
        for (const QString& e : expect)
            QCOMPARE(jobs({ job }, e.section(u'>', 0, 0).toInt()).first(), job.name + u' ' + e);
    }

    void building_data()
    {
        // given: the source's first tasks; actions: N "Neue Liste", A a row appended, R search and
        // replace, Dn row n deleted (D- none selected); expect: rows as "row> task
        // row|answer|sorted answer" (row < 0 from the end); complaints: how often both fields were
        // asked for.
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("actions");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QStringList>("expect");
        QTest::addColumn<int>("complaints");
        const QStringList plain{ "?", "___" }, none;
        const QString pad9(9, u' '), pad10(10, u' '), pad11(11, u' ');
        QTest::newRow("new list") << none << plain << "N" << 20
                                  << QStringList{ "0> " + Row0 + "|9|12",
                                                  "-1> 61 + 5 = ___" + pad10 + "|66|9" }
                                  << 0;
        QTest::newRow("a new list instead of the old")
                << none << plain << "NAN" << 20
                << QStringList{ "0> 67 + 5 = ___" + pad10 + "|72|102",
                                "-1> 124 + 5 = ___" + pad9 + "|129|99" }
                << 0;
        QTest::newRow("rows cut and padded to 20")
                << QStringList{ "1000 + 1000 + 1000 = ?|3000", "7 < ?|<" } << plain << "AA" << 2
                << QStringList{ "0> 1000 + 1000 + 1000 =|3000|3000",
                                "1> 7 < ___" + QString(15, u' ') + "|<|<" }
                << 0;
        QTest::newRow("the next occurrence each run")
                << QStringList{ "? + 5 = ?|9" } << plain << "ARR" << 1
                << QStringList{ "0> ___ + 5 = ___" + pad11 + "|9|9" } << 0;
        QTest::newRow("a replacement holding the search")
                << none << QStringList{ "=", "==" } << "AR" << 1
                << QStringList{ "0> 4 + 5 === ?" + pad11 + "|9|9" } << 0;
        QTest::newRow("empty search field") << none << QStringList{ "", "___" } << "AR" << 1
                                            << QStringList{ "0> 4 + 5 = ?" + pad11 + "|9|9" } << 2;
        QTest::newRow("empty replacement")
                << none << QStringList{ "?", "" } << "N" << 20
                << QStringList{ "-1> 61 + 5 = ?" + pad10 + "|66|9" } << 1;
        QTest::newRow("a row and the topmost equal answer deleted")
                << QStringList{ "8 + 1 = ?|9", "7 + 5 = ?|12", "6 + 3 = ?|9" } << plain << "AAAD0"
                << 2
                << QStringList{ "0> 7 + 5 = ___" + pad11 + "|12|12",
                                "1> 6 + 3 = ___" + pad11 + "|9|9" }
                << 0;
        QTest::newRow("no row, or one past the end")
                << none << plain << "AD-D1" << 1 << QStringList{ "0> " + Row0 + "|9|9" } << 0;
    }

    void building()
    {
        QFETCH(QStringList, given);
        QFETCH(QStringList, fields);
        QFETCH(QString, actions);
        QFETCH(int, rows);
        QFETCH(QStringList, expect);
        QFETCH(int, complaints);
        Sheet s;
        s.tasks.script = given;
        s.worksheet.setSearchText(fields[0]);
        s.worksheet.setReplacementText(fields[1]);
        for (qsizetype i = 0; i < actions.size(); ++i) {
            if (actions[i] == u'D')
                s.worksheet.removeRow(actions[++i] == u'-' ? -1 : actions[i].digitValue());
            else
                (s.worksheet
                 .*(actions[i] == u'N'           ? &Worksheet::buildNewList
                            : actions[i] == u'A' ? &Worksheet::appendRow
                                                 : &Worksheet::searchAndReplace))();
        }
        const TaskList& list = s.worksheet.rows();
        QVERIFY(list.count() == rows && list.answers().size() == rows
                && list.sortedAnswers().size() == rows);
        for (const QString& e : expect) {
            const int row = e.section(u'>', 0, 0).toInt(), at = row < 0 ? rows + row : row;
            QCOMPARE(QStringLiteral("%1> ").arg(row) + list.tasks()[at] + u'|' + list.answers()[at]
                             + u'|' + list.sortedAnswers()[at],
                     e);
        }
        QCOMPARE(s.dialogs.take(),
                 Boxes(complaints,
                       ScriptedDialogs::msg("Beide Felder müssen belegt sein!", 0,
                                            "Suchen & Ersetzen")));
    }

    void printingAndCopying_data()
    {
        // The worksheet holds `rows` tasks task(i), its display switched `switches` times; answers:
        // to the print questions; out: the clipboard's texts, then line `line` of each job.
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("switches");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QStringList>("out");
        QTest::addColumn<Boxes>("boxes");
        QTest::addColumn<int>("line");
        const QString nl = QStringLiteral("\r\n");
        const auto copied = [](const char* what) {
            return Boxes{ ScriptedDialogs::msg(what, 0, "Zwischenablage") };
        };
        const auto asked = [](const char* question) {
            return ScriptedDialogs::msg(question, 292, "Drucken");
        };
        const Boxes all = copied("Aufgaben und Lösungen wurden kopiert.");
        const Boxes single{ asked("Übungsblatt einzeln ausdrucken?\r") };
        const Boxes both = single + Boxes{ asked("Die Seite mit den Lösungen drucken?\r") };
        const QList<int> yes{ int(MsgResult::Yes) }, no{ int(MsgResult::No) }, none;
        QTest::newRow("all, beside")
                << "copyAll" << 2 << 0 << none
                << QStringList{ Row0 + "     9" + nl + Row1 + "     12" + nl } << all << 0;
        QTest::newRow("all, mixed")
                << "copyAll" << 2 << 1 << none
                << QStringList{ Row0 + "     12" + nl + Row1 + "     9" + nl } << all << 0;
        QTest::newRow("all, switched back")
                << "copyAll" << 2 << 2 << none
                << QStringList{ Row0 + "     9" + nl + Row1 + "     12" + nl } << all << 0;
        QTest::newRow("all of nothing")
                << "copyAll" << 0 << 0 << none << QStringList{ "" } << all << 0;
        QTest::newRow("tasks, mixed")
                << "copyTasks" << 2 << 1 << none << QStringList{ Row0 + nl + Row1 + nl }
                << copied("Nur die Aufgaben wurden kopiert.") << 0;
        QTest::newRow("solutions, mixed")
                << "copySolutions" << 2 << 1 << none << QStringList{ "12\r\n9\r\n" }
                << copied("Nur die Lösungen wurden kopiert.") << 0;
        QTest::newRow("singly, No")
                << "printSeparateSheets" << 2 << 0 << no << QStringList{} << single << 0;
        QTest::newRow("singly, no solutions")
                << "printSeparateSheets" << 2 << 0 << yes + no
                << QStringList{ "Übungsblatt 5> 10:" + Row0 + Blank } << both << 5;
        QTest::newRow("singly, mixed solutions")
                << "printSeparateSheets" << 2 << 1 << yes + yes
                << QStringList{ "Übungsblatt 1> 10:A u f g a b e|40:E r g e b n i s",
                                "Lösungsblatt 1> 10:12" }
                << both << 1;
        QTest::newRow("all, No") << "printFullSheet" << 2 << 0 << no << QStringList{}
                                 << Boxes{ asked("Übungsblatt mit Lösungen drucken?\r") } << 0;
        QTest::newRow("all, mixed, printed")
                << "printFullSheet" << 2 << 1 << yes
                << QStringList{ "Übungsblatt 4> 10:" + Row0 + Blank + "|60:.|65:12" }
                << Boxes{ asked("Übungsblatt mit Lösungen drucken?\r") } << 4;
    }

    void printingAndCopying()
    {
        QFETCH(QString, operation);
        QFETCH(int, rows);
        QFETCH(int, switches);
        QFETCH(QList<int>, answers);
        QFETCH(QStringList, out);
        QFETCH(Boxes, boxes);
        QFETCH(int, line);
        const QMap<QString, void (Worksheet::*)()> operations{
            { "copyAll", &Worksheet::copyAll },
            { "copyTasks", &Worksheet::copyTasks },
            { "copySolutions", &Worksheet::copySolutions },
            { "printFullSheet", &Worksheet::printFullSheet },
            { "printSeparateSheets", &Worksheet::printSeparateSheets }
        };
        Sheet s;
        for (int i = 0; i < rows; ++i)
            s.worksheet.appendRow();
        for (int i = 0; i < switches; ++i)
            s.worksheet.switchSolutions();
        QCOMPARE(s.worksheet.solutions(), switches % 2 ? Solutions::Mixed : Solutions::Beside);
        for (int answer : answers)
            s.dialogs.answerMsg(answer);
        (s.worksheet.*operations[operation])();
        QCOMPARE(s.dialogs.take(), boxes);
        QCOMPARE(s.clipboard.texts + jobs(s.printer.jobs, line), out);
    }
};

QTEST_GUILESS_MAIN(WorksheetTests)
#include "worksheet_tests.moc"
