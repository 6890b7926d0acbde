#include "models/progress_page.h"

#include "models/history.h"
#include "platform/clock.h"
#include "platform/dialogs.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace {

const QString Title = QStringLiteral("Lernstand");

constexpr quint32 RightColor = 0x43a047; // the chart's bars
constexpr quint32 WrongColor = 0xe53935;
constexpr quint32 AxisColor = 0x424242;

QString weekText(const IsoWeek& week)
{
    return QStringLiteral("KW %1/%2").arg(week.week).arg(week.year);
}

// A name as part of a file name: the characters a server share or another system refuses in file
// names become "_", and a trailing dot or blank goes.
QString fileNamePart(const QString& name)
{
    QString part;
    for (const QChar c : name.left(60))
        part += (c.unicode() < 32 || QStringLiteral("\\/:*?\"<>|").contains(c)) ? u'_' : c;
    while (part.endsWith(u'.') || part.endsWith(u' '))
        part.chop(1);
    return part.trimmed();
}

} // namespace

QString ratingText(Rating rating)
{
    switch (rating) {
    case Rating::Sure:
        return QStringLiteral("sicher");
    case Rating::Shaky:
        return QStringLiteral("unsicher");
    case Rating::Hard:
        return QStringLiteral("schwer");
    case Rating::TooFew:
        break;
    }
    return QStringLiteral("zu wenige Aufgaben");
}

quint32 ratingColor(Rating rating)
{
    switch (rating) {
    case Rating::Sure:
        return 0xa5d6a7;
    case Rating::Shaky:
        return 0xfff59d;
    case Rating::Hard:
        return 0xef9a9a;
    case Rating::TooFew:
        break;
    }
    return 0xe0e0e0;
}

QString operationName(Operation operation)
{
    switch (operation) {
    case Operation::Plus:
        return QStringLiteral("plus");
    case Operation::Minus:
        return QStringLiteral("minus");
    case Operation::Times:
        return QStringLiteral("mal");
    case Operation::Divide:
        return QStringLiteral("geteilt");
    default:
        return QString();
    }
}

ProgressPage::ProgressPage(History& history, const Clock& clock, Dialogs& dialogs, Printer& printer)
    : history_(history), clock_(clock), dialogs_(dialogs), printer_(printer)
{
}

void ProgressPage::open(const QStringList& children, int shown)
{
    children_ = children;
    today_ = clock_.now().date();
    classRows_.clear();
    for (const QString& name : children_)
        classRows_.append(classRow(history_.historyOf(name), today_));
    shown_ = std::clamp(shown, 0, int(children_.size()) - 1);
    showChild();
}

void ProgressPage::step(int step)
{
    if (children_.isEmpty())
        return;
    const int count = int(children_.size());
    shown_ = ((shown_ + step) % count + count) % count;
    showChild();
}

void ProgressPage::showChild()
{
    child_ = shown_ >= 0 ? history_.historyOf(children_.at(shown_)) : ChildHistory();
    days_ = dayRows(child_);
    weeks_ = weekBars(child_, today_);
    types_ = hardestTypes(child_, today_);
    facts_ = factGrid(child_, today_);
    emit changed();
}

QStringList ProgressPage::dayColumns()
{
    return { "Tag", "Aufgaben", "Richtig", "Falsch", "Fehlerquote", "Minuten" };
}

QList<QStringList> ProgressPage::dayTable() const
{
    QList<QStringList> rows;
    for (const DayRow& row : days_)
        rows.append({ dayText(row.day), QString::number(row.tally.answers()),
                      QString::number(row.tally.right), QString::number(row.tally.wrong),
                      errorPercentText(row.tally),
                      QString::number(wholeMinutes(row.tally.answeringMs)) });
    return rows;
}

QStringList ProgressPage::weekColumns()
{
    return { "Woche", "Richtig", "Falsch" };
}

QList<QStringList> ProgressPage::weekTable() const
{
    QList<QStringList> rows;
    for (const WeekBar& bar : weeks_)
        rows.append({ weekText(bar.week), QString::number(bar.tally.right),
                      QString::number(bar.tally.wrong) });
    return rows;
}

QStringList ProgressPage::typeColumns()
{
    return { "Rechenart", "Aufgabenart", "Aufgaben", "Fehlerquote", "Einschätzung" };
}

QList<QStringList> ProgressPage::typeTable() const
{
    QList<QStringList> rows;
    for (const TypeRow& row : types_)
        rows.append({ operationName(row.operation), row.name, QString::number(row.tally.answers()),
                      errorPercentText(row.tally), ratingText(row.rating) });
    return rows;
}

QStringList ProgressPage::classColumns()
{
    return { "Name", "Aufgaben diese Woche", "Fehlerquote", "Zuletzt geübt" };
}

QList<QStringList> ProgressPage::classTable() const
{
    QList<QStringList> rows;
    for (const ClassRow& row : classRows_)
        rows.append({ row.name, QString::number(row.thisWeek.answers()),
                      errorPercentText(row.thisWeek),
                      row.lastDay.isValid() ? dayText(row.lastDay) : QStringLiteral("nie") });
    return rows;
}

QString ProgressPage::factText(int a, int b) const
{
    const Tally& tally = facts_[a - 1][b - 1].tally;
    return QStringLiteral("%1 · %2\n%3 / %4").arg(a).arg(b).arg(tally.right).arg(tally.wrong);
}

QString ProgressPage::factName(int a, int b) const
{
    const FactCell& cell = facts_[a - 1][b - 1];
    return QStringLiteral("%1 · %2: %3 richtig, %4 falsch, %5")
            .arg(a)
            .arg(b)
            .arg(cell.tally.right)
            .arg(cell.tally.wrong)
            .arg(ratingText(cell.rating));
}

// The chart in units of its own: 100 wide, 60 high; the bars stand on a base line at 48, the
// highest reaching up to 8; the weeks' numbers below ("KW" at the axis), the legend above.
PrintPicture ProgressPage::weekChart() const
{
    PrintPicture chart;
    chart.width = 100;
    chart.height = 60;
    chart.columns = 48;
    chart.lines = 14;
    qint64 most = 1;
    for (const WeekBar& bar : weeks_)
        most = std::max(most, bar.tally.answers());
    const double base = 48, top = 8, left = 12,
                 step = (100.0 - left) / std::max<qsizetype>(1, weeks_.size());
    chart.box(QRectF(left, 1, 3, 3), RightColor);
    chart.text(QRectF(left + 4, 0, 14, 5), QStringLiteral("richtig"));
    chart.box(QRectF(left + 22, 1, 3, 3), WrongColor);
    chart.text(QRectF(left + 26, 0, 14, 5), QStringLiteral("falsch"));
    chart.text(QRectF(0, top - 2.5, left - 1, 5), QString::number(most));
    chart.text(QRectF(0, base - 2.5, left - 1, 5), QStringLiteral("0"));
    chart.line(QPointF(left, top), QPointF(left, base), AxisColor);
    for (int i = 0; i < weeks_.size(); ++i) {
        const Tally& tally = weeks_[i].tally;
        const double x = left + i * step + step * 0.15;
        const double rightHeight = (base - top) * double(tally.right) / double(most);
        const double wrongHeight = (base - top) * double(tally.wrong) / double(most);
        chart.box(QRectF(x, base - rightHeight, step * 0.7, rightHeight), RightColor);
        chart.box(QRectF(x, base - rightHeight - wrongHeight, step * 0.7, wrongHeight), WrongColor);
        chart.text(QRectF(left + i * step, base + 1, step, 5),
                   QString::number(weeks_[i].week.week));
    }
    chart.text(QRectF(0, base + 1, left - 1, 5), QStringLiteral("KW"));
    chart.line(QPointF(left, base), QPointF(100, base), AxisColor);
    return chart;
}

QString ProgressPage::fileStem() const
{
    const QString name = fileNamePart(child_.name);
    return name.isEmpty() ? Title : Title + u' ' + name;
}

PrintJob ProgressPage::printJob() const
{
    PrintJob job;
    job.name = fileStem();
    job.fontPoints = 11;
    const auto row = [&job](const QList<int>& columns, const QStringList& cells) {
        for (int i = 0; i < columns.size(); ++i)
            job.place(columns[i], cells.value(i));
        job.endLine();
    };
    job.place(1, QStringLiteral("Lernstand: ") + child_.name);
    job.place(60, QStringLiteral("Stand: ") + dayText(today_));
    job.endLine();
    job.endLine();
    const QList<int> dayAt{ 1, 14, 24, 33, 41, 54 };
    row({ 1 }, { QStringLiteral("Verlauf") });
    row(dayAt, dayColumns());
    for (const QStringList& cells : dayTable())
        row(dayAt, cells);
    job.endLine();
    const QList<int> typeAt{ 1, 13, 49, 59, 72 };
    row({ 1 }, { QStringLiteral("Schwierigste Aufgabenarten der letzten 4 Wochen") });
    row(typeAt, typeColumns());
    for (const QStringList& cells : typeTable())
        row(typeAt, cells);
    job.endLine();
    row({ 1 }, { QStringLiteral("Richtig und falsch je Woche, die letzten 8 Wochen") });
    job.placePicture(1, weekChart(), QStringLiteral("[Balken: richtig und falsch je Woche]"));
    return job;
}

void ProgressPage::print()
{
    printer_.print(printJob());
}

void ProgressPage::saveTable()
{
    const QString folder = QDir::currentPath();
    const QString name = reserveFileName(folder, fileStem(), clock_.now(), QStringLiteral(".csv"));
    bool saved = false;
    if (!name.isEmpty()) {
        QFile file(QDir(folder).filePath(name));
        const QByteArray bytes = dayTableCsv(days_);
        saved = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()
                && file.flush();
        file.close();
        if (!saved)
            file.remove();
    }
    const QString shownFolder = QDir::toNativeSeparators(folder);
    if (saved)
        dialogs_.msgBox(QStringLiteral("Die Tabelle steht in der Datei\n%1\nim Ordner\n%2\r")
                                .arg(name, shownFolder),
                        MsgStyle::OkOnly | MsgStyle::Information, Title);
    else
        dialogs_.msgBox(QStringLiteral("Im Ordner\n%1\nkonnte die Tabelle nicht gespeichert "
                                       "werden.\r")
                                .arg(shownFolder),
                        MsgStyle::OkOnly | MsgStyle::Stop, Title);
}
