#pragma once

#include <QObject>
#include <QStringList>

// Tasks with their answers, as the error list and the worksheet keep them: the task texts, the
// answers in the same order, and the same answers in ascending order of the Windows-1252 code page
// ("12" before "3", the umlauts after "z"; an answer equal to others goes after them), so a child
// can look for an answer among all of them.
class TaskList : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    int count() const { return int(tasks_.size()); }
    bool isEmpty() const { return tasks_.isEmpty(); }
    bool contains(const QString& task) const { return tasks_.contains(task); }
    const QStringList& tasks() const { return tasks_; }
    const QStringList& answers() const { return answers_; }
    const QStringList& sortedAnswers() const { return sortedAnswers_; }

    // A task at the end; its answer joins both answer lists.
    void add(const QString& task, const QString& answer);
    // Replaces everything by these tasks and answers (as many answers as tasks).
    void replace(const QStringList& tasks, const QStringList& answers);
    // Takes the task at `row` out, with its answer and the topmost equal answer of the sorted
    // list. Out of range: nothing happens.
    void removeAt(int row);
    // Takes the first task off and hands it over with its answer; false when the list is empty.
    bool takeFirst(QString* task, QString* answer);
    // New texts for the tasks, the answers unchanged (as many texts as tasks).
    void setTasks(const QStringList& tasks);
    void clear();

signals:
    void changed();

private:
    QStringList tasks_;
    QStringList answers_;
    QStringList sortedAnswers_;
};
