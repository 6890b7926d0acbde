#include "models/users.h"

#include "engine/training_state.h"
#include "models/error_file.h"
#include "platform/dialogs.h"
#include "platform/password_prompt.h"
#include "platform/text_file.h"

namespace {

const QString& inputTitle()
{
    static const QString title = QStringLiteral("Benutzereingabe");
    return title;
}

// A name becomes one line of ZIFTORA.INI: it must not break the line, and every character must
// exist in the file's code page.
bool canStoreName(const QString& name)
{
    return !name.contains(u'\r') && !name.contains(u'\n') && TextFile::canStore(name);
}

} // namespace

Users::Users(Dialogs& dialogs, const TrainingState& state) : dialogs_(dialogs), state_(state) { }

void Users::load()
{
    if (file_.load() == UserFile::Loaded::Unreadable)
        dialogs_.msgBox(QStringLiteral("Die Benutzerliste %1 konnte nicht gelesen werden.\r"
                                       "Bis zum Ende des Programms gilt nur der Standardbenutzer;\r"
                                       "die Datei bleibt unverändert.\r")
                                .arg(QString::fromLatin1(UserFile::FileName)),
                        MsgStyle::Information, inputTitle());
    startedName_ = file_.names().value(0);
    emit namesChanged();
    select(0);
}

QStringList Users::shownNames() const
{
    QStringList shown;
    shown.reserve(count());
    for (int i = 0; i < count(); ++i)
        shown.append(::shownName(file_.names().at(i)));
    return shown;
}

QString Users::shownName(int number) const
{
    return number >= 0 && number < count() ? ::shownName(file_.names().at(number)) : QString();
}

void Users::select(int number)
{
    if (number < -1 || number >= count())
        return;
    selected_ = number;
    emit selectionChanged();
}

bool Users::startSelected()
{
    if (selected_ < 0)
        return false;
    startedName_ = file_.names().at(selected_);
    emit started();
    return true;
}

QString Users::errorFileName(int number) const
{
    return ErrorFile::name(number);
}

bool Users::save()
{
    QString error;
    if (file_.save(&error))
        return true;
    QString text = QStringLiteral("Die Benutzerliste konnte nicht gespeichert werden.\r");
    if (!error.isEmpty())
        text += error + QStringLiteral("\r");
    text += QStringLiteral("Die Änderung gilt nur, bis das Programm beendet wird.\r");
    dialogs_.msgBox(text, MsgStyle::Information, inputTitle());
    return false;
}

// The new name goes to the end, so the numbers (and error files) of the others stay.
void Users::addName()
{
    if (!askPassword(dialogs_, state_.expectedAnswer, inputTitle()))
        return;
    if (file_.names().size() >= UserFile::MaxUsers) {
        dialogs_.msgBox(QStringLiteral("Es können höchstens 1000 Benutzer eingetragen werden.\r"
                                       "Bitte zuerst einen Namen löschen.\r"),
                        MsgStyle::OkOnly, inputTitle());
        return;
    }
    const QString name = dialogs_.inputBox(QStringLiteral("Neuer Name:"), inputTitle(), QString());
    if (name.isEmpty() || file_.contains(name))
        return;
    if (!canStoreName(name)) {
        dialogs_.msgBox(
                QStringLiteral(
                        "Der Name enthält Zeichen, die in der Benutzerliste nicht gespeichert "
                        "werden können.\rBitte den Namen ohne diese Zeichen eingeben.\r"),
                MsgStyle::OkOnly, inputTitle());
        return;
    }
    file_.add(name);
    emit namesChanged();
    save();
}

// Everyone behind the deleted name moves up one number, and with it to the error file of the one
// before. Afterwards no one is selected until a child is started.
void Users::deleteSelected()
{
    if (count() == 0 || selected_ < 0)
        return;
    if (!askPassword(dialogs_, state_.expectedAnswer, inputTitle()))
        return;
    file_.remove(selected_);
    selected_ = -1;
    emit namesChanged();
    emit selectionChanged();
    save();
}
