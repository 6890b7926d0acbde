#pragma once

#include "models/task_list.h"
#include "models/worksheet_sheets.h"

#include <QObject>

class Clipboard;
class Dialogs;
class Printer;
class TaskSource;

// The worksheet a teacher builds from generated tasks, edits row by row, and prints or copies into
// a word processor. Its rows are the task rows with their answers, in order and sorted; one of the
// two answer columns is on show and goes onto the sheets and the clipboard. Every build and every
// new row ends with a search and replace over the task rows (by default "?" becomes "___", a blank
// to write in). The worksheet asks its questions and says what it did through the dialogs; it is
// kept for the whole run and never written to a file.
class Worksheet : public QObject {
    Q_OBJECT
public:
    Worksheet(TaskSource& tasks, Dialogs& dialogs, Clipboard& clipboard, Printer& printer,
              QObject* parent = nullptr);

    const TaskList& rows() const { return rows_; }
    Sheets::Solutions solutions() const { return solutions_; }
    // The answer column on show: the answers beside their tasks, or the sorted ones (mixed).
    const QStringList& solutionColumn() const;
    const QString& searchText() const { return searchText_; }
    const QString& replacementText() const { return replacementText_; }

    void setSearchText(const QString& text) { searchText_ = text; }
    void setReplacementText(const QString& text) { replacementText_ = text; }

    void buildNewList(); // 20 new rows instead of the old ones
    void appendRow();
    void removeRow(int row); // with its answer and the topmost equal sorted answer
    void switchSolutions(); // beside <-> mixed
    // The first occurrence of the search text in every task row gets replaced, once per run; with
    // an empty field nothing changes and the teacher is told that both fields are needed.
    void searchAndReplace();

    // Every row onto the clipboard, each confirmed by a message.
    void copyAll(); // the task row, five blanks, the solution on show
    void copyTasks();
    void copySolutions();
    // Each sheet after a question that No answers without printing: the task sheet with the
    // solutions beside it; or the task sheet and, after a second question, the solution sheet.
    void printFullSheet();
    void printSeparateSheets();

signals:
    void rowsChanged();
    void solutionsSwitched();

private:
    void copy(const QString& text, const QString& confirmation);
    bool askToPrint(const QString& question);

    TaskSource& tasks_;
    Dialogs& dialogs_;
    Clipboard& clipboard_;
    Printer& printer_;
    TaskList rows_;
    Sheets::Solutions solutions_ = Sheets::Solutions::Beside;
    QString searchText_ = QStringLiteral("?");
    QString replacementText_ = QStringLiteral("___");
};
