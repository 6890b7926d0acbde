// The child's answer and what follows: the error list, its practice and window, the teacher's
// password, error files.

#include "program_fixture.h"

#include "models/error_file.h"
#include "models/evaluation.h"
#include "models/history_file.h"

#include <QSignalSpy>

#include <functional>

#include <sys/stat.h>

const Shown Wrong = ScriptedDialogs::msg(QStringLiteral("Das ist leider falsch!\r"), 0,
                                         QStringLiteral("Rechenfehler"));

class AnsweringTests : public QObject {
    Q_OBJECT
private slots:
    void scenario_data();
    void scenario();
    void evaluation_data();
    void evaluation();
    void history_data();
    void history();
};

void AnsweringTests::scenario_data()
{
    // Steps: -task|answer lists an error quietly; set-ups: +T puts "Aufgabe" with this answer, +E
    // and +R set the counters, +Y, +N, +P answer the next box, +p puts a pipe at ZIFTORA.000;
    // @ clicks, # presses buttons by caption (E "Entf"), X closes the error list window's frame,
    // else keys (as ProgramFixture::Keys, at the control after @). trace: after each step that
    // changes it, task (* practice, new: generated)|entry|errors|right|signals|windows, child
    // shown. left: the error list; after: changed files.
    QTest::addColumn<Files>("files");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("trace");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<Boxes>("boxes");
    QTest::addColumn<Files>("after");
    const auto row = [](const char* name, const QStringList& steps, const QStringList& trace,
                        const QStringList& left = {}, const Boxes& boxes = {},
                        const Files& files = {}, const Files& after = {}) {
        QTest::newRow(name) << files << steps << trace << left << boxes << after;
    };
    const Shown question =
            ScriptedDialogs::msg("Die Fehleraufgaben jetzt üben?\r", 276, "Fehlerliste");
    row("every digit typed", { "+T5", "1234567890" }, { "Aufgabe|1234567890|0|0|0|" });
    row("R follows the position", { "+T17R3", "#173" }, { "Aufgabe|17R3|0|0|0|" });
    row("signs pressed replace", { "+T>", "#><=" }, { "Aufgabe|=|0|0|0|" });
    row("ten characters at most", { "+T1234567890R1", "#12345678901" },
        { "Aufgabe|1234567890|0|0|0|" });
    row("Entf takes the R for good", { "+T7R3", "#7E3" }, { "Aufgabe|73|0|0|0|" });
    row("Backspace takes the R for good", { "+T7R3", "7B3" }, { "Aufgabe|73|0|0|0|" });
    row("each try counts, listed once", { "+T7R3", "8R9R" }, { "Aufgabe||2|0|0|" },
        { "Aufgabe|7R3" }, { Wrong, Wrong });
    row("wrong, then right", { "+T7R3", "8R", "73R" }, { "Aufgabe||1|0|0|", "new||1|1|0|" },
        { "Aufgabe|7R3" }, { Wrong });
    QStringList ten, left;
    for (int i = 1; i <= 10; ++i)
        ten << QStringLiteral("-%1 + 1 = ?|%2").arg(i).arg(i + 1), left << ten.last().mid(1);
    row("the eleventh error, adding nothing, starts practice", ten << "0R",
        { "*1 + 1 = ?||11|0|0|" }, left.mid(1), { Wrong });
    const QString b = QStringLiteral("1 + 2 = ?"), c = QStringLiteral("6 + 6 = ?");
    row("first in, first out; right answers uncounted until the last",
        { "-3 · 4 = ?|12", "-" + b + "|3", "-" + c + "|12", "+Y", "@userPicture",
          "@errorPracticeCover", "6R", "12R", "3R", "12R", "12R" },
        { "*3 · 4 = ?||3|0|0|", "*3 · 4 = ?||4|0|0|", "*" + b + "||4|0|0|", "*" + c + "||4|0|0|",
          "*3 · 4 = ?||4|0|0|", "new||0|1|0|" },
        {},
        { question, ScriptedDialogs::msg("Es sind noch 2 Fehleraufgaben!\r", 0, "Fehlerliste"),
          Wrong });
    row("answers the keypad cannot type are passed over",
        { "-A|", "-2 + 2 = ?|4", "-B|zw\u00f6lf", "+Y", "@userPicture", "4R" },
        { "*2 + 2 = ?||3|0|0|", "new||0|1|0|" }, {}, { question });
    // The password (4R2, the answer on screen) and the error list window: "<" and ">" browse, 4
    // deletes, 1 closes. Ben's file ends in a task without its answer; Carla's holds bytes the code
    // page has no character for.
    const Files children{ { "ZIFTORA.INI", "Anna\r\nBen\r\nCarla\r\n" },
                          { "ZIFTORA.000", "7 + 5 = ?\r\n12\r\n9 + 9 = ?\r\n18\r\n" },
                          { "ZIFTORA.001", "6 - 2 = ?\r\n4\r\n8 - 1 = ?\r\n" },
                          { "ZIFTORA.002",
                            QByteArray("3 \xB7 4 = ?\r\n12\r\n\x81\x00\x9D\r\n3\r\n", 24) } };
    const Files alone{ { "ZIFTORA.000", "5 + 5 = ?\r\n10\r\n" } };
    const auto teacher =
            [&](const char* name, const Files& files, const QStringList& steps, QStringList trace,
                const QStringList& left = { "22 : 5 = ?|4R2" }) { // the task, entry and child stay
                for (QString& t : trace = QStringList{ "0|" } + trace)
                    t.prepend(QStringLiteral("22 : 5 = ?|4R|1|0|"));
                row(name, QStringList{ "-22 : 5 = ?|4R2", "4" } + steps, trace, left,
                    { ScriptedDialogs::password("Ziftora") }, files);
            };
    teacher("opening shows this run's list", children, { "+P4R2", "@errorListPicture" },
            { "0|8 Anna" });
    teacher("small r refused", children, { "+P4r2", "@errorListPicture" }, {});
    teacher("unpaired last line left out, closed", children,
            { "+P4R2", "@errorListPicture", "@ErrorListWindow/nextUserButton",
              "@ErrorListWindow/cancelButton" },
            { "0|8 Anna", "0|8 Ben", "0|Ben" }, { "6 - 2 = ?|4" });
    teacher("back to the last, on to the first and back, Escape", children,
            { "+P4R2", "@errorListPicture", "@ErrorListWindow/previousUserButton",
              "@ErrorListWindow/nextUserButton", "@ErrorListWindow/previousUserButton",
              "E@ErrorListWindow/taskList" },
            { "0|8 Anna", "0|8 Carla", "0|8 Anna", "0|8 Carla", "0|Carla" },
            { "3 · 4 = ?|12", QStringLiteral("\u0081\u0000\u009D|3") });
    teacher("deleted, the frame", children,
            { "+P4R2", "@errorListPicture", "@ErrorListWindow/deleteButton", "X" },
            { "0|8 Anna", "0|Anna" }, {});
    teacher("alone, back reloads", alone,
            { "+P4R2", "@errorListPicture", "@ErrorListWindow/deleteButton",
              "@ErrorListWindow/previousUserButton" },
            { "0|8 Standardbenutzer" }, { "5 + 5 = ?|10" });
    // Declining practice at a change of user appends the errors to the child's file; the errors
    // stay listed. (A new file, a plain append, a folder and no child selected are rows of the user
    // window's test.)
    const QByteArray saved("3 \xB7 4 = ?\r\n12\r\n7 + 5 <=> 13\r\n<\r\n"),
            odd("1 + 1 = ?\r\n2\r\n8 - 1 = ?\r\n");
    const auto change = [&](const char* name, const QString& first, const QByteArray& bytes,
                            const QByteArray& after, const QString& message = {}) {
        const auto file = [](const QByteArray& b) {
            return b.isEmpty() ? Files{} : Files{ { "ZIFTORA.000", b } };
        };
        const QStringList listed{ "3 · 4 = ?|12", "7 + 5 <=> 13|<" };
        row(name,
            QStringList{ first }.filter(QStringLiteral("+"))
                    + QStringList{ "-" + listed[0], "-" + listed[1], "+N", "@userPicture" },
            { "7 + 5 <=> 13||2|0|0|7" }, listed,
            message.isEmpty() ? Boxes{ question }
                              : Boxes{ question, ScriptedDialogs::msg(message, 64, "Fehlerliste") },
            file(bytes), file(after));
    };
    const QString cannot =
            QStringLiteral("Die Fehleraufgaben konnten nicht in der Datei ZIFTORA.000 gespeichert "
                           "werden. Vielleicht "
                           "ist der Ordner schreibgeschützt oder der Datenträger voll.\r\nDie "
                           "Fehleraufgaben bleiben in der Fehlerliste.");
    change("odd number of lines", {}, odd, odd + "\r\n" + saved);
    change("last line without its ending", {}, "8 - 1 = ?", "8 - 1 = ?\r\n\r\n" + saved);
    change("a pipe", "+p", {}, {}, cannot);
}

void AnsweringTests::scenario()
{
    QFETCH(Files, files);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, trace);
    QFETCH(QStringList, left);
    QFETCH(Boxes, boxes);
    QFETCH(Files, after);
    ProgramFixture f;
    f.startQuietly(files);
    const Files expected = [&] {
        Files all = f.allFiles();
        return all.insert(after), all;
    }();
    const QString path = f.dir.filePath(QStringLiteral("ZIFTORA.000"));
    QSignalSpy spy(&f.session(), &TrainingSession::rewardDue);
    QStringList known{ QStringLiteral("Aufgabe") }, seen;
    const auto state = [&] {
        const QString task = f.caption("taskLabel"),
                      windows = QString(f.userWindow().isVisible() ? "7" : "")
                + (f.errorListWindow().isVisible() ? "8 " : "");
        return QStringList{ (f.session().errorPractice() ? "*" : "")
                                    + (known.contains(task) ? task : "new"),
                            f.caption("entryDisplay"),
                            f.caption("errorCountLabel"),
                            f.caption("correctCountLabel"),
                            QString::number(spy.count()),
                            windows + f.caption("ErrorListWindow/userNameLabel") }
                .join(u'|');
    };
    const QMap<QString, std::function<void(const QString&)>> act{
        { "-",
          [&](const QString& t) {
              known << t.section(u'|', 0, 0), f.putTask(known.last(), t.section(u'|', 1)),
                      f.answer(QStringLiteral("0")), f.seen(), f.dialogs.beeps = 0;
          } },
        { "+T", [&](const QString& answer) { f.putTask(QStringLiteral("Aufgabe"), answer); } },
        { "+Y", [&](const QString&) { f.dialogs.answerMsg(MsgResult::Yes); } },
        { "+N", [&](const QString&) { f.dialogs.answerMsg(MsgResult::No); } },
        { "X", [&](const QString&) { f.errorListWindow().close(); } },
        { "+p",
          [&](const QString&) { QCOMPARE(::mkfifo(path.toLocal8Bit().constData(), 0600), 0); } },
        { "#",
          [&](const QString& keys) {
              for (const QChar k : keys)
                  f.press(k == u'E' ? "Entf" : QString(k));
          } },
        { "@", [&](const QString& control) { f.click(control); } },
        { "+P", [&](const QString& typed) { f.password(typed); } }
    };
    for (QString step : steps) {
        const QString kind = step.left(step.startsWith(u'+') ? 2 : 1), was = state();
        if (act.contains(kind))
            act.value(kind)(step.mid(kind.size()));
        else
            f.keys(step.section(u'@', 0, 0),
                   step.contains(u'@') ? step.section(u'@', 1) : QStringLiteral("checkButton"));
        if (!QStringLiteral("+-").contains(step.at(0)) && state() != was)
            seen << state();
        QCOMPARE(f.state().entryText, f.caption("entryDisplay"));
        QCOMPARE(
                f.trainingWindow().isVisible(),
                !f.errorListWindow().isVisible()
                        && !f.window("RewardChooser")->isVisible()); // the chooser stands in for it
    }
    QCOMPARE(seen, trace);
    QStringList listed, tasks = f.entries("ErrorListWindow/taskList"),
                        answers = f.entries("ErrorListWindow/answerList");
    for (int i = 0; i < qMax(tasks.size(), answers.size()); ++i)
        listed << tasks.value(i) + u'|' + answers.value(i);
    QCOMPARE(listed, left);
    answers.sort();
    QCOMPARE(f.entries("ErrorListWindow/sortedAnswerList"), answers);
    QCOMPARE(f.seen(), boxes);
    QCOMPARE(f.dialogs.beeps, int(boxes.count(Wrong)));
    QCOMPARE(f.caption("userNameLabel"),
             f.entries("UserWindow/userList").first()); // the training window keeps its child
    if (!f.caption("ErrorListWindow/userNameLabel")
                 .isEmpty()) // the error list window selects the child it shows
        QCOMPARE(f.program().users().selected(),
                 f.entries("UserWindow/userList")
                         .indexOf(f.caption("ErrorListWindow/userNameLabel")));
    if (!QFileInfo(path).exists() || QFileInfo(path).isFile()) // not a pipe, then
        QCOMPARE(f.allFiles(), expected);
}

void AnsweringTests::evaluation_data()
{
    QTest::addColumn<int>("errors");
    QTest::addColumn<qint64>("right");
    QTest::addColumn<QString>("text");
    const auto row =
            [](const char* percent, int errors, qint64 right, const char* praise) {
                QTest::newRow(percent)
                        << errors << right
                        << QStringLiteral("Du hast %1% Fehler:\n\r\n\r%2").arg(percent, praise);
            };
    QTest::newRow("no right answer yet")
            << 4 << qint64(0) << QStringLiteral("Du hast noch keine richtige Lösung!");
    row("3276700", 32767, 1, "Du machst zu viele Fehler!");
    row("70", 7, 10, "Du machst zu viele Fehler!");
    row("60", 6, 10, "Du musst viel mehr üben!");
    row("50", 5, 10, "Du musst noch etwas üben!");
    row("40", 4, 10, "Das geht gerade noch so!");
    row("30", 3, 10, "Schon recht ordentlich!");
    row("29", 29, 100, "Das klappt schon fast gut!"); // exactly 29, not 28.999...
    row("20", 2, 10, "Das klappt schon fast gut!");
    row("10", 1, 10, "Das hast du gut gemacht!");
    row("5", 1, 20, "Das hast du prima gemacht!");
    row("4", 49, 1000, "Das ist einfach Spitze!");
    QTest::newRow("error file of child 12")
            << 12 << qint64(-1) << QStringLiteral("ZIFTORA.012"); // -1: the file name
    QTest::newRow("no error file for child 1000") << 1000 << qint64(-1) << QString();
}

void AnsweringTests::evaluation()
{
    QFETCH(int, errors);
    QFETCH(qint64, right);
    QFETCH(QString, text);
    QCOMPARE(right < 0 ? ErrorFile::name(errors) : evaluationText(errors, right), text);
}

void AnsweringTests::history_data()
{
    // Steps: sN N seconds pass, r the right answer, w a wrong one (its box stays open a minute),
    // e Enter on an empty entry (its box open a minute too), p the first listed error is practised,
    // d the next morning, R a second program on the same folder answers from here on. lines: Anna's
    // history file after its two header lines.
    QTest::addColumn<Files>("files");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("lines");
    const Files anna{ { "ZIFTORA.INI", "Anna\r\n" } };
    QTest::newRow("box time and breaks do not count")
            << anna << "s1 e s5 r s7 w s3 r s400 r"
            << QStringList{ "A 2026-11-30 + 1 2 T 3 1 196000" };
    Files mandatory = anna;
    mandatory.insert("ZIFTORA.DAT", "3 \xb7 4 = ?\r\n12\r\n");
    QTest::newRow("mandatory and error practice")
            << mandatory << "s4 w s2 r p s6 r"
            << QStringList{ "A 2026-11-30 \u00b7 0 0 F 1 0 6000",
                            "A 2026-11-30 \u00b7 0 0 P 1 1 6000", "E 2026-W49 3 4 2 1" };
    QTest::newRow("kept over a restart, by day")
            << anna << "s5 r R s1 r d r"
            << QStringList{ "A 2026-11-30 + 1 2 T 2 0 6000", "A 2026-12-01 + 1 2 T 1 0 180000" };
}

void AnsweringTests::history()
{
    QFETCH(Files, files);
    QFETCH(QString, steps);
    QFETCH(QStringList, lines);
    ProgramFixture f;
    std::unique_ptr<ProgramFixture> second;
    ProgramFixture* at = &f;
    const auto start = [](ProgramFixture& p, const Files& files) {
        p.dialogs.whileOpen = [&p] { p.clock.advance(60'000); };
        p.startQuietly(files);
    };
    start(f, files);
    for (const QString& step : steps.split(u' ')) {
        if (step.startsWith(u's'))
            at->clock.advance(step.mid(1).toInt() * 1000);
        else if (step == u"r" || step == u"w")
            at->answer(at->state().expectedAnswer + (step == u"w" ? "1" : ""));
        else if (step == u"e")
            at->answer(QString());
        else if (step == u"p")
            at->session().nextErrorTask();
        else if (step == u"d")
            at->clock.set(QDateTime(at->clock.now().date().addDays(1), QTime(8, 0)));
        else if (step == u"R")
            second = std::make_unique<ProgramFixture>(f.dir.path()), start(*second, {}),
            at = second.get();
    }
    QCOMPARE(QString::fromLatin1(f.file(HistoryFile::fileName("Anna"))).split("\r\n"),
             QStringList({ "Ziftora Lernstand 1", "Kind Anna" }) + lines + QStringList{ "" });
}

QTEST_MAIN(AnsweringTests)
#include "answering_tests.moc"
