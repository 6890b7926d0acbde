#include "games/chooser_window.h"

#include "games/game_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

RewardChooser::RewardChooser() : QWidget(nullptr)
{
    setObjectName(QStringLiteral("RewardChooser"));
    setWindowTitle(QStringLiteral("Du hast dir eine Belohnung verdient. Wähle aus:"));
    setFixedSize(Twips::toPixels(8205), Twips::toPixels(1665));

    auto picture = [this](const char* name, int left, const char* drawing,
                          const QString& whatItDoes) {
        return named(new PictureButton(this,
                                       QStringLiteral(":/games/%1.svg").arg(QLatin1String(drawing)),
                                       whatItDoes),
                     name, left, 360, 495, 495);
    };
    auto once = [this](const char* name, int left) {
        return named(new QLabel(QStringLiteral("1mal"), this), name, left, 480, 495, 255);
    };
    auto button = [this](const char* name, int left, const QString& caption) {
        return named(new QPushButton(caption, this), name, left, 960, 1095, 375);
    };

    Bild5 = picture("Bild5", 240, "stop", QStringLiteral("Kein Spiel, zurück zum Rechnen"));
    Bezeichnung5 = named(new QLabel(QStringLiteral(" Kein   Spiel"), this), "Bezeichnung5", 720,
                         360, 615, 495);
    Bezeichnung5->setWordWrap(true);
    Befehl5 = button("Befehl5", 240, QStringLiteral("Abbruch"));
    Bild2 = picture("Bild2", 1560, "car_side", QStringLiteral("Autofahrt spielen"));
    Bezeichnung2 = once("Bezeichnung2", 2160);
    Befehl2 = button("Befehl2", 1560, QStringLiteral("Autofahrt"));
    Bild6 = picture("Bild6", 2880, "car_side", QStringLiteral("Slalom spielen"));
    Bezeichnung6 = once("Bezeichnung6", 3480);
    Befehl6 = button("Befehl6", 2880, QStringLiteral("Slalom"));
    Bild1 = picture("Bild1", 4200, "prison", QStringLiteral("Gefängnis spielen"));
    Bezeichnung1 = once("Bezeichnung1", 4800);
    Befehl1 = button("Befehl1", 4200, QStringLiteral("Gefängnis"));
    Bild3 = picture("Bild3", 5520, "number_catch", QStringLiteral("Zahlfange spielen"));
    Bezeichnung3 = once("Bezeichnung3", 6120);
    Befehl3 = button("Befehl3", 5520, QStringLiteral("Zahlfange"));
    Bild4 = picture("Bild4", 6840, "heart", QStringLiteral("Memory spielen"));
    Bezeichnung4 = once("Bezeichnung4", 7440);
    Befehl4 = button("Befehl4", 6840, QStringLiteral("Memory"));

    connect(Befehl1, &QPushButton::clicked, this, &RewardChooser::befehl1Click);
    connect(Befehl2, &QPushButton::clicked, this, &RewardChooser::befehl2Click);
    connect(Befehl3, &QPushButton::clicked, this, &RewardChooser::befehl3Click);
    connect(Befehl4, &QPushButton::clicked, this, &RewardChooser::befehl4Click);
    connect(Befehl5, &QPushButton::clicked, this, &RewardChooser::befehl5Click);
    connect(Befehl6, &QPushButton::clicked, this, &RewardChooser::befehl6Click);
    connect(Bild1, &QToolButton::clicked, this, &RewardChooser::bild1Click);
    connect(Bild2, &QToolButton::clicked, this, &RewardChooser::bild2Click);
    connect(Bild3, &QToolButton::clicked, this, &RewardChooser::bild3Click);
    connect(Bild4, &QToolButton::clicked, this, &RewardChooser::bild4Click);
    connect(Bild5, &QToolButton::clicked, this, &RewardChooser::bild5Click);
    connect(Bild6, &QToolButton::clicked, this, &RewardChooser::bild6Click);
}

void RewardChooser::open()
{
    show();
    raise();
    activateWindow();
}

void RewardChooser::choose(void (RewardChooser::*chosen)())
{
    hide();
    emit(this->*chosen)();
}

void RewardChooser::befehl1Click()
{
    choose(&RewardChooser::prisonChosen);
}
void RewardChooser::befehl2Click()
{
    choose(&RewardChooser::carRideChosen);
}
void RewardChooser::befehl3Click()
{
    choose(&RewardChooser::numberCatchChosen);
}
void RewardChooser::befehl4Click()
{
    choose(&RewardChooser::memoryChosen);
}
void RewardChooser::befehl5Click()
{
    choose(&RewardChooser::cancelled);
}
void RewardChooser::befehl6Click()
{
    choose(&RewardChooser::homewardRideChosen);
}

void RewardChooser::closeEvent(QCloseEvent* event)
{
    // Closing the chooser by its frame is the same as "Abbruch": training goes on.
    event->ignore();
    befehl5Click();
}
