// The user window: the children who use the program. Adding and deleting names is for the teacher
// and needs the password; the users model asks for it.

#include "training/user_window.h"

#include "models/users.h"
#include "platform/controls.h"
#include "platform/list_box.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int ClientWidth = 5295; // twips
constexpr int ClientHeight = 4230; // twips

} // namespace

UserWindow::UserWindow(Users& users) : users_(users)
{
    setObjectName(QStringLiteral("UserWindow"));
    setWindowTitle(QStringLiteral("Ziftora: Benutzerauswahl"));
    buildControls();
    connect(&users_, &Users::namesChanged, this, &UserWindow::showNames);
    connect(&users_, &Users::selectionChanged, this, &UserWindow::showSelection);
    showNames();
    new KeyPreview(this, [this](QKeyEvent* event) { return handleKey(event); });
}

void UserWindow::buildControls()
{
    setFixedSize(Twips::toPixels(ClientWidth), Twips::toPixels(ClientHeight));
    userList_ = placed(new ListBox(this), "userList", 240, 240, 2895, 3630);
    userList_->setAccessibleName(QStringLiteral("Benutzer"));
    connect(userList_, &ListBox::entryClicked, this,
            [this] { users_.select(userList_->listIndex()); });
    connect(userList_, &ListBox::entryDoubleClicked, this, &UserWindow::startSelected);

    const auto button = [this](const char* name, const QString& caption, int top) {
        return placed(new QPushButton(caption, this), name, 3360, top, 1695, 495);
    };
    cancelButton_ = button("cancelButton", QStringLiteral("A b b r u c h"), 240);
    startButton_ = button("startButton", QStringLiteral("S t a r t e n"), 960);
    newNameButton_ = button("newNameButton", QStringLiteral("Neuer Name"), 1680);
    deleteNameButton_ = button("deleteNameButton", QStringLiteral("Name löschen"), 2400);
    // The letter-spaced captions keep their look; a screen reader reads the plain words.
    cancelButton_->setAccessibleName(QStringLiteral("Abbruch"));
    startButton_->setAccessibleName(QStringLiteral("Starten"));
    connect(cancelButton_, &QAbstractButton::clicked, this, &QWidget::hide);
    connect(startButton_, &QAbstractButton::clicked, this, &UserWindow::startSelected);
    connect(newNameButton_, &QAbstractButton::clicked, &users_, &Users::addName);
    connect(deleteNameButton_, &QAbstractButton::clicked, &users_, &Users::deleteSelected);

    // From the list of names, Tab goes to "S t a r t e n" first.
    setTabOrder(userList_, startButton_);
    setTabOrder(startButton_, newNameButton_);
    setTabOrder(newNameButton_, deleteNameButton_);
    setTabOrder(deleteNameButton_, cancelButton_);
}

void UserWindow::showNames()
{
    userList_->showEntries(users_.shownNames(), users_.selected());
}

void UserWindow::showSelection()
{
    userList_->showSelected(users_.selected());
}

void UserWindow::open(const QWidget& trainingWindow)
{
    users_.refresh(); // as other programs on the folder may have changed it
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

// The selected child becomes the current one; the task on screen stays until it is answered.
void UserWindow::startSelected()
{
    if (users_.selected() < 0)
        return;
    hide();
    users_.startSelected();
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
        hide();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter presses the focused button; anywhere else (the list of names) it starts the
        // selected child, as a double click does.
        if (auto* focused = qobject_cast<QPushButton*>(focusWidget()))
            focused->click();
        else
            startSelected();
        return true;
    default:
        return false;
    }
}
