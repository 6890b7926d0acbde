#pragma once

// PrisonWindow, the prison: draws the field of the prison rules as text on its surface, steps by
// the four arrow pictures or the arrow keys, the wish box by its button or any digit key, STOP by
// its button or Escape. The game ends when the "+" reaches the edge or STOP is confirmed.

#include "games/prison_rules.h"

#include <QWidget>

class Dialogs;
class DrawingSurface;
class PictureButton;
class QLabel;
class QPushButton;
class RandomSource;

class PrisonWindow : public QWidget {
    Q_OBJECT
public:
    PrisonWindow(Dialogs& dialogs, RandomSource& random);

    void startPrisonGame(); // a new field, shown in front

    const PrisonRules& rules() const { return rules_; }

signals:
    void ended(); // the window is hidden; training goes on

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void stepUp() { step(PrisonRules::Direction::Up); }
    void stepLeft() { step(PrisonRules::Direction::Left); }
    void stepRight() { step(PrisonRules::Direction::Right); }
    void stepDown() { step(PrisonRules::Direction::Down); }
    void step(PrisonRules::Direction direction);
    void askToStop(); // STOP: ends the game when the child says Yes
    void offerWish(); // the wish box: skips the searched digit when the child says Yes
    void showSearchDigit();
    void endPrisonGame();

    Dialogs& dialogs_;
    PrisonRules rules_;
    DrawingSurface* field_ = nullptr;
    QPushButton* stopButton_ = nullptr;
    QPushButton* wishButton_ = nullptr; // its caption shows the digits wished away
    PictureButton* upArrow_ = nullptr;
    PictureButton* leftArrow_ = nullptr;
    PictureButton* rightArrow_ = nullptr;
    PictureButton* downArrow_ = nullptr;
    QLabel* searchCaption_ = nullptr;
    QLabel* searchedDigitLabel_ = nullptr;
};
