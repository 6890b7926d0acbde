#include "app/program.h"

#include "engine/task_engine.h"
#include "games/car_ride_window.h"
#include "games/chooser_window.h"
#include "games/homeward_ride_window.h"
#include "games/memory_window.h"
#include "games/number_catch_window.h"
#include "games/prison_window.h"
#include "models/task_source.h"
#include "models/worksheet.h"
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

namespace {

// The worksheet's tasks, generated as training generates them: mandatory tasks never go on a
// worksheet, so mandatory mode goes back to plus first and stays there; the training window then
// shows the new task and expects its answer.
class TrainingTasks final : public TaskSource {
public:
    TrainingTasks(TrainingState& state, TrainingWindow& training)
        : state_(state), training_(training)
    {
    }
    Task nextTask() override
    {
        if (state_.operation == Operation::Mandatory)
            state_.operation = Operation::Plus;
        training_.engine().generateTask();
        return { training_.taskText(), state_.expectedAnswer };
    }

private:
    TrainingState& state_;
    TrainingWindow& training_;
};

} // namespace

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

    // The user window and the error list window hold lists of the whole run, so they exist from
    // the start, hidden; the training window fills the user list during its start-up.
    userWindow_ = std::make_unique<UserWindow>(desktop_.dialogs, state_);
    errorListWindow_ =
            std::make_unique<ErrorListWindow>(desktop_.dialogs, *userWindow_, desktop_.printer);
    trainingWindow_ = std::make_unique<TrainingWindow>(state_, desktop_.dialogs, desktop_.random,
                                                       *userWindow_, *errorListWindow_);

    connect(trainingWindow_.get(), &TrainingWindow::ended, this, &Program::endProgram);
    connect(trainingWindow_.get(), &TrainingWindow::infoRequested, this,
            [this] { infoWindow().open(); });
    connect(trainingWindow_.get(), &TrainingWindow::worksheetsRequested, this,
            [this] { worksheetWindow().open(); });
    // The training window stays hidden while the child chooses and plays; every game and the
    // chooser's way back bring it back with the task it had.
    connect(trainingWindow_.get(), &TrainingWindow::rewardDue, this, [this] {
        trainingWindow_->hide();
        rewardChooser().open();
    });
    connect(userWindow_.get(), &UserWindow::userStarted, trainingWindow_.get(),
            &TrainingWindow::startUser);
    connect(errorListWindow_.get(), &ErrorListWindow::closed, this, &Program::showTrainingWindow);

    trainingWindow_->startUp();
    trainingWindow_->show();
    trainingWindow_->focusCheckButton();
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
        worksheetTasks_ = std::make_unique<TrainingTasks>(state_, *trainingWindow_);
        worksheet_ = std::make_unique<Worksheet>(*worksheetTasks_, desktop_.dialogs,
                                                 desktop_.clipboard, desktop_.printer);
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
        numberCatchWindow_ = std::make_unique<NumberCatchWindow>(state_, desktop_.dialogs,
                                                                 desktop_.random, desktop_.timers);
        connect(numberCatchWindow_.get(), &NumberCatchWindow::ended, this,
                &Program::showTrainingWindow);
    }
    return *numberCatchWindow_;
}

MemoryWindow& Program::memoryWindow()
{
    if (!memoryWindow_) {
        memoryWindow_ = std::make_unique<MemoryWindow>(state_, desktop_.dialogs, desktop_.random);
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
    userWindow_->hide();
    errorListWindow_->hide();
    trainingWindow_->hide();
    // exit() rather than quit(): quitting would first ask every window to close, and the
    // program's windows only hide themselves when closed.
    QCoreApplication::exit(0);
}
