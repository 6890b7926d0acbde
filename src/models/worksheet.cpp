#include "models/worksheet.h"

#include "models/task_source.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/print_job.h"

namespace {

constexpr int NewListRows = 20;

} // namespace

Worksheet::Worksheet(TaskSource& tasks, Dialogs& dialogs, Clipboard& clipboard, Printer& printer,
                     QObject* parent)
    : QObject(parent), tasks_(tasks), dialogs_(dialogs), clipboard_(clipboard), printer_(printer)
{
    connect(&rows_, &TaskList::changed, this, &Worksheet::rowsChanged);
}

const QStringList& Worksheet::solutionColumn() const
{
    return solutions_ == Sheets::Solutions::Mixed ? rows_.sortedAnswers() : rows_.answers();
}

// Building: each row runs the generator as training does, so the training window shows the last
// task built and expects its answer.

void Worksheet::buildNewList()
{
    QStringList texts, answers;
    for (int i = 0; i < NewListRows; ++i) {
        const TaskSource::Task task = tasks_.nextTask();
        texts.append(Sheets::taskRow(task.text));
        answers.append(task.answer);
    }
    rows_.replace(texts, answers);
    searchAndReplace();
}

void Worksheet::appendRow()
{
    const TaskSource::Task task = tasks_.nextTask();
    rows_.add(Sheets::taskRow(task.text), task.answer);
    searchAndReplace();
}

void Worksheet::removeRow(int row)
{
    rows_.removeAt(row);
}

void Worksheet::switchSolutions()
{
    solutions_ = solutions_ == Sheets::Solutions::Beside ? Sheets::Solutions::Mixed
                                                         : Sheets::Solutions::Beside;
    emit solutionsSwitched();
}

void Worksheet::searchAndReplace()
{
    if (searchText_.isEmpty() || replacementText_.isEmpty()) {
        dialogs_.msgBox(QStringLiteral("Beide Felder müssen belegt sein!"), MsgStyle::OkOnly,
                        QStringLiteral("Suchen & Ersetzen"));
        return;
    }
    QStringList rows = rows_.tasks();
    for (QString& row : rows)
        row = Sheets::replaceFirst(row, searchText_, replacementText_);
    rows_.setTasks(rows);
}

// Copying: every row of the task column, with the solutions on show.

void Worksheet::copy(const QString& text, const QString& confirmation)
{
    clipboard_.setText(text);
    dialogs_.msgBox(confirmation, MsgStyle::OkOnly, QStringLiteral("Zwischenablage"));
}

void Worksheet::copyAll()
{
    copy(Sheets::allText(rows_.tasks(), solutionColumn()),
         QStringLiteral("Aufgaben und Lösungen wurden kopiert."));
}

void Worksheet::copyTasks()
{
    copy(Sheets::tasksOnlyText(rows_.tasks()), QStringLiteral("Nur die Aufgaben wurden kopiert."));
}

void Worksheet::copySolutions()
{
    copy(Sheets::solutionsOnlyText(rows_.tasks(), solutionColumn()),
         QStringLiteral("Nur die Lösungen wurden kopiert."));
}

// Printing: rows 0 to 19, after a question that No answers without printing.

bool Worksheet::askToPrint(const QString& question)
{
    return dialogs_.msgBox(question,
                           MsgStyle::YesNo | MsgStyle::Question | MsgStyle::DefaultButton2,
                           QStringLiteral("Drucken"))
            == MsgResult::Yes;
}

void Worksheet::printFullSheet()
{
    if (askToPrint(QStringLiteral("Übungsblatt mit Lösungen drucken?\r")))
        printer_.print(Sheets::fullSheet(rows_.tasks(), solutionColumn(), solutions_));
}

void Worksheet::printSeparateSheets()
{
    if (!askToPrint(QStringLiteral("Übungsblatt einzeln ausdrucken?\r")))
        return;
    printer_.print(Sheets::taskSheet(rows_.tasks()));
    if (askToPrint(QStringLiteral("Die Seite mit den Lösungen drucken?\r")))
        printer_.print(Sheets::solutionSheet(solutionColumn()));
}
