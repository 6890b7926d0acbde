#pragma once

#include "training/user_file.h"

#include <QWidget>

struct TrainingState;
class Dialogs;
class ListBox;
class QPushButton;

// UserWindow, the user window: the list of children from ZIFTORA.INI. The selected entry is the
// current user; its position is the user's number, which names the error file. The window reads and
// writes the user file; the training window and the error list window ask it for names and numbers.
class UserWindow : public QWidget {
    Q_OBJECT
public:
    // The password of its teacher functions is the answer of the task on screen in `state`.
    UserWindow(Dialogs& dialogs, const TrainingState& state);

    void startSelectedUser(); // "S t a r t e n"
    void addName(); // "Neuer Name"
    void cancel(); // "A b b r u c h"
    void deleteName(); // "Name löschen"
    void startDoubleClickedUser();

    // Start-up: reads the user file into the list and selects the first user; says so when the
    // file exists but cannot be read. Returns the first user's name as shown.
    QString loadUserFile();

    // Shows the window beside the training window (and brings it to the front when it is open).
    void open(const QWidget& trainingWindow);

    // The users with an entry in the list, the current user's number (-1 when none is selected),
    // a user's name as shown, and choosing a user (as a click on the list does).
    int userCount() const;
    int userNumber() const;
    QString shownName(int number) const;
    void selectUser(int number);

signals:
    void userStarted(const QString& shownName); // "S t a r t e n" or a double click

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void showUsers();
    bool writeUserFile();
    bool handleKey(QKeyEvent* event);
    Dialogs& dialogs_;
    const TrainingState& state_;
    UserFile users_;

    // The controls; each one's objectName is its member name without the underscore.
    ListBox* userList_ = nullptr;
    QPushButton* startButton_ = nullptr;
    QPushButton* newNameButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* deleteNameButton_ = nullptr;
};
