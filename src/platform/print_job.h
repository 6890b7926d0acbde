#pragma once

#include <QList>
#include <QString>

// A print job as plain data: lines of text items, each at a print column. Column n is counted from
// 1 at the left edge of the printable area in the font's average character width, as the printer's
// tab positions are, so the rules that build a sheet need no printer and a test reads a sheet as
// lines and columns. The printer back ends (platform/desktop_printer.h) put it on paper.
struct PrintItem {
    int column = 1;
    QString text;
    bool operator==(const PrintItem&) const = default;
};
using PrintLine = QList<PrintItem>;

struct PrintJob {
    QString name; // what the sheet is called: the document's name, the PDF file's stem
    QString fontName = QStringLiteral("Arial");
    int fontPoints = 16;
    QList<PrintLine> lines;
    int headingLines = 0; // the first lines stand again at the top of every further page

    // The item at the column, on the open line; when that line already reaches past the column
    // (a long text before it), the item goes on the next line at the same column.
    void place(int column, const QString& text);
    // Ends the open line; with no line open, an empty line.
    void endLine();

    // The sheet as a person would read it in a fixed-width font: each item from its column on.
    QStringList text() const;

private:
    bool open_ = false;
};

// The desktop's printer. Print puts one job on paper, a document of its own that is ended so the
// pages go out; whatever happens instead (no printer, a PDF file, a failure) it tells the person.
class Printer {
public:
    virtual ~Printer() = default;
    virtual void print(const PrintJob& job) = 0;
};
