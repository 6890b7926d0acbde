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

QFrame* Frame(QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::Box);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    return frame;
}
} // namespace

Form4::Form4(TrainingState& state, Dialogs& dialogs, RandomSource& random, Timers& timers)
    : QWidget(nullptr),
      dialogs_(dialogs),
      rules_(state, random,
             [this](int column, int row, QChar character, bool erase) {
                 Spielfeld->SetForeColor(DrawingSurface::QBColor(erase ? 15 : 1));
                 Spielfeld->PrintAt(14 * column, 14 * row, character);
             }),
      timer_(timers.Make([this] { Zeit1_Timer(); }))
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(Title);
    setFixedSize(Twips::ToPixels(7245), Twips::ToPixels(5085));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(13.5);
    font.setBold(true);
    setFont(font);
    Paint(this, Cyan, Qt::black);

    Spielfeld = GameField(this, Cyan);
    Spielfeld->SetFont(font.family(), 13.5, true);
    Befehl1 = Named(new QPushButton(QStringLiteral("ENDE"), this), "Befehl1", 120, 120, 735, 495);
    QFont small = font;
    small.setPointSizeF(8.25);
    Befehl1->setFont(small);
    Bild1 = Named(new PictureButton(this, QStringLiteral(":/games/arrow_left.svg"),
                                    QStringLiteral("Das Kreuz nach links")),
                  "Bild1", 1200, 120, 495, 495);
    Bild2 = Named(new PictureButton(this, QStringLiteral(":/games/arrow_up.svg"),
                                    QStringLiteral("Das Kreuz nach oben")),
                  "Bild2", 1680, 120, 495, 495);
    Bild3 = Named(new PictureButton(this, QStringLiteral(":/games/arrow_down.svg"),
                                    QStringLiteral("Das Kreuz nach unten")),
                  "Bild3", 2160, 120, 495, 495);
    Bild4 = Named(new PictureButton(this, QStringLiteral(":/games/arrow_right.svg"),
                                    QStringLiteral("Das Kreuz nach rechts")),
                  "Bild4", 2640, 120, 495, 495);
    Bezeichnung3 =
            Named(new QLabel(QStringLiteral("0"), this), "Bezeichnung3", 3480, 120, 375, 495);
    QFont large = font;
    large.setPointSizeF(24);
    Bezeichnung3->setFont(large);
    Paint(Bezeichnung3, Cyan, Qt::red);
    Bezeichnung3->setAccessibleDescription(QStringLiteral("Die nächste Zahl zum Fangen"));
    Figur1 = Named(Frame(this), "Figur1", 4200, 120, 2895, 495);
    // The scroll bar's labels keep the size of ordinary text so they fit beside it.
    Bezeichnung1 =
            Named(new QLabel(QStringLiteral("schnell"), this), "Bezeichnung1", 4320, 240, 735, 255);
    HBildlauf1 = Named(new QScrollBar(Qt::Horizontal, this), "HBildlauf1", 5040, 240, 1095, 255);
    Bezeichnung2 =
            Named(new QLabel(QStringLiteral("langsam"), this), "Bezeichnung2", 6240, 240, 735, 255);
    QFont plain = small;
    plain.setBold(false);
    for (QLabel* label : { Bezeichnung1, Bezeichnung2 }) {
        label->setFont(plain);
        Paint(label, Cyan, Qt::black);
    }
    HBildlauf1->setRange(1, 10);
    HBildlauf1->setPageStep(1);
    HBildlauf1->setValue(10);
    HBildlauf1->setAccessibleName(QStringLiteral("Sekunden zwischen zwei Sprüngen der Zahlen"));
    Figur2 = Named(Frame(this), "Figur2", 120, 720, 6975, 4215);

    connect(Befehl1, &QPushButton::clicked, this, &Form4::Befehl1_Click);
    connect(Bild1, &QToolButton::clicked, this, &Form4::Bild1_Click);
    connect(Bild2, &QToolButton::clicked, this, &Form4::Bild2_Click);
    connect(Bild3, &QToolButton::clicked, this, &Form4::Bild3_Click);
    connect(Bild4, &QToolButton::clicked, this, &Form4::Bild4_Click);
    // Dragging the slider changes the value as it goes, so one handler serves change and scroll.
    connect(HBildlauf1, &QScrollBar::valueChanged, this, &Form4::HBildlauf1_Change);

    new KeyPreview(this, [this](QKeyEvent* event) {
        const int key = event->key();
        if (key == Qt::Key_Up)
            Bild2_Click();
        else if (key == Qt::Key_Down)
            Bild3_Click();
        else if (key == Qt::Key_Left)
            Bild1_Click();
        else if (key == Qt::Key_Right)
            Bild4_Click();
        else if (key == Qt::Key_Escape)
            Befehl1_Click();
        else
            return false;
        return true;
    });
}

Form4::~Form4() = default;

void Form4::StartNumberCatch()
{
    Spielfeld->SetForeColor(DrawingSurface::QBColor(1));
    Spielfeld->SetFontSize(13.5);
    Spielfeld->Cls();
    Spielfeld->FilledRect(FieldLeft, FieldTop, FieldRight, FieldBottom, Paper());
    rules_.Start();
    timer_->SetEnabled(true);
    timer_->SetInterval(HBildlauf1->value() * 1000);
    show();
    raise();
    activateWindow();
    TellField(Spielfeld, NumberCatchRules::Columns, NumberCatchRules::FirstRow,
              NumberCatchRules::LastRow);
}

void Form4::Zeit1_Timer()
{
    ShowCatch(rules_.Tick());
}

void Form4::Bild1_Click()
{
    Move(NumberCatchRules::Direction::Left);
}
void Form4::Bild2_Click()
{
    Move(NumberCatchRules::Direction::Up);
}
void Form4::Bild3_Click()
{
    Move(NumberCatchRules::Direction::Down);
}
void Form4::Bild4_Click()
{
    Move(NumberCatchRules::Direction::Right);
}

void Form4::Move(NumberCatchRules::Direction direction)
{
    ShowCatch(rules_.Move(direction));
}

void Form4::ShowCatch(bool gameOver)
{
    Bezeichnung3->setText(rules_.NextDigit());
    TellField(Spielfeld, NumberCatchRules::Columns, NumberCatchRules::FirstRow,
              NumberCatchRules::LastRow);
    if (gameOver) {
        dialogs_.MsgBox(QStringLiteral("  Das Spiel ist beendet!"), MsgStyle::OkOnly, Title);
        EndNumberCatch();
    }
}

void Form4::Befehl1_Click()
{
    if (dialogs_.MsgBox(QStringLiteral("  Dieses Spiel jetzt beenden?"),
                        MsgStyle::YesNo + MsgStyle::Stop, Title)
        == MsgResult::Yes)
        EndNumberCatch();
}

void Form4::HBildlauf1_Change()
{
    timer_->SetInterval(HBildlauf1->value() * 1000);
    // The arrow keys move the "+" again instead of the scroll bar.
    Bild1->setFocus();
}

void Form4::EndNumberCatch()
{
    timer_->SetInterval(1000);
    timer_->SetEnabled(false);
    rules_.EndNumberCatch();
    hide();
    emit ended();
}

void Form4::closeEvent(QCloseEvent* event)
{
    // Closing by the frame asks as ENDE does; No plays on.
    event->ignore();
    Befehl1_Click();
}
