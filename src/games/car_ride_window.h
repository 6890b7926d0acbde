#pragma once

#include "games/car_ride_rules.h"

#include <QString>
#include <QWidget>

#include <memory>

class Dialogs;
class DrawingSurface;
class QFrame;
class QLabel;
class QPushButton;
class RandomSource;
class Timers;

// CarRideWindow, the car ride: the road with its posts, the car the child steers with the arrow
// keys, the metre display, "Start" and "Ende". A crash is written on the window and stays until the
// next startCarRide; the game ends by hiding the window and ended().
class CarRideWindow : public QWidget, public CarRideView {
    Q_OBJECT
public:
    CarRideWindow(Dialogs& dialogs, RandomSource& random, Timers& timers);
    ~CarRideWindow() override;

    void startCarRide(); // shows the window with a clean surface
    CarRide& ride() { return *ride_; }

    // CarRideView
    void placeCar(int left) override;
    void placeRoad(int roadLeft, int roadWidth) override;
    void showMetres(std::int16_t metres) override;
    void crashed(std::int16_t metres) override;
    void endRide() override { end(); }

signals:
    void ended();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void startRide(); // "Start"
    void end(); // "Ende", also Esc: back to training
    bool handleKey(QKeyEvent* event);
    void placePieces(int carLeft, int roadLeft, int roadWidth);

    DrawingSurface* surface_ = nullptr; // where a crash is written
    QFrame* road_ = nullptr;
    QFrame* leftPost_ = nullptr;
    QFrame* rightPost_ = nullptr;
    QLabel* carPicture_ = nullptr;
    QLabel* metresLabel_ = nullptr; // under "Ende", seen while a ride hides it
    QPushButton* startButton_ = nullptr;
    QPushButton* endButton_ = nullptr;
    std::unique_ptr<CarRide> ride_;
    // The metre display is written into one of two texts by turns: the label shares the other,
    // so writing never has to copy a text the label still holds.
    QString metres_[2];
    int nextMetres_ = 0;
};
