#pragma once

// RewardChooser, the reward chooser: five games and a way back without a game, each as a picture
// and a button that do the same. A choice hides the chooser and tells the program which game to
// start; the chooser itself keeps nothing.

#include <QWidget>

class PictureButton;
class QLabel;
class QPushButton;

class RewardChooser : public QWidget {
    Q_OBJECT
public:
    RewardChooser();

    void open(); // shows the chooser in front

    void befehl1Click(); // Gefängnis
    void befehl2Click(); // Autofahrt
    void befehl3Click(); // Zahlfange
    void befehl4Click(); // Memory
    void befehl5Click(); // Abbruch
    void befehl6Click(); // Slalom
    void bild1Click() { befehl1Click(); }
    void bild2Click() { befehl2Click(); }
    void bild3Click() { befehl3Click(); }
    void bild4Click() { befehl4Click(); }
    void bild5Click() { befehl5Click(); }
    void bild6Click() { befehl6Click(); }

    PictureButton* Bild1 = nullptr;
    PictureButton* Bild2 = nullptr;
    PictureButton* Bild3 = nullptr;
    PictureButton* Bild4 = nullptr;
    PictureButton* Bild5 = nullptr;
    PictureButton* Bild6 = nullptr;
    QLabel* Bezeichnung1 = nullptr;
    QLabel* Bezeichnung2 = nullptr;
    QLabel* Bezeichnung3 = nullptr;
    QLabel* Bezeichnung4 = nullptr;
    QLabel* Bezeichnung5 = nullptr;
    QLabel* Bezeichnung6 = nullptr;
    QPushButton* Befehl1 = nullptr;
    QPushButton* Befehl2 = nullptr;
    QPushButton* Befehl3 = nullptr;
    QPushButton* Befehl4 = nullptr;
    QPushButton* Befehl5 = nullptr;
    QPushButton* Befehl6 = nullptr;

signals:
    // Emitted after the chooser has hidden itself.
    void cancelled();
    void carRideChosen();
    void homewardRideChosen();
    void prisonChosen();
    void numberCatchChosen();
    void memoryChosen();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void choose(void (RewardChooser::*chosen)());
};
