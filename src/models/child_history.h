#pragma once

#include "models/checked_answer.h"

#include <QDate>

#include <map>

// An ISO week: Monday to Sunday, counted in the year that holds its Thursday, so the last days
// of December may belong to week 1 of the next year and the first days of January to week 52 or
// 53 of the year before.
struct IsoWeek {
    int year = 0;
    int week = 0;

    static IsoWeek of(QDate day);
    // The week's Monday; invalid for a week its year does not have (week 53 of a short year).
    QDate monday() const;
    auto operator<=>(const IsoWeek&) const = default;
};

// Answers counted together: right, wrong, and the time spent answering them. Counts stop at
// MaxCount, so adding up files of any content never overflows.
struct Tally {
    static constexpr qint64 MaxCount = 1'000'000'000'000'000;

    qint64 right = 0;
    qint64 wrong = 0;
    qint64 answeringMs = 0;

    qint64 answers() const { return right + wrong; }
    void add(const Tally& other);
    bool operator==(const Tally&) const = default;
};

// What the answers of a day are counted by. The operation is 1 (plus) to 4 (divide), or 0 when a
// stored task showed no sign; type and level are 0 when not known.
struct DayKey {
    QDate day;
    int operation = 0;
    int taskType = 0;
    int level = 0;
    CheckedAnswer::Source source = CheckedAnswer::Source::Training;

    bool operator<(const DayKey& other) const;
    bool operator==(const DayKey&) const = default;
};

// The small times table is counted by ISO week: a week holds at most a hundred facts, and the
// last four weeks, which the grid shows, are whole weeks.
struct FactKey {
    IsoWeek week;
    TimesFact fact;

    bool operator<(const FactKey& other) const;
    bool operator==(const FactKey&) const = default;
};

// A child's practice over the years, added up per day (and the times table per week), so a
// school year stays small. The child is known by name.
struct ChildHistory {
    QString name;
    std::map<DayKey, Tally> days;
    std::map<FactKey, Tally> facts; // right and wrong; no time

    // Counts one checked answer on its local day (an empty entry not). Error-practice and mandatory
    // tasks count with type and level 0 (a stored task tells neither); a type or level out of range
    // counts as 0.
    void add(const CheckedAnswer& answer);
    // Adds another record of the same child key by key: what another computer counted, or the
    // answers not yet written.
    void add(const ChildHistory& other);
    bool isEmpty() const { return days.empty() && facts.empty(); }
    bool operator==(const ChildHistory&) const = default;
};

// `onDisk` with `pending` added: the one rule of putting two records of a child together.
ChildHistory merged(ChildHistory onDisk, const ChildHistory& pending);
