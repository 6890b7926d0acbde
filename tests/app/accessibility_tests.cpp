// What every window owes a child who uses a screen reader or only the keyboard, at any screen
// scale.

#include "program_fixture.h"

#include "platform/controls.h"

#include <QAccessible>
#include <QRegularExpression>
#include <QScrollBar>

static QString spokenName(QWidget* w)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QString();
}

class AccessibilityTests : public QObject {
    Q_OBJECT
private slots:
    void everyControlIsNamed_data()
    {
        QTest::addColumn<QString>("window");
        for (const char* window :
             { "TrainingWindow", "UserWindow", "ErrorListWindow", "InfoWindow", "WorksheetWindow",
               "RewardChooser", "PrisonWindow", "CarRideWindow", "NumberCatchWindow",
               "MemoryWindow", "HomewardRideWindow", "ProgressWindow" })
            QTest::newRow(window) << window;
    }

    void everyControlIsNamed()
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
                             && w->findChildren<QWidget*>(name, Qt::FindDirectChildrenOnly).size()
                                     == 1,
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

    void tabOrder_data()
    {
        // From the digit 7 round the whole window, in a mode: what Tab visits (object names,
        // space-separated).
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("visited");
        const QString keypad =
                QStringLiteral("digit7Button digit8Button digit9Button digit4Button digit5Button "
                               "digit6Button digit1Button digit2Button digit3Button digit0Button "
                               "eraseButton checkButton lessButton equalButton greaterButton ");
        const QString choices =
                QStringLiteral("plusButton minusButton timesButton divideButton randomButton "
                               "practiceNumberButton levelBar taskTypeList userPicture "
                               "userNameLabel exitPicture rewardPicture evaluationPicture "
                               "mandatoryPicture worksheetPicture errorListPicture infoPicture");
        QTest::newRow("training") << "" << keypad + choices;
        QTest::newRow("mandatory editor open") << "editor"
                                               << keypad + choices
                        + " mandatoryList insertTaskButton loadListButton clearListButton "
                          "deleteLineButton saveListButton";
        QTest::newRow("error practice covers the left half")
                << "practice"
                << keypad + "taskTypeList userPicture userNameLabel errorPracticeCover";
    }

    void tabOrder()
    {
        QFETCH(QString, mode);
        QFETCH(QString, visited);
        ProgramFixture f;
        f.startQuietly();
        if (mode == QLatin1String("editor")) {
            f.password();
            f.click("mandatoryPicture");
        } else if (mode == QLatin1String("practice")) {
            for (int i = 0; i < 11; ++i)
                f.answer(f.state().expectedAnswer + QStringLiteral("1"));
        }
        f.seen();
        TrainingWindow& w = f.trainingWindow();
        f.control<QPushButton>("digit7Button")->setFocus();
        QStringList seen{ w.focusWidget()->objectName() };
        for (int i = 0; i < 60; ++i) {
            QTest::keyClick(w.focusWidget(), Qt::Key_Tab);
            if (w.focusWidget() == f.control<QPushButton>("digit7Button"))
                break;
            seen << w.focusWidget()->objectName();
        }
        QCOMPARE(seen.join(u' '), visited);
        // Shift+Tab goes the same way back.
        QTest::keyClick(w.focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(w.focusWidget()->objectName(), seen.last());
    }

    void entryAndCounters()
    {
        ProgramFixture f;
        f.startQuietly();
        auto* entry = f.control<EntryDisplay>("entryDisplay");
        const auto caret = [entry] {
            return entry->grab().toImage().pixelColor(entry->contentsRect().left() + 2,
                                                      entry->height() / 2);
        };
        const QColor empty = caret();
        QCOMPARE(spokenName(entry) + "|" + entry->accessibleDescription(), "Ergebnis|leer");
        f.type(QStringLiteral("4"));
        QCOMPARE(entry->accessibleDescription(), "4");
        QVERIFY(caret() != empty); // the cursor shows only while nothing is typed
        f.key(Qt::Key_Backspace);
        QCOMPARE(caret(), empty);
        f.answer(f.state().expectedAnswer);
        f.answer(f.state().expectedAnswer + QStringLiteral("1"));
        f.answer(f.state().expectedAnswer);
        f.seen();
        QStringList counters;
        for (const char* name : { "correctCountLabel", "errorCountLabel" })
            counters << spokenName(f.control<QLabel>(name)) << f.control<QLabel>(name)->toolTip();
        QCOMPARE(counters.join(u'|'),
                 "Richtige Lösungen: 2|Richtige Lösungen: 2|Fehler: 1|Fehler: 1");
    }

    void sharpAtAnyScale()
    {
        // Run once as it comes and once with QT_SCALE_FACTOR=2: the window grows with the screen
        // and its pictures are drawn at the screen's own resolution.
        ProgramFixture f;
        f.startQuietly();
        TrainingWindow& w = f.trainingWindow();
        const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
        QCOMPARE(w.devicePixelRatio(), scale);
        QCOMPARE(w.grab().size(), w.size() * scale);
        const PictureButton* exit = f.control<PictureButton>("exitPicture");
        QCOMPARE(exit->icon().pixmap(exit->iconSize(), scale).size(), exit->iconSize() * scale);
    }
};

QTEST_MAIN(AccessibilityTests)
#include "accessibility_tests.moc"
