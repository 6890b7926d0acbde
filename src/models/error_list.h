#pragma once

#include "models/task_list.h"

class Dialogs;
class Users;

// The error list of the run: every task answered wrongly, once, with its answer, practised first
// in first out. The error-list window shows it and browses the children's error files into it.
class ErrorList : public TaskList {
    Q_OBJECT
public:
    ErrorList(Dialogs& dialogs, Users& users);

    // "<" and ">": the previous or next child is selected (round the end of the list) and the
    // list shows that child's error file. With no child at all nothing changes.
    void browse(int step);
    // The list shows the selected child's error file.
    void loadSelectedChildsFile();

signals:
    // The child whose error file the list now shows; comes before the file is read.
    void browsedTo(const QString& shownName);

private:
    Dialogs& dialogs_;
    Users& users_;
};
