#include "models/child_history.h"

#include "engine/task_engine.h"
#include "models/answering_stopwatch.h"

#include <algorithm>
#include <tuple>

IsoWeek IsoWeek::of(QDate day)
{
    IsoWeek week;
    week.week = day.weekNumber(&week.year);
    return week;
}

QDate IsoWeek::monday() const
{
    // 4 January always lies in week 1.
    const QDate fourth(year, 1, 4);
    const QDate monday = fourth.addDays(1 - fourth.dayOfWeek() + 7 * qint64(week - 1));
    return week >= 1 && of(monday) == *this ? monday : QDate();
}

namespace {

qint64 addCapped(qint64 a, qint64 b)
{
    return std::min(Tally::MaxCount, std::min(a, Tally::MaxCount) + std::min(b, Tally::MaxCount));
}

} // namespace

void Tally::add(const Tally& other)
{
    right = addCapped(right, other.right);
    wrong = addCapped(wrong, other.wrong);
    answeringMs = addCapped(answeringMs, other.answeringMs);
}

bool DayKey::operator<(const DayKey& other) const
{
    return std::tuple(day, operation, taskType, level, source)
            < std::tuple(other.day, other.operation, other.taskType, other.level, other.source);
}

bool FactKey::operator<(const FactKey& other) const
{
    return std::tuple(week, fact.a, fact.b) < std::tuple(other.week, other.fact.a, other.fact.b);
}

void ChildHistory::add(const CheckedAnswer& answer)
{
    const QDate day = answer.checkedAt.toLocalTime().date();
    if (answer.entry.isEmpty() || !day.isValid() || day.year() < 1 || day.year() > 9999)
        return;
    DayKey key{ day, 0, 0, 0, answer.source };
    const auto operation = answer.operation.value_or(Operation::Random);
    if (operation >= Operation::Plus && operation <= Operation::Divide)
        key.operation = int(operation);
    if (answer.source == CheckedAnswer::Source::Training) {
        if (key.operation != 0 && answer.taskType >= 1
            && answer.taskType <= taskTypeEntries(operation).size())
            key.taskType = answer.taskType;
        if (answer.level >= 1 && answer.level <= 5)
            key.level = answer.level;
    }
    const bool right = answer.right();
    const Tally one{ right ? 1 : 0, right ? 0 : 1,
                     std::clamp<qint64>(answer.answeringMs, 0, AnsweringStopwatch::CapMs) };
    days[key].add(one);
    if (const auto fact = smallTimesFact(answer.taskText, answer.expectedAnswer))
        facts[{ IsoWeek::of(day), *fact }].add({ one.right, one.wrong, 0 });
}

void ChildHistory::add(const ChildHistory& other)
{
    for (const auto& [key, tally] : other.days)
        days[key].add(tally);
    for (const auto& [key, tally] : other.facts)
        facts[key].add(tally);
}

ChildHistory merged(ChildHistory onDisk, const ChildHistory& pending)
{
    onDisk.add(pending);
    return onDisk;
}
