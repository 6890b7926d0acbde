#pragma once

// Program, the composition root: it owns the shared training state and every window, hands each
// window what it uses (state, dialogs, random source, the one or two windows it truly calls), and
// wires the window flow: a window tells by a signal that it is done or wants another window, and
// the root shows the next one. Only this folder knows every window. main.cpp hands in the
// desktop's services (dialogs, random source, clipboard, timers, printer); tests hand in doubles.

#include "engine/training_state.h"
#include "platform/desktop.h"

#include <QObject>

#include <memory>

class TrainingWindow;
class PrisonWindow;
class CarRideWindow;
class NumberCatchWindow;
class MemoryWindow;
class RewardChooser;
class UserWindow;
class ErrorListWindow;
class InfoWindow;
class WorksheetWindow;
class Worksheet;
class TaskSource;
class HomewardRideWindow;

class Program final : public QObject {
    Q_OBJECT
public:
    explicit Program(const Desktop& desktop);
    ~Program() override;

    // Removes copies that an interrupted save left behind, builds the windows, runs the training
    // window's start-up and shows it. Called once.
    void start();

    TrainingState& state() { return state_; }
    TrainingWindow& trainingWindow() { return *trainingWindow_; }
    UserWindow& userWindow() { return *userWindow_; }
    ErrorListWindow& errorListWindow() { return *errorListWindow_; }
    InfoWindow& infoWindow(); // created on first use
    WorksheetWindow& worksheetWindow(); // created on first use
    RewardChooser& rewardChooser(); // the reward chooser, created on first use, as are its games:
    PrisonWindow& prisonWindow(); // the prison
    NumberCatchWindow& numberCatchWindow(); // the number catch
    MemoryWindow& memoryWindow(); // Memory
    CarRideWindow& carRideWindow(); // the car ride
    HomewardRideWindow& homewardRideWindow(); // the homeward ride

    bool hasEnded() const { return ended_; }

private:
    void endProgram();
    void showTrainingWindow();

    Desktop desktop_;
    TrainingState state_;
    std::unique_ptr<UserWindow> userWindow_;
    std::unique_ptr<ErrorListWindow> errorListWindow_;
    std::unique_ptr<TrainingWindow> trainingWindow_;
    std::unique_ptr<InfoWindow> infoWindow_;
    std::unique_ptr<TaskSource> worksheetTasks_;
    std::unique_ptr<Worksheet> worksheet_;
    std::unique_ptr<WorksheetWindow> worksheetWindow_;
    std::unique_ptr<RewardChooser> rewardChooser_;
    std::unique_ptr<PrisonWindow> prisonWindow_;
    std::unique_ptr<NumberCatchWindow> numberCatchWindow_;
    std::unique_ptr<MemoryWindow> memoryWindow_;
    std::unique_ptr<HomewardRideWindow> homewardRideWindow_;
    std::unique_ptr<CarRideWindow> carRideWindow_;
    bool ended_ = false;
};
