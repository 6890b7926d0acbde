// The change of user, from the user icon or the user's name: errors still waiting are either
// practised now or saved to the current user's error file, and then the user window opens.

#include "training/training_window.h"

#include "platform/dialogs.h"
#include "platform/controls.h"
#include "training/error_file.h"
#include "training/error_list_window.h"
#include "training/user_window.h"

#include <QPushButton>

namespace {

const QString& errorListTitle()
{
    static const QString title = QStringLiteral("Fehlerliste");
    return title;
}

const QString& errorsStayListed()
{
    static const QString text = QStringLiteral("Sie bleiben in der Fehlerliste.\r");
    return text;
}

} // namespace

void TrainingWindow::changeUser()
{
    Dialogs& dialogs = dialogs_;
    ErrorListWindow& errors = errors_;
    UserWindow& users = users_;

    if (errors.errorCount() > 0) {
        const MsgResult answer = dialogs.msgBox(
                QStringLiteral("Die Fehleraufgaben jetzt üben?\r"),
                MsgStyle::YesNo | MsgStyle::Stop | MsgStyle::DefaultButton2, errorListTitle());
        if (answer == MsgResult::Yes) {
            nextErrorTask();
            return;
        }

        // The errors go to the file of the user selected in the user list. Without such a user, or
        // for a user beyond the thousand error files, no file may be written: another child's file
        // would get them. They stay listed, so nothing is lost.
        const int number = users.userNumber();
        const QString fileName = ErrorFile::name(number);
        if (fileName.isEmpty()) {
            const QString reason = number < 0
                    ? QStringLiteral(
                            "Es ist kein Benutzer ausgewählt, darum konnten die Fehleraufgaben "
                            "nicht in einer Datei gespeichert werden.\r")
                    : QStringLiteral(
                            "Nur die ersten 1000 Benutzer haben eine eigene Fehlerdatei, darum "
                            "konnten die Fehleraufgaben nicht gespeichert werden.\r");
            dialogs.msgBox(reason + errorsStayListed(), MsgStyle::Information, errorListTitle());
        } else {
            QString error;
            if (!ErrorFile::append(fileName, errors.tasks(), errors.answers(), &error)) {
                // The file's own report names the file and says that the errors stay listed.
                if (error.isEmpty())
                    error = QStringLiteral("Die Fehleraufgaben konnten nicht gespeichert werden.\r")
                            + errorsStayListed();
                dialogs.msgBox(error, MsgStyle::Information, errorListTitle());
            }
        }
    }

    // Even when saving failed, a user can be started: the errors wait in the list meanwhile.
    users.open(*this);
}
