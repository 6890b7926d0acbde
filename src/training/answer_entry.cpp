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

void TrainingWindow::typeDigit(QChar digit)
{
    appendToEntry(QString(digit));
}

void TrainingWindow::typeSign(QChar sign)
{
    replaceEntry(QString(sign));
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
    checkButton_->setFocus();
}

void TrainingWindow::erase()
{
    // "Entf" does not run showEntry, so an "R" it takes away is not put back by the next digit.
    QString& entry = state_.entryText;
    if (entry.size() > 1) {
        entry.chop(1);
        setEntryDisplay(entry);
    } else {
        entry.clear();
        setEntryDisplay(entry);
        checkButton_->setFocus();
    }
}

void TrainingWindow::backspace()
{
    // Backspace: a blank in front, the last character cut, the first one dropped; so an empty
    // entry stays empty.
    QString entry = QLatin1Char(' ') + state_.entryText;
    entry.chop(1);
    state_.entryText = entry.mid(1);
    setEntryDisplay(state_.entryText);
}

// The check of "OK" and Enter.

void TrainingWindow::check()
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
        ++correctCount;
        showCounters();
        engine().generateTask();
        if (correctCount % RewardStep == 0)
            rewardCheck();
        return;
    }

    dialogs.beep();
    dialogs.msgBox(QStringLiteral("Das ist leider falsch!\r"), MsgStyle::OkOnly,
                   QStringLiteral("Rechenfehler"));

    // Each task goes into the error list once, however often it is answered wrongly.
    const QString task = taskLabel_->text();
    if (!errors_.hasError(task))
        errors_.addError(task, state_.expectedAnswer);

    // The counter stops at the largest value it can hold instead of turning negative.
    if (errorCount < std::numeric_limits<std::int16_t>::max())
        ++errorCount;
    setEntryDisplay(QString());
    state_.entryText.clear();
    showCounters();

    if (errorCount > ErrorsBeforePractice)
        nextErrorTask();
}

// The password of every teacher function: the answer of the task on screen.

bool TrainingWindow::askPassword(const QString& title)
{
    return ::askPassword(dialogs_, state_.expectedAnswer, title);
}

// Evaluation, reward information and the reward check.

void TrainingWindow::showEvaluation()
{
    dialogs_.msgBox(evaluationText(errorCount, correctCount),
                    MsgStyle::OkOnly + MsgStyle::Information, QStringLiteral("Fehler"));
}

void TrainingWindow::showRewardInterval()
{
    dialogs_.msgBox(QStringLiteral("Nach") + spacedNumber(rewardInterval)
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

void TrainingWindow::openWorksheets()
{
    if (!askPassword(QStringLiteral("Ziftora")))
        return;
    emit worksheetsRequested();
}

void TrainingWindow::openErrorList()
{
    if (!askPassword(QStringLiteral("Ziftora")))
        return;
    hide();
    errors_.open(userNameLabel_->text(), pos());
}
