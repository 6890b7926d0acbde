#include "platform/desktop_printer.h"

#include "platform/dialogs.h"
#include "platform/picture_view.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace {

const QString Title = QStringLiteral("Drucken");

struct Piece {
    double x = 0;
    QString text;
    const PrintPicture* picture = nullptr;
};
using Row = QList<Piece>;

// One line of the job as it stands on paper: usually one row, more when measured text would run
// into the next item.
QList<Row> rows(const PrintLine& line, const QFontMetricsF& metrics, double columnWidth)
{
    QList<Row> rows{ Row{} };
    double reach = 0;
    for (const PrintItem& item : line) {
        const double x = (item.column - 1) * columnWidth;
        if (reach > x)
            rows.append(Row{});
        if (item.picture) {
            rows.last().append(Piece{ x, item.text, &*item.picture });
            reach = x + item.picture->columns * columnWidth;
            continue;
        }
        rows.last().append(Piece{ x, item.text });
        reach = x + metrics.horizontalAdvance(item.text);
    }
    return rows;
}

// The average character width that the printer's tab columns are counted in: the letters a to z
// and the blank, each weighted by how often it stands in text, as the width is defined for Arial.
// (Qt's averageCharWidth takes the font file's own figure, which for Arial's metric twins on Linux
// averages every glyph and is a third wider: the solution column would fall off the page.)
double averageCharWidth(const QFontMetricsF& metrics)
{
    static constexpr int Weights[] = { 64, 14, 27, 35, 100, 20, 14, 42, 63, 3,  6, 35, 20,
                                       56, 56, 17, 4,  49,  56, 71, 31, 10, 18, 3, 18, 2 };
    double sum = 166 * metrics.horizontalAdvance(QChar(u' '));
    for (int i = 0; i < 26; ++i)
        sum += Weights[i] * metrics.horizontalAdvance(QChar(u'a' + i));
    return sum / 1000;
}

// The printable area keeps a small border of its own, as most printers need; a printer that needs
// more keeps its own.
void setMargins(QPrinter& printer)
{
    printer.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
}

} // namespace

bool renderPrintJob(const PrintJob& job, QPrinter& printer)
{
    printer.setDocName(job.name);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    QFont font(job.fontName);
    font.setPointSize(job.fontPoints);
    painter.setFont(font);
    const QFontMetricsF metrics(painter.font(), &printer);
    const double columnWidth = averageCharWidth(metrics);
    const double lineHeight = metrics.lineSpacing();
    const int perPage = std::max(1, int(printer.height() / lineHeight));

    QList<Row> heading;
    for (int i = 0; i < std::min(job.headingLines, int(job.lines.size())); ++i)
        heading.append(rows(job.lines[i], metrics, columnWidth));
    // A heading that fills the page is not repeated: the sheet would never go on.
    if (heading.size() >= perPage)
        heading.clear();

    // A row's height in lines: a picture takes as many as it says, at most a page.
    const auto height = [perPage](const Row& row) {
        int lines = 1;
        for (const Piece& piece : row)
            if (piece.picture)
                lines = std::max(lines, std::min(perPage, piece.picture->lines));
        return lines;
    };
    int onPage = 0;
    auto draw = [&](const Row& row) {
        for (const Piece& piece : row) {
            if (piece.picture) {
                const QRectF place(piece.x, onPage * lineHeight,
                                   piece.picture->columns * columnWidth, height(row) * lineHeight);
                drawPicture(painter, *piece.picture, place);
            } else {
                painter.drawText(QPointF(piece.x, onPage * lineHeight + metrics.ascent()),
                                 piece.text);
            }
        }
        onPage += height(row);
    };
    for (const PrintLine& line : job.lines) {
        for (const Row& row : rows(line, metrics, columnWidth)) {
            if (onPage + height(row) > perPage && onPage > 0) {
                printer.newPage();
                onPage = 0;
                for (const Row& repeated : heading)
                    draw(repeated);
            }
            draw(row);
        }
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}

QString reservePdfName(const QString& folder, const QString& stem, const QDateTime& at)
{
    return reserveFileName(folder, stem, at, QStringLiteral(".pdf"));
}

void DesktopPrinter::print(const PrintJob& job)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return printToPdf(job);
    QPrinter printer(info, QPrinter::HighResolution);
    setMargins(printer);
    if (!renderPrintJob(job, printer))
        dialogs_.msgBox(QStringLiteral("Der Drucker %1 konnte das Blatt nicht drucken.\r")
                                .arg(info.printerName()),
                        MsgStyle::OkOnly | MsgStyle::Stop, Title);
}

void DesktopPrinter::printToPdf(const PrintJob& job)
{
    const QString folder = QDir::toNativeSeparators(QDir::currentPath());
    const QString name =
            reservePdfName(QDir::currentPath(), job.name, QDateTime::currentDateTime());
    bool printed = false;
    if (!name.isEmpty()) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QDir::current().filePath(name));
        printer.setPageSize(QPageSize(QPageSize::A4));
        setMargins(printer);
        printed = renderPrintJob(job, printer);
        if (!printed)
            QFile::remove(QDir::current().filePath(name));
    }
    if (printed)
        dialogs_.msgBox(QStringLiteral("Es ist kein Drucker eingerichtet. Das Blatt steht als "
                                       "PDF-Datei\n%1\nim Ordner\n%2\r")
                                .arg(name, folder),
                        MsgStyle::OkOnly | MsgStyle::Information, Title);
    else
        dialogs_.msgBox(QStringLiteral("Es ist kein Drucker eingerichtet, und im "
                                       "Ordner\n%1\nkonnte keine PDF-Datei angelegt werden.\r")
                                .arg(folder),
                        MsgStyle::OkOnly | MsgStyle::Stop, Title);
}
