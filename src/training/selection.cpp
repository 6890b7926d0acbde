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
    operationSignLabel_->setText(sign);
    state_.operation = operation;
    state_.taskType = 1;
    engine_->fillTaskTypeList();
    engine_->generateTask();
    checkButton_->setFocus();
}

void TrainingWindow::choosePlus()
{
    chooseOperation(Operation::Plus, QStringLiteral("+"));
}

void TrainingWindow::chooseMinus()
{
    chooseOperation(Operation::Minus, QStringLiteral("-"));
}

void TrainingWindow::chooseTimes()
{
    chooseOperation(Operation::Times, QStringLiteral("*"));
}

void TrainingWindow::chooseDivide()
{
    chooseOperation(Operation::Divide, QStringLiteral(":"));
}

void TrainingWindow::chooseRandomMix()
{
    // " zufällig" stands only for a moment: the list fill shows its single entry instead.
    checkButton_->setFocus();
    taskTypeLabel_->setText(QStringLiteral(" zufällig"));
    chooseOperation(Operation::Random, QString());
}

void TrainingWindow::chooseTaskType()
{
    // While the stored mandatory tasks are worked through, the list cannot change the task.
    if (mandatory_->active())
        return;
    const int index = taskTypeList_->listIndex();
    if (index < 0)
        return; // a selection taken away is no choice
    state_.taskType = std::int16_t(index + 1);
    taskTypeLabel_->setText(taskTypeList_->list(state_.taskType - 1));
    // Error practice is not asked: a listed task on screen is replaced, and practice goes on.
    engine_->generateTask();
}

void TrainingWindow::chooseLevel()
{
    state_.level = levelBar_->value();
    levelLabel_->setText(QStringLiteral("Stufe") + spacedNumber(state_.level));
    engine_->generateTask();
}

void TrainingWindow::setPracticeNumber()
{
    Dialogs& dialogs = dialogs_;
    checkButton_->setFocus();
    state_.taskType = 1;
    const QString entry = state_.entryText;

    // An empty entry while a number is set switches the practice number off.
    if (state_.practiceNumber > 0 && entry.isEmpty()) {
        state_.practiceNumber = 0;
        practiceNumberButton_->setText(QStringLiteral("üben"));
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
        practiceNumberButton_->setText(entry + QStringLiteral(" üben"));
        state_.practiceNumber = digitValue(entry);
        engine_->fillTaskTypeList();
        chooseTaskType();
        return;
    }

    if (entry.size() >= 2) {
        dialogs.msgBox(QStringLiteral("Die Übungszahl muss einstellig sein!"), MsgStyle::OkOnly,
                       QStringLiteral("Eingabefehler"));
        return;
    }

    // Empty entry while the practice number is off.
    practiceNumberButton_->setText(QStringLiteral("üben"));
    state_.practiceNumber = 0;
    dialogs.msgBox(QStringLiteral("Es muss eine einstellige Zahl im Ergebnis stehen!"),
                   MsgStyle::OkOnly, QStringLiteral("Übungszahl"));
}
