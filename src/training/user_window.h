#pragma once

#include <QWidget>

class ListBox;
class QKeyEvent;
class QPushButton;
class Users;

// The user window: the list of children and the teacher's "Neuer Name" and "Name löschen". It
// shows the users model (the names, the selected child) and forwards the person's choices to it.
class UserWindow : public QWidget {
    Q_OBJECT
public:
    explicit UserWindow(Users& users);

    // Shows the window beside the training window (and brings it to the front when it is open).
    void open(const QWidget& trainingWindow);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void showNames();
    void showSelection();
    void startSelected(); // "S t a r t e n", a double click or Enter in the list
    bool handleKey(QKeyEvent* event);

    Users& users_;

    // The controls; each one's objectName is its member name without the underscore.
    ListBox* userList_ = nullptr;
    QPushButton* startButton_ = nullptr;
    QPushButton* newNameButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* deleteNameButton_ = nullptr;
};
