#pragma once

// The homeward ride: a car crosses a grid of 12 columns by 10 rows from the top-left cell to the
// house in the bottom-right cell. Twenty hidden nails are pointed out one a second before the ride
// (the nail show); every nail driven over is a breakdown, the fourth one ends the game. The rules
// keep the ride's state and decide what happens; the window places its pieces, draws and shows
// what the rules ask for through HomewardRideView.

#include <QList>
#include <QString>

#include <cstdint>
#include <memory>

class Dialogs;
class GameTimer;
class RandomSource;
class Timers;

// What the ride needs of its window. Cells are (column, row), from (1, 1) at the top left.
class HomewardRideView {
public:
    virtual ~HomewardRideView() = default;
    virtual void placeCar(int column, int row) = 0;
    virtual void placeMarker(int column, int row) = 0; // the "X" of the nail show
    virtual void showMarker(bool visible) = 0;
    virtual void showVehicle(int breakdowns) = 0; // 0 or 1 car, 2 bicycle, 3 on foot, 4 ambulance
    virtual void setHint(const QString& text) = 0; // the hint line
    virtual void drawNail(int column, int row) = 0;
    virtual void endRide() = 0; // as "Ende" does
};

struct Nail {
    std::int16_t column = 0;
    std::int16_t row = 0;
    bool operator==(const Nail&) const = default;
};

class HomewardRide {
public:
    static constexpr int Columns = 12;
    static constexpr int Rows = 10;
    static constexpr int NailCount = 20;
    static constexpr int ShowInterval = 1000; // ms: one nail a second

    HomewardRide(HomewardRideView& view, Dialogs& dialogs, RandomSource& random, Timers& timers);
    ~HomewardRide();

    // A new ride on a field the window has just cleared and gridded: new nails, the car at the
    // start, the message about the nails, then the nail show.
    void startHomewardRide();
    void placeNails();

    // One cell left, right, up or down, clamped to the grid; the car is checked even when the
    // edge keeps it where it is.
    void moveLeft() { move(-1, 0); }
    void moveRight() { move(1, 0); }
    void moveUp() { move(0, -1); }
    void moveDown() { move(0, 1); }

    void showNextNail(); // one step of the nail show
    void stopShow();
    bool showRunning() const;
    void drawAllNails();

    std::int16_t carColumn = 1;
    std::int16_t carRow = 1;
    std::int16_t breakdowns = 0; // nails driven over in this ride
    std::int16_t showIndex = 0; // the nail the next tick of the show points out
    QList<Nail> nails; // may name one cell twice

private:
    void move(int columns, int rows);
    void moveCar();
    void checkPosition();
    void breakdown();
    bool nailAt(int column, int row) const;

    HomewardRideView& view_;
    Dialogs& dialogs_;
    RandomSource& random_;
    std::unique_ptr<GameTimer> showTimer_;
};

// Whether the ride window's becoming active starts a new ride: it does when the window is shown
// and when the child comes back from another of the program's windows, but not when one of the
// game's own message boxes closes, nor when the child comes back from another program.
class RideActivation {
public:
    enum class Away { Hidden, ProgramWindow, OwnMessageBox, OtherProgram, Active };
    void hidden() { away_ = Away::Hidden; }
    // A hidden window is left for good: the desktop may still tell that it lost the activation.
    void deactivated(Away to)
    {
        if (away_ != Away::Hidden)
            away_ = to;
    }
    // True when this activation starts a new ride.
    bool activated();

private:
    Away away_ = Away::Hidden;
};
