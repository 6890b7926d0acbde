// The homeward ride and the car ride as a child meets them: opened by the program, played with
// buttons and keys, ended back at the training window.

#include "program_fixture.h"

#include "platform/controls.h"
#include "platform/drawing_surface.h"

#include <QAccessible>

namespace {

bool IsShown(ProgramFixture& f, const QString& window)
{
    return f.Window(window)->isVisible();
}

// Every control named once, every picture with a German name and tooltip.
void CheckControls(ProgramFixture& f, const QString& window)
{
    for (const QWidget* c : f.Window(window)->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        QVERIFY2(!c->objectName().isEmpty()
                     && f.Window(window)->findChildren<QWidget*>(c->objectName(), Qt::FindDirectChildrenOnly).size() == 1,
                 qPrintable(c->objectName()));
        if (const auto* picture = qobject_cast<const QLabel*>(c); picture && c->objectName().startsWith("Bild"))
            QVERIFY2(!picture->pixmap().isNull() && !c->accessibleName().isEmpty() && !c->toolTip().isEmpty(),
                     qPrintable(c->objectName()));
    }
}

// The accessible name a screen reader reads for a label.
QString Spoken(QWidget* label)
{
    return QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
}

} // namespace

class RideWindowTests : public QObject {
    Q_OBJECT
private slots:
    void homewardRide_data();
    void homewardRide();
    void carRide_data();
    void carRide();
    void fromTheChooser_data();
    void fromTheChooser();
};

void RideWindowTests::homewardRide_data()
{
    // After the activation that sets up the ride: R a click on "rechts", > the right arrow key, T a
    // tick of the nail show, F the training window activated and slalom again, O another program
    // activated and slalom again, E "Ende", C closing by the frame.
    QTest::addColumn<QString>("doing");
    QTest::addColumn<int>("rides");  // set up in all
    QTest::addColumn<int>("column"); // of the car at the end
    QTest::addColumn<bool>("shown"); // slalom still shown
    QTest::newRow("button and arrow, during the show") << "TR>T" << 1 << 3 << true;
    QTest::newRow("back from the training window: a new ride") << "RF" << 2 << 1 << true;
    QTest::newRow("back from another program: the same ride") << "RO" << 1 << 2 << true;
    QTest::newRow("Ende during the show") << "TRE" << 1 << 2 << false;
    QTest::newRow("closed by the frame") << "C" << 1 << 1 << false;
}

void RideWindowTests::homewardRide()
{
    QFETCH(QString, doing);
    QFETCH(int, rides);
    QFETCH(int, column);
    QFETCH(bool, shown);
    ProgramFixture f;
    f.StartQuietly();
    slalom& w = f.program().slalom();
    CheckControls(f, "slalom");
    QCOMPARE(w.windowTitle(), "Heimfahrt:  Vorsicht, es sind viele Nägel auf der Fahrbahn!");
    // Nails far from the start: the car can go right freely.
    for (int i = 0; i < 20; ++i)
        f.random.PushDraw(6, 1, 12), f.random.PushDraw(8, 1, 10);
    f.form1().hide();
    w.Open();
    QApplication::setActiveWindow(&w);
    QCoreApplication::sendPostedEvents();
    const Shown setUp = ScriptedDialogs::Msg("Du bekommst jetzt die Nagelstellen\rgezeigt, merke sie dir gut!", 0, "Nagelstellen");
    QCOMPARE(f.Seen(), Boxes{setUp});
    QVERIFY(w.Bezeichnung5->isVisible() && w.ride().ShowRunning());
    QCOMPARE(w.Figur1->size(), QSize(12 * w.Bild1->width(), 10 * w.Bild1->height()));
    QCOMPARE(w.Bild6->geometry().bottomRight(), w.Figur1->geometry().bottomRight());
    QCOMPARE(w.surface->PixelAt(105 + 495, 2000), QColor(Qt::black)); // a grid line
    QCOMPARE(Spoken(w.Bezeichnung4), "Die Fahrbahn ist frei!");

    int ridesSetUp = 1;
    ManualTimer* show = f.timers.made.last();
    for (const QChar c : doing) {
        switch (c.unicode()) {
        case 'R': f.Click("slalom/Befehl3"); break;
        case '>': QTest::keyClick(w.Befehl1, Qt::Key_Right); break;
        case 'T':
            show->Tick();
            QCOMPARE(w.Bezeichnung5->pos(), w.Figur1->pos() + QPoint(5 * w.Bild1->width(), 7 * w.Bild1->height()));
            break;
        case 'F':
        case 'O':
            QApplication::setActiveWindow(c == u'F' ? static_cast<QWidget*>(&f.form1()) : nullptr);
            QApplication::setActiveWindow(&w);
            QCoreApplication::sendPostedEvents();
            for (const Shown& box : f.Seen())
                ridesSetUp += box == setUp;
            break;
        case 'E': f.Click("slalom/Befehl1"); break;
        case 'C': w.close(); break;
        }
    }
    QCOMPARE(ridesSetUp, rides);
    QCOMPARE(w.Bild1->pos(), w.Figur1->pos() + QPoint((column - 1) * w.Bild1->width(), 0));
    QCOMPARE(IsShown(f, "slalom"), shown);
    QCOMPARE(IsShown(f, "Form1"), !shown);
    QCOMPARE(w.ride().ShowRunning() || w.Bezeichnung5->isVisible(), shown);
    QCOMPARE(f.Seen(), Boxes{});
}

void RideWindowTests::carRide_data()
{
    // S a click on "Start", N Enter, T a tick, < > the arrow keys, E Esc, X a click on "Ende", C
    // closing by the frame.
    QTest::addColumn<QString>("doing");
    QTest::addColumn<QString>("metres"); // the metre display
    QTest::addColumn<QStringList>("texts"); // written on the window
    QTest::addColumn<bool>("shown");
    QTest::newRow("Esc before Start") << "E" << "" << QStringList{} << false;
    QTest::newRow("Ende before Start") << "X" << "" << QStringList{} << false;
    QTest::newRow("Enter starts, Esc ends without a word") << "NTTT>E" << " 3 m " << QStringList{} << false;
    QTest::newRow("closed by the frame") << "STC" << " 1 m " << QStringList{} << false;
    QTest::newRow("crash: only Ende left")
        << "ST" + QString(24, u'<') + "T<" << " 1 m "
        << QStringList{"Du hast den Straßenpfosten gestreift!", "Du hast 1 Meter geschafft!"} << true;
    QTest::newRow("crash, then Enter ends")
        << "ST" + QString(24, u'<') + "N" << " 1 m "
        << QStringList{"Du hast den Straßenpfosten gestreift!", "Du hast 1 Meter geschafft!"} << false;
}

void RideWindowTests::carRide()
{
    QFETCH(QString, doing);
    QFETCH(QString, metres);
    QFETCH(QStringList, texts);
    QFETCH(bool, shown);
    ProgramFixture f;
    f.StartQuietly();
    Form3& w = f.program().form3();
    CheckControls(f, "Form3");
    w.surface->PrintAt(0, 0, "vom letzten Mal");
    const auto across = [&w] {
        return QList<int>{w.Bild1->x(), w.Figur1->x(), w.Figur1->width(), w.Figur2->x(), w.Figur3->x()};
    };
    f.form1().hide();
    w.StartCarRide();
    QVERIFY(w.isVisible() && w.surface->Texts().isEmpty() && w.Befehl2->isDefault());
    QCOMPARE(w.windowTitle(), "Autofahrt");
    ManualTimer* tick = f.timers.made.last();
    for (const QChar c : doing) {
        switch (c.unicode()) {
        case 'S': f.Click("Form3/Befehl2"); break;
        case 'N': QTest::keyClick(w.Befehl2, Qt::Key_Return); break;
        case 'T':
            f.random.PushDraw(0, 0, 2);
            tick->Tick();
            break;
        case '<': QTest::keyClick(&w, Qt::Key_Left); break;
        case '>': QTest::keyClick(&w, Qt::Key_Right); break;
        case 'E': QTest::keyClick(&w, Qt::Key_Escape); break;
        case 'X': f.Click("Form3/Befehl1"); break;
        case 'C': w.close(); break;
        }
        if (c == u'S' || c == u'N')
            QVERIFY(w.Befehl1->isHidden() == w.Befehl2->isHidden() && tick->Interval() == 30);
    }
    QCOMPARE(f.Caption("Form3/Bezeichnung1"), metres);
    QCOMPARE(Spoken(w.Bezeichnung1), metres);
    QStringList written;
    for (const DrawingSurface::Written& t : w.surface->Texts())
        written << t.text;
    QCOMPARE(written, texts);
    if (!texts.isEmpty()) {
        // At text columns 3 and 8, one line under the other, from 2000 twips down.
        const QPointF first = w.surface->Texts()[0].at, second = w.surface->Texts()[1].at;
        QCOMPARE(first.y(), 2000.0);
        QVERIFY(second.y() > 2000 && qFuzzyCompare(second.x() / first.x(), 3.5));
    }
    QCOMPARE(IsShown(f, "Form3"), shown);
    QCOMPARE(IsShown(f, "Form1"), !shown);
    QVERIFY(!w.ride().Riding());
    if (shown) { // after a crash only "Ende", and it is the default
        QVERIFY(!w.Befehl1->isHidden() && w.Befehl1->isDefault() && w.Befehl2->isHidden());
    } else { // back at the start for the next ride
        QVERIFY(!w.Befehl1->isHidden() && !w.Befehl2->isHidden() && w.Befehl2->isDefault());
        const QList<int> atEnd = across();
        w.Befehl2_Click(); // every piece already stands where a ride starts
        QCOMPARE(across(), atEnd);
    }
    QCOMPARE(f.Seen(), Boxes{});
}

void RideWindowTests::fromTheChooser_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("game");
    QTest::newRow("Autofahrt") << "Befehl2" << "Form3";
    QTest::newRow("its picture") << "Bild2" << "Form3";
    QTest::newRow("Slalom") << "Befehl6" << "slalom";
    QTest::newRow("its picture too") << "Bild6" << "slalom";
}

void RideWindowTests::fromTheChooser()
{
    QFETCH(QString, choice);
    QFETCH(QString, game);
    ProgramFixture f;
    f.StartQuietly();
    f.form1().RewardCheck();
    QVERIFY(IsShown(f, "Form6") && !IsShown(f, "Form1"));
    f.Click("Form6/" + choice);
    QVERIFY(!IsShown(f, "Form6") && IsShown(f, game) && !IsShown(f, "Form1"));
    if (game == QLatin1String("slalom")) {
        QApplication::setActiveWindow(f.Window(game));
        QCoreApplication::sendPostedEvents();
        QCOMPARE(f.Seen().size(), 1); // the nails are about to be shown
        f.Click("slalom/Befehl5");
        f.Click("slalom/Befehl1");
    } else {
        f.Click("Form3/Befehl2");
        f.timers.made.last()->Tick();
        QTest::keyClick(f.Window(game), Qt::Key_Escape);
    }
    QVERIFY(!IsShown(f, "Form6") && !IsShown(f, game) && IsShown(f, "Form1"));
}

QTEST_MAIN(RideWindowTests)
#include "ride_window_tests.moc"
