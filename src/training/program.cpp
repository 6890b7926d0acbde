#include "training/program.h"

#include "training/error_list_window.h"
#include "training/info_window.h"
#include "training/training_window.h"
#include "training/user_window.h"

#include <QCoreApplication>
#include <QPushButton>

static void InitResources()
{
    Q_INIT_RESOURCE(ziftora);
}

Program::Program(Dialogs& dialogs, RandomSource& random)
    : dialogs_(dialogs), random_(random)
{
    InitResources();
}

Program::~Program() = default;

void Program::Start()
{
    // The user window and the error list window hold lists of the whole run, so they exist from
    // the start, hidden; the training window fills the user list during its start-up.
    form7_ = std::make_unique<Form7>(*this);
    form8_ = std::make_unique<Form8>(*this);
    form1_ = std::make_unique<Form1>(*this);
    form1_->Form_Load();
    form1_->show();
    form1_->Befehl11->setFocus();
}

Form1& Program::form1()
{
    return *form1_;
}

Form7& Program::form7()
{
    return *form7_;
}

Form8& Program::form8()
{
    return *form8_;
}

ZFTLABEL& Program::zftlabel()
{
    if (!zftlabel_)
        zftlabel_ = std::make_unique<ZFTLABEL>(*this);
    return *zftlabel_;
}

void Program::EndProgram()
{
    ended_ = true;
    if (zftlabel_)
        zftlabel_->hide();
    form7_->hide();
    form8_->hide();
    form1_->hide();
    // exit() rather than quit(): quitting would first ask every window to close, and the
    // program's windows only hide themselves when closed.
    QCoreApplication::exit(0);
}
