#pragma once

#include "engine/operation.h"
#include "engine/task_screen.h"

#include <QWidget>

#include <cstdint>
#include <memory>

struct TrainingState;
class Dialogs;
class RandomSource;
class UserWindow;
class ErrorListWindow;
class TaskEngine;
class MandatoryTasks;
class ListBox;
class PictureButton;
class ClickableLabel;
class EntryDisplay;
class QLabel;
class QPushButton;
class QScrollBar;
class QFrame;

// TrainingWindow, the training window: the task, the child's entry, the keypad, the choice of
// operation, task type and level, the counters, the icon row and the mandatory editor column
// (hidden at the window's normal width). Its behaviour is spread over several files by topic:
//   training_window.cpp  controls, start-up, settings files, keyboard, exit
//   answer_entry.cpp     keypad, entry display, the check, evaluation and reward check
//   error_practice.cpp   the error list queue and its cover errorPracticeCover_
//   selection.cpp        operation buttons, task-type list, level scroll bar, practice number
//   user_change.cpp      the change of user from the name or the user icon
// It truly calls two windows: the user window UserWindow (users, their numbers) and the error list
// window ErrorListWindow (the error list of the run). Everything else it asks of the program by a
// signal.
class TrainingWindow : public QWidget, public TaskScreen {
    Q_OBJECT
public:
    TrainingWindow(TrainingState& state, Dialogs& dialogs, RandomSource& random, UserWindow& users,
                   ErrorListWindow& errors);
    ~TrainingWindow() override;

    static constexpr int ClientHeight = 6015; // twips

    // Start-up and settings.
    void startUp();
    void loadSettings();

    // Exit.
    void askToExit();
    bool hasEnded() const { return ended_; }

    // A user started in the user window: the name shows, the mandatory tasks are loaded again.
    void startUser(const QString& shownName);

    // Keypad and check.
    void typeDigit(QChar digit); // a digit key appends its digit
    void typeSign(QChar sign); // "<", "=" or ">" replaces the entry
    void erase(); // "Entf"
    void check(); // the check
    void showEntry();
    void backspace(); // Backspace

    // The password prompt of every teacher function.
    bool askPassword(const QString& title);

    // Evaluation, reward information, reward check.
    void showEvaluation();
    void showRewardInterval();
    void rewardCheck();

    // Error practice.
    void nextErrorTask();
    void tellErrorsWaiting();
    bool errorPracticeActive() const;

    // Choosing operation, task type and level; the practice number.
    void choosePlus();
    void chooseMinus();
    void chooseTimes();
    void chooseDivide();
    void chooseRandomMix();
    void chooseTaskType();
    void chooseLevel();
    void setPracticeNumber();

    // Teacher functions and other windows.
    void changeUser(); // userPicture_ and userNameLabel_
    void openInfo(); // information window
    void openWorksheets(); // worksheets
    void openErrorList(); // error list window

    // TaskScreen, for the task engine.
    void setTaskText(const QString& text) override;
    void setEntryDisplay(const QString& text) override;
    void clearTaskTypes() override;
    void addTaskType(const QString& entry) override;
    void selectTaskType(int index) override;
    int mandatoryCount() const override;
    QString mandatoryEntry(int index) const override;
    void removeMandatoryEntries(int first, int count) override;
    void endMandatoryMode() override;

    TaskEngine& engine() { return *engine_; }
    MandatoryTasks& mandatory() { return *mandatory_; }

    // Counters of this run.
    std::int64_t correctCount = 0;
    std::int16_t errorCount = 0;
    std::int16_t rewardInterval = 20;

    // The task on screen, as its label shows it.
    QString taskText() const;
    // Puts the keyboard focus on "OK", where the child's keys go.
    void focusCheckButton();

signals:
    void ended(); // the exit question was answered Yes: the program ends
    void infoRequested(); // infoPicture_: the information window
    void worksheetsRequested(); // worksheetPicture_ after the password: the worksheet window
    void rewardDue(); // a round of right answers is complete and no errors wait

protected:
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void buildControls();
    void connectControls();
    void appendToEntry(const QString& characters); // digits append
    void replaceEntry(const QString& sign); // signs replace
    void chooseOperation(Operation operation, const QString& sign);
    bool handleKey(QKeyEvent* event);
    void showCounters(); // correctCountLabel_ right answers, errorCountLabel_ errors

    TrainingState& state_;
    Dialogs& dialogs_;
    RandomSource& random_;
    UserWindow& users_;
    ErrorListWindow& errors_;
    bool ended_ = false;
    std::unique_ptr<TaskEngine> engine_;
    std::unique_ptr<MandatoryTasks> mandatory_;

    // The controls; each one's objectName is its member name without the underscore.
    QLabel* taskLabel_ = nullptr; // the task
    EntryDisplay* entryDisplay_ = nullptr; // the entry
    QLabel* errorCountLabel_ = nullptr; // errorCount
    QLabel* correctCountLabel_ = nullptr; // correctCount
    QLabel* taskCaption_ = nullptr;
    QLabel* entryCaption_ = nullptr;
    QLabel* taskTypeLabel_ = nullptr; // name of the task type
    QLabel* levelLabel_ = nullptr; // "Stufe n"
    QLabel* operationSignLabel_ = nullptr; // sign of the operation
    QLabel* exitCaption_ = nullptr;
    QLabel* mandatoryCaption_ = nullptr;
    QLabel* worksheetCaption_ = nullptr;
    QLabel* mandatoryListCaption_ = nullptr;
    QLabel* errorListCaption_ = nullptr;
    ClickableLabel* userNameLabel_ = nullptr; // the current user's name
    QLabel* infoCaption_ = nullptr;
    QLabel* taskTypeCaption_ = nullptr;
    QLabel* rewardIntervalLabel_ = nullptr; // rewardInterval, outside the visible area
    PictureButton* exitPicture_ = nullptr;
    PictureButton* evaluationPicture_ = nullptr;
    PictureButton* rewardPicture_ = nullptr;
    PictureButton* mandatoryPicture_ = nullptr;
    PictureButton* infoPicture_ = nullptr;
    PictureButton* worksheetPicture_ = nullptr;
    PictureButton* userPicture_ = nullptr;
    PictureButton* errorListPicture_ = nullptr;
    ListBox* taskTypeList_ = nullptr; // task types
    ListBox* mandatoryList_ = nullptr; // mandatory tasks
    QScrollBar* levelBar_ = nullptr; // level
    QPushButton* digit1Button_ = nullptr;
    QPushButton* digit2Button_ = nullptr;
    QPushButton* digit3Button_ = nullptr;
    QPushButton* digit4Button_ = nullptr;
    QPushButton* digit5Button_ = nullptr;
    QPushButton* digit6Button_ = nullptr;
    QPushButton* digit7Button_ = nullptr;
    QPushButton* digit8Button_ = nullptr;
    QPushButton* digit9Button_ = nullptr;
    QPushButton* digit0Button_ = nullptr;
    QPushButton* checkButton_ = nullptr;
    QPushButton* plusButton_ = nullptr;
    QPushButton* minusButton_ = nullptr;
    QPushButton* timesButton_ = nullptr;
    QPushButton* divideButton_ = nullptr;
    QPushButton* randomButton_ = nullptr;
    QPushButton* practiceNumberButton_ = nullptr;
    QPushButton* eraseButton_ = nullptr;
    QPushButton* greaterButton_ = nullptr;
    QPushButton* equalButton_ = nullptr;
    QPushButton* lessButton_ = nullptr;
    QPushButton* errorPracticeCover_ = nullptr; // error-practice cover
    QPushButton* insertTaskButton_ = nullptr;
    QPushButton* deleteLineButton_ = nullptr;
    QPushButton* saveListButton_ = nullptr;
    QPushButton* clearListButton_ = nullptr;
    QPushButton* loadListButton_ = nullptr;
    QPushButton* mandatoryCover_ = nullptr; // mandatory-mode cover
};
