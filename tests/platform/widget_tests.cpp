// The list box, the desktop's dialogs and key preview, driven as a person would: mouse, keys,
// buttons.
#include "platform/controls.h"
#include "platform/drawing_surface.h"
#include "platform/german_texts.h"
#include "platform/list_box.h"
#include "platform/qt_dialogs.h"

#include <QTest>
#include <QtWidgets>

// A shown list box that counts its clicks and double clicks, and notes where the last click saw it.
struct Rig {
    explicit Rig(const QStringList& entries)
    {
        for (const QString& e : entries)
            list.addItem(e);
        QObject::connect(&list, &ListBox::entryClicked, [this] {
            ++clicks;
            seenAt = list.listIndex();
        });
        QObject::connect(&list, &ListBox::entryDoubleClicked, [this] { ++dblClicks; });
        list.resize(200, 300), list.show();
    }
    ListBox list;
    int clicks = 0, dblClicks = 0, seenAt = -99;
};
static void press(QWidget* w, const QString& keys)
{
    const QKeyCombination k = QKeySequence(keys)[0];
    QTest::keyClick(w, k.key(), k.keyboardModifiers());
}
class WidgetTests : public QObject {
    Q_OBJECT
private slots:
    void germanQtTexts()
    { // Qt's own menus speak German: the context menu of a text box
        QLineEdit edit;
        QVERIFY(useGermanQtTexts());
        const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
        QStringList items;
        for (const QAction* a : menu->actions())
            if (!a->isSeparator())
                items << a->text().split(u'\t').first();
        QCOMPARE(items.join(u'|'),
                 "&Rückgängig|Wieder&herstellen|&Ausschneiden|&Kopieren|Einf&ügen|Löschen|Alles "
                 "auswählen");
    }
    void adding()
    { // one by one, in one step, and in one step behind a first entry: one order
        const QStringList added{ "3", "12", "a", "3" };
        Rig one(added), all({}), rest({ added.first() });
        all.list.addItems(added), rest.list.addItems(added.mid(1));
        QCOMPARE(QList<QStringList>({ one.list.entries(),
                                      all.list.entries(),
                                      rest.list.entries(),
                                      { one.list.list(added.size()), one.list.list(-1) } }),
                 (QList<QStringList>(3, added) << QStringList{ "", "" })); // out of range: ""
    }

    void listChanges()
    { // by the program never click; the selection follows its entry or goes with it
        Rig f({ "3", "5", "7" });
        QStringList seen;
        const auto note = [&] {
            seen << f.list.entries().join(' ') + " @" + QString::number(f.list.listIndex());
        };
        f.list.setListIndex(1), f.list.addItem("1"), note();
        f.list.addItems({ "9", "0" }), f.list.removeItem(0), f.list.removeItem(99),
                f.list.removeItem(-1), note();
        f.list.removeItems(1, 2), note(), f.list.removeItems(-1, 2),
                note(); // the part inside the list goes
        f.list.addItems({ "a", "b" }), f.list.setListIndex(2), f.list.removeItems(1, 5), note();
        f.list.setListIndex(0), f.list.removeItem(0), note(), f.list.addItem("x"), f.list.clear(),
                note();
        QCOMPARE(f.clicks, 3); // only the three setListIndex
        QObject::disconnect(&f.list, &ListBox::entryClicked, nullptr, nullptr);
        QObject::connect(&f.list, &ListBox::entryClicked, [&] {
            f.list.clear(), f.list.addItems({ "x", "y", "z" }), ++f.clicks;
        }); // a listener may refill the list
        f.list.addItems({ "a", "b" }),
                QTest::mouseClick(f.list.viewport(), Qt::LeftButton, {},
                                  f.list.entryRect(0).center()),
                press(&f.list, "Down");
        QCOMPARE(seen << f.list.entries().join(' ') + " " + QString::number(f.clicks),
                 (QStringList{ "3 5 7 1 @1", "5 7 1 9 0 @0", "5 9 0 @0", "9 0 @-1", "9 @-1", " @-1",
                               " @-1", "x y z 5" }));
    }

    void selection_data()
    { // by the program, a key or the mouse: one click each, the handler seeing the new position
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("after"); // position, clicks, double clicks
        const auto row = [](const char* name, int start, const char* action, const char* after) {
            QTest::newRow(name) << start << QString(action) << QString(after);
        };
        row("dieselbe nochmal", 1, "Set 1", "1 1 0");
        row("abwählen", 2, "Set -1", "-1 1 0");
        row("hinter dem Ende", 1, "Set 4", "1 0 0");
        row("unter -1", 1, "Set -2", "1 0 0");
        row("runter am Ende", 3, "Down", "3 0 0");
        row("runter ohne Auswahl wählt die erste", -1, "Down", "0 1 0");
        row("Strg+runter wählt trotzdem", 0, "Ctrl+Down", "1 1 0");
        row("Strg+Leertaste wählt nicht ab", 1, "Ctrl+Space", "1 0 0");
        row("Klick auf die gewählte", 1, "Maus:1", "1 1 0");
        row("Strg+Klick wählt nicht ab", 1, "Maus:Ctrl 1", "1 1 0");
        row("Klick unter die Einträge", 1, "Maus:4", "1 0 0");
        row("rechts", 1, "Maus:Right 2", "1 0 0");
        row("doppelt", 2, "Maus:Double 2", "2 0 1"); // after the click of its first press
        row("doppelt auf eine andere ist ein Klick", 1, "Maus:Double 2", "2 1 0");
        row("doppelt rechts", 1, "Maus:Right Double 2", "1 0 0");
    }
    void selection()
    {
        QFETCH(int, start);
        QFETCH(QString, action);
        QFETCH(QString, after);
        Rig f({ "a", "b", "c", "d" });
        f.list.setFocus(), f.list.setListIndex(start), f.clicks = 0;
        const QPoint at = action.endsWith('4')
                ? QPoint(5, f.list.viewport()->height() - 3)
                : f.list.entryRect(action.back().digitValue()).center();
        const auto button = action.contains("Right") ? Qt::RightButton : Qt::LeftButton;
        if (action.startsWith("Set"))
            f.list.setListIndex(action.mid(4).toInt());
        else if (action.contains("Double"))
            QTest::mouseDClick(f.list.viewport(), button, {}, at);
        else if (action.startsWith("Maus"))
            QTest::mouseClick(f.list.viewport(), button,
                              action.contains("Ctrl") ? Qt::ControlModifier : Qt::NoModifier, at);
        else
            press(&f.list, action);
        QCOMPARE(QString("%1 %2 %3")
                         .arg(f.clicks ? f.seenAt : f.list.listIndex())
                         .arg(f.clicks)
                         .arg(f.dblClicks),
                 after);
    }

    void firstArrowChoosesTheFirstEntry()
    { // after the selection went away, and when focus put the view's cursor on an entry
        Rig f({ "a", "b", "c", "d" });
        f.list.setListIndex(2);
        f.list.setListIndex(-1);
        f.list.activateWindow();
        f.list.setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&f.list) && f.list.currentIndex().isValid());
        press(&f.list, "Down");
        QCOMPARE(f.list.listIndex(), 0);
    }

    void dialogs_data()
    { // message box (style), input box (-1), password box (-2) as shown, answered by a key or
      // button
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("result"); // buttons|QMessageBox::Icon|field|echo mode
        const auto row = [](const char* name, int style, const char* typed, const char* action,
                            const char* shown, const char* result) {
            QTest::newRow(name) << style << QString(typed) << QString(action) << QString(shown)
                                << QString(result);
        };
        row("0 Escape", 0, "", "Esc", "OK|0", "1");
        row("20 Enter ist Ja", 20, "", "Return", "Ja Nein|3", "6");
        row("48 Enter", 48, "", "Return", "OK|2", "1");
        row("64 Enter", 64, "", "Return", "OK|1", "1");
        row("276 Enter ist Nein", 276, "", "Return", "Ja Nein|3", "7");
        row("36 Escape ist Nein", 36, "", "Esc", "Ja Nein|4", "7");
        row("Vorgabe bestätigt", -1, "", "OK", "OK Abbrechen|0|Anna|0", "Anna");
        row("getippt, abgebrochen", -1, "12", "Abbrechen", "OK Abbrechen|0|Anna|0", "");
        row("Passwort bestätigt", -2, "12", "OK", "OK Abbrechen|0||2", "12");
    }
    void dialogs()
    {
        QFETCH(int, style);
        QFETCH(QString, typed);
        QFETCH(QString, action);
        QFETCH(QString, shown);
        QFETCH(QString, result);
        QStringList seen;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!d)
                return; // never shown: `seen` stays empty
            QStringList buttons;
            seen << d->windowTitle();
            for (QPushButton* b : d->findChildren<QPushButton*>())
                buttons << (b->isVisible() ? b->text() : "");
            for (const QLabel* l : d->findChildren<QLabel*>())
                if (!l->text().isEmpty()) // plain text: tasks hold "<" and ">"
                    seen << l->text() << QString::number(l->textFormat());
            seen << buttons.join(' ').simplified() << QString::number(d->property("icon").toInt());
            if (auto* edit = d->findChild<QLineEdit*>())
                seen << edit->text() << QString::number(edit->echoMode()), edit->selectAll(),
                        QTest::keyClicks(edit, typed);
            buttons.contains(action) ? QTest::mouseClick(
                    d->findChildren<QPushButton*>()[buttons.indexOf(action)], Qt::LeftButton)
                                     : press(d, action);
            if (d->isVisible())
                d->done(0); // the action did not close it: so the test cannot hang
        });
        QtDialogs dialogs;
        const QString text = "Wirklich\r\n<beenden>?\r\n\rJetzt\n\r", title = "Ziftora";
        const QString got = style < 0
                ? (style == -2 ? dialogs.passwordBox(text, title)
                               : dialogs.inputBox(text, title, "Anna"))
                : QString::number(int(dialogs.msgBox(text, MsgStyles::fromInt(style), title)));
        QCOMPARE(seen,
                 QStringList({ title, "Wirklich\n<beenden>?\n\nJetzt", "0" }) + shown.split('|'));
        QCOMPARE(got, result);
    }

    void keyPreview_data()
    { // where the key goes; then how often the window saw it and what its field holds
        QTest::addColumn<bool>("takes");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("result");
        const auto row = [](const char* name, bool takes, const char* where, const char* result) {
            QTest::newRow(name) << takes << QString(where) << QString(result);
        };
        row("genommen: wirkt einmal", true, "field", "1");
        row("genommen auf einem Knopf", true, "button", "1");
        row("gelassen: das Feld bekommt sie", false, "field", "1a");
        row("anderes Fenster", true, "other", "0");
        row("modaler Dialog offen", true, "modal", "0a");
        row("Fenster verborgen", true, "hidden", "0a");
    }
    void keyPreview()
    {
        QFETCH(bool, takes);
        QFETCH(QString, where);
        QFETCH(QString, result);
        QWidget window, other;
        QDialog modal;
        int count = 0;
        auto* field = new QLineEdit(&window);
        new KeyPreview(&window, [&](QKeyEvent*) { return ++count, takes; });
        window.show(), other.show(), modal.setModal(true), modal.setVisible(where == u"modal"),
                window.setVisible(where != u"hidden");
        QWidget* target = where == u"button" ? static_cast<QWidget*>(new QPushButton("OK", &window))
                : where == u"other"          ? new QLineEdit(&other)
                                             : field;
        target->show(), QTest::keyClick(target, Qt::Key_A);
        QCOMPARE(QString::number(count) + field->text(), result);
    }

    void drawingSurface_data()
    { // a text written, perhaps rewritten in white; the grid of 14-point cells 1 to 3 read back
        QTest::addColumn<bool>("points");
        QTest::addColumn<QString>("font");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("erased");
        QTest::addColumn<QString>("grid");
        QTest::newRow("Ziffer gelöscht")
                << true << "Arial" << false << QPointF(28, 14) << "8" << true << "   \n   ";
        QTest::newRow("fettes Kreuz gelöscht")
                << true << "MS Sans Serif" << true << QPointF(14, 28) << "+" << true << "   \n   ";
        QTest::newRow("Ziffer steht")
                << true << "Arial" << false << QPointF(28, 14) << "8" << false << " 8 \n   ";
        QTest::newRow("Twips, zwischen zwei Zeilen")
                << false << "Arial" << true << QPointF(14, 20) << "W" << false << "   \n   ";
        QTest::newRow("Wort gelöscht")
                << false << "Arial" << false << QPointF(300, 420) << "Wunsch" << true << "   \n   ";
    }
    void drawingSurface()
    {
        QFETCH(bool, points);
        QFETCH(QString, font);
        QFETCH(bool, bold);
        QFETCH(QPointF, at);
        QFETCH(QString, text);
        QFETCH(bool, erased);
        QFETCH(QString, grid);
        QWidget window;
        window.resize(200, 120);
        auto* surface = new DrawingSurface(&window);
        surface->resize(200, 120);
        window.show();
        surface->setBackColor(DrawingSurface::qbColor(15)),
                surface->setScaleMode(points ? DrawingSurface::Unit::Points
                                             : DrawingSurface::Unit::Twips);
        surface->setFont(font, 13.5, bold), surface->cls();
        QImage blank = surface->image();
        surface->setForeColor(DrawingSurface::qbColor(1)), surface->printAt(at.x(), at.y(), text);
        QVERIFY(surface->image() != blank); // written, and kept through a repaint of the window
        window.hide(), window.show();
        QCOMPARE(surface->grab().toImage().convertToFormat(QImage::Format_RGB32), surface->image());
        if (erased)
            surface->setForeColor(DrawingSurface::qbColor(15)),
                    surface->printAt(at.x(), at.y(), text);
        QCOMPARE(surface->image() == blank, erased);
        QCOMPARE(surface->cellGrid(14, 3, 1, 2, DrawingSurface::qbColor(15)), grid);
        QCOMPARE(surface->texts().size(), 1); // one text per place, however often it is rewritten
    }
};

QTEST_MAIN(WidgetTests)
#include "widget_tests.moc"