// The list box and the real Qt dialogs, driven as a person would: mouse, keys, buttons.
#include "platform/qt_dialogs.h"
#include "platform/list_box.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Waits (inside the dialog's own event loop) for the modal dialog of the given kind and hands it
// over. Gives up after a while, so a dialog that never appears cannot hang the test.
template <typename Dialog>
void WhenShown(std::function<void(Dialog*)> act)
{
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog && ++*tries < 300)
            return;
        timer->stop();
        timer->deleteLater();
        if (dialog && dialog->isVisible())
            act(dialog);
    });
    timer->start(10);
}

QStringList ButtonTexts(const QWidget* dialog)
{
    QStringList texts;
    for (const QPushButton* b : dialog->findChildren<QPushButton*>())
        if (b->isVisible())
            texts.append(b->text());
    texts.sort();
    return texts;
}

QPushButton* ButtonNamed(const QWidget* dialog, const QString& text)
{
    for (QPushButton* b : dialog->findChildren<QPushButton*>())
        if (b->text() == text)
            return b;
    return nullptr;
}

struct ListFixture {
    ListFixture(bool sorted, const QStringList& entries) : list(nullptr, sorted)
    {
        for (const QString& e : entries)
            list.AddItem(e);
        list.onClick = [this] { ++clicks; };
        list.onDblClick = [this] { ++dblClicks; };
        list.resize(200, 300);
    }
    QPoint Centre(int row) { return list.EntryRect(row).center(); }
    ListBox list;
    int clicks = 0;
    int dblClicks = 0;
};

} // namespace

class WidgetTests : public QObject {
    Q_OBJECT
private slots:
    void sortedInsertion_data();
    void sortedInsertion();
    void codeChangesNeverClick();
    void setListIndexClicksOnce_data();
    void setListIndexClicksOnce();
    void mouseClicks();
    void clickHandlerMayRefillTheList();
    void keys_data();
    void keys();

    void msgBox_data();
    void msgBox();
    void msgBoxLines_data();
    void msgBoxLines();
    void inputBox_data();
    void inputBox();
};

void WidgetTests::sortedInsertion_data()
{
    QTest::addColumn<bool>("sorted");
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("numbers as text") << true << QStringList{"3", "12", "20", "100"}
                                     << QStringList{"100", "12", "20", "3"};
    QTest::newRow("duplicates") << true << QStringList{"b", "a", "b", "a"} << QStringList{"a", "a", "b", "b"};
    QTest::newRow("code page order") << true << QStringList{"b", "Ä", "a", "B", "z", " x"}
                                     << QStringList{" x", "B", "a", "b", "z", "Ä"};
    QTest::newRow("unsorted keeps order") << false << QStringList{"3", "12", "a"} << QStringList{"3", "12", "a"};
}

void WidgetTests::sortedInsertion()
{
    QFETCH(bool, sorted);
    QFETCH(QStringList, added);
    QFETCH(QStringList, shown);
    ListFixture f(sorted, added);
    QCOMPARE(f.list.Entries(), shown);
    QCOMPARE(f.list.ListCount(), shown.size());
    QCOMPARE(f.list.List(0), shown.first());
    QCOMPARE(f.list.List(shown.size()), QString());
    QCOMPARE(f.list.List(-1), QString());
}

void WidgetTests::codeChangesNeverClick()
{
    ListFixture f(true, {"3", "5", "7"});
    f.list.SetListIndex(1);
    f.clicks = 0;

    f.list.AddItem(QStringLiteral("1")); // before the selected entry: the selection moves along
    QCOMPARE(f.list.ListIndex(), 2);
    QCOMPARE(f.list.List(f.list.ListIndex()), QStringLiteral("5"));
    f.list.AddItem(QStringLiteral("9"));
    f.list.RemoveItem(0);
    QCOMPARE(f.list.ListIndex(), 1);
    f.list.RemoveItem(99);
    f.list.RemoveItem(-1);
    QCOMPARE(f.list.ListCount(), 4);

    f.list.RemoveItem(1); // the selected one: nothing stays selected
    QCOMPARE(f.list.ListIndex(), -1);
    QCOMPARE(f.list.Entries(), (QStringList{"3", "7", "9"}));

    f.list.SetListIndex(2);
    f.clicks = 0;
    f.list.Clear();
    QCOMPARE(f.list.ListCount(), 0);
    QCOMPARE(f.list.ListIndex(), -1);
    QCOMPARE(f.clicks, 0);
}

void WidgetTests::setListIndexClicksOnce_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("after");
    QTest::addColumn<int>("clicks");
    QTest::newRow("select") << -1 << 2 << 2 << 1;
    QTest::newRow("move") << 0 << 1 << 1 << 1;
    QTest::newRow("same again") << 1 << 1 << 1 << 1;
    QTest::newRow("unselect") << 2 << -1 << -1 << 1;
    QTest::newRow("unselect nothing") << -1 << -1 << -1 << 1;
    QTest::newRow("past the end") << 1 << 3 << 1 << 0;
    QTest::newRow("below -1") << 1 << -2 << 1 << 0;
}

void WidgetTests::setListIndexClicksOnce()
{
    QFETCH(int, before);
    QFETCH(int, set);
    QFETCH(int, after);
    QFETCH(int, clicks);
    ListFixture f(false, {"a", "b", "c"});
    f.list.SetListIndex(before);
    f.clicks = 0;
    int seenIndex = -99;
    f.list.onClick = [&] { ++f.clicks; seenIndex = f.list.ListIndex(); };
    f.list.SetListIndex(set);
    QCOMPARE(f.clicks, clicks);
    QCOMPARE(f.list.ListIndex(), after);
    if (clicks)
        QCOMPARE(seenIndex, after); // the handler already sees the new position
}

void WidgetTests::mouseClicks()
{
    ListFixture f(false, {"a", "b", "c"});
    f.list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.list));
    QWidget* area = f.list.viewport();

    QTest::mouseClick(area, Qt::LeftButton, {}, f.Centre(1));
    QCOMPARE(f.clicks, 1);
    QCOMPARE(f.list.ListIndex(), 1);

    QTest::mouseClick(area, Qt::LeftButton, {}, f.Centre(1)); // the selected entry again
    QCOMPARE(f.clicks, 2);
    QTest::mouseClick(area, Qt::LeftButton, Qt::ControlModifier, f.Centre(1)); // cannot unselect
    QCOMPARE(f.list.ListIndex(), 1);
    QCOMPARE(f.clicks, 3);

    QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(5, area->height() - 3)); // below the entries
    QTest::mouseClick(area, Qt::RightButton, {}, f.Centre(2));
    QCOMPARE(f.clicks, 3);
    QCOMPARE(f.list.ListIndex(), 1);

    // A double click reaches the list as a press and release, then the double click itself.
    QTest::mouseClick(area, Qt::LeftButton, {}, f.Centre(2));
    QTest::mouseDClick(area, Qt::LeftButton, {}, f.Centre(2));
    QCOMPARE(f.list.ListIndex(), 2);
    QCOMPARE(f.dblClicks, 1);
    QCOMPARE(f.clicks, 4); // the first press chose the entry, once; the double click adds none
}

void WidgetTests::clickHandlerMayRefillTheList()
{
    // The operation buttons' handlers refill lists from within a click; the list must survive it.
    ListFixture f(false, {"a", "b", "c"});
    f.list.onClick = [&] {
        ++f.clicks;
        const QString chosen = f.list.List(f.list.ListIndex());
        f.list.Clear();
        for (const char* e : {"x", "y", "z", "w"})
            f.list.AddItem(e);
        f.list.setProperty("chosen", chosen);
    };
    f.list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.list));
    QTest::mouseClick(f.list.viewport(), Qt::LeftButton, {}, f.Centre(2));
    QCOMPARE(f.clicks, 1);
    QCOMPARE(f.list.property("chosen").toString(), QStringLiteral("c"));
    QCOMPARE(f.list.ListCount(), 4);
    QTest::keyClick(&f.list, Qt::Key_Down);
    QCOMPARE(f.clicks, 2);
    QCOMPARE(f.list.property("chosen").toString(), QStringLiteral("x"));
}

void WidgetTests::keys_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("after");
    QTest::addColumn<int>("clicks");
    QTest::newRow("down") << 0 << int(Qt::Key_Down) << 0 << 1 << 1;
    QTest::newRow("up") << 2 << int(Qt::Key_Up) << 0 << 1 << 1;
    QTest::newRow("down at the end") << 3 << int(Qt::Key_Down) << 0 << 3 << 0;
    QTest::newRow("down from none chooses the first") << -1 << int(Qt::Key_Down) << 0 << 0 << 1;
    QTest::newRow("end") << 1 << int(Qt::Key_End) << 0 << 3 << 1;
    QTest::newRow("control down still chooses") << 0 << int(Qt::Key_Down) << int(Qt::ControlModifier) << 1 << 1;
    QTest::newRow("control space cannot unselect") << 1 << int(Qt::Key_Space) << int(Qt::ControlModifier) << 1 << 0;
}

void WidgetTests::keys()
{
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, after);
    QFETCH(int, clicks);
    ListFixture f(false, {"a", "b", "c", "d"});
    f.list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.list));
    f.list.setFocus();
    f.list.SetListIndex(start);
    f.clicks = 0;
    QTest::keyClick(&f.list, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(f.list.ListIndex(), after);
    QCOMPARE(f.clicks, clicks);
}

void WidgetTests::msgBox_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("action"); // "enter", "escape" or the text of the button to click
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("result");
    const QStringList ok{"OK"};
    const QStringList yesNo{"Ja", "Nein"};
    QTest::newRow("0 enter") << 0 << "enter" << ok << int(QMessageBox::NoIcon) << 1;
    QTest::newRow("0 escape") << 0 << "escape" << ok << int(QMessageBox::NoIcon) << 1;
    QTest::newRow("20 enter is yes") << 20 << "enter" << yesNo << int(QMessageBox::Critical) << 6;
    QTest::newRow("36 enter is yes") << 36 << "enter" << yesNo << int(QMessageBox::Question) << 6;
    QTest::newRow("64 enter") << 64 << "enter" << ok << int(QMessageBox::Information) << 1;
    QTest::newRow("276 enter is no") << 276 << "enter" << yesNo << int(QMessageBox::Critical) << 7;
    QTest::newRow("276 click yes") << 276 << "Ja" << yesNo << int(QMessageBox::Critical) << 6;
    QTest::newRow("292 enter is no") << 292 << "enter" << yesNo << int(QMessageBox::Question) << 7;
    QTest::newRow("292 escape is no") << 292 << "escape" << yesNo << int(QMessageBox::Question) << 7;
    QTest::newRow("292 click yes") << 292 << "Ja" << yesNo << int(QMessageBox::Question) << 6;
}

void WidgetTests::msgBox()
{
    QFETCH(int, style);
    QFETCH(QString, action);
    QFETCH(QStringList, buttons);
    QFETCH(int, icon);
    QFETCH(int, result);

    QStringList seenButtons;
    int seenIcon = -1;
    QString seenTitle;
    bool acted = false;
    WhenShown<QMessageBox>([&](QMessageBox* box) {
        seenButtons = ButtonTexts(box);
        seenIcon = box->icon();
        seenTitle = box->windowTitle();
        if (action == QLatin1String("enter")) {
            QTest::keyClick(box, Qt::Key_Return);
        } else if (action == QLatin1String("escape")) {
            QTest::keyClick(box, Qt::Key_Escape);
        } else if (QPushButton* b = ButtonNamed(box, action)) {
            QTest::mouseClick(b, Qt::LeftButton);
        }
        acted = true;
        if (box->isVisible()) // the action did not close it: close it so the test cannot hang
            box->done(0);
    });
    QtDialogs dialogs;
    const int got = dialogs.MsgBox(QStringLiteral("Dieses Programm jetzt beenden?\r"), style,
                                   QStringLiteral("ZFT-Zaruzidovavivediv"));
    QVERIFY(acted);
    QCOMPARE(seenButtons, buttons);
    QCOMPARE(seenIcon, icon);
    QCOMPARE(seenTitle, QStringLiteral("ZFT-Zaruzidovavivediv"));
    QCOMPARE(got, result);
}

void WidgetTests::msgBoxLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("closing cr") << "Liste wurde gespeichert.\r" << "Liste wurde gespeichert.";
    QTest::newRow("cr between") << "Die Liste enthält keine Daten!\rPflichtaufgaben jetzt löschen?"
                                << "Die Liste enthält keine Daten!\nPflichtaufgaben jetzt löschen?";
    QTest::newRow("lf cr pairs") << "Fehler: 3\n\rRichtig: 17\n\r" << "Fehler: 3\nRichtig: 17";
    QTest::newRow("cr lf and an empty line") << "a\r\n\r\nb" << "a\n\nb";
    QTest::newRow("leading blank and signs kept") << " 7 + 5 <=> 13 <b>x</b>" << " 7 + 5 <=> 13 <b>x</b>";
}

void WidgetTests::msgBoxLines()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QString seenText;
    bool plain = false;
    WhenShown<QMessageBox>([&](QMessageBox* box) {
        seenText = box->text();
        plain = box->textFormat() == Qt::PlainText;
        box->done(0);
    });
    QtDialogs dialogs;
    dialogs.MsgBox(text, MsgStyle::Information, QStringLiteral("Pflichtaufgaben"));
    QCOMPARE(seenText, shown);
    QVERIFY(plain);
}

void WidgetTests::inputBox_data()
{
    QTest::addColumn<QString>("defaultText");
    QTest::addColumn<QString>("typed");    // typed over the default; empty: nothing typed
    QTest::addColumn<QString>("action");   // "OK", "Abbrechen" or "escape"
    QTest::addColumn<QString>("result");
    QTest::newRow("typed and confirmed") << "" << "7R5" << "OK" << "7R5";
    QTest::newRow("default confirmed") << "Anna" << "" << "OK" << "Anna";
    QTest::newRow("cancelled") << "" << "12" << "Abbrechen" << "";
    QTest::newRow("escape") << "Anna" << "" << "escape" << "";
}

void WidgetTests::inputBox()
{
    QFETCH(QString, defaultText);
    QFETCH(QString, typed);
    QFETCH(QString, action);
    QFETCH(QString, result);

    QStringList seenButtons;
    QString seenLabel;
    QString seenTitle;
    QString seenDefault;
    WhenShown<QInputDialog>([&](QInputDialog* dialog) {
        seenButtons = ButtonTexts(dialog);
        seenTitle = dialog->windowTitle();
        if (const QLabel* label = dialog->findChild<QLabel*>())
            seenLabel = label->text();
        QLineEdit* edit = dialog->findChild<QLineEdit*>();
        if (edit) {
            seenDefault = edit->text();
            if (!typed.isEmpty()) {
                edit->selectAll();
                QTest::keyClicks(edit, typed);
            }
        }
        if (action == QLatin1String("escape"))
            QTest::keyClick(dialog, Qt::Key_Escape);
        else if (QPushButton* b = ButtonNamed(dialog, action))
            QTest::mouseClick(b, Qt::LeftButton);
        if (dialog->isVisible())
            dialog->done(QDialog::Rejected);
    });
    QtDialogs dialogs;
    const QString got = dialogs.InputBox(QStringLiteral("Passwort eingeben:"),
                                         QStringLiteral("Benutzer"), defaultText);
    QCOMPARE(seenButtons, (QStringList{"Abbrechen", "OK"}));
    QCOMPARE(seenLabel, QStringLiteral("Passwort eingeben:"));
    QCOMPARE(seenTitle, QStringLiteral("Benutzer"));
    QCOMPARE(seenDefault, defaultText);
    QCOMPARE(got, result);
}

QTEST_MAIN(WidgetTests)
#include "widget_tests.moc"
