// The worksheet window as a teacher meets it: opened behind the password, every button and field
// reaching the worksheet and the lists showing it; and the error list window printing its list as
// a sheet.

#include "program_fixture.h"

#include "models/worksheet_sheets.h"
#include "platform/controls.h"

#include <QLineEdit>

#include <algorithm>

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
        auto list = [&](const char* name) {
            return f.control<ListBox>(QStringLiteral("WorksheetWindow/") + name);
        };
        auto lists = [&] {
            return QList<QStringList>{ list("taskList")->entries(), list("solutionList")->entries(),
                                       list("sortedSolutionList")->entries() };
        };
        auto selected = [&] {
            return QList<int>{ list("taskList")->listIndex(), list("solutionList")->listIndex(),
                               list("sortedSolutionList")->listIndex() };
        };
        // A new list in mandatory mode: 20 plus tasks, the last one on the training window's
        // screen.
        f.state().operation = Operation::Mandatory;
        f.click("WorksheetWindow/newListButton");
        QCOMPARE(f.state().operation, Operation::Plus);
        QList<QStringList> shown = lists();
        QStringList sorted = shown[1];
        std::sort(sorted.begin(), sorted.end());
        QVERIFY(shown[0].size() == 20 && shown[1].size() == 20 && shown[2] == sorted);
        QVERIFY(QSet<QString>(shown[0].begin(), shown[0].end()).size() > 1);
        QCOMPARE(shown[0].last(), blankRow(f.caption("taskLabel")));
        QCOMPARE(shown[1].last(), f.state().expectedAnswer);
        // A row selected in one list is selected in all three; replacing and appending keep it,
        // deleting takes the row and the selection.
        list("sortedSolutionList")->setListIndex(5);
        QCOMPARE(selected(), QList<int>({ 5, 5, 5 }));
        f.control<QLineEdit>("WorksheetWindow/searchText")->setText("=");
        f.control<QLineEdit>("WorksheetWindow/replacementText")->setText("==");
        f.click("WorksheetWindow/searchAndReplaceButton");
        QCOMPARE(list("taskList")->list(5), replaceFirst(shown[0][5], "=", "=="));
        f.click("WorksheetWindow/appendRowButton");
        QStringList rows = list("taskList")->entries();
        QVERIFY(rows.size() == 21 && selected() == QList<int>({ 5, 5, 5 }));
        f.click("WorksheetWindow/deleteRowButton");
        rows.removeAt(5);
        QVERIFY(list("taskList")->entries() == rows && selected() == QList<int>({ -1, -1, -1 }));
        f.control<QLineEdit>("WorksheetWindow/searchText")->clear();
        f.click("WorksheetWindow/searchAndReplaceButton");
        QCOMPARE(f.seen(),
                 Boxes{ ScriptedDialogs::msg("Beide Felder müssen belegt sein!", 0,
                                             "Suchen & Ersetzen") });
        // The mixed display: the sorted answers on show, and in what is copied and printed.
        f.click("WorksheetWindow/solutionDisplayButton");
        QVERIFY(list("sortedSolutionList")->isVisible() && !list("solutionList")->isVisible());
        QCOMPARE(f.caption("WorksheetWindow/solutionDisplayButton"), "Sortierte Anzeige");
        shown = lists();
        for (const char* button : { "copyAllButton", "copyTasksButton", "copySolutionsButton" })
            f.click(QStringLiteral("WorksheetWindow/") + button);
        f.dialogs.answerMsg(MsgResult::Yes);
        f.click("WorksheetWindow/printFullSheetButton");
        f.dialogs.answerMsg(MsgResult::No);
        f.click("WorksheetWindow/printSeparateSheetsButton");
        QCOMPARE(f.clipboard.texts,
                 QStringList({ allText(shown[0], shown[2]), tasksOnlyText(shown[0]),
                               solutionsOnlyText(shown[0], shown[2]) }));
        QVERIFY(f.printer.jobs.size() == 1
                && f.printer.jobs[0].text()
                        == fullSheet(shown[0], shown[2], Solutions::Mixed).text());
        QCOMPARE(f.seen().size(), 5);
        // Closed and opened again: the same place, lists and display.
        const QPoint place = w->pos();
        for (const char how : { 'C', 'F', 'E' }) {
            if (how == 'C')
                f.click("WorksheetWindow/cancelButton");
            else if (how == 'F')
                w->close();
            else
                f.keys("E", "WorksheetWindow/taskList");
            QVERIFY(!w->isVisible() && f.trainingWindow().isVisible());
            f.password();
            f.click("worksheetPicture");
            QVERIFY(f.seen().size() == 1 && w->isVisible() && w->pos() == place);
            QVERIFY(lists() == shown && list("sortedSolutionList")->isVisible());
        }
    }

    void errorListPrinting_data()
    {
        // The error list holds `rows` errors "4 + 5 = ?", "7 + 5 = ?", ... with the answers 9,
        // 12, ...; last: the solution on the sheet's last line.
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("last");
        QTest::newRow("in order") << "printWithAnswersButton" << 25 << "81";
        QTest::newRow("sorted") << "printWithMixedAnswersButton" << 25 << "9";
        QTest::newRow("empty") << "printWithAnswersButton" << 0 << QString();
    }

    void errorListPrinting()
    {
        QFETCH(QString, button);
        QFETCH(int, rows);
        QFETCH(QString, last);
        ProgramFixture f;
        f.startQuietly();
        for (int i = 0; i < rows; ++i)
            f.errorListWindow().addError(QStringLiteral("%1 + 5 = ?").arg(4 + 3 * i),
                                         QString::number(9 + 3 * i));
        if (rows > 0)
            f.dialogs.answerMsg(MsgResult::Yes);
        f.click("ErrorListWindow/" + button);
        QCOMPARE(f.seen(),
                 Boxes{ rows > 0 ? ScriptedDialogs::msg("Fehlerliste mit Lösungen drucken?\r", 292,
                                                        "Drucken")
                                 : ScriptedDialogs::msg("Die Fehlerliste ist leer.", 0,
                                                        "Drucken") });
        QStringList lastLines; // the name and the last line's items of each job
        for (const PrintJob& job : f.printer.jobs) {
            lastLines << job.name;
            for (const PrintItem& item : job.lines.last())
                lastLines << QString::number(item.column) + u':' + item.text;
        }
        const QStringList expected{ "Fehlerliste", "10:76 + 5 = ___" + QString(10, u' '),
                                    "40:" + QString(11, u'_'), "60:.", "65:" + last };
        QCOMPARE(lastLines, rows == 0 ? QStringList{} : expected);
    }
};

QTEST_MAIN(WorksheetWindowTests)
#include "worksheet_window_tests.moc"
