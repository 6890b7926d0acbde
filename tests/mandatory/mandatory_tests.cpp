// Mandatory tasks as teacher and child meet them: ZIFTORA.DAT, the editor column and the mode
// serving them.
#include "program_fixture.h"

#include "engine/task_engine.h"
#include "mandatory/mandatory_tasks.h"
#include "platform/controls.h"
#include "platform/text_file.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

const QString kTitle = u"Pflichtaufgaben"_s;
const QByteArray kTwoTasks = "7 + 5 = ?\r\n12\r\n 47 : 6 = ?\r\n7R5\r\n";

static void
verifyBackToPlus(ProgramFixture& f) // cover parked, plus at its first type, a "Plus Einer" task
{
    QVERIFY(!ModeCover::isOn(f.control<QPushButton>("mandatoryCover")));
    QCOMPARE(f.entries("taskTypeList"), taskTypeEntries(Operation::Plus));
    QVERIFY(QRegularExpression(u"^\\d+ \\+ \\d = \\?$"_s).match(f.caption("taskLabel")).hasMatch());
}

class MandatoryTests : public QObject {
    Q_OBJECT
private slots:
    void storedTasks_data()
    {
        QTest::addColumn<QByteArray>("file"); // "-": none
        QTest::addColumn<QStringList>(
                "served"); // task, answer, ... and maybe a last task without answer
        QTest::addColumn<QString>("steps"); // P/M/D plus/mal/geteilt, E/C/X/S Einfügen/Lösche
                                            // Liste/Zeile/Speichern, 0-9/-: line
        QTest::addColumn<int>("reply"); // to "delete the mandatory tasks?"
        QTest::addColumn<QByteArray>("after"); // when nothing was inserted
        const QStringList first{ "7 + 5 = ?", "12" },
                ps{ "1 + 1 = ?", "2", "2 + 2 = ?", "4", "3 + 3 = ?", "6" };
        const QByteArray p1 = "1 + 1 = ?\r\n2\r\n", p2 = "2 + 2 = ?\r\n4\r\n",
                         p3 = "3 + 3 = ?\r\n6\r\n";
        QTest::newRow("keine Datei") << QByteArray("-") << QStringList{} << "" << 0 << QByteArray();
        QTest::newRow("leere Datei, einfügen")
                << QByteArray() << QStringList{} << "EMEDES" << 0 << QByteArray();
        QTest::newRow("Anführungszeichen, Kommas, fremde Bytes")
                << QByteArray("\"7 + 5 = ?\", 12\n\x80 \xE4\xDF \x81 = ?,\"5\"\nRechne: 3, 4\n")
                << first + QStringList{ "€ äß \u0081 = ?", "5", "Rechne: 3", "4" } << "" << 0
                << QByteArray();
        QTest::newRow("nur eine Aufgabenzeile")
                << QByteArray("9 + 1 = ?\r\n") << QStringList{ "9 + 1 = ?" } << "" << 0
                << QByteArray();
        QTest::newRow("Antworten, die das Tastenfeld nicht tippen kann")
                << QByteArray("1 + 1 = ?\r\nzwei\r\n2 + 2 = ?\r\n4\r\n9 : 2 = ?\r\n4R1\r\n5 + 5 = "
                              "?\r\n1 0\r\n")
                << QStringList{ "2 + 2 = ?", "4", "9 : 2 = ?", "4R1" } << "" << 0 << QByteArray();
        QTest::newRow("Leerzeichen vorn fällt weg; leere Liste, Nein behält die Datei")
                << kTwoTasks << first + QStringList{ "47 : 6 = ?", "7R5" } << "CS" << 7
                << kTwoTasks;
        QTest::newRow("Antwort des zweiten Paars") << p1 + p2 + p3 << ps << "3XS" << 0 << p1 + p3;
        QTest::newRow("nichts ausgewählt") << p1 + p2 + p3 << ps << "-XS" << 0 << p1 + p2 + p3;
        QTest::newRow("einzelne Aufgabe am Ende") << p1 + p2 + "3 + 3 = ?\r\n"
                                                  << ps.mid(0, 5) << "4XS" << 0 << p1 + p2;
        QTest::newRow("einziges Paar, Ja leert die Datei")
                << p1 << ps.mid(0, 2) << "0XS" << 6 << QByteArray();
    }

    // Stored pairs are served in order, never one the keypad cannot answer; saving replaces the
    // file; pairs go together.
    void storedTasks()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, served);
        QFETCH(QString, steps);
        QFETCH(int, reply);
        QFETCH(QByteArray, after);
        ProgramFixture f;
        f.start(file == "-" ? Files{} : Files{ { "ZIFTORA.DAT", file } });
        const bool unreadable = file == "-";
        const qsizetype pairs = served.size() / 2 * 2;
        QCOMPARE(f.seen(),
                 unreadable ? Boxes{ ScriptedDialogs::msg("Keine Pflichtaufgaben!", 0, kTitle) }
                            : Boxes{});
        QCOMPARE(f.entries("mandatoryList"), pairs ? served.mid(2) : QStringList{});
        QStringList list;
        while (f.trainingWindow().mandatory().active() && list.size() < served.size() + 2) {
            list << f.caption("taskLabel") << f.state().expectedAnswer;
            f.answer(f.state().expectedAnswer);
        }
        QCOMPARE(list, served.mid(0, pairs));
        verifyBackToPlus(f);
        for (const QString& typed :
             { u"x"_s, f.state().expectedAnswer }) { // only the right password opens the editor
            f.password(typed);
            f.click("mandatoryPicture");
        }
        const Shown password = ScriptedDialogs::password("Ziftora"),
                    word = ScriptedDialogs::msg(
                            "Alle Pflichtaufgaben "
                            "werden beim\rStart bzw. Benutzerwechsel geladen!\rDie Liste wird "
                            "erstellt, indem man\rlinks auf die Aufgaben"
                            "knöpfe klickt\rund passende Aufgabe mit Klick auf\rden Einfügen-Knopf "
                            "in die Liste holt.\r",
                            0, "Pflichtteil");
        QCOMPARE(f.seen(), (Boxes{ password, password, word }));
        f.click("loadListButton");
        QCOMPARE(f.seen(),
                 unreadable ? Boxes{ ScriptedDialogs::msg("Keine Liste vorhanden!", 0, kTitle) }
                         : served.isEmpty() ? Boxes{ ScriptedDialogs::msg(
                                   "Es wurden keine Aufgaben gespeichert!", 0, "Liste laden") }
                                            : Boxes{});
        QCOMPARE(f.entries("mandatoryList"), served);
        QStringList inserted;
        if (reply)
            f.dialogs.answerMsg(reply);
        for (const QChar s : steps) {
            const int button = QStringLiteral("PMDECXS").indexOf(s);
            if (s == u'E')
                inserted << f.caption("taskLabel") << f.state().expectedAnswer;
            if (button < 0)
                f.control<ListBox>("mandatoryList")
                        ->setListIndex(s.isDigit() ? s.digitValue() : -1);
            else
                f.click(QStringList{ "plusButton", "timesButton", "divideButton",
                                     "insertTaskButton", "clearListButton", "deleteLineButton",
                                     "saveListButton" }
                                .at(button));
        }
        const Shown ask = ScriptedDialogs::msg(
                            "Die Liste enthält keine Daten!\rPflichtaufgaben jetzt löschen?", 292,
                            kTitle),
                    saved = ScriptedDialogs::msg(u"Liste wurde gespeichert.\r"_s, 0, kTitle);
        QCOMPARE(f.seen(),
                 (reply == 7                ? Boxes{ ask }
                          : reply           ? Boxes{ ask, saved }
                          : steps.isEmpty() ? Boxes{}
                                            : Boxes{ saved }));
        if (!inserted.isEmpty())
            after = TextFile::encode(inserted.join("\r\n") + "\r\n");
        QCOMPARE(f.allFiles(),
                 (unreadable ? Files{}
                             : Files{ { "ZIFTORA.DAT", steps.isEmpty() ? file : after } }));
    }

    // The cover and "*" leave the mode with the answer on screen as the password; unserved tasks
    // stay listed.
    void leaveMode_data()
    {
        QTest::addColumn<QString>(
                "key"); // "*" typed, else the cover clicked; "x*": "mal" clicked first, no mode
        QTest::addColumn<QString>("password"); // "!": the right one
        QTest::newRow("Abdeckung, richtig") << ""
                                            << "!";
        QTest::newRow("Abdeckung, falsch") << ""
                                           << "13";
        QTest::newRow("Stern, abgebrochen") << "*"
                                            << "";
        QTest::newRow("Stern, richtig") << "*"
                                        << "!";
        QTest::newRow("Stern ohne Modus führt zu plus") << "x*"
                                                        << "!";
    }

    void leaveMode()
    {
        QFETCH(QString, key);
        QFETCH(QString, password);
        ProgramFixture f;
        f.startQuietly({ { "ZIFTORA.DAT", key.size() < 2 ? kTwoTasks : QByteArray() } });
        if (key.size() > 1)
            f.click("timesButton");
        f.password(password == "!"_L1 ? f.state().expectedAnswer : password);
        key.isEmpty() ? f.click("mandatoryCover") : f.type(u"*"_s);
        QCOMPARE(f.seen(),
                 Boxes{ ScriptedDialogs::password(key.isEmpty() ? "Pflichtaufgaben abbrechen"
                                                                : "Pflichtaufgaben beenden?") });
        if (password == "!"_L1)
            verifyBackToPlus(f);
        else
            QVERIFY(ModeCover::isOn(f.control<QPushButton>("mandatoryCover"))
                    && f.caption("taskLabel") == "7 + 5 = ?"_L1);
        QCOMPARE(f.entries("mandatoryList"),
                 (key.size() < 2 ? QStringList{ "47 : 6 = ?", "7R5" } : QStringList{}));
    }
};

QTEST_MAIN(MandatoryTests)
#include "mandatory_tests.moc"
