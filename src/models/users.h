#pragma once

#include "models/user_file.h"

#include <QList>
#include <QObject>
#include <QStringList>

struct TrainingState;
class Clock;
class Dialogs;

// The children who use the program, one name a line in ZIFTORA.INI, and their error files. A
// name's position is the child's number, and the number names the error file (ZIFTORA.000 for the
// first), so the list keeps the order of the file and is never sorted.
//
// Two children matter at any time and are kept apart: the selected one (the user window's
// selection, which the error-list window's browsing moves and which decides the error file that
// waiting errors are saved to) and the started one (whose name the training window shows). Both
// are kept by number and by full name; a window shows shortened names and never looks a child up
// by what it shows. When the list is read again, each is found again by name near its number.
//
// Other programs may share the folder (see UserFile): the list is read again whenever the user
// window opens and before every change, and a child's error file is found by the child's name in
// the list as it is at that moment, under the list's lock, each time it is read or appended to.
class Users : public QObject {
    Q_OBJECT
public:
    // The password of the teacher's changes is the answer of the task on screen in `state`.
    Users(Dialogs& dialogs, const TrainingState& state, const Clock& clock,
          SharedFile::Waits waits = {});

    // Start-up: reads the user file; the first child is selected and counts as started (without
    // started()). Says so when the file exists but cannot be read.
    void load();
    // Reads the user file again as other programs left it; changes this program could not write
    // yet are written now if the file is free.
    void refresh();

    int count() const { return file_.listedCount(); } // the children with an entry, at most 1000
    QStringList shownNames() const;
    QString shownName(int number) const; // "" for no such child

    int selected() const { return selected_; } // -1 when no one is selected
    void select(int number); // -1 .. count() - 1; anything else changes nothing
    // The selected child becomes the started one; false when no one is selected.
    bool startSelected();
    QString startedName() const { return ::shownName(started_.name); }
    // The names in full, as the children's histories know them.
    QStringList fullNames() const { return file_.names().mid(0, count()); }
    const QString& startedFullName() const { return started_.name; }

    // "Neuer Name" and "Name löschen", with the password and every question and message.
    void addName();
    void deleteSelected();

    // Appends tasks with their answers to the selected child's error file. Says so when they
    // cannot be saved (they stay in the error list). When another program holds the user list or
    // the file, nothing is said: they wait and go with writeWaitingErrors().
    void saveErrors(const QStringList& tasks, const QStringList& answers);
    // Writes the errors that wait for a lock, in order, waiting up to waitMs (-1: a moment).
    void writeWaitingErrors(int waitMs = -1);
    int waitingErrors() const { return int(waiting_.size()); }
    // Reads the selected child's error file. False when it is there but cannot be read;
    // *fileName names the file ("" for none).
    bool readErrors(QStringList* tasks, QStringList* answers, QString* fileName) const;

signals:
    void namesChanged(); // also after load(), with the first child as the started one
    void selectionChanged();
    void started(); // the person started a child: its name shows, the mandatory tasks load again

private:
    struct Child {
        QString name;
        int number = -1;
    };
    struct WaitingErrors {
        Child child;
        QStringList tasks, answers;
    };
    enum class Appended { Written, Waiting, NotSaved };

    bool save();
    void showList();
    Appended append(const WaitingErrors& errors, int waitMs);

    Dialogs& dialogs_;
    const TrainingState& state_;
    const Clock& clock_;
    SharedFile::Waits waits_;
    UserFile file_;
    int selected_ = -1;
    QString selectedName_;
    Child started_;
    QList<WaitingErrors> waiting_;
};
