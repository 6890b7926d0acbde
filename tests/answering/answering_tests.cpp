// The child's answer and what follows, on the training session without windows: the entry, the
// check and its counters, the error list and its practice, the reward rounds; the error files and
// the evaluation as tables; the error-list window with the teacher's password as one test.

#include "program_fixture.h"

#include "platform/list_box.h"
#include "session_rig.h"

#include "models/error_file.h"
#include "models/evaluation.h"
#include "models/history_file.h"

#include <QSignalSpy>

#include <memory>

#include <sys/stat.h>

namespace {

const Shown Wrong = ScriptedDialogs::msg(QStringLiteral("Das ist leider falsch!\r"), 0,
                                         QStringLiteral("Rechenfehler"));
const Shown PractiseNow =
        ScriptedDialogs::msg("Die Fehleraufgaben jetzt üben?\r", 276, "Fehlerliste");

Step typed(const QString& keys)
{
    return [keys](SessionRig& r) { r.type(keys); };
}
Step answered(const QString& keys)
{
    return [keys](SessionRig& r) { r.answer(keys); };
}
// A task answered wrongly, so it is listed; its box is not kept.
Step listed(const QString& task, const QString& answer)
{
    return [task, answer](SessionRig& r) {
        r.putTask(task, answer);
        r.answer(QStringLiteral("0"));
        r.dialogs.take();
        r.dialogs.beeps = 0;
    };
}
const Step eraseKey = [](SessionRig& r) { r.session.erase(); };
const Step backspaceKey = [](SessionRig& r) { r.session.backspace(); };
// The child is changed and says Yes to practising the waiting errors now.
const Step practiseNow = [](SessionRig& r) {
    r.dialogs.answerMsg(MsgResult::Yes);
    r.session.prepareChangeOfChild();
};

QStringList listedTasks(const TaskList& list)
{
    QStringList listed;
    for (int i = 0; i < list.count(); ++i)
        listed << list.tasks().at(i) + u'|' + list.answers().at(i);
    return listed;
}

} // namespace

class AnsweringTests : public QObject {
    Q_OBJECT
private slots:
    void answer_data()
    {
        // A task "Aufgabe" with the given answer is on screen; what the child does; then the task
        // on screen ("new": a generated one), the entry, the counters, whether error practice
        // runs, the error list and the boxes.
        QTest::addColumn<QString>("expected");
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QString>("task");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("errors");
        QTest::addColumn<int>("right");
        QTest::addColumn<bool>("practice");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<Boxes>("boxes");
        const auto row = [](const char* name, const char* expected, const Steps& steps,
                            const char* task, const char* entry, int errors = 0, int right = 0,
                            bool practice = false, const QStringList& left = {},
                            const Boxes& boxes = {}) {
            QTest::newRow(name) << expected << steps << task << entry << errors << right << practice
                                << left << boxes;
        };
        row("every digit typed", "1234567890", { typed("1234567890") }, "Aufgabe", "1234567890");
        row("the R follows the position", "17R3", { typed("173") }, "Aufgabe", "17R3");
        row("signs replace", ">", { typed("><=") }, "Aufgabe", "=");
        row("ten characters at most", "1234567890R1", { typed("12345678901") }, "Aufgabe",
            "1234567890");
        row("no R after ten characters", "1234567890R1", { typed("1234567890") }, "Aufgabe",
            "1234567890");
        row("Entf takes the R for good", "7R3", { typed("7"), eraseKey, typed("3") }, "Aufgabe",
            "73");
        row("Entf on one character", "7", { typed("7"), eraseKey, eraseKey }, "Aufgabe", "");
        row("Backspace takes the R for good", "7R3", { typed("7"), backspaceKey, typed("3") },
            "Aufgabe", "73");
        row("nothing typed", "7", { answered("") }, "Aufgabe", "", 0, 0, false, {},
            { ScriptedDialogs::msg("Bitte Ergebnis eintragen!\r", 0, "Leeres Ergebnisfeld") });
        row("each try counts, listed once", "7R3", { answered("8"), answered("9") }, "Aufgabe", "",
            2, 0, false, { "Aufgabe|7R3" }, { Wrong, Wrong });
        row("wrong, then right", "7R3", { answered("8"), answered("73") }, "new", "", 1, 1, false,
            { "Aufgabe|7R3" }, { Wrong });
        Steps ten;
        QStringList left;
        for (int i = 1; i <= 10; ++i)
            ten << listed(QStringLiteral("%1 + 1 = ?").arg(i), QString::number(i + 1)),
                    left << QStringLiteral("%1 + 1 = ?|%2").arg(i).arg(i + 1);
        row("the eleventh error, adding nothing, starts practice", "11", ten << answered("0"),
            "1 + 1 = ?", "", 11, 0, true, left.mid(1), { Wrong });
        row("first in, first out; right answers uncounted until the last", "0",
            { listed("3 · 4 = ?", "12"), listed("1 + 2 = ?", "3"), listed("6 + 6 = ?", "12"),
              practiseNow, [](SessionRig& r) { r.session.tellErrorsWaiting(); }, answered("6"),
              answered("12"), answered("3"), answered("12") },
            "3 · 4 = ?", "", 4, 0, true, {},
            { PractiseNow,
              ScriptedDialogs::msg("Es sind noch 2 Fehleraufgaben!\r", 0, "Fehlerliste"), Wrong });
        row("practice over: counted, a new task", "0",
            { listed("3 · 4 = ?", "12"), practiseNow, answered("12") }, "new", "", 0, 1, false, {},
            { PractiseNow });
        row("answers the keypad cannot type are passed over", "0",
            { listed("A", ""), listed("2 + 2 = ?", "4"), listed("B", "zw\u00f6lf"), practiseNow,
              answered("4") },
            "new", "", 0, 1, false, {}, { PractiseNow });
        // From the eleventh error on, the one listed task is practised over and over.
        row("the error counter stops at its largest", "7", Steps(32768, answered("5")), "Aufgabe",
            "", 32767, 0, true, {}, Boxes(32768, Wrong));
    }
    void answer()
    {
        QFETCH(QString, expected);
        QFETCH(Steps, steps);
        QFETCH(QString, task);
        QFETCH(Boxes, boxes);
        SessionRig r;
        r.start();
        r.putTask(QStringLiteral("Aufgabe"), expected);
        for (const auto& step : steps)
            step(r);
        QCOMPARE(r.session.taskText() == task, task != "new");
        QVERIFY(r.session.taskText() != "Aufgabe" || task == "Aufgabe");
        QTEST(r.state.entryText, "entry");
        QTEST(r.session.shownEntry(), "entry");
        QTEST(int(r.session.errorCount()), "errors");
        QTEST(int(r.session.correctCount()), "right");
        QTEST(r.session.errorPractice(), "practice");
        QTEST(listedTasks(r.errors), "left");
        QCOMPARE(r.dialogs.take(), boxes);
        QCOMPARE(r.dialogs.beeps, int(boxes.count(Wrong)));
    }

    // A game round after every 20th right answer; with errors waiting, error practice instead.
    void rewardRounds()
    {
        SessionRig r({ { "ZIFTORA.INF", "30\r\n" } }); // the file only says when
        r.start();
        QSignalSpy rewards(&r.session, &TrainingSession::rewardDue);
        const auto rightAnswers = [&r](int n) {
            for (int i = 0; i < n; ++i) {
                r.state.entryText = r.state.expectedAnswer;
                r.session.check();
            }
        };
        rightAnswers(19);
        QCOMPARE(rewards.size(), 0);
        rightAnswers(21);
        QCOMPARE(rewards.size(), 2);
        listed("3 · 4 = ?", "12")(r);
        rightAnswers(19);
        QVERIFY(rewards.size() == 2 && !r.session.errorPractice());
        rightAnswers(1);
        QVERIFY(rewards.size() == 2 && r.session.errorPractice());
        QCOMPARE(r.session.taskText(), "3 · 4 = ?");
        r.session.showRewardInterval();
        QCOMPARE(r.dialogs.take(),
                 Boxes{ ScriptedDialogs::msg("Nach 30 Aufgaben gibt es eine Spielrunde!", 64,
                                             "Belohnung") });
    }

    void errorFile_data()
    {
        // The file before (absent: none; "|": a pipe), the tasks appended, the file after and
        // the message of a failure.
        QTest::addColumn<int>("child");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("error");
        const QString cannot = QStringLiteral(
                "Die Fehleraufgaben konnten nicht in der Datei ZIFTORA.000 gespeichert werden. "
                "Vielleicht ist der Ordner schreibgeschützt oder der Datenträger voll.\r\nDie "
                "Fehleraufgaben bleiben in der Fehlerliste.");
        const QByteArray added("3 \xB7 4 = ?\r\n12\r\n7 + 5 <=> 13\r\n<\r\n"),
                odd("1 + 1 = ?\r\n2\r\n8 - 1 = ?\r\n");
        const QString first = QStringLiteral("ZIFTORA.000");
        QTest::newRow("a new file") << 0 << first << QByteArray() << added << "";
        QTest::newRow("the last child with a file")
                << 999 << "ZIFTORA.999" << QByteArray() << added << "";
        QTest::newRow("appended") << 0 << first << odd.left(14) << odd.left(14) + added << "";
        QTest::newRow("odd number of lines") << 0 << first << odd << odd + "\r\n" + added << "";
        QTest::newRow("last line without its ending")
                << 0 << first << QByteArray("8 - 1 = ?") << "8 - 1 = ?\r\n\r\n" + added << "";
        QTest::newRow("a pipe") << 0 << first << QByteArray("|") << QByteArray("|") << cannot;
        const QString none = QStringLiteral(
                "Die Fehleraufgaben wurden nicht gespeichert: Es ist kein Benutzer mit eigener "
                "Fehlerdatei ausgewählt.\r\nDie Fehleraufgaben bleiben in der Fehlerliste.");
        QTest::newRow("no file beyond 999") << 1000 << "" << QByteArray() << QByteArray() << none;
        QTest::newRow("no file below 0") << -1 << "" << QByteArray() << QByteArray() << none;
    }
    void errorFile()
    {
        QFETCH(int, child);
        QFETCH(QByteArray, before);
        QFETCH(QString, error);
        SessionRig r;
        const QString name = ErrorFile::name(child);
        QTEST(name, "name");
        if (before == "|")
            QCOMPARE(::mkfifo(qPrintable(name), 0600), 0);
        else if (!before.isEmpty())
            r.write(name, before);
        QString why;
        QCOMPARE(ErrorFile::append(name, { "3 · 4 = ?", "7 + 5 <=> 13" }, { "12", "<" }, &why),
                 error.isEmpty() && !name.isEmpty());
        QCOMPARE(why, error);
        if (before != "|" && !name.isEmpty()) {
            QTEST(r.read(name), "after");
            QStringList tasks, answers;
            QVERIFY(ErrorFile::read(name, &tasks, &answers));
            QCOMPARE(tasks.mid(tasks.size() - 2) + answers.mid(answers.size() - 2),
                     QStringList({ "3 · 4 = ?", "7 + 5 <=> 13", "12", "<" }));
        }
    }

    void evaluation_data()
    {
        QTest::addColumn<int>("errors");
        QTest::addColumn<qint64>("right");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* percent, int errors, qint64 right, const char* praise) {
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
    }
    void evaluation()
    {
        QFETCH(int, errors);
        QFETCH(qint64, right);
        QTEST(evaluationText(errors, right), "text");
    }

    // The teacher opens the error list with the password and browses the children's error files;
    // the training window keeps its task, entry and child.
    void errorListWindow()
    {
        ProgramFixture f;
        f.startQuietly({ { "ZIFTORA.INI", "Anna\r\nBen\r\nCarla\r\n" },
                         { "ZIFTORA.000", "7 + 5 = ?\r\n12\r\n9 + 9 = ?\r\n18\r\n" },
                         { "ZIFTORA.001", "6 - 2 = ?\r\n4\r\n8 - 1 = ?\r\n" },
                         { "ZIFTORA.002",
                           QByteArray("3 \xB7 4 = ?\r\n12\r\n\x81\x00\x9D\r\n3\r\n", 24) } });
        const Files files = f.allFiles();
        f.putTask(QStringLiteral("22 : 5 = ?"), QStringLiteral("4R2"));
        f.answer(QStringLiteral("0"));
        f.type(QStringLiteral("4"));
        f.seen();
        const auto shown = [&f] {
            QStringList listed{ f.caption("ErrorListWindow/userNameLabel") };
            const QStringList tasks = f.entries("ErrorListWindow/taskList"),
                              answers = f.entries("ErrorListWindow/answerList");
            for (int i = 0; i < qMax(tasks.size(), answers.size()); ++i)
                listed << tasks.value(i) + u'|' + answers.value(i);
            QStringList sorted = answers;
            sorted.sort();
            for (const char* list : { "taskList", "answerList", "sortedAnswerList" })
                if (f.control<ListBox>(QStringLiteral("ErrorListWindow/") + list)->listIndex() >= 0)
                    return QStringList{ "an entry chosen" };
            return f.entries("ErrorListWindow/sortedAnswerList") == sorted
                    ? listed
                    : QStringList{ "sorted answers differ" };
        };
        f.password(QStringLiteral("4r2"));
        f.click("errorListPicture");
        QVERIFY(!f.window("ErrorListWindow")->isVisible());
        f.password();
        f.click("errorListPicture");
        QVERIFY(f.window("ErrorListWindow")->isVisible() && !f.trainingWindow().isVisible());
        QCOMPARE(shown(), QStringList({ "Anna", "22 : 5 = ?|4R2" })); // this run's list
        f.click("ErrorListWindow/deleteButton");
        QCOMPARE(shown(), QStringList({ "Anna" }));
        f.click("ErrorListWindow/nextUserButton");
        QCOMPARE(shown(), QStringList({ "Ben", "6 - 2 = ?|4" })); // an unpaired last line left out
        f.click("ErrorListWindow/previousUserButton");
        QCOMPARE(shown(), QStringList({ "Anna", "7 + 5 = ?|12", "9 + 9 = ?|18" }));
        f.click("ErrorListWindow/previousUserButton");
        QCOMPARE(shown(),
                 QStringList({ "Carla", "3 · 4 = ?|12", QStringLiteral("\u0081\u0000\u009D|3") }));
        f.key(Qt::Key_Escape, "ErrorListWindow/taskList");
        QVERIFY(!f.window("ErrorListWindow")->isVisible() && f.trainingWindow().isVisible());
        QCOMPARE(f.seen(), Boxes(2, ScriptedDialogs::password("Ziftora")));
        QCOMPARE(f.caption("taskLabel") + f.caption("entryDisplay") + f.caption("userNameLabel"),
                 "22 : 5 = ?4RAnna");
        QCOMPARE(f.program().users().selected(), 2); // the child the list showed last
        QCOMPARE(f.allFiles(), files);
    }

    void history_data();
    void history();
};

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
        else if (step == u"R") {
            second = std::make_unique<ProgramFixture>(f.dir.path());
            start(*second, {});
            at = second.get();
        }
    }
    QCOMPARE(QString::fromLatin1(f.file(HistoryFile::fileName("Anna"))).split("\r\n"),
             QStringList({ "Ziftora Lernstand 1", "Kind Anna" }) + lines + QStringList{ "" });
}

QTEST_MAIN(AnsweringTests)
#include "answering_tests.moc"
