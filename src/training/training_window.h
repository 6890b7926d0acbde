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
//   error_practice.cpp   the error list queue and its cover Befehl22
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
    void formLoad();
    void loadSettings();

    // Exit.
    void bild1Click();
    bool hasEnded() const { return ended_; }

    // A user started in the user window: the name shows, the mandatory tasks are loaded again.
    void startUser(const QString& shownName);

    // Keypad and check.
    void befehl1Click();
    void befehl2Click();
    void befehl3Click();
    void befehl4Click();
    void befehl5Click();
    void befehl6Click();
    void befehl7Click();
    void befehl8Click();
    void befehl9Click();
    void befehl10Click();
    void befehl19Click(); // ">"
    void befehl20Click(); // "="
    void befehl21Click(); // "<"
    void befehl18Click(); // "Entf"
    void befehl11Click(); // the check
    void showEntry();
    void removeLastCharacter(); // Backspace

    // The password prompt of every teacher function.
    bool askPassword(const QString& title);

    // Evaluation, reward information, reward check.
    void bild2Click();
    void bild3Click();
    void rewardCheck();

    // Error practice.
    void nextErrorTask();
    void befehl22Click();
    bool errorPracticeActive() const;

    // Choosing operation, task type and level; the practice number.
    void befehl12Click();
    void befehl13Click();
    void befehl14Click();
    void befehl15Click();
    void befehl16Click();
    void liste1Click();
    void hBildlauf1Change();
    void befehl17Click();

    // Teacher functions and other windows.
    void changeUser(); // Bild7 and Bezeichnung15
    void bild5Click(); // information window
    void bild6Click(); // worksheets
    void bild8Click(); // error list window

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
    std::int64_t CorrectCount = 0;
    std::int16_t ErrorCount = 0;
    std::int16_t RewardInterval = 20;

    // Controls, named as the window names them.
    QLabel* Bezeichnung1 = nullptr; // the task
    EntryDisplay* Bezeichnung2 = nullptr; // the entry
    QLabel* Bezeichnung3 = nullptr; // errorCount
    QLabel* Bezeichnung4 = nullptr; // CorrectCount
    QLabel* Bezeichnung5 = nullptr;
    QLabel* Bezeichnung6 = nullptr;
    QLabel* Bezeichnung7 = nullptr; // name of the task type
    QLabel* Bezeichnung8 = nullptr; // "Stufe n"
    QLabel* Bezeichnung9 = nullptr; // sign of the operation
    QLabel* Bezeichnung10 = nullptr;
    QLabel* Bezeichnung11 = nullptr;
    QLabel* Bezeichnung12 = nullptr;
    QLabel* Bezeichnung13 = nullptr;
    QLabel* Bezeichnung14 = nullptr;
    ClickableLabel* Bezeichnung15 = nullptr; // the current user's name
    QLabel* Bezeichnung16 = nullptr;
    QLabel* Bezeichnung17 = nullptr;
    QLabel* Label1 = nullptr; // RewardInterval, outside the visible area
    PictureButton* Bild1 = nullptr;
    PictureButton* Bild2 = nullptr;
    PictureButton* Bild3 = nullptr;
    PictureButton* Bild4 = nullptr;
    PictureButton* Bild5 = nullptr;
    PictureButton* Bild6 = nullptr;
    PictureButton* Bild7 = nullptr;
    PictureButton* Bild8 = nullptr;
    ListBox* Liste1 = nullptr; // task types
    ListBox* Liste2 = nullptr; // mandatory tasks
    QScrollBar* HBildlauf1 = nullptr; // level
    QPushButton* Befehl1 = nullptr;
    QPushButton* Befehl2 = nullptr;
    QPushButton* Befehl3 = nullptr;
    QPushButton* Befehl4 = nullptr;
    QPushButton* Befehl5 = nullptr;
    QPushButton* Befehl6 = nullptr;
    QPushButton* Befehl7 = nullptr;
    QPushButton* befehl8 = nullptr;
    QPushButton* befehl9 = nullptr;
    QPushButton* Befehl10 = nullptr;
    QPushButton* Befehl11 = nullptr;
    QPushButton* Befehl12 = nullptr;
    QPushButton* Befehl13 = nullptr;
    QPushButton* Befehl14 = nullptr;
    QPushButton* Befehl15 = nullptr;
    QPushButton* Befehl16 = nullptr;
    QPushButton* Befehl17 = nullptr;
    QPushButton* Befehl18 = nullptr;
    QPushButton* Befehl19 = nullptr;
    QPushButton* Befehl20 = nullptr;
    QPushButton* Befehl21 = nullptr;
    QPushButton* Befehl22 = nullptr; // error-practice cover
    QPushButton* Befehl23 = nullptr;
    QPushButton* Befehl24 = nullptr;
    QPushButton* Befehl25 = nullptr;
    QPushButton* Befehl26 = nullptr;
    QPushButton* Befehl27 = nullptr;
    QPushButton* Befehl28 = nullptr; // mandatory-mode cover

signals:
    void ended(); // the exit question was answered Yes: the program ends
    void infoRequested(); // Bild5: the information window
    void worksheetsRequested(); // Bild6 after the password: the worksheet window
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
    void showCounters(); // Bezeichnung4 right answers, Bezeichnung3 errors

    TrainingState& state_;
    Dialogs& dialogs_;
    RandomSource& random_;
    UserWindow& users_;
    ErrorListWindow& errors_;
    bool ended_ = false;
    std::unique_ptr<TaskEngine> engine_;
    std::unique_ptr<MandatoryTasks> mandatory_;
};
