// The worksheet window as a teacher meets it: opened behind the password, every button and field
// reaching the worksheet and the lists showing it; and the error list window printing its list as
// a sheet.

#include "program_fixture.h"

#include "models/worksheet_sheets.h"
#include "platform/controls.h"

#include <QLineEdit>

using namespace Sheets;

class WorksheetWindowTests : public QObject {
    Q_OBJECT
private slots:
    void wiring()
    {
        ProgramFixture f;
        f.startQuietly();
        f.password();
        f.click("worksheetPicture");
        QCOMPARE(f.seen(), Boxes{ ScriptedDialogs::password("Ziftora") });
        QWidget* w = f.window("WorksheetWindow");
        QList<ListBox*> lists; // the task rows, the answers beside them, the sorted answers
        for (const char* name : { "taskList", "solutionList", "sortedSolutionList" })
            lists << f.control<ListBox>(QStringLiteral("WorksheetWindow/") + name);
        const auto shown = [&] {
            return QList<QStringList>{ lists[0]->entries(), lists[1]->entries(),
                                       lists[2]->entries() };
        };
        const auto selected = [&] {
            return QList<int>{ lists[0]->listIndex(), lists[1]->listIndex(),
                               lists[2]->listIndex() };
        };
        // A new list in mandatory mode: 20 plus tasks, the last on the training window's screen.
        f.state().operation = Operation::Mandatory;
        f.click("WorksheetWindow/newListButton");
        QCOMPARE(f.state().operation, Operation::Plus);
        QList<QStringList> rows = shown();
        QVERIFY(rows[0].size() == 20 && rows[1].size() == 20 && rows[2].size() == 20);
        QVERIFY(QSet<QString>(rows[0].begin(), rows[0].end()).size() > 1);
        QVERIFY(rows[0].last() == blankRow(f.caption("taskLabel"))
                && rows[1].last() == f.state().expectedAnswer);
        // A row selected in one list is selected in all three; replacing and appending keep it,
        // deleting takes the row and the selection.
        lists[2]->setListIndex(5);
        QCOMPARE(selected(), QList<int>({ 5, 5, 5 }));
        f.control<QLineEdit>("WorksheetWindow/searchText")->setText("=");
        f.control<QLineEdit>("WorksheetWindow/replacementText")->setText("==");
        f.click("WorksheetWindow/searchAndReplaceButton");
        QCOMPARE(lists[0]->list(5), replaceFirst(rows[0][5], "=", "=="));
        f.click("WorksheetWindow/appendRowButton");
        QVERIFY(lists[0]->listCount() == 21 && selected() == QList<int>({ 5, 5, 5 }));
        rows = shown();
        f.click("WorksheetWindow/deleteRowButton");
        rows[0].removeAt(5);
        QVERIFY(lists[0]->entries() == rows[0] && selected() == QList<int>({ -1, -1, -1 }));
        f.control<QLineEdit>("WorksheetWindow/searchText")->clear();
        f.click("WorksheetWindow/searchAndReplaceButton"); // asks for both fields
        // The mixed display: the sorted answers on show, copied and printed.
        f.click("WorksheetWindow/solutionDisplayButton");
        QVERIFY(lists[2]->isVisible() && !lists[1]->isVisible());
        QCOMPARE(f.caption("WorksheetWindow/solutionDisplayButton"), "Sortierte Anzeige");
        rows = shown();
        for (const char* button : { "copyAllButton", "copyTasksButton", "copySolutionsButton" })
            f.click(QStringLiteral("WorksheetWindow/") + button);
        f.dialogs.answerMsg(MsgResult::Yes), f.dialogs.answerMsg(MsgResult::No);
        f.click("WorksheetWindow/printFullSheetButton");
        f.click("WorksheetWindow/printSeparateSheetsButton");
        QCOMPARE(f.clipboard.texts,
                 QStringList({ allText(rows[0], rows[2]), tasksOnlyText(rows[0]),
                               solutionsOnlyText(rows[0], rows[2]) }));
        QCOMPARE(f.printer.jobs.value(0).text(),
                 fullSheet(rows[0], rows[2], Solutions::Mixed).text());
        QCOMPARE(f.seen().size(), 6);
        // Closed by the button, the frame or Escape, and opened again: the same place, lists and
        // display.
        const QPoint place = w->pos();
        for (const char how : { 'C', 'F', 'E' }) {
            how == 'C'           ? f.click("WorksheetWindow/cancelButton")
                    : how == 'F' ? void(w->close())
                                 : f.key(Qt::Key_Escape, "WorksheetWindow/taskList");
            QVERIFY(!w->isVisible() && f.trainingWindow().isVisible());
            f.password();
            f.click("worksheetPicture");
            QVERIFY(f.seen().size() == 1 && w->isVisible() && w->pos() == place);
            QVERIFY(shown() == rows && lists[2]->isVisible());
        }
    }

    void errorListPrinting()
    {
        // Every row of the error list on the sheet, the answers in order or sorted.
        ProgramFixture f;
        f.startQuietly();
        f.click("ErrorListWindow/printWithAnswersButton");
        for (int i = 0; i < 25; ++i)
            f.program().errorList().add(QStringLiteral("%1 + 5 = ?").arg(4 + 3 * i),
                                        QString::number(9 + 3 * i));
        f.dialogs.answerMsg(MsgResult::Yes), f.dialogs.answerMsg(MsgResult::Yes);
        f.click("ErrorListWindow/printWithAnswersButton");
        f.click("ErrorListWindow/printWithMixedAnswersButton");
        const Shown asked =
                ScriptedDialogs::msg("Fehlerliste mit Lösungen drucken?\r", 292, "Drucken");
        QCOMPARE(f.seen(),
                 Boxes({ ScriptedDialogs::msg("Die Fehlerliste ist leer.", 0, "Drucken"), asked,
                         asked }));
        QStringList seen; // each sheet's name, lines, heading lines, heading's end and last line
        for (const PrintJob& job : f.printer.jobs)
            seen << job.name + QStringLiteral(" %1/%2 ").arg(job.lines.size()).arg(job.headingLines)
                            + job.lines[1].last().text + ": " + job.text().last().simplified();
        QCOMPARE(seen,
                 QStringList({ "Fehlerliste 53/3 Lösung falten: 76 + 5 = ___ ___________ . 81",
                               "Fehlerliste 53/3 Lösung suchen: 76 + 5 = ___ ___________ . 9" }));
    }
};

QTEST_MAIN(WorksheetWindowTests)
#include "worksheet_window_tests.moc"
