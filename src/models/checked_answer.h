#pragma once

#include "engine/operation.h"

#include <QDateTime>
#include <QString>

#include <optional>

// One check of an answer as the training session hands it to the child's history: OK or Enter,
// right or wrong, repeats included. An empty entry is no answer (the child is asked to type one)
// and is not counted.
struct CheckedAnswer {
    // Where the task came from. Error-practice and mandatory tasks are stored texts: their type
    // and level are not known, only their operation, from the sign in the text.
    enum class Source { Training, ErrorPractice, Mandatory };

    QDateTime checkedAt; // local time of the check: its day and ISO week are counted
    std::optional<Operation> operation; // Plus to Divide; none when a stored task shows no sign
    int taskType = 0; // entry of the operation's task-type list, from 1; 0 when not known
    int level = 0; // 1 to 5; 0 when not known
    Source source = Source::Training;
    qint64 answeringMs = 0; // the answering stopwatch's reading
    QString taskText; // as shown
    QString expectedAnswer; // a remainder answer ("7R5") keeps a division off the times table
    QString entry; // what the child typed

    // The check's own rule: the entry equals the expected answer exactly.
    bool right() const { return entry == expectedAnswer; }
};

// The operation of a stored task, from the sign between its numbers: "+", "-", the middle dot
// ":" and the signs a teacher may type by hand ("*", "x", "×"; "/", "÷"; the dash "–"). A sign
// counts only right after a number, "?" or ")", so the minus of a negative number does not, nor
// do the signs of a comparison ("<=>"). A task with a times or divide sign belongs to that
// operation even when it also adds or subtracts (the program lists "Punkt-Strich" tasks under
// times and divide); otherwise the first plus or minus sign decides. None when there is no sign.
std::optional<Operation> operationOfTaskText(QStringView text);

// A fact of the small times table: a · b, both from 1 to 10.
struct TimesFact {
    int a = 0;
    int b = 0;
    bool operator==(const TimesFact&) const = default;
};

// The fact a task text practises, if any: one times or divide sign between two of three parts,
// an "=", and exactly one "?" (a · b = ?, a · ? = p, ? · b = p; c : b = ?, c : ? = q, ? : b = q).
// A division c : b = q counts on the fact q · b. Chains, "Punkt-Strich", comparisons and
// remainder tasks (an expected answer with "R") practise none; neither do numbers that do not
// divide evenly or a fact outside 1 to 10.
std::optional<TimesFact> smallTimesFact(QStringView taskText, QStringView expectedAnswer = {});
