#include "games/number_catch_window.h"

#include "games/game_window.h"
#include "platform/dialogs.h"
#include "platform/drawing_surface.h"
#include "platform/game_timer.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace {
const QString Title = QStringLiteral("Zahlfange");
const QColor Cyan(0x00, 0xFF, 0xFF);
// The white inside of the playfield Figur2, in points.
constexpr double FieldLeft = 120 / 20.0, FieldTop = 720 / 20.0, FieldRight = 7095 / 20.0,
                 FieldBottom = 4935 / 20.0;

QFrame* frame(QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::Box);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    return frame;
}
} // namespace

NumberCatchWindow::NumberCatchWindow(TrainingState& state, Dialogs& dialogs, RandomSource& random,
                                     Timers& timers)
    : QWidget(nullptr),
      dialogs_(dialogs),
      rules_(state, random,
             [this](int column, int row, QChar character, bool erase) {
                 Spielfeld->setForeColor(DrawingSurface::qbColor(erase ? 15 : 1));
                 Spielfeld->printAt(14 * column, 14 * row, character);
             }),
      timer_(timers.make([this] { zeit1Timer(); }))
{
    setObjectName(QStringLiteral("NumberCatchWindow"));
    setWindowTitle(Title);
    setFixedSize(Twips::toPixels(7245), Twips::toPixels(5085));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(13.5);
    font.setBold(true);
    setFont(font);
    paint(this, Cyan, Qt::black);

    Spielfeld = gameField(this, Cyan);
    Spielfeld->setFont(font.family(), 13.5, true);
    Befehl1 = named(new QPushButton(QStringLiteral("ENDE"), this), "Befehl1", 120, 120, 735, 495);
    QFont small = font;
    small.setPointSizeF(8.25);
    Befehl1->setFont(small);
    Bild1 = named(new PictureButton(this, QStringLiteral(":/games/arrow_left.svg"),
                                    QStringLiteral("Das Kreuz nach links")),
                  "Bild1", 1200, 120, 495, 495);
    Bild2 = named(new PictureButton(this, QStringLiteral(":/games/arrow_up.svg"),
                                    QStringLiteral("Das Kreuz nach oben")),
                  "Bild2", 1680, 120, 495, 495);
    Bild3 = named(new PictureButton(this, QStringLiteral(":/games/arrow_down.svg"),
                                    QStringLiteral("Das Kreuz nach unten")),
                  "Bild3", 2160, 120, 495, 495);
    Bild4 = named(new PictureButton(this, QStringLiteral(":/games/arrow_right.svg"),
                                    QStringLiteral("Das Kreuz nach rechts")),
                  "Bild4", 2640, 120, 495, 495);
    Bezeichnung3 =
            named(new QLabel(QStringLiteral("0"), this), "Bezeichnung3", 3480, 120, 375, 495);
    QFont large = font;
    large.setPointSizeF(24);
    Bezeichnung3->setFont(large);
    paint(Bezeichnung3, Cyan, Qt::red);
    Bezeichnung3->setAccessibleDescription(QStringLiteral("Die nächste Zahl zum Fangen"));
    Figur1 = named(frame(this), "Figur1", 4200, 120, 2895, 495);
    // The scroll bar's labels keep the size of ordinary text so they fit beside it.
    Bezeichnung1 =
            named(new QLabel(QStringLiteral("schnell"), this), "Bezeichnung1", 4320, 240, 735, 255);
    HBildlauf1 = named(new QScrollBar(Qt::Horizontal, this), "HBildlauf1", 5040, 240, 1095, 255);
    Bezeichnung2 =
            named(new QLabel(QStringLiteral("langsam"), this), "Bezeichnung2", 6240, 240, 735, 255);
    QFont plain = small;
    plain.setBold(false);
    for (QLabel* label : { Bezeichnung1, Bezeichnung2 }) {
        label->setFont(plain);
        paint(label, Cyan, Qt::black);
    }
    HBildlauf1->setRange(1, 10);
    HBildlauf1->setPageStep(1);
    HBildlauf1->setValue(10);
    HBildlauf1->setAccessibleName(QStringLiteral("Sekunden zwischen zwei Sprüngen der Zahlen"));
    Figur2 = named(frame(this), "Figur2", 120, 720, 6975, 4215);

    connect(Befehl1, &QPushButton::clicked, this, &NumberCatchWindow::befehl1Click);
    connect(Bild1, &QToolButton::clicked, this, &NumberCatchWindow::bild1Click);
    connect(Bild2, &QToolButton::clicked, this, &NumberCatchWindow::bild2Click);
    connect(Bild3, &QToolButton::clicked, this, &NumberCatchWindow::bild3Click);
    connect(Bild4, &QToolButton::clicked, this, &NumberCatchWindow::bild4Click);
    // Dragging the slider changes the value as it goes, so one handler serves change and scroll.
    connect(HBildlauf1, &QScrollBar::valueChanged, this, &NumberCatchWindow::hBildlauf1Change);

    new KeyPreview(this, [this](QKeyEvent* event) {
        const int key = event->key();
        if (key == Qt::Key_Up)
            bild2Click();
        else if (key == Qt::Key_Down)
            bild3Click();
        else if (key == Qt::Key_Left)
            bild1Click();
        else if (key == Qt::Key_Right)
            bild4Click();
        else if (key == Qt::Key_Escape)
            befehl1Click();
        else
            return false;
        return true;
    });
}

NumberCatchWindow::~NumberCatchWindow() = default;

void NumberCatchWindow::startNumberCatch()
{
    Spielfeld->setForeColor(DrawingSurface::qbColor(1));
    Spielfeld->setFontSize(13.5);
    Spielfeld->cls();
    Spielfeld->filledRect(FieldLeft, FieldTop, FieldRight, FieldBottom, paper());
    rules_.start();
    timer_->setEnabled(true);
    timer_->setInterval(HBildlauf1->value() * 1000);
    show();
    raise();
    activateWindow();
    tellField(Spielfeld, NumberCatchRules::Columns, NumberCatchRules::FirstRow,
              NumberCatchRules::LastRow);
}

void NumberCatchWindow::zeit1Timer()
{
    showCatch(rules_.tick());
}

void NumberCatchWindow::bild1Click()
{
    move(NumberCatchRules::Direction::Left);
}
void NumberCatchWindow::bild2Click()
{
    move(NumberCatchRules::Direction::Up);
}
void NumberCatchWindow::bild3Click()
{
    move(NumberCatchRules::Direction::Down);
}
void NumberCatchWindow::bild4Click()
{
    move(NumberCatchRules::Direction::Right);
}

void NumberCatchWindow::move(NumberCatchRules::Direction direction)
{
    showCatch(rules_.move(direction));
}

void NumberCatchWindow::showCatch(bool gameOver)
{
    Bezeichnung3->setText(rules_.nextDigit());
    tellField(Spielfeld, NumberCatchRules::Columns, NumberCatchRules::FirstRow,
              NumberCatchRules::LastRow);
    if (gameOver) {
        dialogs_.msgBox(QStringLiteral("  Das Spiel ist beendet!"), MsgStyle::OkOnly, Title);
        endNumberCatch();
    }
}

void NumberCatchWindow::befehl1Click()
{
    if (dialogs_.msgBox(QStringLiteral("  Dieses Spiel jetzt beenden?"),
                        MsgStyle::YesNo | MsgStyle::Stop, Title)
        == MsgResult::Yes)
        endNumberCatch();
}

void NumberCatchWindow::hBildlauf1Change()
{
    timer_->setInterval(HBildlauf1->value() * 1000);
    // The arrow keys move the "+" again instead of the scroll bar.
    Bild1->setFocus();
}

void NumberCatchWindow::endNumberCatch()
{
    timer_->setInterval(1000);
    timer_->setEnabled(false);
    rules_.endNumberCatch();
    hide();
    emit ended();
}

void NumberCatchWindow::closeEvent(QCloseEvent* event)
{
    // Closing by the frame asks as ENDE does; No plays on.
    event->ignore();
    befehl1Click();
}
