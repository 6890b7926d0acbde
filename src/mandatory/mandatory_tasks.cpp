#include "mandatory/mandatory_tasks.h"

#include "engine/task_engine.h"
#include "engine/training_state.h"
#include "platform/dialogs.h"
#include "platform/list_box.h"
#include "platform/password_prompt.h"
#include "platform/text_file.h"
#include "platform/controls.h"

#include <QLabel>
#include <QWidget>

namespace {

constexpr int EditorListHeight = 1950; // twips

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

MandatoryTasks::MandatoryTasks(TrainingState& state, Dialogs& dialogs, TaskEngine& engine,
                               ListBox& list, QWidget& cover, QWidget& window,
                               const QLabel& taskLabel)
    : state_(state),
      dialogs_(dialogs),
      engine_(engine),
      list_(list),
      cover_(cover),
      window_(window),
      taskLabel_(taskLabel)
{
}

bool MandatoryTasks::active() const
{
    return ModeCover::isOn(&cover_);
}

bool MandatoryTasks::readFileIntoList()
{
    // The list is emptied first, so a file that cannot be read leaves an empty list behind.
    list_.clear();
    QStringList entries;
    const bool read = readMandatoryFile(QString::fromLatin1(FileName), &entries);
    list_.addItems(entries);
    return read;
}

void MandatoryTasks::loadMandatoryTasks()
{
    if (!readFileIntoList()) {
        dialogs_.msgBox(QStringLiteral("Keine Pflichtaufgaben!"), MsgStyle::OkOnly, title());
        return;
    }
    if (list_.listCount() < 1)
        return;

    // The next task that the generator puts on the screen is the first stored one.
    ModeCover::set(&cover_, true);
    state_.operation = Operation::Mandatory;
    engine_.fillTaskTypeList();
}

void MandatoryTasks::leaveMode()
{
    ModeCover::set(&cover_, false);
    state_.operation = Operation::Plus;
}

void MandatoryTasks::confirmEndMandatoryTasks()
{
    if (!askPassword(dialogs_, state_.expectedAnswer, QStringLiteral("Pflichtaufgaben beenden?")))
        return;
    leaveMode();
    state_.taskType = 1;
    engine_.fillTaskTypeList();
}

void MandatoryTasks::leaveWithPassword()
{
    if (!askPassword(dialogs_, state_.expectedAnswer, QStringLiteral("Pflichtaufgaben abbrechen")))
        return;
    leaveMode();
    engine_.fillTaskTypeList();
}

bool MandatoryTasks::editorOpen() const
{
    return window_.width() != Twips::toPixels(NormalWidth);
}

void MandatoryTasks::openEditor()
{
    if (editorOpen()) {
        window_.setFixedSize(Twips::toPixels(NormalWidth), window_.height());
        return;
    }
    if (!askPassword(dialogs_, state_.expectedAnswer, QStringLiteral("Ziftora")))
        return;

    list_.resize(list_.width(), Twips::toPixels(EditorListHeight));
    window_.setFixedSize(Twips::toPixels(EditorWidth), window_.height());
    dialogs_.msgBox(QStringLiteral("Alle Pflichtaufgaben werden beim\r"
                                   "Start bzw. Benutzerwechsel geladen!\r"
                                   "Die Liste wird erstellt, indem man\r"
                                   "links auf die Aufgabenknöpfe klickt\r"
                                   "und passende Aufgabe mit Klick auf\r"
                                   "den Einfügen-Knopf in die Liste holt.\r"),
                    MsgStyle::OkOnly, QStringLiteral("Pflichtteil"));
}

void MandatoryTasks::insertTask()
{
    // The task on screen and its answer become one pair at the end of the list.
    list_.addItem(taskLabel_.text());
    list_.addItem(state_.expectedAnswer);
    list_.setListIndex(list_.listCount() - 1);
}

void MandatoryTasks::deleteLine()
{
    const int index = list_.listIndex();
    if (index < 0)
        return;
    // A task line and its answer line always go together.
    const int first = index % 2 == 0 ? index : index - 1;
    list_.removeItem(first);
    list_.removeItem(first);
}

void MandatoryTasks::clearList()
{
    list_.clear();
}

void MandatoryTasks::saveList()
{
    if (list_.listCount() == 0) {
        const int answer = dialogs_.msgBox(
                QStringLiteral("Die Liste enthält keine Daten!\r"
                               "Pflichtaufgaben jetzt löschen?"),
                MsgStyle::YesNo | MsgStyle::Question | MsgStyle::DefaultButton2, title());
        if (answer != MsgResult::Yes)
            return;
    }

    // The file is replaced whole; when that fails the old file stays and so does the list.
    QString error;
    if (!TextFile::replaceLines(QString::fromLatin1(FileName), list_.entries(), &error)) {
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
    if (!readFileIntoList()) {
        dialogs_.msgBox(QStringLiteral("Keine Liste vorhanden!"), MsgStyle::OkOnly, title());
        return;
    }
    if (list_.listCount() == 0)
        dialogs_.msgBox(QStringLiteral("Es wurden keine Aufgaben gespeichert!"), MsgStyle::OkOnly,
                        QStringLiteral("Liste laden"));
}
