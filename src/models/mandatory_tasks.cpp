#include "models/mandatory_tasks.h"

#include "engine/task_engine.h"
#include "platform/dialogs.h"
#include "platform/text_file.h"

namespace {

const QString& title()
{
    static const QString title = QStringLiteral("Pflichtaufgaben");
    return title;
}

} // namespace

bool readMandatoryFile(const QString& path, QStringList* entries)
{
    entries->clear();
    QString task;
    bool haveTask = false;
    const bool read = TextFile::forEachField(path, [&](QString&& field) {
        if (!haveTask) {
            task = std::move(field);
            haveTask = true;
            return;
        }
        haveTask = false;
        if (!answerCanBeTyped(field))
            return;
        entries->append(std::move(task));
        entries->append(std::move(field));
    });
    if (haveTask)
        entries->append(task);
    return read;
}

MandatoryTasks::MandatoryTasks(Dialogs& dialogs, const Clock& clock, SharedFile::Waits waits)
    : dialogs_(dialogs), clock_(clock), waits_(waits)
{
}

void MandatoryTasks::select(int index)
{
    if (index < -1 || index >= count())
        return;
    selected_ = index;
    emit changed();
}

bool MandatoryTasks::load()
{
    // The list is emptied first, so a file that cannot be read leaves an empty list behind.
    const bool read = readMandatoryFile(QString::fromLatin1(FileName), &entries_);
    selected_ = -1;
    emit changed();
    return read;
}

// Lines before the selected one move it up; the selected line itself going leaves none selected.
void MandatoryTasks::removeRows(int first, int n)
{
    first = qBound(0, first, count());
    n = qBound(0, n, count() - first);
    if (n == 0)
        return;
    entries_.remove(first, n);
    if (selected_ >= first + n)
        selected_ -= n;
    else if (selected_ >= first)
        selected_ = -1;
}

void MandatoryTasks::removeEntries(int first, int n)
{
    removeRows(first, n);
    emit changed();
}

void MandatoryTasks::setEditorOpen(bool open)
{
    if (editorOpen_ == open)
        return;
    editorOpen_ = open;
    emit editorOpenChanged();
}

void MandatoryTasks::insert(const QString& task, const QString& answer)
{
    entries_ << task << answer;
    selected_ = count() - 1;
    emit changed();
}

void MandatoryTasks::deleteSelectedPair()
{
    if (selected_ < 0)
        return;
    // A task line and its answer line always go together.
    removeRows(selected_ - selected_ % 2, 2);
    emit changed();
}

void MandatoryTasks::clear()
{
    entries_.clear();
    selected_ = -1;
    emit changed();
}

void MandatoryTasks::save()
{
    if (entries_.isEmpty()) {
        const MsgResult answer = dialogs_.msgBox(
                QStringLiteral("Die Liste enthält keine Daten!\r"
                               "Pflichtaufgaben jetzt löschen?"),
                MsgStyle::YesNo | MsgStyle::Question | MsgStyle::DefaultButton2, title());
        if (answer != MsgResult::Yes)
            return;
    }

    // The file is replaced whole; when that fails the old file stays and so does the list.
    const QString path = QString::fromLatin1(FileName);
    const auto write = [&] {
        QString error;
        return TextFile::replaceLines(path, entries_, &error) ? QString() : error;
    };
    SharedFile::Result saved;
    while ((saved = SharedFile::withLock(path, clock_, waits_.teacherMs, write)).outcome
           == SharedFile::Outcome::Busy)
        if (!SharedFile::askToTryAgain(dialogs_, path, saved.holder, title()))
            return;
    if (!saved.done()) {
        const QString& error = saved.error;
        QString text = QStringLiteral("Die Liste konnte nicht gespeichert werden!\r");
        if (!error.isEmpty())
            text += error + QLatin1Char('\r');
        dialogs_.msgBox(text, MsgStyle::OkOnly, title());
        return;
    }
    dialogs_.msgBox(QStringLiteral("Liste wurde gespeichert.\r"), MsgStyle::OkOnly, title());
}

void MandatoryTasks::loadList()
{
    if (!load()) {
        dialogs_.msgBox(QStringLiteral("Keine Liste vorhanden!"), MsgStyle::OkOnly, title());
        return;
    }
    if (entries_.isEmpty())
        dialogs_.msgBox(QStringLiteral("Es wurden keine Aufgaben gespeichert!"), MsgStyle::OkOnly,
                        QStringLiteral("Liste laden"));
}
