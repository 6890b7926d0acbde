#include "games/chooser_window.h"

#include "games/game_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include <utility>

RewardChooser::RewardChooser() : QWidget(nullptr)
{
    setObjectName(QStringLiteral("RewardChooser"));
    setWindowTitle(QStringLiteral("Du hast dir eine Belohnung verdient. Wähle aus:"));
    setFixedSize(Twips::toPixels(8205), Twips::toPixels(1665));

    auto picture = [this](const char* name, int left, const char* drawing,
                          const QString& whatItDoes) {
        return placed(new PictureButton(
                              this, QStringLiteral(":/games/%1.svg").arg(QLatin1String(drawing)),
                              whatItDoes),
                      name, left, 360, 495, 495);
    };
    auto onceCaption = [this](const char* name, int left) {
        return placed(new QLabel(QStringLiteral("1mal"), this), name, left, 480, 495, 255);
    };
    auto button = [this](const char* name, int left, const QString& caption) {
        return placed(new QPushButton(caption, this), name, left, 960, 1095, 375);
    };

    noGamePicture_ =
            picture("noGamePicture", 240, "stop", QStringLiteral("Kein Spiel, zurück zum Rechnen"));
    noGameCaption_ = placed(new QLabel(QStringLiteral(" Kein   Spiel"), this), "noGameCaption", 720,
                            360, 615, 495);
    noGameCaption_->setWordWrap(true);
    cancelButton_ = button("cancelButton", 240, QStringLiteral("Abbruch"));
    carRidePicture_ =
            picture("carRidePicture", 1560, "car_side", QStringLiteral("Autofahrt spielen"));
    carRideCaption_ = onceCaption("carRideCaption", 2160);
    carRideButton_ = button("carRideButton", 1560, QStringLiteral("Autofahrt"));
    homewardRidePicture_ =
            picture("homewardRidePicture", 2880, "car_side", QStringLiteral("Slalom spielen"));
    homewardRideCaption_ = onceCaption("homewardRideCaption", 3480);
    homewardRideButton_ = button("homewardRideButton", 2880, QStringLiteral("Slalom"));
    prisonPicture_ = picture("prisonPicture", 4200, "prison", QStringLiteral("Gefängnis spielen"));
    prisonCaption_ = onceCaption("prisonCaption", 4800);
    prisonButton_ = button("prisonButton", 4200, QStringLiteral("Gefängnis"));
    numberCatchPicture_ = picture("numberCatchPicture", 5520, "number_catch",
                                  QStringLiteral("Zahlfange spielen"));
    numberCatchCaption_ = onceCaption("numberCatchCaption", 6120);
    numberCatchButton_ = button("numberCatchButton", 5520, QStringLiteral("Zahlfange"));
    memoryPicture_ = picture("memoryPicture", 6840, "heart", QStringLiteral("Memory spielen"));
    memoryCaption_ = onceCaption("memoryCaption", 7440);
    memoryButton_ = button("memoryButton", 6840, QStringLiteral("Memory"));

    // A picture does what the button under it does.
    const std::pair<QAbstractButton*, void (RewardChooser::*)()> choices[] = {
        { noGamePicture_, &RewardChooser::cancelled },
        { cancelButton_, &RewardChooser::cancelled },
        { carRidePicture_, &RewardChooser::carRideChosen },
        { carRideButton_, &RewardChooser::carRideChosen },
        { homewardRidePicture_, &RewardChooser::homewardRideChosen },
        { homewardRideButton_, &RewardChooser::homewardRideChosen },
        { prisonPicture_, &RewardChooser::prisonChosen },
        { prisonButton_, &RewardChooser::prisonChosen },
        { numberCatchPicture_, &RewardChooser::numberCatchChosen },
        { numberCatchButton_, &RewardChooser::numberCatchChosen },
        { memoryPicture_, &RewardChooser::memoryChosen },
        { memoryButton_, &RewardChooser::memoryChosen },
    };
    for (const auto& [control, chosen] : choices)
        connect(control, &QAbstractButton::clicked, this,
                [this, chosen = chosen] { choose(chosen); });
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

void RewardChooser::closeEvent(QCloseEvent* event)
{
    // Closing the chooser by its frame is the same as "Abbruch": training goes on.
    event->ignore();
    choose(&RewardChooser::cancelled);
}
