#pragma once

// What the benchmarks share: a desktop whose dialogs answer at once, and the process's memory.

#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/desktop_printer.h"
#include "platform/dialogs.h"
#include "platform/game_timer.h"
#include "platform/qt_clipboard.h"
#include "platform/random_source.h"

#include <QFile>

#include <cstring>

// Answers every box at once, as a person clicking OK and No (or, when told, Yes) would.
class SilentDialogs final : public Dialogs {
public:
    explicit SilentDialogs(bool yes = false) : answer_(yes ? MsgResult::Yes : MsgResult::No) { }
    MsgResult msgBox(const QString&, MsgStyles style, const QString&) override
    {
        return style.testFlag(MsgStyle::YesNo) ? answer_ : MsgResult::Ok;
    }
    QString inputBox(const QString&, const QString&, const QString&) override { return QString(); }
    QString passwordBox(const QString&, const QString&) override { return QString(); }
    void beep() override { }

private:
    MsgResult answer_;
};

// The desktop of a benchmark: silent dialogs, the program's own random source, clipboard, timers
// and printer.
struct QuietDesktop {
    SilentDialogs dialogs;
    ProgramRandom random;
    QtClipboard clipboard;
    QtTimers timers;
    DesktopPrinter printer{ dialogs };
    SystemClock clock;
    Desktop desktop() { return Desktop{ dialogs, random, clipboard, timers, printer, clock }; }
};

// A field of /proc/self/status in KiB ("VmRSS:" now, "VmHWM:" the peak); -1 where there is none.
inline long residentKiB(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith(field))
                return line.mid(int(std::strlen(field))).trimmed().split(' ').first().toLong();
    return -1;
}
