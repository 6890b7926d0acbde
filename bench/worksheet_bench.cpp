// Worksheets: a new list of 20 tasks built and shown in the worksheet window, and one sheet printed
// to a PDF file (the fallback where no printer is installed). Run offscreen on one core:
//   QT_QPA_PLATFORM=offscreen taskset -c 0 build/bench/worksheet_bench

#include "app/program.h"
#include "bench_support.h"
#include "platform/desktop_printer.h"
#include "models/worksheet_sheets.h"
#include "worksheets/worksheet_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_NewListShown(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString old = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QFile(dir.filePath(QStringLiteral("ZIFTORA.DAT"))).open(QIODevice::WriteOnly);
    QuietDesktop quiet;
    Program program(quiet.desktop());
    program.start();
    WorksheetWindow& window = program.worksheetWindow();
    auto* newList = window.findChild<QPushButton*>(QStringLiteral("newListButton"));
    window.open();
    QApplication::processEvents();
    for (auto _ : state) {
        newList->click();
        QApplication::processEvents();
        // The window painted as the teacher sees it, lists and all.
        benchmark::DoNotOptimize(window.grab().cacheKey());
    }
    QDir::setCurrent(old);
}
BENCHMARK(BM_NewListShown)->Unit(benchmark::kMillisecond);

void BM_SheetToPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    QStringList tasks, answers;
    for (int i = 0; i < 20; ++i)
        tasks << Sheets::blankRow(QStringLiteral("%1 + %2 = ?").arg(i * 7).arg(i * 3)),
                answers << QString::number(i * 10);
    const PrintJob sheet = Sheets::fullSheet(tasks, answers, Sheets::Solutions::Beside);
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("Übungsblatt.pdf")));
        benchmark::DoNotOptimize(renderPrintJob(sheet, printer));
    }
}
BENCHMARK(BM_SheetToPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
