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
// The white inside of the playfield's frame, in points.
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

NumberCatchWindow::NumberCatchWindow(Dialogs& dialogs, RandomSource& random, Timers& timers)
    : QWidget(nullptr),
      dialogs_(dialogs),
      rules_(random,
             [this](int column, int row, QChar character, bool erase) {
                 field_->setForeColor(DrawingSurface::qbColor(erase ? 15 : 1));
                 field_->printAt(14 * column, 14 * row, character);
             }),
      jumpTimer_(timers.make([this] { jump(); }))
{
    setObjectName(QStringLiteral("NumberCatchWindow"));
    setWindowTitle(Title);
    setFixedSize(Twips::toPixels(7245), Twips::toPixels(5085));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(13.5);
    font.setBold(true);
    setFont(font);
    fillBackground(this, Cyan, Qt::black);

    buildControls(font);
    connectControls();
}

void NumberCatchWindow::buildControls(const QFont& font)
{
    field_ = gameField(this, Cyan);
    field_->setFont(font.family(), 13.5, true);
    endButton_ =
            placed(new QPushButton(QStringLiteral("ENDE"), this), "endButton", 120, 120, 735, 495);
    QFont small = font;
    small.setPointSizeF(8.25);
    endButton_->setFont(small);
    leftArrow_ = placed(new PictureButton(this, QStringLiteral(":/games/arrow_left.svg"),
                                          QStringLiteral("Das Kreuz nach links")),
                        "leftArrow", 1200, 120, 495, 495);
    upArrow_ = placed(new PictureButton(this, QStringLiteral(":/games/arrow_up.svg"),
                                        QStringLiteral("Das Kreuz nach oben")),
                      "upArrow", 1680, 120, 495, 495);
    downArrow_ = placed(new PictureButton(this, QStringLiteral(":/games/arrow_down.svg"),
                                          QStringLiteral("Das Kreuz nach unten")),
                        "downArrow", 2160, 120, 495, 495);
    rightArrow_ = placed(new PictureButton(this, QStringLiteral(":/games/arrow_right.svg"),
                                           QStringLiteral("Das Kreuz nach rechts")),
                         "rightArrow", 2640, 120, 495, 495);
    nextDigitLabel_ =
            placed(new QLabel(QStringLiteral("0"), this), "nextDigitLabel", 3480, 120, 375, 495);
    QFont large = font;
    large.setPointSizeF(24);
    nextDigitLabel_->setFont(large);
    fillBackground(nextDigitLabel_, Cyan, Qt::red);
    nextDigitLabel_->setAccessibleDescription(QStringLiteral("Die nächste Zahl zum Fangen"));
    paceFrame_ = placed(frame(this), "paceFrame", 4200, 120, 2895, 495);
    // The scroll bar's labels keep the size of ordinary text so they fit beside it.
    fastCaption_ =
            placed(new QLabel(QStringLiteral("schnell"), this), "fastCaption", 4320, 240, 735, 255);
    paceBar_ = placed(new QScrollBar(Qt::Horizontal, this), "paceBar", 5040, 240, 1095, 255);
    slowCaption_ =
            placed(new QLabel(QStringLiteral("langsam"), this), "slowCaption", 6240, 240, 735, 255);
    QFont plain = small;
    plain.setBold(false);
    for (QLabel* label : { fastCaption_, slowCaption_ }) {
        label->setFont(plain);
        fillBackground(label, Cyan, Qt::black);
    }
    paceBar_->setRange(1, 10);
    paceBar_->setPageStep(1);
    paceBar_->setValue(10);
    paceBar_->setAccessibleName(QStringLiteral("Sekunden zwischen zwei Sprüngen der Zahlen"));
    fieldFrame_ = placed(frame(this), "fieldFrame", 120, 720, 6975, 4215);
}

void NumberCatchWindow::connectControls()
{
    connect(endButton_, &QPushButton::clicked, this, &NumberCatchWindow::askToEnd);
    connect(leftArrow_, &QToolButton::clicked, this, &NumberCatchWindow::moveLeft);
    connect(upArrow_, &QToolButton::clicked, this, &NumberCatchWindow::moveUp);
    connect(downArrow_, &QToolButton::clicked, this, &NumberCatchWindow::moveDown);
    connect(rightArrow_, &QToolButton::clicked, this, &NumberCatchWindow::moveRight);
    // Dragging the slider changes the value as it goes, so one handler serves change and scroll.
    connect(paceBar_, &QScrollBar::valueChanged, this, &NumberCatchWindow::changePace);

    new KeyPreview(this, [this](QKeyEvent* event) {
        const int key = event->key();
        if (key == Qt::Key_Up)
            moveUp();
        else if (key == Qt::Key_Down)
            moveDown();
        else if (key == Qt::Key_Left)
            moveLeft();
        else if (key == Qt::Key_Right)
            moveRight();
        else if (key == Qt::Key_Escape)
            askToEnd();
        else
            return false;
        return true;
    });
}

NumberCatchWindow::~NumberCatchWindow() = default;

void NumberCatchWindow::startNumberCatch()
{
    field_->setForeColor(DrawingSurface::qbColor(1));
    field_->setFontSize(13.5);
    field_->cls();
    field_->filledRect(FieldLeft, FieldTop, FieldRight, FieldBottom, paper());
    rules_.start();
    jumpTimer_->setEnabled(true);
    jumpTimer_->setInterval(paceBar_->value() * 1000);
    show();
    raise();
    activateWindow();
    tellField(field_, NumberCatchRules::Columns, NumberCatchRules::FirstRow,
              NumberCatchRules::LastRow);
}

void NumberCatchWindow::jump()
{
    showCatch(rules_.tick());
}

void NumberCatchWindow::moveCross(NumberCatchRules::Direction direction)
{
    showCatch(rules_.move(direction));
}

void NumberCatchWindow::showCatch(bool gameOver)
{
    nextDigitLabel_->setText(rules_.nextDigit());
    tellField(field_, NumberCatchRules::Columns, NumberCatchRules::FirstRow,
              NumberCatchRules::LastRow);
    if (gameOver) {
        dialogs_.msgBox(QStringLiteral("  Das Spiel ist beendet!"), MsgStyle::OkOnly, Title);
        endNumberCatch();
    }
}

void NumberCatchWindow::askToEnd()
{
    if (dialogs_.msgBox(QStringLiteral("  Dieses Spiel jetzt beenden?"),
                        MsgStyle::YesNo | MsgStyle::Stop, Title)
        == MsgResult::Yes)
        endNumberCatch();
}

void NumberCatchWindow::changePace()
{
    jumpTimer_->setInterval(paceBar_->value() * 1000);
    // The arrow keys move the "+" again instead of the scroll bar.
    leftArrow_->setFocus();
}

void NumberCatchWindow::endNumberCatch()
{
    jumpTimer_->setInterval(1000);
    jumpTimer_->setEnabled(false);
    rules_.endNumberCatch();
    hide();
    emit ended();
}

void NumberCatchWindow::closeEvent(QCloseEvent* event)
{
    // Closing by the frame asks as ENDE does; No plays on.
    event->ignore();
    askToEnd();
}
