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

    void startHomewardRide(); // clears the field, draws the grid and sets up a new ride
    HomewardRide& ride() { return *ride_; }

    // HomewardRideView
    void placeCar(int column, int row) override;
    void placeMarker(int column, int row) override;
    void showMarker(bool visible) override;
    void showVehicle(int breakdowns) override;
    void setHint(const QString& text) override;
    void drawNail(int column, int row) override;
    void endRide() override { end(); }

signals:
    void ended();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildControls();
    void connectControls();
    void end(); // "Ende": back to training, the car restored for the next ride
    void moveLeft() { ride_->moveLeft(); }
    void moveRight() { ride_->moveRight(); }
    void moveUp() { ride_->moveUp(); }
    void moveDown() { ride_->moveDown(); }
    int cellSize() const;
    QPoint cellCorner(int column, int row) const; // in pixels

    DrawingSurface* surface_ = nullptr; // the grid and the nails, under every control
    QPushButton* endButton_ = nullptr;
    QPushButton* leftButton_ = nullptr;
    QPushButton* rightButton_ = nullptr;
    QPushButton* upButton_ = nullptr;
    QPushButton* downButton_ = nullptr;
    QFrame* fieldFrame_ = nullptr; // round the grid
    // Hidden stores of the vehicle's pictures: car, bicycle, on foot, ambulance.
    QLabel* carPicture_ = nullptr;
    QLabel* bicyclePicture_ = nullptr;
    QLabel* walkerPicture_ = nullptr;
    QLabel* ambulancePicture_ = nullptr;
    QLabel* housePicture_ = nullptr;
    QLabel* vehiclePicture_ = nullptr; // the child's vehicle on the grid
    QFrame* hintBarAbove_ = nullptr;
    QFrame* hintBarBelow_ = nullptr;
    QLabel* hintLabel_ = nullptr; // whether a nail lies next to the car
    QLabel* nailMarker_ = nullptr; // the "X" of the nail show
    std::unique_ptr<HomewardRide> ride_;
    RideActivation activation_;
};
