// The mandatory tasks as teacher and child meet them: ZIFTORA.DAT, the editor column of the training
// window, and the mode that serves the stored tasks before free training.

#include "program_fixture.h"

#include "engine/task_engine.h"
#include "mandatory/mandatory_tasks.h"
#include "platform/controls.h"
#include "platform/text_file.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

const QString kTitle = u"Pflichtaufgaben"_s;
const QByteArray kTwoTasks = "7 + 5 = ?\r\n12\r\n 47 : 6 = ?\r\n7R5\r\n";
const Shown kSaved = ScriptedDialogs::Msg(u"Liste wurde gespeichert.\r"_s, 0, kTitle);

// Free training is back: the cover parked, plus with its first type, a " Plus Einer" task on screen.
void VerifyBackToPlus(ProgramFixture& f)
{
    QVERIFY(!ModeCover::IsOn(f.form1().Befehl28));
    QCOMPARE(f.Entries("Liste1"), TaskTypeEntries(1));
    QCOMPARE(f.form1().Liste1->ListIndex(), 0);
    const auto m = QRegularExpression(u"^(\\d+) \\+ (\\d) = \\?$"_s).match(f.Caption("Bezeichnung1"));
    QVERIFY2(m.hasMatch(), qPrintable(f.Caption("Bezeichnung1")));
    QCOMPARE(f.state().ExpectedAnswer.toInt(), m.captured(1).toInt() + m.captured(2).toInt());
}

void OpenEditor(ProgramFixture& f)
{
    f.Password();
    f.Click("Bild4");
    QVERIFY(f.form1().mandatory().EditorOpen());
    QCOMPARE(f.Seen().size(), 2); // the password and a word on how the list is made
}

// "DIR" puts a folder where the file belongs, "-" leaves it missing.
void PutTaskFile(ProgramFixture& f, const QByteArray& file)
{
    QFile::remove(f.dir.filePath("ZIFTORA.DAT"));
    if (file == "DIR")
        QVERIFY(QDir(f.dir.path()).mkdir("ZIFTORA.DAT"));
    else if (file != "-")
        f.WriteFile("ZIFTORA.DAT", file);
}

} // namespace

class MandatoryTests : public QObject {
    Q_OBJECT
private slots:
    void storedTasks_data()
    {
        QTest::addColumn<QByteArray>("file"); // "-": none, "DIR": a folder
        QTest::addColumn<QStringList>("served"); // task, answer, task, answer ...
        QTest::addColumn<QString>("lastTask"); // a last task without its answer
        const QStringList first{"7 + 5 = ?", "12"};
        QTest::newRow("keine Datei") << QByteArray("-") << QStringList{} << "";
        QTest::newRow("Ordner") << QByteArray("DIR") << QStringList{} << "";
        QTest::newRow("leere Datei") << QByteArray() << QStringList{} << "";
        QTest::newRow("Leerzeichen vorn fällt weg") << kTwoTasks << first + QStringList{"47 : 6 = ?", "7R5"} << "";
        QTest::newRow("Anführungszeichen, Kommas, Zeilenvorschübe, fremde Bytes")
            << QByteArray("\"7 + 5 = ?\", 12\n\x80 \xE4\xDF \x81 = ?,\"5\"\nRechne: 3, 4\n")
            << first + QStringList{"€ äß \u0081 = ?", "5", "Rechne: 3", "4"} << "";
        QTest::newRow("letzte Aufgabe ohne Antwort") << QByteArray("7 + 5 = ?\r\n12\r\n9 + 1 = ?\r\n") << first << "9 + 1 = ?";
        QTest::newRow("nur eine Aufgabenzeile") << QByteArray("9 + 1 = ?\r\n") << QStringList{} << "9 + 1 = ?";
        QTest::newRow("Leerzeilen am Ende") << QByteArray("7 + 5 = ?\r\n12\r\n\r\n\r\n") << first << "";
        QTest::newRow("Antworten, die das Tastenfeld nicht tippen kann")
            << QByteArray("1 + 1 = ?\r\nzwei\r\n2 + 2 = ?\r\n4\r\n3 + 3 = ?\r\n\r\n8 + 1 = ?\r\n12345678901\r\n"
                          "9 : 2 = ?\r\n4R1\r\n5 + 5 = ?\r\n1 0\r\n6 + 6 = ?\r\nR2\r\n")
            << QStringList{"2 + 2 = ?", "4", "9 : 2 = ?", "4R1"} << "";
    }

    // The stored tasks are served in order, each until it is answered right; then free training goes on.
    // A pair the keypad cannot answer never enters the list, neither at start nor by "Lade Liste".
    void storedTasks()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, served);
        QFETCH(QString, lastTask);
        ProgramFixture f;
        PutTaskFile(f, file);
        f.Start();
        const bool unreadable = file == "-" || file == "DIR";
        const QStringList last = lastTask.isEmpty() ? QStringList{} : QStringList{lastTask};
        QCOMPARE(f.Seen(), unreadable ? Boxes{ScriptedDialogs::Msg("Keine Pflichtaufgaben!", 0, kTitle)} : Boxes{});
        QCOMPARE(f.Entries("Liste2"), served.isEmpty() ? QStringList{} : served.mid(2) + last);
        f.form1().Liste1->SetListIndex(0); // the list changes nothing while the mode is on
        QStringList seen;
        while (f.form1().mandatory().Active() && seen.size() < served.size() + 2) {
            QCOMPARE(f.Entries("Liste1"), TaskTypeEntries(6));
            seen << f.Caption("Bezeichnung1") << f.state().ExpectedAnswer;
            f.Answer(f.state().ExpectedAnswer);
        }
        QCOMPARE(seen, served);
        VerifyBackToPlus(f);
        QCOMPARE(int(f.form1().CorrectCount), served.size() / 2);

        OpenEditor(f);
        f.Click("Befehl27");
        Boxes loaded;
        if (unreadable)
            loaded << ScriptedDialogs::Msg("Keine Liste vorhanden!", 0, kTitle);
        else if (served.isEmpty() && lastTask.isEmpty())
            loaded << ScriptedDialogs::Msg("Es wurden keine Aufgaben gespeichert!", 0, "Liste laden");
        QCOMPARE(f.Seen(), loaded);
        QCOMPARE(f.Entries("Liste2"), served + last);
        QVERIFY(!f.form1().mandatory().Active()); // loading by hand starts no mode
        // Serving and loading never write the file.
        QCOMPARE(f.FileExists("ZIFTORA.DAT"), file != "-");
        if (!unreadable)
            QCOMPARE(f.File("ZIFTORA.DAT"), file);
    }
    // The password is the answer of the task on screen; the task not yet served stays for the editor.
    void waysOut_data()
    {
        QTest::addColumn<bool>("modeOn");
        QTest::addColumn<QString>("key"); // "*" typed; "": the cover clicked
        QTest::addColumn<QString>("password"); // "!": the right one
        QTest::newRow("Abdeckung, richtiges Passwort") << true << "" << "!";
        QTest::newRow("Abdeckung, falsches Passwort") << true << "" << "13";
        QTest::newRow("Stern, richtiges Passwort") << true << "*" << "!";
        QTest::newRow("Stern, abgebrochen") << true << "*" << "";
        QTest::newRow("Stern ohne Modus führt zu plus") << false << "*" << "!";
    }

    void waysOut()
    {
        QFETCH(bool, modeOn);
        QFETCH(QString, key);
        QFETCH(QString, password);
        ProgramFixture f;
        f.StartQuietly({{"ZIFTORA.DAT", modeOn ? kTwoTasks : QByteArray()}});
        if (!modeOn)
            f.Click("Befehl14");
        f.Password(password == "!"_L1 ? f.state().ExpectedAnswer : password);

        if (key.isEmpty())
            f.Click("Befehl28");
        else
            f.Type(key);

        QCOMPARE(f.Seen(), Boxes{ScriptedDialogs::Password(key.isEmpty() ? "Pflichtaufgaben abbrechen"
                                                                          : "Pflichtaufgaben beenden?")});
        if (password == "!"_L1) {
            VerifyBackToPlus(f);
            QCOMPARE(f.Entries("Liste2"), (modeOn ? QStringList{"47 : 6 = ?", "7R5"} : QStringList{}));
        } else {
            QVERIFY(ModeCover::IsOn(f.form1().Befehl28));
            QCOMPARE(f.Caption("Bezeichnung1"), u"7 + 5 = ?"_s);
            QCOMPARE(f.state().ExpectedAnswer, u"12"_s);
            QCOMPARE(f.Entries("Liste1"), TaskTypeEntries(6));
            QCOMPARE(f.Entries("Liste2").size(), 2);
        }
    }

    // The editor column lies outside the window until the window is widened with the password.
    void editorColumn_data()
    {
        QTest::addColumn<QString>("password"); // "!": the right one
        QTest::newRow("richtiges Passwort") << "!";
        QTest::newRow("falsches Passwort") << "x";
    }

    void editorColumn()
    {
        QFETCH(QString, password);
        ProgramFixture f;
        f.StartQuietly();
        Form1& w = f.form1();
        const int normal = w.width();
        const QList<QWidget*> column{w.Liste2, w.Befehl23, w.Befehl24, w.Befehl25, w.Befehl26, w.Befehl27};
        const QString task = f.Caption("Bezeichnung1");
        const bool opens = password == "!"_L1;
        f.Password(opens ? f.state().ExpectedAnswer : password);

        f.Click("Bild4");

        Boxes shown{ScriptedDialogs::Password("Ziftora")};
        if (opens)
            shown << ScriptedDialogs::Msg("Alle Pflichtaufgaben werden beim\rStart bzw. Benutzerwechsel geladen!\rDie Liste "
                                          "wird erstellt, indem man\rlinks auf die Aufgabenknöpfe klickt\rund passende "
                                          "Aufgabe mit Klick auf\rden Einfügen-Knopf in die Liste holt.\r", 0, "Pflichtteil");
        QCOMPARE(f.Seen(), shown);
        QCOMPARE(w.mandatory().EditorOpen(), opens);
        for (QWidget* c : column)
            QCOMPARE(c->geometry().right() < w.width() && c->geometry().bottom() < w.height(), opens);
        QVERIFY(!w.mandatory().Active());
        QCOMPARE(f.Caption("Bezeichnung1"), task);
        if (opens) {
            f.Click("Bild4"); // closing asks nothing
            QCOMPARE(w.width(), normal);
            QCOMPARE(f.Seen(), Boxes{});
        }
    }

    void insertedTasksComeBackAtTheNextStart_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("type"); // list position
        QTest::addColumn<QString>("answerForm");
        QTest::newRow("Vergleich") << "Befehl12" << 7 << "^[<=>]$";
        QTest::newRow("geteilt mit Rest") << "Befehl15" << 5 << "^\\d+R\\d+$";
        QTest::newRow("Einmaleins mit Malpunkt") << "Befehl14" << 0 << "^\\d+$";
    }

    void insertedTasksComeBackAtTheNextStart()
    {
        QFETCH(QString, operation);
        QFETCH(int, type);
        QFETCH(QString, answerForm);
        QStringList list;
        QByteArray bytes;
        {
            ProgramFixture f;
            f.StartQuietly();
            OpenEditor(f);
            for (int i = 0; i < 2; ++i) {
                f.Click(operation);
                f.form1().Liste1->SetListIndex(type);
                const QString task = f.Caption("Bezeichnung1"), answer = f.state().ExpectedAnswer;
                QVERIFY2(QRegularExpression(answerForm).match(answer).hasMatch(), qPrintable(answer));
                f.Click("Befehl23");
                list << task << answer;
                bytes += TextFile::Encode(task) + "\r\n" + answer.toLatin1() + "\r\n";
                QCOMPARE(f.Entries("Liste2"), list);
                QCOMPARE(f.form1().Liste2->ListIndex(), list.size() - 1);
                // Inserting leaves the task on screen and the mode off.
                QCOMPARE(f.Caption("Bezeichnung1"), task);
                QVERIFY(!f.form1().mandatory().Active());
            }
            f.Click("Befehl25");
            QCOMPARE(f.Seen(), Boxes{kSaved});
            QCOMPARE(f.File("ZIFTORA.DAT"), bytes);
        }
        ProgramFixture f;
        f.Start({{"ZIFTORA.DAT", bytes}});
        QCOMPARE(f.Seen(), Boxes{});
        for (int i = 0; i < list.size(); i += 2) {
            QCOMPARE(f.Caption("Bezeichnung1"), list.at(i).trimmed());
            QCOMPARE(f.state().ExpectedAnswer, list.at(i + 1));
            f.Answer(list.at(i + 1));
        }
        VerifyBackToPlus(f);
    }

    // The list is loaded, edited and saved: the file is replaced whole by the list; when that fails the
    // old file and the list stay. A task line and its answer line are always deleted together.
    void editAndSave_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("steps"); // L "Lade Liste", C "Lösche Liste", E "Einfügen", a digit or "-"
                                            // selects a line, D "Lösche Zeile"
        QTest::addColumn<int>("reply"); // to "delete the mandatory tasks?"
        QTest::addColumn<Boxes>("shown");
        QTest::addColumn<QByteArray>("after");
        QByteArray upper;
        for (int b = 0x80; b <= 0xFF; ++b)
            upper.append(char(b));
        const Shown empty = ScriptedDialogs::Msg("Die Liste enthält keine Daten!\rPflichtaufgaben jetzt löschen?", 292, kTitle);
        const QByteArray p1 = "1 + 1 = ?\r\n2\r\n", p2 = "2 + 2 = ?\r\n4\r\n", p3 = "3 + 3 = ?\r\n6\r\n";
        QTest::newRow("Leerzeichen vorn fallen beim Laden weg")
            << QByteArray(" 15 - 7 = ?\r\n8\r\n 3 \xB7 4 = ?\r\n12\r\n7 + 5 <=> 13\r\n<\r\n") << "L" << 0 << Boxes{kSaved}
            << QByteArray("15 - 7 = ?\r\n8\r\n3 \xB7 4 = ?\r\n12\r\n7 + 5 <=> 13\r\n<\r\n");
        QTest::newRow("jedes Byte bleibt") << upper + "\r\n5\r\n" << "L" << 0 << Boxes{kSaved} << upper + "\r\n5\r\n";
        QTest::newRow("leere Liste, Nein behält die Datei") << kTwoTasks << "LC" << 7 << Boxes{empty} << kTwoTasks;
        QTest::newRow("Aufgabe des zweiten Paars") << p1 + p2 + p3 << "L2D" << 0 << Boxes{kSaved} << p1 + p3;
        QTest::newRow("Antwort des zweiten Paars") << p1 + p2 + p3 << "L3D" << 0 << Boxes{kSaved} << p1 + p3;
        QTest::newRow("nichts ausgewählt") << p1 + p2 + p3 << "L-D" << 0 << Boxes{kSaved} << p1 + p2 + p3;
        QTest::newRow("einzelne Aufgabe am Ende") << p1 + p2 + "3 + 3 = ?\r\n" << "L4D" << 0 << Boxes{kSaved} << p1 + p2;
        QTest::newRow("einziges Paar, Ja leert die Datei") << p1 << "L0D" << 6 << Boxes{empty, kSaved} << QByteArray();
        QTest::newRow("Ordner statt Datei")
            << QByteArray("DIR") << "E" << 0
            << Boxes{ScriptedDialogs::Msg("Die Liste konnte nicht gespeichert werden!\rDie Datei ZIFTORA.DAT konnte nicht "
                                          "geschrieben werden.\r", 0, kTitle)}
            << QByteArray();
    }

    void editAndSave()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, steps);
        QFETCH(int, reply);
        QFETCH(Boxes, shown);
        QFETCH(QByteArray, after);
        ProgramFixture f;
        f.StartQuietly();
        PutTaskFile(f, file);
        OpenEditor(f);
        for (const QChar step : steps) {
            if (step.isDigit() || step == u'-')
                f.form1().Liste2->SetListIndex(step.isDigit() ? step.digitValue() : -1);
            else
                f.Click(step == u'L' ? "Befehl27" : step == u'C' ? "Befehl26" : step == u'D' ? "Befehl24" : "Befehl23");
        }
        QCOMPARE(f.Seen(), Boxes{});
        const QStringList list = f.Entries("Liste2");
        if (reply)
            f.dialogs.AnswerMsg(reply);

        f.Click("Befehl25");

        QCOMPARE(f.Seen(), shown);
        QCOMPARE(f.Entries("Liste2"), list);
        if (file == "DIR")
            QVERIFY(QFileInfo(f.dir.filePath("ZIFTORA.DAT")).isDir());
        else
            QCOMPARE(f.AllFiles(), (Files{{"ZIFTORA.DAT", after}}));
    }
};

QTEST_MAIN(MandatoryTests)
#include "mandatory_tests.moc"
