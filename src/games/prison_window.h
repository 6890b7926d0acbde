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

    void bild1Click(); // step up
    void bild2Click(); // step left
    void bild3Click(); // step right
    void bild4Click(); // step down
    void befehl1Click(); // STOP
    void befehl2Click(); // wish box

    const PrisonRules& rules() const { return rules_; }

    DrawingSurface* Spielfeld = nullptr;
    QPushButton* Befehl1 = nullptr;
    QPushButton* Befehl2 = nullptr;
    PictureButton* Bild1 = nullptr;
    PictureButton* Bild2 = nullptr;
    PictureButton* Bild3 = nullptr;
    PictureButton* Bild4 = nullptr;
    QLabel* Bezeichnung2 = nullptr;
    QLabel* Bezeichnung1 = nullptr;

signals:
    void ended(); // the window is hidden; training goes on

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void step(PrisonRules::Direction direction);
    void showSearchDigit();
    void endPrisonGame();

    Dialogs& dialogs_;
    PrisonRules rules_;
};
