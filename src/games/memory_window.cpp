#include "games/memory_window.h"

#include "games/game_window.h"
#include "platform/dialogs.h"
#include "platform/drawing_surface.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {
const QString Title = QStringLiteral("Memory");
const QColor Blue(0x00, 0x00, 0xC0);
const QColor Cyan(0x00, 0xFF, 0xFF);
} // namespace

MemoryCard::MemoryCard(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    QFont card(QStringLiteral("MS Sans Serif"));
    card.setPointSizeF(13.5);
    card.setBold(true);
    setFont(card);
}

void MemoryCard::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), background);
    p.setPen(Qt::white);
    p.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text());
    if (hasFocus()) {
        p.setPen(QPen(Qt::yellow, 2, Qt::DotLine));
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

MemoryWindow::MemoryWindow(Dialogs& dialogs, RandomSource& random)
    : QWidget(nullptr),
      dialogs_(dialogs),
      rules_(random, [this] { gameFinished(); }),
      faceDown_(Blue)
{
    setObjectName(QStringLiteral("MemoryWindow"));
    setWindowTitle(Title);
    setFixedSize(Twips::toPixels(5535), Twips::toPixels(5535));

    cardFrame_ = placed(new QFrame(this), "cardFrame", 120, 840, 5295, 4215);
    cardFrame_->setFrameShape(QFrame::Box);
    stopButton_ =
            placed(new QPushButton(QStringLiteral("STOP"), this), "stopButton", 120, 120, 855, 495);
    static constexpr int Lefts[] = { 360, 1200, 2040, 2880, 3720, 4560 };
    static constexpr int Tops[] = { 1080, 2400, 3720 };
    for (int k = 1; k <= 18; ++k) {
        const QByteArray name = "card" + QByteArray::number(k);
        cards_[k] = placed(new MemoryCard(this), name.constData(), Lefts[(k - 1) % 6],
                           Tops[(k - 1) / 6], 615, 1095);
        cards_[k]->setAccessibleName(QStringLiteral("Karte %1").arg(k));
        connect(cards_[k], &QAbstractButton::clicked, this, [this, k] { turnCard(k); });
    }
    instructionLabel_ = placed(new QLabel(this), "instructionLabel", 1080, 120, 4335, 495);
    instructionLabel_->setWordWrap(true);
    QFont small = font(); // small enough for the whole instruction to fit its label
    small.setPointSizeF(7.5);
    instructionLabel_->setFont(small);
    fillBackground(instructionLabel_, QColor(0xE0, 0xE0, 0xE0), Blue);
    QFont round = font();
    round.setPointSizeF(9.75);
    round.setBold(true);
    roundLabel_ = placed(new QLabel(QString::number(rules_.round()), this), "roundLabel", 1920,
                         5160, 495, 255);
    roundCaption_ = placed(new QLabel(QStringLiteral(". Runde"), this), "roundCaption", 2400, 5160,
                           1095, 255);
    for (QLabel* label : { roundLabel_, roundCaption_ }) {
        label->setFont(round);
        fillBackground(label, Cyan, Qt::black);
    }
    connect(stopButton_, &QPushButton::clicked, this, &MemoryWindow::askToStop);
    showCards();
}

void MemoryWindow::startMemory()
{
    show();
    raise();
    activateWindow();
    rules_.deal();
    instructionLabel_->setText(QStringLiteral(" Immer zwei Felder haben die gleiche Zahl, klicke   "
                                              "jedes Einzelfeld an und suche alle Zahlenpaare !"));
    showCards();
}

void MemoryWindow::turnCard(int k)
{
    rules_.turnCard(k);
    showCards();
}

void MemoryWindow::showCards()
{
    for (int k = 1; k <= 18; ++k) {
        cards_[k]->setText(rules_.caption(k));
        cards_[k]->background = rules_.white(k) ? DrawingSurface::qbColor(15) : faceDown_;
        // A found card reads as found even while its number, white on white, cannot be seen.
        cards_[k]->setAccessibleDescription(rules_.white(k) ? QStringLiteral("gefunden")
                                                    : rules_.caption(k).isEmpty()
                                                    ? QStringLiteral("verdeckt")
                                                    : QString::number(rules_.value(k)));
        cards_[k]->update();
    }
    roundLabel_->setText(QString::number(rules_.round()));
}

void MemoryWindow::gameFinished()
{
    showCards();
    dialogs_.msgBox(QStringLiteral("  Das Spiel ist beendet!"), MsgStyle::OkOnly, Title);
    endGame();
}

void MemoryWindow::askToStop()
{
    if (dialogs_.msgBox(QStringLiteral("  Das Spiel jetzt beenden?"),
                        MsgStyle::YesNo | MsgStyle::Stop, Title)
        == MsgResult::Yes)
        endGame();
}

void MemoryWindow::endGame()
{
    rules_.endGame();
    faceDown_ = DrawingSurface::qbColor(1);
    showCards();
    hide();
    emit ended();
}

void MemoryWindow::closeEvent(QCloseEvent* event)
{
    // Closing by the frame asks as STOP does; No plays on.
    event->ignore();
    askToStop();
}
