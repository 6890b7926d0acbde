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
    : view_(view), dialogs_(dialogs), random_(random), Zeit1(timers.Make([this] { Zeit1_Timer(); }))
{
    Zeit1->SetInterval(10);
    Zeit1->SetEnabled(false);
}

CarRide::~CarRide() = default;

void CarRide::Start()
{
    Zeit1->SetInterval(Tick);
    Zeit1->SetEnabled(true);
    RoadLeft = StartRoadLeft;
    CarLeft = StartCarLeft;
    RoadWidth = StartRoadWidth;
    // The posts already stand at the road's ends: a ride only starts from the places "Ende" left.
    view_.PlaceCar(CarLeft);
    view_.PlaceRoad(RoadLeft, RoadWidth);
    MetreCount = 0;
}

void CarRide::Zeit1_Timer()
{
    ++MetreCount;
    view_.ShowMetres(MetreCount);
    const int d = random_.Draw(0, 2);
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
        Zeit1->SetEnabled(false);
        dialogs_.MsgBox(WinText(MetreCount), MsgStyle::OkOnly + MsgStyle::Information,
                        QStringLiteral("Autofahrt"));
        view_.EndRide();
        return;
    }
    view_.PlaceRoad(RoadLeft, RoadWidth);
    CheckPosts();
}

void CarRide::SteerLeft()
{
    if (!Riding())
        return;
    CarLeft -= Steer;
    CheckPosts();
}

void CarRide::SteerRight()
{
    if (!Riding())
        return;
    CarLeft += Steer;
    CheckPosts();
}

void CarRide::Stop()
{
    Zeit1->SetEnabled(false);
}

bool CarRide::Riding() const
{
    return Zeit1->Enabled();
}

void CarRide::CheckPosts()
{
    view_.PlaceCar(CarLeft);
    // The car must keep clear of the left post (105 wide) and of the right post, which stands 100
    // inside the road's right end; the car is 495 wide, so 600 before the road's end is its last
    // place.
    if (CarLeft >= RoadLeft + 100 && CarLeft <= RoadLeft + RoadWidth - 600)
        return;
    view_.Crashed(MetreCount);
    Zeit1->SetEnabled(false);
}

void CarRide::WriteMetres(QString& text, std::int16_t metres)
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

QString CarRide::CrashLine()
{
    return QStringLiteral("Du hast den Straßenpfosten gestreift!");
}

QString CarRide::MetresLine(std::int16_t metres)
{
    return QStringLiteral("Du hast") + Signed(metres) + QStringLiteral(" Meter geschafft!");
}

QString CarRide::WinText(std::int16_t metres)
{
    return QStringLiteral("Straße ist zu eng! Du hast gewonnen!\r Es waren insgesamt")
            + Signed(metres) + QStringLiteral(" Meter!");
}
