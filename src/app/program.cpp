#include "app/program.h"

#include "engine/task_engine.h"
#include "games/car_ride_window.h"
#include "games/chooser_window.h"
#include "games/homeward_ride_window.h"
#include "games/memory_window.h"
#include "games/number_catch_window.h"
#include "games/prison_window.h"
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
    // A save cut off at the very moment of replacing a file leaves its temporary copy behind.
    TextFile::removeLeftoverCopies(QDir::currentPath());

    // The user window and the error list window hold lists of the whole run, so they exist from
    // the start, hidden; the training window fills the user list during its start-up.
    form7_ = std::make_unique<Form7>(desktop_.dialogs, state_);
    form8_ = std::make_unique<Form8>(desktop_.dialogs, *form7_, desktop_.printer);
    form1_ = std::make_unique<Form1>(state_, desktop_.dialogs, desktop_.random, *form7_, *form8_);

    connect(form1_.get(), &Form1::ended, this, &Program::endProgram);
    connect(form1_.get(), &Form1::infoRequested, this, [this] { zftlabel().open(); });
    connect(form1_.get(), &Form1::worksheetsRequested, this, [this] { worksheets().open(); });
    // The training window stays hidden while the child chooses and plays; every game and the
    // chooser's way back bring it back with the task it had.
    connect(form1_.get(), &Form1::rewardDue, this, [this] {
        form1_->hide();
        form6().open();
    });
    connect(form7_.get(), &Form7::userStarted, form1_.get(), &Form1::startUser);
    connect(form8_.get(), &Form8::closed, this, &Program::showTrainingWindow);

    form1_->formLoad();
    form1_->show();
    form1_->Befehl11->setFocus();
}

ZFTLABEL& Program::zftlabel()
{
    if (!zftlabel_) {
        zftlabel_ = std::make_unique<ZFTLABEL>();
        connect(zftlabel_.get(), &ZFTLABEL::closed, this, &Program::showTrainingWindow);
    }
    return *zftlabel_;
}

druck& Program::worksheets()
{
    if (!druck_) {
        // The worksheet builds its rows with the training window's generator, as training does.
        druck::TaskSource tasks{ [this] { form1_->engine().generateTask(); },
                                 [this] { return form1_->Bezeichnung1->text(); } };
        druck_ = std::make_unique<druck>(state_, desktop_.dialogs, desktop_.clipboard,
                                         desktop_.printer, tasks);
        connect(druck_.get(), &druck::closed, this, &Program::showTrainingWindow);
        druck_->formLoad(form1_->frameGeometry());
    }
    return *druck_;
}

Form6& Program::form6()
{
    if (!form6_) {
        form6_ = std::make_unique<Form6>();
        connect(form6_.get(), &Form6::cancelled, this, &Program::showTrainingWindow);
        connect(form6_.get(), &Form6::prisonChosen, this, [this] { form2().startPrisonGame(); });
        connect(form6_.get(), &Form6::numberCatchChosen, this,
                [this] { form4().startNumberCatch(); });
        connect(form6_.get(), &Form6::memoryChosen, this, [this] { form5().startMemory(); });
        connect(form6_.get(), &Form6::carRideChosen, this, [this] { form3().startCarRide(); });
        // The homeward ride sets itself up when its window becomes active.
        connect(form6_.get(), &Form6::slalomChosen, this, [this] { slalom().open(); });
    }
    return *form6_;
}

Form2& Program::form2()
{
    if (!form2_) {
        form2_ = std::make_unique<Form2>(desktop_.dialogs, desktop_.random);
        connect(form2_.get(), &Form2::ended, this, &Program::showTrainingWindow);
    }
    return *form2_;
}

Form4& Program::form4()
{
    if (!form4_) {
        form4_ =
                std::make_unique<Form4>(state_, desktop_.dialogs, desktop_.random, desktop_.timers);
        connect(form4_.get(), &Form4::ended, this, &Program::showTrainingWindow);
    }
    return *form4_;
}

Form5& Program::form5()
{
    if (!form5_) {
        form5_ = std::make_unique<Form5>(state_, desktop_.dialogs, desktop_.random);
        connect(form5_.get(), &Form5::ended, this, &Program::showTrainingWindow);
    }
    return *form5_;
}

slalom& Program::slalom()
{
    if (!slalom_) {
        slalom_ = std::make_unique<::slalom>(desktop_.dialogs, desktop_.random, desktop_.timers);
        connect(slalom_.get(), &::slalom::ended, this, &Program::showTrainingWindow);
    }
    return *slalom_;
}

Form3& Program::form3()
{
    if (!form3_) {
        form3_ = std::make_unique<Form3>(desktop_.dialogs, desktop_.random, desktop_.timers);
        connect(form3_.get(), &Form3::ended, this, &Program::showTrainingWindow);
    }
    return *form3_;
}

void Program::showTrainingWindow()
{
    form1_->show();
}

void Program::endProgram()
{
    ended_ = true;
    if (zftlabel_)
        zftlabel_->hide();
    if (druck_)
        druck_->hide();
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
