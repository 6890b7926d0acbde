// Error practice: the listed tasks are served again, first in first out, until the list is
// empty. While it runs, the cover Befehl22 stands over the icons, counters and choices; its left
// edge is the only record of the mode.

#include "training/training_window.h"

#include "engine/number_text.h"
#include "engine/training_state.h"
#include "platform/dialogs.h"
#include "platform/list_box.h"
#include "platform/controls.h"
#include "training/error_list_window.h"
#include "training/program.h"

#include <QLabel>
#include <QPushButton>

void Form1::NextErrorTask()
{
    Form8& errors = program_.form8();
    if (errors.Liste1->ListCount() == 0) {
        Twips::SetLeft(Befehl22, CoverOff);
        ErrorCount = 0;
        Bezeichnung3->setText(QString::number(ErrorCount));
        return;
    }

    Twips::SetLeft(Befehl22, CoverOn);
    Befehl22->raise();

    // The task on screen leaves the list; a wrong answer puts it back at the end.
    SetTaskText(errors.Liste1->List(0));
    SetEntryDisplay(QString());
    state_.ExpectedAnswer = errors.Liste2->List(0);
    state_.EntryText.clear();
    errors.Liste1->RemoveItem(0);
    errors.Liste2->RemoveItem(0);

    // One of possibly several equal answers leaves the sorted list with it.
    ListBox& sorted = *errors.Liste3;
    for (int i = 0; i < sorted.ListCount(); ++i) {
        if (sorted.List(i) == state_.ExpectedAnswer) {
            sorted.RemoveItem(i);
            break;
        }
    }
}

void Form1::Befehl22_Click()
{
    program_.dialogs().MsgBox(QStringLiteral("Es sind noch") + S(program_.form8().Liste1->ListCount())
                                  + QStringLiteral(" Fehleraufgaben!\r"),
                              MsgStyle::OkOnly, QStringLiteral("Fehlerliste"));
}
