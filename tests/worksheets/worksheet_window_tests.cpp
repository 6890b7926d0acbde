// Worksheets as a teacher meets them: the list in the worksheet window, printed sheets, clipboard
// texts.

#include "program_fixture.h"

#include "platform/controls.h"
#include "models/worksheet_sheets.h"

#include <QLineEdit>

#include <algorithm>

using namespace Sheets;

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
        // After the worksheet picture: the search and replacement fields set, then N "Neue Liste",
        // A "Zeile anhängen", D "Die Zeile löschen", R "Suchen / Ersetzen", M "Gemischte Anzeige",
        // S row 5 selected in the solution column; closed by C "A b b r e c h e n", F the frame or
        // E Escape, and opened again.
        QTest::addColumn<int>("operation");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("actions");
        QTest::addColumn<int>("rows");
        QTest::addColumn<Boxes>("boxes");
        const QStringList plain{ "?", "___" };
        const Boxes both{ ScriptedDialogs::msg("Beide Felder müssen belegt sein!", 0,
                                               "Suchen & Ersetzen") };
        QTest::newRow("mandatory mode builds plus") << 6 << plain << "N" << 20 << Boxes{};
        QTest::newRow("new list again, then append") << 2 << plain << "NNA" << 21 << Boxes{};
        QTest::newRow("append to nothing") << 3 << plain << "A" << 1 << Boxes{};
        QTest::newRow("delete the selected row") << 4 << plain << "NSD" << 19 << Boxes{};
        QTest::newRow("delete without a selection") << 1 << plain << "ND" << 20 << Boxes{};
        QTest::newRow("empty search field") << 1 << QStringList{ "", "___" } << "A" << 1 << both;
        QTest::newRow("empty replacement")
                << 1 << QStringList{ "?", "" } << "AR" << 1 << both + both;
        QTest::newRow("one blank per run") << 1 << QStringList{ " ", "  " } << "AR" << 1 << Boxes{};
        QTest::newRow("replacing keeps the selection")
                << 1 << QStringList{ "=", "==" } << "NSR" << 20 << Boxes{};
        QTest::newRow("closed and opened, kept") << 1 << plain << "NMCAFMME" << 21 << Boxes{};
    }

    void building()
    {
        QFETCH(int, operation);
        QFETCH(QStringList, fields);
        QFETCH(QString, actions);
        QFETCH(int, rows);
        QFETCH(Boxes, boxes);
        ProgramFixture f;
        f.startQuietly();
        f.password();
        f.click("worksheetPicture");
        QCOMPARE(f.seen(), Boxes{ ScriptedDialogs::password("Ziftora") });
        QWidget* w = f.window("WorksheetWindow");
        w->move(w->pos() + QPoint(30, 20));
        const QPoint place = w->pos();
        f.state().operation = Operation(operation);
        f.control<QLineEdit>("WorksheetWindow/searchText")->setText(fields[0]);
        f.control<QLineEdit>("WorksheetWindow/replacementText")->setText(fields[1]);
        const QMap<QChar, QString> buttons{ { u'N', "WorksheetWindow/newListButton" },
                                            { u'A', "WorksheetWindow/appendRowButton" },
                                            { u'D', "WorksheetWindow/deleteRowButton" },
                                            { u'R', "WorksheetWindow/searchAndReplaceButton" },
                                            { u'M', "WorksheetWindow/solutionDisplayButton" },
                                            { u'C', "WorksheetWindow/cancelButton" } };
        for (const QChar action : actions) {
            if (action == u'S') { // selecting mirrors the row number into the other two lists
                f.control<ListBox>("WorksheetWindow/solutionList")->setListIndex(4);
                f.control<ListBox>("WorksheetWindow/sortedSolutionList")->setListIndex(5);
                QVERIFY(f.control<ListBox>("WorksheetWindow/taskList")->listIndex() == 5
                        && f.control<ListBox>("WorksheetWindow/solutionList")->listIndex() == 5);
            } else if (action == u'F') {
                w->close();
            } else if (action == u'E') {
                f.keys("E", "WorksheetWindow/taskList");
            } else {
                f.click(buttons[action]);
            }
            if (QStringLiteral("CFE").contains(action)) {
                QVERIFY(!w->isVisible() && f.trainingWindow().isVisible());
                f.password();
                f.click("worksheetPicture");
                QVERIFY(f.seen().size() == 1 && w->isVisible() && w->pos() == place);
            }
        }
        QCOMPARE(f.control("WorksheetWindow/sortedSolutionList")->isVisible(),
                 actions.count(u'M') % 2 == 1);
        // A replacement keeps the selected row; a deleted row leaves none.
        QCOMPARE(f.control<ListBox>("WorksheetWindow/taskList")->listIndex(),
                 actions.contains(u'S') && !actions.endsWith(u'D') ? 5 : -1);
        QCOMPARE(f.seen(), boxes);
        // Row i of the task and solution columns belong together; the sorted column holds the same
        // answers.
        const QStringList tasks = f.entries("WorksheetWindow/taskList"),
                          answers = f.entries("WorksheetWindow/solutionList");
        QStringList sorted = answers;
        std::sort(sorted.begin(), sorted.end());
        QVERIFY(tasks.size() == rows && answers.size() == rows
                && f.entries("WorksheetWindow/sortedSolutionList") == sorted);
        QVERIFY(rows < 20
                || QSet<QString>(tasks.begin(), tasks.end()).size()
                        > 1); // each row a task of its own
        QCOMPARE(int(f.state().operation), operation == 6 ? 1 : operation);
        if (actions.endsWith(u'D'))
            return;
        // The training window shows the last task built, its answer the last solution; the build
        // and every R after it replace the first occurrence in the row once.
        QString shown = taskRow(f.caption("taskLabel"));
        for (qsizetype runs =
                     1 + actions.mid(actions.lastIndexOf(QRegularExpression("[NA]"))).count(u'R');
             runs > 0 && !fields.contains(QString()); --runs)
            shown = replaceFirst(shown, fields[0], fields[1]);
        QCOMPARE(tasks.last(), shown);
        QCOMPARE(answers.last(), f.state().expectedAnswer);
    }

    void printingAndCopying_data()
    {
        // The worksheet (for ErrorListWindow/ also the error list) holds `rows` tasks task(i);
        // mixed: "Gemischte Anzeige" clicked first; out: the clipboard's texts, then line `line` of
        // each printed job.
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("mixed");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QStringList>("out");
        QTest::addColumn<Boxes>("boxes");
        QTest::addColumn<int>("line");
        const QString nl = QStringLiteral("\r\n"),
                      last = "Fehlerliste -1> 10:76 + 5 = ___" + QString(10, u' ') + Blank
                + "|60:.|65:";
        const Shown all =
                ScriptedDialogs::msg("Aufgaben und Lösungen wurden kopiert.", 0, "Zwischenablage");
        const Shown solutions =
                ScriptedDialogs::msg("Nur die Lösungen wurden kopiert.", 0, "Zwischenablage");
        const Shown full =
                ScriptedDialogs::msg("Übungsblatt mit Lösungen drucken?\r", 292, "Drucken");
        const Shown single =
                ScriptedDialogs::msg("Übungsblatt einzeln ausdrucken?\r", 292, "Drucken");
        const Shown second =
                ScriptedDialogs::msg("Die Seite mit den Lösungen drucken?\r", 292, "Drucken");
        const Shown errors =
                ScriptedDialogs::msg("Fehlerliste mit Lösungen drucken?\r", 292, "Drucken");
        const QList<int> yes{ int(MsgResult::Yes) }, no{ int(MsgResult::No) }, none;
        const QStringList nothing;
        QTest::newRow("all, beside")
                << "WorksheetWindow/copyAllButton" << 2 << false << none
                << QStringList{ Row0 + "     9" + nl + Row1 + "     12" + nl } << Boxes{ all } << 0;
        QTest::newRow("all, mixed")
                << "WorksheetWindow/copyAllButton" << 2 << true << none
                << QStringList{ Row0 + "     12" + nl + Row1 + "     9" + nl } << Boxes{ all } << 0;
        QTest::newRow("tasks, mixed")
                << "WorksheetWindow/copyTasksButton" << 2 << true << none
                << QStringList{ Row0 + nl + Row1 + nl }
                << Boxes{ ScriptedDialogs::msg("Nur die Aufgaben wurden kopiert.", 0,
                                               "Zwischenablage") }
                << 0;
        QTest::newRow("solutions, mixed")
                << "WorksheetWindow/copySolutionsButton" << 2 << true << none
                << QStringList{ "12\r\n9\r\n" } << Boxes{ solutions } << 0;
        QTest::newRow("singly, No") << "WorksheetWindow/printSeparateSheetsButton" << 2 << false
                                    << no << nothing << Boxes{ single } << 0;
        QTest::newRow("singly, no solutions")
                << "WorksheetWindow/printSeparateSheetsButton" << 2 << false
                << QList<int>{ int(MsgResult::Yes), int(MsgResult::No) }
                << QStringList{ "Übungsblatt 5> 10:" + Row0 + Blank } << Boxes{ single, second }
                << 5;
        QTest::newRow("singly, mixed solutions")
                << "WorksheetWindow/printSeparateSheetsButton" << 2 << true
                << QList<int>{ int(MsgResult::Yes), int(MsgResult::Yes) }
                << QStringList{ "Übungsblatt 1> 10:A u f g a b e|40:E r g e b n i s",
                                "Lösungsblatt 1> 10:12" }
                << Boxes{ single, second } << 1;
        QTest::newRow("all, mixed, printed")
                << "WorksheetWindow/printFullSheetButton" << 2 << true << yes
                << QStringList{ "Übungsblatt 4> 10:" + Row0 + Blank + "|60:.|65:12" }
                << Boxes{ full } << 4;
        QTest::newRow("error list in order")
                << "ErrorListWindow/printWithAnswersButton" << 25 << false << yes
                << QStringList{ last + "81" } << Boxes{ errors } << -1;
        QTest::newRow("error list sorted")
                << "ErrorListWindow/printWithMixedAnswersButton" << 25 << false << yes
                << QStringList{ last + "9" } << Boxes{ errors } << -1;
        QTest::newRow("empty error list")
                << "ErrorListWindow/printWithAnswersButton" << 0 << false << none << nothing
                << Boxes{ ScriptedDialogs::msg("Die Fehlerliste ist leer.", 0, "Drucken") } << 0;
    }

    void printingAndCopying()
    {
        QFETCH(QString, path);
        QFETCH(int, rows);
        QFETCH(bool, mixed);
        QFETCH(QList<int>, answers);
        QFETCH(QStringList, out);
        QFETCH(Boxes, boxes);
        QFETCH(int, line);
        ProgramFixture f;
        f.startQuietly();
        for (int i = 0; i < rows; ++i) {
            if (path.startsWith(QLatin1String("ErrorListWindow")))
                f.errorListWindow().addError(task(i), answer(i));
            f.control<ListBox>("WorksheetWindow/taskList")->addItem(blankRow(task(i)));
            f.control<ListBox>("WorksheetWindow/solutionList")->addItem(answer(i));
            f.control<ListBox>("WorksheetWindow/sortedSolutionList")->addItem(answer(i));
        }
        if (mixed)
            f.click("WorksheetWindow/solutionDisplayButton");
        QCOMPARE(f.caption("WorksheetWindow/solutionDisplayButton"),
                 mixed ? QStringLiteral("Sortierte Anzeige") : QStringLiteral("Gemischte Anzeige"));
        for (int answer : answers)
            f.dialogs.answerMsg(answer);
        f.click(path);
        QCOMPARE(f.seen(), boxes);
        QCOMPARE(f.clipboard.texts + jobs(f.printer.jobs, line), out);
    }
};

QTEST_MAIN(WorksheetTests)
#include "worksheet_window_tests.moc"
