#pragma once

#include "models/history_queries.h"
#include "platform/print_job.h"

#include <QObject>
#include <QStringList>

class Clock;
class Dialogs;
class History;

// The "Lernstand" page: one child's practice (the days, the last eight weeks, the hardest task
// types, the small times table) and the class beside it, as the window shows it, prints it and
// saves it as a table. The page reads the histories when it is opened or steps to another child;
// "<" and ">" step through the children here only, the user list's selection stays.
class ProgressPage : public QObject {
    Q_OBJECT
public:
    ProgressPage(History& history, const Clock& clock, Dialogs& dialogs, Printer& printer);

    // The page of child `shown` among `children` (the user list's names in full).
    void open(const QStringList& children, int shown);
    // "<" and ">": the previous or next child, round the end of the list.
    void step(int step);
    const QString& child() const { return child_.name; }

    // The tables, a list of cell texts per row, in the order the window shows them.
    static QStringList dayColumns();
    QList<QStringList> dayTable() const;
    static QStringList weekColumns();
    QList<QStringList> weekTable() const;
    static QStringList typeColumns();
    QList<QStringList> typeTable() const;
    const QList<TypeRow>& types() const { return types_; }
    static QStringList classColumns();
    QList<QStringList> classTable() const;
    const QList<ClassRow>& classRows() const { return classRows_; }

    // The small times table: the fact a · b (1 to 10) with its counts, as its cell shows it
    // ("3 · 4\n5 / 1", right over wrong) and as a screen reader says it.
    const FactGrid& facts() const { return facts_; }
    QString factText(int a, int b) const;
    QString factName(int a, int b) const;

    // Right and wrong answers of the last eight weeks as stacked bars.
    PrintPicture weekChart() const;

    // "Drucken": the days, the hardest types and the chart.
    PrintJob printJob() const;
    void print();
    // "Als Tabelle speichern": the days as a spreadsheet file in the working folder, named after
    // the child and the time ("Lernstand Anna 2026-12-06 14-03.csv"), never over another file.
    QString fileStem() const;
    void saveTable();

signals:
    void changed(); // another child, or the page read anew

private:
    void showChild();

    History& history_;
    const Clock& clock_;
    Dialogs& dialogs_;
    Printer& printer_;
    QStringList children_;
    int shown_ = -1;
    ChildHistory child_;
    QDate today_;
    QList<DayRow> days_;
    QList<WeekBar> weeks_;
    QList<TypeRow> types_;
    FactGrid facts_;
    QList<ClassRow> classRows_;
};

// How a rating is said and coloured (0xRRGGBB, light enough to read black text on): green, yellow,
// red, and grey for too few answers.
QString ratingText(Rating rating);
quint32 ratingColor(Rating rating);
// "plus", "minus", "mal", "geteilt", as the operation buttons say it.
QString operationName(Operation operation);
