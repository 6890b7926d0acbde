#include "app/program.h"

#include "games/car_ride_window.h"
#include "games/chooser_window.h"
#include "games/homeward_ride_window.h"
#include "games/memory_window.h"
#include "games/number_catch_window.h"
#include "games/prison_window.h"
#include "models/error_list.h"
#include "models/mandatory_tasks.h"
#include "models/reward_interval.h"
#include "models/training_session.h"
#include "models/users.h"
#include "models/worksheet.h"
#include "platform/shared_file.h"
#include "platform/text_file.h"
#include "training/error_list_window.h"
#include "training/info_window.h"
#include "training/training_window.h"
#include "training/user_window.h"
#include "worksheets/worksheet_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>

static void initResources()
{
    Q_INIT_RESOURCE(ziftora);
}

Program::Program(const Desktop& desktop) : desktop_(desktop)
{
    initResources();
}

Program::~Program() = default;

void Program::start()
{
    // A save cut off at the very moment of replacing a file leaves its temporary copy behind; a
    // young copy may be another computer's save in progress and stays.
    TextFile::removeLeftoverCopies(QDir::currentPath(), desktop_.clock);

    users_ = std::make_unique<Users>(desktop_.dialogs, state_, desktop_.clock);
    errorList_ = std::make_unique<ErrorList>(desktop_.dialogs, *users_);
    mandatory_ = std::make_unique<MandatoryTasks>(desktop_.dialogs, desktop_.clock);
    rewardInterval_ = std::make_unique<RewardInterval>(desktop_.dialogs);
    session_ =
            std::make_unique<TrainingSession>(state_, desktop_.dialogs, desktop_.random,
                                              *errorList_, *mandatory_, *users_, *rewardInterval_);
    trainingWindow_ =
            std::make_unique<TrainingWindow>(*session_, *mandatory_, *users_, *rewardInterval_);

    connect(session_.get(), &TrainingSession::ended, this, &Program::endProgram);
    // Errors that found their file held by another program go at the next check.
    connect(session_.get(), &TrainingSession::countersChanged, users_.get(),
            [this] { users_->writeWaitingErrors(); });
    // The training window stays hidden while the child chooses and plays; every game and the
    // chooser's way back bring it back with the task it had.
    connect(session_.get(), &TrainingSession::rewardDue, this, [this] {
        trainingWindow_->hide();
        rewardChooser().open();
    });
    connect(trainingWindow_.get(), &TrainingWindow::infoRequested, this,
            [this] { infoWindow().open(); });
    connect(trainingWindow_.get(), &TrainingWindow::worksheetsRequested, this,
            [this] { worksheetWindow().open(); });
    connect(trainingWindow_.get(), &TrainingWindow::errorListRequested, this,
            [this] { errorListWindow().open(users_->startedName(), trainingWindow_->pos()); });
    connect(trainingWindow_.get(), &TrainingWindow::userWindowRequested, this,
            [this] { userWindow().open(*trainingWindow_); });

    trainingWindow_->placeOnScreen();
    session_->startUp();
    trainingWindow_->show();
    trainingWindow_->focusCheckButton();
}

UserWindow& Program::userWindow()
{
    if (!userWindow_)
        userWindow_ = std::make_unique<UserWindow>(*users_);
    return *userWindow_;
}

ErrorListWindow& Program::errorListWindow()
{
    if (!errorListWindow_) {
        errorListWindow_ =
                std::make_unique<ErrorListWindow>(*errorList_, desktop_.dialogs, desktop_.printer);
        connect(errorListWindow_.get(), &ErrorListWindow::closed, this,
                &Program::showTrainingWindow);
    }
    return *errorListWindow_;
}

InfoWindow& Program::infoWindow()
{
    if (!infoWindow_) {
        infoWindow_ = std::make_unique<InfoWindow>();
        connect(infoWindow_.get(), &InfoWindow::closed, this, &Program::showTrainingWindow);
    }
    return *infoWindow_;
}

WorksheetWindow& Program::worksheetWindow()
{
    if (!worksheetWindow_) {
        worksheet_ = std::make_unique<Worksheet>(*session_, desktop_.dialogs, desktop_.clipboard,
                                                 desktop_.printer);
        worksheetWindow_ = std::make_unique<WorksheetWindow>(*worksheet_);
        connect(worksheetWindow_.get(), &WorksheetWindow::closed, this,
                &Program::showTrainingWindow);
        worksheetWindow_->placeRightOf(trainingWindow_->frameGeometry());
    }
    return *worksheetWindow_;
}

RewardChooser& Program::rewardChooser()
{
    if (!rewardChooser_) {
        rewardChooser_ = std::make_unique<RewardChooser>();
        connect(rewardChooser_.get(), &RewardChooser::cancelled, this,
                &Program::showTrainingWindow);
        connect(rewardChooser_.get(), &RewardChooser::prisonChosen, this,
                [this] { prisonWindow().startPrisonGame(); });
        connect(rewardChooser_.get(), &RewardChooser::numberCatchChosen, this,
                [this] { numberCatchWindow().startNumberCatch(); });
        connect(rewardChooser_.get(), &RewardChooser::memoryChosen, this,
                [this] { memoryWindow().startMemory(); });
        connect(rewardChooser_.get(), &RewardChooser::carRideChosen, this,
                [this] { carRideWindow().startCarRide(); });
        // The homeward ride sets itself up when its window becomes active.
        connect(rewardChooser_.get(), &RewardChooser::homewardRideChosen, this,
                [this] { homewardRideWindow().open(); });
    }
    return *rewardChooser_;
}

PrisonWindow& Program::prisonWindow()
{
    if (!prisonWindow_) {
        prisonWindow_ = std::make_unique<PrisonWindow>(desktop_.dialogs, desktop_.random);
        connect(prisonWindow_.get(), &PrisonWindow::ended, this, &Program::showTrainingWindow);
    }
    return *prisonWindow_;
}

NumberCatchWindow& Program::numberCatchWindow()
{
    if (!numberCatchWindow_) {
        numberCatchWindow_ = std::make_unique<NumberCatchWindow>(
                session_->sharedState(), desktop_.dialogs, desktop_.random, desktop_.timers);
        connect(numberCatchWindow_.get(), &NumberCatchWindow::ended, this,
                &Program::showTrainingWindow);
    }
    return *numberCatchWindow_;
}

MemoryWindow& Program::memoryWindow()
{
    if (!memoryWindow_) {
        memoryWindow_ = std::make_unique<MemoryWindow>(session_->sharedState(), desktop_.dialogs,
                                                       desktop_.random);
        connect(memoryWindow_.get(), &MemoryWindow::ended, this, &Program::showTrainingWindow);
    }
    return *memoryWindow_;
}

HomewardRideWindow& Program::homewardRideWindow()
{
    if (!homewardRideWindow_) {
        homewardRideWindow_ = std::make_unique<HomewardRideWindow>(
                desktop_.dialogs, desktop_.random, desktop_.timers);
        connect(homewardRideWindow_.get(), &HomewardRideWindow::ended, this,
                &Program::showTrainingWindow);
    }
    return *homewardRideWindow_;
}

CarRideWindow& Program::carRideWindow()
{
    if (!carRideWindow_) {
        carRideWindow_ =
                std::make_unique<CarRideWindow>(desktop_.dialogs, desktop_.random, desktop_.timers);
        connect(carRideWindow_.get(), &CarRideWindow::ended, this, &Program::showTrainingWindow);
    }
    return *carRideWindow_;
}

void Program::showTrainingWindow()
{
    trainingWindow_->show();
}

void Program::endProgram()
{
    ended_ = true;
    if (infoWindow_)
        infoWindow_->hide();
    if (worksheetWindow_)
        worksheetWindow_->hide();
    if (homewardRideWindow_)
        homewardRideWindow_->hide();
    if (carRideWindow_)
        carRideWindow_->hide();
    if (userWindow_)
        userWindow_->hide();
    if (errorListWindow_)
        errorListWindow_->hide();
    trainingWindow_->hide();
    users_->writeWaitingErrors(SharedFile::TeacherWaitMs); // the last chance
    // exit() rather than quit(): quitting would first ask every window to close, and the
    // program's windows only hide themselves when closed.
    QCoreApplication::exit(0);
}
