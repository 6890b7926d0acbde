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

Form2::Form2(Dialogs& dialogs, RandomSource& random)
    : QWidget(nullptr),
      dialogs_(dialogs),
      rules_(random, [this](int column, int row, QChar character, bool erase) {
          Spielfeld->SetForeColor(DrawingSurface::QBColor(erase ? 15 : 0));
          Spielfeld->PrintAt(14 * column, 14 * row, character);
      })
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(Title);
    setFixedSize(Twips::ToPixels(6405), Twips::ToPixels(5310));

    Spielfeld = GameField(this, DrawingSurface::QBColor(15));
    Befehl1 = Named(new QPushButton(QStringLiteral("STOP"), this), "Befehl1", 5400, 360, 735, 495);
    Befehl2 = Named(new QPushButton(rules_.WishCaption(), this), "Befehl2", 5400, 1320, 735, 495);
    Befehl2->setAccessibleDescription(QStringLiteral("Wunschbox: überspringt die gesuchte Ziffer"));
    Bild1 = Named(new PictureButton(this, QStringLiteral(":/games/arrow_up.svg"),
                                    QStringLiteral("Einen Schritt nach oben")),
                  "Bild1", 5520, 2280, 495, 495);
    Bild2 = Named(new PictureButton(this, QStringLiteral(":/games/arrow_left.svg"),
                                    QStringLiteral("Einen Schritt nach links")),
                  "Bild2", 5280, 2760, 495, 495);
    Bild3 = Named(new PictureButton(this, QStringLiteral(":/games/arrow_right.svg"),
                                    QStringLiteral("Einen Schritt nach rechts")),
                  "Bild3", 5760, 2760, 495, 495);
    Bild4 = Named(new PictureButton(this, QStringLiteral(":/games/arrow_down.svg"),
                                    QStringLiteral("Einen Schritt nach unten")),
                  "Bild4", 5520, 3240, 495, 495);
    Bezeichnung2 =
            Named(new QLabel(QStringLiteral(" Suche"), this), "Bezeichnung2", 5400, 4200, 735, 375);
    Bezeichnung1 =
            Named(new QLabel(QStringLiteral("  ?"), this), "Bezeichnung1", 5400, 4560, 735, 495);
    QFont large = Bezeichnung1->font();
    large.setPointSizeF(18);
    large.setBold(true);
    Bezeichnung1->setFont(large);

    connect(Befehl1, &QPushButton::clicked, this, &Form2::Befehl1_Click);
    connect(Befehl2, &QPushButton::clicked, this, &Form2::Befehl2_Click);
    connect(Bild1, &QToolButton::clicked, this, &Form2::Bild1_Click);
    connect(Bild2, &QToolButton::clicked, this, &Form2::Bild2_Click);
    connect(Bild3, &QToolButton::clicked, this, &Form2::Bild3_Click);
    connect(Bild4, &QToolButton::clicked, this, &Form2::Bild4_Click);

    // The arrow keys walk and the digit keys of the main keyboard open the wish box, whichever
    // control holds the focus.
    new KeyPreview(this, [this](QKeyEvent* event) {
        const int key = event->key();
        if (key == Qt::Key_Up)
            Bild1_Click();
        else if (key == Qt::Key_Down)
            Bild4_Click();
        else if (key == Qt::Key_Left)
            Bild2_Click();
        else if (key == Qt::Key_Right)
            Bild3_Click();
        else if (key == Qt::Key_Escape)
            Befehl1_Click();
        else if (key >= Qt::Key_0 && key <= Qt::Key_9 && !(event->modifiers() & Qt::KeypadModifier))
            Befehl2_Click();
        else
            return false;
        return true;
    });
}

void Form2::StartPrisonGame()
{
    show();
    raise();
    activateWindow();
    Spielfeld->SetForeColor(DrawingSurface::QBColor(0));
    Spielfeld->SetFont(QStringLiteral("Arial"), 13.5);
    Spielfeld->Cls();
    rules_.Start();
    Bezeichnung1->setText(QStringLiteral("  0"));
    TellField(Spielfeld, PrisonRules::Size, 1, PrisonRules::Size);
}

void Form2::Bild1_Click()
{
    Step(PrisonRules::Direction::Up);
}
void Form2::Bild2_Click()
{
    Step(PrisonRules::Direction::Left);
}
void Form2::Bild3_Click()
{
    Step(PrisonRules::Direction::Right);
}
void Form2::Bild4_Click()
{
    Step(PrisonRules::Direction::Down);
}

void Form2::Step(PrisonRules::Direction direction)
{
    const PrisonRules::Outcome outcome = rules_.Step(direction);
    TellField(Spielfeld, PrisonRules::Size, 1, PrisonRules::Size);
    if (outcome == PrisonRules::Outcome::Taken)
        ShowSearchDigit();
    if (outcome == PrisonRules::Outcome::Free) {
        dialogs_.MsgBox(rules_.FreeText(), MsgStyle::OkOnly, Title);
        EndPrisonGame();
    }
}

void Form2::ShowSearchDigit()
{
    Bezeichnung1->setText(QStringLiteral("  ") + rules_.SearchedDigit());
}

void Form2::Befehl2_Click()
{
    if (!rules_.WishLeft()) {
        dialogs_.MsgBox(QStringLiteral("Kein Wunsch mehr frei!"), MsgStyle::OkOnly,
                        QStringLiteral("Wunschbox"));
        return;
    }
    const QString question =
            rules_.WishText() + QStringLiteral("\n\rMöchtest du einen benutzen?\n\r");
    if (dialogs_.MsgBox(question, MsgStyle::YesNo + MsgStyle::Question, QStringLiteral("Wunschbox"))
        != MsgResult::Yes)
        return;
    rules_.GrantWish();
    Befehl2->setText(rules_.WishCaption());
    ShowSearchDigit();
    // The arrow keys go on walking, not pressing the wish button again.
    activateWindow();
    setFocus();
}

void Form2::Befehl1_Click()
{
    if (dialogs_.MsgBox(QStringLiteral("  Dieses Spiel jetzt beenden?"),
                        MsgStyle::YesNo + MsgStyle::Stop, Title)
        == MsgResult::Yes)
        EndPrisonGame();
}

void Form2::EndPrisonGame()
{
    rules_.EndPrisonGame();
    Befehl2->setText(rules_.WishCaption());
    hide();
    emit ended();
}

void Form2::closeEvent(QCloseEvent* event)
{
    // Closing by the frame asks as STOP does; No plays on.
    event->ignore();
    Befehl1_Click();
}
