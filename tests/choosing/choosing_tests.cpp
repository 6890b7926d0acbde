// The child's choices in the training window (operation, task type, level, practice number) and the
// user window: changing and starting users, adding and deleting names in ZIFTORA.INI.

#include <QPushButton> // program_fixture.h uses QPushButton without including it

#include "program_fixture.h"

#include "engine/task_engine.h"
#include "platform/controls.h"
#include "training/user_file.h"

#include <QScrollBar>

#include <sys/stat.h>

namespace {

const QString kUsers = QStringLiteral("Benutzereingabe");

// Every new task reseeds the random source once, so the reseeds count the tasks put on screen.
int Tasks(ProgramFixture& f)
{
    return f.random.RandomizeCount();
}

void ClickEntry(ListBox* list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->EntryRect(row).center());
}

QStringList Kids(int from, int to)
{
    QStringList names;
    for (int i = from; i < to; ++i)
        names << QStringLiteral("Kind %1").arg(i);
    return names;
}

QByteArray Lines(const QStringList& names)
{
    return names.isEmpty() ? QByteArray() : (names.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
}

Shown NamePrompt()
{
    return ScriptedDialogs::Input(QStringLiteral("Neuer Name:"), kUsers);
}

void AddTwoErrors(ProgramFixture& f)
{
    f.form8().AddError(QStringLiteral(" 7 + 5 = ?"), QStringLiteral("12"));
    f.form8().AddError(QStringLiteral(" 6 \u00B7 4 = ?"), QStringLiteral("24"));
}

const QByteArray kTwoErrors(" 7 + 5 = ?\r\n12\r\n 6 \xB7 4 = ?\r\n24\r\n");
const Shown kPractiseNow = ScriptedDialogs::Msg(QStringLiteral("Die Fehleraufgaben jetzt üben?\r"), 276,
                                                QStringLiteral("Fehlerliste"));

} // namespace

class ChoosingTests : public QObject {
    Q_OBJECT
private slots:
    void operationButtons_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("operation");
        QTest::addColumn<QString>("sign");
        QTest::newRow("plus") << "Befehl13" << "Befehl12" << 1 << "+";
        QTest::newRow("plus nochmal") << "Befehl12" << "Befehl12" << 1 << "+";
        QTest::newRow("minus") << "Befehl12" << "Befehl13" << 2 << "-";
        QTest::newRow("mal") << "Befehl13" << "Befehl14" << 3 << "*";
        QTest::newRow("geteilt") << "Befehl13" << "Befehl15" << 4 << ":";
        QTest::newRow("zufällig") << "Befehl13" << "Befehl16" << 5 << "";
    }

    void operationButtons()
    {
        QFETCH(QString, from);
        QFETCH(QString, button);
        QFETCH(int, operation);
        QFETCH(QString, sign);
        ProgramFixture f;
        f.StartQuietly();
        Form1& w = f.form1();
        // Level 4, the third type, counters and a half-typed entry, so that every change shows.
        f.Click(from);
        w.HBildlauf1->setValue(4);
        ClickEntry(w.Liste1, 2);
        w.CorrectCount = 5;
        w.ErrorCount = 2;
        f.PutTask(QStringLiteral("alt"), QStringLiteral("alt"));
        f.Type(QStringLiteral("3"));
        w.Befehl18->setFocus();
        const int before = Tasks(f);

        f.Click(button);

        const QStringList types = TaskTypeEntries(operation);
        QCOMPARE(f.state().Operation, operation);
        QCOMPARE(int(f.state().TaskType), 1);
        QCOMPARE(f.Entries(QStringLiteral("Liste1")), types);
        QCOMPARE(w.Liste1->ListIndex(), 0);
        QCOMPARE(f.Caption(QStringLiteral("Bezeichnung7")), types.first());
        QCOMPARE(f.Caption(QStringLiteral("Bezeichnung9")), sign);
        QCOMPARE(f.Caption(QStringLiteral("Bezeichnung8")), QStringLiteral("Stufe 4"));
        // The list fill brings one task and the button a second, which stays.
        QCOMPARE(Tasks(f) - before, 2);
        QVERIFY(f.Caption(QStringLiteral("Bezeichnung1")) != QLatin1String("alt"));
        QVERIFY(f.state().ExpectedAnswer != QLatin1String("alt"));
        QCOMPARE(f.Caption(QStringLiteral("Bezeichnung2")), QString());
        QCOMPARE(f.state().EntryText, QString());
        QCOMPARE(int(w.CorrectCount), 5);
        QCOMPARE(int(w.ErrorCount), 2);
        QCOMPARE(w.focusWidget(), w.Befehl11);
        QCOMPARE(f.Seen(), Boxes{});
    }

    void level_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QList<int>>("moves"); // values set, or +1 / -1 for the arrow keys
        QTest::addColumn<QList<int>>("levels"); // the level after each move
        QTest::addColumn<int>("tasks");
        QTest::newRow("Schieber") << "set" << QList<int>{1, 3, 5} << QList<int>{1, 3, 5} << 3;
        QTest::newRow("Pfeiltasten, am Anfang bleibt es") << "keys" << QList<int>{1, -1, -1, -1}
                                                         << QList<int>{3, 2, 1, 1} << 3;
        QTest::newRow("Ziehen") << "drag" << QList<int>{1, 2, 3, 4, 5} << QList<int>{1, 2, 3, 4, 5} << 5;
    }

    void level()
    {
        QFETCH(QString, way);
        QFETCH(QList<int>, moves);
        QFETCH(QList<int>, levels);
        QFETCH(int, tasks);
        ProgramFixture f;
        f.StartQuietly();
        QCOMPARE(f.Caption(QStringLiteral("Bezeichnung8")), QStringLiteral("Stufe 2"));
        QScrollBar* bar = f.form1().HBildlauf1;
        f.Click(QStringLiteral("Befehl14"));
        ClickEntry(f.form1().Liste1, 5);
        const int before = Tasks(f);
        bar->setFocus();
        bar->setSliderDown(way == QLatin1String("drag"));
        for (int i = 0; i < moves.size(); ++i) {
            if (way == QLatin1String("keys"))
                QTest::keyClick(bar, moves.at(i) > 0 ? Qt::Key_Right : Qt::Key_Left);
            else if (way == QLatin1String("drag"))
                bar->setSliderPosition(moves.at(i));
            else
                bar->setValue(moves.at(i));
            QCOMPARE(f.state().Level, levels.at(i));
            QCOMPARE(f.Caption(QStringLiteral("Bezeichnung8")), QStringLiteral("Stufe %1").arg(levels.at(i)));
        }
        bar->setSliderDown(false);
        QCOMPARE(Tasks(f) - before, tasks);
        QCOMPARE(f.state().Operation, 3);
        QCOMPARE(int(f.state().TaskType), 6);
        QCOMPARE(f.Caption(QStringLiteral("Bezeichnung7")), TaskTypeEntries(3).at(5));
    }

    void taskTypeList_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::addColumn<bool>("errors");
        QTest::newRow("Maus") << false << false;
        QTest::newRow("Pfeiltaste") << true << false;
        QTest::newRow("Maus während der Fehlerübung") << false << true;
    }

    void taskTypeList()
    {
        QFETCH(bool, byKey);
        QFETCH(bool, errors);
        ProgramFixture f;
        f.StartQuietly();
        Form1& w = f.form1();
        w.HBildlauf1->setValue(3);
        ClickEntry(w.Liste1, 2);
        if (errors) {
            f.form8().AddError(QStringLiteral(" 4 + 4 = ?"), QStringLiteral("8"));
            f.form8().AddError(QStringLiteral(" 9 + 9 = ?"), QStringLiteral("18"));
            w.NextErrorTask();
            QCOMPARE(f.Caption(QStringLiteral("Bezeichnung1")), QStringLiteral(" 4 + 4 = ?"));
        } else {
            f.PutTask(QStringLiteral(" 4 + 4 = ?"), QStringLiteral("8"));
        }
        const int before = Tasks(f);

        if (byKey) {
            w.Liste1->setFocus();
            QTest::keyClick(w.Liste1, Qt::Key_Down);
        } else {
            ClickEntry(w.Liste1, 3);
        }

        QCOMPARE(int(f.state().TaskType), 4);
        QCOMPARE(f.Caption(QStringLiteral("Bezeichnung7")), TaskTypeEntries(1).at(3));
        QCOMPARE(Tasks(f) - before, 1);
        QVERIFY(f.Caption(QStringLiteral("Bezeichnung1")) != QLatin1String(" 4 + 4 = ?"));
        QCOMPARE(f.state().Operation, 1);
        QCOMPARE(f.state().Level, 3);
        // Error practice is not asked: the new task answered right, the next listed one follows.
        QCOMPARE(w.ErrorPracticeActive(), errors);
        if (errors) {
            QCOMPARE(f.Entries(QStringLiteral("Form8/Liste1")), QStringList{QStringLiteral(" 9 + 9 = ?")});
            f.Answer(f.state().ExpectedAnswer);
            QCOMPARE(f.Caption(QStringLiteral("Bezeichnung1")), QStringLiteral(" 9 + 9 = ?"));
            QCOMPARE(f.state().ExpectedAnswer, QStringLiteral("18"));
        }
        QCOMPARE(f.Seen(), Boxes{});
    }

    void practiceNumber_data()
    {
        QTest::addColumn<QString>("setBefore"); // taken over through the button first
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("answer"); // to the question; 0: no question
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("tasks");
        const QString ask = QStringLiteral("< nun als Rechenzahl übernehmen?\rBeim Anklicken mit einem leeren Ergebnis\r"
                                           "wird diese Funktion dann wieder gelöscht.\rEs werden nur einstellige Zahlen "
                                           "gesetzt.\rAb >Stufe 4< wird diese Eingabe ignoriert.");
        const QString q = QStringLiteral("Übungszahl");
        const QString one = QStringLiteral("Die Übungszahl muss einstellig sein!");
        const QString need = QStringLiteral("Es muss eine einstellige Zahl im Ergebnis stehen!");
        QTest::newRow("7 ja") << "" << "7" << 6 << "Die >7" + ask << 36 << q << "7 üben" << 7 << 2;
        QTest::newRow("7 nein") << "" << "7" << 7 << "Die >7" + ask << 36 << q << "üben" << 0 << 0;
        QTest::newRow("3 statt 7") << "7" << "3" << 6 << "Die >3" + ask << 36 << q << "3 üben" << 3 << 2;
        QTest::newRow("0 ja") << "" << "0" << 6 << "Die >0" + ask << 36 << q << "0 üben" << 0 << 2;
        QTest::newRow("Zeichen ja") << "" << ">" << 6 << "Die >>" + ask << 36 << q << "> üben" << 0 << 2;
        QTest::newRow("12 aus") << "" << "12" << 0 << one << 0 << "Eingabefehler" << "üben" << 0 << 0;
        QTest::newRow("12 an") << "7" << "12" << 0 << one << 0 << "Eingabefehler" << "7 üben" << 7 << 0;
        QTest::newRow("leer an") << "7" << "" << 0 << "Übungsfunktion wurde deaktiviert." << 0 << "Üben" << "üben" << 0
                                 << 0;
        QTest::newRow("leer aus") << "" << "" << 0 << need << 0 << q << "üben" << 0 << 0;
        QTest::newRow("leer nach 0") << "0" << "" << 0 << need << 0 << q << "üben" << 0 << 0;
    }

    void practiceNumber()
    {
        QFETCH(QString, setBefore);
        QFETCH(QString, typed);
        QFETCH(int, answer);
        QFETCH(QString, message);
        QFETCH(int, style);
        QFETCH(QString, title);
        QFETCH(QString, caption);
        QFETCH(int, number);
        QFETCH(int, tasks);
        ProgramFixture f;
        f.StartQuietly();
        Form1& w = f.form1();
        if (!setBefore.isEmpty()) {
            f.Type(setBefore);
            f.dialogs.AnswerMsg(6);
            f.Click(QStringLiteral("Befehl17"));
            f.Seen();
        }
        ClickEntry(w.Liste1, 2);
        f.PutTask(QStringLiteral("alt"), QStringLiteral("alt"));
        f.Type(typed);
        if (answer)
            f.dialogs.AnswerMsg(answer);
        const int before = Tasks(f);

        f.Click(QStringLiteral("Befehl17"));

        QCOMPARE(f.Seen(), Boxes{ScriptedDialogs::Msg(message, style, title)});
        QCOMPARE(f.Caption(QStringLiteral("Befehl17")), caption);
        QCOMPARE(f.state().PracticeNumber, number);
        QCOMPARE(Tasks(f) - before, tasks);
        QCOMPARE(int(f.state().TaskType), 1); // the button always goes back to the first type
        QCOMPARE(w.focusWidget(), w.Befehl11);
        // With a new task the first type is chosen; without, the entry stays for another try.
        QCOMPARE(f.Caption(QStringLiteral("Bezeichnung1")) == QLatin1String("alt"), tasks == 0);
        QCOMPARE(f.state().EntryText, tasks ? QString() : typed);
        if (tasks)
            QCOMPARE(f.Caption(QStringLiteral("Bezeichnung7")), TaskTypeEntries(1).first());
    }

    void changeUser_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("reply"); // to "practise now?"; 0: no errors wait
        QTest::addColumn<QByteArray>("before"); // ZIFTORA.000; "DIR": a folder of that name
        QTest::addColumn<Boxes>("shown");
        QTest::addColumn<QByteArray>("after");
        const QByteArray old(" 9 - 3 = ?\r\n6\r\n");
        QTest::newRow("Symbol ohne Fehler") << "Bild7" << 0 << QByteArray() << Boxes{} << QByteArray();
        QTest::newRow("Name ohne Fehler") << "Bezeichnung15" << 0 << old << Boxes{} << old;
        QTest::newRow("Fehler in neue Datei") << "Bild7" << 7 << QByteArray() << Boxes{kPractiseNow} << kTwoErrors;
        QTest::newRow("Fehler angehängt") << "Bezeichnung15" << 7 << old << Boxes{kPractiseNow} << old + kTwoErrors;
        QTest::newRow("Fehler jetzt üben") << "Bild7" << 6 << QByteArray() << Boxes{kPractiseNow} << QByteArray();
        QTest::newRow("Fehlerdatei ist ein Ordner")
            << "Bild7" << 7 << QByteArray("DIR")
            << Boxes{kPractiseNow, ScriptedDialogs::Msg(QStringLiteral("Die Fehleraufgaben konnten nicht in der Datei "
                                                                       "ZIFTORA.000 gespeichert werden. Vielleicht ist der "
                                                                       "Ordner schreibgeschützt oder der Datenträger voll.\r\n"
                                                                       "Die Fehleraufgaben bleiben in der Fehlerliste."),
                                                        64, QStringLiteral("Fehlerliste"))}
            << QByteArray();
    }

    void changeUser()
    {
        QFETCH(QString, control);
        QFETCH(int, reply);
        QFETCH(QByteArray, before);
        QFETCH(Boxes, shown);
        QFETCH(QByteArray, after);
        ProgramFixture f;
        Files files{{QStringLiteral("ZIFTORA.INI"), "Anna\r\nBen\r\n"}};
        if (before == "DIR")
            QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("ZIFTORA.000")));
        else if (!before.isEmpty())
            files.insert(QStringLiteral("ZIFTORA.000"), before);
        f.StartQuietly(files);
        files = f.AllFiles();
        if (reply) {
            AddTwoErrors(f);
            f.dialogs.AnswerMsg(reply);
        }

        f.Click(control);

        QCOMPARE(f.Seen(), shown);
        const bool practising = reply == 6;
        QCOMPARE(f.form1().ErrorPracticeActive(), practising);
        QCOMPARE(f.form7().isVisible(), !practising);
        QVERIFY(f.form1().isVisible());
        if (practising) {
            QCOMPARE(f.Caption(QStringLiteral("Bezeichnung1")), QStringLiteral(" 7 + 5 = ?"));
            QCOMPARE(f.Entries(QStringLiteral("Form8/Liste1")), QStringList{QStringLiteral(" 6 \u00B7 4 = ?")});
        } else if (reply) {
            // Saved or not, the errors stay listed.
            QCOMPARE(f.Entries(QStringLiteral("Form8/Liste2")), (QStringList{QStringLiteral("12"), QStringLiteral("24")}));
        }
        QCOMPARE(f.Entries(QStringLiteral("Form7/Liste1")), (QStringList{QStringLiteral("Anna"), QStringLiteral("Ben")}));
        QCOMPARE(f.form7().UserNumber(), 0);
        if (!after.isEmpty())
            files.insert(QStringLiteral("ZIFTORA.000"), after);
        QCOMPARE(f.AllFiles(), files);
    }

    void startUser_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("S t a r t e n") << "button";
        QTest::newRow("Doppelklick") << "double";
        QTest::newRow("Pfeil und Enter in der Liste") << "keys";
    }

    void startUser()
    {
        QFETCH(QString, way);
        ProgramFixture f;
        f.StartQuietly({{QStringLiteral("ZIFTORA.INI"), "Anna\r\nBen\r\nCem\r\n"}});
        Form1& w = f.form1();
        ListBox* list = f.form7().Liste1;
        QCOMPARE(f.Caption(QStringLiteral("Bezeichnung15")), QStringLiteral("Anna"));
        f.Click(QStringLiteral("Bild7"));
        // Meanwhile the teacher has stored two mandatory tasks.
        f.WriteFile(QStringLiteral("ZIFTORA.DAT"), " 2 + 2 = ?\r\n4\r\n 3 + 3 = ?\r\n6\r\n");
        const QString task = f.Caption(QStringLiteral("Bezeichnung1"));

        if (way == QLatin1String("keys")) {
            ClickEntry(list, 2);
            QTest::keyClick(list, Qt::Key_Up);
            QTest::keyClick(list, Qt::Key_Return);
        } else {
            ClickEntry(list, 1);
            if (way == QLatin1String("double"))
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->EntryRect(1).center());
            else
                f.Click(QStringLiteral("Form7/Befehl1"));
        }

        QCOMPARE(f.Caption(QStringLiteral("Bezeichnung15")), QStringLiteral("Ben"));
        QVERIFY(!f.form7().isVisible());
        QCOMPARE(f.form7().UserNumber(), 1);
        // The stored tasks are loaded again; the task on screen stays until it is answered.
        QVERIFY(ModeCover::IsOn(w.Befehl28));
        QCOMPARE(f.Entries(QStringLiteral("Liste1")), TaskTypeEntries(6));
        QCOMPARE(f.Entries(QStringLiteral("Liste2")).size(), 4);
        QCOMPARE(f.Caption(QStringLiteral("Bezeichnung1")), task);
        QCOMPARE(f.Seen(), Boxes{});

        // Ben's errors go to Ben's file.
        AddTwoErrors(f);
        f.dialogs.AnswerMsg(7);
        f.Click(QStringLiteral("Bild7"));
        QCOMPARE(f.File(QStringLiteral("ZIFTORA.001")), kTwoErrors);
        QVERIFY(!f.FileExists(QStringLiteral("ZIFTORA.000")));
        QCOMPARE(f.Seen(), Boxes{kPractiseNow});
    }

    void leaveUnchanged_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Escape in der Liste") << "escape list";
        QTest::newRow("Escape auf einem Knopf") << "escape button";
        QTest::newRow("A b b r u c h") << "click";
        QTest::newRow("Enter auf A b b r u c h") << "enter";
        QTest::newRow("Fenster schließen") << "close";
    }

    void leaveUnchanged()
    {
        QFETCH(QString, way);
        ProgramFixture f;
        f.StartQuietly({{QStringLiteral("ZIFTORA.INI"), "Anna\r\nBen\r\n"}});
        Form7& u = f.form7();
        f.Click(QStringLiteral("Bild7"));
        ClickEntry(u.Liste1, 1);

        if (way == QLatin1String("escape list"))
            QTest::keyClick(u.Liste1, Qt::Key_Escape);
        else if (way == QLatin1String("escape button"))
            QTest::keyClick(u.Befehl2, Qt::Key_Escape);
        else if (way == QLatin1String("click"))
            f.Click(QStringLiteral("Form7/Befehl3"));
        else if (way == QLatin1String("enter")) {
            u.Befehl3->setFocus();
            QTest::keyClick(u.Befehl3, Qt::Key_Return);
        } else
            u.close();

        QVERIFY(!u.isVisible());
        QVERIFY(!f.program().Ended());
        QVERIFY(f.form1().isVisible());
        QCOMPARE(f.Caption(QStringLiteral("Bezeichnung15")), QStringLiteral("Anna"));
        f.Click(QStringLiteral("Bild7"));
        QVERIFY(u.isVisible());
        QCOMPARE(f.Entries(QStringLiteral("Form7/Liste1")), (QStringList{QStringLiteral("Anna"), QStringLiteral("Ben")}));
        QCOMPARE(u.UserNumber(), 1);
        QCOMPARE(f.Seen(), Boxes{});
    }

    void addName_data()
    {
        QTest::addColumn<QByteArray>("before"); // "-": no file
        QTest::addColumn<QString>("password"); // "!": the right one
        QTest::addColumn<QString>("name"); // "-": not asked for
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<int>("listed");
        QTest::addColumn<QString>("last");
        const QString full = QStringLiteral("Es können höchstens 1000 Benutzer eingetragen werden.\r"
                                            "Bitte zuerst einen Namen löschen.\r");
        const QString bad = QStringLiteral("Der Name enthält Zeichen, die in der Benutzerliste nicht gespeichert werden "
                                           "können.\rBitte den Namen ohne diese Zeichen eingeben.\r");
        const QByteArray anna("Anna\r\n");
        const QString longName = QStringLiteral("Sehr langer Name ").repeated(5900);
        QTest::newRow("ohne Datei") << QByteArray("-") << "!" << "Max" << "" << QByteArray("Standardbenutzer\r\nMax\r\n")
                                    << 2 << "Max";
        QTest::newRow("Umlaute") << anna << "!" << "Jörg Müller" << "" << anna + "J\xF6rg M\xFCller\r\n" << 2
                                 << "Jörg Müller";
        QTest::newRow("leere Zeile bleibt") << QByteArray("Anna\r\n\r\nBen") << "!" << "Zoë" << ""
                                            << QByteArray("Anna\r\n\r\nBen\r\nZo\xEB\r\n") << 4 << "Zoë";
        QTest::newRow("andere Schreibung") << anna << "!" << "anna" << "" << anna + "anna\r\n" << 2 << "anna";
        QTest::newRow("sehr langer Name") << anna << "!" << longName << "" << anna + longName.toLatin1() + "\r\n" << 2
                                          << longName.left(UserFile::MaxShownLength) + QChar(0x2026);
        QTest::newRow("falsches Passwort") << anna << "x" << "-" << "" << anna << 1 << "Anna";
        QTest::newRow("Passwort abgebrochen") << anna << "" << "-" << "" << anna << 1 << "Anna";
        QTest::newRow("Name abgebrochen") << anna << "!" << "" << "" << anna << 1 << "Anna";
        QTest::newRow("Name schon da") << anna << "!" << "Anna" << "" << anna << 1 << "Anna";
        QTest::newRow("Ł") << anna << "!" << "Łukasz" << bad << anna << 1 << "Anna";
        QTest::newRow("Emoji") << anna << "!" << "Max \U0001F600" << bad << anna << 1 << "Anna";
        QTest::newRow("Zeilenumbruch") << anna << "!" << "Max\nMoritz" << bad << anna << 1 << "Anna";
        QTest::newRow("999 Namen") << Lines(Kids(0, 999)) << "!" << "Letztes Kind" << ""
                                   << Lines(Kids(0, 999)) + "Letztes Kind\r\n" << 1000 << "Letztes Kind";
        QTest::newRow("1000 Namen") << Lines(Kids(0, 1000)) << "!" << "-" << full << Lines(Kids(0, 1000)) << 1000
                                    << "Kind 999";
        QTest::newRow("mehr als 1000 Namen") << Lines(Kids(0, 1003)) << "!" << "-" << full << Lines(Kids(0, 1003))
                                             << 1000 << "Kind 999";
    }

    void addName()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, password);
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(QByteArray, after);
        QFETCH(int, listed);
        QFETCH(QString, last);
        ProgramFixture f;
        f.StartQuietly(before == "-" ? Files{} : Files{{QStringLiteral("ZIFTORA.INI"), before}});
        f.Click(QStringLiteral("Bild7"));
        const QString task = f.Caption(QStringLiteral("Bezeichnung1"));
        const QString firstUser = f.Caption(QStringLiteral("Bezeichnung15"));
        f.Password(password == QLatin1String("!") ? f.state().ExpectedAnswer : password);
        if (name != QLatin1String("-"))
            f.dialogs.AnswerInput(name);

        f.Click(QStringLiteral("Form7/Befehl2"));

        Boxes shown{ScriptedDialogs::Password(kUsers)};
        if (name != QLatin1String("-"))
            shown << NamePrompt();
        if (!message.isEmpty())
            shown << ScriptedDialogs::Msg(message, 0, kUsers);
        QCOMPARE(f.Seen(), shown);
        QCOMPARE(f.File(QStringLiteral("ZIFTORA.INI")), after);
        const QStringList entries = f.Entries(QStringLiteral("Form7/Liste1"));
        QCOMPARE(entries.size(), listed);
        QCOMPARE(entries.last(), last);
        // The current user stays; the password leaves the task on screen as it was.
        QCOMPARE(f.form7().UserNumber(), 0);
        QVERIFY(f.form7().isVisible());
        QCOMPARE(f.Caption(QStringLiteral("Bezeichnung15")), firstUser);
        QCOMPARE(f.Caption(QStringLiteral("Bezeichnung1")), task);
    }

    void longNameIsShortenedOnScreen()
    {
        const QString name = QStringLiteral("Lang").repeated(25000);
        const QString shown = name.left(UserFile::MaxShownLength) + QChar(0x2026);
        const QByteArray file = name.toLatin1() + "\r\nBen\r\n" + name.toLatin1() + "x\r\n";
        ProgramFixture f;
        f.StartQuietly({{QStringLiteral("ZIFTORA.INI"), file}});
        QCOMPARE(f.Caption(QStringLiteral("Bezeichnung15")), shown);
        QCOMPARE(f.Entries(QStringLiteral("Form7/Liste1")), (QStringList{shown, QStringLiteral("Ben"), shown}));
        f.Click(QStringLiteral("Bild7"));
        ClickEntry(f.form7().Liste1, 2);
        f.Click(QStringLiteral("Form7/Befehl1"));
        QCOMPARE(f.Caption(QStringLiteral("Bezeichnung15")), shown);
        QCOMPARE(f.File(QStringLiteral("ZIFTORA.INI")), file);
    }

    void deleteName_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("password"); // "!": the right one; "-": not asked for
        QTest::addColumn<QStringList>("after");
        const QStringList abc{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
        QTest::newRow("mittlerer Name") << abc << 1 << "!" << QStringList{QStringLiteral("A"), QStringLiteral("C")};
        QTest::newRow("falsches Passwort") << abc << 1 << "x" << abc;
        QTest::newRow("niemand ausgewählt") << abc << -1 << "-" << abc;
        // Names beyond the thousandth are not listed, but they stay in the file.
        QTest::newRow("mehr als 1000 Namen") << Kids(0, 1004) << 3 << "!" << Kids(0, 3) + Kids(4, 1004);
    }

    void deleteName()
    {
        QFETCH(QStringList, before);
        QFETCH(int, selected);
        QFETCH(QString, password);
        QFETCH(QStringList, after);
        ProgramFixture f;
        f.StartQuietly({{QStringLiteral("ZIFTORA.INI"), Lines(before)}});
        f.Click(QStringLiteral("Bild7"));
        f.form7().SelectUser(selected);
        if (password != QLatin1String("-"))
            f.Password(password == QLatin1String("!") ? f.state().ExpectedAnswer : password);

        f.Click(QStringLiteral("Form7/Befehl4"));

        QCOMPARE(f.Seen(), password == QLatin1String("-") ? Boxes{} : Boxes{ScriptedDialogs::Password(kUsers)});
        QCOMPARE(f.File(QStringLiteral("ZIFTORA.INI")), Lines(after));
        QCOMPARE(f.Entries(QStringLiteral("Form7/Liste1")), after.mid(0, UserFile::MaxUsers));
        QCOMPARE(f.form7().UserNumber(), after == before ? selected : -1);
        QCOMPARE(f.Caption(QStringLiteral("Bezeichnung15")), before.first());
    }

    // The numbers of those behind a deleted name move up one, and with them to the error file of the
    // one before. Until a user is started nobody is selected, and errors then stay listed.
    void deletedUserMovesOthersUp()
    {
        ProgramFixture f;
        f.StartQuietly({{QStringLiteral("ZIFTORA.INI"), "A\r\nB\r\nC\r\n"},
                        {QStringLiteral("ZIFTORA.000"), "a\r\n1\r\n"},
                        {QStringLiteral("ZIFTORA.001"), "b\r\n2\r\n"},
                        {QStringLiteral("ZIFTORA.002"), "c\r\n3\r\n"}});
        f.Click(QStringLiteral("Bild7"));
        f.Password();
        f.Click(QStringLiteral("Form7/Befehl4"));
        f.Click(QStringLiteral("Form7/Befehl1")); // nobody selected: nothing happens
        QVERIFY(f.form7().isVisible());
        f.Click(QStringLiteral("Form7/Befehl3"));
        QCOMPARE(f.Caption(QStringLiteral("Bezeichnung15")), QStringLiteral("A"));
        const Files files = f.AllFiles();
        AddTwoErrors(f);
        f.dialogs.AnswerMsg(7);
        f.Click(QStringLiteral("Bild7"));
        QCOMPARE(f.Seen(), (Boxes{ScriptedDialogs::Password(kUsers), kPractiseNow,
                                  ScriptedDialogs::Msg(QStringLiteral("Es ist kein Benutzer ausgewählt, darum konnten die "
                                                                      "Fehleraufgaben nicht in einer Datei gespeichert "
                                                                      "werden.\rSie bleiben in der Fehlerliste.\r"),
                                                       64, QStringLiteral("Fehlerliste"))}));
        QCOMPARE(f.AllFiles(), files);
        QVERIFY(f.form7().isVisible());

        // C, now number 1, gets the file that was B's.
        ClickEntry(f.form7().Liste1, 1);
        f.Click(QStringLiteral("Form7/Befehl1"));
        QCOMPARE(f.Caption(QStringLiteral("Bezeichnung15")), QStringLiteral("C"));
        f.dialogs.AnswerMsg(7);
        f.Click(QStringLiteral("Bild7"));
        Files expected = files;
        expected.insert(QStringLiteral("ZIFTORA.001"), "b\r\n2\r\n" + kTwoErrors);
        QCOMPARE(f.AllFiles(), expected);
    }

    void unreadableUserFile_data()
    {
        QTest::addColumn<bool>("fifo");
        QTest::newRow("Ordner") << false;
        QTest::newRow("FIFO") << true;
    }

    // A user file that exists but cannot be read is never written over: the teacher's names may still
    // be in it.
    void unreadableUserFile()
    {
        QFETCH(bool, fifo);
        ProgramFixture f;
        const QByteArray path = QFile::encodeName(f.dir.filePath(QStringLiteral("ZIFTORA.INI")));
        QCOMPARE(fifo ? ::mkfifo(path.constData(), 0600) : ::mkdir(path.constData(), 0700), 0);
        f.Start({{QStringLiteral("ZIFTORA.DAT"), QByteArray()}});
        QCOMPARE(f.Seen(), Boxes{ScriptedDialogs::Msg(QStringLiteral("Die Benutzerliste ZIFTORA.INI konnte nicht gelesen "
                                                                     "werden.\rBis zum Ende des Programms gilt nur der "
                                                                     "Standardbenutzer;\rdie Datei bleibt unverändert.\r"),
                                                      64, kUsers)});
        QCOMPARE(f.Caption(QStringLiteral("Bezeichnung15")), QStringLiteral("Standardbenutzer"));

        const Shown notSaved = ScriptedDialogs::Msg(
            QStringLiteral("Die Benutzerliste konnte nicht gespeichert werden.\rDie Datei ZIFTORA.INI konnte beim Start "
                           "nicht gelesen werden und wird darum nicht überschrieben.\rDie Änderung gilt nur, bis das "
                           "Programm beendet wird.\r"),
            64, kUsers);
        f.Click(QStringLiteral("Bild7"));
        f.Password();
        f.dialogs.AnswerInput(QStringLiteral("Max"));
        f.Click(QStringLiteral("Form7/Befehl2"));
        QCOMPARE(f.Seen(), (Boxes{ScriptedDialogs::Password(kUsers), NamePrompt(), notSaved}));
        QCOMPARE(f.Entries(QStringLiteral("Form7/Liste1")),
                 (QStringList{QStringLiteral("Standardbenutzer"), QStringLiteral("Max")}));
        f.Password();
        f.Click(QStringLiteral("Form7/Befehl4"));
        QCOMPARE(f.Seen(), (Boxes{ScriptedDialogs::Password(kUsers), notSaved}));
        QCOMPARE(f.Entries(QStringLiteral("Form7/Liste1")), QStringList{QStringLiteral("Max")});

        struct stat st {};
        QCOMPARE(::lstat(path.constData(), &st), 0);
        QVERIFY(fifo ? S_ISFIFO(st.st_mode) : S_ISDIR(st.st_mode));
        if (!fifo)
            QCOMPARE(QDir(QString::fromLocal8Bit(path)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{});
        QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("ZIFTORA.DAT")});
    }
};

QTEST_MAIN(ChoosingTests)
#include "choosing_tests.moc"
