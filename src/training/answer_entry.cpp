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

void Form1::Befehl1_Click()
{
    AppendToEntry(QStringLiteral("1"));
}
void Form1::Befehl2_Click()
{
    AppendToEntry(QStringLiteral("2"));
}
void Form1::Befehl3_Click()
{
    AppendToEntry(QStringLiteral("3"));
}
void Form1::Befehl4_Click()
{
    AppendToEntry(QStringLiteral("4"));
}
void Form1::Befehl5_Click()
{
    AppendToEntry(QStringLiteral("5"));
}
void Form1::Befehl6_Click()
{
    AppendToEntry(QStringLiteral("6"));
}
void Form1::Befehl7_Click()
{
    AppendToEntry(QStringLiteral("7"));
}
void Form1::befehl8_Click()
{
    AppendToEntry(QStringLiteral("8"));
}
void Form1::befehl9_Click()
{
    AppendToEntry(QStringLiteral("9"));
}
void Form1::Befehl10_Click()
{
    AppendToEntry(QStringLiteral("0"));
}
void Form1::Befehl19_Click()
{
    ReplaceEntry(QStringLiteral(">"));
}
void Form1::Befehl20_Click()
{
    ReplaceEntry(QStringLiteral("="));
}
void Form1::Befehl21_Click()
{
    ReplaceEntry(QStringLiteral("<"));
}

void Form1::AppendToEntry(const QString& characters)
{
    state_.entryText += characters;
    ShowEntry();
}

void Form1::ReplaceEntry(const QString& sign)
{
    state_.entryText = sign;
    ShowEntry();
}

void Form1::ShowEntry()
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
    SetEntryDisplay(entry);
    Befehl11->setFocus();
}

void Form1::Befehl18_Click()
{
    // "Entf" does not run ShowEntry, so an "R" it takes away is not put back by the next digit.
    QString& entry = state_.entryText;
    if (entry.size() > 1) {
        entry.chop(1);
        SetEntryDisplay(entry);
    } else {
        entry.clear();
        SetEntryDisplay(entry);
        Befehl11->setFocus();
    }
}

void Form1::RemoveLastCharacter()
{
    // Backspace: a blank in front, the last character cut, the first one dropped; so an empty
    // entry stays empty.
    QString entry = QLatin1Char(' ') + state_.entryText;
    entry.chop(1);
    state_.entryText = entry.mid(1);
    SetEntryDisplay(state_.entryText);
}

// The check of "OK" and Enter.

void Form1::Befehl11_Click()
{
    Dialogs& dialogs = dialogs_;

    if (state_.entryText.isEmpty()) {
        dialogs.MsgBox(QStringLiteral("Bitte Ergebnis eintragen!\r"), MsgStyle::OkOnly,
                       QStringLiteral("Leeres Ergebnisfeld"));
        return;
    }

    if (state_.entryText == state_.expectedAnswer) {
        if (ErrorPracticeActive()) {
            NextErrorTask();
            // Right answers to listed tasks are not counted while listed tasks remain.
            if (ErrorPracticeActive())
                return;
        }
        SetEntryDisplay(QString());
        ++CorrectCount;
        ShowCounters();
        engine().GenerateTask();
        if (CorrectCount % RewardStep == 0)
            RewardCheck();
        return;
    }

    dialogs.Beep();
    dialogs.MsgBox(QStringLiteral("Das ist leider falsch!\r"), MsgStyle::OkOnly,
                   QStringLiteral("Rechenfehler"));

    // Each task goes into the error list once, however often it is answered wrongly.
    const QString task = Bezeichnung1->text();
    if (!errors_.HasError(task))
        errors_.AddError(task, state_.expectedAnswer);

    // The counter stops at the largest value it can hold instead of turning negative.
    if (ErrorCount < std::numeric_limits<std::int16_t>::max())
        ++ErrorCount;
    SetEntryDisplay(QString());
    state_.entryText.clear();
    ShowCounters();

    if (ErrorCount > ErrorsBeforePractice)
        NextErrorTask();
}

// The password of every teacher function: the answer of the task on screen.

bool Form1::AskPassword(const QString& title)
{
    return ::AskPassword(dialogs_, state_.expectedAnswer, title);
}

// Evaluation, reward information and the reward check.

void Form1::Bild2_Click()
{
    dialogs_.MsgBox(EvaluationText(ErrorCount, CorrectCount),
                    MsgStyle::OkOnly + MsgStyle::Information, QStringLiteral("Fehler"));
}

void Form1::Bild3_Click()
{
    dialogs_.MsgBox(QStringLiteral("Nach") + S(RewardInterval)
                            + QStringLiteral(" Aufgaben gibt es eine Spielrunde!"),
                    MsgStyle::OkOnly + MsgStyle::Information, QStringLiteral("Belohnung"));
}

void Form1::RewardCheck()
{
    // Listed errors come first; no game for this round of 20.
    NextErrorTask();
    if (ErrorPracticeActive())
        return;
    emit rewardDue();
}

// Teacher functions behind the password.

void Form1::Bild6_Click()
{
    if (!AskPassword(QStringLiteral("Ziftora")))
        return;
    emit worksheetsRequested();
}

void Form1::Bild8_Click()
{
    if (!AskPassword(QStringLiteral("Ziftora")))
        return;
    hide();
    errors_.Open(Bezeichnung15->text(), pos());
}
