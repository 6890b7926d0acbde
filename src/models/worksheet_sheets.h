#pragma once

// What a worksheet is made of on paper and on the clipboard, without widgets: the task row, the
// search and replace, the printed sheets as print jobs and the clipboard texts. The worksheet
// (models/worksheet.h) builds its rows and sheets with them; the error list prints through the same
// sheet layout.

#include "platform/print_job.h"

#include <QStringList>

namespace Sheets {

// Which answers a sheet shows: beside their tasks (to fold away), or sorted (mixed), so that the
// child has to search for each one.
enum class Solutions { Beside, Mixed };

// The task on screen as a row of the sheet: left-aligned in a field of 20 characters, a longer
// text cut at 20.
QString taskRow(const QString& taskText);

// The row with the first occurrence of the search text replaced; the row as it was without one.
QString replaceFirst(const QString& row, const QString& search, const QString& replacement);

// A row as the sheets show it: the task row with its "?" turned into a blank to write in.
QString blankRow(const QString& taskText);

// "Einzeln ausdrucken": the task sheet of rows 0 to 19 of the task column (missing rows empty).
PrintJob taskSheet(const QStringList& tasks);
// The separate solution sheet: rows 0 to 19 of the solution list on show.
PrintJob solutionSheet(const QStringList& solutions);
// "Alles ausdrucken": rows 0 to 19 with answer blanks, a fold line and the solution column.
PrintJob fullSheet(const QStringList& tasks, const QStringList& solutions, Solutions shown);
// An error list in the layout of the full sheet, every row of it; a further page starts with the
// same heading.
PrintJob errorListSheet(const QStringList& tasks, const QStringList& solutions, Solutions shown);

// The clipboard texts: one line per row of the task column, each ended by CR LF. "Alles kopieren":
// the task row, five blanks, its solution; "Aufgaben kopieren": the task row alone; "Lösungen
// kopieren": the solution alone.
QString allText(const QStringList& tasks, const QStringList& solutions);
QString tasksOnlyText(const QStringList& tasks);
QString solutionsOnlyText(const QStringList& tasks, const QStringList& solutions);

} // namespace Sheets
