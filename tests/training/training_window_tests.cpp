// The training window as a child and a teacher meet it: start-up, the keyboard, the exit question,
// the practice cover and the information window; and what every window owes a person who cannot
// see its pictures.

#include "program_fixture.h"

#include "engine/task_engine.h"
#include "platform/controls.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QSet>

namespace {
const Shown EmptyEntry =
    ScriptedDialogs::Msg(QStringLiteral("Bitte Ergebnis eintragen!\r"), 0, QStringLiteral("Leeres Ergebnisfeld"));
} // namespace

class TrainingWindowTests : public QObject {
    Q_OBJECT
private slots:
    void startUp_data();
    void startUp();
    void everyControlIsNamedAndEveryPictureExplained_data();
    void everyControlIsNamedAndEveryPictureExplained();
    void keyPressActsOnce_data();
    void keyPressActsOnce();
    void exitQuestion_data();
    void exitQuestion();
    void practiceCoverComesOverTheChoicesAndGoesAgain();
    void informationWindowOpensAndCloses_data();
    void informationWindowOpensAndCloses();
};

void TrainingWindowTests::startUp_data()
{
    QTest::addColumn<Files>("files");
    QTest::addColumn<int>("reward");
    QTest::addColumn<QStringList>("users");
    const QStringList standard{QStringLiteral("Standardbenutzer")};
    QTest::newRow("no file at all") << Files{} << 20 << standard;
    QTest::newRow("reward interval") << Files{{"ZIFTORA.INF", "30\r\n"}} << 30 << standard;
    QTest::newRow("no number") << Files{{"ZIFTORA.INF", "zwanzig\r\n"}} << 20 << standard;
    QTest::newRow("children") << Files{{"ZIFTORA.INI", "J\xfcrgen\r\nBen"}} << 20 << QStringList{"Jürgen", "Ben"};
}

void TrainingWindowTests::startUp()
{
    QFETCH(Files, files);
    QFETCH(int, reward);
    QFETCH(QStringList, users);
    ProgramFixture f;
    f.Start(files);
    Form1& w = f.form1();
    QCOMPARE(f.Seen(), Boxes{ScriptedDialogs::Msg(QStringLiteral("Keine Pflichtaufgaben!"), 0,
                                                  QStringLiteral("Pflichtaufgaben"))});
    QVERIFY(w.isVisible());
    QCOMPARE(w.windowTitle(), QStringLiteral("ZFT-Zaruzidovavivediv"));
    QCOMPARE(f.Caption("Label1"), QString::number(reward));
    QCOMPARE(f.Entries("Form7/Liste1"), users);
    QCOMPARE(f.Caption("Bezeichnung15"), users.first());
    QCOMPARE(f.Caption("Bezeichnung8") + f.Caption("Bezeichnung7") + f.Caption("Bezeichnung9"),
             QStringLiteral("Stufe 2 Plusrechnen+"));
    QCOMPARE(w.HBildlauf1->value(), 2);
    QCOMPARE(f.Entries("Liste1"), TaskTypeEntries(1));
    QCOMPARE(w.Liste1->ListIndex(), 0);
    QVERIFY(f.Caption("Bezeichnung1").endsWith(QStringLiteral(" = ?")) && !f.state().ExpectedAnswer.isEmpty());
    QCOMPARE(f.Caption("Bezeichnung2") + f.Caption("Bezeichnung3") + f.Caption("Bezeichnung4"), QStringLiteral("00"));
    QVERIFY(!ModeCover::IsOn(w.Befehl22) && !ModeCover::IsOn(w.Befehl28));
    QVERIFY(w.Befehl11->isDefault() && w.focusWidget() == w.Befehl11);
    QCOMPARE(f.AllFiles(), files); // settings and users are read, never written
}

void TrainingWindowTests::everyControlIsNamedAndEveryPictureExplained_data()
{
    QTest::addColumn<QString>("window");
    for (const char* window : {"Form1", "Form7", "Form8", "ZFTLABEL"})
        QTest::newRow(window) << QString::fromLatin1(window);
}

void TrainingWindowTests::everyControlIsNamedAndEveryPictureExplained()
{
    QFETCH(QString, window);
    ProgramFixture f;
    f.StartQuietly();
    QWidget* w = f.Window(window);
    QCOMPARE(w->objectName(), window);
    QSet<QString> names;
    for (const QWidget* control : w->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        QVERIFY2(!control->objectName().isEmpty() && !names.contains(control->objectName()),
                 qPrintable(control->objectName()));
        names.insert(control->objectName());
    }
    for (const PictureButton* picture : w->findChildren<PictureButton*>()) {
        QVERIFY2(!picture->icon().pixmap(32, 32).isNull(), qPrintable(picture->objectName()));
        QVERIFY2(!picture->accessibleName().isEmpty() && !picture->toolTip().isEmpty(),
                 qPrintable(picture->objectName()));
    }
}

void TrainingWindowTests::keyPressActsOnce_data()
{
    // keys: as typed, except B Backspace, R Return, N the keypad's Enter, H a Return held down,
    // L the right arrow (which the window leaves to the focused control).
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<Boxes>("boxes");
    QTest::newRow("digits at the check button") << "Befehl11" << "1234567890" << "1234567890" << Boxes{};
    QTest::newRow("signs at the list replace") << "Liste1" << "12<=" << "=" << Boxes{};
    QTest::newRow("digits at the level bar") << "HBildlauf1" << "45" << "45" << Boxes{};
    QTest::newRow("arrow at the level bar") << "HBildlauf1" << "L" << "" << Boxes{};
    QTest::newRow("Backspace at a picture") << "Bild2" << "12B" << "1" << Boxes{};
    QTest::newRow("Return at the list") << "Liste1" << "R" << "" << Boxes{EmptyEntry};
    QTest::newRow("Return at an operation button") << "Befehl12" << "R" << "" << Boxes{EmptyEntry};
    QTest::newRow("Enter at a digit button") << "Befehl7" << "N" << "" << Boxes{EmptyEntry};
    QTest::newRow("held Return checks once") << "Befehl11" << "RH" << "" << Boxes{EmptyEntry};
    QTest::newRow("star asks the password once")
        << "Liste1" << "*" << "" << Boxes{ScriptedDialogs::Password(QStringLiteral("Pflichtaufgaben beenden?"))};
}

void TrainingWindowTests::keyPressActsOnce()
{
    QFETCH(QString, focus);
    QFETCH(QString, keys);
    QFETCH(QString, entry);
    QFETCH(Boxes, boxes);
    ProgramFixture f;
    f.StartQuietly();
    f.PutTask(QStringLiteral("Aufgabe"), QStringLiteral("7"));
    if (keys.contains(u'*'))
        f.Password(QStringLiteral("8")); // wrong: the mode stays as it is
    QWidget* target = f.Control(focus);
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
    for (const QChar k : keys) {
        if (k == u'H')
            QApplication::sendEvent(target, &held);
        else if (k == u'L')
            QTest::keyClick(target, Qt::Key_Right);
        else if (k == u'B' || k == u'R' || k == u'N')
            QTest::keyClick(target, k == u'B' ? Qt::Key_Backspace : k == u'R' ? Qt::Key_Return : Qt::Key_Enter,
                            k == u'N' ? Qt::KeypadModifier : Qt::NoModifier);
        else
            QTest::keyClicks(target, QString(k));
    }
    QCOMPARE(f.Seen(), boxes);
    QCOMPARE(f.Caption("Bezeichnung2"), entry);
    QCOMPARE(f.state().EntryText, entry);
    QCOMPARE(f.Caption("Bezeichnung8"), keys == QLatin1String("L") ? QStringLiteral("Stufe 3") : QStringLiteral("Stufe 2"));
}

void TrainingWindowTests::exitQuestion_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("yes");
    for (const char* how : {"Escape", "Bild1", "frame"}) {
        QTest::addRow("%s, No", how) << QString::fromLatin1(how) << false;
        QTest::addRow("%s, Yes", how) << QString::fromLatin1(how) << true;
    }
}

void TrainingWindowTests::exitQuestion()
{
    QFETCH(QString, how);
    QFETCH(bool, yes);
    ProgramFixture f;
    f.StartQuietly();
    f.PutTask(QStringLiteral("Aufgabe"), QStringLiteral("7"));
    f.Answer(QStringLiteral("5")); // a listed error, which ending does not save
    f.Type(QStringLiteral("4"));
    f.Seen();
    const Files before = f.AllFiles();
    f.dialogs.AnswerMsg(yes ? MsgResult::Yes : MsgResult::No);
    if (how == QLatin1String("Escape"))
        QTest::keyClick(f.Control("Liste1"), Qt::Key_Escape);
    else if (how == QLatin1String("Bild1"))
        f.Click(how);
    else
        QCOMPARE(f.form1().close(), yes);
    QCOMPARE(f.Seen(), Boxes{ScriptedDialogs::Msg(QStringLiteral("Dieses Programm jetzt beenden?\r"), 276,
                                                  QStringLiteral("ZFT-Zaruzidovavivediv"))});
    QCOMPARE(f.program().Ended(), yes);
    QCOMPARE(f.form1().isVisible(), !yes);
    QCOMPARE(f.AllFiles(), before);
    // Answered No, everything stays: task, entry, counter.
    QCOMPARE(f.Caption("Bezeichnung1") + f.Caption("Bezeichnung2") + f.Caption("Bezeichnung3"),
             QStringLiteral("Aufgabe41"));
}

void TrainingWindowTests::practiceCoverComesOverTheChoicesAndGoesAgain()
{
    ProgramFixture f;
    f.StartQuietly();
    Form1& w = f.form1();
    QVERIFY(w.Befehl22->x() >= w.width() && w.Befehl28->x() >= w.width()); // both wait outside
    f.PutTask(QStringLiteral("Aufgabe"), QStringLiteral("7"));
    f.Answer(QStringLiteral("5"));
    f.dialogs.AnswerMsg(MsgResult::Yes);
    f.Click("Bild7"); // practise now
    QVERIFY(w.ErrorPracticeActive());
    for (const QWidget* covered : std::initializer_list<QWidget*>{w.Bild1, w.Bezeichnung3, w.Befehl12, w.Befehl17})
        QCOMPARE(w.childAt(covered->geometry().center()), w.Befehl22);
    f.Answer(QStringLiteral("7"));
    QVERIFY(!w.ErrorPracticeActive() && w.Befehl22->x() >= w.width());
    QCOMPARE(f.Seen().size(), 2); // the wrong answer and the question
}

void TrainingWindowTests::informationWindowOpensAndCloses_data()
{
    QTest::addColumn<QString>("how");
    for (const char* how : {"Bezeichnung1", "Bild1", "Escape", "Return", "Enter"})
        QTest::newRow(how) << QString::fromLatin1(how);
}

void TrainingWindowTests::informationWindowOpensAndCloses()
{
    QFETCH(QString, how);
    ProgramFixture f;
    f.StartQuietly();
    f.PutTask(QStringLiteral("Aufgabe"), QStringLiteral("7"));
    f.Type(QStringLiteral("3"));
    f.Click("Bild5");
    QWidget& info = *f.Window(QStringLiteral("ZFTLABEL"));
    QVERIFY(info.isVisible() && f.form1().isVisible());
    QCOMPARE(info.windowTitle(), QStringLiteral("Programm-Info"));
    QCOMPARE(f.Caption("ZFTLABEL/Bezeichnung1"), QStringLiteral("O k a y"));
    QVERIFY(f.Caption("ZFTLABEL/Bezeichnung6").startsWith(QStringLiteral("Ziftora, der Kopfrechentrainer")));
    if (how.startsWith(QLatin1String("B")))
        f.Click(QStringLiteral("ZFTLABEL/") + how);
    else
        QTest::keyClick(f.Control("ZFTLABEL/Bezeichnung1"), how == QLatin1String("Escape") ? Qt::Key_Escape
                                                            : how == QLatin1String("Enter") ? Qt::Key_Enter
                                                                                            : Qt::Key_Return);
    QVERIFY(!info.isVisible() && f.form1().isVisible());
    // The key reached the information window only: no exit question, no check.
    QCOMPARE(f.Seen(), Boxes{});
    QCOMPARE(f.Caption("Bezeichnung1") + f.state().EntryText, QStringLiteral("Aufgabe3"));
}

QTEST_MAIN(TrainingWindowTests)
#include "training_window_tests.moc"
