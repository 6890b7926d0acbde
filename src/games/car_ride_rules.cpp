#include "games/car_ride_rules.h"

#include "platform/dialogs.h"
#include "platform/game_timer.h"
#include "platform/random_source.h"

namespace {

// Metres with the place of their sign in front, as every text shows them; they are never negative.
QString withSignPlace(int metres)
{
    return QStringLiteral(" ") + QString::number(metres);
}

} // namespace

CarRide::CarRide(CarRideView& view, Dialogs& dialogs, RandomSource& random, Timers& timers)
    : view_(view), dialogs_(dialogs), random_(random), timer_(timers.make([this] { tick(); }))
{
    timer_->setInterval(10);
    timer_->setEnabled(false);
}

CarRide::~CarRide() = default;

void CarRide::start()
{
    timer_->setInterval(TickInterval);
    timer_->setEnabled(true);
    roadLeft = StartRoadLeft;
    carLeft = StartCarLeft;
    roadWidth = StartRoadWidth;
    // The posts already stand at the road's ends: a ride only starts from the places "Ende" left.
    view_.placeCar(carLeft);
    view_.placeRoad(roadLeft, roadWidth);
    metresDriven = 0;
}

void CarRide::tick()
{
    ++metresDriven;
    view_.showMetres(metresDriven);
    const int wander = random_.draw(0, 2); // 0 straight on, 1 left, 2 right
    if (wander == 1)
        roadLeft -= Step;
    else if (wander == 2)
        roadLeft += Step;
    if (roadLeft < LeftLimit)
        roadLeft = LeftLimit;
    if (roadLeft + roadWidth > RightLimit)
        roadLeft = RightLimit - roadWidth;
    if (metresDriven % 50 == 0)
        roadWidth -= Step;
    if (roadWidth <= WinningWidth) {
        // The ride stands still while the child reads the message, and the window is gone after
        // it, so no post is tested on this metre.
        timer_->setEnabled(false);
        dialogs_.msgBox(winText(metresDriven), MsgStyle::OkOnly | MsgStyle::Information,
                        QStringLiteral("Autofahrt"));
        view_.endRide();
        return;
    }
    view_.placeRoad(roadLeft, roadWidth);
    checkPosts();
}

void CarRide::steerLeft()
{
    if (!riding())
        return;
    carLeft -= Steer;
    checkPosts();
}

void CarRide::steerRight()
{
    if (!riding())
        return;
    carLeft += Steer;
    checkPosts();
}

void CarRide::stop()
{
    timer_->setEnabled(false);
}

bool CarRide::riding() const
{
    return timer_->enabled();
}

void CarRide::checkPosts()
{
    view_.placeCar(carLeft);
    // The car must keep clear of the left post (105 wide) and of the right post, which stands 100
    // inside the road's right end; the car is 495 wide, so 600 before the road's end is its last
    // place.
    if (carLeft >= roadLeft + 100 && carLeft <= roadLeft + roadWidth - 600)
        return;
    view_.crashed(metresDriven);
    timer_->setEnabled(false);
}

void CarRide::writeMetres(QString& text, std::int16_t metres)
{
    // Metres are never negative: the place of the sign is a blank.
    text.resize(0);
    text.append(u' ');
    char16_t digits[8];
    int count = 0;
    int rest = metres;
    do {
        digits[count++] = char16_t(u'0' + rest % 10);
        rest /= 10;
    } while (rest > 0);
    while (count > 0)
        text.append(QChar(digits[--count]));
    text.append(QStringView(u" m "));
}

QString CarRide::crashLine()
{
    return QStringLiteral("Du hast den Straßenpfosten gestreift!");
}

QString CarRide::metresLine(std::int16_t metres)
{
    return QStringLiteral("Du hast") + withSignPlace(metres) + QStringLiteral(" Meter geschafft!");
}

QString CarRide::winText(std::int16_t metres)
{
    return QStringLiteral("Straße ist zu eng! Du hast gewonnen!\r Es waren insgesamt")
            + withSignPlace(metres) + QStringLiteral(" Meter!");
}
