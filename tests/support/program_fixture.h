#pragma once

// A fresh program for one test: its own temporary working directory (where the program keeps its
// files), scripted dialogs and a scripted random source. Link the test with ziftora_training.

#include "scripted_dialogs.h"
#include "scripted_random.h"
#include "training/program.h"
#include "training/training_window.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

class ProgramFixture {
public:
    ProgramFixture() : oldDir_(QDir::currentPath()) { QDir::setCurrent(dir.path()); }
    ~ProgramFixture()
    {
        program_.reset();
        QDir::setCurrent(oldDir_);
    }

    // Puts a file into the working directory before the start, byte for byte.
    void WriteFile(const QString& name, const QByteArray& bytes)
    {
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(bytes);
    }
    QByteArray ReadFile(const QString& name) const
    {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    bool FileExists(const QString& name) const { return QFile::exists(dir.filePath(name)); }

    // Builds the program and runs its start-up. Dialogs shown during start-up stay in dialogs.shown.
    Program& Start()
    {
        program_ = std::make_unique<Program>(dialogs, random);
        program_->Start();
        return *program_;
    }

    Program& program() { return *program_; }
    Form1& form1() { return program_->form1(); }
    MODUL1& state() { return program_->State(); }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    ScriptedRandom random;

private:
    QString oldDir_;
    std::unique_ptr<Program> program_;
};
