#pragma once

#include <QWidget>

class Dialogs;
class UserWindow;
class KeyPreview;
class ListBox;
class Printer;
class QLabel;
class QPushButton;

// ErrorListWindow, the error list window. Its three lists are the error list of the whole run: the
// task texts, their answers in the same order, and the answers in ascending order. They exist from
// the start of the program whether or not the window is shown. Other windows change them only
// through the operations below. Browsing goes through the users of the user window UserWindow;
// printing lays the list out as the worksheet's full sheet and hands it to the printer.
class ErrorListWindow : public QWidget {
    Q_OBJECT
public:
    ErrorListWindow(Dialogs& dialogs, UserWindow& users, Printer& printer);

    // Opening from the training window (after the password): shows the current user's name and
    // the lists as they are; nothing is loaded. The first opening places it where the training
    // window stands.
    void open(const QString& userName, const QPoint& trainingWindowAt);

    // The error list of the run, for the training window.
    int errorCount() const;
    bool hasError(const QString& task) const;
    QStringList tasks() const;
    QStringList answers() const;
    // Takes the first task off the list (and one equal answer off the sorted list); false when
    // empty.
    bool takeFirstError(QString* task, QString* answer);

    void cancel(); // "Abbruch"
    void printWithAnswers(); // "Drucken mit richtiger Lösung"
    void printWithMixedAnswers(); // "Drucken mit gemischter Lösung"
    void deleteErrors(); // "Löschen"
    void showPreviousUser(); // "<"
    void showNextUser(); // ">"
    void loadErrorFile();

    // Appends one task to the error list (its answer goes into both answer lists).
    void addError(const QString& task, const QString& answer);

signals:
    void closed(); // "Abbruch", Escape or the frame: the training window comes back

protected:
    void closeEvent(QCloseEvent* event) override; // closing by the frame acts as "Abbruch"

private:
    void browse(int step);
    void clearLists();
    void printList(const ListBox* solutions);
    Dialogs& dialogs_;
    UserWindow& users_;
    Printer& printer_;

    // The controls; each one's objectName is its member name without the underscore.
    QLabel* taskCaption_ = nullptr;
    QLabel* answerCaption_ = nullptr;
    QLabel* sortedAnswerCaption_ = nullptr;
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
};
