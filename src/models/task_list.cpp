#include "models/task_list.h"

#include "platform/text_file.h"

#include <algorithm>

namespace {

bool lessInCodePage(const QString& a, const QString& b)
{
    return TextFile::lessInCodePage(a, b);
}

// Puts an answer after every answer that is not greater, so equal answers keep their order.
void insertSorted(QStringList& sorted, const QString& answer)
{
    sorted.insert(std::upper_bound(sorted.begin(), sorted.end(), answer, lessInCodePage), answer);
}

} // namespace

void TaskList::add(const QString& task, const QString& answer)
{
    tasks_.append(task);
    answers_.append(answer);
    insertSorted(sortedAnswers_, answer);
    emit changed();
}

void TaskList::replace(const QStringList& tasks, const QStringList& answers)
{
    tasks_ = tasks;
    answers_ = answers;
    sortedAnswers_ = answers;
    std::stable_sort(sortedAnswers_.begin(), sortedAnswers_.end(), lessInCodePage);
    emit changed();
}

void TaskList::removeAt(int row)
{
    if (row < 0 || row >= count())
        return;
    tasks_.removeAt(row);
    sortedAnswers_.removeOne(answers_.takeAt(row));
    emit changed();
}

bool TaskList::takeFirst(QString* task, QString* answer)
{
    if (tasks_.isEmpty())
        return false;
    *task = tasks_.takeFirst();
    *answer = answers_.takeFirst();
    sortedAnswers_.removeOne(*answer);
    emit changed();
    return true;
}

void TaskList::setTasks(const QStringList& tasks)
{
    tasks_ = tasks;
    emit changed();
}

void TaskList::clear()
{
    tasks_.clear();
    answers_.clear();
    sortedAnswers_.clear();
    emit changed();
}
