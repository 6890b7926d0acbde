#include "models/worksheet_sheets.h"

namespace Sheets {

namespace {

constexpr int RowWidth = 20;
constexpr int Rows = 20; // a printed worksheet has exactly 20 tasks
constexpr int TaskColumn = 10;
constexpr int BlankColumn = 40;
constexpr int FoldColumn = 60;
constexpr int SolutionColumn = 65;
const QString CRLF = QStringLiteral("\r\n");
const QString AnswerBlank = QString(11, u'_');

// The full sheet over the given number of rows; its first three lines are the heading.
PrintJob sheet(const QString& name, const QStringList& tasks, const QStringList& solutions,
               Solutions shown, int rows)
{
    PrintJob job;
    job.name = name;
    job.headingLines = 3;
    job.endLine();
    job.place(TaskColumn, QStringLiteral("Au f g a b e"));
    job.place(BlankColumn, QStringLiteral("E r g e b n i s"));
    job.place(FoldColumn, QStringLiteral("."));
    job.place(SolutionColumn,
              shown == Solutions::Beside ? QStringLiteral("Lösung falten")
                                         : QStringLiteral("Lösung suchen"));
    job.endLine();
    job.place(TaskColumn, QString(56, u'_'));
    job.endLine();
    for (int i = 0; i < rows; ++i) {
        job.endLine();
        job.place(TaskColumn, tasks.value(i));
        job.place(BlankColumn, AnswerBlank);
        job.place(FoldColumn, QStringLiteral("."));
        job.place(SolutionColumn, solutions.value(i));
        job.endLine();
    }
    return job;
}

} // namespace

QString taskRow(const QString& taskText)
{
    return (taskText + QString(RowWidth, u' ')).left(RowWidth);
}

QString replaceFirst(const QString& row, const QString& search, const QString& replacement)
{
    const qsizetype at = row.indexOf(search);
    return at < 0 ? row : row.left(at) + replacement + row.mid(at + search.size());
}

QString blankRow(const QString& taskText)
{
    return replaceFirst(taskRow(taskText), QStringLiteral("?"), QStringLiteral("___"));
}

PrintJob taskSheet(const QStringList& tasks)
{
    PrintJob job;
    job.name = QStringLiteral("Übungsblatt");
    job.endLine();
    job.place(TaskColumn, QStringLiteral("A u f g a b e"));
    job.place(BlankColumn, QStringLiteral("E r g e b n i s"));
    // The underline always starts on the line after the headings, which already reach past it.
    job.place(TaskColumn, QString(35, u'_'));
    job.endLine();
    job.endLine();
    for (int i = 0; i < Rows; ++i) {
        job.endLine();
        job.place(TaskColumn, tasks.value(i));
        job.place(BlankColumn, AnswerBlank);
        job.endLine();
    }
    return job;
}

PrintJob solutionSheet(const QStringList& solutions)
{
    PrintJob job;
    job.name = QStringLiteral("Lösungsblatt");
    for (int i = 0; i < Rows; ++i) {
        job.endLine();
        job.place(TaskColumn, solutions.value(i));
        job.endLine();
    }
    return job;
}

PrintJob fullSheet(const QStringList& tasks, const QStringList& solutions, Solutions shown)
{
    return sheet(QStringLiteral("Übungsblatt"), tasks, solutions, shown, Rows);
}

PrintJob errorListSheet(const QStringList& tasks, const QStringList& solutions, Solutions shown)
{
    QStringList rows;
    for (const QString& task : tasks)
        rows.append(blankRow(task));
    return sheet(QStringLiteral("Fehlerliste"), rows, solutions, shown, int(rows.size()));
}

QString allText(const QStringList& tasks, const QStringList& solutions)
{
    QString text;
    for (qsizetype i = 0; i < tasks.size(); ++i)
        text += tasks[i] + QString(5, u' ') + solutions.value(i) + CRLF;
    return text;
}

QString tasksOnlyText(const QStringList& tasks)
{
    QString text;
    for (const QString& task : tasks)
        text += task + CRLF;
    return text;
}

QString solutionsOnlyText(const QStringList& tasks, const QStringList& solutions)
{
    QString text;
    for (qsizetype i = 0; i < tasks.size(); ++i)
        text += solutions.value(i) + CRLF;
    return text;
}

} // namespace Sheets
