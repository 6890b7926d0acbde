// Error practice: the listed tasks are served again, first in first out, until the list is
// empty. While it runs, the cover errorPracticeCover_ stands over the icons, counters and choices;
// its left edge is the only record of the mode. A listed task whose answer the keypad cannot type
// (only a hand-edited error file holds one) is passed over, so practice always comes to an end.

#include "training/training_window.h"

#include "engine/number_text.h"
#include "engine/task_engine.h"
#include "engine/training_state.h"
#include "platform/dialogs.h"
#include "platform/controls.h"
#include "training/error_list_window.h"

#include <QLabel>
#include <QPushButton>

void TrainingWindow::nextErrorTask()
{
    QString task;
    QString answer;
    bool found = false;
    // The task on screen leaves the list; a wrong answer puts it back at the end.
    while (errors_.takeFirstError(&task, &answer)) {
        if (answerCanBeTyped(answer)) {
            found = true;
            break;
        }
    }
    if (!found) {
        ModeCover::set(errorPracticeCover_, false);
        errorCount = 0;
        showCounters();
        return;
    }

    ModeCover::set(errorPracticeCover_, true);
    setTaskText(task);
    setEntryDisplay(QString());
    state_.expectedAnswer = answer;
    state_.entryText.clear();
}

void TrainingWindow::tellErrorsWaiting()
{
    dialogs_.msgBox(QStringLiteral("Es sind noch") + spacedNumber(errors_.errorCount())
                            + QStringLiteral(" Fehleraufgaben!\r"),
                    MsgStyle::OkOnly, QStringLiteral("Fehlerliste"));
}
