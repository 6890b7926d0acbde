#include "platform/print_job.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <algorithm>

namespace {

// The column where the print position stands after the line's last item.
int reach(const PrintLine& line)
{
    int reach = 1;
    for (const PrintItem& item : line)
        reach = std::max(reach, item.column + int(item.text.size()));
    return reach;
}

} // namespace

void PrintJob::place(int column, const QString& text)
{
    if (!open_ || reach(lines.last()) > column)
        lines.append(PrintLine{});
    open_ = true;
    lines.last().append(PrintItem{ column, text, std::nullopt });
}

void PrintJob::placePicture(int column, const PrintPicture& picture, const QString& text)
{
    lines.append(PrintLine{ PrintItem{ column, text, picture } });
    open_ = false;
}

void PrintJob::endLine()
{
    if (!open_)
        lines.append(PrintLine{});
    open_ = false;
}

QStringList PrintJob::text() const
{
    QStringList text;
    for (const PrintLine& line : lines) {
        QString shown;
        for (const PrintItem& item : line)
            shown = shown.leftJustified(item.column - 1) + item.text;
        text.append(shown);
    }
    return text;
}

QString reserveFileName(const QString& folder, const QString& stem, const QDateTime& at,
                        const QString& suffix)
{
    const QString base = stem + at.toString(QStringLiteral(" yyyy-MM-dd HH-mm"));
    for (int n = 1;; ++n) {
        const QString name = base + (n > 1 ? QStringLiteral(" (%1)").arg(n) : QString()) + suffix;
        QFile file(QDir(folder).filePath(name));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return name;
        if (!file.exists())
            return QString();
    }
}
