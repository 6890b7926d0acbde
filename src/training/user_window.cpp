// The user window: the children who use the program, one name a line in ZIFTORA.INI. A name's
// position is the child's number, and the number names the error file (ZIFTORA.000 for the first),
// so the list keeps the order of the file and is never sorted. Adding and deleting names is for
// the teacher and needs the password.

#include "training/user_window.h"

#include "engine/training_state.h"
#include "platform/dialogs.h"
#include "platform/password_prompt.h"
#include "platform/list_box.h"
#include "platform/text_file.h"
#include "platform/controls.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int ClientWidth = 5295; // twips
constexpr int ClientHeight = 4230; // twips

const QString& InputTitle()
{
    static const QString title = QStringLiteral("Benutzereingabe");
    return title;
}

// A name becomes one line of ZIFTORA.INI: it must not break the line, and every character must
// exist in the file's code page.
bool CanStoreName(const QString& name)
{
    return !name.contains(u'\r') && !name.contains(u'\n') && TextFile::CanStore(name);
}

} // namespace

Form7::Form7(Dialogs& dialogs, const TrainingState& state) : dialogs_(dialogs), state_(state)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Ziftora: Benutzerauswahl"));
    BuildControls();
    new KeyPreview(this, [this](QKeyEvent* event) { return HandleKey(event); });
}

void Form7::BuildControls()
{
    setFixedSize(Twips::ToPixels(ClientWidth), Twips::ToPixels(ClientHeight));

    Liste1 = new ListBox(this);
    Liste1->setObjectName(QStringLiteral("Liste1"));
    Liste1->setAccessibleName(QStringLiteral("Benutzer"));
    Twips::Place(Liste1, 240, 240, 2895, 3630);
    Liste1->onDblClick = [this] { Liste1_DblClick(); };

    const auto button = [this](QPushButton*& member, const char* name, const QString& caption,
                               int top, void (Form7::*handler)()) {
        member = new QPushButton(caption, this);
        member->setObjectName(QString::fromLatin1(name));
        Twips::Place(member, 3360, top, 1695, 495);
        connect(member, &QAbstractButton::clicked, this, handler);
    };
    button(Befehl3, "Befehl3", QStringLiteral("A b b r u c h"), 240, &Form7::Befehl3_Click);
    button(Befehl1, "Befehl1", QStringLiteral("S t a r t e n"), 960, &Form7::Befehl1_Click);
    button(Befehl2, "Befehl2", QStringLiteral("Neuer Name"), 1680, &Form7::Befehl2_Click);
    button(Befehl4, "Befehl4", QStringLiteral("Name löschen"), 2400, &Form7::Befehl4_Click);
    // The letter-spaced captions keep their look; a screen reader reads the plain words.
    Befehl3->setAccessibleName(QStringLiteral("Abbruch"));
    Befehl1->setAccessibleName(QStringLiteral("Starten"));

    // From the list of names, Tab goes to "S t a r t e n" first.
    setTabOrder(Liste1, Befehl1);
    setTabOrder(Befehl1, Befehl2);
    setTabOrder(Befehl2, Befehl4);
    setTabOrder(Befehl4, Befehl3);
}

QString Form7::LoadUserFile()
{
    if (users_.Load() == UserFile::Loaded::Unreadable)
        dialogs_.MsgBox(QStringLiteral("Die Benutzerliste %1 konnte nicht gelesen werden.\r"
                                       "Bis zum Ende des Programms gilt nur der Standardbenutzer;\r"
                                       "die Datei bleibt unverändert.\r")
                                .arg(QString::fromLatin1(UserFile::FileName)),
                        MsgStyle::Information, InputTitle());
    ShowUsers();
    Liste1->SetListIndex(0);
    return ShownName(0);
}

void Form7::ShowUsers()
{
    QStringList shown;
    shown.reserve(users_.ListedCount());
    for (int i = 0; i < users_.ListedCount(); ++i)
        shown.append(::ShownName(users_.Names().at(i)));
    Liste1->Clear();
    Liste1->AddItems(shown);
}

void Form7::Open(const QWidget& trainingWindow)
{
    if (isVisible()) {
        // Already open, perhaps behind the training window: bring it to the front.
        raise();
        activateWindow();
        return;
    }
    // Beside the training window, on the same screen as far as it fits.
    QPoint at(trainingWindow.frameGeometry().right() + 1, trainingWindow.frameGeometry().top());
    if (const QScreen* screen = trainingWindow.screen()) {
        const QRect free = screen->availableGeometry();
        const QSize size = frameGeometry().size();
        at.setX(qMax(free.left(), qMin(at.x(), free.right() + 1 - size.width())));
        at.setY(qMax(free.top(), qMin(at.y(), free.bottom() + 1 - size.height())));
    }
    move(at);
    show();
    activateWindow();
    Liste1->setFocus();
}

int Form7::UserCount() const
{
    return Liste1->ListCount();
}

int Form7::UserNumber() const
{
    return Liste1->ListIndex();
}

QString Form7::ShownName(int number) const
{
    return Liste1->List(number);
}

void Form7::SelectUser(int number)
{
    Liste1->SetListIndex(number);
}

bool Form7::WriteUserFile()
{
    QString error;
    if (users_.Save(&error))
        return true;
    QString text = QStringLiteral("Die Benutzerliste konnte nicht gespeichert werden.\r");
    if (!error.isEmpty())
        text += error + QStringLiteral("\r");
    text += QStringLiteral("Die Änderung gilt nur, bis das Programm beendet wird.\r");
    dialogs_.MsgBox(text, MsgStyle::Information, InputTitle());
    return false;
}

// "S t a r t e n": the selected name becomes the current user. The shared mandatory tasks are
// loaded again for the new child; the task on screen stays until it is answered.
void Form7::Befehl1_Click()
{
    const int index = Liste1->ListIndex();
    if (index < 0)
        return;
    hide();
    emit userStarted(Liste1->List(index));
}

void Form7::Liste1_DblClick()
{
    Befehl1_Click();
}

// "Neuer Name": the new name goes to the end, so the numbers (and error files) of the others stay.
void Form7::Befehl2_Click()
{
    if (!AskPassword(dialogs_, state_.expectedAnswer, InputTitle()))
        return;
    if (users_.Names().size() >= UserFile::MaxUsers) {
        dialogs_.MsgBox(QStringLiteral("Es können höchstens 1000 Benutzer eingetragen werden.\r"
                                       "Bitte zuerst einen Namen löschen.\r"),
                        MsgStyle::OkOnly, InputTitle());
        return;
    }
    const QString name = dialogs_.InputBox(QStringLiteral("Neuer Name:"), InputTitle(), QString());
    if (name.isEmpty() || users_.Contains(name))
        return;
    if (!CanStoreName(name)) {
        dialogs_.MsgBox(
                QStringLiteral(
                        "Der Name enthält Zeichen, die in der Benutzerliste nicht gespeichert "
                        "werden können.\rBitte den Namen ohne diese Zeichen eingeben.\r"),
                MsgStyle::OkOnly, InputTitle());
        return;
    }
    users_.Add(name);
    Liste1->AddItem(::ShownName(name));
    WriteUserFile();
}

// "Name löschen": everyone behind the deleted name moves up one number, and with it to the error
// file of the one before. Afterwards no one is selected until a user is started.
void Form7::Befehl4_Click()
{
    const int index = Liste1->ListIndex();
    if (Liste1->ListCount() == 0 || index < 0)
        return;
    if (!AskPassword(dialogs_, state_.expectedAnswer, InputTitle()))
        return;
    users_.Remove(index);
    ShowUsers();
    Liste1->SetListIndex(-1);
    WriteUserFile();
}

void Form7::Befehl3_Click()
{
    hide();
}

void Form7::closeEvent(QCloseEvent* event)
{
    // The window is only hidden, so the list stays as it is for the next time.
    event->ignore();
    hide();
}

bool Form7::HandleKey(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        Befehl3_Click();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter presses the focused button; anywhere else (the list of names) it starts the
        // selected user, as a double click does.
        if (auto* focused = qobject_cast<QPushButton*>(focusWidget()))
            focused->click();
        else
            Befehl1_Click();
        return true;
    default:
        return false;
    }
}
