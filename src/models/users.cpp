#include "models/users.h"

#include "engine/training_state.h"
#include "models/error_file.h"
#include "platform/dialogs.h"
#include "platform/file_lock.h"
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

QString noChild()
{
    return QStringLiteral("Es ist kein Benutzer ausgewählt, darum konnten die Fehleraufgaben "
                          "nicht in einer Datei gespeichert werden.\rSie bleiben in der "
                          "Fehlerliste.\r");
}

void tellErrorsNotSaved(Dialogs& dialogs, const QString& why)
{
    dialogs.msgBox(why, MsgStyle::Information, QStringLiteral("Fehlerliste"));
}

} // namespace

Users::Users(Dialogs& dialogs, const TrainingState& state, const Clock& clock,
             SharedFile::Waits waits)
    : dialogs_(dialogs), state_(state), clock_(clock), waits_(waits), file_(clock)
{
}

void Users::load()
{
    if (file_.load(waits_.teacherMs) == UserFile::Loaded::Unreadable)
        dialogs_.msgBox(QStringLiteral("Die Benutzerliste %1 konnte nicht gelesen werden.\r"
                                       "Bis zum Ende des Programms gilt nur der Standardbenutzer;\r"
                                       "die Datei bleibt unverändert.\r")
                                .arg(QString::fromLatin1(UserFile::FileName)),
                        MsgStyle::Information, inputTitle());
    started_ = Child{ file_.names().value(0), 0 };
    emit namesChanged();
    select(0);
}

void Users::refresh()
{
    bool full = false;
    // Quietly: a change that still cannot be written is tried again with the next one.
    if (file_.hasChanges())
        file_.save(waits_.quietMs, &full);
    else
        file_.load(waits_.quietMs);
    showList();
}

// The list as it is now: the selected and the started child found again by name.
void Users::showList()
{
    const int selected =
            selected_ < 0 ? -1 : UserFile::find(file_.names(), selectedName_, selected_);
    started_.number = UserFile::find(file_.names(), started_.name, started_.number);
    const bool moved = selected != selected_;
    selected_ = selected;
    if (selected_ < 0)
        selectedName_.clear();
    emit namesChanged();
    if (moved)
        emit selectionChanged();
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
    selectedName_ = file_.names().value(number);
    emit selectionChanged();
}

bool Users::startSelected()
{
    if (selected_ < 0)
        return false;
    started_ = Child{ selectedName_, selected_ };
    emit started();
    return true;
}

bool Users::save()
{
    for (;;) {
        bool full = false;
        const SharedFile::Result saved = file_.save(waits_.teacherMs, &full);
        showList();
        if (full)
            dialogs_.msgBox(QStringLiteral("Es können höchstens 1000 Benutzer eingetragen werden.\r"
                                           "Bitte zuerst einen Namen löschen.\r"),
                            MsgStyle::OkOnly, inputTitle());
        switch (saved.outcome) {
        case SharedFile::Outcome::Done:
            return true;
        case SharedFile::Outcome::Busy:
            if (SharedFile::askToTryAgain(dialogs_, UserFile::path(), saved.holder, inputTitle()))
                continue;
            return false;
        case SharedFile::Outcome::Failed:
            break;
        }
        QString text = QStringLiteral("Die Benutzerliste konnte nicht gespeichert werden.\r");
        if (!saved.error.isEmpty())
            text += saved.error + QStringLiteral("\r");
        text += QStringLiteral("Die Änderung gilt nur, bis das Programm beendet wird.\r");
        dialogs_.msgBox(text, MsgStyle::Information, inputTitle());
        return false;
    }
}

// The new name goes to the end, so the numbers (and error files) of the others stay.
void Users::addName()
{
    refresh();
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
    refresh();
    if (count() == 0 || selected_ < 0)
        return;
    if (!askPassword(dialogs_, state_.expectedAnswer, inputTitle()))
        return;
    file_.remove(selected_);
    selected_ = -1;
    selectedName_.clear();
    emit namesChanged();
    emit selectionChanged();
    save();
}

void Users::saveErrors(const QStringList& tasks, const QStringList& answers)
{
    // Without a selected child no file may be written: another child's file would get them.
    if (selected_ < 0) {
        tellErrorsNotSaved(dialogs_, noChild());
        return;
    }
    waiting_.append(WaitingErrors{ Child{ selectedName_, selected_ }, tasks, answers });
    writeWaitingErrors();
}

void Users::writeWaitingErrors(int waitMs)
{
    while (!waiting_.isEmpty()
           && append(waiting_.first(), waitMs < 0 ? waits_.quietMs : waitMs) != Appended::Waiting)
        waiting_.removeFirst();
}

// The user list's lock first, then the error file's: the child's number cannot change meanwhile.
Users::Appended Users::append(const WaitingErrors& errors, int waitMs)
{
    FileLock listLock(UserFile::path(), clock_);
    if (listLock.lock(waitMs) == FileLock::Result::Busy)
        return Appended::Waiting;
    // Locked, or no lock can be made in this folder at all: then the append fails and says so.
    const int number = file_.numberNow(errors.child.name, errors.child.number);
    if (number < 0) { // deleted by another program meanwhile
        tellErrorsNotSaved(dialogs_, noChild());
        return Appended::NotSaved;
    }
    const QString fileName = ErrorFile::name(number); // every listed child has one
    FileLock fileLock(fileName, clock_);
    if (fileLock.lock(waitMs) == FileLock::Result::Busy)
        return Appended::Waiting;
    QString error;
    if (ErrorFile::append(fileName, errors.tasks, errors.answers, &error))
        return Appended::Written;
    // The file's own report names the file and says that the errors stay listed.
    tellErrorsNotSaved(dialogs_, error);
    return Appended::NotSaved;
}

bool Users::readErrors(QStringList* tasks, QStringList* answers, QString* fileName) const
{
    tasks->clear();
    answers->clear();
    fileName->clear();
    if (selected_ < 0)
        return true;
    // Past a lock held for seconds (a write replaces a file whole): the teacher is waiting.
    FileLock listLock(UserFile::path(), clock_);
    listLock.lock(waits_.teacherMs);
    *fileName = ErrorFile::name(file_.numberNow(selectedName_, selected_));
    return fileName->isEmpty() || ErrorFile::read(*fileName, tasks, answers)
            || TextFile::kind(*fileName) == TextFile::FileKind::Absent;
}
