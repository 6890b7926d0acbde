#pragma once

// RewardChooser, the reward chooser: five games and a way back without a game, each as a picture
// and a button that do the same. A choice hides the chooser and tells the program which game to
// start; the chooser itself keeps nothing.

#include <QWidget>

class PictureButton;
class QLabel;
class QPushButton;

class RewardChooser : public QWidget {
    Q_OBJECT
public:
    RewardChooser();

    void open(); // shows the chooser in front

signals:
    // Emitted after the chooser has hidden itself.
    void cancelled();
    void carRideChosen();
    void homewardRideChosen();
    void prisonChosen();
    void numberCatchChosen();
    void memoryChosen();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void choose(void (RewardChooser::*chosen)());

    // Each choice: its picture, the caption beside it (for a game "1mal": a reward is worth one
    // game) and its button.
    PictureButton* noGamePicture_ = nullptr;
    QLabel* noGameCaption_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    PictureButton* carRidePicture_ = nullptr;
    QLabel* carRideCaption_ = nullptr;
    QPushButton* carRideButton_ = nullptr;
    PictureButton* homewardRidePicture_ = nullptr;
    QLabel* homewardRideCaption_ = nullptr;
    QPushButton* homewardRideButton_ = nullptr;
    PictureButton* prisonPicture_ = nullptr;
    QLabel* prisonCaption_ = nullptr;
    QPushButton* prisonButton_ = nullptr;
    PictureButton* numberCatchPicture_ = nullptr;
    QLabel* numberCatchCaption_ = nullptr;
    QPushButton* numberCatchButton_ = nullptr;
    PictureButton* memoryPicture_ = nullptr;
    QLabel* memoryCaption_ = nullptr;
    QPushButton* memoryButton_ = nullptr;
};
