#pragma once

#include <QDateTime>
#include <QList>
#include <QRectF>
#include <QString>

#include <optional>

// A drawing on a sheet, such as a chart: boxes, lines and texts in the drawing's own units (x to
// the right, y downwards, from 0 to `width` and `height`), scaled onto the `columns` x `lines` it
// takes on the sheet, and onto a window alike. Colours are 0xRRGGBB.
struct PrintPicture {
    struct Shape {
        enum class Kind { Box, Line, Text };
        Kind kind = Kind::Box;
        QRectF rect; // a box's area; a line from its top left to its bottom right; a text's area
        quint32 rgb = 0;
        QString text; // centred in its area, as high as the area allows
        bool operator==(const Shape&) const = default;
    };
    double width = 100;
    double height = 100;
    int columns = 40;
    int lines = 10;
    QList<Shape> shapes;

    void box(const QRectF& rect, quint32 rgb)
    {
        shapes.append({ Shape::Kind::Box, rect, rgb, {} });
    }
    void line(QPointF from, QPointF to, quint32 rgb)
    {
        shapes.append({ Shape::Kind::Line, QRectF(from, to), rgb, {} });
    }
    void text(const QRectF& rect, const QString& text, quint32 rgb = 0)
    {
        shapes.append({ Shape::Kind::Text, rect, rgb, text });
    }
    bool operator==(const PrintPicture&) const = default;
};

// A print job as plain data: lines of text items, each at a print column. Column n is counted from
// 1 at the left edge of the printable area in the font's average character width, as the printer's
// tab positions are, so the rules that build a sheet need no printer and a test reads a sheet as
// lines and columns. The printer back ends (platform/desktop_printer.h) put it on paper.
struct PrintItem {
    int column = 1;
    QString text; // for a picture: what it shows, in words (the sheet as text reads it)
    std::optional<PrintPicture> picture;
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
    // A picture at the column on a line of its own, taking its lines' room on the page.
    void placePicture(int column, const PrintPicture& picture, const QString& text);

    // The sheet as a person would read it in a fixed-width font: each item from its column on.
    QStringList text() const;

private:
    bool open_ = false;
};

// A name for a new file in the folder that no file has yet, "<stem> 2026-12-05 14-03<suffix>" and
// then " (2)", " (3)", ...: a printed sheet's PDF, a saved table. The file is created empty at
// once, so that no other program can take the same name. Empty when the folder takes no new file.
QString reserveFileName(const QString& folder, const QString& stem, const QDateTime& at,
                        const QString& suffix);

// The desktop's printer. Print puts one job on paper, a document of its own that is ended so the
// pages go out; whatever happens instead (no printer, a PDF file, a failure) it tells the person.
class Printer {
public:
    virtual ~Printer() = default;
    virtual void print(const PrintJob& job) = 0;
};
