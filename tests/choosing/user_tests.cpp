// Changing the user: pending errors practised or saved to the user's error file, and the user
// window with its list of children, ZIFTORA.INI and the password for adding and deleting names.

#include "program_fixture.h"

#include "engine/training_state.h"
#include "platform/list_box.h"
#include "platform/controls.h"
#include "training/error_list_window.h"
#include "training/picture_button.h"
#include "training/user_window.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using Shown = ScriptedDialogs::Shown;

namespace {

const QString kInputTitle = QStringLiteral("Benutzereingabe");

// A started program whose start-up showed no message (an empty mandatory file loads no tasks).
void Start(ProgramFixture& f, const QByteArray& users = QByteArray(), bool withUserFile = true)
{
    f.WriteFile(QStringLiteral("ZIFTORA.DAT"), QByteArray());
    if (withUserFile)
        f.WriteFile(QStringLiteral("ZIFTORA.INI"), users);
    f.Start();
}

Form7& Users(ProgramFixture& f)
{
    return f.program().form7();
}

Form8& Errors(ProgramFixture& f)
{
    return f.program().form8();
}

void ClickEntry(ListBox* list, int index)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(index)).center());
}

// Two errors of this run, one of them a times task with the middle dot (byte 0xB7 in the file).
void AddTwoErrors(ProgramFixture& f)
{
    Errors(f).AddError(QStringLiteral(" 7 + 5 = ?"), QStringLiteral("12"));
    Errors(f).AddError(QStringLiteral(" 6 \u00B7 4 = ?"), QStringLiteral("24"));
}

const QByteArray kTwoErrorsBytes(" 7 + 5 = ?\r\n12\r\n 6 \xB7 4 = ?\r\n24\r\n");

Shown PracticeQuestion()
{
    return ScriptedDialogs::Msg(QStringLiteral("Die Fehleraufgaben jetzt üben?\r"), 276,
                                QStringLiteral("Fehlerliste"));
}

Shown PasswordPrompt()
{
    return ScriptedDialogs::Input(QStringLiteral("Passwort eingeben:"), kInputTitle);
}

Shown NamePrompt()
{
    return ScriptedDialogs::Input(QStringLiteral("Neuer Name:"), kInputTitle);
}

QStringList Files(ProgramFixture& f)
{
    return QDir(f.dir.path()).entryList(QDir::Files, QDir::Name);
}

QByteArray ManyUsers(int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += "Kind " + QByteArray::number(i) + "\r\n";
    return bytes;
}

} // namespace

class UserTests : public QObject {
    Q_OBJECT
private slots:
    void userWindowLayout();
    void changeUserWithoutErrors_data();
    void changeUserWithoutErrors();
    void changeUserSavesErrors_data();
    void changeUserSavesErrors();
    void changeUserPractisesErrors();
    void startUserReloadsMandatoryTasks();
    void startByDoubleClickAndKeyboard();
    void closingOnlyHides();
    void addUser_data();
    void addUser();
    void addUserRefused_data();
    void addUserRefused();
    void namesThatCannotBeStored_data();
    void namesThatCannotBeStored();
    void atMostThousandUsers();
    void deleteUserMovesLaterUsersUp();
    void deleteUserRefused();
    void saveWithNoUserSelectedKeepsErrors();
    void failedUserFileWriteKeepsList();
    void failedErrorFileAppendKeepsErrors();
};

void UserTests::userWindowLayout()
{
    ProgramFixture f;
    Start(f);
    Form7& u = Users(f);
    QCOMPARE(u.windowTitle(), QStringLiteral("Ziftora: Benutzerauswahl"));
    QCOMPARE(u.width(), Twips::ToPixels(5295));
    QCOMPARE(u.height(), Twips::ToPixels(4230));
    QVERIFY(!u.isVisible()); // created at start, hidden

    struct Control {
        QWidget* widget;
        QString caption;
        int left, top, width, height;
    };
    const QList<Control> controls{
        {u.Liste1, QString(), 240, 240, 2895, 3630},
        {u.Befehl3, QStringLiteral("A b b r u c h"), 3360, 240, 1695, 495},
        {u.Befehl1, QStringLiteral("S t a r t e n"), 3360, 960, 1695, 495},
        {u.Befehl2, QStringLiteral("Neuer Name"), 3360, 1680, 1695, 495},
        {u.Befehl4, QStringLiteral("Name löschen"), 3360, 2400, 1695, 495},
    };
    for (const Control& c : controls) {
        QCOMPARE(c.widget->geometry(), QRect(Twips::ToPixels(c.left), Twips::ToPixels(c.top),
                                             Twips::ToPixels(c.width), Twips::ToPixels(c.height)));
        if (auto* button = qobject_cast<QPushButton*>(c.widget))
            QCOMPARE(button->text(), c.caption);
    }
}

void UserTests::changeUserWithoutErrors_data()
{
    QTest::addColumn<QString>("control");
    QTest::newRow("Symbol") << "Bild7";
    QTest::newRow("Name") << "Bezeichnung15";
}

void UserTests::changeUserWithoutErrors()
{
    QFETCH(QString, control);
    ProgramFixture f;
    Start(f, "Anna\r\nBen\r\n");
    const QStringList files = Files(f);

    QTest::mouseClick(f.form1().findChild<QWidget*>(control), Qt::LeftButton);

    QVERIFY(f.dialogs.shown.isEmpty());
    QVERIFY(Users(f).isVisible());
    QVERIFY(f.form1().isVisible());
    QCOMPARE(Users(f).Liste1->Entries(), (QStringList{QStringLiteral("Anna"), QStringLiteral("Ben")}));
    QCOMPARE(Users(f).UserNumber(), 0);
    QCOMPARE(Files(f), files);
}

void UserTests::changeUserSavesErrors_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QByteArray>("before"); // the error file as it was, "" for none
    QTest::newRow("Symbol, neue Datei") << "Bild7" << QByteArray();
    QTest::newRow("Name, Datei wird ergänzt") << "Bezeichnung15" << QByteArray(" 9 - 3 = ?\r\n6\r\n");
}

void UserTests::changeUserSavesErrors()
{
    QFETCH(QString, control);
    QFETCH(QByteArray, before);
    ProgramFixture f;
    if (!before.isEmpty())
        f.WriteFile(QStringLiteral("ZIFTORA.000"), before);
    Start(f, "Anna\r\nBen\r\n");
    AddTwoErrors(f);
    f.dialogs.AnswerMsg(7);

    QTest::mouseClick(f.form1().findChild<QWidget*>(control), Qt::LeftButton);

    QCOMPARE(f.dialogs.Take(), QList<Shown>{PracticeQuestion()});
    QCOMPARE(f.ReadFile(QStringLiteral("ZIFTORA.000")), before + kTwoErrorsBytes);
    QVERIFY(!f.FileExists(QStringLiteral("ZIFTORA.001")));
    QVERIFY(Users(f).isVisible());
    QVERIFY(!f.form1().ErrorPracticeActive());
    // The list still holds the errors: they were saved, not taken away.
    QCOMPARE(Errors(f).Liste1->ListCount(), 2);
    QCOMPARE(Errors(f).Liste2->Entries(), (QStringList{QStringLiteral("12"), QStringLiteral("24")}));
    QCOMPARE(Errors(f).Liste3->ListCount(), 2);
}

void UserTests::changeUserPractisesErrors()
{
    ProgramFixture f;
    Start(f, "Anna\r\n");
    AddTwoErrors(f);
    Form1& w = f.form1();
    f.dialogs.AnswerMsg(6);

    QTest::mouseClick(w.Bild7, Qt::LeftButton);

    QCOMPARE(f.dialogs.Take(), QList<Shown>{PracticeQuestion()});
    QVERIFY(w.ErrorPracticeActive());
    QCOMPARE(w.Bezeichnung1->text(), QStringLiteral(" 7 + 5 = ?"));
    QCOMPARE(f.state().ExpectedAnswer, QStringLiteral("12"));
    QCOMPARE(Errors(f).Liste1->Entries(), QStringList{QStringLiteral(" 6 \u00B7 4 = ?")});
    QVERIFY(!Users(f).isVisible());
    QVERIFY(!f.FileExists(QStringLiteral("ZIFTORA.000")));
}

void UserTests::startUserReloadsMandatoryTasks()
{
    ProgramFixture f;
    Start(f, "Anna\r\nBen\r\nCem\r\n");
    Form1& w = f.form1();
    Form7& u = Users(f);
    QCOMPARE(w.Bezeichnung15->text(), QStringLiteral("Anna"));
    QTest::mouseClick(w.Bild7, Qt::LeftButton);
    ClickEntry(u.Liste1, 1);
    // Meanwhile the teacher has stored two mandatory tasks.
    f.WriteFile(QStringLiteral("ZIFTORA.DAT"), " 2 + 2 = ?\r\n4\r\n 3 + 3 = ?\r\n6\r\n");
    const QString task = w.Bezeichnung1->text();

    QTest::mouseClick(u.Befehl1, Qt::LeftButton);

    QCOMPARE(w.Bezeichnung15->text(), QStringLiteral("Ben"));
    QVERIFY(!u.isVisible());
    QCOMPARE(u.UserNumber(), 1);
    QCOMPARE(Twips::Left(w.Befehl28), int(Form1::CoverOn));
    QCOMPARE(f.state().Operation, 6);
    QCOMPARE(w.Liste1->Entries(), QStringList{QStringLiteral(" Pflichtaufgaben ")});
    QCOMPARE(w.Liste2->ListCount(), 4);
    QCOMPARE(w.Bezeichnung1->text(), task); // the task on screen stays until it is answered
    QVERIFY(f.dialogs.shown.isEmpty());

    // Ben's errors go to Ben's file.
    AddTwoErrors(f);
    f.dialogs.AnswerMsg(7);
    QTest::mouseClick(w.Bild7, Qt::LeftButton);
    QCOMPARE(f.ReadFile(QStringLiteral("ZIFTORA.001")), kTwoErrorsBytes);
    QVERIFY(!f.FileExists(QStringLiteral("ZIFTORA.000")));
}

void UserTests::startByDoubleClickAndKeyboard()
{
    ProgramFixture f;
    Start(f, "Anna\r\nBen\r\nCem\r\n");
    Form1& w = f.form1();
    Form7& u = Users(f);

    QTest::mouseClick(w.Bild7, Qt::LeftButton);
    const QPoint cem = u.Liste1->visualItemRect(u.Liste1->item(2)).center();
    QTest::mouseClick(u.Liste1->viewport(), Qt::LeftButton, {}, cem);
    QTest::mouseDClick(u.Liste1->viewport(), Qt::LeftButton, {}, cem);
    QCOMPARE(w.Bezeichnung15->text(), QStringLiteral("Cem"));
    QVERIFY(!u.isVisible());

    // Arrow up and Enter in the list start Ben.
    QTest::mouseClick(w.Bezeichnung15, Qt::LeftButton);
    QVERIFY(u.isVisible());
    u.Liste1->setFocus();
    QTest::keyClick(u.Liste1, Qt::Key_Up);
    QCOMPARE(u.UserNumber(), 1);
    QTest::keyClick(u.Liste1, Qt::Key_Return);
    QCOMPARE(w.Bezeichnung15->text(), QStringLiteral("Ben"));
    QVERIFY(!u.isVisible());

    // Escape and "A b b r u c h" close the window and change nothing.
    for (int way = 0; way < 3; ++way) {
        QTest::mouseClick(w.Bild7, Qt::LeftButton);
        QVERIFY(u.isVisible());
        if (way == 0) {
            QTest::keyClick(u.Liste1, Qt::Key_Escape);
        } else if (way == 1) {
            u.Befehl2->setFocus();
            QTest::keyClick(u.Befehl2, Qt::Key_Escape);
        } else {
            QTest::mouseClick(u.Befehl3, Qt::LeftButton);
        }
        QVERIFY(!u.isVisible());
        QCOMPARE(w.Bezeichnung15->text(), QStringLiteral("Ben"));
        QCOMPARE(u.UserNumber(), 1);
    }

    // Enter on a focused button presses that button.
    QTest::mouseClick(w.Bild7, Qt::LeftButton);
    u.Befehl3->setFocus();
    QTest::keyClick(u.Befehl3, Qt::Key_Return);
    QVERIFY(!u.isVisible());
    QVERIFY(f.dialogs.shown.isEmpty());
}

void UserTests::closingOnlyHides()
{
    ProgramFixture f;
    Start(f, "Anna\r\nBen\r\n");
    Form7& u = Users(f);
    QTest::mouseClick(f.form1().Bild7, Qt::LeftButton);
    ClickEntry(u.Liste1, 1);

    u.close();

    QVERIFY(!u.isVisible());
    QVERIFY(!f.program().Ended());
    QVERIFY(f.form1().isVisible());
    QTest::mouseClick(f.form1().Bild7, Qt::LeftButton);
    QVERIFY(u.isVisible());
    QCOMPARE(u.Liste1->Entries(), (QStringList{QStringLiteral("Anna"), QStringLiteral("Ben")}));
    QCOMPARE(u.UserNumber(), 1);
}

void UserTests::addUser_data()
{
    QTest::addColumn<bool>("withFile");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("ohne Datei") << false << QByteArray() << "Max" << QByteArray("Standardbenutzer\r\nMax\r\n");
    QTest::newRow("ans Ende") << true << QByteArray("Anna\r\nBen\r\n") << "Jörg Müller"
                              << QByteArray("Anna\r\nBen\r\nJ\xF6rg M\xFCller\r\n");
    QTest::newRow("leere Zeile bleibt") << true << QByteArray("Anna\r\n\r\nBen") << "Zoë"
                                        << QByteArray("Anna\r\n\r\nBen\r\nZo\xEB\r\n");
    QTest::newRow("andere Schreibung") << true << QByteArray("Anna\r\n") << "anna"
                                       << QByteArray("Anna\r\nanna\r\n");
}

void UserTests::addUser()
{
    QFETCH(bool, withFile);
    QFETCH(QByteArray, before);
    QFETCH(QString, name);
    QFETCH(QByteArray, after);
    ProgramFixture f;
    Start(f, before, withFile);
    Form7& u = Users(f);
    QTest::mouseClick(f.form1().Bild7, Qt::LeftButton);
    f.dialogs.AnswerInput(f.state().ExpectedAnswer);
    f.dialogs.AnswerInput(name);

    QTest::mouseClick(u.Befehl2, Qt::LeftButton);

    QCOMPARE(f.dialogs.Take(), (QList<Shown>{PasswordPrompt(), NamePrompt()}));
    QCOMPARE(f.ReadFile(QStringLiteral("ZIFTORA.INI")), after);
    QCOMPARE(u.Liste1->List(u.Liste1->ListCount() - 1), name);
    QCOMPARE(u.UserNumber(), 0); // the current user stays
    QVERIFY(u.isVisible());
}

void UserTests::addUserRefused_data()
{
    QTest::addColumn<QString>("password"); // "!" stands for the right one
    QTest::addColumn<bool>("asksName");
    QTest::addColumn<QString>("name");

    QTest::newRow("falsches Passwort") << "x" << false << "";
    QTest::newRow("Passwort abgebrochen") << "" << false << "";
    QTest::newRow("Name abgebrochen") << "!" << true << "";
    QTest::newRow("Name schon da") << "!" << true << "Ben";
}

void UserTests::addUserRefused()
{
    QFETCH(QString, password);
    QFETCH(bool, asksName);
    QFETCH(QString, name);
    ProgramFixture f;
    const QByteArray users("Anna\r\nBen\r\n");
    Start(f, users);
    Form7& u = Users(f);
    QTest::mouseClick(f.form1().Bild7, Qt::LeftButton);
    const QString task = f.form1().Bezeichnung1->text();
    const QString answer = f.state().ExpectedAnswer;
    f.dialogs.AnswerInput(password == QLatin1String("!") ? answer : password);
    if (asksName)
        f.dialogs.AnswerInput(name);

    QTest::mouseClick(u.Befehl2, Qt::LeftButton);

    QList<Shown> expected{PasswordPrompt()};
    if (asksName)
        expected.append(NamePrompt());
    QCOMPARE(f.dialogs.Take(), expected);
    QCOMPARE(u.Liste1->Entries(), (QStringList{QStringLiteral("Anna"), QStringLiteral("Ben")}));
    QCOMPARE(f.ReadFile(QStringLiteral("ZIFTORA.INI")), users);
    QCOMPARE(f.form1().Bezeichnung1->text(), task);
    QCOMPARE(f.state().ExpectedAnswer, answer);
}

void UserTests::namesThatCannotBeStored_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("Ł") << QStringLiteral("Łukasz");
    QTest::newRow("Emoji") << QStringLiteral("Max \U0001F600");
    QTest::newRow("Zeilenumbruch") << QStringLiteral("Max\nMoritz");
}

void UserTests::namesThatCannotBeStored()
{
    QFETCH(QString, name);
    ProgramFixture f;
    const QByteArray users("Anna\r\n");
    Start(f, users);
    Form7& u = Users(f);
    QTest::mouseClick(f.form1().Bild7, Qt::LeftButton);
    f.dialogs.AnswerInput(f.state().ExpectedAnswer);
    f.dialogs.AnswerInput(name);

    QTest::mouseClick(u.Befehl2, Qt::LeftButton);

    QCOMPARE(f.dialogs.Take(),
             (QList<Shown>{PasswordPrompt(), NamePrompt(),
                           ScriptedDialogs::Msg(QStringLiteral("Der Name enthält Zeichen, die in der Benutzerliste "
                                                               "nicht gespeichert werden können.\r"
                                                               "Bitte den Namen ohne diese Zeichen eingeben.\r"),
                                                0, kInputTitle)}));
    QCOMPARE(u.Liste1->Entries(), QStringList{QStringLiteral("Anna")});
    QCOMPARE(f.ReadFile(QStringLiteral("ZIFTORA.INI")), users);
}

void UserTests::atMostThousandUsers()
{
    // 999 names: the thousandth (user number 999, file ZIFTORA.999) is still taken.
    {
        ProgramFixture f;
        Start(f, ManyUsers(999));
        QTest::mouseClick(f.form1().Bild7, Qt::LeftButton);
        f.dialogs.AnswerInput(f.state().ExpectedAnswer);
        f.dialogs.AnswerInput(QStringLiteral("Letztes Kind"));
        QTest::mouseClick(Users(f).Befehl2, Qt::LeftButton);
        QCOMPARE(Users(f).Liste1->ListCount(), 1000);
        QCOMPARE(f.ReadFile(QStringLiteral("ZIFTORA.INI")), ManyUsers(999) + "Letztes Kind\r\n");
        f.dialogs.Take();
    }
    // 1000 names: a further one is refused before a name is asked for.
    ProgramFixture f;
    Start(f, ManyUsers(1000));
    QTest::mouseClick(f.form1().Bild7, Qt::LeftButton);
    f.dialogs.AnswerInput(f.state().ExpectedAnswer);
    QTest::mouseClick(Users(f).Befehl2, Qt::LeftButton);
    QCOMPARE(f.dialogs.Take(),
             (QList<Shown>{PasswordPrompt(),
                           ScriptedDialogs::Msg(QStringLiteral("Es können höchstens 1000 Benutzer eingetragen werden.\r"
                                                               "Bitte zuerst einen Namen löschen.\r"),
                                                0, kInputTitle)}));
    QCOMPARE(Users(f).Liste1->ListCount(), 1000);
    QCOMPARE(f.ReadFile(QStringLiteral("ZIFTORA.INI")), ManyUsers(1000));
}

void UserTests::deleteUserMovesLaterUsersUp()
{
    ProgramFixture f;
    f.WriteFile(QStringLiteral("ZIFTORA.000"), " 1 + 1 = ?\r\n2\r\n");
    f.WriteFile(QStringLiteral("ZIFTORA.001"), " 2 + 2 = ?\r\n4\r\n");
    f.WriteFile(QStringLiteral("ZIFTORA.002"), " 3 + 3 = ?\r\n6\r\n");
    Start(f, "A\r\nB\r\nC\r\n");
    Form1& w = f.form1();
    Form7& u = Users(f);
    QTest::mouseClick(w.Bild7, Qt::LeftButton);
    ClickEntry(u.Liste1, 1);
    f.dialogs.AnswerInput(f.state().ExpectedAnswer);

    QTest::mouseClick(u.Befehl4, Qt::LeftButton);

    QCOMPARE(f.dialogs.Take(), QList<Shown>{PasswordPrompt()});
    QCOMPARE(u.Liste1->Entries(), (QStringList{QStringLiteral("A"), QStringLiteral("C")}));
    QCOMPARE(u.UserNumber(), -1);
    QCOMPARE(f.ReadFile(QStringLiteral("ZIFTORA.INI")), QByteArray("A\r\nC\r\n"));
    QCOMPARE(w.Bezeichnung15->text(), QStringLiteral("A"));

    // "S t a r t e n" with nobody selected does nothing.
    QTest::mouseClick(u.Befehl1, Qt::LeftButton);
    QVERIFY(u.isVisible());
    QCOMPARE(w.Bezeichnung15->text(), QStringLiteral("A"));

    // C now has number 1 and the file that was B's.
    ClickEntry(u.Liste1, 1);
    QTest::mouseClick(u.Befehl1, Qt::LeftButton);
    QCOMPARE(w.Bezeichnung15->text(), QStringLiteral("C"));
    AddTwoErrors(f);
    f.dialogs.AnswerMsg(7);
    QTest::mouseClick(w.Bild7, Qt::LeftButton);
    QCOMPARE(f.ReadFile(QStringLiteral("ZIFTORA.001")), " 2 + 2 = ?\r\n4\r\n" + kTwoErrorsBytes);
    QCOMPARE(f.ReadFile(QStringLiteral("ZIFTORA.000")), QByteArray(" 1 + 1 = ?\r\n2\r\n"));
    QCOMPARE(f.ReadFile(QStringLiteral("ZIFTORA.002")), QByteArray(" 3 + 3 = ?\r\n6\r\n"));
}

void UserTests::deleteUserRefused()
{
    ProgramFixture f;
    const QByteArray users("A\r\nB\r\n");
    Start(f, users);
    Form7& u = Users(f);
    QTest::mouseClick(f.form1().Bild7, Qt::LeftButton);
    ClickEntry(u.Liste1, 1);

    f.dialogs.AnswerInput(QStringLiteral("x"));
    QTest::mouseClick(u.Befehl4, Qt::LeftButton);
    QCOMPARE(f.dialogs.Take(), QList<Shown>{PasswordPrompt()});
    QCOMPARE(u.Liste1->Entries(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    QCOMPARE(u.UserNumber(), 1);

    // With nobody selected there is nothing to delete and no password is asked.
    u.Liste1->SetListIndex(-1);
    QTest::mouseClick(u.Befehl4, Qt::LeftButton);
    QVERIFY(f.dialogs.shown.isEmpty());
    QCOMPARE(u.Liste1->ListCount(), 2);
    QCOMPARE(f.ReadFile(QStringLiteral("ZIFTORA.INI")), users);
}

void UserTests::saveWithNoUserSelectedKeepsErrors()
{
    ProgramFixture f;
    f.WriteFile(QStringLiteral("ZIFTORA.000"), " 1 + 1 = ?\r\n2\r\n");
    Start(f, "A\r\nB\r\n");
    Form1& w = f.form1();
    Form7& u = Users(f);
    // The current user A is deleted; the training window still shows A.
    QTest::mouseClick(w.Bild7, Qt::LeftButton);
    f.dialogs.AnswerInput(f.state().ExpectedAnswer);
    QTest::mouseClick(u.Befehl4, Qt::LeftButton);
    QTest::mouseClick(u.Befehl3, Qt::LeftButton);
    f.dialogs.Take();
    QCOMPARE(w.Bezeichnung15->text(), QStringLiteral("A"));
    const QStringList files = Files(f);
    AddTwoErrors(f);
    f.dialogs.AnswerMsg(7);

    QTest::mouseClick(w.Bild7, Qt::LeftButton);

    QCOMPARE(f.dialogs.Take(),
             (QList<Shown>{PracticeQuestion(),
                           ScriptedDialogs::Msg(QStringLiteral("Es ist kein Benutzer ausgewählt, darum konnten die "
                                                               "Fehleraufgaben nicht in einer Datei gespeichert "
                                                               "werden.\rSie bleiben in der Fehlerliste.\r"),
                                                64, QStringLiteral("Fehlerliste"))}));
    QCOMPARE(Files(f), files);
    QCOMPARE(f.ReadFile(QStringLiteral("ZIFTORA.000")), QByteArray(" 1 + 1 = ?\r\n2\r\n"));
    QCOMPARE(Errors(f).Liste1->ListCount(), 2);
    QVERIFY(u.isVisible()); // so that a user can be started

    // Once B is started, the errors go to B's file (now number 0).
    ClickEntry(u.Liste1, 0);
    QTest::mouseClick(u.Befehl1, Qt::LeftButton);
    QCOMPARE(w.Bezeichnung15->text(), QStringLiteral("B"));
    f.dialogs.AnswerMsg(7);
    QTest::mouseClick(w.Bild7, Qt::LeftButton);
    QCOMPARE(f.ReadFile(QStringLiteral("ZIFTORA.000")), " 1 + 1 = ?\r\n2\r\n" + kTwoErrorsBytes);
}

void UserTests::failedUserFileWriteKeepsList()
{
    ProgramFixture f;
    // A folder where the user file belongs: it can be neither read nor replaced.
    QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("ZIFTORA.INI")));
    Start(f, QByteArray(), false);
    Form7& u = Users(f);
    QCOMPARE(u.Liste1->Entries(), QStringList{QStringLiteral("Standardbenutzer")});
    QTest::mouseClick(f.form1().Bild7, Qt::LeftButton);
    f.dialogs.AnswerInput(f.state().ExpectedAnswer);
    f.dialogs.AnswerInput(QStringLiteral("Max"));

    QTest::mouseClick(u.Befehl2, Qt::LeftButton);

    const QList<Shown> shown = f.dialogs.Take();
    QCOMPARE(shown.size(), 3);
    QCOMPARE(shown.at(2).style, 64);
    QCOMPARE(shown.at(2).title, kInputTitle);
    QVERIFY(shown.at(2).text.startsWith(QStringLiteral("Die Benutzerliste konnte nicht gespeichert werden.\r")));
    QVERIFY(shown.at(2).text.contains(QStringLiteral("ZIFTORA.INI")));
    QVERIFY(shown.at(2).text.endsWith(QStringLiteral("\rDie Änderung gilt nur, bis das Programm beendet wird.\r")));
    QCOMPARE(u.Liste1->Entries(), (QStringList{QStringLiteral("Standardbenutzer"), QStringLiteral("Max")}));
    QVERIFY(QFileInfo(f.dir.filePath(QStringLiteral("ZIFTORA.INI"))).isDir());
}

void UserTests::failedErrorFileAppendKeepsErrors()
{
    ProgramFixture f;
    QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("ZIFTORA.000")));
    Start(f, "Anna\r\n");
    AddTwoErrors(f);
    f.dialogs.AnswerMsg(7);

    QTest::mouseClick(f.form1().Bild7, Qt::LeftButton);

    const QList<Shown> shown = f.dialogs.Take();
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown.at(0), PracticeQuestion());
    QCOMPARE(shown.at(1).style, 64);
    QCOMPARE(shown.at(1).title, QStringLiteral("Fehlerliste"));
    QVERIFY(shown.at(1).text.contains(QStringLiteral("ZIFTORA.000")));
    QVERIFY(shown.at(1).text.contains(QStringLiteral("bleiben in der Fehlerliste")));
    QCOMPARE(Errors(f).Liste1->ListCount(), 2);
    QVERIFY(Users(f).isVisible());
}

QTEST_MAIN(UserTests)
#include "user_tests.moc"
