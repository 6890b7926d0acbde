#include "games/car_ride_window.h"

#include "platform/controls.h"
#include "platform/drawing_surface.h"

#include <QCloseEvent>
#include <QFontMetricsF>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int ClientWidth = 7860;
constexpr int ClientHeight = 3765;
constexpr int CarTop = 810; // where "Start" puts the car and the road
constexpr int RoadTop = 1300;
const QColor Background(0xC0, 0xFF, 0xFF);
const QColor Yellow(0xFF, 0xFF, 0x00);

// A filled rectangle: the road or a post.
QFrame* filledRectangle(QWidget* parent, const char* name, const QColor& colour, int left, int top,
                        int width, int height)
{
    auto* rectangle = new QFrame(parent);
    rectangle->setObjectName(QString::fromLatin1(name));
    fillBackground(rectangle, colour);
    rectangle->setAttribute(Qt::WA_TransparentForMouseEvents);
    Twips::place(rectangle, left, top, width, height);
    return rectangle;
}

QFont bold(double points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

} // namespace

CarRideWindow::CarRideWindow(Dialogs& dialogs, RandomSource& random, Timers& timers)
    : QWidget(nullptr, Qt::Window)
{
    setObjectName(QStringLiteral("CarRideWindow"));
    setWindowTitle(QStringLiteral("Autofahrt"));
    setFixedSize(Twips::toPixels(ClientWidth), Twips::toPixels(ClientHeight));
    QPalette background = palette();
    background.setColor(QPalette::Window, Background);
    setPalette(background);

    surface_ = new DrawingSurface(this);
    surface_->setObjectName(QStringLiteral("surface"));
    surface_->setBackColor(Background);
    surface_->setScaleMode(DrawingSurface::Unit::Twips);
    surface_->setGeometry(rect());

    road_ = filledRectangle(this, "road", Qt::black, 2505, 1320, 3000, 135);
    leftPost_ = filledRectangle(this, "leftPost", Yellow, 2500, 1080, 105, 255);
    rightPost_ = filledRectangle(this, "rightPost", Yellow, 5400, 1080, 100, 255);

    carPicture_ = new QLabel(this);
    carPicture_->setObjectName(QStringLiteral("carPicture"));
    carPicture_->setPixmap(QIcon(QStringLiteral(":/games/car_front.svg")).pixmap(32, 32));
    carPicture_->setAlignment(Qt::AlignCenter);
    carPicture_->setToolTip(QStringLiteral("Dein Auto"));
    carPicture_->setAccessibleName(QStringLiteral("Dein Auto"));
    Twips::place(carPicture_, 3720, 830, 495, 495);

    // The metre display lies under "Ende": it is seen while "Ende" is hidden during a ride. Its
    // size is fixed, so a new number only repaints the label and lays out nothing.
    metresLabel_ = new QLabel(this);
    metresLabel_->setObjectName(QStringLiteral("metresLabel"));
    metresLabel_->setFont(bold(12));
    fillBackground(metresLabel_, Yellow);
    metresLabel_->setAccessibleDescription(QStringLiteral("Gefahrene Meter"));
    Twips::place(metresLabel_, 3360, 3120, 1215, 495);
    metresLabel_->setFixedSize(metresLabel_->size());
    for (QString& text : metres_)
        text.reserve(16);

    startButton_ = new QPushButton(QStringLiteral("Start"), this);
    startButton_->setObjectName(QStringLiteral("startButton"));
    startButton_->setFont(bold(9.75));
    Twips::place(startButton_, 3360, 120, 1215, 495);
    startButton_->setDefault(true);
    endButton_ = new QPushButton(QStringLiteral("Ende"), this);
    endButton_->setObjectName(QStringLiteral("endButton"));
    endButton_->setFont(bold(9.75));
    Twips::place(endButton_, 3360, 3120, 1215, 495);

    ride_ = std::make_unique<CarRide>(*this, dialogs, random, timers);

    connect(endButton_, &QPushButton::clicked, this, &CarRideWindow::end);
    connect(startButton_, &QPushButton::clicked, this, &CarRideWindow::startRide);
    new KeyPreview(this, [this](QKeyEvent* event) { return handleKey(event); });
}

CarRideWindow::~CarRideWindow() = default;

void CarRideWindow::startCarRide()
{
    show();
    raise();
    activateWindow();
    surface_->cls(); // the text of an earlier crash
}

void CarRideWindow::startRide()
{
    endButton_->hide();
    startButton_->hide();
    carPicture_->move(carPicture_->x(), Twips::toPixels(CarTop));
    road_->move(road_->x(), Twips::toPixels(RoadTop));
    ride_->start();
}

void CarRideWindow::end()
{
    endButton_->show();
    startButton_->show();
    endButton_->setDefault(false);
    startButton_->setDefault(true);
    ride_->stop();
    hide();
    placePieces(CarRide::StartCarLeft, CarRide::StartRoadLeft, CarRide::StartRoadWidth);
    emit ended();
}

void CarRideWindow::placeCar(int left)
{
    Twips::setLeft(carPicture_, left);
}

void CarRideWindow::placeRoad(int roadLeft, int roadWidth)
{
    // Only what moved is repainted: a widget moved to where it stands does nothing.
    road_->setGeometry(Twips::toPixels(roadLeft), road_->y(), Twips::toPixels(roadWidth),
                       road_->height());
    Twips::setLeft(leftPost_, roadLeft);
    Twips::setLeft(rightPost_, roadLeft + roadWidth - 100);
}

void CarRideWindow::placePieces(int carLeft, int roadLeft, int roadWidth)
{
    placeCar(carLeft);
    placeRoad(roadLeft, roadWidth);
}

void CarRideWindow::showMetres(std::int16_t metres)
{
    QString& text = metres_[nextMetres_];
    nextMetres_ = 1 - nextMetres_;
    CarRide::writeMetres(text, metres);
    metresLabel_->setText(text);
}

void CarRideWindow::crashed(std::int16_t metres)
{
    // Written from x = 100, y = 2000 at text columns 3 and 8: a column is an average character
    // width of the font, the first column at the window's edge.
    surface_->setFont(QStringLiteral("ARIAL"), 20);
    QFont font(QStringLiteral("ARIAL"));
    font.setPixelSize(qRound(20 * 96.0 / 72.0));
    const QFontMetricsF metrics(font);
    const double column = Twips::fromPixels(1) * metrics.averageCharWidth();
    const double line = Twips::fromPixels(1) * metrics.height();
    surface_->printAt(std::max(100.0, 2 * column), 2000, CarRide::crashLine());
    surface_->printAt(7 * column, 2000 + line, CarRide::metresLine(metres));
    endButton_->show();
    startButton_->setDefault(false);
    endButton_->setDefault(true);
}

bool CarRideWindow::handleKey(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        ride_->steerLeft();
        return true;
    case Qt::Key_Right:
        ride_->steerRight();
        return true;
    case Qt::Key_Escape:
        end();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter presses the default button, once per press, and only while it can be seen.
        if (!event->isAutoRepeat()) {
            if (startButton_->isDefault() && startButton_->isVisible())
                startRide();
            else if (endButton_->isDefault() && endButton_->isVisible())
                end();
        }
        return true;
    default:
        return false;
    }
}

void CarRideWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    end();
}
