#include "games/car_ride_rules.h"

#include "platform/dialogs.h"
#include "platform/game_timer.h"
#include "platform/random_source.h"

namespace {

// Metres with the place of their sign in front, as every text shows them; they are never negative.
QString Signed(int metres)
{
    return QStringLiteral(" ") + QString::number(metres);
}

} // namespace

CarRide::CarRide(CarRideView& view, Dialogs& dialogs, RandomSource& random, Timers& timers)
    : view_(view), dialogs_(dialogs), random_(random), Zeit1(timers.make([this] { zeit1Timer(); }))
{
    Zeit1->setInterval(10);
    Zeit1->setEnabled(false);
}

CarRide::~CarRide() = default;

void CarRide::start()
{
    Zeit1->setInterval(Tick);
    Zeit1->setEnabled(true);
    RoadLeft = StartRoadLeft;
    CarLeft = StartCarLeft;
    RoadWidth = StartRoadWidth;
    // The posts already stand at the road's ends: a ride only starts from the places "Ende" left.
    view_.placeCar(CarLeft);
    view_.placeRoad(RoadLeft, RoadWidth);
    MetreCount = 0;
}

void CarRide::zeit1Timer()
{
    ++MetreCount;
    view_.showMetres(MetreCount);
    const int d = random_.draw(0, 2);
    if (d == 1)
        RoadLeft -= Step;
    else if (d == 2)
        RoadLeft += Step;
    if (RoadLeft < LeftLimit)
        RoadLeft = LeftLimit;
    if (RoadLeft + RoadWidth > RightLimit)
        RoadLeft = RightLimit - RoadWidth;
    if (MetreCount % 50 == 0)
        RoadWidth -= Step;
    if (RoadWidth <= WinningWidth) {
        // The ride stands still while the child reads the message, and the window is gone after
        // it, so no post is tested on this metre.
        Zeit1->setEnabled(false);
        dialogs_.msgBox(winText(MetreCount), MsgStyle::OkOnly | MsgStyle::Information,
                        QStringLiteral("Autofahrt"));
        view_.endRide();
        return;
    }
    view_.placeRoad(RoadLeft, RoadWidth);
    checkPosts();
}

void CarRide::steerLeft()
{
    if (!riding())
        return;
    CarLeft -= Steer;
    checkPosts();
}

void CarRide::steerRight()
{
    if (!riding())
        return;
    CarLeft += Steer;
    checkPosts();
}

void CarRide::stop()
{
    Zeit1->setEnabled(false);
}

bool CarRide::riding() const
{
    return Zeit1->enabled();
}

void CarRide::checkPosts()
{
    view_.placeCar(CarLeft);
    // The car must keep clear of the left post (105 wide) and of the right post, which stands 100
    // inside the road's right end; the car is 495 wide, so 600 before the road's end is its last
    // place.
    if (CarLeft >= RoadLeft + 100 && CarLeft <= RoadLeft + RoadWidth - 600)
        return;
    view_.crashed(MetreCount);
    Zeit1->setEnabled(false);
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
    return QStringLiteral("Du hast") + Signed(metres) + QStringLiteral(" Meter geschafft!");
}

QString CarRide::winText(std::int16_t metres)
{
    return QStringLiteral("Straße ist zu eng! Du hast gewonnen!\r Es waren insgesamt")
            + Signed(metres) + QStringLiteral(" Meter!");
}
