#include "games/homeward_ride_window.h"

#include "platform/controls.h"
#include "platform/drawing_surface.h"
#include "platform/random_source.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int ClientWidth = 6105;
constexpr int ClientHeight = 6165;
const QColor HintColour(0x00, 0xC0, 0xC0);

QLabel* picture(QWidget* parent, const char* name, const char* file, const QString& what, int l,
                int t, int w, int h)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setPixmap(
            QIcon(QStringLiteral(":/games/%1.svg").arg(QString::fromLatin1(file))).pixmap(32, 32));
    label->setAlignment(Qt::AlignCenter);
    label->setToolTip(what);
    label->setAccessibleName(what);
    Twips::place(label, l, t, w, h);
    return label;
}

void fill(QWidget* control, const QColor& colour)
{
    control->setAutoFillBackground(true);
    QPalette p = control->palette();
    p.setColor(QPalette::Window, colour);
    control->setPalette(p);
}

QFrame* bar(QWidget* parent, const char* name, int l, int t, int w, int h)
{
    auto* bar = new QFrame(parent);
    bar->setObjectName(QString::fromLatin1(name));
    fill(bar, HintColour);
    Twips::place(bar, l, t, w, h);
    return bar;
}

} // namespace

HomewardRideWindow::HomewardRideWindow(Dialogs& dialogs, RandomSource& random, Timers& timers)
    : QWidget(nullptr, Qt::Window)
{
    setObjectName(QStringLiteral("HomewardRideWindow"));
    setWindowTitle(QStringLiteral("Heimfahrt:  Vorsicht, es sind viele Nägel auf der Fahrbahn!"));
    setFixedSize(Twips::toPixels(ClientWidth), Twips::toPixels(ClientHeight));

    // The surface lies under every control: the grid and the nails are drawn on the window itself.
    surface = new DrawingSurface(this);
    surface->setObjectName(QStringLiteral("Zeichenflaeche"));
    surface->setBackColor(palette().color(QPalette::Window));
    surface->setGeometry(rect());

    auto button = [this](QPushButton*& member, const char* name, const QString& caption, int l) {
        member = new QPushButton(caption, this);
        member->setObjectName(QString::fromLatin1(name));
        Twips::place(member, l, 240, 612, 492);
    };
    button(Befehl1, "Befehl1", QStringLiteral("Ende"), 120);
    button(Befehl2, "Befehl2", QStringLiteral("links"), 3600);
    button(Befehl3, "Befehl3", QStringLiteral("rechts"), 4200);
    button(Befehl4, "Befehl4", QStringLiteral("hoch"), 4800);
    button(Befehl5, "Befehl5", QStringLiteral("runter"), 5400);

    Figur1 = new QFrame(this);
    Figur1->setObjectName(QStringLiteral("Figur1"));
    Figur1->setFrameShape(QFrame::Box);
    Figur1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Twips::place(Figur1, 105, 945, 5940, 5100);

    Bild2 = picture(this, "Bild2", "car_red", QStringLiteral("Auto"), 1200, 240, 492, 492);
    Bild3 = picture(this, "Bild3", "bicycle", QStringLiteral("Klapprad"), 1680, 240, 492, 492);
    Bild4 = picture(this, "Bild4", "walker", QStringLiteral("Zu Fuß"), 2160, 240, 492, 492);
    Bild5 = picture(this, "Bild5", "ambulance", QStringLiteral("Krankenwagen"), 2640, 240, 492,
                    492);
    for (QLabel* store : { Bild2, Bild3, Bild4, Bild5 })
        store->hide();
    Bild6 = picture(this, "Bild6", "house", QStringLiteral("Haus: das Ziel der Heimfahrt"), 5520,
                    5520, 495, 495);
    Bild1 = picture(this, "Bild1", "car_red", QStringLiteral("Auto"), 120, 960, 495, 495);

    Figur2 = bar(this, "Figur2", 720, 240, 2892, 132);
    Figur3 = bar(this, "Figur3", 720, 600, 2892, 132);
    Bezeichnung4 = new QLabel(this);
    Bezeichnung4->setObjectName(QStringLiteral("Bezeichnung4"));
    fill(Bezeichnung4, HintColour);
    Bezeichnung4->setAlignment(Qt::AlignCenter);
    // Its accessible name is its text, so a screen reader always reads the hint of the moment.
    Bezeichnung4->setAccessibleDescription(QStringLiteral("Hinweis auf Nägel neben dem Auto"));
    Twips::place(Bezeichnung4, 720, 360, 2892, 252);

    Bezeichnung5 = new QLabel(QStringLiteral("X"), this);
    Bezeichnung5->setObjectName(QStringLiteral("Bezeichnung5"));
    QFont bold = Bezeichnung5->font();
    bold.setPointSize(18);
    bold.setBold(true);
    Bezeichnung5->setFont(bold);
    Bezeichnung5->setAlignment(Qt::AlignCenter);
    fill(Bezeichnung5, Qt::red);
    Bezeichnung5->setAccessibleDescription(QStringLiteral("Hier liegt ein Nagel"));
    Twips::place(Bezeichnung5, 5520, 960, 492, 492);
    Bezeichnung5->hide();

    showVehicle(0);
    ride_ = std::make_unique<HomewardRide>(*this, dialogs, random, timers);

    connect(Befehl1, &QPushButton::clicked, this, &HomewardRideWindow::befehl1Click);
    connect(Befehl2, &QPushButton::clicked, this, &HomewardRideWindow::befehl2Click);
    connect(Befehl3, &QPushButton::clicked, this, &HomewardRideWindow::befehl3Click);
    connect(Befehl4, &QPushButton::clicked, this, &HomewardRideWindow::befehl4Click);
    connect(Befehl5, &QPushButton::clicked, this, &HomewardRideWindow::befehl5Click);
    new KeyPreview(this, [this](QKeyEvent* event) {
        switch (event->key()) {
        case Qt::Key_Left:
            befehl2Click();
            return true;
        case Qt::Key_Right:
            befehl3Click();
            return true;
        case Qt::Key_Up:
            befehl4Click();
            return true;
        case Qt::Key_Down:
            befehl5Click();
            return true;
        default:
            return false;
        }
    });

    // First load: a fresh seed, and the window in the middle of the screen.
    random.randomize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move((screen->geometry().width() - width()) / 2,
             (screen->geometry().height() - height()) / 2);
}

HomewardRideWindow::~HomewardRideWindow() = default;

void HomewardRideWindow::open()
{
    show();
    raise();
    activateWindow();
}

int HomewardRideWindow::cellSize() const
{
    return std::max(Twips::width(Bild1), Twips::fromPixels(Bild1->height()));
}

QPoint HomewardRideWindow::cellCorner(int column, int row) const
{
    const int cell = cellSize();
    return { Twips::toPixels(Twips::left(Figur1) + (column - 1) * cell),
             Twips::toPixels(Twips::fromPixels(Figur1->y()) + (row - 1) * cell) };
}

void HomewardRideWindow::startHomewardRide()
{
    surface->cls();
    const int cell = cellSize();
    const int left = Twips::left(Figur1), top = Twips::fromPixels(Figur1->y());
    const int width = HomewardRide::Columns * cell, height = HomewardRide::Rows * cell;
    Twips::place(Figur1, left, top, width, height);
    Bild6->move(cellCorner(HomewardRide::Columns, HomewardRide::Rows));
    for (int i = 1; i <= HomewardRide::Columns; ++i)
        surface->line(left + i * cell, top, left + i * cell, top + height, Qt::black);
    for (int j = 1; j <= HomewardRide::Rows; ++j)
        surface->line(left, top + j * cell, left + width, top + j * cell, Qt::black);
    ride_->startHomewardRide();
}

void HomewardRideWindow::befehl1Click()
{
    ride_->stopShow();
    showVehicle(0);
    hide();
    emit ended();
}

void HomewardRideWindow::befehl2Click()
{
    ride_->moveLeft();
}

void HomewardRideWindow::befehl3Click()
{
    ride_->moveRight();
}

void HomewardRideWindow::befehl4Click()
{
    ride_->moveUp();
}

void HomewardRideWindow::befehl5Click()
{
    ride_->moveDown();
}

void HomewardRideWindow::placeCar(int column, int row)
{
    Bild1->move(cellCorner(column, row));
}

void HomewardRideWindow::placeMarker(int column, int row)
{
    Bezeichnung5->move(cellCorner(column, row));
}

void HomewardRideWindow::showMarker(bool visible)
{
    // Until the show points at the first nail the marker covers the start, where no nail ever
    // lies, rather than a cell of an earlier ride.
    if (visible) {
        placeMarker(1, 1);
        Bezeichnung5->raise();
    }
    Bezeichnung5->setVisible(visible);
}

void HomewardRideWindow::showVehicle(int breakdowns)
{
    const QLabel* store = breakdowns <= 1 ? Bild2
            : breakdowns == 2             ? Bild3
            : breakdowns == 3             ? Bild4
                                          : Bild5;
    Bild1->setPixmap(store->pixmap());
    Bild1->setAccessibleName(store->accessibleName());
    Bild1->setToolTip(store->toolTip());
}

void HomewardRideWindow::setHint(const QString& text)
{
    Bezeichnung4->setText(text);
}

void HomewardRideWindow::drawNail(int column, int row)
{
    // An upright nail near the bottom of its cell: the head across, the shaft above it.
    const int w = Twips::width(Bild1), h = Twips::fromPixels(Bild1->height());
    surface->filledRect(column * w - 180, (row + 1) * h + 400, column * w, (row + 1) * h + 420,
                        Qt::black);
    surface->filledRect(column * w - 100, (row + 1) * h + 300, column * w - 90, (row + 1) * h + 400,
                        Qt::black);
}

bool HomewardRideWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowDeactivate) {
        // The window that takes over is already the active one; a message box of the game takes
        // over as a modal window, sometimes before the toolkit counts it as the modal one.
        using Away = RideActivation::Away;
        const QWidget* to = QApplication::activeWindow();
        activation_.deactivated(QApplication::activeModalWidget() || (to && to->isModal())
                                        ? Away::OwnMessageBox
                                        : to ? Away::ProgramWindow
                                             : Away::OtherProgram);
    } else if (event->type() == QEvent::WindowActivate && isVisible() && activation_.activated()) {
        // After the activation is through, so that the ride's first message box opens on an
        // active window.
        QMetaObject::invokeMethod(
                this,
                [this] {
                    if (isVisible())
                        startHomewardRide();
                },
                Qt::QueuedConnection);
    }
    return QWidget::event(event);
}

void HomewardRideWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    befehl1Click();
}

void HomewardRideWindow::hideEvent(QHideEvent* event)
{
    // Hidden by the program, not minimised by the child: the next showing is a new ride.
    if (!event->spontaneous())
        activation_.hidden();
    QWidget::hideEvent(event);
}
