// The mandatory tasks as teacher and child meet them: the file ZIFTORA.DAT, the editor column of the
// training window, and the mode that serves the stored tasks before free training.

#include "program_fixture.h"

#include "engine/task_engine.h"
#include "mandatory/mandatory_tasks.h"
#include "platform/list_box.h"
#include "platform/text_file.h"
#include "platform/controls.h"
#include "training/picture_button.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

using Shown = ScriptedDialogs::Shown;

namespace {

const QString kTitle = QStringLiteral("Pflichtaufgaben");
const QByteArray kTwoTasks = "7 + 5 = ?\r\n12\r\n 47 : 6 = ?\r\n7R5\r\n";

Shown NoTasksMessage()
{
    return ScriptedDialogs::Msg(QStringLiteral("Keine Pflichtaufgaben!"), 0, kTitle);
}

Shown PasswordPrompt(const QString& title)
{
    return ScriptedDialogs::Input(QStringLiteral("Passwort eingeben:"), title);
}

Shown SavedMessage()
{
    return ScriptedDialogs::Msg(QStringLiteral("Liste wurde gespeichert.\r"), 0, kTitle);
}

const QStringList kPlusList = {
    QStringLiteral(" Plus Einer"),     QStringLiteral(" Plus Zehner"),     QStringLiteral(" Plus Zweistellig"),
    QStringLiteral(" Ergänze Zehner"), QStringLiteral(" Ergänze Hundert"), QStringLiteral(" Umkehrungen"),
    QStringLiteral(" Plusketten"),     QStringLiteral(" Groß-Klein"),
};

// What a child can type: digits, or one sign; the "R" of a remainder answer comes by itself.
bool Typeable(const QString& answer)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,10}|[<=>]|[0-9]+R[0-9]+)$"));
    return answer.size() <= 10 && form.match(answer).hasMatch();
}

// Types an answer on the keyboard as a child does and confirms it with Enter.
void TypeAnswer(Form1& form, const QString& answer)
{
    for (const QChar c : answer)
        if (c != u'R')
            QTest::keyClick(&form, c.toLatin1());
    QTest::keyClick(&form, Qt::Key_Return);
}

void Click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
}

// A " Plus Einer" task at the start level 2: a number from 1 to 90 plus one from 1 to 9.
bool IsPlusEinerTask(const QString& text, const QString& answer)
{
    static const QRegularExpression form(QStringLiteral("^(\\d+) \\+ (\\d) = \\?$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return false;
    const int a = m.captured(1).toInt();
    const int c = m.captured(2).toInt();
    return a >= 1 && a <= 90 && c >= 1 && answer == QString::number(a + c);
}

} // namespace

class MandatoryTests : public QObject {
    Q_OBJECT

private:
    // Checks that the mode is off and free training goes on with a plus task.
    static void VerifyBackToPlus(ProgramFixture& fx)
    {
        Form1& form = fx.form1();
        QCOMPARE(Twips::Left(form.Befehl28), 9600);
        QVERIFY(!form.mandatory().Active());
        QCOMPARE(fx.state().Operation, 1);
        QCOMPARE(int(fx.state().TaskType), 1);
        QCOMPARE(form.Liste1->Entries(), kPlusList);
        QCOMPARE(form.Liste1->ListIndex(), 0);
        QVERIFY2(IsPlusEinerTask(form.Bezeichnung1->text(), fx.state().ExpectedAnswer),
                 qPrintable(form.Bezeichnung1->text() + QLatin1String(" / ") + fx.state().ExpectedAnswer));
    }

    // Starts the program with no mandatory file; the one message about it is taken.
    static void StartPlain(ProgramFixture& fx)
    {
        fx.Start();
        QCOMPARE(fx.dialogs.Take(), QList<Shown>{NoTasksMessage()});
    }

    // Opens the editor column with the right password and takes its dialogs.
    static void OpenEditor(ProgramFixture& fx)
    {
        fx.dialogs.AnswerInput(fx.state().ExpectedAnswer);
        Click(fx.form1().Bild4);
        QVERIFY(fx.form1().mandatory().EditorOpen());
        fx.dialogs.Take();
    }

private slots:
    void startWithoutFileShowsOneMessageAndTrainsNormally()
    {
        ProgramFixture fx;
        fx.Start();
        QCOMPARE(fx.dialogs.Take(), QList<Shown>{NoTasksMessage()});
        VerifyBackToPlus(fx);
        QCOMPARE(fx.form1().Liste2->ListCount(), 0);
        QVERIFY(!fx.FileExists(QStringLiteral("ZIFTORA.DAT"))); // reading creates nothing
    }

    void startWithEmptyFileStartsNoMode()
    {
        ProgramFixture fx;
        fx.WriteFile(QStringLiteral("ZIFTORA.DAT"), QByteArray());
        fx.Start();
        QCOMPARE(fx.dialogs.Take(), QList<Shown>{});
        VerifyBackToPlus(fx);
    }

    void storedTasksAreServedInOrderThenPlus()
    {
        ProgramFixture fx;
        fx.WriteFile(QStringLiteral("ZIFTORA.DAT"), kTwoTasks);
        fx.Start();
        Form1& form = fx.form1();
        QCOMPARE(fx.dialogs.Take(), QList<Shown>{});

        // The first stored task is on screen, the cover hides the choices, the list shows the mode.
        QCOMPARE(form.Bezeichnung1->text(), QStringLiteral("7 + 5 = ?"));
        QCOMPARE(fx.state().ExpectedAnswer, QStringLiteral("12"));
        QCOMPARE(Twips::Left(form.Befehl28), 240);
        QVERIFY(form.mandatory().Active());
        QCOMPARE(fx.state().Operation, 6);
        QCOMPARE(form.Liste1->Entries(), QStringList{QStringLiteral(" Pflichtaufgaben ")});
        QCOMPARE(form.Liste2->Entries(), (QStringList{QStringLiteral("47 : 6 = ?"), QStringLiteral("7R5")}));

        // A click on the task-type list changes nothing while the mode is on.
        form.Liste1->SetListIndex(0);
        QCOMPARE(form.Bezeichnung1->text(), QStringLiteral("7 + 5 = ?"));

        // A wrong answer keeps the task; only a right one moves on.
        TypeAnswer(form, QStringLiteral("13"));
        QCOMPARE(fx.dialogs.Take().size(), 1);
        QCOMPARE(form.Bezeichnung1->text(), QStringLiteral("7 + 5 = ?"));

        TypeAnswer(form, QStringLiteral("12"));
        QCOMPARE(form.Bezeichnung1->text(), QStringLiteral("47 : 6 = ?")); // its leading blank is gone
        QCOMPARE(fx.state().ExpectedAnswer, QStringLiteral("7R5"));
        QVERIFY(form.mandatory().Active());
        QCOMPARE(form.Liste2->ListCount(), 0);

        TypeAnswer(form, QStringLiteral("7R5"));
        QCOMPARE(fx.dialogs.Take(), QList<Shown>{});
        VerifyBackToPlus(fx);
        QCOMPARE(form.CorrectCount, std::int64_t(2));

        // Serving never touches the file.
        QCOMPARE(fx.ReadFile(QStringLiteral("ZIFTORA.DAT")), kTwoTasks);
    }

    void waysOutOfTheMode_data()
    {
        QTest::addColumn<bool>("byStar");
        QTest::addColumn<QString>("password"); // "!" stands for the right one
        QTest::addColumn<bool>("ends");

        QTest::newRow("cover, right password") << false << QStringLiteral("!") << true;
        QTest::newRow("cover, wrong password") << false << QStringLiteral("13") << false;
        QTest::newRow("cover, cancelled") << false << QString() << false;
        QTest::newRow("star, right password") << true << QStringLiteral("!") << true;
        QTest::newRow("star, wrong password") << true << QStringLiteral("1") << false;
        QTest::newRow("star, cancelled") << true << QString() << false;
    }

    void waysOutOfTheMode()
    {
        QFETCH(bool, byStar);
        QFETCH(QString, password);
        QFETCH(bool, ends);

        ProgramFixture fx;
        fx.WriteFile(QStringLiteral("ZIFTORA.DAT"), kTwoTasks);
        fx.Start();
        Form1& form = fx.form1();
        // The password is the stored answer of the task on screen.
        QCOMPARE(fx.state().ExpectedAnswer, QStringLiteral("12"));
        fx.dialogs.AnswerInput(password == QLatin1String("!") ? fx.state().ExpectedAnswer : password);

        if (byStar)
            QTest::keyClick(&form, '*');
        else
            Click(form.Befehl28);

        const QString title = byStar ? QStringLiteral("Pflichtaufgaben beenden?")
                                     : QStringLiteral("Pflichtaufgaben abbrechen");
        QCOMPARE(fx.dialogs.Take(), QList<Shown>{PasswordPrompt(title)});

        if (ends) {
            VerifyBackToPlus(fx);
            // The task not yet served stays in the list for the editor.
            QCOMPARE(form.Liste2->Entries(), (QStringList{QStringLiteral("47 : 6 = ?"), QStringLiteral("7R5")}));
        } else {
            QCOMPARE(Twips::Left(form.Befehl28), 240);
            QCOMPARE(fx.state().Operation, 6);
            QCOMPARE(form.Bezeichnung1->text(), QStringLiteral("7 + 5 = ?"));
            QCOMPARE(fx.state().ExpectedAnswer, QStringLiteral("12"));
            QCOMPARE(form.Liste1->Entries(), QStringList{QStringLiteral(" Pflichtaufgaben ")});
            QCOMPARE(form.Liste2->ListCount(), 2);
        }
    }

    void starWithModeOffSwitchesToPlus()
    {
        ProgramFixture fx;
        StartPlain(fx);
        Form1& form = fx.form1();
        Click(form.Befehl14); // times
        QCOMPARE(fx.state().Operation, 3);

        fx.dialogs.AnswerInput(fx.state().ExpectedAnswer);
        QTest::keyClick(&form, '*');
        QCOMPARE(fx.dialogs.Take(), QList<Shown>{PasswordPrompt(QStringLiteral("Pflichtaufgaben beenden?"))});
        VerifyBackToPlus(fx);
    }

    void editorOpensBehindPasswordAndClosesWithout()
    {
        ProgramFixture fx;
        StartPlain(fx);
        Form1& form = fx.form1();
        const int normal = Twips::ToPixels(7440);
        QCOMPARE(form.width(), normal);
        QVERIFY(form.Befehl23->x() >= form.width()); // the column lies outside the window

        // A wrong password and a cancelled prompt leave the window as it is, without a message.
        for (const QString& wrong : {QStringLiteral("x"), QString()}) {
            fx.dialogs.AnswerInput(wrong);
            Click(form.Bild4);
            QCOMPARE(fx.dialogs.Take(), QList<Shown>{PasswordPrompt(QStringLiteral("Ziftora"))});
            QCOMPARE(form.width(), normal);
        }

        const QString task = form.Bezeichnung1->text();
        fx.dialogs.AnswerInput(fx.state().ExpectedAnswer);
        Click(form.Bild4);
        const QString hint = QStringLiteral("Alle Pflichtaufgaben werden beim\r"
                                            "Start bzw. Benutzerwechsel geladen!\r"
                                            "Die Liste wird erstellt, indem man\r"
                                            "links auf die Aufgabenknöpfe klickt\r"
                                            "und passende Aufgabe mit Klick auf\r"
                                            "den Einfügen-Knopf in die Liste holt.\r");
        QCOMPARE(fx.dialogs.Take(), (QList<Shown>{PasswordPrompt(QStringLiteral("Ziftora")),
                                                  ScriptedDialogs::Msg(hint, 0, QStringLiteral("Pflichtteil"))}));
        QCOMPARE(form.width(), Twips::ToPixels(9500));
        QCOMPARE(form.Liste2->height(), Twips::ToPixels(1950));
        for (QWidget* w : {static_cast<QWidget*>(form.Liste2), static_cast<QWidget*>(form.Befehl23),
                           static_cast<QWidget*>(form.Befehl24), static_cast<QWidget*>(form.Befehl25),
                           static_cast<QWidget*>(form.Befehl26), static_cast<QWidget*>(form.Befehl27)})
            QVERIFY2(w->geometry().right() < form.width(), qPrintable(w->objectName()));
        QVERIFY(!form.mandatory().Active());
        QCOMPARE(form.Bezeichnung1->text(), task); // opening changes nothing in the training

        // Closing asks nothing.
        Click(form.Bild4);
        QCOMPARE(fx.dialogs.Take(), QList<Shown>{});
        QCOMPARE(form.width(), normal);
    }

    void insertStoresTaskAndAnswer_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("taskType");
        QTest::addColumn<QString>("answerForm");

        QTest::newRow("plus comparison") << QStringLiteral("Befehl12") << 7 << QStringLiteral("^[<=>]$");
        QTest::newRow("times comparison") << QStringLiteral("Befehl14") << 6 << QStringLiteral("^[<=>]$");
        QTest::newRow("remainder") << QStringLiteral("Befehl15") << 5 << QStringLiteral("^\\d+R\\d+$");
        QTest::newRow("times table") << QStringLiteral("Befehl14") << 0 << QStringLiteral("^\\d+$");
    }

    void insertStoresTaskAndAnswer()
    {
        QFETCH(QString, operation);
        QFETCH(int, taskType);
        QFETCH(QString, answerForm);

        ProgramFixture fx;
        StartPlain(fx);
        Form1& form = fx.form1();
        OpenEditor(fx);

        // Two tasks of the chosen kind, one after the other.
        QStringList expected;
        for (int i = 0; i < 2; ++i) {
            Click(form.findChild<QPushButton*>(operation));
            form.Liste1->SetListIndex(taskType);
            const QString text = form.Bezeichnung1->text();
            const QString answer = fx.state().ExpectedAnswer;
            QVERIFY2(QRegularExpression(answerForm).match(answer).hasMatch(), qPrintable(answer));
            Click(form.Befehl23);
            expected << text << answer;
            QCOMPARE(form.Liste2->Entries(), expected);
            QCOMPARE(form.Liste2->ListIndex(), expected.size() - 1);
            // Inserting leaves the task on screen and the mode off.
            QCOMPARE(form.Bezeichnung1->text(), text);
            QVERIFY(!form.mandatory().Active());
        }
        QCOMPARE(fx.dialogs.Take(), QList<Shown>{});
    }

    void deleteLineRemovesTheWholePair_data()
    {
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QStringList>("left");

        const QString t1 = QStringLiteral("1 + 1 = ?"), t2 = QStringLiteral("2 + 2 = ?"), t3 = QStringLiteral("3 + 3 = ?");
        QTest::newRow("task line of the second pair") << 6 << 2 << QStringList{t1, "2", t3, "6"};
        QTest::newRow("answer line of the second pair") << 6 << 3 << QStringList{t1, "2", t3, "6"};
        QTest::newRow("answer line of the first pair") << 6 << 1 << QStringList{t2, "4", t3, "6"};
        QTest::newRow("last answer line") << 6 << 5 << QStringList{t1, "2", t2, "4"};
        QTest::newRow("nothing selected") << 6 << -1 << QStringList{t1, "2", t2, "4", t3, "6"};
        QTest::newRow("lone task line at the end") << 5 << 4 << QStringList{t1, "2", t2, "4"};
        QTest::newRow("only pair") << 2 << 0 << QStringList{};
    }

    void deleteLineRemovesTheWholePair()
    {
        QFETCH(int, entries);
        QFETCH(int, selected);
        QFETCH(QStringList, left);

        ProgramFixture fx;
        StartPlain(fx);
        Form1& form = fx.form1();
        OpenEditor(fx);
        const QStringList all = {QStringLiteral("1 + 1 = ?"), "2", QStringLiteral("2 + 2 = ?"), "4",
                                 QStringLiteral("3 + 3 = ?"), "6"};
        for (int i = 0; i < entries; ++i)
            form.Liste2->AddItem(all.at(i));
        form.Liste2->SetListIndex(selected);

        Click(form.Befehl24);
        QCOMPARE(form.Liste2->Entries(), left);
        QCOMPARE(fx.dialogs.Take(), QList<Shown>{});
    }

    void deleteListKeepsTheFileUntilSaved()
    {
        ProgramFixture fx;
        fx.WriteFile(QStringLiteral("ZIFTORA.DAT"), kTwoTasks);
        fx.Start();
        Form1& form = fx.form1();
        fx.dialogs.AnswerInput(fx.state().ExpectedAnswer);
        QTest::keyClick(&form, '*');
        OpenEditor(fx);
        QCOMPARE(form.Liste2->ListCount(), 2);

        Click(form.Befehl26);
        QCOMPARE(form.Liste2->ListCount(), 0);
        QCOMPARE(fx.dialogs.Take(), QList<Shown>{});
        QCOMPARE(fx.ReadFile(QStringLiteral("ZIFTORA.DAT")), kTwoTasks);

        // The stored list comes back with "Lade Liste".
        Click(form.Befehl27);
        QCOMPARE(form.Liste2->Entries(), (QStringList{QStringLiteral("7 + 5 = ?"), "12",
                                                      QStringLiteral("47 : 6 = ?"), "7R5"}));
        QVERIFY(!form.mandatory().Active()); // loading by hand starts no mode
    }

    void saveAndLoadRoundTrip()
    {
        ProgramFixture fx;
        StartPlain(fx);
        Form1& form = fx.form1();
        OpenEditor(fx);
        const QStringList list = {QStringLiteral("7 + 5 = ?"), QStringLiteral("12"),
                                  QStringLiteral(" 15 - 7 = ?"), QStringLiteral("8"),
                                  QStringLiteral(" 3 · 4 = ?"), QStringLiteral("12"),
                                  QStringLiteral(" 47 : 6 = ?"), QStringLiteral("7R5"),
                                  QStringLiteral("7 + 5 <=> 13"), QStringLiteral("<"),
                                  QStringLiteral("30 : 5 <=>-6"), QStringLiteral(">")};
        for (const QString& entry : list)
            form.Liste2->AddItem(entry);

        Click(form.Befehl25);
        QCOMPARE(fx.dialogs.Take(), QList<Shown>{SavedMessage()});
        const QByteArray bytes = "7 + 5 = ?\r\n12\r\n 15 - 7 = ?\r\n8\r\n 3 \xB7 4 = ?\r\n12\r\n"
                                 " 47 : 6 = ?\r\n7R5\r\n7 + 5 <=> 13\r\n<\r\n30 : 5 <=>-6\r\n>\r\n";
        QCOMPARE(fx.ReadFile(QStringLiteral("ZIFTORA.DAT")), bytes);
        QCOMPARE(form.Liste2->Entries(), list); // saving keeps the list as it is

        // Loading gives every entry back, the task texts without their leading blank.
        Click(form.Befehl26);
        Click(form.Befehl27);
        QCOMPARE(fx.dialogs.Take(), QList<Shown>{});
        QStringList trimmed = list;
        for (QString& entry : trimmed)
            if (entry.startsWith(u' '))
                entry.remove(0, 1);
        QCOMPARE(form.Liste2->Entries(), trimmed);

        // Saved again, the file differs only by those blanks.
        Click(form.Befehl25);
        QCOMPARE(fx.dialogs.Take(), QList<Shown>{SavedMessage()});
        QCOMPARE(fx.ReadFile(QStringLiteral("ZIFTORA.DAT")),
                 QByteArray("7 + 5 = ?\r\n12\r\n15 - 7 = ?\r\n8\r\n3 \xB7 4 = ?\r\n12\r\n"
                            "47 : 6 = ?\r\n7R5\r\n7 + 5 <=> 13\r\n<\r\n30 : 5 <=>-6\r\n>\r\n"));
    }

    void savedTasksAreServedAtTheNextStart()
    {
        // A list built with "Einfügen" from a times task comes back as the first task of a new run.
        QByteArray file;
        QString task;
        QString answer;
        {
            ProgramFixture fx;
            StartPlain(fx);
            Form1& form = fx.form1();
            OpenEditor(fx);
            Click(form.Befehl14);
            task = form.Bezeichnung1->text();
            answer = fx.state().ExpectedAnswer;
            QVERIFY(task.contains(QChar(0xB7)));
            Click(form.Befehl23);
            Click(form.Befehl25);
            QCOMPARE(fx.dialogs.Take(), QList<Shown>{SavedMessage()});
            file = fx.ReadFile(QStringLiteral("ZIFTORA.DAT"));
            QCOMPARE(file, TextFile::Encode(task) + "\r\n" + answer.toLatin1() + "\r\n");
        }
        ProgramFixture fx;
        fx.WriteFile(QStringLiteral("ZIFTORA.DAT"), file);
        fx.Start();
        QCOMPARE(fx.dialogs.Take(), QList<Shown>{});
        QCOMPARE(fx.form1().Bezeichnung1->text(), task.trimmed());
        QCOMPARE(fx.state().ExpectedAnswer, answer);
        TypeAnswer(fx.form1(), answer);
        VerifyBackToPlus(fx);
    }

    void saveEmptyList_data()
    {
        QTest::addColumn<int>("reply");
        QTest::addRow("No keeps the file") << 7;
        QTest::addRow("Yes empties the file") << 6;
    }

    void saveEmptyList()
    {
        QFETCH(int, reply);

        ProgramFixture fx;
        fx.WriteFile(QStringLiteral("ZIFTORA.DAT"), kTwoTasks);
        fx.Start();
        Form1& form = fx.form1();
        fx.dialogs.AnswerInput(fx.state().ExpectedAnswer);
        Click(form.Befehl28);
        OpenEditor(fx);
        Click(form.Befehl26);

        fx.dialogs.AnswerMsg(reply);
        Click(form.Befehl25);
        const Shown question = ScriptedDialogs::Msg(
            QStringLiteral("Die Liste enthält keine Daten!\rPflichtaufgaben jetzt löschen?"), 292, kTitle);
        if (reply == 7) {
            QCOMPARE(fx.dialogs.Take(), QList<Shown>{question});
            QCOMPARE(fx.ReadFile(QStringLiteral("ZIFTORA.DAT")), kTwoTasks);
            return;
        }
        QCOMPARE(fx.dialogs.Take(), (QList<Shown>{question, SavedMessage()}));
        QVERIFY(fx.FileExists(QStringLiteral("ZIFTORA.DAT")));
        QCOMPARE(QFileInfo(fx.dir.filePath(QStringLiteral("ZIFTORA.DAT"))).size(), 0);

        // "Lade Liste" now finds a file without tasks.
        Click(form.Befehl27);
        QCOMPARE(fx.dialogs.Take(), QList<Shown>{ScriptedDialogs::Msg(
                                        QStringLiteral("Es wurden keine Aufgaben gespeichert!"), 0,
                                        QStringLiteral("Liste laden"))});
    }

    void failedSaveKeepsTheList()
    {
        ProgramFixture fx;
        QVERIFY(QDir(fx.dir.path()).mkdir(QStringLiteral("ZIFTORA.DAT")));
        fx.Start();
        QCOMPARE(fx.dialogs.Take(), QList<Shown>{NoTasksMessage()}); // a folder is no list
        Form1& form = fx.form1();
        OpenEditor(fx);
        const QStringList list = {QStringLiteral("7 + 5 = ?"), QStringLiteral("12")};
        form.Liste2->AddItem(list.at(0));
        form.Liste2->AddItem(list.at(1));

        Click(form.Befehl25);
        const QList<Shown> shown = fx.dialogs.Take();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown.first().text.startsWith(QStringLiteral("Die Liste konnte nicht gespeichert werden!\r")),
                 qPrintable(shown.first().text));
        QVERIFY(shown.first().text.endsWith(u'\r'));
        QCOMPARE(shown.first().style, 0);
        QCOMPARE(shown.first().title, kTitle);
        QCOMPARE(form.Liste2->Entries(), list);
        QVERIFY(QFileInfo(fx.dir.filePath(QStringLiteral("ZIFTORA.DAT"))).isDir());

        // Nothing stored can be loaded from it either.
        Click(form.Befehl27);
        QCOMPARE(fx.dialogs.Take(), QList<Shown>{ScriptedDialogs::Msg(QStringLiteral("Keine Liste vorhanden!"), 0,
                                                                      kTitle)});
        QCOMPARE(form.Liste2->ListCount(), 0);
    }

    void loadButton_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");

        QTest::newRow("missing file") << false << QByteArray() << QStringList{}
                                      << QStringLiteral("Keine Liste vorhanden!") << kTitle;
        QTest::newRow("empty file") << true << QByteArray() << QStringList{}
                                    << QStringLiteral("Es wurden keine Aufgaben gespeichert!")
                                    << QStringLiteral("Liste laden");
        QTest::newRow("two tasks") << true << kTwoTasks
                                   << QStringList{QStringLiteral("7 + 5 = ?"), "12", QStringLiteral("47 : 6 = ?"), "7R5"}
                                   << QString() << QString();
    }

    void loadButton()
    {
        QFETCH(bool, present);
        QFETCH(QByteArray, file);
        QFETCH(QStringList, entries);
        QFETCH(QString, message);
        QFETCH(QString, title);

        ProgramFixture fx;
        StartPlain(fx);
        Form1& form = fx.form1();
        OpenEditor(fx);
        form.Liste2->AddItem(QStringLiteral("9 + 9 = ?"));
        form.Liste2->AddItem(QStringLiteral("18"));
        if (present)
            fx.WriteFile(QStringLiteral("ZIFTORA.DAT"), file);
        const QString task = form.Bezeichnung1->text();

        Click(form.Befehl27);
        QCOMPARE(form.Liste2->Entries(), entries);
        QCOMPARE(fx.dialogs.Take(),
                 message.isEmpty() ? QList<Shown>{} : QList<Shown>{ScriptedDialogs::Msg(message, 0, title)});
        // The loaded list waits in the editor; training goes on as before.
        QVERIFY(!form.mandatory().Active());
        QCOMPARE(fx.state().Operation, 1);
        QCOMPARE(form.Bezeichnung1->text(), task);
    }

    void handEditedFileNeverBlocksTheChild_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("served"); // task, answer, task, answer, ...

        QTest::newRow("quotes and commas")
            << QByteArray("\"7 + 5 = ?\", 12\r\n  9 - 3 = ?,\"6\"\r\n")
            << QStringList{QStringLiteral("7 + 5 = ?"), "12", QStringLiteral("9 - 3 = ?"), "6"};
        QTest::newRow("comma splits a line into two entries")
            << QByteArray("Rechne: 3, 4\r\n7\r\n")
            << QStringList{QStringLiteral("Rechne: 3"), "4"};
        QTest::newRow("quote never closed")
            << QByteArray("\"7 + 5 = ?\r\n12\r\n")
            << QStringList{QStringLiteral("7 + 5 = ?"), "12"};
        QTest::newRow("odd number of entries")
            << QByteArray("7 + 5 = ?\r\n12\r\n9 + 1 = ?\r\n")
            << QStringList{QStringLiteral("7 + 5 = ?"), "12"};
        QTest::newRow("one task line only") << QByteArray("9 + 1 = ?\r\n") << QStringList{};
        QTest::newRow("blank lines at the end")
            << QByteArray("7 + 5 = ?\r\n12\r\n\r\n\r\n")
            << QStringList{QStringLiteral("7 + 5 = ?"), "12"};
        QTest::newRow("answers the keypad cannot type")
            << QByteArray("7 + 5 = ?\r\nzwoelf\r\n8 + 1 = ?\r\n12345678901\r\n2 + 2 = ?\r\n4\r\n")
            << QStringList{QStringLiteral("2 + 2 = ?"), "4"};
        QTest::newRow("line feeds only, no last line end")
            << QByteArray("7 + 5 = ?\n12\n3 \xB7 4 = ?\n12")
            << QStringList{QStringLiteral("7 + 5 = ?"), "12", QStringLiteral("3 · 4 = ?"), "12"};
        QTest::newRow("foreign bytes")
            << QByteArray("\x80 \xE4\xF6\xFC\xDF \x81\x9D \xFF = ?\r\n5\r\n")
            << QStringList{QStringLiteral("€ äöüß \u0081\u009D ÿ = ?"), "5"};
    }

    void handEditedFileNeverBlocksTheChild()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, served);

        ProgramFixture fx;
        fx.WriteFile(QStringLiteral("ZIFTORA.DAT"), file);
        fx.Start();
        QCOMPARE(fx.dialogs.Take(), QList<Shown>{});
        Form1& form = fx.form1();

        // The child answers every stored task it is given, until free training comes back.
        QStringList seen;
        for (int round = 0; form.mandatory().Active() && round <= served.size(); ++round) {
            const QString answer = fx.state().ExpectedAnswer;
            seen << form.Bezeichnung1->text() << answer;
            QVERIFY2(Typeable(answer), qPrintable(answer));
            TypeAnswer(form, answer);
            QCOMPARE(fx.dialogs.Take(), QList<Shown>{});
        }
        QCOMPARE(seen, served);
        VerifyBackToPlus(fx);
        QCOMPARE(fx.ReadFile(QStringLiteral("ZIFTORA.DAT")), file);
    }

    void everyByteSurvivesLoadAndSave()
    {
        // A task line of all the upper bytes, as a foreign editor might leave it.
        QByteArray upper;
        for (int b = 0x80; b <= 0xFF; ++b)
            upper.append(char(b));
        const QByteArray file = upper + "\r\n5\r\n";

        ProgramFixture fx;
        fx.WriteFile(QStringLiteral("ZIFTORA.DAT"), file);
        fx.Start();
        Form1& form = fx.form1();
        QCOMPARE(form.Bezeichnung1->text(), TextFile::Decode(upper));
        QCOMPARE(form.Bezeichnung1->text().size(), 128);

        OpenEditor(fx);
        Click(form.Befehl27);
        Click(form.Befehl25);
        QCOMPARE(fx.dialogs.Take(), QList<Shown>{SavedMessage()});
        QCOMPARE(fx.ReadFile(QStringLiteral("ZIFTORA.DAT")), file);
    }
};

QTEST_MAIN(MandatoryTests)
#include "mandatory_tests.moc"
