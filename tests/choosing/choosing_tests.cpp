// The choices of a child's practice (operation, task type, level, practice number) on the training
// session, the children's names on the users model, and the wiring of the training window's
// choices and of the user window.
#include "program_fixture.h"
#include "session_rig.h"

#include "engine/task_engine.h"
#include "models/user_file.h"

#include <sys/stat.h>

using namespace Qt::StringLiterals;
enum class UserFileKind { Bytes, Missing, Folder, Pipe }; // what ZIFTORA.INI is at start
enum class Change { Add, Delete };

namespace {

const QString kUsers = u"Benutzereingabe"_s;

Shown askPractice(const QString& number)
{
    return ScriptedDialogs::msg("Die >" + number
                                        + "< nun als Rechenzahl übernehmen?\rBeim Anklicken mit "
                                          "einem leeren Ergebnis\rwird diese Funktion dann "
                                          "wieder gelöscht.\rEs werden nur einstellige Zahlen "
                                          "gesetzt.\rAb >Stufe 4< wird diese Eingabe ignoriert.",
                                36, u"Übungszahl"_s);
}

const Step yes = [](SessionRig& r) { r.dialogs.answerMsg(MsgResult::Yes); };
const Step practice = [](SessionRig& r) { r.session.setPracticeNumber(); };
Step typed(const QString& entry)
{
    return [entry](SessionRig& r) {
        r.session.backspace();
        r.type(entry);
    };
}

} // namespace

class ChoosingTests : public QObject {
    Q_OBJECT
private slots:
    void choose_data()
    {
        // From division, level 4, the third task type and a typed 3: what the child does, then
        // the task type chosen, the new tasks, sign|level|practice button|entry and the boxes.
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("tasks");
        QTest::addColumn<QString>("captions");
        QTest::addColumn<Boxes>("shown");
        const auto row = [](const char* name, const Steps& steps, int type, int tasks,
                            const QString& captions, const Boxes& shown = {},
                            Operation op = Operation::Divide) {
            QTest::newRow(name) << steps << op << type << tasks << captions << shown;
        };
        for (const Operation op : { Operation::Plus, Operation::Minus, Operation::Times,
                                    Operation::Divide, Operation::Random })
            row(qPrintable(u"operation %1"_s.arg(int(op))),
                { [op](SessionRig& r) { r.session.chooseOperation(op); } }, 1, 2,
                u"+-*:"_s.mid(int(op) - 1, 1) + u"|Stufe 4|üben|"_s, {}, op);
        row("task type", { [](SessionRig& r) { r.session.chooseTaskType(3); } }, 4, 1,
            ":|Stufe 4|üben|");
        row("both ends of the level",
            { [](SessionRig& r) { r.session.chooseLevel(1); },
              [](SessionRig& r) { r.session.chooseLevel(5); } },
            3, 2, ":|Stufe 5|üben|");
        row("practice 9 instead of 3", { yes, practice, typed("9"), yes, practice }, 1, 4,
            ":|Stufe 4|9 üben|", { askPractice("3"), askPractice("9") });
        row("a sign as practice number", { typed(">"), yes, practice }, 1, 2, ":|Stufe 4|> üben|",
            { askPractice(">") });
        row("two digits", { yes, practice, typed("12"), practice }, 1, 2, ":|Stufe 4|3 üben|12",
            { askPractice("3"),
              ScriptedDialogs::msg("Die Übungszahl muss einstellig sein!", 0, "Eingabefehler") });
        row("empty switches off", { yes, practice, typed(""), practice }, 1, 2, ":|Stufe 4|üben|",
            { askPractice("3"),
              ScriptedDialogs::msg("Übungsfunktion wurde deaktiviert.", 0, "Üben") });
        row("empty after 0", { typed("0"), yes, practice, practice }, 1, 2, ":|Stufe 4|üben|",
            { askPractice("0"),
              ScriptedDialogs::msg("Es muss eine einstellige Zahl im Ergebnis stehen!", 0,
                                   "Übungszahl") });
    }
    void choose()
    {
        QFETCH(Steps, steps);
        QFETCH(Operation, operation);
        QFETCH(int, type);
        QFETCH(int, tasks);
        QFETCH(QString, captions);
        SessionRig r;
        r.start();
        r.session.chooseOperation(Operation::Divide);
        r.session.chooseLevel(4);
        r.session.chooseTaskType(2);
        r.putTask("alt", "alt");
        r.type("3");
        const int before = r.random.randomizeCount(); // every new task reseeds once
        for (const auto& step : steps)
            step(r);
        QCOMPARE(r.session.taskTypes(), taskTypeEntries(operation));
        QCOMPARE(r.session.taskTypeIndex() + 1, type);
        QCOMPARE(r.session.taskTypeName(), r.session.taskTypes().value(type - 1));
        QCOMPARE(QStringList({ r.session.operationSign(), r.session.levelText(),
                               r.session.practiceNumberCaption(), r.state.entryText })
                         .join(u'|'),
                 captions);
        QCOMPARE(r.state.practiceNumber, qMax(0, captions.section(u'|', 2).front().digitValue()));
        QCOMPARE(r.random.randomizeCount() - before, tasks);
        QCOMPARE(r.session.taskText() != "alt"_L1, tasks > 0);
        QTEST(r.dialogs.take(), "shown");
    }

    // The training window passes its choices on: a button, a click in the list, the level bar,
    // the practice button; after a button the keys go to the check button. The user window reads
    // the list again each time it opens, as another program on the folder left it.
    void chooseInTheWindow()
    {
        ProgramFixture f;
        f.startQuietly({ { "ZIFTORA.INI", "Anna\r\nBen\r\n" } });
        f.click("timesButton");
        QCOMPARE(f.caption("operationSignLabel"), "*");
        QCOMPARE(f.window("TrainingWindow")->focusWidget(), f.control("checkButton"));
        auto* list = f.control<ListBox>("taskTypeList");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->entryRect(3).center());
        f.control<QObject>("levelBar")->setProperty("value", 5);
        QCOMPARE(f.caption("taskTypeLabel") + f.caption("levelLabel"),
                 taskTypeEntries(Operation::Times).value(3) + "Stufe 5");
        f.type("7");
        f.dialogs.answerMsg(MsgResult::Yes);
        f.click("practiceNumberButton");
        QCOMPARE(f.seen(), Boxes{ askPractice("7") });
        QCOMPARE(f.caption("practiceNumberButton"), "7 üben");
        f.writeFile("ZIFTORA.INI", "Ben\r\nDora\r\n");
        f.click("userPicture");
        QCOMPARE(f.entries("UserWindow/userList"), QStringList({ "Ben", "Dora" }));
        QCOMPARE(f.program().users().selected(), -1); // Anna is gone
    }

    // Names are added or deleted with the password; a user file that cannot be read is never
    // written over.
    void editNames_data()
    {
        QTest::addColumn<UserFileKind>("kind");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<Change>("change");
        QTest::addColumn<int>("selected"); // deleted
        QTest::addColumn<QStringList>("answers"); // to the password box ("!": the right one), the
                                                  // name box
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("last"); // as shown
        const auto row = [](const char* name, UserFileKind kind, const QByteArray& before,
                            Change change, int selected, const QStringList& answers,
                            const QString& message, const QByteArray& after, int count,
                            const QString& last) {
            QTest::newRow(name) << kind << before << change << selected << answers << message
                                << after << count << last;
        };
        const auto B = UserFileKind::Bytes;
        const auto add = Change::Add;
        const QString full =
                u"Es können höchstens 1000 Benutzer eingetragen werden.\rBitte zuerst einen Namen löschen.\r"_s;
        const QString kept =
                u"Die Benutzerliste konnte nicht gespeichert werden.\rDie Datei ZIFTORA.INI konnte "
                u"beim Start nicht gelesen werden und wird darum nicht überschrieben.\rDie "
                u"Änderung gilt nur, bis das Programm beendet wird.\r"_s;
        const QString cannot = u"Der Name enthält Zeichen, die in der Benutzerliste nicht "
                               u"gespeichert werden können.\rBitte den Namen ohne diese Zeichen "
                               u"eingeben.\r"_s;
        const QByteArray anna("Anna\r\n"), abc("A\r\nB\r\nC\r\n"), kid("Kind\r\n"),
                abcd("A\r\nB\r\nC\r\nD\r\n");
        const QString longName = u"Sehr langer Name "_s.repeated(5900);
        row("no file, umlauts", UserFileKind::Missing, {}, add, 0, { "!", "Jörg Müller" }, "",
            "Standardbenutzer\r\nJ\xF6rg M\xFCller\r\n", 2, "Jörg Müller");
        row("very long name", B, anna, add, 0, { "!", longName }, "",
            anna + longName.toLatin1() + "\r\n", 2,
            longName.left(UserFile::MaxShownLength) + QChar(0x2026));
        row("wrong password", B, anna, add, 0, { "x" }, "", anna, 1, "Anna");
        row("name there already", B, anna, add, 0, { "!", "Anna" }, "", anna, 1, "Anna");
        row("line break", B, anna, add, 0, { "!", "Ben\nBen" }, cannot, anna, 1, "Anna");
        row("outside the code page", B, anna, add, 0, { "!", "Ωmega" }, cannot, anna, 1, "Anna");
        row("1000 names", B, kid.repeated(1000), add, 0, { "!" }, full, kid.repeated(1000), 1000,
            "Kind");
        row("more than 1000", B, abcd + kid.repeated(999), add, 0, { "!" }, full,
            abcd + kid.repeated(999), 1000, "Kind");
        row("deleted", B, abc, Change::Delete, 1, { "!" }, "", "A\r\nC\r\n", 2, "C");
        row("delete, no one selected", B, abc, Change::Delete, -1, {}, "", abc, 3, "C");
        row("delete beyond 1000: none lost", B, abcd + kid.repeated(1000), Change::Delete, 3,
            { "!" }, "", abc + kid.repeated(1000), 1000, "Kind");
        row("a folder, a new name", UserFileKind::Folder, {}, add, 0, { "!", "Max" }, kept, {}, 2,
            "Max");
        row("a pipe, deleted", UserFileKind::Pipe, {}, Change::Delete, 0, { "!" }, kept, {}, 0, "");
    }
    void editNames()
    {
        QFETCH(UserFileKind, kind);
        QFETCH(QByteArray, before);
        QFETCH(Change, change);
        QFETCH(int, selected);
        QFETCH(QStringList, answers);
        QFETCH(QString, message);
        QFETCH(QByteArray, after);
        QFETCH(int, count);
        SessionRig r;
        const QByteArray path = QFile::encodeName(r.dir.filePath("ZIFTORA.INI"));
        if (kind == UserFileKind::Bytes)
            r.write("ZIFTORA.INI", before);
        else if (kind != UserFileKind::Missing)
            QCOMPARE(kind == UserFileKind::Pipe ? ::mkfifo(path.constData(), 0600)
                                                : ::mkdir(path.constData(), 0700),
                     0);
        r.state.expectedAnswer = "42";
        r.users.load();
        const bool unreadable = kind == UserFileKind::Folder || kind == UserFileKind::Pipe;
        if (unreadable)
            QCOMPARE(r.dialogs.take(),
                     Boxes{ ScriptedDialogs::msg("Die Benutzerliste ZIFTORA.INI konnte nicht "
                                                 "gelesen werden.\rBis zum Ende des Programms gilt "
                                                 "nur der Standardbenutzer;\rdie Datei bleibt "
                                                 "unverändert.\r",
                                                 64, kUsers) });
        if (change == Change::Delete)
            r.users.select(selected);
        for (qsizetype i = 0; i < answers.size(); ++i)
            i ? r.dialogs.answerInput(answers[i])
              : r.dialogs.answerPassword(answers[i] == "!" ? "42" : answers[i]);
        change == Change::Add ? r.users.addName() : r.users.deleteSelected();
        Boxes shown = Boxes{ ScriptedDialogs::password(kUsers),
                             ScriptedDialogs::input("Neuer Name:", kUsers) }
                              .mid(0, answers.size());
        if (!message.isEmpty())
            shown << ScriptedDialogs::msg(message, unreadable ? 64 : 0, kUsers);
        QCOMPARE(r.dialogs.take(), shown);
        QCOMPARE(r.users.count(), count);
        QTEST(r.users.shownName(count - 1), "last");
        QCOMPARE(r.users.shownNames().size(), count);
        // Nobody is selected after a deletion; a new name leaves the selection.
        QCOMPARE(r.users.selected(),
                 change == Change::Add                   ? 0
                         : answers == QStringList{ "!" } ? -1
                                                         : selected);
        struct stat st { }; // stays zero without a file
        ::lstat(path.constData(), &st);
        QVERIFY(kind == UserFileKind::Pipe             ? S_ISFIFO(st.st_mode)
                        : kind == UserFileKind::Folder ? S_ISDIR(st.st_mode)
                                                       : r.read("ZIFTORA.INI") == after);
    }

    // Waiting errors are practised now or saved to the selected child's file when the user window
    // opens; a started child gets the mandatory tasks stored meanwhile.
    void userWindow_data()
    {
        QTest::addColumn<QString>("open"); // the control that opens the window
        QTest::addColumn<int>("selected");
        QTest::addColumn<MsgResult>("reply"); // to "practise now?"
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("leave"); // the way out of the window
        QTest::addColumn<bool>("started");
        const auto row = [](const char* name, const char* open, int selected, MsgResult reply,
                            const char* leave, bool started, const QString& message = {}) {
            QTest::newRow(name) << QString(open) << selected << reply << message << QString(leave)
                                << started;
        };
        row("Enter in the list", "userPicture", 1, MsgResult::No, "Return", true);
        row("Escape", "userNameLabel", 2, MsgResult::No, "Escape", false);
        row("practise now", "userPicture", 0, MsgResult::Yes, "", false);
        row("no one selected, cancelled", "userPicture", -1, MsgResult::No, "cancelButton", false,
            "Es ist kein Benutzer ausgewählt, darum konnten die Fehleraufgaben nicht in einer "
            "Datei gespeichert werden.\rSie bleiben in der Fehlerliste.\r");
        row("started by the button", "userPicture", 2, MsgResult::No, "startButton", true);
    }
    void userWindow()
    {
        QFETCH(QString, open);
        QFETCH(int, selected);
        QFETCH(MsgResult, reply);
        QFETCH(QString, message);
        QFETCH(QString, leave);
        QFETCH(bool, started);
        const QString errors = u"ZIFTORA.00%1"_s.arg(qMax(selected, 0));
        const QByteArray old(" 9 - 3 = ?\r\n6\r\n");
        ProgramFixture f;
        f.startQuietly({ { "ZIFTORA.INI", "Anna\r\nBen\r\nCem\r\n" }, { errors, old } });
        f.program().users().select(selected);
        Files files = f.allFiles();
        f.program().errorList().add(" 7 + 5 = ?", "12");
        f.dialogs.answerMsg(reply);
        f.click(open);
        Boxes shown{ ScriptedDialogs::msg(u"Die Fehleraufgaben jetzt üben?\r"_s, 276,
                                          u"Fehlerliste"_s) };
        if (!message.isEmpty())
            shown << ScriptedDialogs::msg(message, 64, "Fehlerliste");
        QCOMPARE(f.seen(), shown);
        QCOMPARE(f.window("UserWindow")->isVisible(), reply == MsgResult::No);
        QCOMPARE(f.caption("taskLabel") == " 7 + 5 = ?"_L1, reply == MsgResult::Yes);
        if (reply == MsgResult::No && selected >= 0)
            files.insert(errors, old + " 7 + 5 = ?\r\n12\r\n");
        QCOMPARE(f.allFiles(), files);
        f.writeFile("ZIFTORA.DAT", " 2 + 2 = ?\r\n4\r\n 3 + 3 = ?\r\n6\r\n");
        if (leave.endsWith("Button"_L1))
            f.click("UserWindow/" + leave);
        else if (!leave.isEmpty())
            f.key(leave == "Escape"_L1 ? Qt::Key_Escape : Qt::Key_Return, "UserWindow/userList");
        QVERIFY(!f.window("UserWindow")->isVisible());
        QCOMPARE(f.caption("userNameLabel"),
                 started ? f.program().users().shownName(selected) : "Anna");
        QCOMPARE(f.session().mandatoryMode(), started);
        QCOMPARE(f.entries("mandatoryList").size(), started ? 4 : 0);
    }
};

QTEST_MAIN(ChoosingTests)
#include "choosing_tests.moc"
