// The mandatory tasks as teacher and child meet them: ZIFTORA.DAT, the editor column of the training
// window, and the mode that serves the stored tasks before free training.

#include <QPushButton> // program_fixture.h uses QPushButton without including it

#include "program_fixture.h"

#include "engine/task_engine.h"
#include "mandatory/mandatory_tasks.h"
#include "platform/controls.h"
#include "platform/text_file.h"

#include <QRegularExpression>

namespace {

const QString kTitle = QStringLiteral("Pflichtaufgaben");
const QByteArray kTwoTasks = "7 + 5 = ?\r\n12\r\n 47 : 6 = ?\r\n7R5\r\n";
const Shown kSaved = ScriptedDialogs::Msg(QStringLiteral("Liste wurde gespeichert.\r"), 0, kTitle);

// Free training is back: the cover parked, plus with its first type, a " Plus Einer" task on screen.
void VerifyBackToPlus(ProgramFixture& f)
{
    QVERIFY(!ModeCover::IsOn(f.form1().Befehl28));
    QCOMPARE(f.state().Operation, 1);
    QCOMPARE(int(f.state().TaskType), 1);
    QCOMPARE(f.Entries(QStringLiteral("Liste1")), TaskTypeEntries(1));
    QCOMPARE(f.form1().Liste1->ListIndex(), 0);
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^(\\d+) \\+ (\\d) = \\?$")).match(f.Caption(QStringLiteral("Bezeichnung1")));
    QVERIFY2(m.hasMatch(), qPrintable(f.Caption(QStringLiteral("Bezeichnung1"))));
    QCOMPARE(f.state().ExpectedAnswer.toInt(), m.captured(1).toInt() + m.captured(2).toInt());
}

void OpenEditor(ProgramFixture& f)
{
    f.Password();
    f.Click(QStringLiteral("Bild4"));
    QVERIFY(f.form1().mandatory().EditorOpen());
    QCOMPARE(f.Seen().size(), 2);
}

// "DIR" puts a folder where the file belongs, "-" leaves it missing.
void PutTaskFile(ProgramFixture& f, const QByteArray& file)
{
    QFile::remove(f.dir.filePath(QStringLiteral("ZIFTORA.DAT")));
    if (file == "DIR")
        QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("ZIFTORA.DAT")));
    else if (file != "-")
        f.WriteFile(QStringLiteral("ZIFTORA.DAT"), file);
}

} // namespace

class MandatoryTests : public QObject {
    Q_OBJECT
private slots:
    void storedTasks_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("startMessage");
        QTest::addColumn<QStringList>("served"); // task, answer, task, answer ...
        QTest::addColumn<QString>("lastTask"); // a last task without its answer
        QTest::addColumn<Boxes>("loadShown"); // "Lade Liste"
        const Boxes noList{ScriptedDialogs::Msg(QStringLiteral("Keine Liste vorhanden!"), 0, kTitle)};
        const QString none = QStringLiteral("Keine Pflichtaufgaben!");
        const QStringList first{QStringLiteral("7 + 5 = ?"), QStringLiteral("12")};
        QTest::newRow("keine Datei") << QByteArray("-") << none << QStringList{} << "" << noList;
        QTest::newRow("Ordner") << QByteArray("DIR") << none << QStringList{} << "" << noList;
        QTest::newRow("leere Datei") << QByteArray() << "" << QStringList{} << ""
                                     << Boxes{ScriptedDialogs::Msg(QStringLiteral("Es wurden keine Aufgaben gespeichert!"),
                                                                   0, QStringLiteral("Liste laden"))};
        QTest::newRow("zwei Aufgaben, Leerzeichen vorn fällt weg")
            << kTwoTasks << "" << first + QStringList{QStringLiteral("47 : 6 = ?"), QStringLiteral("7R5")} << "" << Boxes{};
        QTest::newRow("Anführungszeichen und Kommas") << QByteArray("\"7 + 5 = ?\", 12\r\n  9 - 3 = ?,\"6\"\r\n") << ""
                                                      << first + QStringList{QStringLiteral("9 - 3 = ?"), "6"} << ""
                                                      << Boxes{};
        QTest::newRow("Komma teilt eine Zeile") << QByteArray("Rechne: 3, 4\r\n7\r\n") << ""
                                                << QStringList{QStringLiteral("Rechne: 3"), "4"} << "7" << Boxes{};
        QTest::newRow("Anführung nie geschlossen") << QByteArray("\"7 + 5 = ?\r\n12\r\n") << "" << first << "" << Boxes{};
        QTest::newRow("letzte Aufgabe ohne Antwort") << QByteArray("7 + 5 = ?\r\n12\r\n9 + 1 = ?\r\n") << "" << first
                                                     << "9 + 1 = ?" << Boxes{};
        QTest::newRow("nur eine Aufgabenzeile") << QByteArray("9 + 1 = ?\r\n") << "" << QStringList{} << "9 + 1 = ?"
                                                << Boxes{};
        QTest::newRow("Leerzeilen am Ende") << QByteArray("7 + 5 = ?\r\n12\r\n\r\n\r\n") << "" << first << "" << Boxes{};
        QTest::newRow("Antworten, die das Tastenfeld nicht tippen kann")
            << QByteArray("1 + 1 = ?\r\nzwei\r\n2 + 2 = ?\r\n4\r\n3 + 3 = ?\r\n\r\n8 + 1 = ?\r\n12345678901\r\n"
                          "9 : 2 = ?\r\n4R1\r\n5 + 5 = ?\r\n1 0\r\n6 + 6 = ?\r\nR2\r\n")
            << "" << QStringList{QStringLiteral("2 + 2 = ?"), "4", QStringLiteral("9 : 2 = ?"), "4R1"} << "" << Boxes{};
        QTest::newRow("nur Zeilenvorschübe") << QByteArray("7 + 5 = ?\n12\n3 \xB7 4 = ?\n12") << ""
                                             << first + QStringList{QStringLiteral("3 · 4 = ?"), "12"} << "" << Boxes{};
        QTest::newRow("fremde Bytes") << QByteArray("\x80 \xE4\xF6\xFC\xDF \x81\x9D \xFF = ?\r\n5\r\n") << ""
                                      << QStringList{QStringLiteral("€ äöüß \u0081\u009D ÿ = ?"), "5"} << "" << Boxes{};
    }

    // The stored tasks are served in order, each until it is answered right; then free training goes on.
    // A pair the keypad cannot answer never enters the list, neither at start nor by "Lade Liste".
    void storedTasks()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, startMessage);
        QFETCH(QStringList, served);
        QFETCH(QString, lastTask);
        QFETCH(Boxes, loadShown);
        ProgramFixture f;
        PutTaskFile(f, file);
        f.Start();
        QCOMPARE(f.Seen(), startMessage.isEmpty() ? Boxes{} : Boxes{ScriptedDialogs::Msg(startMessage, 0, kTitle)});
        QStringList waiting = served.mid(2);
        if (!served.isEmpty() && !lastTask.isEmpty())
            waiting << lastTask;
        QCOMPARE(f.Entries(QStringLiteral("Liste2")), waiting);
        if (!served.isEmpty()) {
            QCOMPARE(f.Entries(QStringLiteral("Liste1")), TaskTypeEntries(6));
            f.form1().Liste1->SetListIndex(0); // the list changes nothing while the mode is on
            QCOMPARE(f.Caption(QStringLiteral("Bezeichnung1")), served.first());
        }

        QStringList seen;
        while (f.form1().mandatory().Active() && seen.size() < served.size() + 2) {
            seen << f.Caption(QStringLiteral("Bezeichnung1")) << f.state().ExpectedAnswer;
            f.Answer(f.state().ExpectedAnswer);
            QCOMPARE(f.Seen(), Boxes{});
        }
        QCOMPARE(seen, served);
        VerifyBackToPlus(f);
        QCOMPARE(int(f.form1().CorrectCount), served.size() / 2);

        OpenEditor(f);
        f.Click(QStringLiteral("Befehl27"));
        QCOMPARE(f.Seen(), loadShown);
        QCOMPARE(f.Entries(QStringLiteral("Liste2")), lastTask.isEmpty() ? served : served + QStringList{lastTask});
        QVERIFY(!f.form1().mandatory().Active()); // loading by hand starts no mode
        // Serving and loading never write the file.
        QCOMPARE(f.FileExists(QStringLiteral("ZIFTORA.DAT")), file != "-");
        if (file != "DIR" && file != "-")
            QCOMPARE(f.File(QStringLiteral("ZIFTORA.DAT")), file);
    }

    void waysOut_data()
    {
        QTest::addColumn<bool>("modeOn");
        QTest::addColumn<bool>("byStar");
        QTest::addColumn<QString>("password"); // "!": the right one
        QTest::newRow("Abdeckung, richtiges Passwort") << true << false << "!";
        QTest::newRow("Abdeckung, falsches Passwort") << true << false << "13";
        QTest::newRow("Abdeckung, abgebrochen") << true << false << "";
        QTest::newRow("Stern, richtiges Passwort") << true << true << "!";
        QTest::newRow("Stern, falsches Passwort") << true << true << "1";
        QTest::newRow("Stern, abgebrochen") << true << true << "";
        QTest::newRow("Stern ohne Modus führt zu plus") << false << true << "!";
    }

    void waysOut()
    {
        QFETCH(bool, modeOn);
        QFETCH(bool, byStar);
        QFETCH(QString, password);
        ProgramFixture f;
        f.StartQuietly({{QStringLiteral("ZIFTORA.DAT"), modeOn ? kTwoTasks : QByteArray()}});
        if (!modeOn)
            f.Click(QStringLiteral("Befehl14"));
        // The password is the answer of the task on screen.
        f.Password(password == QLatin1String("!") ? f.state().ExpectedAnswer : password);

        if (byStar)
            f.Type(QStringLiteral("*"));
        else
            f.Click(QStringLiteral("Befehl28"));

        QCOMPARE(f.Seen(), Boxes{ScriptedDialogs::Password(byStar ? QStringLiteral("Pflichtaufgaben beenden?")
                                                                   : QStringLiteral("Pflichtaufgaben abbrechen"))});
        if (password == QLatin1String("!")) {
            VerifyBackToPlus(f);
            // The task not yet served stays in the list for the editor.
            const QStringList left{QStringLiteral("47 : 6 = ?"), QStringLiteral("7R5")};
            QCOMPARE(f.Entries(QStringLiteral("Liste2")), modeOn ? left : QStringList{});
            return;
        }
        QVERIFY(ModeCover::IsOn(f.form1().Befehl28));
        QCOMPARE(f.state().Operation, 6);
        QCOMPARE(f.Caption(QStringLiteral("Bezeichnung1")), QStringLiteral("7 + 5 = ?"));
        QCOMPARE(f.state().ExpectedAnswer, QStringLiteral("12"));
        QCOMPARE(f.Entries(QStringLiteral("Liste1")), TaskTypeEntries(6));
        QCOMPARE(f.Entries(QStringLiteral("Liste2")).size(), 2);
    }

    void editorColumn_data()
    {
        QTest::addColumn<QString>("password"); // "!": the right one
        QTest::newRow("richtiges Passwort") << "!";
        QTest::newRow("falsches Passwort") << "x";
        QTest::newRow("abgebrochen") << "";
    }

    void editorColumn()
    {
        QFETCH(QString, password);
        ProgramFixture f;
        f.StartQuietly();
        Form1& w = f.form1();
        const int normal = w.width();
        const QList<QWidget*> column{w.Liste2, w.Befehl23, w.Befehl24, w.Befehl25, w.Befehl26, w.Befehl27};
        for (QWidget* c : column)
            QVERIFY2(c->x() >= normal, qPrintable(c->objectName())); // outside the window
        const QString task = f.Caption(QStringLiteral("Bezeichnung1"));
        const bool opens = password == QLatin1String("!");
        f.Password(opens ? f.state().ExpectedAnswer : password);

        f.Click(QStringLiteral("Bild4"));

        Boxes shown{ScriptedDialogs::Password(QStringLiteral("Ziftora"))};
        if (opens)
            shown << ScriptedDialogs::Msg(QStringLiteral("Alle Pflichtaufgaben werden beim\rStart bzw. Benutzerwechsel "
                                                         "geladen!\rDie Liste wird erstellt, indem man\rlinks auf die "
                                                         "Aufgabenknöpfe klickt\rund passende Aufgabe mit Klick auf\rden "
                                                         "Einfügen-Knopf in die Liste holt.\r"),
                                          0, QStringLiteral("Pflichtteil"));
        QCOMPARE(f.Seen(), shown);
        QCOMPARE(w.mandatory().EditorOpen(), opens);
        QCOMPARE(w.width() > normal, opens);
        for (QWidget* c : column)
            QCOMPARE(c->geometry().right() < w.width() && c->geometry().bottom() < w.height(), opens);
        QVERIFY(!w.mandatory().Active());
        QCOMPARE(f.Caption(QStringLiteral("Bezeichnung1")), task);
        // Closing asks nothing.
        if (opens) {
            f.Click(QStringLiteral("Bild4"));
            QCOMPARE(w.width(), normal);
            QCOMPARE(f.Seen(), Boxes{});
        }
    }

    void insertedTasksComeBackAtTheNextStart_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("type"); // list position
        QTest::addColumn<QString>("answerForm");
        QTest::newRow("plus, Vergleich") << "Befehl12" << 7 << "^[<=>]$";
        QTest::newRow("mal, Vergleich") << "Befehl14" << 6 << "^[<=>]$";
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
                const QString task = f.Caption(QStringLiteral("Bezeichnung1"));
                const QString answer = f.state().ExpectedAnswer;
                QVERIFY2(QRegularExpression(answerForm).match(answer).hasMatch(), qPrintable(answer));
                f.Click(QStringLiteral("Befehl23"));
                list << task << answer;
                bytes += TextFile::Encode(task) + "\r\n" + answer.toLatin1() + "\r\n";
                QCOMPARE(f.Entries(QStringLiteral("Liste2")), list);
                QCOMPARE(f.form1().Liste2->ListIndex(), list.size() - 1);
                // Inserting leaves the task on screen and the mode off.
                QCOMPARE(f.Caption(QStringLiteral("Bezeichnung1")), task);
                QVERIFY(!f.form1().mandatory().Active());
            }
            f.Click(QStringLiteral("Befehl25"));
            QCOMPARE(f.Seen(), Boxes{kSaved});
            QCOMPARE(f.File(QStringLiteral("ZIFTORA.DAT")), bytes);
            QCOMPARE(f.Entries(QStringLiteral("Liste2")), list);
        }
        ProgramFixture f;
        f.Start({{QStringLiteral("ZIFTORA.DAT"), bytes}});
        QCOMPARE(f.Seen(), Boxes{});
        for (int i = 0; i < list.size(); i += 2) {
            QCOMPARE(f.Caption(QStringLiteral("Bezeichnung1")), list.at(i).trimmed());
            QCOMPARE(f.state().ExpectedAnswer, list.at(i + 1));
            f.Answer(list.at(i + 1));
        }
        VerifyBackToPlus(f);
    }

    void deleteLine_data()
    {
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QStringList>("left");
        const QString t1 = QStringLiteral("1 + 1 = ?"), t2 = QStringLiteral("2 + 2 = ?"), t3 = QStringLiteral("3 + 3 = ?");
        QTest::newRow("Aufgabe des zweiten Paars") << 6 << 2 << QStringList{t1, "2", t3, "6"};
        QTest::newRow("Antwort des zweiten Paars") << 6 << 3 << QStringList{t1, "2", t3, "6"};
        QTest::newRow("Antwort des ersten Paars") << 6 << 1 << QStringList{t2, "4", t3, "6"};
        QTest::newRow("letzte Antwort") << 6 << 5 << QStringList{t1, "2", t2, "4"};
        QTest::newRow("nichts ausgewählt") << 6 << -1 << QStringList{t1, "2", t2, "4", t3, "6"};
        QTest::newRow("einzelne Aufgabe am Ende") << 5 << 4 << QStringList{t1, "2", t2, "4"};
        QTest::newRow("einziges Paar") << 2 << 0 << QStringList{};
    }

    // A task line and its answer line always go together.
    void deleteLine()
    {
        QFETCH(int, entries);
        QFETCH(int, selected);
        QFETCH(QStringList, left);
        ProgramFixture f;
        f.StartQuietly();
        OpenEditor(f);
        const QStringList all{QStringLiteral("1 + 1 = ?"), "2", QStringLiteral("2 + 2 = ?"), "4",
                              QStringLiteral("3 + 3 = ?"), "6"};
        f.form1().Liste2->AddItems(all.mid(0, entries));
        f.form1().Liste2->SetListIndex(selected);
        f.Click(QStringLiteral("Befehl24"));
        QCOMPARE(f.Entries(QStringLiteral("Liste2")), left);
        QCOMPARE(f.Seen(), Boxes{});
    }

    void save_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("steps"); // L "Lade Liste", C "Lösche Liste", E "Einfügen"
        QTest::addColumn<int>("reply");
        QTest::addColumn<Boxes>("shown");
        QTest::addColumn<QByteArray>("after");
        QByteArray upper;
        for (int b = 0x80; b <= 0xFF; ++b)
            upper.append(char(b));
        const Shown empty = ScriptedDialogs::Msg(QStringLiteral("Die Liste enthält keine Daten!\r"
                                                                "Pflichtaufgaben jetzt löschen?"),
                                                 292, kTitle);
        QTest::newRow("Leerzeichen vorn fallen beim Laden weg")
            << QByteArray(" 15 - 7 = ?\r\n8\r\n 3 \xB7 4 = ?\r\n12\r\n7 + 5 <=> 13\r\n<\r\n") << "L" << 0 << Boxes{kSaved}
            << QByteArray("15 - 7 = ?\r\n8\r\n3 \xB7 4 = ?\r\n12\r\n7 + 5 <=> 13\r\n<\r\n");
        QTest::newRow("jedes Byte bleibt") << upper + "\r\n5\r\n" << "L" << 0 << Boxes{kSaved} << upper + "\r\n5\r\n";
        QTest::newRow("leere Liste, Nein behält die Datei") << kTwoTasks << "LC" << 7 << Boxes{empty} << kTwoTasks;
        QTest::newRow("leere Liste, Ja leert die Datei") << kTwoTasks << "LC" << 6 << Boxes{empty, kSaved} << QByteArray();
        QTest::newRow("Ordner statt Datei")
            << QByteArray("DIR") << "E" << 0
            << Boxes{ScriptedDialogs::Msg(QStringLiteral("Die Liste konnte nicht gespeichert werden!\r"
                                                         "Die Datei ZIFTORA.DAT konnte nicht geschrieben werden.\r"),
                                          0, kTitle)}
            << QByteArray();
    }

    // The file is replaced whole by the list; when that fails the old file and the list stay.
    void save()
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
        for (const QChar step : steps)
            f.Click(step == u'L' ? QStringLiteral("Befehl27") : step == u'C' ? QStringLiteral("Befehl26")
                                                                              : QStringLiteral("Befehl23"));
        QCOMPARE(f.Seen(), Boxes{});
        const QStringList list = f.Entries(QStringLiteral("Liste2"));
        QCOMPARE(list.isEmpty(), steps.contains(u'C'));
        if (reply)
            f.dialogs.AnswerMsg(reply);

        f.Click(QStringLiteral("Befehl25"));

        QCOMPARE(f.Seen(), shown);
        QCOMPARE(f.Entries(QStringLiteral("Liste2")), list);
        if (file == "DIR")
            QVERIFY(QFileInfo(f.dir.filePath(QStringLiteral("ZIFTORA.DAT"))).isDir());
        else
            QCOMPARE(f.AllFiles(), (Files{{QStringLiteral("ZIFTORA.DAT"), after}}));
    }
};

QTEST_MAIN(MandatoryTests)
#include "mandatory_tests.moc"
