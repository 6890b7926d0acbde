// The choices in the training window (operation, task type, level, practice number) and the user
// window.
#include "program_fixture.h"

#include "engine/task_engine.h"
#include "platform/controls.h"
#include "models/user_file.h"

#include <sys/stat.h>

using namespace Qt::StringLiterals;

const QString kUsers = u"Benutzereingabe"_s;

class ChoosingTests : public QObject {
    Q_OBJECT
private slots:
    void choose_data()
    {
        QTest::addColumn<QString>("steps"); // buttons, "Typ4" clicked, "StufeN" set, "=x" typed,
                                            // "Ja" to the next question
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>("type"); // shown in the list
        QTest::addColumn<int>("tasks");
        QTest::addColumn<QString>("captions"); // sign|level|practice button|entry
        QTest::addColumn<Boxes>("shown");
        const auto ask = [](const QString& c) {
            return ScriptedDialogs::msg(
                    "Die >" + c
                            + "< nun als Rechenzahl übernehmen?\rBeim Anklicken mit einem leeren "
                              "Ergebnis\rwird diese "
                              "Funktion dann wieder gelöscht.\rEs werden nur einstellige Zahlen "
                              "gesetzt.\rAb >Stufe 4< wird diese Eingabe ignoriert.",
                    36, u"Übungszahl"_s);
        };
        const QStringList buttons{ "plusButton", "minusButton", "timesButton", "divideButton",
                                   "randomButton" };
        for (int op = 1; op <= 5; ++op) // plus, minus, mal, geteilt, zufällig
            QTest::addRow("%s", qPrintable(buttons.at(op - 1)))
                    << buttons.at(op - 1) << op << 1 << 2
                    << u"+-*:"_s.mid(op - 1, 1) + u"|Stufe 4|üben|"_s << Boxes{};
        QTest::newRow("Typ mit der Maus") << "Typ4" << 4 << 4 << 1 << ":|Stufe 4|üben|" << Boxes{};
        QTest::newRow("Stufe an beide Enden")
                << "Stufe1 Stufe5" << 4 << 3 << 2 << ":|Stufe 5|üben|" << Boxes{};
        QTest::newRow("Übungszahl 9 statt 3")
                << "Ja practiceNumberButton =9 Ja practiceNumberButton" << 4 << 1 << 4
                << ":|Stufe 4|9 üben|" << Boxes{ ask("3"), ask("9") };
        QTest::newRow("Übungszahl Zeichen") << "=> Ja practiceNumberButton" << 4 << 1 << 2
                                            << ":|Stufe 4|> üben|" << Boxes{ ask(">") };
        QTest::newRow("zweistellig")
                << "Ja practiceNumberButton =12 practiceNumberButton" << 4 << 1 << 2
                << ":|Stufe 4|3 üben|12"
                << Boxes{ ask("3"),
                          ScriptedDialogs::msg("Die Übungszahl muss einstellig sein!", 0,
                                               "Eingabefehler") };
        QTest::newRow("leer schaltet ab")
                << "Ja practiceNumberButton = practiceNumberButton" << 4 << 1 << 2
                << ":|Stufe 4|üben|"
                << Boxes{ ask("3"),
                          ScriptedDialogs::msg("Übungsfunktion wurde deaktiviert.", 0, "Üben") };
        QTest::newRow("leer nach 0")
                << "=0 Ja practiceNumberButton practiceNumberButton" << 4 << 1 << 2
                << ":|Stufe 4|üben|"
                << Boxes{ ask("0"),
                          ScriptedDialogs::msg("Es muss eine einstellige Zahl im Ergebnis stehen!",
                                               0, "Übungszahl") };
    }

    // From division, level 4, the third type and a typed 3, each choice brings one new task, a
    // button two.
    void choose()
    {
        QFETCH(QString, steps);
        QFETCH(int, operation);
        QFETCH(int, type);
        QFETCH(int, tasks);
        QFETCH(QString, captions);
        QFETCH(Boxes, shown);
        ProgramFixture f;
        f.startQuietly();
        TrainingWindow& w = f.trainingWindow();
        f.click("divideButton");
        f.control<QObject>("levelBar")->setProperty("value", 4);
        f.control<ListBox>("taskTypeList")->setListIndex(2);
        f.putTask("alt", "alt");
        f.type("3");
        f.control<QPushButton>("eraseButton")->setFocus();
        const int before = f.random.randomizeCount(); // every new task reseeds once
        for (const QString& step : steps.split(u' ')) {
            if (step.endsWith("Button"_L1))
                f.click(step);
            else if (step.startsWith(u'='))
                f.keys("B" + step.mid(1));
            else if (step == "Ja"_L1)
                f.dialogs.answerMsg(6);
            else if (step == "Typ4"_L1)
                QTest::mouseClick(f.control<ListBox>("taskTypeList")->viewport(), Qt::LeftButton,
                                  {}, f.control<ListBox>("taskTypeList")->entryRect(3).center());
            else
                f.control<QObject>("levelBar")->setProperty("value", step.mid(5).toInt());
        }
        QCOMPARE(f.entries("taskTypeList"), taskTypeEntries(Operation(operation)));
        QCOMPARE(f.caption("taskTypeLabel"),
                 f.entries("taskTypeList").value(f.control<ListBox>("taskTypeList")->listIndex()));
        QCOMPARE(f.control<ListBox>("taskTypeList")->listIndex(), type - 1);
        QCOMPARE(QStringList({ f.caption("operationSignLabel"), f.caption("levelLabel"),
                               f.caption("practiceNumberButton"), f.state().entryText })
                         .join(u'|'),
                 captions);
        QCOMPARE(f.state().practiceNumber, qMax(0, captions.section(u'|', 2).front().digitValue()));
        QCOMPARE(f.random.randomizeCount() - before, tasks);
        QCOMPARE(f.caption("taskLabel") != "alt"_L1, tasks > 0);
        QVERIFY(!steps.contains("Button"_L1)
                || w.focusWidget() == f.control<QPushButton>("checkButton"));
        QCOMPARE(f.seen(), shown);
    }

    // Waiting errors are practised now or saved to the user's file; a started user gets the
    // mandatory tasks stored meanwhile.
    void userWindow_data()
    {
        QTest::addColumn<QString>("control"); // opens the window
        QTest::addColumn<int>("user"); // selected
        QTest::addColumn<int>("reply"); // to "practise now?"; 0: no errors wait
        QTest::addColumn<QByteArray>(
                "before"); // the user's error file; "DIR": a folder of that name
        QTest::addColumn<QString>("message"); // after the question
        QTest::addColumn<QString>("way"); // out of the window
        QTest::addColumn<int>("started"); // -1: no one
        const QByteArray old(" 9 - 3 = ?\r\n6\r\n");
        QTest::newRow("Enter in der Liste") << "userPicture" << 1 << 0 << QByteArray() << ""
                                            << "Return" << 1;
        QTest::newRow("Escape") << "userPicture" << 1 << 0 << QByteArray() << ""
                                << "Escape" << -1;
        QTest::newRow("in neue Datei") << "userPicture" << 2 << 7 << QByteArray() << ""
                                       << "startButton" << 2;
        QTest::newRow("angehängt, über den Namen") << "userNameLabel" << 1 << 7 << old << ""
                                                   << "startButton" << 1;
        QTest::newRow("jetzt üben") << "userPicture" << 0 << 6 << QByteArray() << ""
                                    << "" << -1;
        QTest::newRow("niemand ausgewählt, S t a r t e n")
                << "userPicture" << -1 << 7 << old
                << "Es ist kein Benutzer ausgewählt, darum konnten "
                   "die Fehleraufgaben nicht in einer Datei gespeichert werden.\rSie bleiben in "
                   "der Fehlerliste.\r"
                << "startButton" << -1;
        QTest::newRow("Fehlerdatei ist ein Ordner, A b b r u c h")
                << "userPicture" << 0 << 7 << QByteArray("DIR")
                << "Die Fehleraufgaben konnten "
                   "nicht in der Datei ZIFTORA.000 gespeichert werden. Vielleicht ist der Ordner "
                   "schreibgeschützt oder der Datenträger "
                   "voll.\r\nDie Fehleraufgaben bleiben in der Fehlerliste."
                << "cancelButton" << -1;
    }

    void userWindow()
    {
        QFETCH(QString, control);
        QFETCH(int, user);
        QFETCH(int, reply);
        QFETCH(QByteArray, before);
        QFETCH(QString, message);
        QFETCH(QString, way);
        QFETCH(int, started);
        const QStringList names{ "Anna", "Ben", "Cem" };
        const QString errors = u"ZIFTORA.00%1"_s.arg(qMax(user, 0));
        ProgramFixture f;
        f.startQuietly({ { "ZIFTORA.INI", (names.join("\r\n") + "\r\n").toLatin1() },
                         { errors, before } });
        if (before.isEmpty() || before == "DIR")
            QVERIFY(QFile::remove(f.dir.filePath(errors))
                    && (before.isEmpty() || QDir(f.dir.path()).mkdir(errors)));
        f.program().users().select(user);
        Files files = f.allFiles();
        if (reply) {
            f.program().errorList().add(" 7 + 5 = ?", "12");
            f.program().errorList().add(" 6 \u00B7 4 = ?", "24");
            f.dialogs.answerMsg(reply);
        }
        f.click(control);
        Boxes shown = reply ? Boxes{ ScriptedDialogs::msg(u"Die Fehleraufgaben jetzt üben?\r"_s,
                                                          276, u"Fehlerliste"_s) }
                            : Boxes{};
        if (!message.isEmpty())
            shown << ScriptedDialogs::msg(message, 64, "Fehlerliste");
        QCOMPARE(f.seen(), shown);
        QCOMPARE(f.entries("ErrorListWindow/answerList"),
                 (reply ? QStringList{ "12", "24" }.mid(reply == 6 ? 1 : 0) : QStringList{}));
        if (reply == 7 && message.isEmpty())
            files.insert(errors, before + " 7 + 5 = ?\r\n12\r\n 6 \xB7 4 = ?\r\n24\r\n");
        QCOMPARE(f.caption("taskLabel") == " 7 + 5 = ?"_L1, reply == 6);
        files.insert("ZIFTORA.DAT", " 2 + 2 = ?\r\n4\r\n 3 + 3 = ?\r\n6\r\n");
        f.writeFile("ZIFTORA.DAT", files.value("ZIFTORA.DAT"));
        const QString task = f.caption("taskLabel");
        if (way.endsWith("Button"_L1))
            f.click("UserWindow/" + way);
        else if (!way.isEmpty())
            QTest::keyClick(f.control("UserWindow/userList"),
                            way == "Escape"_L1 ? Qt::Key_Escape : Qt::Key_Return);
        QCOMPARE(f.userWindow().isVisible(), user < 0);
        QCOMPARE(f.caption("userNameLabel"), names.at(qMax(started, 0)));
        QCOMPARE(f.session().mandatoryMode(), started >= 0);
        QCOMPARE(f.entries("mandatoryList").size(), started >= 0 ? 4 : 0);
        QCOMPARE(f.caption("taskLabel"), task);
        QCOMPARE(f.program().users().selected(), user);
        QCOMPARE(f.allFiles(), files);
    }

    void userWindowReadsTheListAgain()
    { // as another program on the folder left it, each time the window opens
        ProgramFixture f;
        f.startQuietly({ { "ZIFTORA.INI", "Anna\r\nBen\r\n" } });
        f.writeFile("ZIFTORA.INI", "Ben\r\nDora\r\n");
        f.click("userPicture");
        QCOMPARE(f.entries("UserWindow/userList"), QStringList({ "Ben", "Dora" }));
        QCOMPARE(f.program().users().selected(), -1); // Anna is gone
    }

    // Names are added or deleted with the password. A user file that cannot be read is never
    // written over.
    void editNames_data()
    {
        QTest::addColumn<QByteArray>("before"); // ZIFTORA.INI; "-": none; "DIR", "FIFO": unreadable
        QTest::addColumn<int>("selected"); // -2: a name added, else deleted
        QTest::addColumn<QStringList>("answers"); // the password ("!": the right one), the name
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QStringList>("listed"); // how many, the last
        const QString full =
                u"Es können höchstens 1000 Benutzer eingetragen werden.\rBitte zuerst einen Namen löschen.\r"_s;
        const QString kept =
                u"Die Benutzerliste konnte nicht gespeichert werden.\rDie Datei ZIFTORA.INI konnte "
                u"beim Start "
                "nicht gelesen werden und wird darum nicht überschrieben.\rDie Änderung gilt nur, bis das Programm beendet wird.\r"_s;
        const QByteArray anna("Anna\r\n"), abc("A\r\nB\r\nC\r\n"), kid("Kind\r\n"),
                abcd("A\r\nB\r\nC\r\nD\r\n");
        const QString longName = u"Sehr langer Name "_s.repeated(5900);
        QTest::newRow("ohne Datei, Umlaute")
                << QByteArray("-") << -2 << QStringList{ "!", "Jörg Müller" } << ""
                << QByteArray("Standardbenutzer\r\nJ\xF6rg M\xFCller\r\n")
                << QStringList{ "2", "Jörg Müller" };
        QTest::newRow("sehr langer Name")
                << anna << -2 << QStringList{ "!", longName } << ""
                << anna + longName.toLatin1() + "\r\n"
                << QStringList{ "2", longName.left(UserFile::MaxShownLength) + QChar(0x2026) };
        QTest::newRow("falsches Passwort")
                << anna << -2 << QStringList{ "x" } << "" << anna << QStringList{ "1", "Anna" };
        QTest::newRow("Name schon da") << anna << -2 << QStringList{ "!", "Anna" } << "" << anna
                                       << QStringList{ "1", "Anna" };
        QTest::newRow("Zeilenumbruch im Namen")
                << anna << -2 << QStringList{ "!", "Ben\nBen" }
                << u"Der Name enthält Zeichen, die in der "
                   "Benutzerliste nicht gespeichert werden können.\rBitte den Namen ohne diese Zeichen eingeben.\r"_s
                << anna << QStringList{ "1", "Anna" };
        QTest::newRow("1000 Namen") << kid.repeated(1000) << -2 << QStringList{ "!" } << full
                                    << kid.repeated(1000) << QStringList{ "1000", "Kind" };
        QTest::newRow("mehr als 1000")
                << abcd + kid.repeated(999) << -2 << QStringList{ "!" } << full
                << abcd + kid.repeated(999) << QStringList{ "1000", "Kind" };
        QTest::newRow("löschen") << abc << 1 << QStringList{ "!" } << "" << QByteArray("A\r\nC\r\n")
                                 << QStringList{ "2", "C" };
        QTest::newRow("löschen, niemand ausgewählt")
                << abc << -1 << QStringList{} << "" << abc << QStringList{ "3", "C" };
        QTest::newRow("löschen bei mehr als 1000, keiner geht verloren")
                << abcd + kid.repeated(1000) << 3 << QStringList{ "!" } << ""
                << abc + kid.repeated(1000) << QStringList{ "1000", "Kind" };
        QTest::newRow("Ordner, neuer Name") << QByteArray("DIR") << -2 << QStringList{ "!", "Max" }
                                            << kept << QByteArray() << QStringList{ "2", "Max" };
        QTest::newRow("FIFO, löschen") << QByteArray("FIFO") << 0 << QStringList{ "!" } << kept
                                       << QByteArray() << QStringList{ "0", "" };
    }

    void editNames()
    {
        QFETCH(QByteArray, before);
        QFETCH(int, selected);
        QFETCH(QStringList, answers);
        QFETCH(QString, message);
        QFETCH(QByteArray, after);
        QFETCH(QStringList, listed);
        ProgramFixture f;
        const bool unreadable = before == "DIR" || before == "FIFO";
        const QByteArray path = QFile::encodeName(f.dir.filePath("ZIFTORA.INI"));
        if (unreadable)
            QCOMPARE(before == "FIFO" ? ::mkfifo(path.constData(), 0600)
                                      : ::mkdir(path.constData(), 0700),
                     0);
        f.start(before == "-" || unreadable
                        ? Files{ { "ZIFTORA.DAT", {} } }
                        : Files{ { "ZIFTORA.DAT", {} }, { "ZIFTORA.INI", before } });
        QCOMPARE(f.seen(),
                 unreadable ? Boxes{ ScriptedDialogs::msg(
                         "Die Benutzerliste ZIFTORA.INI konnte nicht gelesen werden.\rBis "
                         "zum Ende des Programms gilt nur der Standardbenutzer;\rdie Datei bleibt "
                         "unverändert.\r",
                         64, kUsers) }
                            : Boxes{});
        f.click("userPicture");
        f.program().users().select(selected == -2
                                           ? f.program().users().selected()
                                           : selected); // the first name is selected at start
        const QString seen = f.caption("taskLabel")
                + f.caption("userNameLabel"); // the task and the current user stay
        for (qsizetype i = 0; i < answers.size(); ++i) // the password, then the name
            i ? f.dialogs.answerInput(answers.at(1))
              : f.password(answers.at(0) == "!"_L1 ? f.state().expectedAnswer : answers.at(0));
        Boxes shown = Boxes{ ScriptedDialogs::password(kUsers),
                             ScriptedDialogs::input("Neuer Name:", kUsers) }
                              .mid(0, answers.size());
        if (!message.isEmpty())
            shown << ScriptedDialogs::msg(message, unreadable ? 64 : 0, kUsers);
        f.click(selected == -2 ? "UserWindow/newNameButton" : "UserWindow/deleteNameButton");
        QCOMPARE(f.seen(), shown);
        QCOMPARE(QStringList({ QString::number(f.entries("UserWindow/userList").size()),
                               f.entries("UserWindow/userList").value(listed[0].toInt() - 1) }),
                 listed);
        QCOMPARE(f.program().users().selected(),
                 selected == -2                          ? 0
                         : answers == QStringList{ "!" } ? -1
                                                         : selected); // none after deleting
        QVERIFY(f.userWindow().isVisible()
                && f.caption("taskLabel") + f.caption("userNameLabel") == seen);
        struct stat st { }; // stays zero without a file
        ::lstat(path.constData(), &st);
        QVERIFY(before == "FIFO"          ? S_ISFIFO(st.st_mode)
                        : before == "DIR" ? S_ISDIR(st.st_mode)
                                          : f.file("ZIFTORA.INI") == after);
    }
};

QTEST_MAIN(ChoosingTests)
#include "choosing_tests.moc"
