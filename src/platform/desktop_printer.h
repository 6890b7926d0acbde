#pragma once

#include "platform/print_job.h"

class Dialogs;
class QDateTime;
class QPrinter;

// Puts a print job on a printer's pages: the job's font, columns in that font's average character
// width on the printer (letters weighted by frequency), one line after the other, a new page when
// one is full (the job's heading lines first again); a picture fills its columns and lines, on a
// new page when the rest of the page is too short for it. An item that would start inside the text
// before it, which a proportional font can cause, goes down a line at its column, as the job's own
// rule does. False when the printer cannot start or reports an error; the document is always ended,
// so the pages go out.
bool renderPrintJob(const PrintJob& job, QPrinter& printer);

// A file name for a PDF of a sheet in the folder that no file has yet, "Übungsblatt 2026-12-05
// 14-03.pdf" and then " (2)", " (3)", ...; the file is created empty at once, so that no other
// print can take the same name. Empty when the folder takes no new file.
QString reservePdfName(const QString& folder, const QString& stem, const QDateTime& at);

// The desktop's default printer, without a dialog. Where no printer is installed the sheet becomes
// a PDF file in the working folder (with selectable text, laid out as on paper) and a message says
// which file and where; a print that cannot start is said as well.
class DesktopPrinter final : public Printer {
public:
    explicit DesktopPrinter(Dialogs& dialogs) : dialogs_(dialogs) { }
    void print(const PrintJob& job) override;

private:
    void printToPdf(const PrintJob& job);
    Dialogs& dialogs_;
};
