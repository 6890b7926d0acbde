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
int digitValue(const QString& entry)
{
    const QChar c = entry.at(0);
    return (c >= u'0' && c <= u'9') ? c.unicode() - u'0' : 0;
}

} // namespace

// The four arithmetic operations share one sequence. The list fill already generates a task of
// the first type; the second run that follows replaces it, so the child sees one new task.
void TrainingWindow::chooseOperation(Operation operation, const QString& sign)
{
    Bezeichnung9->setText(sign);
    state_.operation = operation;
    state_.taskType = 1;
    engine_->fillTaskTypeList();
    engine_->generateTask();
    Befehl11->setFocus();
}

void TrainingWindow::befehl12Click()
{
    chooseOperation(Operation::Plus, QStringLiteral("+"));
}

void TrainingWindow::befehl13Click()
{
    chooseOperation(Operation::Minus, QStringLiteral("-"));
}

void TrainingWindow::befehl14Click()
{
    chooseOperation(Operation::Times, QStringLiteral("*"));
}

void TrainingWindow::befehl15Click()
{
    chooseOperation(Operation::Divide, QStringLiteral(":"));
}

void TrainingWindow::befehl16Click()
{
    // " zufällig" stands only for a moment: the list fill shows its single entry instead.
    Befehl11->setFocus();
    Bezeichnung7->setText(QStringLiteral(" zufällig"));
    chooseOperation(Operation::Random, QString());
}

void TrainingWindow::liste1Click()
{
    // While the stored mandatory tasks are worked through, the list cannot change the task.
    if (mandatory_->active())
        return;
    const int index = Liste1->listIndex();
    if (index < 0)
        return; // a selection taken away is no choice
    state_.taskType = std::int16_t(index + 1);
    Bezeichnung7->setText(Liste1->list(state_.taskType - 1));
    // Error practice is not asked: a listed task on screen is replaced, and practice goes on.
    engine_->generateTask();
}

void TrainingWindow::hBildlauf1Change()
{
    state_.level = HBildlauf1->value();
    Bezeichnung8->setText(QStringLiteral("Stufe") + S(state_.level));
    engine_->generateTask();
}

void TrainingWindow::befehl17Click()
{
    Dialogs& dialogs = dialogs_;
    Befehl11->setFocus();
    state_.taskType = 1;
    const QString entry = state_.entryText;

    // An empty entry while a number is set switches the practice number off.
    if (state_.practiceNumber > 0 && entry.isEmpty()) {
        state_.practiceNumber = 0;
        Befehl17->setText(QStringLiteral("üben"));
        dialogs.msgBox(QStringLiteral("Übungsfunktion wurde deaktiviert."), MsgStyle::OkOnly,
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
        if (dialogs.msgBox(question, MsgStyle::YesNo + MsgStyle::Question,
                           QStringLiteral("Übungszahl"))
            != MsgResult::Yes)
            return;
        Befehl17->setText(entry + QStringLiteral(" üben"));
        state_.practiceNumber = digitValue(entry);
        engine_->fillTaskTypeList();
        liste1Click();
        return;
    }

    if (entry.size() >= 2) {
        dialogs.msgBox(QStringLiteral("Die Übungszahl muss einstellig sein!"), MsgStyle::OkOnly,
                       QStringLiteral("Eingabefehler"));
        return;
    }

    // Empty entry while the practice number is off.
    Befehl17->setText(QStringLiteral("üben"));
    state_.practiceNumber = 0;
    dialogs.msgBox(QStringLiteral("Es muss eine einstellige Zahl im Ergebnis stehen!"),
                   MsgStyle::OkOnly, QStringLiteral("Übungszahl"));
}
