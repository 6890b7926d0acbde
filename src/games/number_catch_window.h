#pragma once

// NumberCatchWindow, the number catch: draws the digits and the "+" of the number catch rules as
// text on its surface; the timer makes the digits jump at the pace of the scroll bar (seconds
// between two jumps), the arrow pictures and keys move the "+", ENDE or Escape ends the game after
// a question.

#include "games/number_catch_rules.h"

#include <QWidget>

#include <memory>

class Dialogs;
class DrawingSurface;
class PictureButton;
class GameTimer;
class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;
class RandomSource;
class Timers;

class NumberCatchWindow : public QWidget {
    Q_OBJECT
public:
    NumberCatchWindow(Dialogs& dialogs, RandomSource& random, Timers& timers);
    ~NumberCatchWindow() override;

    void startNumberCatch(); // the digits unseen until the first tick, the window in front
    void jump(); // the digits jump to new places, as the timer makes them at the chosen pace

    const NumberCatchRules& rules() const { return rules_; }
    GameTimer& jumpTimer() { return *jumpTimer_; }

signals:
    void ended(); // the window is hidden; training goes on

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls(const QFont& font);
    void connectControls();
    void moveLeft() { moveCross(NumberCatchRules::Direction::Left); }
    void moveUp() { moveCross(NumberCatchRules::Direction::Up); }
    void moveDown() { moveCross(NumberCatchRules::Direction::Down); }
    void moveRight() { moveCross(NumberCatchRules::Direction::Right); }
    void moveCross(NumberCatchRules::Direction direction);
    void askToEnd(); // ENDE: ends the game when the child says Yes
    void changePace(); // the scroll bar moved: seconds between two jumps
    void showCatch(bool gameOver); // the next digit, the field for screen readers, the end message
    void endNumberCatch();

    Dialogs& dialogs_;
    NumberCatchRules rules_;
    std::unique_ptr<GameTimer> jumpTimer_;
    DrawingSurface* field_ = nullptr;
    QPushButton* endButton_ = nullptr;
    PictureButton* leftArrow_ = nullptr;
    PictureButton* upArrow_ = nullptr;
    PictureButton* downArrow_ = nullptr;
    PictureButton* rightArrow_ = nullptr;
    QLabel* nextDigitLabel_ = nullptr; // the digit to catch next
    QFrame* paceFrame_ = nullptr; // round the scroll bar and its two labels
    QLabel* fastCaption_ = nullptr;
    QScrollBar* paceBar_ = nullptr; // seconds between two jumps, 1 to 10
    QLabel* slowCaption_ = nullptr;
    QFrame* fieldFrame_ = nullptr;
};
