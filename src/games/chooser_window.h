#pragma once

// Form6, the reward chooser: five games and a way back without a game, each as a picture and a
// button that do the same. A choice hides the chooser and tells the program which game to start;
// the chooser itself keeps nothing.

#include <QWidget>

class PictureButton;
class QLabel;
class QPushButton;

class Form6 : public QWidget {
    Q_OBJECT
public:
    Form6();

    void Open(); // shows the chooser in front

    void Befehl1_Click(); // Gefängnis
    void Befehl2_Click(); // Autofahrt
    void Befehl3_Click(); // Zahlfange
    void Befehl4_Click(); // Memory
    void Befehl5_Click(); // Abbruch
    void Befehl6_Click(); // Slalom
    void Bild1_Click() { Befehl1_Click(); }
    void Bild2_Click() { Befehl2_Click(); }
    void Bild3_Click() { Befehl3_Click(); }
    void Bild4_Click() { Befehl4_Click(); }
    void Bild5_Click() { Befehl5_Click(); }
    void Bild6_Click() { Befehl6_Click(); }

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
    void slalomChosen();
    void prisonChosen();
    void numberCatchChosen();
    void memoryChosen();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Choose(void (Form6::*chosen)());
};
