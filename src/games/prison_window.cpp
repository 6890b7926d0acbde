#include "games/prison_window.h"

#include "games/game_window.h"
#include "platform/dialogs.h"
#include "platform/drawing_surface.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {
const QString Title = QStringLiteral("Gefängnis");
}

PrisonWindow::PrisonWindow(Dialogs& dialogs, RandomSource& random)
    : QWidget(nullptr),
      dialogs_(dialogs),
      rules_(random, [this](int column, int row, QChar character, bool erase) {
          field_->setForeColor(DrawingSurface::qbColor(erase ? 15 : 0));
          field_->printAt(14 * column, 14 * row, character);
      })
{
    setObjectName(QStringLiteral("PrisonWindow"));
    setWindowTitle(Title);
    setFixedSize(Twips::toPixels(6405), Twips::toPixels(5310));

    field_ = gameField(this, DrawingSurface::qbColor(15));
    stopButton_ = placed(new QPushButton(QStringLiteral("STOP"), this), "stopButton", 5400, 360,
                         735, 495);
    wishButton_ =
            placed(new QPushButton(rules_.wishCaption(), this), "wishButton", 5400, 1320, 735, 495);
    wishButton_->setAccessibleDescription(
            QStringLiteral("Wunschbox: überspringt die gesuchte Ziffer"));
    upArrow_ = placed(new PictureButton(this, QStringLiteral(":/games/arrow_up.svg"),
                                        QStringLiteral("Einen Schritt nach oben")),
                      "upArrow", 5520, 2280, 495, 495);
    leftArrow_ = placed(new PictureButton(this, QStringLiteral(":/games/arrow_left.svg"),
                                          QStringLiteral("Einen Schritt nach links")),
                        "leftArrow", 5280, 2760, 495, 495);
    rightArrow_ = placed(new PictureButton(this, QStringLiteral(":/games/arrow_right.svg"),
                                           QStringLiteral("Einen Schritt nach rechts")),
                         "rightArrow", 5760, 2760, 495, 495);
    downArrow_ = placed(new PictureButton(this, QStringLiteral(":/games/arrow_down.svg"),
                                          QStringLiteral("Einen Schritt nach unten")),
                        "downArrow", 5520, 3240, 495, 495);
    searchCaption_ = placed(new QLabel(QStringLiteral(" Suche"), this), "searchCaption", 5400, 4200,
                            735, 375);
    searchedDigitLabel_ = placed(new QLabel(QStringLiteral("  ?"), this), "searchedDigitLabel",
                                 5400, 4560, 735, 495);
    QFont large = searchedDigitLabel_->font();
    large.setPointSizeF(18);
    large.setBold(true);
    searchedDigitLabel_->setFont(large);

    connect(stopButton_, &QPushButton::clicked, this, &PrisonWindow::askToStop);
    connect(wishButton_, &QPushButton::clicked, this, &PrisonWindow::offerWish);
    connect(upArrow_, &QToolButton::clicked, this, &PrisonWindow::stepUp);
    connect(leftArrow_, &QToolButton::clicked, this, &PrisonWindow::stepLeft);
    connect(rightArrow_, &QToolButton::clicked, this, &PrisonWindow::stepRight);
    connect(downArrow_, &QToolButton::clicked, this, &PrisonWindow::stepDown);

    // The arrow keys walk and the digit keys of the main keyboard open the wish box, whichever
    // control holds the focus.
    new KeyPreview(this, [this](QKeyEvent* event) {
        const int key = event->key();
        if (key == Qt::Key_Up)
            stepUp();
        else if (key == Qt::Key_Down)
            stepDown();
        else if (key == Qt::Key_Left)
            stepLeft();
        else if (key == Qt::Key_Right)
            stepRight();
        else if (key == Qt::Key_Escape)
            askToStop();
        else if (key >= Qt::Key_0 && key <= Qt::Key_9 && !(event->modifiers() & Qt::KeypadModifier))
            offerWish();
        else
            return false;
        return true;
    });
}

void PrisonWindow::startPrisonGame()
{
    show();
    raise();
    activateWindow();
    field_->setForeColor(DrawingSurface::qbColor(0));
    field_->setFont(QStringLiteral("Arial"), 13.5);
    field_->cls();
    rules_.start();
    searchedDigitLabel_->setText(QStringLiteral("  0"));
    tellField(field_, PrisonRules::Size, 1, PrisonRules::Size);
}

void PrisonWindow::step(PrisonRules::Direction direction)
{
    const PrisonRules::Outcome outcome = rules_.step(direction);
    tellField(field_, PrisonRules::Size, 1, PrisonRules::Size);
    if (outcome == PrisonRules::Outcome::Taken)
        showSearchDigit();
    if (outcome == PrisonRules::Outcome::Free) {
        dialogs_.msgBox(rules_.freeText(), MsgStyle::OkOnly, Title);
        endPrisonGame();
    }
}

void PrisonWindow::showSearchDigit()
{
    searchedDigitLabel_->setText(QStringLiteral("  ") + rules_.searchedDigit());
}

void PrisonWindow::offerWish()
{
    if (!rules_.wishLeft()) {
        dialogs_.msgBox(QStringLiteral("Kein Wunsch mehr frei!"), MsgStyle::OkOnly,
                        QStringLiteral("Wunschbox"));
        return;
    }
    const QString question =
            rules_.wishText() + QStringLiteral("\n\rMöchtest du einen benutzen?\n\r");
    if (dialogs_.msgBox(question, MsgStyle::YesNo | MsgStyle::Question, QStringLiteral("Wunschbox"))
        != MsgResult::Yes)
        return;
    rules_.grantWish();
    wishButton_->setText(rules_.wishCaption());
    showSearchDigit();
    // The arrow keys go on walking, not pressing the wish button again.
    activateWindow();
    setFocus();
}

void PrisonWindow::askToStop()
{
    if (dialogs_.msgBox(QStringLiteral("  Dieses Spiel jetzt beenden?"),
                        MsgStyle::YesNo | MsgStyle::Stop, Title)
        == MsgResult::Yes)
        endPrisonGame();
}

void PrisonWindow::endPrisonGame()
{
    rules_.endPrisonGame();
    wishButton_->setText(rules_.wishCaption());
    hide();
    emit ended();
}

void PrisonWindow::closeEvent(QCloseEvent* event)
{
    // Closing by the frame asks as STOP does; No plays on.
    event->ignore();
    askToStop();
}
