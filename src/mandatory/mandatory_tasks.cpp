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

const QString& Title()
{
    static const QString title = QStringLiteral("Pflichtaufgaben");
    return title;
}

} // namespace

bool ReadMandatoryFile(const QString& path, QStringList* entries)
{
    entries->clear();
    QString task;
    bool haveTask = false;
    const bool read = TextFile::ForEachField(path, [&](QString&& field) {
        if (!haveTask) {
            task = std::move(field);
            haveTask = true;
            return;
        }
        haveTask = false;
        if (!AnswerCanBeTyped(field))
            return;
        entries->append(std::move(task));
        entries->append(std::move(field));
    });
    if (haveTask)
        entries->append(task);
    return read;
}

MandatoryTasks::MandatoryTasks(TrainingState& state, Dialogs& dialogs, TaskEngine& engine, ListBox& liste2,
                               QWidget& befehl28, QWidget& window, const QLabel& bezeichnung1)
    : state_(state),
      dialogs_(dialogs),
      engine_(engine),
      liste2_(liste2),
      befehl28_(befehl28),
      window_(window),
      bezeichnung1_(bezeichnung1)
{
}

bool MandatoryTasks::Active() const
{
    return ModeCover::IsOn(&befehl28_);
}

bool MandatoryTasks::ReadFileIntoList()
{
    // The list is emptied first, so a file that cannot be read leaves an empty list behind.
    liste2_.Clear();
    QStringList entries;
    const bool read = ReadMandatoryFile(QString::fromLatin1(FileName), &entries);
    liste2_.AddItems(entries);
    return read;
}

void MandatoryTasks::LoadMandatoryTasks()
{
    if (!ReadFileIntoList()) {
        dialogs_.MsgBox(QStringLiteral("Keine Pflichtaufgaben!"), MsgStyle::OkOnly, Title());
        return;
    }
    if (liste2_.ListCount() < 1)
        return;

    // The next task that the generator puts on the screen is the first stored one.
    ModeCover::Set(&befehl28_, true);
    state_.operation = Operation::Mandatory;
    engine_.FillTaskTypeList();
}

void MandatoryTasks::LeaveMode()
{
    ModeCover::Set(&befehl28_, false);
    state_.operation = Operation::Plus;
}

void MandatoryTasks::ConfirmEndMandatoryTasks()
{
    if (!AskPassword(dialogs_, state_.expectedAnswer, QStringLiteral("Pflichtaufgaben beenden?")))
        return;
    LeaveMode();
    state_.taskType = 1;
    engine_.FillTaskTypeList();
}

void MandatoryTasks::Befehl28_Click()
{
    if (!AskPassword(dialogs_, state_.expectedAnswer, QStringLiteral("Pflichtaufgaben abbrechen")))
        return;
    LeaveMode();
    engine_.FillTaskTypeList();
}

bool MandatoryTasks::EditorOpen() const
{
    return window_.width() != Twips::ToPixels(NormalWidth);
}

void MandatoryTasks::Bild4_Click()
{
    if (EditorOpen()) {
        window_.setFixedSize(Twips::ToPixels(NormalWidth), window_.height());
        return;
    }
    if (!AskPassword(dialogs_, state_.expectedAnswer, QStringLiteral("Ziftora")))
        return;

    liste2_.resize(liste2_.width(), Twips::ToPixels(EditorListHeight));
    window_.setFixedSize(Twips::ToPixels(EditorWidth), window_.height());
    dialogs_.MsgBox(QStringLiteral("Alle Pflichtaufgaben werden beim\r"
                                   "Start bzw. Benutzerwechsel geladen!\r"
                                   "Die Liste wird erstellt, indem man\r"
                                   "links auf die Aufgabenknöpfe klickt\r"
                                   "und passende Aufgabe mit Klick auf\r"
                                   "den Einfügen-Knopf in die Liste holt.\r"),
                    MsgStyle::OkOnly, QStringLiteral("Pflichtteil"));
}

void MandatoryTasks::Befehl23_Click()
{
    // The task on screen and its answer become one pair at the end of the list.
    liste2_.AddItem(bezeichnung1_.text());
    liste2_.AddItem(state_.expectedAnswer);
    liste2_.SetListIndex(liste2_.ListCount() - 1);
}

void MandatoryTasks::Befehl24_Click()
{
    const int index = liste2_.ListIndex();
    if (index < 0)
        return;
    // A task line and its answer line always go together.
    const int first = index % 2 == 0 ? index : index - 1;
    liste2_.RemoveItem(first);
    liste2_.RemoveItem(first);
}

void MandatoryTasks::Befehl26_Click()
{
    liste2_.Clear();
}

void MandatoryTasks::Befehl25_Click()
{
    if (liste2_.ListCount() == 0) {
        const int answer = dialogs_.MsgBox(
                QStringLiteral("Die Liste enthält keine Daten!\r"
                               "Pflichtaufgaben jetzt löschen?"),
                MsgStyle::YesNo | MsgStyle::Question | MsgStyle::DefaultButton2, Title());
        if (answer != MsgResult::Yes)
            return;
    }

    // The file is replaced whole; when that fails the old file stays and so does the list.
    QString error;
    if (!TextFile::ReplaceLines(QString::fromLatin1(FileName), liste2_.Entries(), &error)) {
        QString text = QStringLiteral("Die Liste konnte nicht gespeichert werden!\r");
        if (!error.isEmpty())
            text += error + QLatin1Char('\r');
        dialogs_.MsgBox(text, MsgStyle::OkOnly, Title());
        return;
    }
    dialogs_.MsgBox(QStringLiteral("Liste wurde gespeichert.\r"), MsgStyle::OkOnly, Title());
}

void MandatoryTasks::Befehl27_Click()
{
    if (!ReadFileIntoList()) {
        dialogs_.MsgBox(QStringLiteral("Keine Liste vorhanden!"), MsgStyle::OkOnly, Title());
        return;
    }
    if (liste2_.ListCount() == 0)
        dialogs_.MsgBox(QStringLiteral("Es wurden keine Aufgaben gespeichert!"), MsgStyle::OkOnly,
                        QStringLiteral("Liste laden"));
}
