#include "worksheets/worksheet_rules.h"

namespace Worksheet {

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
PrintJob Sheet(const QString& name, const QStringList& tasks, const QStringList& solutions,
               Solutions shown, int rows)
{
    PrintJob job;
    job.name = name;
    job.headingLines = 3;
    job.EndLine();
    job.Place(TaskColumn, QStringLiteral("Au f g a b e"));
    job.Place(BlankColumn, QStringLiteral("E r g e b n i s"));
    job.Place(FoldColumn, QStringLiteral("."));
    job.Place(SolutionColumn,
              shown == Solutions::Beside ? QStringLiteral("Lösung falten")
                                         : QStringLiteral("Lösung suchen"));
    job.EndLine();
    job.Place(TaskColumn, QString(56, u'_'));
    job.EndLine();
    for (int i = 0; i < rows; ++i) {
        job.EndLine();
        job.Place(TaskColumn, tasks.value(i));
        job.Place(BlankColumn, AnswerBlank);
        job.Place(FoldColumn, QStringLiteral("."));
        job.Place(SolutionColumn, solutions.value(i));
        job.EndLine();
    }
    return job;
}

} // namespace

QString TaskRow(const QString& taskText)
{
    return (taskText + QString(RowWidth, u' ')).left(RowWidth);
}

QString ReplaceFirst(const QString& row, const QString& search, const QString& replacement)
{
    const qsizetype at = row.indexOf(search);
    return at < 0 ? row : row.left(at) + replacement + row.mid(at + search.size());
}

QString BlankRow(const QString& taskText)
{
    return ReplaceFirst(TaskRow(taskText), QStringLiteral("?"), QStringLiteral("___"));
}

PrintJob TaskSheet(const QStringList& tasks)
{
    PrintJob job;
    job.name = QStringLiteral("Übungsblatt");
    job.EndLine();
    job.Place(TaskColumn, QStringLiteral("A u f g a b e"));
    job.Place(BlankColumn, QStringLiteral("E r g e b n i s"));
    // The underline always starts on the line after the headings, which already reach past it.
    job.Place(TaskColumn, QString(35, u'_'));
    job.EndLine();
    job.EndLine();
    for (int i = 0; i < Rows; ++i) {
        job.EndLine();
        job.Place(TaskColumn, tasks.value(i));
        job.Place(BlankColumn, AnswerBlank);
        job.EndLine();
    }
    return job;
}

PrintJob SolutionSheet(const QStringList& solutions)
{
    PrintJob job;
    job.name = QStringLiteral("Lösungsblatt");
    for (int i = 0; i < Rows; ++i) {
        job.EndLine();
        job.Place(TaskColumn, solutions.value(i));
        job.EndLine();
    }
    return job;
}

PrintJob FullSheet(const QStringList& tasks, const QStringList& solutions, Solutions shown)
{
    return Sheet(QStringLiteral("Übungsblatt"), tasks, solutions, shown, Rows);
}

PrintJob ErrorListSheet(const QStringList& tasks, const QStringList& solutions, Solutions shown)
{
    QStringList rows;
    for (const QString& task : tasks)
        rows.append(BlankRow(task));
    return Sheet(QStringLiteral("Fehlerliste"), rows, solutions, shown, int(rows.size()));
}

QString CopyAll(const QStringList& tasks, const QStringList& solutions)
{
    QString text;
    for (qsizetype i = 0; i < tasks.size(); ++i)
        text += tasks[i] + QString(5, u' ') + solutions.value(i) + CRLF;
    return text;
}

QString CopyTasks(const QStringList& tasks)
{
    QString text;
    for (const QString& task : tasks)
        text += task + CRLF;
    return text;
}

QString CopySolutions(const QStringList& tasks, const QStringList& solutions)
{
    QString text;
    for (qsizetype i = 0; i < tasks.size(); ++i)
        text += solutions.value(i) + CRLF;
    return text;
}

} // namespace Worksheet
