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

QLabel* picture(QWidget* parent, const char* name, const char* file, const QString& what, int left,
                int top, int width, int height)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setPixmap(
            QIcon(QStringLiteral(":/games/%1.svg").arg(QString::fromLatin1(file))).pixmap(32, 32));
    label->setAlignment(Qt::AlignCenter);
    label->setToolTip(what);
    label->setAccessibleName(what);
    Twips::place(label, left, top, width, height);
    return label;
}

// One of the two bars above and below the hint line.
QFrame* hintBar(QWidget* parent, const char* name, int top)
{
    auto* bar = new QFrame(parent);
    bar->setObjectName(QString::fromLatin1(name));
    fillBackground(bar, HintColour);
    Twips::place(bar, 720, top, 2892, 132);
    return bar;
}

} // namespace

HomewardRideWindow::HomewardRideWindow(Dialogs& dialogs, RandomSource& random, Timers& timers)
    : QWidget(nullptr, Qt::Window)
{
    setObjectName(QStringLiteral("HomewardRideWindow"));
    setWindowTitle(QStringLiteral("Heimfahrt:  Vorsicht, es sind viele Nägel auf der Fahrbahn!"));
    setFixedSize(Twips::toPixels(ClientWidth), Twips::toPixels(ClientHeight));

    buildControls();
    showVehicle(0);
    ride_ = std::make_unique<HomewardRide>(*this, dialogs, random, timers);

    connectControls();

    // First load: a fresh seed, and the window in the middle of the screen.
    random.randomize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move((screen->geometry().width() - width()) / 2,
             (screen->geometry().height() - height()) / 2);
}

void HomewardRideWindow::buildControls()
{
    // The surface lies under every control: the grid and the nails are drawn on the window itself.
    surface_ = new DrawingSurface(this);
    surface_->setObjectName(QStringLiteral("surface"));
    surface_->setBackColor(palette().color(QPalette::Window));
    surface_->setGeometry(rect());

    auto button = [this](QPushButton*& member, const char* name, const QString& caption, int left) {
        member = new QPushButton(caption, this);
        member->setObjectName(QString::fromLatin1(name));
        Twips::place(member, left, 240, 612, 492);
    };
    button(endButton_, "endButton", QStringLiteral("Ende"), 120);
    button(leftButton_, "leftButton", QStringLiteral("links"), 3600);
    button(rightButton_, "rightButton", QStringLiteral("rechts"), 4200);
    button(upButton_, "upButton", QStringLiteral("hoch"), 4800);
    button(downButton_, "downButton", QStringLiteral("runter"), 5400);

    fieldFrame_ = new QFrame(this);
    fieldFrame_->setObjectName(QStringLiteral("fieldFrame"));
    fieldFrame_->setFrameShape(QFrame::Box);
    fieldFrame_->setAttribute(Qt::WA_TransparentForMouseEvents);
    Twips::place(fieldFrame_, 105, 945, 5940, 5100);

    carPicture_ =
            picture(this, "carPicture", "car_red", QStringLiteral("Auto"), 1200, 240, 492, 492);
    bicyclePicture_ = picture(this, "bicyclePicture", "bicycle", QStringLiteral("Klapprad"), 1680,
                              240, 492, 492);
    walkerPicture_ =
            picture(this, "walkerPicture", "walker", QStringLiteral("Zu Fuß"), 2160, 240, 492, 492);
    ambulancePicture_ = picture(this, "ambulancePicture", "ambulance",
                                QStringLiteral("Krankenwagen"), 2640, 240, 492, 492);
    for (QLabel* store : { carPicture_, bicyclePicture_, walkerPicture_, ambulancePicture_ })
        store->hide();
    housePicture_ = picture(this, "housePicture", "house",
                            QStringLiteral("Haus: das Ziel der Heimfahrt"), 5520, 5520, 495, 495);
    vehiclePicture_ =
            picture(this, "vehiclePicture", "car_red", QStringLiteral("Auto"), 120, 960, 495, 495);

    hintBarAbove_ = hintBar(this, "hintBarAbove", 240);
    hintBarBelow_ = hintBar(this, "hintBarBelow", 600);
    hintLabel_ = new QLabel(this);
    hintLabel_->setObjectName(QStringLiteral("hintLabel"));
    fillBackground(hintLabel_, HintColour);
    hintLabel_->setAlignment(Qt::AlignCenter);
    // Its accessible name is its text, so a screen reader always reads the hint of the moment.
    hintLabel_->setAccessibleDescription(QStringLiteral("Hinweis auf Nägel neben dem Auto"));
    Twips::place(hintLabel_, 720, 360, 2892, 252);

    nailMarker_ = new QLabel(QStringLiteral("X"), this);
    nailMarker_->setObjectName(QStringLiteral("nailMarker"));
    QFont bold = nailMarker_->font();
    bold.setPointSize(18);
    bold.setBold(true);
    nailMarker_->setFont(bold);
    nailMarker_->setAlignment(Qt::AlignCenter);
    fillBackground(nailMarker_, Qt::red);
    nailMarker_->setAccessibleDescription(QStringLiteral("Hier liegt ein Nagel"));
    Twips::place(nailMarker_, 5520, 960, 492, 492);
    nailMarker_->hide();
}

void HomewardRideWindow::connectControls()
{
    connect(endButton_, &QPushButton::clicked, this, &HomewardRideWindow::end);
    connect(leftButton_, &QPushButton::clicked, this, &HomewardRideWindow::moveLeft);
    connect(rightButton_, &QPushButton::clicked, this, &HomewardRideWindow::moveRight);
    connect(upButton_, &QPushButton::clicked, this, &HomewardRideWindow::moveUp);
    connect(downButton_, &QPushButton::clicked, this, &HomewardRideWindow::moveDown);
    new KeyPreview(this, [this](QKeyEvent* event) {
        switch (event->key()) {
        case Qt::Key_Left:
            moveLeft();
            return true;
        case Qt::Key_Right:
            moveRight();
            return true;
        case Qt::Key_Up:
            moveUp();
            return true;
        case Qt::Key_Down:
            moveDown();
            return true;
        default:
            return false;
        }
    });
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
    return std::max(Twips::width(vehiclePicture_), Twips::fromPixels(vehiclePicture_->height()));
}

QPoint HomewardRideWindow::cellCorner(int column, int row) const
{
    const int cell = cellSize();
    return { Twips::toPixels(Twips::left(fieldFrame_) + (column - 1) * cell),
             Twips::toPixels(Twips::fromPixels(fieldFrame_->y()) + (row - 1) * cell) };
}

void HomewardRideWindow::startHomewardRide()
{
    surface_->cls();
    const int cell = cellSize();
    const int left = Twips::left(fieldFrame_), top = Twips::fromPixels(fieldFrame_->y());
    const int width = HomewardRide::Columns * cell, height = HomewardRide::Rows * cell;
    Twips::place(fieldFrame_, left, top, width, height);
    housePicture_->move(cellCorner(HomewardRide::Columns, HomewardRide::Rows));
    for (int i = 1; i <= HomewardRide::Columns; ++i)
        surface_->line(left + i * cell, top, left + i * cell, top + height, Qt::black);
    for (int j = 1; j <= HomewardRide::Rows; ++j)
        surface_->line(left, top + j * cell, left + width, top + j * cell, Qt::black);
    ride_->startHomewardRide();
}

void HomewardRideWindow::end()
{
    ride_->stopShow();
    showVehicle(0);
    hide();
    emit ended();
}

void HomewardRideWindow::placeCar(int column, int row)
{
    vehiclePicture_->move(cellCorner(column, row));
}

void HomewardRideWindow::placeMarker(int column, int row)
{
    nailMarker_->move(cellCorner(column, row));
}

void HomewardRideWindow::showMarker(bool visible)
{
    // Until the show points at the first nail the marker covers the start, where no nail ever
    // lies, rather than a cell of an earlier ride.
    if (visible) {
        placeMarker(1, 1);
        nailMarker_->raise();
    }
    nailMarker_->setVisible(visible);
}

void HomewardRideWindow::showVehicle(int breakdowns)
{
    const QLabel* store = breakdowns <= 1 ? carPicture_
            : breakdowns == 2             ? bicyclePicture_
            : breakdowns == 3             ? walkerPicture_
                                          : ambulancePicture_;
    vehiclePicture_->setPixmap(store->pixmap());
    vehiclePicture_->setAccessibleName(store->accessibleName());
    vehiclePicture_->setToolTip(store->toolTip());
}

void HomewardRideWindow::setHint(const QString& text)
{
    hintLabel_->setText(text);
}

void HomewardRideWindow::drawNail(int column, int row)
{
    // An upright nail near the bottom of its cell: the head across, the shaft above it.
    const int width = Twips::width(vehiclePicture_);
    const int height = Twips::fromPixels(vehiclePicture_->height());
    surface_->filledRect(column * width - 180, (row + 1) * height + 400, column * width,
                         (row + 1) * height + 420, Qt::black);
    surface_->filledRect(column * width - 100, (row + 1) * height + 300, column * width - 90,
                         (row + 1) * height + 400, Qt::black);
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
    end();
}

void HomewardRideWindow::hideEvent(QHideEvent* event)
{
    // Hidden by the program, not minimised by the child: the next showing is a new ride.
    if (!event->spontaneous())
        activation_.hidden();
    QWidget::hideEvent(event);
}
