#pragma once

// What the start-up benchmarks share: dialogs that answer at once, and the process's memory.

#include "platform/dialogs.h"

#include <QFile>

#include <cstring>

// Answers every box at once, as a person clicking OK or No would.
class SilentDialogs final : public Dialogs {
public:
    int MsgBox(const QString&, int style, const QString&) override { return (style & 7) == 4 ? 7 : 1; }
    QString InputBox(const QString&, const QString&, const QString&) override { return QString(); }
    QString PasswordBox(const QString&, const QString&) override { return QString(); }
    void Beep() override {}
};

// A field of /proc/self/status in KiB ("VmRSS:" now, "VmHWM:" the peak); -1 where there is none.
inline long ResidentKiB(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith(field))
                return line.mid(int(std::strlen(field))).trimmed().split(' ').first().toLong();
    return -1;
}
