// Start-up with one huge data file: the time from building the program to the training window with
// its first task, and how much memory that took, for one kind of file and size per run (peak
// memory is a property of the whole process). bench/data_files.sh runs every kind and size:
//   QT_QPA_PLATFORM=offscreen build/bench/data_file_bench dat-pairs 20
// The error files are not read at start; for them the time is that of the error list window
// loading the file when the teacher browses to the child.

#include "app/program.h"
#include "models/error_list.h"
#include "models/training_session.h"
#include "bench_support.h"
#include "platform/dialogs.h"
#include "platform/random_source.h"
#include "training/error_list_window.h"
#include "training/training_window.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>

namespace {

// Repeats `unit` until the file holds `bytes` bytes.
QByteArray filled(const QByteArray& unit, qint64 bytes)
{
    QByteArray data;
    data.reserve(bytes + unit.size());
    while (data.size() < bytes)
        data += unit;
    return data;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: data_file_bench KIND MEGABYTES\n"
                     "KIND: ini-names ini-longline inf-commas dat-pairs dat-untypeable dat-commas "
                     "error-pairs\n");
        return 2;
    }
    const QByteArray kind = argv[1];
    const qint64 bytes = qint64(QByteArray(argv[2]).toDouble() * 1024 * 1024);

    QTemporaryDir dir;
    const QString old = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QString name;
    QByteArray data;
    if (kind == "ini-names")
        name = QStringLiteral("ZIFTORA.INI"), data = filled("Kind mit Namen\r\n", bytes);
    else if (kind == "ini-longline")
        name = QStringLiteral("ZIFTORA.INI"), data = filled("a", bytes) + "\r\n";
    else if (kind == "inf-commas")
        name = QStringLiteral("ZIFTORA.INF"), data = filled(",", bytes);
    else if (kind == "dat-pairs")
        name = QStringLiteral("ZIFTORA.DAT"), data = filled(" 12 + 7 = ?\r\n19\r\n", bytes);
    else if (kind == "dat-untypeable")
        name = QStringLiteral("ZIFTORA.DAT"), data = filled("a\r\nb\r\n", bytes);
    else if (kind == "dat-commas")
        name = QStringLiteral("ZIFTORA.DAT"), data = filled(",", bytes);
    else if (kind == "error-pairs")
        name = QStringLiteral("ZIFTORA.000"), data = filled(" 12 + 7 = ?\r\n19\r\n", bytes);
    else
        return 2;
    {
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
            return 1;
    }
    data = QByteArray();
    data.squeeze();

    const long before = residentKiB("VmRSS:");
    QuietDesktop quiet;
    Program program(quiet.desktop());
    QElapsedTimer clock;
    clock.start();
    program.start();
    QApplication::processEvents();
    if (kind == "error-pairs")
        program.errorList().loadSelectedChildsFile();
    const double ms = clock.nsecsElapsed() / 1e6;
    const long peak = residentKiB("VmHWM:");
    std::printf("%-15s %6.1f MB  %9.1f ms  peak memory +%ld KiB (%.1fx the file)\n",
                kind.constData(), bytes / 1048576.0, ms, peak - before,
                (peak - before) * 1024.0 / double(bytes));
    QDir::setCurrent(old);
    return 0;
}
