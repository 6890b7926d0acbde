#pragma once

#include <QWidget>

class Dialogs;
class ErrorList;
class ListBox;
class Printer;
class QLabel;
class QPushButton;

// The error-list window: the error list of the run in three columns (the tasks, their answers,
// the answers sorted), the child it belongs to, "<" and ">" to look at the other children's error
// files, printing and deleting, and the way to the child's "Lernstand". It shows the error list
// and forwards the buttons to it.
class ErrorListWindow : public QWidget {
    Q_OBJECT
public:
    ErrorListWindow(ErrorList& errors, Dialogs& dialogs, Printer& printer);

    // Opening from the training window (after the password): shows the child's name and the list
    // as it is; nothing is loaded. The first opening places it where the training window stands.
    void open(const QString& childName, const QPoint& trainingWindowAt);

signals:
    void closed(); // "Abbruch", Escape or the frame: the training window comes back
    void progressRequested(); // "Lernstand": the page of the child shown here

protected:
    void closeEvent(QCloseEvent* event) override; // closing by the frame acts as "Abbruch"

private:
    void buildControls();
    void showList();
    void cancel();
    void print(bool sortedAnswers);

    ErrorList& errors_;
    Dialogs& dialogs_;
    Printer& printer_;

    // The controls; each one's objectName is its member name without the underscore.
    QLabel* userNameLabel_ = nullptr;
    ListBox* taskList_ = nullptr;
    ListBox* answerList_ = nullptr;
    ListBox* sortedAnswerList_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* printWithAnswersButton_ = nullptr;
    QPushButton* printWithMixedAnswersButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QPushButton* previousUserButton_ = nullptr;
    QPushButton* nextUserButton_ = nullptr;
    QPushButton* progressButton_ = nullptr;
};
