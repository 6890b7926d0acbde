#include "models/training_session.h"

#include "engine/number_text.h"
#include "engine/task_engine.h"
#include "models/answering_stopwatch.h"
#include "models/checked_answer.h"
#include "models/evaluation.h"
#include "models/history.h"
#include "models/mandatory_tasks.h"
#include "models/reward_interval.h"
#include "models/task_list.h"
#include "models/users.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/password_prompt.h"
#include "platform/random_source.h"

#include <limits>

namespace {

constexpr int MaxEntryLength = 10;
constexpr int RewardStep = 20; // every 20th counted right answer, whatever ZIFTORA.INF says
constexpr int ErrorsBeforePractice = 10; // the eleventh error starts error practice

const QString& errorListTitle()
{
    static const QString title = QStringLiteral("Fehlerliste");
    return title;
}

// The number the practice number takes from a one-character entry: its digit, or 0 for a sign.
int digitValue(const QString& entry)
{
    const QChar c = entry.at(0);
    return (c >= u'0' && c <= u'9') ? c.unicode() - u'0' : 0;
}

} // namespace

TrainingSession::TrainingSession(TrainingState& state, Dialogs& dialogs, RandomSource& random,
                                 TaskList& errors, MandatoryTasks& mandatory, Users& users,
                                 RewardInterval& rewardInterval, History& history,
                                 AnsweringStopwatch& stopwatch, const Clock& clock)
    : dialogs_(dialogs),
      random_(random),
      errors_(errors),
      mandatory_(mandatory),
      users_(users),
      rewardInterval_(rewardInterval),
      history_(history),
      stopwatch_(stopwatch),
      clock_(clock),
      state_(state),
      engine_(std::make_unique<TaskEngine>(state, *this, random))
{
    connect(&users_, &Users::started, this, &TrainingSession::startChild);
}

TrainingSession::~TrainingSession() = default;

void TrainingSession::startUp()
{
    random_.randomize();
    chooseLevel(2);
    state_.operation = Operation::Plus;
    state_.taskType = 1;
    engine_->fillTaskTypeList();
    taskTypeName_ = QStringLiteral(" Plusrechnen");
    operationSign_ = QStringLiteral("+");
    emit choicesChanged();

    rewardInterval_.load();
    users_.load();
    loadMandatoryTasks();
    engine_->generateTask();
}

QString TrainingSession::levelText() const
{
    return state_.level > 0 ? QStringLiteral("Stufe") + spacedNumber(state_.level)
                            : QStringLiteral("Stufe");
}

// The child's answer: digits append, signs replace.

void TrainingSession::typeDigit(QChar digit)
{
    appendToEntry(digit);
}

void TrainingSession::typeSign(QChar sign)
{
    state_.entryText = sign;
    showEntry();
}

void TrainingSession::appendToEntry(QChar character)
{
    state_.entryText += character;
    showEntry();
}

void TrainingSession::showEntry()
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
}

void TrainingSession::erase()
{
    // Unlike a digit, "Entf" does not add the "R", so an "R" it takes away stays away.
    QString& entry = state_.entryText;
    if (entry.size() > 1)
        entry.chop(1);
    else
        entry.clear();
    setEntryDisplay(entry);
}

void TrainingSession::backspace()
{
    // A blank in front, the last character cut, the first one dropped; so an empty entry stays
    // empty.
    QString entry = QLatin1Char(' ') + state_.entryText;
    entry.chop(1);
    state_.entryText = entry.mid(1);
    setEntryDisplay(state_.entryText);
}

void TrainingSession::clearEntry()
{
    state_.entryText.clear();
}

// The check of "OK" and Enter.

void TrainingSession::check()
{
    if (state_.entryText.isEmpty()) {
        dialogs_.msgBox(QStringLiteral("Bitte Ergebnis eintragen!\r"), MsgStyle::OkOnly,
                        QStringLiteral("Leeres Ergebnisfeld"));
        return;
    }
    recordAnswer();

    if (state_.entryText == state_.expectedAnswer) {
        if (errorPractice_) {
            nextErrorTask();
            // Right answers to listed tasks are not counted while listed tasks remain.
            if (errorPractice_)
                return;
        }
        setEntryDisplay(QString());
        ++correctCount_;
        emit countersChanged();
        engine_->generateTask();
        if (correctCount_ % RewardStep == 0)
            rewardCheck();
        return;
    }

    dialogs_.beep();
    dialogs_.msgBox(QStringLiteral("Das ist leider falsch!\r"), MsgStyle::OkOnly,
                    QStringLiteral("Rechenfehler"));
    stopwatch_.start();
    countError();
    if (errorCount_ > ErrorsBeforePractice)
        nextErrorTask();
}

// The answer as the history counts it. A listed or stored task is known by its text alone: its
// operation comes from its sign, its type and level stay unknown.
void TrainingSession::recordAnswer()
{
    CheckedAnswer answer;
    answer.checkedAt = clock_.now();
    answer.answeringMs = stopwatch_.elapsedMs();
    answer.taskText = taskText_;
    answer.expectedAnswer = state_.expectedAnswer;
    answer.entry = state_.entryText;
    if (errorPractice_ || state_.shownOperation == Operation::Mandatory) {
        answer.source = errorPractice_ ? CheckedAnswer::Source::ErrorPractice
                                       : CheckedAnswer::Source::Mandatory;
        answer.operation = operationOfTaskText(taskText_);
    } else {
        answer.operation = state_.shownOperation;
        answer.taskType = state_.shownTaskType;
        answer.level = state_.level;
    }
    history_.record(answer);
}

void TrainingSession::countError()
{
    // Each task goes into the error list once, however often it is answered wrongly.
    if (!errors_.contains(taskText_))
        errors_.add(taskText_, state_.expectedAnswer);
    // The counter stops at the largest value it can hold instead of turning negative.
    if (errorCount_ < std::numeric_limits<qint16>::max())
        ++errorCount_;
    setEntryDisplay(QString());
    state_.entryText.clear();
    emit countersChanged();
}

// Error practice: the listed tasks are served again, first in first out, until the list is empty.
// A listed task whose answer the keypad cannot type (only a hand-edited error file holds one) is
// passed over, so practice always comes to an end.

void TrainingSession::nextErrorTask()
{
    QString task;
    QString answer;
    bool found = false;
    // The task on screen leaves the list; a wrong answer puts it back at the end.
    while (errors_.takeFirst(&task, &answer)) {
        if (answerCanBeTyped(answer)) {
            found = true;
            break;
        }
    }
    if (!found) {
        setErrorPractice(false);
        errorCount_ = 0;
        emit countersChanged();
        return;
    }
    setErrorPractice(true);
    setTaskText(task);
    setEntryDisplay(QString());
    state_.expectedAnswer = answer;
    state_.entryText.clear();
}

// Switching a mode on, even one that is on already, brings it to the top.
void TrainingSession::setErrorPractice(bool on)
{
    const Mode top = on ? Mode::ErrorPractice : modeOnTop_;
    if (errorPractice_ == on && modeOnTop_ == top)
        return;
    errorPractice_ = on;
    modeOnTop_ = top;
    emit modesChanged();
}

void TrainingSession::tellErrorsWaiting()
{
    dialogs_.msgBox(QStringLiteral("Es sind noch") + spacedNumber(errors_.count())
                            + QStringLiteral(" Fehleraufgaben!\r"),
                    MsgStyle::OkOnly, errorListTitle());
}

// Evaluation, reward information and the reward round.

void TrainingSession::showEvaluation()
{
    dialogs_.msgBox(evaluationText(errorCount_, correctCount_),
                    MsgStyle::OkOnly | MsgStyle::Information, QStringLiteral("Fehler"));
}

void TrainingSession::showRewardInterval()
{
    dialogs_.msgBox(QStringLiteral("Nach") + spacedNumber(rewardInterval_.value())
                            + QStringLiteral(" Aufgaben gibt es eine Spielrunde!"),
                    MsgStyle::OkOnly | MsgStyle::Information, QStringLiteral("Belohnung"));
}

void TrainingSession::rewardCheck()
{
    // Listed errors come first; no game for this round of 20.
    nextErrorTask();
    if (errorPractice_)
        return;
    emit rewardDue();
}

bool TrainingSession::askPassword(const QString& title)
{
    return ::askPassword(dialogs_, state_.expectedAnswer, title);
}

void TrainingSession::askToExit()
{
    const MsgResult answer =
            dialogs_.msgBox(QStringLiteral("Dieses Programm jetzt beenden?\r"),
                            MsgStyle::YesNo | MsgStyle::Stop | MsgStyle::DefaultButton2,
                            QStringLiteral("ZFT-Zaruzidovavivediv"));
    if (answer != MsgResult::Yes)
        return;
    ended_ = true;
    emit ended();
}

// The choices. Every choice puts a new task on the screen at once; the child never confirms one.

void TrainingSession::chooseOperation(Operation operation)
{
    if (operation == Operation::Random) {
        // " zufällig" stands only for a moment: the list fill shows its single entry instead.
        taskTypeName_ = QStringLiteral(" zufällig");
        emit choicesChanged();
    }
    static const QString signs[] = { QString(),           QStringLiteral("+"), QStringLiteral("-"),
                                     QStringLiteral("*"), QStringLiteral(":"), QString() };
    operationSign_ = signs[qBound(0, int(operation), 5)];
    state_.operation = operation;
    state_.taskType = 1;
    // The list fill already generates a task of the first type; the run that follows replaces
    // it, so the child sees one new task.
    engine_->fillTaskTypeList();
    engine_->generateTask();
}

void TrainingSession::chooseTaskType(int index)
{
    taskTypeIndex_ = index;
    emit choicesChanged();
    // While the stored mandatory tasks are worked through, the list cannot change the task.
    if (mandatoryMode_)
        return;
    if (index < 0)
        return; // a selection taken away is no choice
    state_.taskType = qint16(index + 1);
    taskTypeName_ = taskTypes_.value(index);
    emit choicesChanged();
    // Error practice is not asked: a listed task on screen is replaced, and practice goes on.
    engine_->generateTask();
}

void TrainingSession::chooseLevel(int level)
{
    state_.level = level;
    emit choicesChanged();
    engine_->generateTask();
}

void TrainingSession::setPracticeNumber()
{
    state_.taskType = 1;
    const QString entry = state_.entryText;

    // An empty entry while a number is set switches the practice number off.
    if (state_.practiceNumber > 0 && entry.isEmpty()) {
        state_.practiceNumber = 0;
        practiceNumberCaption_ = QStringLiteral("üben");
        emit choicesChanged();
        dialogs_.msgBox(QStringLiteral("Übungsfunktion wurde deaktiviert."), MsgStyle::OkOnly,
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
        if (dialogs_.msgBox(question, MsgStyle::YesNo | MsgStyle::Question,
                            QStringLiteral("Übungszahl"))
            != MsgResult::Yes)
            return;
        practiceNumberCaption_ = entry + QStringLiteral(" üben");
        state_.practiceNumber = digitValue(entry);
        emit choicesChanged();
        engine_->fillTaskTypeList();
        chooseTaskType(taskTypeIndex_);
        return;
    }

    if (entry.size() >= 2) {
        dialogs_.msgBox(QStringLiteral("Die Übungszahl muss einstellig sein!"), MsgStyle::OkOnly,
                        QStringLiteral("Eingabefehler"));
        return;
    }

    // Empty entry while the practice number is off.
    practiceNumberCaption_ = QStringLiteral("üben");
    state_.practiceNumber = 0;
    emit choicesChanged();
    dialogs_.msgBox(QStringLiteral("Es muss eine einstellige Zahl im Ergebnis stehen!"),
                    MsgStyle::OkOnly, QStringLiteral("Übungszahl"));
}

// The change of child, from the user icon or the name: errors still waiting are either practised
// now or saved to the selected child's error file.

bool TrainingSession::prepareChangeOfChild()
{
    if (errors_.isEmpty())
        return true;
    const MsgResult answer = dialogs_.msgBox(
            QStringLiteral("Die Fehleraufgaben jetzt üben?\r"),
            MsgStyle::YesNo | MsgStyle::Stop | MsgStyle::DefaultButton2, errorListTitle());
    if (answer == MsgResult::Yes) {
        nextErrorTask();
        return false;
    }
    saveWaitingErrors();
    // Even when saving failed, a child can be started: the errors wait in the list meanwhile.
    return true;
}

void TrainingSession::saveWaitingErrors()
{
    // To the selected child's file, found by name; a file that another program holds at the
    // moment gets them at the next chance (Users::writeWaitingErrors), without a word.
    users_.saveErrors(errors_.tasks(), errors_.answers());
}

// A child started in the user window: its name shows, then the mandatory tasks are loaded again;
// the task on screen stays until it is answered.
void TrainingSession::startChild()
{
    emit childStarted();
    loadMandatoryTasks();
}

// Mandatory tasks: while the mode is on, the generator serves the stored tasks instead of its own.

void TrainingSession::loadMandatoryTasks()
{
    if (!mandatory_.load()) {
        dialogs_.msgBox(QStringLiteral("Keine Pflichtaufgaben!"), MsgStyle::OkOnly,
                        QStringLiteral("Pflichtaufgaben"));
        return;
    }
    if (mandatory_.count() < 1)
        return;
    // The next task that the generator puts on the screen is the first stored one.
    setMandatoryMode(true);
    state_.operation = Operation::Mandatory;
    engine_->fillTaskTypeList();
}

void TrainingSession::setMandatoryMode(bool on)
{
    const Mode top = on ? Mode::Mandatory : modeOnTop_;
    if (mandatoryMode_ == on && modeOnTop_ == top)
        return;
    mandatoryMode_ = on;
    modeOnTop_ = top;
    emit modesChanged();
}

void TrainingSession::leaveMandatoryMode()
{
    setMandatoryMode(false);
    state_.operation = Operation::Plus;
}

void TrainingSession::endMandatoryTasks()
{
    if (!askPassword(QStringLiteral("Pflichtaufgaben beenden?")))
        return;
    leaveMandatoryMode();
    state_.taskType = 1;
    engine_->fillTaskTypeList();
}

void TrainingSession::cancelMandatoryTasks()
{
    if (!askPassword(QStringLiteral("Pflichtaufgaben abbrechen")))
        return;
    leaveMandatoryMode();
    engine_->fillTaskTypeList();
}

void TrainingSession::toggleMandatoryEditor()
{
    if (mandatory_.editorOpen()) {
        mandatory_.setEditorOpen(false);
        return;
    }
    if (!askPassword(QStringLiteral("Ziftora")))
        return;
    mandatory_.setEditorOpen(true);
    dialogs_.msgBox(QStringLiteral("Alle Pflichtaufgaben werden beim\r"
                                   "Start bzw. Benutzerwechsel geladen!\r"
                                   "Die Liste wird erstellt, indem man\r"
                                   "links auf die Aufgabenknöpfe klickt\r"
                                   "und passende Aufgabe mit Klick auf\r"
                                   "den Einfügen-Knopf in die Liste holt.\r"),
                    MsgStyle::OkOnly, QStringLiteral("Pflichtteil"));
}

void TrainingSession::insertTaskIntoMandatoryList()
{
    mandatory_.insert(taskText_, state_.expectedAnswer);
}

// Tasks for others.

void TrainingSession::generateTask()
{
    engine_->generateTask();
}

TaskSource::Task TrainingSession::nextTask()
{
    if (state_.operation == Operation::Mandatory)
        state_.operation = Operation::Plus;
    engine_->generateTask();
    return { taskText_, state_.expectedAnswer };
}

// The task engine's view of the training window.

void TrainingSession::setTaskText(const QString& text)
{
    taskText_ = text;
    stopwatch_.start();
    emit taskChanged();
}

void TrainingSession::setEntryDisplay(const QString& text)
{
    shownEntry_ = text;
    emit entryChanged();
}

void TrainingSession::clearTaskTypes()
{
    taskTypes_.clear();
    taskTypeIndex_ = -1;
}

void TrainingSession::addTaskType(const QString& entry)
{
    taskTypes_.append(entry);
}

void TrainingSession::selectTaskType(int index)
{
    // As a click on the list: the list's choice runs.
    chooseTaskType(index);
}

int TrainingSession::mandatoryCount() const
{
    return mandatory_.count();
}

QString TrainingSession::mandatoryEntry(int index) const
{
    return mandatory_.entry(index);
}

void TrainingSession::removeMandatoryEntries(int first, int count)
{
    mandatory_.removeEntries(first, count);
}

void TrainingSession::endMandatoryMode()
{
    setMandatoryMode(false);
}
