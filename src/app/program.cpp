#include "app/program.h"

#include "games/car_ride_window.h"
#include "games/homeward_ride_window.h"
#include "platform/text_file.h"
#include "training/error_list_window.h"
#include "training/info_window.h"
#include "training/training_window.h"
#include "training/user_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QPushButton>

static void InitResources()
{
    Q_INIT_RESOURCE(ziftora);
}

Program::Program(const Desktop& desktop) : desktop_(desktop)
{
    InitResources();
}

Program::~Program() = default;

void Program::Start()
{
    // A save cut off at the very moment of replacing a file leaves its temporary copy behind.
    TextFile::RemoveLeftoverCopies(QDir::currentPath());

    // The user window and the error list window hold lists of the whole run, so they exist from
    // the start, hidden; the training window fills the user list during its start-up.
    form7_ = std::make_unique<Form7>(desktop_.dialogs, state_);
    form8_ = std::make_unique<Form8>(desktop_.dialogs, *form7_);
    form1_ = std::make_unique<Form1>(state_, desktop_.dialogs, desktop_.random, *form7_, *form8_);

    connect(form1_.get(), &Form1::ended, this, &Program::EndProgram);
    connect(form1_.get(), &Form1::infoRequested, this, [this] { zftlabel().Open(); });
    // The reward chooser and the worksheet window connect to rewardDue and worksheetsRequested;
    // until a reward is due training simply goes on in the training window.
    connect(form7_.get(), &Form7::userStarted, form1_.get(), &Form1::StartUser);
    connect(form8_.get(), &Form8::closed, this, &Program::ShowTrainingWindow);

    form1_->Form_Load();
    form1_->show();
    form1_->Befehl11->setFocus();
}

ZFTLABEL& Program::zftlabel()
{
    if (!zftlabel_) {
        zftlabel_ = std::make_unique<ZFTLABEL>();
        connect(zftlabel_.get(), &ZFTLABEL::closed, this, &Program::ShowTrainingWindow);
    }
    return *zftlabel_;
}

slalom& Program::slalom()
{
    if (!slalom_) {
        slalom_ = std::make_unique<::slalom>(desktop_.dialogs, desktop_.random, desktop_.timers);
        connect(slalom_.get(), &::slalom::ended, this, &Program::ShowTrainingWindow);
    }
    return *slalom_;
}

Form3& Program::form3()
{
    if (!form3_) {
        form3_ = std::make_unique<Form3>(desktop_.dialogs, desktop_.random, desktop_.timers);
        connect(form3_.get(), &Form3::ended, this, &Program::ShowTrainingWindow);
    }
    return *form3_;
}

void Program::ShowTrainingWindow()
{
    form1_->show();
}

void Program::EndProgram()
{
    ended_ = true;
    if (zftlabel_)
        zftlabel_->hide();
    if (slalom_)
        slalom_->hide();
    if (form3_)
        form3_->hide();
    form7_->hide();
    form8_->hide();
    form1_->hide();
    // exit() rather than quit(): quitting would first ask every window to close, and the
    // program's windows only hide themselves when closed.
    QCoreApplication::exit(0);
}
