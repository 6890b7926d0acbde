// Worksheets as a teacher meets them: building and editing the list in the worksheet window, the
// printed sheets line by line and column by column, the clipboard texts, and the error list printed.

#include "program_fixture.h"

#include "platform/controls.h"
#include "worksheets/worksheet_rules.h"

#include <QLineEdit>

#include <algorithm>

using namespace Worksheet;

namespace {

// A printed line as "column:text|column:text".
QString Items(const PrintLine& line)
{
    QStringList items;
    for (const PrintItem& item : line)
        items.append(QString::number(item.column) + u':' + item.text);
    return items.join(u'|');
}

// The jobs as "name n> line n's items" for the chosen line of each (negative: from the end).
QStringList Jobs(const QList<PrintJob>& jobs, int line)
{
    QStringList seen;
    for (const PrintJob& job : jobs)
        seen.append(job.name + QStringLiteral(" %1> ").arg(line) + Items(job.lines.value(line < 0 ? job.lines.size() + line : line)));
    return seen;
}

// Row i of a test list: "4 + 5 = ?", "7 + 5 = ?", ... with answers 9, 12, ...
QString Task(int i) { return QStringLiteral("%1 + 5 = ?").arg(4 + 3 * i); }
QString Answer(int i) { return QString::number(9 + 3 * i); }

const QString Blank = QString(11, u'_');
const QString Row0 = QStringLiteral("4 + 5 = ___") + QString(11, u' ');
const QString Row1 = QStringLiteral("7 + 5 = ___") + QString(11, u' ');

} // namespace

class WorksheetTests : public QObject {
    Q_OBJECT
private slots:
    void sheets_data();
    void sheets();
    void building_data();
    void building();
    void replacing_data();
    void replacing();
    void printingAndCopying_data();
    void printingAndCopying();
    void closing_data();
    void closing();
};

void WorksheetTests::sheets_data()
{
    // expect: "line> items" for chosen lines (negative: from the end).
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("first"); // replaces row 0
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("expect");
    const QString thirty = QString(30, u'9');
    QTest::newRow("task sheet, 2 rows") << "task" << 2 << Row0 << 44 << QStringList{
        "0> ", "1> 10:A u f g a b e|40:E r g e b n i s", "2> 10:" + QString(35, u'_'), "3> ", "4> ", "5> 10:" + Row0 + "|40:" + Blank,
        "6> ", "7> 10:" + Row1 + "|40:" + Blank, "-1> 10:|40:" + Blank};
    QTest::newRow("task sheet, 25 rows") << "task" << 25 << Row0 << 44 << QStringList{"-1> 10:61 + 5 = ?|40:" + Blank};
    QTest::newRow("a row up to the blank") << "task" << 1 << thirty << 44 << QStringList{"5> 10:" + thirty + "|40:" + Blank};
    QTest::newRow("a longer row pushes it down") << "task" << 1 << thirty + "9" << 45 << QStringList{"5> 10:" + thirty + "9", "6> 40:" + Blank, "-1> 10:|40:" + Blank};
    QTest::newRow("solution sheet, 3 rows") << "solutions" << 3 << Row0 << 40 << QStringList{"0> ", "1> 10:9", "2> ", "5> 10:15", "-1> 10:"};
    QTest::newRow("full sheet, beside") << "beside" << 2 << Row0 << 43 << QStringList{
        "0> ", "1> 10:Au f g a b e|40:E r g e b n i s|60:.|65:Lösung falten", "2> 10:" + QString(56, u'_'), "3> ",
        "4> 10:" + Row0 + "|40:" + Blank + "|60:.|65:9", "-1> 10:|40:" + Blank + "|60:.|65:"};
    QTest::newRow("full sheet, mixed") << "mixed" << 30 << Row0 << 43 << QStringList{"1> 10:Au f g a b e|40:E r g e b n i s|60:.|65:Lösung suchen", "-1> 10:61 + 5 = ?|40:" + Blank + "|60:.|65:66"};
    QTest::newRow("error list, every row") << "errors" << 25 << "1000 + 1000 + 1000 = ?" << 53 << QStringList{
        "4> 10:1000 + 1000 + 1000 =|40:" + Blank + "|60:.|65:9", "6> 10:" + Row1 + "|40:" + Blank + "|60:.|65:12",
        "-1> 10:76 + 5 = ___" + QString(10, u' ') + "|40:" + Blank + "|60:.|65:81"};
}

void WorksheetTests::sheets()
{
    QFETCH(QString, sheet);
    QFETCH(int, rows);
    QFETCH(QString, first);
    QFETCH(int, count);
    QFETCH(QStringList, expect);
    QStringList tasks{first}, answers{Answer(0)};
    for (int i = 1; i < rows; ++i)
        tasks << (sheet == QLatin1String("errors") ? Task(i) : i == 1 ? Row1 : Task(i)), answers << Answer(i);
    const PrintJob job = sheet == QLatin1String("task") ? TaskSheet(tasks)
                         : sheet == QLatin1String("solutions") ? SolutionSheet(answers)
                         : sheet == QLatin1String("errors") ? ErrorListSheet(tasks, answers, Solutions::Beside)
                         : FullSheet(tasks, answers, sheet == QLatin1String("mixed") ? Solutions::Mixed : Solutions::Beside);
    QCOMPARE(job.lines.size(), count);
    QCOMPARE(job.headingLines, sheet == QLatin1String("errors") || sheet == QLatin1String("beside") || sheet == QLatin1String("mixed") ? 3 : 0);
    for (const QString& e : expect) {
        const int line = e.section(u'>', 0, 0).toInt();
        QCOMPARE(Jobs({job}, line).first(), job.name + u' ' + e);
    }
}

void WorksheetTests::building_data()
{
    // actions on the worksheet window: N "Neue Liste", A "Zeile anhängen", S select row 5 in the
    // solution list, D "Die Zeile löschen".
    QTest::addColumn<int>("operation");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("actions");
    QTest::addColumn<int>("rows");
    QTest::addColumn<Boxes>("boxes");
    QTest::newRow("new list") << 1 << "?" << "N" << 20 << Boxes{};
    QTest::newRow("mandatory mode builds plus") << 6 << "?" << "N" << 20 << Boxes{};
    QTest::newRow("new list again, then append") << 2 << "?" << "NNA" << 21 << Boxes{};
    QTest::newRow("append to nothing") << 3 << "?" << "A" << 1 << Boxes{};
    QTest::newRow("delete the selected row") << 4 << "?" << "NSD" << 19 << Boxes{};
    QTest::newRow("delete without a selection") << 1 << "?" << "ND" << 20 << Boxes{};
    QTest::newRow("empty search field") << 1 << "" << "A" << 1 << Boxes{ScriptedDialogs::Msg("Beide Felder müssen belegt sein!", 0, "Suchen & Ersetzen")};
}

void WorksheetTests::building()
{
    QFETCH(int, operation);
    QFETCH(QString, search);
    QFETCH(QString, actions);
    QFETCH(int, rows);
    QFETCH(Boxes, boxes);
    ProgramFixture f;
    f.StartQuietly();
    f.Password();
    f.Click("Bild6");
    QCOMPARE(f.Seen(), Boxes{ScriptedDialogs::Password("Ziftora")});
    QVERIFY(f.Window("druck")->isVisible() && f.form1().isVisible());
    f.state().Operation = operation;
    f.Control<QLineEdit>("druck/Text1")->setText(search);
    for (const QChar action : actions) {
        if (action != u'S') {
            f.Click(QStringLiteral("druck/Befehl%1").arg(action == u'N' ? 3 : action == u'A' ? 11 : 10));
            continue;
        }
        // Selecting mirrors the row number into the other two lists.
        f.Control<ListBox>("druck/Liste2")->SetListIndex(5);
        QVERIFY(f.Control<ListBox>("druck/Liste1")->ListIndex() == 5 && f.Control<ListBox>("druck/Liste3")->ListIndex() == 5);
    }
    QCOMPARE(f.Seen(), boxes);
    // Row i of the task and solution columns belong together; the sorted column holds the same answers.
    const QStringList tasks = f.Entries("druck/Liste1"), answers = f.Entries("druck/Liste2");
    QStringList sorted = answers;
    std::sort(sorted.begin(), sorted.end());
    QVERIFY(tasks.size() == rows && answers.size() == rows && f.Entries("druck/Liste3") == sorted);
    QCOMPARE(f.state().Operation, operation == 6 ? 1 : operation);
    if (actions.endsWith(u'D'))
        return;
    // The training window shows the last task built; its answer is the last solution.
    const QString shown = TaskRow(f.Caption("Bezeichnung1"));
    QCOMPARE(tasks.last(), search.isEmpty() ? shown : ReplaceFirst(shown, "?", "___"));
    QCOMPARE(answers.last(), f.state().ExpectedAnswer);
    QCOMPARE(tasks.filter(QStringLiteral("?")).isEmpty(), !search.isEmpty());
}

void WorksheetTests::replacing_data()
{
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<int>("runs");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<Boxes>("boxes");
    QTest::newRow("the first in each row") << "?" << "___" << 1 << QStringList{"1 ___ 2 ? 3", "x", "X ___"} << Boxes{};
    QTest::newRow("the next one in a second run") << "?" << "___" << 2 << QStringList{"1 ___ 2 ___ 3", "x", "X ___"} << Boxes{};
    QTest::newRow("a replacement holding the search") << "?" << "??" << 2 << QStringList{"1 ??? 2 ? 3", "x", "X ???"} << Boxes{};
    QTest::newRow("case counts") << "x" << "y" << 1 << QStringList{"1 ? 2 ? 3", "y", "X ?"} << Boxes{};
    QTest::newRow("empty replacement") << "?" << "" << 1 << QStringList{"1 ? 2 ? 3", "x", "X ?"}
                                       << Boxes{ScriptedDialogs::Msg("Beide Felder müssen belegt sein!", 0, "Suchen & Ersetzen")};
}

void WorksheetTests::replacing()
{
    QFETCH(QString, search);
    QFETCH(QString, replacement);
    QFETCH(int, runs);
    QFETCH(QStringList, rows);
    QFETCH(Boxes, boxes);
    ProgramFixture f;
    f.StartQuietly();
    auto* tasks = f.Control<ListBox>("druck/Liste1");
    tasks->AddItems({"1 ? 2 ? 3", "x", "X ?"});
    f.Control<ListBox>("druck/Liste2")->AddItems({"1", "2", "3"});
    tasks->SetListIndex(1);
    f.Control<QLineEdit>("druck/Text1")->setText(search);
    f.Control<QLineEdit>("druck/Text2")->setText(replacement);
    for (int i = 0; i < runs; ++i)
        f.Click("druck/Befehl7");
    QCOMPARE(f.Seen(), boxes);
    QCOMPARE(tasks->Entries(), rows);
    QCOMPARE(f.Entries("druck/Liste2"), QStringList({"1", "2", "3"})); // solutions are never touched
    QCOMPARE(tasks->ListIndex(), 1);
}

void WorksheetTests::printingAndCopying_data()
{
    // The worksheet (or, for Form8/, the error list) holds `rows` tasks 4 + 5, 7 + 5, ...; mixed:
    // "Gemischte Anzeige" clicked first. jobs: the printed jobs' line `line`, as Jobs() shows it.
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("mixed");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QStringList>("clipboard");
    QTest::addColumn<Boxes>("boxes");
    QTest::addColumn<int>("line");
    QTest::addColumn<QStringList>("jobs");
    const QString crlf = QStringLiteral("\r\n");
    const Shown all = ScriptedDialogs::Msg("Aufgaben und Lösungen wurden kopiert.", 0, "Zwischenablage");
    const Shown tasks = ScriptedDialogs::Msg("Nur die Aufgaben wurden kopiert.", 0, "Zwischenablage");
    const Shown solutions = ScriptedDialogs::Msg("Nur die Lösungen wurden kopiert.", 0, "Zwischenablage");
    QTest::newRow("all, beside") << "druck/Befehl4" << 2 << false << QList<int>{} << QStringList{Row0 + "     9" + crlf + Row1 + "     12" + crlf} << Boxes{all} << 0 << QStringList{};
    QTest::newRow("all, mixed") << "druck/Befehl4" << 2 << true << QList<int>{} << QStringList{Row0 + "     12" + crlf + Row1 + "     9" + crlf} << Boxes{all} << 0 << QStringList{};
    QTest::newRow("all of nothing") << "druck/Befehl4" << 0 << false << QList<int>{} << QStringList{""} << Boxes{all} << 0 << QStringList{};
    QTest::newRow("tasks, mixed") << "druck/befehl8" << 2 << true << QList<int>{} << QStringList{Row0 + crlf + Row1 + crlf} << Boxes{tasks} << 0 << QStringList{};
    QTest::newRow("solutions, beside") << "druck/befehl9" << 2 << false << QList<int>{} << QStringList{"9\r\n12\r\n"} << Boxes{solutions} << 0 << QStringList{};
    QTest::newRow("solutions, mixed") << "druck/befehl9" << 2 << true << QList<int>{} << QStringList{"12\r\n9\r\n"} << Boxes{solutions} << 0 << QStringList{};

    const Shown single = ScriptedDialogs::Msg("Übungsblatt einzeln ausdrucken?\r", 292, "Drucken");
    const Shown second = ScriptedDialogs::Msg("Die Seite mit den Lösungen drucken?\r", 292, "Drucken");
    const Shown full = ScriptedDialogs::Msg("Übungsblatt mit Lösungen drucken?\r", 292, "Drucken");
    const Shown errors = ScriptedDialogs::Msg("Fehlerliste mit Lösungen drucken?\r", 292, "Drucken");
    const QList<int> yes{MsgResult::Yes}, no{MsgResult::No};
    QTest::newRow("singly, No") << "druck/Befehl2" << 2 << false << no << QStringList{} << Boxes{single} << 0 << QStringList{};
    QTest::newRow("singly, no solutions") << "druck/Befehl2" << 2 << false << QList<int>{MsgResult::Yes, MsgResult::No} << QStringList{}
                                          << Boxes{single, second} << 5 << QStringList{"Übungsblatt 5> 10:" + Row0 + "|40:" + Blank};
    QTest::newRow("singly, mixed solutions") << "druck/Befehl2" << 2 << true << QList<int>{MsgResult::Yes, MsgResult::Yes} << QStringList{}
                                             << Boxes{single, second} << 1 << QStringList{"Übungsblatt 1> 10:A u f g a b e|40:E r g e b n i s", "Lösungsblatt 1> 10:12"};
    QTest::newRow("all, mixed, printed") << "druck/Befehl6" << 2 << true << yes << QStringList{} << Boxes{full} << 4
                                         << QStringList{"Übungsblatt 4> 10:" + Row0 + "|40:" + Blank + "|60:.|65:12"};
    QTest::newRow("all, No") << "druck/Befehl6" << 2 << false << no << QStringList{} << Boxes{full} << 0 << QStringList{};
    QTest::newRow("error list in order") << "Form8/Befehl2" << 25 << false << yes << QStringList{} << Boxes{errors} << -1
                                         << QStringList{"Fehlerliste -1> 10:76 + 5 = ___" + QString(10, u' ') + "|40:" + Blank + "|60:.|65:81"};
    QTest::newRow("error list sorted") << "Form8/Befehl3" << 25 << false << yes << QStringList{} << Boxes{errors} << -1
                                       << QStringList{"Fehlerliste -1> 10:76 + 5 = ___" + QString(10, u' ') + "|40:" + Blank + "|60:.|65:9"};
    QTest::newRow("error list, No") << "Form8/Befehl3" << 2 << false << no << QStringList{} << Boxes{errors} << 0 << QStringList{};
    QTest::newRow("empty error list") << "Form8/Befehl2" << 0 << false << QList<int>{} << QStringList{}
                                      << Boxes{ScriptedDialogs::Msg("Die Fehlerliste ist leer.", 0, "Drucken")} << 0 << QStringList{};
}

void WorksheetTests::printingAndCopying()
{
    QFETCH(QString, path);
    QFETCH(int, rows);
    QFETCH(bool, mixed);
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, clipboard);
    QFETCH(Boxes, boxes);
    QFETCH(int, line);
    QFETCH(QStringList, jobs);
    ProgramFixture f;
    f.StartQuietly();
    for (int i = 0; i < rows; ++i) {
        if (path.startsWith(QLatin1String("Form8")))
            f.form8().AddError(Task(i), Answer(i));
        for (const char* list : {"druck/Liste2", "druck/Liste3"})
            f.Control<ListBox>(list)->AddItem(Answer(i));
        f.Control<ListBox>("druck/Liste1")->AddItem(BlankRow(Task(i)));
    }
    if (mixed)
        f.Click("druck/Befehl5");
    QCOMPARE(f.Caption("druck/Befehl5"), mixed ? QStringLiteral("Sortierte Anzeige") : QStringLiteral("Gemischte Anzeige"));
    for (int answer : answers)
        f.dialogs.AnswerMsg(answer);
    f.Click(path);
    QCOMPARE(f.Seen(), boxes);
    QCOMPARE(f.clipboard.texts, clipboard);
    QCOMPARE(Jobs(f.printer.jobs, line), jobs);
}

void WorksheetTests::closing_data()
{
    QTest::addColumn<QString>("how"); // "click" on "A b b r e c h e n", "frame", or Escape "E" in the task list
    QTest::newRow("A b b r e c h e n") << "click";
    QTest::newRow("frame") << "frame";
    QTest::newRow("Escape") << "E";
}

void WorksheetTests::closing()
{
    QFETCH(QString, how);
    ProgramFixture f;
    f.StartQuietly();
    f.Password();
    f.Click("Bild6");
    QWidget* w = f.Window("druck");
    // It opens right beside the training window, wide enough for both columns and tall enough for
    // the bottom row; every control is named and reachable by Tab.
    QCOMPARE(w->pos(), QPoint(f.form1().frameGeometry().right() + 1, f.form1().frameGeometry().top()));
    QCOMPARE(Twips::FromPixels(w->width()), 7440);
    for (QWidget* c : w->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        QVERIFY2(!c->objectName().isEmpty() && w->rect().contains(c->geometry()), qPrintable(c->objectName()));
        QVERIFY(qobject_cast<QLabel*>(c) || (c->focusPolicy() & Qt::TabFocus));
    }
    f.Click("druck/Befehl3");
    f.Click("druck/Befehl5");
    const QStringList tasks = f.Entries("druck/Liste1");
    w->move(w->pos() + QPoint(30, 20));
    const QPoint place = w->pos();
    if (how == QLatin1String("click"))
        f.Click("druck/Befehl1");
    else if (how == QLatin1String("frame"))
        w->close();
    else
        f.Keys(how, "druck/Liste1");
    QVERIFY(!w->isVisible() && f.form1().isVisible());
    f.Password();
    f.Click("Bild6");
    QCOMPARE(f.Seen(), Boxes({ScriptedDialogs::Password("Ziftora"), ScriptedDialogs::Password("Ziftora")}));
    QVERIFY(w->isVisible() && w->pos() == place && f.Entries("druck/Liste1") == tasks);
    QVERIFY(f.Control("druck/Liste3")->isVisible() && !f.Control("druck/Liste2")->isVisible());
}

QTEST_MAIN(WorksheetTests)
#include "worksheet_tests.moc"
