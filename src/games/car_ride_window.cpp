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

QFrame* shape(QWidget* parent, const char* name, const QColor& colour, int l, int t, int w, int h)
{
    auto* shape = new QFrame(parent);
    shape->setObjectName(QString::fromLatin1(name));
    shape->setAutoFillBackground(true);
    QPalette p = shape->palette();
    p.setColor(QPalette::Window, colour);
    shape->setPalette(p);
    shape->setAttribute(Qt::WA_TransparentForMouseEvents);
    Twips::place(shape, l, t, w, h);
    return shape;
}

QFont bold(double points)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(points);
    f.setBold(true);
    return f;
}

} // namespace

CarRideWindow::CarRideWindow(Dialogs& dialogs, RandomSource& random, Timers& timers)
    : QWidget(nullptr, Qt::Window)
{
    setObjectName(QStringLiteral("CarRideWindow"));
    setWindowTitle(QStringLiteral("Autofahrt"));
    setFixedSize(Twips::toPixels(ClientWidth), Twips::toPixels(ClientHeight));
    QPalette p = palette();
    p.setColor(QPalette::Window, Background);
    setPalette(p);

    surface = new DrawingSurface(this);
    surface->setObjectName(QStringLiteral("Zeichenflaeche"));
    surface->setBackColor(Background);
    surface->setScaleMode(DrawingSurface::Unit::Twips);
    surface->setGeometry(rect());

    Figur1 = shape(this, "Figur1", Qt::black, 2505, 1320, 3000, 135);
    Figur2 = shape(this, "Figur2", Yellow, 2500, 1080, 105, 255);
    Figur3 = shape(this, "Figur3", Yellow, 5400, 1080, 100, 255);

    Bild1 = new QLabel(this);
    Bild1->setObjectName(QStringLiteral("Bild1"));
    Bild1->setPixmap(QIcon(QStringLiteral(":/games/car_front.svg")).pixmap(32, 32));
    Bild1->setAlignment(Qt::AlignCenter);
    Bild1->setToolTip(QStringLiteral("Dein Auto"));
    Bild1->setAccessibleName(QStringLiteral("Dein Auto"));
    Twips::place(Bild1, 3720, 830, 495, 495);

    // The metre display lies under "Ende": it is seen while "Ende" is hidden during a ride. Its
    // size is fixed, so a new number only repaints the label and lays out nothing.
    Bezeichnung1 = new QLabel(this);
    Bezeichnung1->setObjectName(QStringLiteral("Bezeichnung1"));
    Bezeichnung1->setFont(bold(12));
    Bezeichnung1->setAutoFillBackground(true);
    QPalette yellow = Bezeichnung1->palette();
    yellow.setColor(QPalette::Window, Yellow);
    Bezeichnung1->setPalette(yellow);
    Bezeichnung1->setAccessibleDescription(QStringLiteral("Gefahrene Meter"));
    Twips::place(Bezeichnung1, 3360, 3120, 1215, 495);
    Bezeichnung1->setFixedSize(Bezeichnung1->size());
    for (QString& text : metres_)
        text.reserve(16);

    Befehl2 = new QPushButton(QStringLiteral("Start"), this);
    Befehl2->setObjectName(QStringLiteral("Befehl2"));
    Befehl2->setFont(bold(9.75));
    Twips::place(Befehl2, 3360, 120, 1215, 495);
    Befehl2->setDefault(true);
    Befehl1 = new QPushButton(QStringLiteral("Ende"), this);
    Befehl1->setObjectName(QStringLiteral("Befehl1"));
    Befehl1->setFont(bold(9.75));
    Twips::place(Befehl1, 3360, 3120, 1215, 495);

    ride_ = std::make_unique<CarRide>(*this, dialogs, random, timers);

    connect(Befehl1, &QPushButton::clicked, this, &CarRideWindow::befehl1Click);
    connect(Befehl2, &QPushButton::clicked, this, &CarRideWindow::befehl2Click);
    new KeyPreview(this, [this](QKeyEvent* event) { return handleKey(event); });
}

CarRideWindow::~CarRideWindow() = default;

void CarRideWindow::startCarRide()
{
    show();
    raise();
    activateWindow();
    surface->cls(); // the text of an earlier crash
}

void CarRideWindow::befehl2Click()
{
    Befehl1->hide();
    Befehl2->hide();
    Bild1->move(Bild1->x(), Twips::toPixels(CarTop));
    Figur1->move(Figur1->x(), Twips::toPixels(RoadTop));
    ride_->start();
}

void CarRideWindow::befehl1Click()
{
    Befehl1->show();
    Befehl2->show();
    Befehl1->setDefault(false);
    Befehl2->setDefault(true);
    ride_->stop();
    hide();
    placePieces(CarRide::StartCarLeft, CarRide::StartRoadLeft, CarRide::StartRoadWidth);
    emit ended();
}

void CarRideWindow::placeCar(int left)
{
    Twips::setLeft(Bild1, left);
}

void CarRideWindow::placeRoad(int roadLeft, int roadWidth)
{
    // Only what moved is repainted: a widget moved to where it stands does nothing.
    Figur1->setGeometry(Twips::toPixels(roadLeft), Figur1->y(), Twips::toPixels(roadWidth),
                        Figur1->height());
    Twips::setLeft(Figur2, roadLeft);
    Twips::setLeft(Figur3, roadLeft + roadWidth - 100);
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
    Bezeichnung1->setText(text);
}

void CarRideWindow::crashed(std::int16_t metres)
{
    // Written from x = 100, y = 2000 at text columns 3 and 8: a column is an average character
    // width of the font, the first column at the window's edge.
    surface->setFont(QStringLiteral("ARIAL"), 20);
    QFont font(QStringLiteral("ARIAL"));
    font.setPixelSize(qRound(20 * 96.0 / 72.0));
    const QFontMetricsF metrics(font);
    const double column = Twips::fromPixels(1) * metrics.averageCharWidth();
    const double line = Twips::fromPixels(1) * metrics.height();
    surface->printAt(std::max(100.0, 2 * column), 2000, CarRide::crashLine());
    surface->printAt(7 * column, 2000 + line, CarRide::metresLine(metres));
    Befehl1->show();
    Befehl2->setDefault(false);
    Befehl1->setDefault(true);
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
        befehl1Click();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter presses the default button, once per press, and only while it can be seen.
        if (!event->isAutoRepeat()) {
            if (Befehl2->isDefault() && Befehl2->isVisible())
                befehl2Click();
            else if (Befehl1->isDefault() && Befehl1->isVisible())
                befehl1Click();
        }
        return true;
    default:
        return false;
    }
}

void CarRideWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    befehl1Click();
}
