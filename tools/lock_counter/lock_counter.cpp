// A tiny program that contends for one shared file: it adds one to the number in FOLDER/counter,
// COUNT times, each time under the file's lock (read, change, replace safely, give back), and
// prints for each the microseconds it waited for the lock and held it. Between two changes it
// pauses up to PAUSE milliseconds (at random), as a program does other work between two saves;
// without a pause, a program that gives the lock back takes it again before the others look.
// Several of them started on one folder must together add exactly what they were asked to:
// tests/platform starts eight, bench/lock_contention.sh measures their waits,
// scripts/shared-folder-check.sh runs them on a network file system.
//   lock_counter FOLDER COUNT [PAUSE]  prints "wait hold" per change; exit 0 when all were made
//   lock_counter FOLDER --hold         takes the lock, prints "locked" and keeps it until killed
#include "platform/clock.h"
#include "platform/file_lock.h"
#include "platform/text_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTextStream>
#include <QThread>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3 && args.size() != 4) {
        std::fprintf(stderr,
                     "usage: lock_counter FOLDER COUNT [PAUSE] | lock_counter FOLDER --hold\n");
        return 2;
    }
    const QString path = QDir(args.at(1)).filePath(QStringLiteral("counter"));
    SystemClock clock;
    QTextStream out(stdout);
    if (args.at(2) == u"--hold") {
        FileLock lock(path, clock);
        if (lock.lock(60000) != FileLock::Result::Locked)
            return 1;
        out << "locked" << Qt::endl;
        QFile in;
        (void)in.open(stdin, QIODevice::ReadOnly);
        in.readAll(); // until killed (or stdin is closed)
        return 0;
    }
    const int count = args.at(2).toInt();
    const int pauseUs = args.value(3).toInt() * 1000;
    QElapsedTimer timer;
    for (int i = 0; i < count; ++i) {
        timer.start();
        FileLock lock(path, clock);
        if (lock.lock(60000) != FileLock::Result::Locked) {
            std::fprintf(stderr, "no lock: %s %s\n", qPrintable(lock.error()),
                         qPrintable(lock.holder().computer));
            return 1;
        }
        const qint64 waited = timer.nsecsElapsed() / 1000;
        QStringList lines;
        if (TextFile::kind(path) != TextFile::FileKind::Absent
            && !TextFile::readLines(path, &lines))
            return 1;
        bool number = lines.isEmpty();
        const qint64 value = lines.isEmpty() ? 0 : lines.first().toLongLong(&number);
        QString error;
        if (!number || !TextFile::replaceLines(path, { QString::number(value + 1) }, &error)) {
            std::fprintf(stderr, "counter not changed: %s\n", qPrintable(error));
            return 1;
        }
        lock.unlock();
        out << waited << ' ' << timer.nsecsElapsed() / 1000 - waited << '\n';
        if (pauseUs > 0)
            QThread::usleep(QRandomGenerator::global()->bounded(pauseUs));
    }
    return 0;
}
