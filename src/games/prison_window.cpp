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
          Spielfeld->setForeColor(DrawingSurface::qbColor(erase ? 15 : 0));
          Spielfeld->printAt(14 * column, 14 * row, character);
      })
{
    setObjectName(QStringLiteral("PrisonWindow"));
    setWindowTitle(Title);
    setFixedSize(Twips::toPixels(6405), Twips::toPixels(5310));

    Spielfeld = gameField(this, DrawingSurface::qbColor(15));
    Befehl1 = named(new QPushButton(QStringLiteral("STOP"), this), "Befehl1", 5400, 360, 735, 495);
    Befehl2 = named(new QPushButton(rules_.wishCaption(), this), "Befehl2", 5400, 1320, 735, 495);
    Befehl2->setAccessibleDescription(QStringLiteral("Wunschbox: überspringt die gesuchte Ziffer"));
    Bild1 = named(new PictureButton(this, QStringLiteral(":/games/arrow_up.svg"),
                                    QStringLiteral("Einen Schritt nach oben")),
                  "Bild1", 5520, 2280, 495, 495);
    Bild2 = named(new PictureButton(this, QStringLiteral(":/games/arrow_left.svg"),
                                    QStringLiteral("Einen Schritt nach links")),
                  "Bild2", 5280, 2760, 495, 495);
    Bild3 = named(new PictureButton(this, QStringLiteral(":/games/arrow_right.svg"),
                                    QStringLiteral("Einen Schritt nach rechts")),
                  "Bild3", 5760, 2760, 495, 495);
    Bild4 = named(new PictureButton(this, QStringLiteral(":/games/arrow_down.svg"),
                                    QStringLiteral("Einen Schritt nach unten")),
                  "Bild4", 5520, 3240, 495, 495);
    Bezeichnung2 =
            named(new QLabel(QStringLiteral(" Suche"), this), "Bezeichnung2", 5400, 4200, 735, 375);
    Bezeichnung1 =
            named(new QLabel(QStringLiteral("  ?"), this), "Bezeichnung1", 5400, 4560, 735, 495);
    QFont large = Bezeichnung1->font();
    large.setPointSizeF(18);
    large.setBold(true);
    Bezeichnung1->setFont(large);

    connect(Befehl1, &QPushButton::clicked, this, &PrisonWindow::befehl1Click);
    connect(Befehl2, &QPushButton::clicked, this, &PrisonWindow::befehl2Click);
    connect(Bild1, &QToolButton::clicked, this, &PrisonWindow::bild1Click);
    connect(Bild2, &QToolButton::clicked, this, &PrisonWindow::bild2Click);
    connect(Bild3, &QToolButton::clicked, this, &PrisonWindow::bild3Click);
    connect(Bild4, &QToolButton::clicked, this, &PrisonWindow::bild4Click);

    // The arrow keys walk and the digit keys of the main keyboard open the wish box, whichever
    // control holds the focus.
    new KeyPreview(this, [this](QKeyEvent* event) {
        const int key = event->key();
        if (key == Qt::Key_Up)
            bild1Click();
        else if (key == Qt::Key_Down)
            bild4Click();
        else if (key == Qt::Key_Left)
            bild2Click();
        else if (key == Qt::Key_Right)
            bild3Click();
        else if (key == Qt::Key_Escape)
            befehl1Click();
        else if (key >= Qt::Key_0 && key <= Qt::Key_9 && !(event->modifiers() & Qt::KeypadModifier))
            befehl2Click();
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
    Spielfeld->setForeColor(DrawingSurface::qbColor(0));
    Spielfeld->setFont(QStringLiteral("Arial"), 13.5);
    Spielfeld->cls();
    rules_.start();
    Bezeichnung1->setText(QStringLiteral("  0"));
    tellField(Spielfeld, PrisonRules::Size, 1, PrisonRules::Size);
}

void PrisonWindow::bild1Click()
{
    step(PrisonRules::Direction::Up);
}
void PrisonWindow::bild2Click()
{
    step(PrisonRules::Direction::Left);
}
void PrisonWindow::bild3Click()
{
    step(PrisonRules::Direction::Right);
}
void PrisonWindow::bild4Click()
{
    step(PrisonRules::Direction::Down);
}

void PrisonWindow::step(PrisonRules::Direction direction)
{
    const PrisonRules::Outcome outcome = rules_.step(direction);
    tellField(Spielfeld, PrisonRules::Size, 1, PrisonRules::Size);
    if (outcome == PrisonRules::Outcome::Taken)
        showSearchDigit();
    if (outcome == PrisonRules::Outcome::Free) {
        dialogs_.msgBox(rules_.freeText(), MsgStyle::OkOnly, Title);
        endPrisonGame();
    }
}

void PrisonWindow::showSearchDigit()
{
    Bezeichnung1->setText(QStringLiteral("  ") + rules_.searchedDigit());
}

void PrisonWindow::befehl2Click()
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
    Befehl2->setText(rules_.wishCaption());
    showSearchDigit();
    // The arrow keys go on walking, not pressing the wish button again.
    activateWindow();
    setFocus();
}

void PrisonWindow::befehl1Click()
{
    if (dialogs_.msgBox(QStringLiteral("  Dieses Spiel jetzt beenden?"),
                        MsgStyle::YesNo | MsgStyle::Stop, Title)
        == MsgResult::Yes)
        endPrisonGame();
}

void PrisonWindow::endPrisonGame()
{
    rules_.endPrisonGame();
    Befehl2->setText(rules_.wishCaption());
    hide();
    emit ended();
}

void PrisonWindow::closeEvent(QCloseEvent* event)
{
    // Closing by the frame asks as STOP does; No plays on.
    event->ignore();
    befehl1Click();
}
