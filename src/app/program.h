#pragma once

// Program, the composition root: it owns the models (the training session, the error list, the
// mandatory tasks, the users, the reward interval, the children's history) and every window,
// creates each window when it is first needed, hands it the models it shows and the desktop
// services it uses, and wires the window flow: a window tells by a signal that it is done or wants
// another window, and the root shows the next one. Only this folder knows every window. main.cpp
// hands in the desktop's services (dialogs, random source, clipboard, timers, printer, clock);
// tests hand in doubles.

#include "engine/training_state.h"
#include "platform/desktop.h"

#include <QObject>

#include <memory>

class AnsweringStopwatch;
class CarRideWindow;
class Dialogs;
class ErrorList;
class ErrorListWindow;
class History;
class Worksheet;
class HomewardRideWindow;
class InfoWindow;
class MandatoryTasks;
class MemoryWindow;
class NumberCatchWindow;
class PrisonWindow;
class ProgressPage;
class ProgressWindow;
class RewardChooser;
class RewardInterval;
class TrainingSession;
class TrainingWindow;
class UserWindow;
class Users;
class WorksheetWindow;

class Program final : public QObject {
    Q_OBJECT
public:
    explicit Program(const Desktop& desktop);
    ~Program() override;

    // Removes copies that an interrupted save left behind, runs the training session's start-up
    // and shows the training window. Called once.
    void start();

    TrainingSession& session() { return *session_; }
    TrainingState& state() { return state_; }
    ErrorList& errorList() { return *errorList_; }
    Users& users() { return *users_; }
    MandatoryTasks& mandatoryTasks() { return *mandatory_; }
    History& history() { return *history_; }

    TrainingWindow& trainingWindow() { return *trainingWindow_; }
    UserWindow& userWindow(); // created on first use, as are all the windows below
    ErrorListWindow& errorListWindow();
    ProgressWindow& progressWindow(); // "Lernstand", from the error-list window
    InfoWindow& infoWindow();
    WorksheetWindow& worksheetWindow();
    RewardChooser& rewardChooser(); // the reward chooser, and its games:
    PrisonWindow& prisonWindow(); // the prison
    NumberCatchWindow& numberCatchWindow(); // the number catch
    MemoryWindow& memoryWindow(); // Memory
    CarRideWindow& carRideWindow(); // the car ride
    HomewardRideWindow& homewardRideWindow(); // the homeward ride

    bool hasEnded() const { return ended_; }

private:
    void endProgram();
    void showTrainingWindow();
    void returnFromGameWithEmptyEntry();
    void openProgressWindow();

    Desktop desktop_;
    TrainingState state_; // changed by the session alone
    // Every window's message boxes go through the pausing dialogs: the time a box is open does
    // not count as answering.
    std::unique_ptr<AnsweringStopwatch> stopwatch_;
    std::unique_ptr<Dialogs> dialogs_;
    std::unique_ptr<History> history_;
    std::unique_ptr<Users> users_;
    std::unique_ptr<ErrorList> errorList_;
    std::unique_ptr<MandatoryTasks> mandatory_;
    std::unique_ptr<RewardInterval> rewardInterval_;
    std::unique_ptr<TrainingSession> session_;
    std::unique_ptr<TrainingWindow> trainingWindow_;
    std::unique_ptr<UserWindow> userWindow_;
    std::unique_ptr<ErrorListWindow> errorListWindow_;
    bool errorListBrowsed_ = false; // it shows the selected child, not the started one
    std::unique_ptr<ProgressPage> progressPage_;
    std::unique_ptr<ProgressWindow> progressWindow_;
    std::unique_ptr<InfoWindow> infoWindow_;
    std::unique_ptr<Worksheet> worksheet_;
    std::unique_ptr<WorksheetWindow> worksheetWindow_;
    std::unique_ptr<RewardChooser> rewardChooser_;
    std::unique_ptr<PrisonWindow> prisonWindow_;
    std::unique_ptr<NumberCatchWindow> numberCatchWindow_;
    std::unique_ptr<MemoryWindow> memoryWindow_;
    std::unique_ptr<CarRideWindow> carRideWindow_;
    std::unique_ptr<HomewardRideWindow> homewardRideWindow_;
    bool ended_ = false;
};
