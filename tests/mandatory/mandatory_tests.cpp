// Mandatory tasks: ZIFTORA.DAT served to the child and edited by the teacher, on the models without
// windows; the editor column and the ways out of the mode on the training window.
#include "program_fixture.h"
#include "session_rig.h"

#include "engine/task_engine.h"
#include "platform/text_file.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

const QString kTitle = u"Pflichtaufgaben"_s;
const QByteArray kTwoTasks = "7 + 5 = ?\r\n12\r\n 47 : 6 = ?\r\n7R5\r\n";
const Shown kSaved = ScriptedDialogs::msg(u"Liste wurde gespeichert.\r"_s, 0, kTitle);
const Shown kAskEmpty = ScriptedDialogs::msg(
        "Die Liste enthält keine Daten!\rPflichtaufgaben jetzt löschen?", 292, kTitle);

// Plus at its first type, a "Plus Einer" task on screen.
void verifyBackToPlus(const TrainingSession& s)
{
    QVERIFY(!s.mandatoryMode() && s.taskTypes() == taskTypeEntries(Operation::Plus));
    QVERIFY(QRegularExpression(u"^\\d+ \\+ \\d = \\?$"_s).match(s.taskText()).hasMatch());
}

Step select(int line)
{
    return [line](SessionRig& r) { r.mandatory.select(line); };
}
Step inserted(const QString& task, const QString& answer)
{
    return [=](SessionRig& r) {
        r.putTask(task, answer);
        r.session.insertTaskIntoMandatoryList();
    };
}
Step reply(MsgResult result)
{
    return [result](SessionRig& r) { r.dialogs.answerMsg(result); };
}
const Step deletePair = [](SessionRig& r) { r.mandatory.deleteSelectedPair(); };
const Step save = [](SessionRig& r) { r.mandatory.save(); };

} // namespace

class MandatoryTests : public QObject {
    Q_OBJECT
private slots:
    void storedTasks_data()
    {
        // The file (none when absent), the pairs served in order (maybe a last task without its
        // answer); then the teacher's steps in the editor after "Lade Liste", the boxes, the
        // selected line and the list. A saved file holds the list.
        QTest::addColumn<std::optional<QByteArray>>("file");
        QTest::addColumn<QStringList>("served");
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<Boxes>("boxes");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QStringList>("left");
        const QStringList first{ "7 + 5 = ?", "12" },
                ps{ "1 + 1 = ?", "2", "2 + 2 = ?", "4", "3 + 3 = ?", "6" };
        const QByteArray p1 = "1 + 1 = ?\r\n2\r\n", p2 = "2 + 2 = ?\r\n4\r\n",
                         p3 = "3 + 3 = ?\r\n6\r\n";
        const auto row = [](const char* name, std::optional<QByteArray> file,
                            const QStringList& served, const Steps& steps = {},
                            const Boxes& boxes = {}, int selected = -1,
                            std::optional<QStringList> left = {}) {
            QTest::newRow(name) << file << served << steps << boxes << selected
                                << left.value_or(served);
        };
        row("no file", {}, {});
        row("empty file, inserted", "", {},
            { inserted("8 + 8 = ?", "16"), inserted("9 · 9 = ?", "81"), save }, { kSaved }, 3,
            QStringList{ "8 + 8 = ?", "16", "9 · 9 = ?", "81" });
        row("quotes, commas, foreign bytes",
            "\"7 + 5 = ?\", 12\n\x80 \xE4\xDF \x81 = ?,\"5\"\nRechne: 3, 4\n",
            first + QStringList{ "€ äß \u0081 = ?", "5", "Rechne: 3", "4" });
        row("only a task line", "9 + 1 = ?\r\n", { "9 + 1 = ?" });
        row("answers the keypad cannot type",
            "1 + 1 = ?\r\nzwei\r\n2 + 2 = ?\r\n4\r\n9 : 2 = ?\r\n4R1\r\n5 + 5 = ?\r\n1 0\r\n",
            { "2 + 2 = ?", "4", "9 : 2 = ?", "4R1" });
        row("leading blank dropped; emptied, No keeps the file", kTwoTasks,
            first + QStringList{ "47 : 6 = ?", "7R5" },
            { [](SessionRig& r) { r.mandatory.clear(); }, reply(MsgResult::No), save },
            { kAskEmpty }, -1, QStringList{});
        row("the answer of the second pair", p1 + p2 + p3, ps, { select(3), deletePair, save },
            { kSaved }, -1, ps.mid(0, 2) + ps.mid(4));
        row("nothing selected", p1 + p2 + p3, ps, { select(-1), deletePair, save }, { kSaved });
        row("a lone task at the end", p1 + p2 + "3 + 3 = ?\r\n", ps.mid(0, 5),
            { select(4), deletePair, save }, { kSaved }, -1, ps.mid(0, 4));
        row("the only pair, Yes empties the file", p1, ps.mid(0, 2),
            { select(0), deletePair, reply(MsgResult::Yes), save }, { kAskEmpty, kSaved }, -1,
            QStringList{});
        row("served lines before the selection move it up", p1 + p2 + p3, ps,
            { select(5), [](SessionRig& r) { r.mandatory.removeEntries(0, 2); } }, {}, 3,
            ps.mid(2));
    }
    void storedTasks()
    {
        QFETCH(std::optional<QByteArray>, file);
        QFETCH(QStringList, served);
        QFETCH(Steps, steps);
        QFETCH(Boxes, boxes);
        QFETCH(QStringList, left);
        SessionRig r({ { "ZIFTORA.DAT", file.value_or(QByteArray()) } });
        if (!file)
            QVERIFY(QFile::remove("ZIFTORA.DAT"));
        r.start();
        QCOMPARE(r.dialogs.take(),
                 file ? Boxes{}
                      : Boxes{ ScriptedDialogs::msg("Keine Pflichtaufgaben!", 0, kTitle) });
        const qsizetype pairs = served.size() / 2 * 2;
        QCOMPARE(r.mandatory.entries(), pairs ? served.mid(2) : QStringList{});
        QStringList list;
        while (r.session.mandatoryMode() && list.size() < served.size() + 2) {
            list << r.session.taskText() << r.state.expectedAnswer;
            r.state.entryText = r.state.expectedAnswer;
            r.session.check();
        }
        QCOMPARE(list, served.mid(0, pairs));
        verifyBackToPlus(r.session);
        r.mandatory.loadList();
        QCOMPARE(r.dialogs.take(),
                 !file ? Boxes{ ScriptedDialogs::msg("Keine Liste vorhanden!", 0, kTitle) }
                         : served.isEmpty() ? Boxes{ ScriptedDialogs::msg(
                                   "Es wurden keine Aufgaben gespeichert!", 0, "Liste laden") }
                                            : Boxes{});
        QCOMPARE(r.mandatory.entries(), served);
        for (const Step& step : steps)
            step(r);
        QCOMPARE(r.dialogs.take(), boxes);
        QTEST(r.mandatory.selected(), "selected");
        QCOMPARE(r.mandatory.entries(), left);
        const bool saved = boxes.contains(kSaved);
        QCOMPARE(QFile::exists("ZIFTORA.DAT"), file || saved);
        QCOMPARE(r.read("ZIFTORA.DAT"),
                 !saved                   ? file.value_or(QByteArray())
                         : left.isEmpty() ? QByteArray()
                                          : TextFile::encode(left.join("\r\n") + "\r\n"));
    }

    // The "*" key and the cover of the training window leave the mode with the answer on screen as
    // the password; unserved tasks stay listed. "*" outside the mode goes to plus.
    void leaveMode_data()
    {
        QTest::addColumn<bool>("star"); // else the cover
        QTest::addColumn<bool>("inMode");
        QTest::addColumn<QString>("password"); // "!": the right one
        QTest::newRow("cover, right") << false << true << "!";
        QTest::newRow("cover, wrong") << false << true << "13";
        QTest::newRow("star, cancelled") << true << true << "";
        QTest::newRow("star, right") << true << true << "!";
        QTest::newRow("star outside the mode") << true << false << "!";
    }
    void leaveMode()
    {
        QFETCH(bool, star);
        QFETCH(bool, inMode);
        QFETCH(QString, password);
        ProgramFixture f;
        f.startQuietly({ { "ZIFTORA.DAT", inMode ? kTwoTasks : QByteArray() } });
        if (!inMode)
            f.click("timesButton");
        f.password(password == "!"_L1 ? f.state().expectedAnswer : password);
        star ? f.type("*") : f.click("mandatoryCover");
        QCOMPARE(f.seen(),
                 Boxes{ ScriptedDialogs::password(star ? "Pflichtaufgaben beenden?"
                                                       : "Pflichtaufgaben abbrechen") });
        if (password == "!"_L1)
            verifyBackToPlus(f.session());
        else
            QVERIFY(f.session().mandatoryMode());
        QCOMPARE(f.caption("taskLabel"), password == "!"_L1 ? f.session().taskText() : "7 + 5 = ?");
        QCOMPARE(f.program().mandatoryTasks().entries(),
                 inMode ? QStringList({ "47 : 6 = ?", "7R5" }) : QStringList());
    }

    // The training window: the icon opens the editor column with the password, its buttons edit
    // and save the list.
    void editor()
    {
        ProgramFixture f;
        f.startQuietly({ { "ZIFTORA.DAT", kTwoTasks } });
        QVERIFY(f.session().mandatoryMode());
        f.password(QStringLiteral("x"));
        f.click("mandatoryPicture");
        f.password();
        f.click("mandatoryPicture");
        const Shown password = ScriptedDialogs::password("Ziftora");
        QCOMPARE(f.seen(),
                 (Boxes{ password, password,
                         ScriptedDialogs::msg(
                                 "Alle Pflichtaufgaben werden beim\rStart bzw. Benutzerwechsel "
                                 "geladen!\rDie Liste wird erstellt, indem man\rlinks auf die "
                                 "Aufgabenknöpfe klickt\rund passende Aufgabe mit Klick auf\rden "
                                 "Einfügen-Knopf in die Liste holt.\r",
                                 0, "Pflichtteil") }));
        f.click("loadListButton");
        QCOMPARE(f.entries("mandatoryList"),
                 QStringList({ "7 + 5 = ?", "12", "47 : 6 = ?", "7R5" }));
        f.control<ListBox>("mandatoryList")->setListIndex(1);
        for (const char* button : { "deleteLineButton", "insertTaskButton", "saveListButton" })
            f.click(button);
        f.click("clearListButton");
        QVERIFY(f.entries("mandatoryList").isEmpty());
        QCOMPARE(f.seen(), Boxes{ kSaved });
        QCOMPARE(f.file("ZIFTORA.DAT"), "47 : 6 = ?\r\n7R5\r\n7 + 5 = ?\r\n12\r\n");
    }
};

QTEST_MAIN(MandatoryTests)
#include "mandatory_tests.moc"
