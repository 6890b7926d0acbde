// The child's answer: the keypad and the entry display, the check with its counters and the
// error list, the evaluation and the reward check, and the password of the teacher functions.

#include "training/training_window.h"

#include "engine/number_text.h"
#include "engine/task_engine.h"
#include "engine/training_state.h"
#include "platform/dialogs.h"
#include "platform/list_box.h"
#include "platform/password_prompt.h"
#include "training/error_list_window.h"
#include "training/evaluation.h"
#include "platform/picture_button.h"

#include <QLabel>
#include <QPushButton>

#include <limits>

namespace {

constexpr int MaxEntryLength = 10;
constexpr int RewardStep = 20; // every 20th counted right answer, whatever ZIFTORA.INF says
constexpr int ErrorsBeforePractice = 10; // the eleventh error starts error practice

} // namespace

// Keypad: digits append, signs replace.

void TrainingWindow::befehl1Click()
{
    appendToEntry(QStringLiteral("1"));
}
void TrainingWindow::befehl2Click()
{
    appendToEntry(QStringLiteral("2"));
}
void TrainingWindow::befehl3Click()
{
    appendToEntry(QStringLiteral("3"));
}
void TrainingWindow::befehl4Click()
{
    appendToEntry(QStringLiteral("4"));
}
void TrainingWindow::befehl5Click()
{
    appendToEntry(QStringLiteral("5"));
}
void TrainingWindow::befehl6Click()
{
    appendToEntry(QStringLiteral("6"));
}
void TrainingWindow::befehl7Click()
{
    appendToEntry(QStringLiteral("7"));
}
void TrainingWindow::befehl8Click()
{
    appendToEntry(QStringLiteral("8"));
}
void TrainingWindow::befehl9Click()
{
    appendToEntry(QStringLiteral("9"));
}
void TrainingWindow::befehl10Click()
{
    appendToEntry(QStringLiteral("0"));
}
void TrainingWindow::befehl19Click()
{
    replaceEntry(QStringLiteral(">"));
}
void TrainingWindow::befehl20Click()
{
    replaceEntry(QStringLiteral("="));
}
void TrainingWindow::befehl21Click()
{
    replaceEntry(QStringLiteral("<"));
}

void TrainingWindow::appendToEntry(const QString& characters)
{
    state_.entryText += characters;
    showEntry();
}

void TrainingWindow::replaceEntry(const QString& sign)
{
    state_.entryText = sign;
    showEntry();
}

void TrainingWindow::showEntry()
{
    QString& entry = state_.entryText;
    if (entry.size() > MaxEntryLength)
        entry.truncate(MaxEntryLength);
    // The keyboard has no "R": a remainder answer gets it as soon as the quotient has as many
    // digits as the expected one. It goes in only while the entry has room for it.
    const QString& expected = state_.expectedAnswer;
    if (entry.size() < expected.size() && expected.at(entry.size()) == QLatin1Char('R')
        && entry.size() < MaxEntryLength)
        entry += QLatin1Char('R');
    setEntryDisplay(entry);
    Befehl11->setFocus();
}

void TrainingWindow::befehl18Click()
{
    // "Entf" does not run showEntry, so an "R" it takes away is not put back by the next digit.
    QString& entry = state_.entryText;
    if (entry.size() > 1) {
        entry.chop(1);
        setEntryDisplay(entry);
    } else {
        entry.clear();
        setEntryDisplay(entry);
        Befehl11->setFocus();
    }
}

void TrainingWindow::removeLastCharacter()
{
    // Backspace: a blank in front, the last character cut, the first one dropped; so an empty
    // entry stays empty.
    QString entry = QLatin1Char(' ') + state_.entryText;
    entry.chop(1);
    state_.entryText = entry.mid(1);
    setEntryDisplay(state_.entryText);
}

// The check of "OK" and Enter.

void TrainingWindow::befehl11Click()
{
    Dialogs& dialogs = dialogs_;

    if (state_.entryText.isEmpty()) {
        dialogs.msgBox(QStringLiteral("Bitte Ergebnis eintragen!\r"), MsgStyle::OkOnly,
                       QStringLiteral("Leeres Ergebnisfeld"));
        return;
    }

    if (state_.entryText == state_.expectedAnswer) {
        if (errorPracticeActive()) {
            nextErrorTask();
            // Right answers to listed tasks are not counted while listed tasks remain.
            if (errorPracticeActive())
                return;
        }
        setEntryDisplay(QString());
        ++CorrectCount;
        showCounters();
        engine().generateTask();
        if (CorrectCount % RewardStep == 0)
            rewardCheck();
        return;
    }

    dialogs.beep();
    dialogs.msgBox(QStringLiteral("Das ist leider falsch!\r"), MsgStyle::OkOnly,
                   QStringLiteral("Rechenfehler"));

    // Each task goes into the error list once, however often it is answered wrongly.
    const QString task = Bezeichnung1->text();
    if (!errors_.hasError(task))
        errors_.addError(task, state_.expectedAnswer);

    // The counter stops at the largest value it can hold instead of turning negative.
    if (ErrorCount < std::numeric_limits<std::int16_t>::max())
        ++ErrorCount;
    setEntryDisplay(QString());
    state_.entryText.clear();
    showCounters();

    if (ErrorCount > ErrorsBeforePractice)
        nextErrorTask();
}

// The password of every teacher function: the answer of the task on screen.

bool TrainingWindow::askPassword(const QString& title)
{
    return ::askPassword(dialogs_, state_.expectedAnswer, title);
}

// Evaluation, reward information and the reward check.

void TrainingWindow::bild2Click()
{
    dialogs_.msgBox(evaluationText(ErrorCount, CorrectCount),
                    MsgStyle::OkOnly + MsgStyle::Information, QStringLiteral("Fehler"));
}

void TrainingWindow::bild3Click()
{
    dialogs_.msgBox(QStringLiteral("Nach") + S(RewardInterval)
                            + QStringLiteral(" Aufgaben gibt es eine Spielrunde!"),
                    MsgStyle::OkOnly + MsgStyle::Information, QStringLiteral("Belohnung"));
}

void TrainingWindow::rewardCheck()
{
    // Listed errors come first; no game for this round of 20.
    nextErrorTask();
    if (errorPracticeActive())
        return;
    emit rewardDue();
}

// Teacher functions behind the password.

void TrainingWindow::bild6Click()
{
    if (!askPassword(QStringLiteral("Ziftora")))
        return;
    emit worksheetsRequested();
}

void TrainingWindow::bild8Click()
{
    if (!askPassword(QStringLiteral("Ziftora")))
        return;
    hide();
    errors_.open(Bezeichnung15->text(), pos());
}
