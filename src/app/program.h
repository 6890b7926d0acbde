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

class Form1;
class Form2;
class Form3;
class Form4;
class Form5;
class Form6;
class Form7;
class Form8;
class ZFTLABEL;
class druck;
class slalom;

class Program final : public QObject {
    Q_OBJECT
public:
    explicit Program(const Desktop& desktop);
    ~Program() override;

    // Removes copies that an interrupted save left behind, builds the windows, runs the training
    // window's start-up and shows it. Called once.
    void start();

    TrainingState& state() { return state_; }
    Form1& form1() { return *form1_; }
    Form7& form7() { return *form7_; }
    Form8& form8() { return *form8_; }
    ZFTLABEL& zftlabel(); // created on first use
    druck& worksheets(); // created on first use
    Form6& form6(); // the reward chooser, created on first use, as are its games:
    Form2& form2(); // the prison
    Form4& form4(); // the number catch
    Form5& form5(); // Memory
    Form3& form3(); // the car ride
    ::slalom& slalom(); // the homeward ride

    bool hasEnded() const { return ended_; }

private:
    void endProgram();
    void showTrainingWindow();

    Desktop desktop_;
    TrainingState state_;
    std::unique_ptr<Form7> form7_;
    std::unique_ptr<Form8> form8_;
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<ZFTLABEL> zftlabel_;
    std::unique_ptr<druck> druck_;
    std::unique_ptr<Form6> form6_;
    std::unique_ptr<Form2> form2_;
    std::unique_ptr<Form4> form4_;
    std::unique_ptr<Form5> form5_;
    std::unique_ptr<::slalom> slalom_;
    std::unique_ptr<Form3> form3_;
    bool ended_ = false;
};
