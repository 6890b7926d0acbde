// The list box, the desktop's dialogs and key preview, driven as a person would: mouse, keys, buttons.
#include "platform/controls.h"
#include "platform/list_box.h"
#include "platform/qt_dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QInputDialog>
#include <QKeySequence>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Acts on the next modal dialog of the kind once its event loop runs; one that never comes leaves
// `act` unrun, so the checks after the call fail instead of hanging.
template <typename Dialog>
void WhenShown(std::function<void(Dialog*)> act)
{
    QTimer::singleShot(0, [act] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            act(dialog);
            if (dialog->isVisible())
                dialog->done(0); // the action did not close it: so the test cannot hang
        }
    });
}

QPushButton* Button(const QWidget* dialog, const QString& text)
{
    for (QPushButton* b : dialog->findChildren<QPushButton*>())
        if (b->text() == text && b->isVisible())
            return b;
    return nullptr;
}

// Clicks the dialog's button of that caption, or else presses the key ("Return", "Esc").
void Act(QWidget* dialog, const QString& action)
{
    if (QPushButton* b = Button(dialog, action))
        QTest::mouseClick(b, Qt::LeftButton);
    else
        QTest::keyClick(dialog, QKeySequence(action)[0].key());
}

struct Rig {
    Rig(bool sorted, const QStringList& entries) : list(nullptr, sorted)
    {
        for (const QString& e : entries)
            list.AddItem(e);
        list.onClick = [this] { ++clicks; };
        list.onDblClick = [this] { ++dblClicks; };
        list.resize(200, 300);
        list.show();
    }
    QPoint At(int row) { return list.EntryRect(row).center(); }
    ListBox list;
    int clicks = 0;
    int dblClicks = 0;
};

} // namespace

class WidgetTests : public QObject {
    Q_OBJECT
private slots:
    void sortedAdding_data()
    {
        QTest::addColumn<bool>("sorted");
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("Zahlen als Text") << true << QStringList{"3", "12", "20", "100"}
                                         << QStringList{"100", "12", "20", "3"};
        QTest::newRow("Gleiche") << true << QStringList{"b", "a", "b", "a"} << QStringList{"a", "a", "b", "b"};
        QTest::newRow("Codeseite") << true << QStringList{"b", "Ä", "a", "B", "z", " x"}
                                   << QStringList{" x", "B", "a", "b", "z", "Ä"};
        QTest::newRow("unsortiert") << false << QStringList{"3", "12", "a"} << QStringList{"3", "12", "a"};
    }
    // One by one, in one step into an empty list, and in one step behind a first entry: one order.
    void sortedAdding()
    {
        QFETCH(bool, sorted);
        QFETCH(QStringList, added);
        QFETCH(QStringList, shown);
        Rig one(sorted, added), all(sorted, {}), rest(sorted, {added.first()});
        all.list.AddItems(added);
        rest.list.AddItems(added.mid(1));
        for (Rig* r : {&one, &all, &rest})
            QCOMPARE(r->list.Entries(), shown);
        QCOMPARE(one.list.List(shown.size()), QString());
        QCOMPARE(one.list.List(-1), QString());
    }

    void codeChangesNeverClick()
    {
        Rig f(true, {"3", "5", "7"});
        f.list.SetListIndex(1);
        f.clicks = 0;
        f.list.AddItem(QStringLiteral("1")); // before the selected entry: the selection moves along
        QCOMPARE(f.list.ListIndex(), 2);
        f.list.AddItems({"9", "0"});
        f.list.RemoveItem(0);
        f.list.RemoveItem(99);
        f.list.RemoveItem(-1);
        QCOMPARE(f.list.ListIndex(), 2);
        f.list.RemoveItems(0, 2); // the selected entry stays
        QCOMPARE(f.list.Entries(), (QStringList{"5", "7", "9"}));
        QCOMPARE(f.list.ListIndex(), 0);
        f.list.RemoveItems(-1, 2); // the part inside the list goes, the selected entry with it
        QCOMPARE(f.list.Entries(), (QStringList{"7", "9"}));
        QCOMPARE(f.list.ListIndex(), -1);
        f.list.SetListIndex(1);
        f.list.RemoveItems(0, 2);
        QCOMPARE(f.list.ListIndex(), -1);
        f.list.AddItems({"a", "b"});
        f.list.SetListIndex(0);
        f.list.RemoveItem(0);
        QCOMPARE(f.list.ListIndex(), -1);
        f.list.Clear();
        QCOMPARE(f.list.ListCount(), 0);
        QCOMPARE(f.clicks, 2); // only the two SetListIndex
    }

    // A position set by the program or a key: the handler runs once, and already sees the new position.
    void selection_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("action"); // a position to set, or a key
        QTest::addColumn<int>("after");
        QTest::addColumn<int>("clicks");
        QTest::newRow("wählen") << -1 << "2" << 2 << 1;
        QTest::newRow("dieselbe nochmal") << 1 << "1" << 1 << 1;
        QTest::newRow("abwählen") << 2 << "-1" << -1 << 1;
        QTest::newRow("hinter dem Ende") << 1 << "4" << 1 << 0;
        QTest::newRow("unter -1") << 1 << "-2" << 1 << 0;
        QTest::newRow("runter") << 0 << "Down" << 1 << 1;
        QTest::newRow("runter am Ende") << 3 << "Down" << 3 << 0;
        QTest::newRow("runter ohne Auswahl wählt die erste") << -1 << "Down" << 0 << 1;
        QTest::newRow("Strg+runter wählt trotzdem") << 0 << "Ctrl+Down" << 1 << 1;
        QTest::newRow("Strg+Leertaste wählt nicht ab") << 1 << "Ctrl+Space" << 1 << 0;
    }
    void selection()
    {
        QFETCH(int, start);
        QFETCH(QString, action);
        QFETCH(int, after);
        QFETCH(int, clicks);
        Rig f(false, {"a", "b", "c", "d"});
        f.list.setFocus();
        f.list.SetListIndex(start);
        int seen = -99;
        f.list.onClick = [&] { ++f.clicks, seen = f.list.ListIndex(); };
        f.clicks = 0;
        bool number = false;
        const int set = action.toInt(&number);
        if (number) {
            f.list.SetListIndex(set);
        } else {
            const QKeyCombination key = QKeySequence(action)[0];
            QTest::keyClick(&f.list, key.key(), key.keyboardModifiers());
        }
        QCOMPARE(f.list.ListIndex(), after);
        QCOMPARE(f.clicks, clicks);
        QCOMPARE(seen, clicks ? after : -99);
    }

    void mouse()
    {
        Rig f(false, {"a", "b", "c"});
        QWidget* area = f.list.viewport();
        QTest::mouseClick(area, Qt::LeftButton, {}, f.At(1));
        QTest::mouseClick(area, Qt::LeftButton, {}, f.At(1)); // the selected one again is a click
        QTest::mouseClick(area, Qt::LeftButton, Qt::ControlModifier, f.At(1)); // cannot unselect
        QCOMPARE(f.list.ListIndex(), 1);
        QCOMPARE(f.clicks, 3);
        QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(5, area->height() - 3)); // below the entries
        QTest::mouseClick(area, Qt::RightButton, {}, f.At(2));
        QCOMPARE(f.list.ListIndex(), 1);
        QTest::mouseClick(area, Qt::LeftButton, {}, f.At(2));
        QTest::mouseDClick(area, Qt::LeftButton, {}, f.At(2));
        QTest::mouseDClick(area, Qt::RightButton, {}, f.At(2)); // only the left button double-clicks
        QCOMPARE(f.dblClicks, 1);
        QCOMPARE(f.clicks, 4); // the first press chose the entry; the double click adds none
        // A handler may refill the list from within the click.
        f.list.onClick = [&] { f.list.Clear(); f.list.AddItems({"x", "y", "z"}); ++f.clicks; };
        QTest::mouseClick(area, Qt::LeftButton, {}, f.At(0));
        QTest::keyClick(&f.list, Qt::Key_Down);
        QCOMPARE(f.list.Entries(), (QStringList{"x", "y", "z"}));
        QCOMPARE(f.clicks, 6);
    }

    void msgBox_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("action"); // a key, or the button to click
        QTest::addColumn<QString>("buttons");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("result");
        QTest::newRow("0 Escape") << 0 << "Esc" << "OK" << int(QMessageBox::NoIcon) << 1;
        QTest::newRow("20 Enter ist Ja") << 20 << "Return" << "Ja Nein" << int(QMessageBox::Critical) << 6;
        QTest::newRow("48 Enter") << 48 << "Return" << "OK" << int(QMessageBox::Warning) << 1;
        QTest::newRow("64 Enter") << 64 << "Return" << "OK" << int(QMessageBox::Information) << 1;
        QTest::newRow("276 Enter ist Nein") << 276 << "Return" << "Ja Nein" << int(QMessageBox::Critical) << 7;
        QTest::newRow("292 Escape ist Nein") << 292 << "Esc" << "Ja Nein" << int(QMessageBox::Question) << 7;
        QTest::newRow("36 Nein geklickt") << 36 << "Nein" << "Ja Nein" << int(QMessageBox::Question) << 7;
    }
    void msgBox()
    {
        QFETCH(int, style);
        QFETCH(QString, action);
        QFETCH(QString, buttons);
        QFETCH(int, icon);
        QFETCH(int, result);
        QStringList seen;
        WhenShown<QMessageBox>([&](QMessageBox* box) {
            for (const QAbstractButton* b : box->buttons())
                seen << b->text();
            seen << QString::number(box->icon()) << box->windowTitle() << box->text();
            Act(box, action);
        });
        const int got = QtDialogs().MsgBox(QStringLiteral("Wirklich\r\n<beenden>?\r\n\rJetzt\n\r"), style,
                                           QStringLiteral("Ziftora"));
        const QStringList expected{QString::number(icon), QStringLiteral("Ziftora"),
                                   QStringLiteral("Wirklich\n<beenden>?\n\nJetzt")};
        QCOMPARE(seen, buttons.split(u' ') + expected);
        QCOMPARE(got, result);
    }

    void textBox_data()
    {
        QTest::addColumn<bool>("password");
        QTest::addColumn<QString>("defaultText");
        QTest::addColumn<QString>("typed"); // typed over the default
        QTest::addColumn<QString>("action"); // the button to click
        QTest::addColumn<QString>("result");
        QTest::newRow("Vorgabe bestätigt") << false << "Anna" << "" << "OK" << "Anna";
        QTest::newRow("abgebrochen") << false << "" << "12" << "Abbrechen" << "";
        QTest::newRow("Passwort bestätigt") << true << "" << "12" << "OK" << "12";
    }
    void textBox()
    {
        QFETCH(bool, password);
        QFETCH(QString, defaultText);
        QFETCH(QString, typed);
        QFETCH(QString, action);
        QFETCH(QString, result);
        QStringList seen;
        WhenShown<QInputDialog>([&](QInputDialog* dialog) {
            auto* edit = dialog->findChild<QLineEdit*>();
            seen << dialog->windowTitle() << dialog->findChild<QLabel*>()->text() << edit->text()
                 << QString::number(edit->echoMode()) << (Button(dialog, "OK") && Button(dialog, "Abbrechen") ? "Knöpfe" : "");
            if (!typed.isEmpty()) {
                edit->selectAll();
                QTest::keyClicks(edit, typed);
            }
            Act(dialog, action);
        });
        QtDialogs dialogs;
        const QString prompt = QStringLiteral("Passwort <eingeben>:\r");
        const QString got = password ? dialogs.PasswordBox(prompt, QStringLiteral("Ziftora"))
                                     : dialogs.InputBox(prompt, QStringLiteral("Ziftora"), defaultText);
        QCOMPARE(seen, (QStringList{QStringLiteral("Ziftora"), QStringLiteral("Passwort <eingeben>:"), defaultText,
                                    QString::number(password ? QLineEdit::Password : QLineEdit::Normal),
                                    QStringLiteral("Knöpfe")}));
        QCOMPARE(got, result);
    }

    void keyPreview_data()
    {
        QTest::addColumn<bool>("takes");
        QTest::addColumn<QString>("where"); // the control that gets the key
        QTest::addColumn<int>("seen");
        QTest::addColumn<QString>("typed"); // then in the window's field
        QTest::newRow("genommen: wirkt einmal") << true << "field" << 1 << "";
        QTest::newRow("genommen auf einem Knopf") << true << "button" << 1 << "";
        QTest::newRow("gelassen: das Feld bekommt sie") << false << "field" << 1 << "a";
        QTest::newRow("anderes Fenster") << true << "other" << 0 << "";
        QTest::newRow("modaler Dialog offen") << true << "modal" << 0 << "a";
        QTest::newRow("Fenster verborgen") << true << "hidden" << 0 << "a";
    }
    void keyPreview()
    {
        QFETCH(bool, takes);
        QFETCH(QString, where);
        QFETCH(int, seen);
        QFETCH(QString, typed);
        QWidget window, other;
        auto* field = new QLineEdit(&window);
        auto* button = new QPushButton(QStringLiteral("OK"), &window);
        auto* otherField = new QLineEdit(&other);
        int count = 0;
        new KeyPreview(&window, [&](QKeyEvent*) { ++count; return takes; });
        window.show();
        other.show();
        QDialog modal;
        if (where == QLatin1String("modal"))
            modal.setModal(true), modal.show();
        if (where == QLatin1String("hidden"))
            window.hide();
        QWidget* target = where == QLatin1String("button") ? static_cast<QWidget*>(button)
                          : where == QLatin1String("other") ? otherField : field;
        QTest::keyClick(target, Qt::Key_A);
        QCOMPARE(count, seen);
        QCOMPARE(field->text(), typed);
    }
};

QTEST_MAIN(WidgetTests)
#include "widget_tests.moc"
