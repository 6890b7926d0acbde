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

    userList_ = new ListBox(this);
    userList_->setObjectName(QStringLiteral("userList"));
    userList_->setAccessibleName(QStringLiteral("Benutzer"));
    Twips::place(userList_, 240, 240, 2895, 3630);
    userList_->onDblClick = [this] { startDoubleClickedUser(); };

    const auto button = [this](QPushButton*& member, const char* name, const QString& caption,
                               int top, void (UserWindow::*handler)()) {
        member = new QPushButton(caption, this);
        member->setObjectName(QString::fromLatin1(name));
        Twips::place(member, 3360, top, 1695, 495);
        connect(member, &QAbstractButton::clicked, this, handler);
    };
    button(cancelButton_, "cancelButton", QStringLiteral("A b b r u c h"), 240,
           &UserWindow::cancel);
    button(startButton_, "startButton", QStringLiteral("S t a r t e n"), 960,
           &UserWindow::startSelectedUser);
    button(newNameButton_, "newNameButton", QStringLiteral("Neuer Name"), 1680,
           &UserWindow::addName);
    button(deleteNameButton_, "deleteNameButton", QStringLiteral("Name löschen"), 2400,
           &UserWindow::deleteName);
    // The letter-spaced captions keep their look; a screen reader reads the plain words.
    cancelButton_->setAccessibleName(QStringLiteral("Abbruch"));
    startButton_->setAccessibleName(QStringLiteral("Starten"));

    // From the list of names, Tab goes to "S t a r t e n" first.
    setTabOrder(userList_, startButton_);
    setTabOrder(startButton_, newNameButton_);
    setTabOrder(newNameButton_, deleteNameButton_);
    setTabOrder(deleteNameButton_, cancelButton_);
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
    userList_->setListIndex(0);
    return shownName(0);
}

void UserWindow::showUsers()
{
    QStringList shown;
    shown.reserve(users_.listedCount());
    for (int i = 0; i < users_.listedCount(); ++i)
        shown.append(::shownName(users_.names().at(i)));
    userList_->clear();
    userList_->addItems(shown);
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
    userList_->setFocus();
}

int UserWindow::userCount() const
{
    return userList_->listCount();
}

int UserWindow::userNumber() const
{
    return userList_->listIndex();
}

QString UserWindow::shownName(int number) const
{
    return userList_->list(number);
}

void UserWindow::selectUser(int number)
{
    userList_->setListIndex(number);
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
void UserWindow::startSelectedUser()
{
    const int index = userList_->listIndex();
    if (index < 0)
        return;
    hide();
    emit userStarted(userList_->list(index));
}

void UserWindow::startDoubleClickedUser()
{
    startSelectedUser();
}

// "Neuer Name": the new name goes to the end, so the numbers (and error files) of the others stay.
void UserWindow::addName()
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
    userList_->addItem(::shownName(name));
    writeUserFile();
}

// "Name löschen": everyone behind the deleted name moves up one number, and with it to the error
// file of the one before. Afterwards no one is selected until a user is started.
void UserWindow::deleteName()
{
    const int index = userList_->listIndex();
    if (userList_->listCount() == 0 || index < 0)
        return;
    if (!askPassword(dialogs_, state_.expectedAnswer, inputTitle()))
        return;
    users_.remove(index);
    showUsers();
    userList_->setListIndex(-1);
    writeUserFile();
}

void UserWindow::cancel()
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
        cancel();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter presses the focused button; anywhere else (the list of names) it starts the
        // selected user, as a double click does.
        if (auto* focused = qobject_cast<QPushButton*>(focusWidget()))
            focused->click();
        else
            startSelectedUser();
        return true;
    default:
        return false;
    }
}
