#include "models/history_queries.h"

#include "engine/task_engine.h"

#include <algorithm>
#include <map>
#include <utility>

Rating rating(const Tally& tally, qint64 minimumAnswers)
{
    const qint64 answers = tally.answers();
    if (answers < minimumAnswers)
        return Rating::TooFew;
    // wrong / answers against a percentage, without rounding: 100 * wrong >= limit * answers
    if (100 * tally.wrong >= HardFromPercent * answers)
        return Rating::Hard;
    if (100 * tally.wrong >= ShakyFromPercent * answers)
        return Rating::Shaky;
    return Rating::Sure;
}

int errorPercent(const Tally& tally)
{
    const qint64 answers = tally.answers();
    return answers > 0 ? int((200 * tally.wrong + answers) / (2 * answers)) : 0;
}

QString errorPercentText(const Tally& tally)
{
    return tally.answers() > 0 ? QString::number(errorPercent(tally)) + QStringLiteral(" %")
                               : QString();
}

qint64 wholeMinutes(qint64 milliseconds)
{
    return (milliseconds + 30'000) / 60'000;
}

QString dayText(QDate day)
{
    return day.toString(QStringLiteral("dd.MM.yyyy"));
}

namespace {

QDate mondayOf(QDate day)
{
    return day.addDays(1 - day.dayOfWeek());
}

// The first day of the last four weeks.
QDate fourWeeksFrom(QDate today)
{
    return mondayOf(today).addDays(-21);
}

} // namespace

QList<DayRow> dayRows(const ChildHistory& history)
{
    QList<DayRow> rows;
    for (const auto& [key, tally] : history.days) {
        if (rows.isEmpty() || rows.last().day != key.day)
            rows.append({ key.day, {} });
        rows.last().tally.add(tally);
    }
    std::reverse(rows.begin(), rows.end());
    return rows;
}

QList<WeekBar> weekBars(const ChildHistory& history, QDate today, int weeks)
{
    const QDate monday = mondayOf(today);
    QList<WeekBar> bars;
    for (int i = weeks - 1; i >= 0; --i)
        bars.append({ IsoWeek::of(monday.addDays(-7 * i)), {} });
    for (const auto& [key, tally] : history.days) {
        const qint64 back = (monday.toJulianDay() - mondayOf(key.day).toJulianDay()) / 7;
        if (back >= 0 && back < weeks)
            bars[weeks - 1 - back].tally.add(tally);
    }
    return bars;
}

QList<TypeRow> hardestTypes(const ChildHistory& history, QDate today)
{
    const QDate from = fourWeeksFrom(today);
    const QDate to = mondayOf(today).addDays(6);
    std::map<std::pair<int, int>, Tally> types;
    for (const auto& [key, tally] : history.days)
        if (key.day >= from && key.day <= to && key.source == CheckedAnswer::Source::Training
            && key.operation != 0 && key.taskType != 0)
            types[{ key.operation, key.taskType }].add(tally);
    QList<TypeRow> rows;
    for (const auto& [type, tally] : types) {
        const auto operation = Operation(type.first);
        rows.append({ operation, type.second,
                      taskTypeEntries(operation).value(type.second - 1).trimmed(), tally,
                      rating(tally, MinAnswersPerType) });
    }
    // The worst share first; equal shares with more answers first. The stable sort keeps the
    // order of the lists among equals and among the types too little practised.
    std::stable_sort(rows.begin(), rows.end(), [](const TypeRow& a, const TypeRow& b) {
        const bool judgedA = a.rating != Rating::TooFew;
        const bool judgedB = b.rating != Rating::TooFew;
        if (judgedA != judgedB || !judgedA)
            return judgedA && !judgedB;
        const long double shareA = (long double)a.tally.wrong / a.tally.answers();
        const long double shareB = (long double)b.tally.wrong / b.tally.answers();
        if (shareA != shareB)
            return shareA > shareB;
        return a.tally.answers() > b.tally.answers();
    });
    return rows;
}

FactGrid factGrid(const ChildHistory& history, QDate today)
{
    const IsoWeek first = IsoWeek::of(fourWeeksFrom(today));
    const IsoWeek last = IsoWeek::of(today);
    FactGrid grid;
    for (const auto& [key, tally] : history.facts)
        if (key.week >= first && key.week <= last)
            grid[key.fact.a - 1][key.fact.b - 1].tally.add(tally);
    for (auto& row : grid)
        for (FactCell& cell : row)
            cell.rating = rating(cell.tally, MinAnswersPerFact);
    return grid;
}

ClassRow classRow(const ChildHistory& history, QDate today)
{
    ClassRow row{ history.name, {}, {} };
    const QDate monday = mondayOf(today);
    for (const auto& [key, tally] : history.days)
        if (key.day >= monday && key.day <= monday.addDays(6))
            row.thisWeek.add(tally);
    if (!history.days.empty())
        row.lastDay = history.days.rbegin()->first.day;
    return row;
}

QByteArray dayTableCsv(const QList<DayRow>& rows)
{
    QString text = QStringLiteral("Tag;Aufgaben;Richtig;Falsch;Fehlerquote;Minuten\r\n");
    for (const DayRow& row : rows)
        text += dayText(row.day) + u';' + QString::number(row.tally.answers()) + u';'
                + QString::number(row.tally.right) + u';' + QString::number(row.tally.wrong) + u';'
                + errorPercentText(row.tally) + u';'
                + QString::number(wholeMinutes(row.tally.answeringMs)) + QStringLiteral("\r\n");
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}
