#pragma once

// MemoryWindow, Memory: eighteen cards in three rows of six, shown as the memory rules say (face
// down blue, face up with the number twice, a found pair white); STOP ends the game after a
// question.

#include "games/memory_rules.h"

#include <QAbstractButton>
#include <QWidget>

#include <array>

class Dialogs;
class QFrame;
class QLabel;
class QPushButton;
class RandomSource;

// A card: a coloured field that turns on a click or the space bar, its number written twice so
// that it wraps onto two lines.
class MemoryCard : public QAbstractButton {
    Q_OBJECT
public:
    explicit MemoryCard(QWidget* parent);
    QColor background;

protected:
    void paintEvent(QPaintEvent* event) override;
};

class MemoryWindow : public QWidget {
    Q_OBJECT
public:
    MemoryWindow(Dialogs& dialogs, RandomSource& random);

    void startMemory(); // a new deal, shown in front

    const MemoryRules& rules() const { return rules_; }

signals:
    void ended(); // the window is hidden; training goes on

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void askToStop(); // STOP: ends the game when the child says Yes
    void turnCard(int k); // card k, 1 to 18
    void showCards();
    void gameFinished();
    void endGame();

    Dialogs& dialogs_;
    MemoryRules rules_;
    QColor faceDown_; // the designed blue, the palette's dark blue once a game has ended
    QFrame* cardFrame_ = nullptr;
    QPushButton* stopButton_ = nullptr;
    std::array<MemoryCard*, 19> cards_{}; // cards 1 to 18, named card1 to card18
    QLabel* instructionLabel_ = nullptr;
    QLabel* roundLabel_ = nullptr; // the number of the round, followed by roundCaption_
    QLabel* roundCaption_ = nullptr;
};
