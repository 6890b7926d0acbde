// The child's choices in the training window (operation, task type, level, practice number) and the
// user window: changing and starting users, adding and deleting names in ZIFTORA.INI.

#include "program_fixture.h"

#include "engine/task_engine.h"
#include "platform/controls.h"
#include "training/user_file.h"

#include <QScrollBar>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

const QString kUsers = u"Benutzereingabe"_s;
const QByteArray kTwoErrors(" 7 + 5 = ?\r\n12\r\n 6 \xB7 4 = ?\r\n24\r\n");
const Shown kPractiseNow = ScriptedDialogs::Msg(u"Die Fehleraufgaben jetzt üben?\r"_s, 276, u"Fehlerliste"_s);

void ClickEntry(ListBox* list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->EntryRect(row).center());
}

// The lines "Kind <from>" up to "Kind <to - 1>" of a user file.
QByteArray Kids(int from, int to)
{
    QByteArray lines;
    for (int i = from; i < to; ++i)
        lines += "Kind " + QByteArray::number(i) + "\r\n";
    return lines;
}

} // namespace

class ChoosingTests : public QObject {
    Q_OBJECT
private slots:
    // Each choice puts one new task on screen; a button's list fill brings one and the button a second.
    void choose_data()
    {
        QTest::addColumn<QString>("steps"); // buttons; "Typ4" clicked, "Runter" in the list; level moves
        QTest::addColumn<bool>("errors"); // errors are being practised
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("sign");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("tasks");
        QTest::newRow("plus") << "Befehl12" << false << 1 << 1 << "+" << 4 << 2;
        QTest::newRow("minus") << "Befehl13" << false << 2 << 1 << "-" << 4 << 2;
        QTest::newRow("mal") << "Befehl14" << false << 3 << 1 << "*" << 4 << 2;
        QTest::newRow("geteilt") << "Befehl15" << false << 4 << 1 << ":" << 4 << 2;
        QTest::newRow("zufällig") << "Befehl16" << false << 5 << 1 << "" << 4 << 2;
        QTest::newRow("Typ mit der Maus") << "Typ4" << false << 4 << 4 << ":" << 4 << 1;
        QTest::newRow("Typ mit der Pfeiltaste") << "Runter" << false << 4 << 4 << ":" << 4 << 1;
        QTest::newRow("Typ während der Fehlerübung") << "Typ4" << true << 4 << 4 << ":" << 4 << 1;
        QTest::newRow("Stufe an beide Enden") << "Stufe1 Stufe5" << false << 4 << 3 << ":" << 5 << 2;
        QTest::newRow("Pfeiltasten, am Anfang bleibt es") << "Links Links Links Links" << false << 4 << 3 << ":" << 1 << 3;
        QTest::newRow("Ziehen") << "Ziehen3 Ziehen2" << false << 4 << 3 << ":" << 2 << 2;
    }

    void choose()
    {
        QFETCH(QString, steps);
        QFETCH(bool, errors);
        QFETCH(int, operation);
        QFETCH(int, type);
        QFETCH(QString, sign);
        QFETCH(int, level);
        QFETCH(int, tasks);
        ProgramFixture f;
        f.StartQuietly();
        Form1& w = f.form1();
        QScrollBar* bar = w.HBildlauf1;
        // From division, level 4, the third type and a half-typed entry, so that every change shows.
        f.Click("Befehl15");
        bar->setValue(4);
        ClickEntry(w.Liste1, 2);
        f.PutTask("alt", "alt");
        if (errors) {
            f.form8().AddError(" 4 + 4 = ?", "8");
            f.form8().AddError(" 9 + 9 = ?", "18");
            w.NextErrorTask();
        }
        const QString old = f.Caption("Bezeichnung1");
        f.Type("3");
        w.Befehl18->setFocus();
        const int before = f.random.RandomizeCount(); // every new task reseeds once

        for (const QString& step : steps.split(u' ')) {
            if (step.startsWith("Befehl"_L1)) {
                f.Click(step);
            } else if (step == "Typ4"_L1) {
                ClickEntry(w.Liste1, 3);
            } else if (step == "Runter"_L1) {
                w.Liste1->setFocus();
                QTest::keyClick(w.Liste1, Qt::Key_Down);
            } else if (step.startsWith("Stufe"_L1)) {
                bar->setValue(step.mid(5).toInt());
            } else if (step.startsWith("Ziehen"_L1)) {
                bar->setSliderDown(true);
                bar->setSliderPosition(step.mid(6).toInt());
                bar->setSliderDown(false);
            } else {
                bar->setFocus();
                QTest::keyClick(bar, Qt::Key_Left);
            }
        }

        const QStringList types = TaskTypeEntries(operation);
        QCOMPARE(f.state().Operation, operation);
        QCOMPARE(int(f.state().TaskType), type);
        QCOMPARE(f.Entries("Liste1"), types);
        QCOMPARE(w.Liste1->ListIndex(), type - 1);
        QCOMPARE(f.Caption("Bezeichnung7"), types.at(type - 1));
        QCOMPARE(f.Caption("Bezeichnung9"), sign);
        QCOMPARE(f.state().Level, level);
        QCOMPARE(f.Caption("Bezeichnung8"), u"Stufe %1"_s.arg(level));
        QCOMPARE(f.random.RandomizeCount() - before, tasks);
        QVERIFY(f.Caption("Bezeichnung1") != old);
        QCOMPARE(f.state().EntryText, QString());
        if (steps.startsWith("Befehl"_L1))
            QCOMPARE(w.focusWidget(), w.Befehl11);
        // Error practice is not asked: the new task answered right, the next listed one follows.
        QCOMPARE(w.ErrorPracticeActive(), errors);
        if (errors) {
            f.Answer(f.state().ExpectedAnswer);
            QCOMPARE(f.Caption("Bezeichnung1"), u" 9 + 9 = ?"_s);
        }
        QCOMPARE(f.Seen(), Boxes{});
    }

    void practiceNumber_data()
    {
        QTest::addColumn<QString>("before"); // a number taken over through the button first
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("reply"); // to the question; 0: none asked
        QTest::addColumn<Shown>("shown");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("newTask");
        const auto msg = [](const QString& text, const QString& title) { return ScriptedDialogs::Msg(text, 0, title); };
        const auto ask = [](const QString& c) {
            return ScriptedDialogs::Msg("Die >" + c + "< nun als Rechenzahl übernehmen?\rBeim Anklicken mit einem leeren "
                                        "Ergebnis\rwird diese Funktion dann wieder gelöscht.\rEs werden nur einstellige "
                                        "Zahlen gesetzt.\rAb >Stufe 4< wird diese Eingabe ignoriert.", 36, u"Übungszahl"_s);
        };
        QTest::newRow("9 statt 3") << "3" << "9" << 6 << ask("9") << "9 üben" << 9 << true;
        QTest::newRow("nein") << "" << "7" << 7 << ask("7") << "üben" << 0 << false;
        QTest::newRow("Zeichen") << "" << ">" << 6 << ask(">") << "> üben" << 0 << true;
        QTest::newRow("zweistellig") << "7" << "12" << 0 << msg("Die Übungszahl muss einstellig sein!", "Eingabefehler")
                                     << "7 üben" << 7 << false;
        QTest::newRow("leer schaltet ab") << "7" << "" << 0 << msg("Übungsfunktion wurde deaktiviert.", "Üben") << "üben"
                                          << 0 << false;
        QTest::newRow("leer nach 0") << "0" << "" << 0
                                     << msg("Es muss eine einstellige Zahl im Ergebnis stehen!", "Übungszahl") << "üben"
                                     << 0 << false;
    }

    void practiceNumber()
    {
        QFETCH(QString, before);
        QFETCH(QString, typed);
        QFETCH(int, reply);
        QFETCH(Shown, shown);
        QFETCH(QString, caption);
        QFETCH(int, number);
        QFETCH(bool, newTask);
        ProgramFixture f;
        f.StartQuietly();
        if (!before.isEmpty()) {
            f.Type(before);
            f.dialogs.AnswerMsg(6);
            f.Click("Befehl17");
            f.Seen();
        }
        ClickEntry(f.form1().Liste1, 2);
        f.PutTask("alt", "alt");
        f.Type(typed);
        if (reply)
            f.dialogs.AnswerMsg(reply);
        const int tasks = f.random.RandomizeCount();

        f.Click("Befehl17");

        QCOMPARE(f.Seen(), Boxes{shown});
        QCOMPARE(f.Caption("Befehl17"), caption);
        QCOMPARE(f.state().PracticeNumber, number);
        QCOMPARE(int(f.state().TaskType), 1); // the button always goes back to the first type
        QCOMPARE(f.form1().focusWidget(), f.form1().Befehl11);
        // A number taken brings a task of the first type; otherwise the entry stays for another try.
        QCOMPARE(f.random.RandomizeCount() - tasks, newTask ? 2 : 0);
        QCOMPARE(f.Caption("Bezeichnung7"), TaskTypeEntries(1).at(newTask ? 0 : 2));
        QCOMPARE(f.state().EntryText, newTask ? QString() : typed);
    }

    // Errors still waiting are practised now or saved to the selected user's file; saved or not they
    // stay listed.
    void changeUser_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("user"); // selected in the user window
        QTest::addColumn<int>("reply"); // to "practise now?"; 0: no errors wait
        QTest::addColumn<QByteArray>("before"); // ZIFTORA.000; "DIR": a folder of that name
        QTest::addColumn<QString>("message"); // after the question
        QTest::addColumn<Files>("written");
        const QByteArray old(" 9 - 3 = ?\r\n6\r\n");
        QTest::newRow("ohne Fehler") << "Bild7" << 0 << 0 << QByteArray() << "" << Files{};
        QTest::newRow("in neue Datei") << "Bild7" << 0 << 7 << QByteArray() << "" << Files{{"ZIFTORA.000", kTwoErrors}};
        QTest::newRow("angehängt, über den Namen") << "Bezeichnung15" << 0 << 7 << old << ""
                                                  << Files{{"ZIFTORA.000", old + kTwoErrors}};
        QTest::newRow("zweiter Benutzer") << "Bild7" << 1 << 7 << old << "" << Files{{"ZIFTORA.001", kTwoErrors}};
        QTest::newRow("jetzt üben") << "Bild7" << 0 << 6 << QByteArray() << "" << Files{};
        QTest::newRow("niemand ausgewählt") << "Bild7" << -1 << 7 << old
                                            << "Es ist kein Benutzer ausgewählt, darum konnten die Fehleraufgaben nicht in "
                                               "einer Datei gespeichert werden.\rSie bleiben in der Fehlerliste.\r"
                                            << Files{};
        QTest::newRow("Fehlerdatei ist ein Ordner") << "Bild7" << 0 << 7 << QByteArray("DIR")
                                                    << "Die Fehleraufgaben konnten nicht in der Datei ZIFTORA.000 gespeichert "
                                                       "werden. Vielleicht ist der Ordner schreibgeschützt oder der "
                                                       "Datenträger voll.\r\nDie Fehleraufgaben bleiben in der Fehlerliste."
                                                    << Files{};
    }

    void changeUser()
    {
        QFETCH(QString, control);
        QFETCH(int, user);
        QFETCH(int, reply);
        QFETCH(QByteArray, before);
        QFETCH(QString, message);
        QFETCH(Files, written);
        ProgramFixture f;
        Files files{{"ZIFTORA.INI", "Anna\r\nBen\r\n"}};
        if (before == "DIR")
            QVERIFY(QDir(f.dir.path()).mkdir("ZIFTORA.000"));
        else if (!before.isEmpty())
            files.insert("ZIFTORA.000", before);
        f.StartQuietly(files);
        f.form7().SelectUser(user);
        files = f.AllFiles();
        if (reply) {
            f.form8().AddError(" 7 + 5 = ?", "12");
            f.form8().AddError(" 6 \u00B7 4 = ?", "24");
            f.dialogs.AnswerMsg(reply);
        }

        f.Click(control);

        Boxes shown = reply ? Boxes{kPractiseNow} : Boxes{};
        if (!message.isEmpty())
            shown << ScriptedDialogs::Msg(message, 64, "Fehlerliste");
        QCOMPARE(f.Seen(), shown);
        const bool practising = reply == 6;
        QCOMPARE(f.form1().ErrorPracticeActive(), practising);
        QCOMPARE(f.form7().isVisible(), !practising);
        if (practising)
            QCOMPARE(f.Caption("Bezeichnung1"), u" 7 + 5 = ?"_s);
        QCOMPARE(f.Entries("Form8/Liste2"), (reply ? QStringList{"12", "24"}.mid(practising ? 1 : 0) : QStringList{}));
        QCOMPARE(f.form7().UserNumber(), user);
        files.insert(written);
        QCOMPARE(f.AllFiles(), files);
    }

    // The user window is only hidden, so its list and selection stay for the next time. A started user
    // gets the mandatory tasks stored meanwhile; the task on screen stays until it is answered.
    void leaveUserWindow_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("user"); // selected at the end
        QTest::addColumn<bool>("started");
        QTest::addColumn<bool>("open");
        QTest::newRow("S t a r t e n") << "Befehl1" << 1 << true << false;
        QTest::newRow("Doppelklick") << "double" << 2 << true << false;
        QTest::newRow("Pfeil hoch und Enter in der Liste") << "Up" << 0 << true << false;
        QTest::newRow("S t a r t e n ohne Auswahl") << "Befehl1" << -1 << false << true;
        QTest::newRow("Escape") << "Escape" << 1 << false << false;
        QTest::newRow("A b b r u c h") << "Befehl3" << 1 << false << false;
        QTest::newRow("Enter auf A b b r u c h") << "Return" << 1 << false << false;
        QTest::newRow("Fenster schließen") << "close" << 1 << false << false;
    }

    void leaveUserWindow()
    {
        QFETCH(QString, way);
        QFETCH(int, user);
        QFETCH(bool, started);
        QFETCH(bool, open);
        // A very long name is shown shortened and kept whole in the file.
        const QString name = u"Lang"_s.repeated(25000);
        const QByteArray file = "Anna\r\n" + name.toLatin1() + "\r\nCem\r\n";
        const QStringList names{"Anna", name.left(UserFile::MaxShownLength) + QChar(0x2026), "Cem"};
        ProgramFixture f;
        f.StartQuietly({{"ZIFTORA.INI", file}});
        Form7& u = f.form7();
        f.Click("Bild7");
        f.WriteFile("ZIFTORA.DAT", " 2 + 2 = ?\r\n4\r\n 3 + 3 = ?\r\n6\r\n");
        const QString task = f.Caption("Bezeichnung1");
        u.SelectUser(way == "Up"_L1 ? 1 : user);

        if (way == "double"_L1) {
            QTest::mouseDClick(u.Liste1->viewport(), Qt::LeftButton, {}, u.Liste1->EntryRect(user).center());
        } else if (way == "Up"_L1) {
            QTest::keyClick(u.Liste1, Qt::Key_Up);
            QTest::keyClick(u.Liste1, Qt::Key_Return);
        } else if (way == "Escape"_L1) {
            QTest::keyClick(u.Liste1, Qt::Key_Escape);
        } else if (way == "Return"_L1) {
            u.Befehl3->setFocus();
            QTest::keyClick(u.Befehl3, Qt::Key_Return);
        } else if (way == "close"_L1) {
            u.close();
        } else {
            f.Click("Form7/" + way);
        }

        QCOMPARE(u.isVisible(), open);
        QVERIFY(!f.program().Ended());
        QVERIFY(f.form1().isVisible());
        QCOMPARE(f.Caption("Bezeichnung15"), names.at(started ? user : 0));
        QCOMPARE(ModeCover::IsOn(f.form1().Befehl28), started);
        QCOMPARE(f.Entries("Liste2").size(), started ? 4 : 0);
        QCOMPARE(f.Caption("Bezeichnung1"), task);
        f.Click("Bild7");
        QVERIFY(u.isVisible());
        QCOMPARE(f.Entries("Form7/Liste1"), names);
        QCOMPARE(u.UserNumber(), user);
        QCOMPARE(f.File("ZIFTORA.INI"), file);
        QCOMPARE(f.Seen(), Boxes{});
    }

    // "Neuer Name" (Befehl2) adds at the end, "Name löschen" (Befehl4) moves those behind up; both
    // need the password, and the current user and the task on screen stay.
    void editNames_data()
    {
        QTest::addColumn<QByteArray>("before"); // ZIFTORA.INI; "-": no file
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("password"); // "!": the right one; "-": not asked for
        QTest::addColumn<QString>("name"); // "-": not asked for
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<int>("listed");
        QTest::addColumn<QString>("last");
        const QString full = u"Es können höchstens 1000 Benutzer eingetragen werden.\rBitte zuerst einen Namen löschen.\r"_s;
        const QString bad = u"Der Name enthält Zeichen, die in der Benutzerliste nicht gespeichert werden können.\r"
                            "Bitte den Namen ohne diese Zeichen eingeben.\r"_s;
        const QByteArray anna("Anna\r\n"), abc("A\r\nB\r\nC\r\n");
        const QString longName = u"Sehr langer Name "_s.repeated(5900);
        QTest::newRow("ohne Datei") << QByteArray("-") << "Befehl2" << 0 << "!" << "Max" << ""
                                    << QByteArray("Standardbenutzer\r\nMax\r\n") << 2 << "Max";
        QTest::newRow("Umlaute, leere Zeile bleibt") << QByteArray("Anna\r\n\r\nBen") << "Befehl2" << 0 << "!" << "Jörg Müller"
                                                     << "" << QByteArray("Anna\r\n\r\nBen\r\nJ\xF6rg M\xFCller\r\n") << 4
                                                     << "Jörg Müller";
        QTest::newRow("andere Schreibung") << anna << "Befehl2" << 0 << "!" << "anna" << "" << anna + "anna\r\n" << 2 << "anna";
        QTest::newRow("sehr langer Name") << anna << "Befehl2" << 0 << "!" << longName << "" << anna + longName.toLatin1() + "\r\n"
                                          << 2 << longName.left(UserFile::MaxShownLength) + QChar(0x2026);
        QTest::newRow("falsches Passwort") << anna << "Befehl2" << 0 << "x" << "-" << "" << anna << 1 << "Anna";
        QTest::newRow("Name abgebrochen") << anna << "Befehl2" << 0 << "!" << "" << "" << anna << 1 << "Anna";
        QTest::newRow("Name schon da") << anna << "Befehl2" << 0 << "!" << "Anna" << "" << anna << 1 << "Anna";
        QTest::newRow("Ł") << anna << "Befehl2" << 0 << "!" << "Łukasz" << bad << anna << 1 << "Anna";
        QTest::newRow("Zeilenumbruch") << anna << "Befehl2" << 0 << "!" << "Max\nMoritz" << bad << anna << 1 << "Anna";
        QTest::newRow("999 Namen") << Kids(0, 999) << "Befehl2" << 0 << "!" << "Letztes Kind" << ""
                                   << Kids(0, 999) + "Letztes Kind\r\n" << 1000 << "Letztes Kind";
        QTest::newRow("1000 Namen") << Kids(0, 1000) << "Befehl2" << 0 << "!" << "-" << full << Kids(0, 1000) << 1000
                                    << "Kind 999";
        QTest::newRow("mehr als 1000 Namen") << Kids(0, 1003) << "Befehl2" << 0 << "!" << "-" << full << Kids(0, 1003)
                                             << 1000 << "Kind 999";
        QTest::newRow("löschen") << abc << "Befehl4" << 1 << "!" << "-" << "" << QByteArray("A\r\nC\r\n") << 2 << "C";
        QTest::newRow("einzigen Namen löschen") << anna << "Befehl4" << 0 << "!" << "-" << "" << QByteArray() << 0 << "";
        QTest::newRow("löschen, falsches Passwort") << abc << "Befehl4" << 1 << "x" << "-" << "" << abc << 3 << "C";
        QTest::newRow("löschen, niemand ausgewählt") << abc << "Befehl4" << -1 << "-" << "-" << "" << abc << 3 << "C";
        // Names beyond the thousandth are not listed, but they stay in the file.
        QTest::newRow("löschen bei mehr als 1000") << Kids(0, 1004) << "Befehl4" << 3 << "!" << "-" << ""
                                                  << Kids(0, 3) + Kids(4, 1004) << 1000 << "Kind 1000";
    }

    void editNames()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, button);
        QFETCH(int, selected);
        QFETCH(QString, password);
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(QByteArray, after);
        QFETCH(int, listed);
        QFETCH(QString, last);
        ProgramFixture f;
        f.StartQuietly(before == "-" ? Files{} : Files{{"ZIFTORA.INI", before}});
        f.Click("Bild7");
        f.form7().SelectUser(selected);
        const QString task = f.Caption("Bezeichnung1");
        const QString firstUser = f.Caption("Bezeichnung15");
        Boxes shown;
        if (password != "-"_L1) {
            f.Password(password == "!"_L1 ? f.state().ExpectedAnswer : password);
            shown << ScriptedDialogs::Password(kUsers);
        }
        if (name != "-"_L1) {
            f.dialogs.AnswerInput(name);
            shown << ScriptedDialogs::Input("Neuer Name:", kUsers);
        }
        if (!message.isEmpty())
            shown << ScriptedDialogs::Msg(message, 0, kUsers);

        f.Click("Form7/" + button);

        QCOMPARE(f.Seen(), shown);
        QCOMPARE(f.File("ZIFTORA.INI"), after);
        QCOMPARE(f.Entries("Form7/Liste1").size(), listed);
        QCOMPARE(f.Entries("Form7/Liste1").value(listed - 1), last);
        // A deletion leaves no one selected; otherwise the selection stays.
        QCOMPARE(f.form7().UserNumber(), button == "Befehl4"_L1 && after != before ? -1 : selected);
        QVERIFY(f.form7().isVisible());
        QCOMPARE(f.Caption("Bezeichnung15"), firstUser);
        QCOMPARE(f.Caption("Bezeichnung1"), task);
    }

    void unreadableUserFile_data()
    {
        QTest::addColumn<bool>("fifo");
        QTest::newRow("Ordner") << false;
        QTest::newRow("FIFO") << true;
    }

    // A user file that exists but cannot be read is never written over: the teacher's names may still
    // be in it. Adding and deleting names then hold until the program ends.
    void unreadableUserFile()
    {
        QFETCH(bool, fifo);
        ProgramFixture f;
        const QByteArray path = QFile::encodeName(f.dir.filePath("ZIFTORA.INI"));
        QCOMPARE(fifo ? ::mkfifo(path.constData(), 0600) : ::mkdir(path.constData(), 0700), 0);
        f.Start({{"ZIFTORA.DAT", QByteArray()}});
        QCOMPARE(f.Caption("Bezeichnung15"), u"Standardbenutzer"_s);
        f.Click("Bild7");
        f.Password();
        f.dialogs.AnswerInput("Max");
        f.Click("Form7/Befehl2");
        f.Password();
        f.Click("Form7/Befehl4");
        const Shown notSaved = ScriptedDialogs::Msg(
            "Die Benutzerliste konnte nicht gespeichert werden.\rDie Datei ZIFTORA.INI konnte beim Start nicht gelesen "
            "werden und wird darum nicht überschrieben.\rDie Änderung gilt nur, bis das Programm beendet wird.\r", 64, kUsers);
        QCOMPARE(f.Seen(), (Boxes{ScriptedDialogs::Msg("Die Benutzerliste ZIFTORA.INI konnte nicht gelesen werden.\rBis zum "
                                                       "Ende des Programms gilt nur der Standardbenutzer;\rdie Datei bleibt "
                                                       "unverändert.\r", 64, kUsers),
                                  ScriptedDialogs::Password(kUsers), ScriptedDialogs::Input("Neuer Name:", kUsers), notSaved,
                                  ScriptedDialogs::Password(kUsers), notSaved}));
        QCOMPARE(f.Entries("Form7/Liste1"), QStringList{"Max"});
        struct stat st {};
        QCOMPARE(::lstat(path.constData(), &st), 0);
        QVERIFY(fifo ? S_ISFIFO(st.st_mode) : S_ISDIR(st.st_mode) && QDir(QString::fromLocal8Bit(path)).isEmpty());
        QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"ZIFTORA.DAT"});
    }
};

QTEST_MAIN(ChoosingTests)
#include "choosing_tests.moc"
