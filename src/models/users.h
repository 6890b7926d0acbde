#pragma once

#include "models/user_file.h"

#include <QObject>
#include <QStringList>

struct TrainingState;
class Dialogs;

// The children who use the program, one name a line in ZIFTORA.INI, and their error files. A
// name's position is the child's number, and the number names the error file (ZIFTORA.000 for the
// first), so the list keeps the order of the file and is never sorted.
//
// Two children matter at any time and are kept apart: the selected one (the user window's
// selection, which the error-list window's browsing moves and which decides the error file that
// waiting errors are saved to) and the started one (whose name the training window shows). Both
// are kept by number and by full name; a window shows shortened names and never looks a child up
// by what it shows.
class Users : public QObject {
    Q_OBJECT
public:
    // The password of the teacher's changes is the answer of the task on screen in `state`.
    Users(Dialogs& dialogs, const TrainingState& state);

    // Start-up: reads the user file; the first child is selected and counts as started (without
    // started()). Says so when the file exists but cannot be read.
    void load();

    int count() const { return file_.listedCount(); } // the children with an entry, at most 1000
    QStringList shownNames() const;
    QString shownName(int number) const; // "" for no such child

    int selected() const { return selected_; } // -1 when no one is selected
    void select(int number); // -1 .. count() - 1; anything else changes nothing
    // The selected child becomes the started one; false when no one is selected.
    bool startSelected();
    QString startedName() const { return ::shownName(startedName_); }
    // The names in full, as the children's histories know them.
    QStringList fullNames() const { return file_.names().mid(0, count()); }
    const QString& startedFullName() const { return startedName_; }

    // "Neuer Name" and "Name löschen", with the password and every question and message.
    void addName();
    void deleteSelected();

    // The error file of a child, read whole and appended to; see error_file.h.
    QString errorFileName(int number) const;

signals:
    void namesChanged(); // also after load(), with the first child as the started one
    void selectionChanged();
    void started(); // the person started a child: its name shows, the mandatory tasks load again

private:
    bool save();

    Dialogs& dialogs_;
    const TrainingState& state_;
    UserFile file_;
    int selected_ = -1;
    QString startedName_;
};
