// What every window owes a child who uses a screen reader or only the keyboard, at any screen
// scale.

#include "program_fixture.h"

#include "platform/controls.h"

#include <QAccessible>
#include <QRegularExpression>
#include <QScrollBar>

class AccessibilityTests : public QObject {
    Q_OBJECT
private slots:
    void everyControlIsNamed_data();
    void everyControlIsNamed();
    void tabOrder_data();
    void tabOrder();
    void entryAndCounters();
    void sharpAtAnyScale();
};

static QString spokenName(QWidget* w)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QString();
}

void AccessibilityTests::everyControlIsNamed_data()
{
    QTest::addColumn<QString>("window");
    for (const char* window : { "TrainingWindow", "UserWindow", "ErrorListWindow", "InfoWindow",
                                "WorksheetWindow", "RewardChooser", "PrisonWindow", "CarRideWindow",
                                "NumberCatchWindow", "MemoryWindow", "HomewardRideWindow" })
        QTest::newRow(window) << window;
}

void AccessibilityTests::everyControlIsNamed()
{
    QFETCH(QString, window);
    ProgramFixture f;
    f.startQuietly();
    QWidget* w = f.window(window);
    const QRegularExpression letterSpaced(QStringLiteral("^(\\S )+\\S$"));
    QStringList reachable; // what a person can see and Tab to
    for (QWidget* c : w->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QString name = c->objectName();
        QVERIFY2(!name.isEmpty()
                         && w->findChildren<QWidget*>(name, Qt::FindDirectChildrenOnly).size() == 1,
                 qPrintable(name));
        if (!(c->focusPolicy() & Qt::TabFocus))
            continue;
        if (c->isEnabled() && inView(c))
            reachable << name;
        // Everything Tab reaches says in plain German what it is.
        const QString spoken = spokenName(c);
        QVERIFY2(!spoken.trimmed().isEmpty() && !letterSpaced.match(spoken).hasMatch(),
                 qPrintable(name + ": " + spoken));
        if (auto* picture = qobject_cast<PictureButton*>(c))
            QVERIFY2(!picture->icon().pixmap(32, 32).isNull() && picture->toolTip() == spoken,
                     qPrintable(name));
    }
    // Tab goes round every one of them and nowhere else, so the window can be used by keyboard
    // alone.
    w->show();
    f.seen(); // a game may greet the child on showing
    QWidget* first = w->findChild<QWidget*>(reachable.first());
    first->setFocus();
    QStringList visited;
    do {
        visited << w->focusWidget()->objectName();
        QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
    } while (w->focusWidget() != first && visited.size() <= reachable.size());
    visited.sort(), reachable.sort();
    QCOMPARE(visited, reachable);
}

void AccessibilityTests::tabOrder_data()
{
    // From the digit 7 round the whole window, in a mode: what Tab visits (object names,
    // space-separated).
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("visited");
    const QString keypad = QStringLiteral(
            "Befehl7 befehl8 befehl9 Befehl4 Befehl5 Befehl6 Befehl1 Befehl2 Befehl3 Befehl10 "
            "Befehl18 Befehl11 Befehl21 Befehl20 Befehl19 ");
    const QString choices = QStringLiteral(
            "Befehl12 Befehl13 Befehl14 Befehl15 Befehl16 Befehl17 HBildlauf1 Liste1 Bild7 "
            "Bezeichnung15 Bild1 Bild3 Bild2 Bild4 Bild6 Bild8 Bild5");
    QTest::newRow("training") << "" << keypad + choices;
    QTest::newRow("mandatory editor open")
            << "editor"
            << keypad + choices + " Liste2 Befehl23 Befehl27 Befehl26 Befehl24 Befehl25";
    QTest::newRow("error practice covers the left half")
            << "practice" << keypad + "Liste1 Bild7 Bezeichnung15 Befehl22";
}

void AccessibilityTests::tabOrder()
{
    QFETCH(QString, mode);
    QFETCH(QString, visited);
    ProgramFixture f;
    f.startQuietly();
    if (mode == QLatin1String("editor")) {
        f.password();
        f.click("Bild4");
    } else if (mode == QLatin1String("practice")) {
        for (int i = 0; i < 11; ++i)
            f.answer(f.state().expectedAnswer + QStringLiteral("1"));
    }
    f.seen();
    TrainingWindow& w = f.trainingWindow();
    w.Befehl7->setFocus();
    QStringList seen{ w.focusWidget()->objectName() };
    for (int i = 0; i < 60; ++i) {
        QTest::keyClick(w.focusWidget(), Qt::Key_Tab);
        if (w.focusWidget() == w.Befehl7)
            break;
        seen << w.focusWidget()->objectName();
    }
    QCOMPARE(seen.join(u' '), visited);
    // Shift+Tab goes the same way back.
    QTest::keyClick(w.focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(w.focusWidget()->objectName(), seen.last());
}

void AccessibilityTests::entryAndCounters()
{
    ProgramFixture f;
    f.startQuietly();
    TrainingWindow& w = f.trainingWindow();
    const auto caret = [&w] {
        return w.Bezeichnung2->grab().toImage().pixelColor(
                w.Bezeichnung2->contentsRect().left() + 2, w.Bezeichnung2->height() / 2);
    };
    const QColor empty = caret();
    QCOMPARE(spokenName(w.Bezeichnung2) + "|" + w.Bezeichnung2->accessibleDescription(),
             "Ergebnis|leer");
    f.type(QStringLiteral("4"));
    QCOMPARE(w.Bezeichnung2->accessibleDescription(), "4");
    QVERIFY(caret() != empty); // the cursor shows only while nothing is typed
    f.keys(QStringLiteral("B"));
    QCOMPARE(caret(), empty);
    f.answer(f.state().expectedAnswer);
    f.answer(f.state().expectedAnswer + QStringLiteral("1"));
    f.answer(f.state().expectedAnswer);
    f.seen();
    QCOMPARE(spokenName(w.Bezeichnung4) + "|" + w.Bezeichnung4->toolTip() + "|"
                     + spokenName(w.Bezeichnung3) + "|" + w.Bezeichnung3->toolTip(),
             "Richtige Lösungen: 2|Richtige Lösungen: 2|Fehler: 1|Fehler: 1");
}

void AccessibilityTests::sharpAtAnyScale()
{
    // Run once as it comes and once with QT_SCALE_FACTOR=2: the window grows with the screen and
    // its pictures are drawn at the screen's own resolution.
    ProgramFixture f;
    f.startQuietly();
    TrainingWindow& w = f.trainingWindow();
    const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    QCOMPARE(w.devicePixelRatio(), scale);
    QCOMPARE(w.grab().size(), w.size() * scale);
    const QPixmap picture = w.Bild1->icon().pixmap(w.Bild1->iconSize(), scale);
    QCOMPARE(picture.size(), w.Bild1->iconSize() * scale);
}

QTEST_MAIN(AccessibilityTests)
#include "accessibility_tests.moc"
