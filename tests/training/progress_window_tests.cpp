// The "Lernstand" window's wiring: opened from the error-list window for the child shown there,
// stepping through the children, the class sorted, saving and printing.
#include "program_fixture.h"

#include "models/history_file.h"
#include "models/progress_page.h"

#include <QHeaderView>
#include <QTableWidget>

class ProgressWindowTests : public QObject {
    Q_OBJECT
private slots:
    void wiring();
};

void ProgressWindowTests::wiring()
{
    ProgramFixture f;
    f.startQuietly({ { "ZIFTORA.INI", "Anna\r\nBen\r\nCarla\r\n" },
                     { HistoryFile::fileName("Ben"),
                       "Ziftora Lernstand 1\r\nKind Ben\r\nA 2026-11-27 + 1 2 T 2 0 0\r\n"
                       "A 2026-11-30 + 1 2 T 7 3 120000\r\nE 2026-W48 7 6 3 1\r\n" } });
    f.answer(f.state().expectedAnswer); // Anna's answer counts on her page at once
    f.password();
    f.click("errorListPicture");
    f.seen();
    f.click("ErrorListWindow/progressButton");
    const auto table = [&f](const char* name) {
        QStringList rows;
        auto* t = f.control<QTableWidget>(QStringLiteral("ProgressWindow/") + name);
        for (int r = 0; r < t->rowCount(); ++r)
            rows.append(t->item(r, 0)->text() + u'|' + t->item(r, 1)->text());
        return rows;
    };
    QVERIFY(f.window("ProgressWindow")->isVisible());
    QCOMPARE(f.caption("ProgressWindow/childNameLabel"), QStringLiteral("Anna"));
    QCOMPARE(table("dayTable"), QStringList{ "30.11.2026|1" });
    f.click("ErrorListWindow/nextUserButton"); // the error list now shows Ben: so does the page
    f.click("ErrorListWindow/progressButton");
    QCOMPARE(table("dayTable"), (QStringList{ "30.11.2026|10", "27.11.2026|2" }));
    // A cell of the times table gives its fact and counts, to the eye and to a screen reader.
    const QTableWidgetItem* fact = f.control<QTableWidget>("ProgressWindow/factGrid")->item(6, 5);
    QVERIFY(fact);
    QCOMPARE((QStringList{ fact->text(), fact->data(Qt::AccessibleTextRole).toString() }),
             (QStringList{ "7 · 6\n3 / 1", "7 · 6: 3 richtig, 1 falsch, zu wenige Aufgaben" }));
    f.click("ProgressWindow/nextChildButton");
    f.click("ProgressWindow/nextChildButton");
    QCOMPARE(f.caption("ProgressWindow/childNameLabel"), QStringLiteral("Anna"));
    f.click("ProgressWindow/previousChildButton"); // back round to the last child
    QCOMPARE(f.caption("ProgressWindow/childNameLabel"), QStringLiteral("Carla"));
    f.click("ProgressWindow/nextChildButton");
    QCOMPARE(f.caption("ErrorListWindow/userNameLabel"), QStringLiteral("Ben"));
    QCOMPARE(f.program().users().selected(), 1);
    // The class, in the order of the list until sorted by a column, numbers by their value.
    QCOMPARE(table("classTable"), (QStringList{ "Anna|1", "Ben|10", "Carla|0" }));
    f.control<QTableWidget>("ProgressWindow/classTable")->sortByColumn(1, Qt::AscendingOrder);
    QCOMPARE(table("classTable"), (QStringList{ "Carla|0", "Anna|1", "Ben|10" }));

    f.click("ProgressWindow/saveButton");
    QCOMPARE(f.seen().size(), 1);
    QVERIFY(f.allFiles().contains("Lernstand Anna 2026-11-30 08-00.csv"));
    f.click("ProgressWindow/printButton");
    QCOMPARE(f.printer.jobs.size(), 1);
    QCOMPARE(f.printer.jobs[0].text().first().left(15), QStringLiteral("Lernstand: Anna"));
    // Closing the error list takes the teacher's page with it.
    f.click("ErrorListWindow/cancelButton");
    QVERIFY(!f.window("ProgressWindow")->isVisible());
}

QTEST_MAIN(ProgressWindowTests)
#include "progress_window_tests.moc"
