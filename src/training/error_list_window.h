#pragma once

#include <QWidget>

class Program;
class ListBox;
class QLabel;
class QPushButton;

// Form8, the error list window. Its three lists are the error list of the whole run: the task
// texts, their answers in the same order, and the answers in ascending order. They exist from the
// start of the program whether or not the window is shown.
class Form8 : public QWidget {
    Q_OBJECT
public:
    explicit Form8(Program& program);

    // Opening from the training window (after the password): shows the current user's name and
    // the lists as they are; nothing is loaded.
    void Open(const QString& userName);

    void Befehl1_Click();   // "Abbruch"
    void Befehl4_Click();   // "Löschen"
    void Befehl5_Click();   // "<"
    void Befehl6_Click();   // ">"
    void LoadErrorFile();

    // Appends one task to the error list (its answer goes into both answer lists).
    void AddError(const QString& task, const QString& answer);

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

protected:
    void closeEvent(QCloseEvent* event) override;   // closing by the frame acts as "Abbruch"
    void keyPressEvent(QKeyEvent* event) override;  // Escape acts as "Abbruch"

private:
    void Browse(int step);
    Program& program_;
};
