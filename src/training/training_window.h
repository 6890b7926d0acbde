#pragma once

#include <QWidget>

class ClickableLabel;
class EntryDisplay;
class ListBox;
class MandatoryTasks;
class PictureButton;
class QFrame;
class QKeyEvent;
class QLabel;
class QPushButton;
class QScrollBar;
class RewardInterval;
class TrainingSession;
class Users;

// The training window: the task, the child's entry, the keypad, the choice of operation, task type
// and level, the counters, the icon row and the mandatory editor column (hidden at the window's
// normal width). It shows the training session and forwards every key and click to it; the mode
// covers' places, the lists' rows and the window's width show the session's state. What needs
// another window it asks of the program by a signal.
class TrainingWindow : public QWidget {
    Q_OBJECT
public:
    TrainingWindow(TrainingSession& session, MandatoryTasks& mandatory, const Users& users,
                   const RewardInterval& rewardInterval);
    ~TrainingWindow() override;

    static constexpr int NormalWidth = 7440; // twips; the mandatory editor column lies beyond
    static constexpr int EditorWidth = 9500; // twips, with the editor column open
    static constexpr int ClientHeight = 6015; // twips

    // Start-up: a tenth of the free width from the screen's left, a quarter of the free height
    // from its top.
    void placeOnScreen();
    // Puts the keyboard focus on "OK", where the child's keys go.
    void focusCheckButton();

signals:
    void infoRequested(); // the information icon
    void worksheetsRequested(); // the worksheet icon, after the password
    void errorListRequested(); // the error-list icon, after the password; this window has hidden
    void userWindowRequested(); // the user icon or name, once waiting errors are dealt with

protected:
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void buildFramesAndTask();
    void buildIconRow();
    void buildChoices();
    void buildKeypad();
    void buildEditorAndCovers();
    void setTabOrder();
    void connectKeypad();
    void connectChoicesAndIcons();
    void connectEditor();
    void connectModels();

    // What the session and the other models say, shown.
    void showTask();
    void showEntry();
    void showCounters();
    void showModes();
    void showChoices();
    void showUser();
    void showRewardInterval();
    void showMandatoryList();
    void showEditor();

    bool handleKey(QKeyEvent* event);
    void afterTyping(); // the keys' focus goes back to "OK"
    void openWithPassword(void (TrainingWindow::*request)());
    void changeUser();

    TrainingSession& session_;
    MandatoryTasks& mandatory_;
    const Users& users_;
    const RewardInterval& rewardInterval_;

    // The controls; each one's objectName is its member name without the underscore.
    QLabel* taskLabel_ = nullptr;
    EntryDisplay* entryDisplay_ = nullptr;
    QLabel* errorCountLabel_ = nullptr;
    QLabel* correctCountLabel_ = nullptr;
    QLabel* taskTypeLabel_ = nullptr;
    QLabel* levelLabel_ = nullptr;
    QLabel* operationSignLabel_ = nullptr;
    ClickableLabel* userNameLabel_ = nullptr;
    QLabel* rewardIntervalLabel_ = nullptr; // outside the visible area
    PictureButton* exitPicture_ = nullptr;
    PictureButton* evaluationPicture_ = nullptr;
    PictureButton* rewardPicture_ = nullptr;
    PictureButton* mandatoryPicture_ = nullptr;
    PictureButton* infoPicture_ = nullptr;
    PictureButton* worksheetPicture_ = nullptr;
    PictureButton* userPicture_ = nullptr;
    PictureButton* errorListPicture_ = nullptr;
    ListBox* taskTypeList_ = nullptr;
    ListBox* mandatoryList_ = nullptr;
    QScrollBar* levelBar_ = nullptr;
    QPushButton* digitButtons_[10] = {};
    QPushButton* checkButton_ = nullptr;
    QPushButton* eraseButton_ = nullptr;
    QPushButton* lessButton_ = nullptr;
    QPushButton* equalButton_ = nullptr;
    QPushButton* greaterButton_ = nullptr;
    QPushButton* plusButton_ = nullptr;
    QPushButton* minusButton_ = nullptr;
    QPushButton* timesButton_ = nullptr;
    QPushButton* divideButton_ = nullptr;
    QPushButton* randomButton_ = nullptr;
    QPushButton* practiceNumberButton_ = nullptr;
    QPushButton* insertTaskButton_ = nullptr;
    QPushButton* deleteLineButton_ = nullptr;
    QPushButton* saveListButton_ = nullptr;
    QPushButton* clearListButton_ = nullptr;
    QPushButton* loadListButton_ = nullptr;
    QPushButton* errorPracticeCover_ = nullptr;
    QPushButton* mandatoryCover_ = nullptr;
};
