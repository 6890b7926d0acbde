// The training window as a child and a teacher meet it: start-up, the keyboard, the exit question,
// the practice cover and the information window; and what every window owes a person who cannot
// see its pictures.

#include "program_fixture.h"

#include "engine/task_engine.h"
#include "platform/controls.h"

#include <QSet>

namespace {
const Shown EmptyEntry =
    ScriptedDialogs::Msg(QStringLiteral("Bitte Ergebnis eintragen!\r"), 0, QStringLiteral("Leeres Ergebnisfeld"));
const Shown Wrong = ScriptedDialogs::Msg(QStringLiteral("Das ist leider falsch!\r"), 0, QStringLiteral("Rechenfehler"));
} // namespace

class TrainingWindowTests : public QObject {
    Q_OBJECT
private slots:
    void startUp_data();
    void startUp();
    void keysAndClosing_data();
    void keysAndClosing();
    void practiceCoverComesOverTheChoicesAndGoesAgain();
};

void TrainingWindowTests::startUp_data()
{
    // window: one whose controls must all be named and whose pictures must all be explained.
    QTest::addColumn<Files>("files");
    QTest::addColumn<int>("reward");
    QTest::addColumn<QStringList>("users");
    QTest::addColumn<QString>("window");
    const QStringList standard{QStringLiteral("Standardbenutzer")};
    QTest::newRow("no file at all") << Files{} << 20 << standard << "Form1";
    QTest::newRow("reward interval") << Files{{"ZIFTORA.INF", "30\r\n"}} << 30 << standard << "Form7";
    QTest::newRow("no number") << Files{{"ZIFTORA.INF", "zwanzig\r\n"}} << 20 << standard << "Form8";
    QTest::newRow("children") << Files{{"ZIFTORA.INI", "J\xfcrgen\r\nBen"}} << 20 << QStringList{"Jürgen", "Ben"}
                              << "ZFTLABEL";
}

void TrainingWindowTests::startUp()
{
    QFETCH(Files, files);
    QFETCH(int, reward);
    QFETCH(QStringList, users);
    QFETCH(QString, window);
    ProgramFixture f;
    f.Start(files);
    Form1& w = f.form1();
    QCOMPARE(f.Seen(), Boxes{ScriptedDialogs::Msg(QStringLiteral("Keine Pflichtaufgaben!"), 0,
                                                  QStringLiteral("Pflichtaufgaben"))});
    QCOMPARE(w.windowTitle(), QStringLiteral("ZFT-Zaruzidovavivediv"));
    QCOMPARE(f.Caption("Label1"), QString::number(reward));
    QCOMPARE(f.Entries("Form7/Liste1"), users);
    QCOMPARE(f.Caption("Bezeichnung15"), users.first());
    QCOMPARE(f.Caption("Bezeichnung8") + f.Caption("Bezeichnung7") + f.Caption("Bezeichnung9"),
             QStringLiteral("Stufe 2 Plusrechnen+"));
    QCOMPARE(f.Entries("Liste1"), TaskTypeEntries(1));
    QCOMPARE(w.Liste1->ListIndex(), 0);
    QVERIFY(f.Caption("Bezeichnung1").endsWith(QStringLiteral(" = ?")) && !f.state().ExpectedAnswer.isEmpty());
    QCOMPARE(f.Caption("Bezeichnung2") + f.Caption("Bezeichnung3") + f.Caption("Bezeichnung4"), QStringLiteral("00"));
    QVERIFY(!ModeCover::IsOn(w.Befehl22) && !ModeCover::IsOn(w.Befehl28));
    QVERIFY(w.Befehl11->isDefault() && w.focusWidget() == w.Befehl11);
    QCOMPARE(f.AllFiles(), files); // settings and users are read, never written

    QWidget* named = f.Window(window);
    QCOMPARE(named->objectName(), window);
    QSet<QString> names;
    for (const QWidget* control : named->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        QVERIFY2(!control->objectName().isEmpty() && !names.contains(control->objectName()),
                 qPrintable(control->objectName()));
        names.insert(control->objectName());
    }
    for (const PictureButton* picture : named->findChildren<PictureButton*>())
        QVERIFY2(!picture->icon().pixmap(32, 32).isNull() && !picture->accessibleName().isEmpty()
                     && !picture->toolTip().isEmpty(),
                 qPrintable(picture->objectName()));
}

void TrainingWindowTests::keysAndClosing_data()
{
    // A child has a listed error and "4" in the entry. how: keys at the control `at` (as
    // ProgramFixture::Keys), "click" on it, or "frame" to close the training window; controls of the
    // information window are reached after opening it. answer: the exit question's, if it comes.
    // shown: level, entry and error counter afterwards.
    QTest::addColumn<QString>("at");
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("answer");
    QTest::addColumn<Boxes>("boxes");
    QTest::addColumn<QString>("shown");
    const Shown exit = ScriptedDialogs::Msg(QStringLiteral("Dieses Programm jetzt beenden?\r"), 276,
                                            QStringLiteral("ZFT-Zaruzidovavivediv"));
    const QString unchanged = QStringLiteral("Stufe 2|4|1");
    QTest::newRow("signs at the list replace") << "Liste1" << "12<=" << 0 << Boxes{} << "Stufe 2|=|1";
    QTest::newRow("arrow at the level bar") << "HBildlauf1" << "L" << 0 << Boxes{} << "Stufe 3||1";
    QTest::newRow("Backspace at a picture") << "Bild2" << "12B" << 0 << Boxes{} << "Stufe 2|41|1";
    QTest::newRow("Return at an operation button") << "Befehl12" << "BR" << 0 << Boxes{EmptyEntry} << "Stufe 2||1";
    QTest::newRow("Enter at a digit button") << "Befehl7" << "BN" << 0 << Boxes{EmptyEntry} << "Stufe 2||1";
    QTest::newRow("held Return checks once") << "Befehl11" << "RH" << 0 << Boxes{Wrong} << "Stufe 2||2";
    const Boxes password{ScriptedDialogs::Password(QStringLiteral("Pflichtaufgaben beenden?"))};
    QTest::newRow("star asks the password once") << "Liste1" << "*" << 0 << password << unchanged;
    QTest::newRow("Escape, No") << "Liste1" << "E" << MsgResult::No << Boxes{exit} << unchanged;
    QTest::newRow("exit icon, Yes") << "Bild1" << "click" << MsgResult::Yes << Boxes{exit} << unchanged;
    QTest::newRow("frame, No") << "Liste1" << "frame" << MsgResult::No << Boxes{exit} << unchanged;
    QTest::newRow("frame, Yes") << "Liste1" << "frame" << MsgResult::Yes << Boxes{exit} << unchanged;
    for (const char* at : {"Bezeichnung1", "Bild1"})
        QTest::addRow("information window, %s", at) << QStringLiteral("ZFTLABEL/") + at << "click" << 0 << Boxes{} << unchanged;
    for (const char* how : {"E", "R", "N"})
        QTest::addRow("information window, %s", how) << "ZFTLABEL/Bezeichnung1" << how << 0 << Boxes{} << unchanged;
}

void TrainingWindowTests::keysAndClosing()
{
    QFETCH(QString, at);
    QFETCH(QString, how);
    QFETCH(int, answer);
    QFETCH(Boxes, boxes);
    QFETCH(QString, shown);
    ProgramFixture f;
    f.StartQuietly();
    f.PutTask(QStringLiteral("Aufgabe"), QStringLiteral("7"));
    f.Answer(QStringLiteral("5")); // a listed error, which ending does not save
    f.Type(QStringLiteral("4"));
    f.Seen();
    const Files before = f.AllFiles();
    QWidget& info = *f.Window(QStringLiteral("ZFTLABEL"));
    if (at.startsWith(QLatin1String("ZFTLABEL/"))) {
        f.Click("Bild5");
        QVERIFY(info.isVisible() && f.form1().isVisible());
        QCOMPARE(info.windowTitle() + f.Caption("ZFTLABEL/Bezeichnung1"), QStringLiteral("Programm-InfoO k a y"));
        QVERIFY(f.Caption("ZFTLABEL/Bezeichnung6").startsWith(QStringLiteral("Ziftora, der Kopfrechentrainer")));
    }
    if (answer)
        f.dialogs.AnswerMsg(answer);
    if (how == QLatin1String("*"))
        f.Password(QStringLiteral("8")); // wrong: the mode stays as it is
    if (how == QLatin1String("frame"))
        QCOMPARE(f.form1().close(), answer == MsgResult::Yes);
    else if (how == QLatin1String("click"))
        f.Click(at);
    else
        f.Keys(how, at);
    // Each key acts once, and the information window takes its keys itself.
    QCOMPARE(f.Seen(), boxes);
    QCOMPARE(f.Caption("Bezeichnung8") + u'|' + f.Caption("Bezeichnung2") + u'|' + f.Caption("Bezeichnung3"), shown);
    QCOMPARE(f.state().EntryText, f.Caption("Bezeichnung2"));
    QCOMPARE(f.Caption("Bezeichnung1") == QLatin1String("Aufgabe"), how != QLatin1String("L"));
    QCOMPARE(f.program().Ended(), answer == MsgResult::Yes);
    QCOMPARE(f.form1().isVisible(), answer != MsgResult::Yes);
    QVERIFY(!info.isVisible());
    QCOMPARE(f.AllFiles(), before);
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

QTEST_MAIN(TrainingWindowTests)
#include "training_window_tests.moc"
