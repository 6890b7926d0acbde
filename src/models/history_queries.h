#pragma once

#include "models/child_history.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

// What the "Lernstand" page shows of a child's history. Every query is a pure function of the
// history and, where it counts weeks, of today's date.
//
// "The last four weeks" are this ISO week and the three before it: the same whole weeks as the
// chart's last four bars, so a Monday still shows three full weeks, and the times table, counted
// per week, answers exactly.

// How an error share is judged, for task types and the facts of the times table alike.
// Below 10 % wrong the child is sure of it (green): a slip now and then. From 10 % on it is
// shaky (yellow): more than one task in ten goes wrong. From 25 % on it is hard (red): every
// fourth task or more goes wrong, the child needs help there. With fewer answers than the minimum
// no judgement is made (grey): a single slip would swing the share too far.
enum class Rating { TooFew, Sure, Shaky, Hard };
inline constexpr int ShakyFromPercent = 10;
inline constexpr int HardFromPercent = 25;
// A task type needs 20 answers (then one slip is 5 %, green; a child who gets one in twenty wrong
// is shown red by chance less than twice in a hundred). A fact of the times table comes up far
// less often, so 5 answers judge it: one slip makes it yellow, two red.
inline constexpr qint64 MinAnswersPerType = 20;
inline constexpr qint64 MinAnswersPerFact = 5;
Rating rating(const Tally& tally, qint64 minimumAnswers); // minimumAnswers at least 1

// The share of wrong answers in whole percent, rounded half up; 0 without answers.
int errorPercent(const Tally& tally);
// "40 %"; empty without answers.
QString errorPercentText(const Tally& tally);
// Answering time in whole minutes, rounded half up.
qint64 wholeMinutes(qint64 milliseconds);
// "30.11.2026"
QString dayText(QDate day);

// One row of the table of days: every day with practice, all kinds of task together.
struct DayRow {
    QDate day;
    Tally tally;
};
QList<DayRow> dayRows(const ChildHistory& history); // newest first

// One bar of the weekly chart.
struct WeekBar {
    IsoWeek week;
    Tally tally;
};
// This ISO week and the `weeks` - 1 before it, oldest first; weeks without practice included.
QList<WeekBar> weekBars(const ChildHistory& history, QDate today, int weeks = 8);

// One task type over the last four weeks, all levels together. Only generated tasks count: a
// stored task's type is not known.
struct TypeRow {
    Operation operation;
    int taskType;
    QString name; // as in the task-type list, without its leading blank
    Tally tally;
    Rating rating;
};
// The types practised in the last four weeks, the largest error share first; the types with too
// few answers to judge follow, in the order of the lists.
QList<TypeRow> hardestTypes(const ChildHistory& history, QDate today);

// The small times table over the last four weeks: cell [a - 1][b - 1] is the fact a · b.
struct FactCell {
    Tally tally;
    Rating rating = Rating::TooFew;
};
using FactGrid = std::array<std::array<FactCell, 10>, 10>;
FactGrid factGrid(const ChildHistory& history, QDate today);

// A child's row in the class overview: the answers of this ISO week (with their error share) and
// the last day practised (invalid when never).
struct ClassRow {
    QString name;
    Tally thisWeek;
    QDate lastDay;
};
ClassRow classRow(const ChildHistory& history, QDate today);

// The table of days as a spreadsheet file: UTF-8 with a byte order mark, ";" between fields, CR
// LF line ends, a header line, then the rows as the page shows them.
QByteArray dayTableCsv(const QList<DayRow>& rows);
