#pragma once

#include "games/homeward_ride_rules.h"

#include <QWidget>

#include <memory>

class Dialogs;
class DrawingSurface;
class QFrame;
class QLabel;
class QPushButton;
class RandomSource;
class Timers;

// HomewardRideWindow, the homeward ride: the grid with the car, the house and the hidden nails, the
// buttons and arrow keys that move the car, the hint line. Every time the window becomes the
// program's active window a new ride is set up; the game ends by hiding the window and ended().
class HomewardRideWindow : public QWidget, public HomewardRideView {
    Q_OBJECT
public:
    HomewardRideWindow(Dialogs& dialogs, RandomSource& random, Timers& timers);
    ~HomewardRideWindow() override;

    void open(); // shows and activates the window; the activation sets up the ride

    void startHomewardRide();
    void befehl1Click(); // "Ende"
    void befehl2Click(); // left
    void befehl3Click(); // right
    void befehl4Click(); // up
    void befehl5Click(); // down
    void zeit1Timer() { ride_->zeit1Timer(); }
    HomewardRide& ride() { return *ride_; }

    // HomewardRideView
    void placeCar(int column, int row) override;
    void placeMarker(int column, int row) override;
    void showMarker(bool visible) override;
    void showVehicle(int breakdowns) override;
    void setHint(const QString& text) override;
    void drawNail(int column, int row) override;
    void endRide() override { befehl1Click(); }

    QPushButton* Befehl1 = nullptr;
    QPushButton* Befehl2 = nullptr;
    QPushButton* Befehl3 = nullptr;
    QPushButton* Befehl4 = nullptr;
    QPushButton* Befehl5 = nullptr;
    QFrame* Figur1 = nullptr; // the playfield frame
    QFrame* Figur2 = nullptr;
    QFrame* Figur3 = nullptr;
    QLabel* Bild1 = nullptr; // the child's vehicle
    QLabel* Bild2 = nullptr; // hidden stores of the car, bicycle, on-foot and hospital pictures
    QLabel* Bild3 = nullptr;
    QLabel* Bild4 = nullptr;
    QLabel* Bild5 = nullptr;
    QLabel* Bild6 = nullptr; // the house
    QLabel* Bezeichnung4 = nullptr; // the hint line
    QLabel* Bezeichnung5 = nullptr; // the "X" of the nail show
    DrawingSurface* surface = nullptr;

signals:
    void ended();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    int cellSize() const;
    QPoint cellCorner(int column, int row) const; // in pixels

    std::unique_ptr<HomewardRide> ride_;
    RideActivation activation_;
};
