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

    void befehl1Click(); // "Abbruch"
    void befehl2Click(); // "Drucken mit richtiger Lösung"
    void befehl3Click(); // "Drucken mit gemischter Lösung"
    void befehl4Click(); // "Löschen"
    void befehl5Click(); // "<"
    void befehl6Click(); // ">"
    void loadErrorFile();

    // Appends one task to the error list (its answer goes into both answer lists).
    void addError(const QString& task, const QString& answer);

    QLabel* Bezeichnung1 = nullptr;
    QLabel* Bezeichnung2 = nullptr;
    QLabel* Bezeichnung3 = nullptr;
    QLabel* Bezeichnung4 = nullptr;
    ListBox* Liste1 = nullptr;
    ListBox* Liste2 = nullptr;
    ListBox* Liste3 = nullptr;
    QPushButton* Befehl1 = nullptr;
    QPushButton* Befehl2 = nullptr;
    QPushButton* Befehl3 = nullptr;
    QPushButton* Befehl4 = nullptr;
    QPushButton* Befehl5 = nullptr;
    QPushButton* Befehl6 = nullptr;

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
};
