// The user window: the children who use the program, one name a line in ZIFTORA.INI. A name's
// position is the child's number, and the number names the error file (ZIFTORA.000 for the first),
// so the list keeps the order of the file and is never sorted. Adding and deleting names is for
// the teacher and needs the password.

#include "training/user_window.h"

#include "engine/training_state.h"
#include "platform/dialogs.h"
#include "platform/password_prompt.h"
#include "platform/list_box.h"
#include "platform/text_file.h"
#include "platform/controls.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int ClientWidth = 5295; // twips
constexpr int ClientHeight = 4230; // twips

const QString& inputTitle()
{
    static const QString title = QStringLiteral("Benutzereingabe");
    return title;
}

// A name becomes one line of ZIFTORA.INI: it must not break the line, and every character must
// exist in the file's code page.
bool canStoreName(const QString& name)
{
    return !name.contains(u'\r') && !name.contains(u'\n') && TextFile::canStore(name);
}

} // namespace

UserWindow::UserWindow(Dialogs& dialogs, const TrainingState& state)
    : dialogs_(dialogs), state_(state)
{
    setObjectName(QStringLiteral("UserWindow"));
    setWindowTitle(QStringLiteral("Ziftora: Benutzerauswahl"));
    buildControls();
    new KeyPreview(this, [this](QKeyEvent* event) { return handleKey(event); });
}

void UserWindow::buildControls()
{
    setFixedSize(Twips::toPixels(ClientWidth), Twips::toPixels(ClientHeight));

    Liste1 = new ListBox(this);
    Liste1->setObjectName(QStringLiteral("Liste1"));
    Liste1->setAccessibleName(QStringLiteral("Benutzer"));
    Twips::place(Liste1, 240, 240, 2895, 3630);
    Liste1->onDblClick = [this] { liste1DblClick(); };

    const auto button = [this](QPushButton*& member, const char* name, const QString& caption,
                               int top, void (UserWindow::*handler)()) {
        member = new QPushButton(caption, this);
        member->setObjectName(QString::fromLatin1(name));
        Twips::place(member, 3360, top, 1695, 495);
        connect(member, &QAbstractButton::clicked, this, handler);
    };
    button(Befehl3, "Befehl3", QStringLiteral("A b b r u c h"), 240, &UserWindow::befehl3Click);
    button(Befehl1, "Befehl1", QStringLiteral("S t a r t e n"), 960, &UserWindow::befehl1Click);
    button(Befehl2, "Befehl2", QStringLiteral("Neuer Name"), 1680, &UserWindow::befehl2Click);
    button(Befehl4, "Befehl4", QStringLiteral("Name löschen"), 2400, &UserWindow::befehl4Click);
    // The letter-spaced captions keep their look; a screen reader reads the plain words.
    Befehl3->setAccessibleName(QStringLiteral("Abbruch"));
    Befehl1->setAccessibleName(QStringLiteral("Starten"));

    // From the list of names, Tab goes to "S t a r t e n" first.
    setTabOrder(Liste1, Befehl1);
    setTabOrder(Befehl1, Befehl2);
    setTabOrder(Befehl2, Befehl4);
    setTabOrder(Befehl4, Befehl3);
}

QString UserWindow::loadUserFile()
{
    if (users_.load() == UserFile::Loaded::Unreadable)
        dialogs_.msgBox(QStringLiteral("Die Benutzerliste %1 konnte nicht gelesen werden.\r"
                                       "Bis zum Ende des Programms gilt nur der Standardbenutzer;\r"
                                       "die Datei bleibt unverändert.\r")
                                .arg(QString::fromLatin1(UserFile::FileName)),
                        MsgStyle::Information, inputTitle());
    showUsers();
    Liste1->setListIndex(0);
    return shownName(0);
}

void UserWindow::showUsers()
{
    QStringList shown;
    shown.reserve(users_.listedCount());
    for (int i = 0; i < users_.listedCount(); ++i)
        shown.append(::shownName(users_.names().at(i)));
    Liste1->clear();
    Liste1->addItems(shown);
}

void UserWindow::open(const QWidget& trainingWindow)
{
    if (isVisible()) {
        // Already open, perhaps behind the training window: bring it to the front.
        raise();
        activateWindow();
        return;
    }
    // Beside the training window, on the same screen as far as it fits.
    QPoint at(trainingWindow.frameGeometry().right() + 1, trainingWindow.frameGeometry().top());
    if (const QScreen* screen = trainingWindow.screen()) {
        const QRect free = screen->availableGeometry();
        const QSize size = frameGeometry().size();
        at.setX(qMax(free.left(), qMin(at.x(), free.right() + 1 - size.width())));
        at.setY(qMax(free.top(), qMin(at.y(), free.bottom() + 1 - size.height())));
    }
    move(at);
    show();
    activateWindow();
    Liste1->setFocus();
}

int UserWindow::userCount() const
{
    return Liste1->listCount();
}

int UserWindow::userNumber() const
{
    return Liste1->listIndex();
}

QString UserWindow::shownName(int number) const
{
    return Liste1->list(number);
}

void UserWindow::selectUser(int number)
{
    Liste1->setListIndex(number);
}

bool UserWindow::writeUserFile()
{
    QString error;
    if (users_.save(&error))
        return true;
    QString text = QStringLiteral("Die Benutzerliste konnte nicht gespeichert werden.\r");
    if (!error.isEmpty())
        text += error + QStringLiteral("\r");
    text += QStringLiteral("Die Änderung gilt nur, bis das Programm beendet wird.\r");
    dialogs_.msgBox(text, MsgStyle::Information, inputTitle());
    return false;
}

// "S t a r t e n": the selected name becomes the current user. The shared mandatory tasks are
// loaded again for the new child; the task on screen stays until it is answered.
void UserWindow::befehl1Click()
{
    const int index = Liste1->listIndex();
    if (index < 0)
        return;
    hide();
    emit userStarted(Liste1->list(index));
}

void UserWindow::liste1DblClick()
{
    befehl1Click();
}

// "Neuer Name": the new name goes to the end, so the numbers (and error files) of the others stay.
void UserWindow::befehl2Click()
{
    if (!askPassword(dialogs_, state_.expectedAnswer, inputTitle()))
        return;
    if (users_.names().size() >= UserFile::MaxUsers) {
        dialogs_.msgBox(QStringLiteral("Es können höchstens 1000 Benutzer eingetragen werden.\r"
                                       "Bitte zuerst einen Namen löschen.\r"),
                        MsgStyle::OkOnly, inputTitle());
        return;
    }
    const QString name = dialogs_.inputBox(QStringLiteral("Neuer Name:"), inputTitle(), QString());
    if (name.isEmpty() || users_.contains(name))
        return;
    if (!canStoreName(name)) {
        dialogs_.msgBox(
                QStringLiteral(
                        "Der Name enthält Zeichen, die in der Benutzerliste nicht gespeichert "
                        "werden können.\rBitte den Namen ohne diese Zeichen eingeben.\r"),
                MsgStyle::OkOnly, inputTitle());
        return;
    }
    users_.add(name);
    Liste1->addItem(::shownName(name));
    writeUserFile();
}

// "Name löschen": everyone behind the deleted name moves up one number, and with it to the error
// file of the one before. Afterwards no one is selected until a user is started.
void UserWindow::befehl4Click()
{
    const int index = Liste1->listIndex();
    if (Liste1->listCount() == 0 || index < 0)
        return;
    if (!askPassword(dialogs_, state_.expectedAnswer, inputTitle()))
        return;
    users_.remove(index);
    showUsers();
    Liste1->setListIndex(-1);
    writeUserFile();
}

void UserWindow::befehl3Click()
{
    hide();
}

void UserWindow::closeEvent(QCloseEvent* event)
{
    // The window is only hidden, so the list stays as it is for the next time.
    event->ignore();
    hide();
}

bool UserWindow::handleKey(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        befehl3Click();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter presses the focused button; anywhere else (the list of names) it starts the
        // selected user, as a double click does.
        if (auto* focused = qobject_cast<QPushButton*>(focusWidget()))
            focused->click();
        else
            befehl1Click();
        return true;
    default:
        return false;
    }
}
