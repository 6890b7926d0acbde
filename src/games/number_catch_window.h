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
    NumberCatchWindow(TrainingState& state, Dialogs& dialogs, RandomSource& random, Timers& timers);
    ~NumberCatchWindow() override;

    void startNumberCatch(); // the digits unseen until the first tick, the window in front

    void bild1Click(); // left
    void bild2Click(); // up
    void bild3Click(); // down
    void bild4Click(); // right
    void befehl1Click(); // ENDE
    void hBildlauf1Change();
    void zeit1Timer();

    const NumberCatchRules& rules() const { return rules_; }
    GameTimer& zeit1() { return *timer_; }

    DrawingSurface* Spielfeld = nullptr;
    QPushButton* Befehl1 = nullptr;
    PictureButton* Bild1 = nullptr;
    PictureButton* Bild2 = nullptr;
    PictureButton* Bild3 = nullptr;
    PictureButton* Bild4 = nullptr;
    QLabel* Bezeichnung3 = nullptr;
    QFrame* Figur1 = nullptr;
    QLabel* Bezeichnung1 = nullptr;
    QScrollBar* HBildlauf1 = nullptr;
    QLabel* Bezeichnung2 = nullptr;
    QFrame* Figur2 = nullptr;

signals:
    void ended(); // the window is hidden; training goes on

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void move(NumberCatchRules::Direction direction);
    void showCatch(bool gameOver); // the next digit, the field for screen readers, the end message
    void endNumberCatch();

    Dialogs& dialogs_;
    NumberCatchRules rules_;
    std::unique_ptr<GameTimer> timer_;
};
