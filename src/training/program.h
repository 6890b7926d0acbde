#pragma once

// The training window and the small windows it opens (users, error list, information), and the
// program object that owns them together with the shared training state and the platform
// services. Windows reach each other through the program object, never through globals, so every
// test can build a fresh program of its own.

#include "engine/training_state.h"

#include <functional>
#include <memory>

class Dialogs;
class RandomSource;
class Form1;
class Form7;
class Form8;
class ZFTLABEL;

class Program {
public:
    Program(Dialogs& dialogs, RandomSource& random);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Builds the windows and runs the training window's start-up; the training window is then
    // shown. Called once.
    void Start();

    MODUL1& State() { return state_; }
    Dialogs& dialogs() { return dialogs_; }
    RandomSource& random() { return random_; }

    Form1& form1();
    Form7& form7();
    Form8& form8();
    ZFTLABEL& zftlabel(); // created on first use

    // Ends the program at once, saving nothing (the exit question's Yes).
    void EndProgram();
    bool Ended() const { return ended_; }

    // Shows the reward chooser; set by the games when they are part of the program.
    std::function<void()> showRewardChooser;

private:
    Dialogs& dialogs_;
    RandomSource& random_;
    MODUL1 state_;
    std::unique_ptr<Form7> form7_;
    std::unique_ptr<Form8> form8_;
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<ZFTLABEL> zftlabel_;
    bool ended_ = false;
};
