#include "app/program.h"

#include "games/car_ride_window.h"
#include "games/chooser_window.h"
#include "games/homeward_ride_window.h"
#include "games/memory_window.h"
#include "games/number_catch_window.h"
#include "games/prison_window.h"
#include "models/answering_stopwatch.h"
#include "models/error_list.h"
#include "models/history.h"
#include "models/mandatory_tasks.h"
#include "models/progress_page.h"
#include "models/reward_interval.h"
#include "models/training_session.h"
#include "models/users.h"
#include "models/worksheet.h"
#include "platform/shared_file.h"
#include "platform/text_file.h"
#include "training/error_list_window.h"
#include "training/info_window.h"
#include "training/progress_window.h"
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

Program::~Program()
{
    if (history_)
        history_->writePending();
}

void Program::start()
{
    // A save cut off at the very moment of replacing a file leaves its temporary copy behind; a
    // young copy may be another computer's save in progress and stays.
    TextFile::removeLeftoverCopies(QDir::currentPath(), desktop_.clock);

    stopwatch_ = std::make_unique<AnsweringStopwatch>(desktop_.clock);
    dialogs_ = std::make_unique<PausingDialogs>(desktop_.dialogs, *stopwatch_);
    // A child's answers are written under the history file's lock; when another computer holds
    // it, they wait in memory for the next answer, without a word to the child.
    const Clock& clock = desktop_.clock;
    history_ = std::make_unique<History>(
            QDir::currentPath(),
            [&clock](const QString& path, const std::function<bool()>& readChangeWrite) {
                return SharedFile::withLock(path, clock, SharedFile::QuietWaitMs,
                                            [&] {
                                                return readChangeWrite()
                                                        ? QString()
                                                        : QStringLiteral("nicht geschrieben");
                                            })
                        .done();
            });

    users_ = std::make_unique<Users>(*dialogs_, state_, desktop_.clock);
    errorList_ = std::make_unique<ErrorList>(*dialogs_, *users_);
    mandatory_ = std::make_unique<MandatoryTasks>(*dialogs_, desktop_.clock);
    rewardInterval_ = std::make_unique<RewardInterval>(*dialogs_);
    session_ = std::make_unique<TrainingSession>(state_, *dialogs_, desktop_.random, *errorList_,
                                                 *mandatory_, *users_, *rewardInterval_, *history_,
                                                 *stopwatch_, desktop_.clock);
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
    connect(trainingWindow_.get(), &TrainingWindow::errorListRequested, this, [this] {
        errorListBrowsed_ = false;
        errorListWindow().open(users_->startedName(), trainingWindow_->pos());
    });
    connect(errorList_.get(), &ErrorList::browsedTo, this, [this] { errorListBrowsed_ = true; });
    connect(trainingWindow_.get(), &TrainingWindow::userWindowRequested, this,
            [this] { userWindow().open(*trainingWindow_); });

    // The history follows the started child; at start-up that is the first one.
    connect(users_.get(), &Users::started, this,
            [this] { history_->setChild(users_->startedFullName()); });

    trainingWindow_->placeOnScreen();
    session_->startUp();
    history_->setChild(users_->startedFullName());
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
                std::make_unique<ErrorListWindow>(*errorList_, *dialogs_, desktop_.printer);
        // The teacher's pages go with it: the training window is the child's again.
        connect(errorListWindow_.get(), &ErrorListWindow::closed, this, [this] {
            if (progressWindow_)
                progressWindow_->hide();
            showTrainingWindow();
        });
        connect(errorListWindow_.get(), &ErrorListWindow::progressRequested, this,
                &Program::openProgressWindow);
    }
    return *errorListWindow_;
}

ProgressWindow& Program::progressWindow()
{
    if (!progressWindow_) {
        progressPage_ = std::make_unique<ProgressPage>(*history_, desktop_.clock, *dialogs_,
                                                       desktop_.printer);
        progressWindow_ = std::make_unique<ProgressWindow>(*progressPage_);
    }
    return *progressWindow_;
}

// The page of the child the error-list window shows: the started child, or the one browsed to.
// Stepping there moves neither the error-list window's child nor the user window's selection.
void Program::openProgressWindow()
{
    const QStringList children = users_->fullNames();
    const int shown = errorListBrowsed_ ? users_->selected()
                                        : int(children.indexOf(users_->startedFullName()));
    ProgressWindow& window = progressWindow();
    progressPage_->open(children, shown);
    window.open(errorListWindow_->frameGeometry());
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
        worksheet_ = std::make_unique<Worksheet>(*session_, *dialogs_, desktop_.clipboard,
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
        prisonWindow_ = std::make_unique<PrisonWindow>(*dialogs_, desktop_.random);
        connect(prisonWindow_.get(), &PrisonWindow::ended, this, &Program::showTrainingWindow);
    }
    return *prisonWindow_;
}

NumberCatchWindow& Program::numberCatchWindow()
{
    if (!numberCatchWindow_) {
        numberCatchWindow_ =
                std::make_unique<NumberCatchWindow>(*dialogs_, desktop_.random, desktop_.timers);
        connect(numberCatchWindow_.get(), &NumberCatchWindow::ended, this,
                &Program::returnFromGameWithEmptyEntry);
    }
    return *numberCatchWindow_;
}

MemoryWindow& Program::memoryWindow()
{
    if (!memoryWindow_) {
        memoryWindow_ = std::make_unique<MemoryWindow>(*dialogs_, desktop_.random);
        connect(memoryWindow_.get(), &MemoryWindow::ended, this,
                &Program::returnFromGameWithEmptyEntry);
    }
    return *memoryWindow_;
}

HomewardRideWindow& Program::homewardRideWindow()
{
    if (!homewardRideWindow_) {
        homewardRideWindow_ =
                std::make_unique<HomewardRideWindow>(*dialogs_, desktop_.random, desktop_.timers);
        connect(homewardRideWindow_.get(), &HomewardRideWindow::ended, this,
                &Program::showTrainingWindow);
    }
    return *homewardRideWindow_;
}

CarRideWindow& Program::carRideWindow()
{
    if (!carRideWindow_) {
        carRideWindow_ =
                std::make_unique<CarRideWindow>(*dialogs_, desktop_.random, desktop_.timers);
        connect(carRideWindow_.get(), &CarRideWindow::ended, this, &Program::showTrainingWindow);
    }
    return *carRideWindow_;
}

void Program::showTrainingWindow()
{
    // The task is in front of the child again: a game or a teacher's window does not count as
    // answering.
    stopwatch_->start();
    trainingWindow_->show();
}

// Memory and the number catch hand the child an empty entry back, whatever was typed before.
void Program::returnFromGameWithEmptyEntry()
{
    session_->clearEntry();
    showTrainingWindow();
}

void Program::endProgram()
{
    ended_ = true;
    history_->writePending(); // answers a busy lock kept back; what still fails stays unwritten
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
    if (progressWindow_)
        progressWindow_->hide();
    trainingWindow_->hide();
    users_->writeWaitingErrors(SharedFile::TeacherWaitMs); // the last chance
    // exit() rather than quit(): quitting would first ask every window to close, and the
    // program's windows only hide themselves when closed.
    QCoreApplication::exit(0);
}
