// Choosing what to practise: the five operation buttons, the task-type list, the level scroll bar
// and the practice number. Every choice puts a new task on the screen at once; the child never
// confirms a choice.

#include "training/training_window.h"

#include "engine/task_engine.h"
#include "engine/training_state.h"
#include "mandatory/mandatory_tasks.h"
#include "platform/dialogs.h"
#include "platform/list_box.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace {

// The number the practice number takes from a one-character entry: its digit, or 0 for a sign.
int DigitValue(const QString& entry)
{
    const QChar c = entry.at(0);
    return (c >= u'0' && c <= u'9') ? c.unicode() - u'0' : 0;
}

} // namespace

// The four arithmetic operations share one sequence. The list fill already generates a task of
// the first type; the second run that follows replaces it, so the child sees one new task.
void Form1::ChooseOperation(Operation operation, const QString& sign)
{
    Bezeichnung9->setText(sign);
    state_.operation = operation;
    state_.taskType = 1;
    engine_->FillTaskTypeList();
    engine_->GenerateTask();
    Befehl11->setFocus();
}

void Form1::Befehl12_Click()
{
    ChooseOperation(Operation::Plus, QStringLiteral("+"));
}

void Form1::Befehl13_Click()
{
    ChooseOperation(Operation::Minus, QStringLiteral("-"));
}

void Form1::Befehl14_Click()
{
    ChooseOperation(Operation::Times, QStringLiteral("*"));
}

void Form1::Befehl15_Click()
{
    ChooseOperation(Operation::Divide, QStringLiteral(":"));
}

void Form1::Befehl16_Click()
{
    // " zufällig" stands only for a moment: the list fill shows its single entry instead.
    Befehl11->setFocus();
    Bezeichnung7->setText(QStringLiteral(" zufällig"));
    ChooseOperation(Operation::Random, QString());
}

void Form1::Liste1_Click()
{
    // While the stored mandatory tasks are worked through, the list cannot change the task.
    if (mandatory_->Active())
        return;
    const int index = Liste1->ListIndex();
    if (index < 0)
        return; // a selection taken away is no choice
    state_.taskType = std::int16_t(index + 1);
    Bezeichnung7->setText(Liste1->List(state_.taskType - 1));
    // Error practice is not asked: a listed task on screen is replaced, and practice goes on.
    engine_->GenerateTask();
}

void Form1::HBildlauf1_Change()
{
    state_.level = HBildlauf1->value();
    Bezeichnung8->setText(QStringLiteral("Stufe") + S(state_.level));
    engine_->GenerateTask();
}

void Form1::Befehl17_Click()
{
    Dialogs& dialogs = dialogs_;
    Befehl11->setFocus();
    state_.taskType = 1;
    const QString entry = state_.entryText;

    // An empty entry while a number is set switches the practice number off.
    if (state_.practiceNumber > 0 && entry.isEmpty()) {
        state_.practiceNumber = 0;
        Befehl17->setText(QStringLiteral("üben"));
        dialogs.MsgBox(QStringLiteral("Übungsfunktion wurde deaktiviert."), MsgStyle::OkOnly,
                       QStringLiteral("Üben"));
        return;
    }

    if (entry.size() == 1) {
        const QString question = QStringLiteral("Die >") + entry
                + QStringLiteral("< nun als Rechenzahl übernehmen?\r"
                                 "Beim Anklicken mit einem leeren Ergebnis\r"
                                 "wird diese Funktion dann wieder gelöscht.\r"
                                 "Es werden nur einstellige Zahlen gesetzt.\r"
                                 "Ab >Stufe 4< wird diese Eingabe ignoriert.");
        if (dialogs.MsgBox(question, MsgStyle::YesNo + MsgStyle::Question,
                           QStringLiteral("Übungszahl"))
            != MsgResult::Yes)
            return;
        Befehl17->setText(entry + QStringLiteral(" üben"));
        state_.practiceNumber = DigitValue(entry);
        engine_->FillTaskTypeList();
        Liste1_Click();
        return;
    }

    if (entry.size() >= 2) {
        dialogs.MsgBox(QStringLiteral("Die Übungszahl muss einstellig sein!"), MsgStyle::OkOnly,
                       QStringLiteral("Eingabefehler"));
        return;
    }

    // Empty entry while the practice number is off.
    Befehl17->setText(QStringLiteral("üben"));
    state_.practiceNumber = 0;
    dialogs.MsgBox(QStringLiteral("Es muss eine einstellige Zahl im Ergebnis stehen!"),
                   MsgStyle::OkOnly, QStringLiteral("Übungszahl"));
}
