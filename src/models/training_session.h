#pragma once

#include "engine/task_screen.h"
#include "engine/training_state.h"
#include "models/task_source.h"

#include <QObject>
#include <QStringList>

#include <memory>

class AnsweringStopwatch;
class Clock;
class Dialogs;
class History;
class MandatoryTasks;
class RandomSource;
class RewardInterval;
class TaskEngine;
class TaskList;
class Users;

// One child's practice at the training window: the task on screen and its expected answer, the
// child's entry, the check with its counters, the error list and its practice, the mandatory
// tasks, the choice of operation, task type, level and practice number, and the reward round.
// The training window shows this state and forwards every key and click here; everything the
// child sees change is announced by a signal, in the order it happens, so a message box that opens
// in the middle of an operation finds the screen as it is at that moment.
//
// Error practice and mandatory mode are states of their own and can both be on, as after an
// eleventh error during mandatory tasks.
//
// Every checked answer goes into the child's history with the time the stopwatch counted: it
// starts when a task is shown and again when the "Rechenfehler" box is closed.
class TrainingSession : public QObject, public TaskScreen, public TaskSource {
    Q_OBJECT
public:
    // The session is the one that changes `state`; the users model reads the password from it.
    TrainingSession(TrainingState& state, Dialogs& dialogs, RandomSource& random, TaskList& errors,
                    MandatoryTasks& mandatory, Users& users, RewardInterval& rewardInterval,
                    History& history, AnsweringStopwatch& stopwatch, const Clock& clock);
    ~TrainingSession() override;

    // Start-up: the random source seeded, level 2, plus and its first task type, the settings,
    // the users and the mandatory tasks read, and the first task on screen.
    void startUp();

    // What the training window shows.
    const TrainingState& state() const { return state_; }
    const QString& taskText() const { return taskText_; }
    const QString& shownEntry() const { return shownEntry_; } // may differ from state().entryText
    qint64 correctCount() const { return correctCount_; }
    qint16 errorCount() const { return errorCount_; }
    bool errorPractice() const { return errorPractice_; }
    bool mandatoryMode() const { return mandatoryMode_; }
    // When both modes are on, the one switched on last lies on top (its cover hides the other).
    enum class Mode { ErrorPractice, Mandatory };
    Mode modeOnTop() const { return modeOnTop_; }
    const QStringList& taskTypes() const { return taskTypes_; }
    int taskTypeIndex() const { return taskTypeIndex_; } // -1 for none
    const QString& taskTypeName() const { return taskTypeName_; }
    const QString& operationSign() const { return operationSign_; }
    QString levelText() const; // "Stufe 2"
    const QString& practiceNumberCaption() const { return practiceNumberCaption_; }
    bool hasEnded() const { return ended_; }

    // The child's answer.
    void typeDigit(QChar digit); // appends
    void typeSign(QChar sign); // "<", "=" or ">" replaces the entry
    void erase(); // "Entf": the last character; an "R" it takes stays away
    void backspace(); // the Backspace key
    void check(); // "OK" and Enter

    // The choices.
    void chooseOperation(Operation operation); // plus, minus, times, divide or the random mix
    void chooseTaskType(int index); // a click on the task-type list
    void chooseLevel(int level);
    void setPracticeNumber(); // "üben": the one-digit entry becomes the practice number, or off

    // The icons, the covers and the other windows' requests.
    void askToExit(); // ended() when the answer is Yes
    bool askPassword(const QString& title); // the teacher's password: the answer on screen
    void showEvaluation();
    void showRewardInterval();
    void tellErrorsWaiting(); // a click on the error-practice cover
    void nextErrorTask(); // the next listed task, or the end of error practice
    void rewardCheck(); // after every 20th counted right answer
    // A change of child: errors still waiting are practised now (false: no user window) or saved
    // to the selected child's error file (true: the user window may open).
    bool prepareChangeOfChild();
    void loadMandatoryTasks(); // at start-up and whenever a child is started
    void endMandatoryTasks(); // the "*" key, with the password
    void cancelMandatoryTasks(); // a click on the mandatory cover, with the password
    void toggleMandatoryEditor(); // the mandatory icon: opens with the password, closes without
    void insertTaskIntoMandatoryList(); // "Einfügen": the task on screen and its answer

    void generateTask();
    // A new task exactly as training makes one, for a worksheet row: in mandatory mode the
    // generator first goes back to plus. The training window shows it afterwards.
    Task nextTask() override;

    // Back from Memory or the number catch: the next digit starts a new entry.
    void clearEntry();

signals:
    void taskChanged();
    void entryChanged();
    void countersChanged();
    void modesChanged(); // error practice or mandatory mode came or went
    void choicesChanged(); // operation sign, task types, task type name, level, practice number
    void childStarted(); // the user window started a child: its name shows first
    void ended(); // the exit question was answered Yes
    void rewardDue(); // a round of right answers is complete and no errors wait

public:
    // The task engine's view of the training window: what the generator shows goes through here.
    void setTaskText(const QString& text) override;
    void setEntryDisplay(const QString& text) override;
    void clearTaskTypes() override;
    void addTaskType(const QString& entry) override;
    void selectTaskType(int index) override;
    int mandatoryCount() const override;
    QString mandatoryEntry(int index) const override;
    void removeMandatoryEntries(int first, int count) override;
    void endMandatoryMode() override;

private:
    void appendToEntry(QChar character);
    void showEntry();
    void setErrorPractice(bool on);
    void setMandatoryMode(bool on);
    void leaveMandatoryMode();
    void countError();
    void saveWaitingErrors();
    void startChild();
    void recordAnswer();

    Dialogs& dialogs_;
    RandomSource& random_;
    TaskList& errors_;
    MandatoryTasks& mandatory_;
    Users& users_;
    RewardInterval& rewardInterval_;
    History& history_;
    AnsweringStopwatch& stopwatch_;
    const Clock& clock_;
    TrainingState& state_;
    std::unique_ptr<TaskEngine> engine_;

    QString taskText_;
    QString shownEntry_;
    qint64 correctCount_ = 0;
    qint16 errorCount_ = 0;
    bool errorPractice_ = false;
    bool mandatoryMode_ = false;
    Mode modeOnTop_ = Mode::ErrorPractice;
    QStringList taskTypes_;
    int taskTypeIndex_ = -1;
    QString taskTypeName_ = QStringLiteral(" Wahl");
    QString operationSign_;
    QString practiceNumberCaption_ = QStringLiteral("üben");
    bool ended_ = false;
};
