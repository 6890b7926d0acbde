#pragma once

// The car ride: a car on a black road that wanders left and right at random and narrows every 50
// metres; the child steers between the two posts at the road's ends. One tick is one metre. A
// post touched ends the ride with the metres written on the window; a road narrowed to 700 twips
// is won. The rules keep positions in twips and decide; the window moves its pieces to where the
// rules say, through CarRideView, and repaints only what moved.

#include <QString>

#include <cstdint>
#include <memory>

class Dialogs;
class GameTimer;
class RandomSource;
class Timers;

class CarRideView {
public:
    virtual ~CarRideView() = default;
    virtual void placeCar(int left) = 0;
    virtual void placeRoad(int roadLeft, int roadWidth) = 0; // the road and both posts
    virtual void showMetres(std::int16_t metres) = 0;
    virtual void crashed(std::int16_t metres) = 0; // writes the crash text, offers "Ende"
    virtual void endRide() = 0; // as "Ende" does
};

class CarRide {
public:
    static constexpr int StartRoadLeft = 2500;
    static constexpr int StartRoadWidth = 3000;
    static constexpr int StartCarLeft = 3750;
    static constexpr int TickInterval = 30; // ms
    static constexpr int Step = 100; // twips the road wanders and narrows by
    static constexpr int Steer = 50; // twips per arrow key
    static constexpr int LeftLimit = 300; // the road never leaves the window
    static constexpr int RightLimit = 7700;
    static constexpr int WinningWidth = 700; // only one car position is left between the posts

    CarRide(CarRideView& view, Dialogs& dialogs, RandomSource& random, Timers& timers);
    ~CarRide();

    void start(); // "Start": a new ride with the timer running
    void tick(); // one metre
    void steerLeft(); // only while a ride runs
    void steerRight();
    void stop(); // the timer off, as "Ende" does
    bool riding() const;

    // The ride in twips: the road's left end (and the left post's), its width, the car's left edge.
    int roadLeft = StartRoadLeft;
    int roadWidth = StartRoadWidth;
    int carLeft = StartCarLeft;
    std::int16_t metresDriven = 0; // one a tick

    // The metre display: the number with the place of its sign, then " m " (" 37 m "). Written
    // into a text the caller keeps, within its capacity, so a tick builds no new string.
    static void writeMetres(QString& text, std::int16_t metres);
    // The crash text's two lines and the win message.
    static QString crashLine();
    static QString metresLine(std::int16_t metres);
    static QString winText(std::int16_t metres);

private:
    void checkPosts();

    CarRideView& view_;
    Dialogs& dialogs_;
    RandomSource& random_;
    std::unique_ptr<GameTimer> timer_;
};
