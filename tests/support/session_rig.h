#pragma once

// The models of one run without any window, built as the program builds them, with scripted
// dialogs and random draws, in a temporary working folder of their own. `files` are written first
// (byte for byte); an empty mandatory task file is there unless one is given, so the start-up asks
// nothing. Call start() for the program's start-up.

#include "scripted_clock.h"
#include "scripted_dialogs.h"
#include "scripted_random.h"

#include "engine/training_state.h"
#include "models/answering_stopwatch.h"
#include "models/error_list.h"
#include "models/history.h"
#include "models/mandatory_tasks.h"
#include "models/reward_interval.h"
#include "models/training_session.h"
#include "models/users.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>

#include <functional>

struct SessionRig {
    explicit SessionRig(QMap<QString, QByteArray> files = {})
    {
        QDir::setCurrent(dir.path());
        files.insert(QStringLiteral("ZIFTORA.DAT"), files.value(QStringLiteral("ZIFTORA.DAT")));
        for (auto it = files.cbegin(); it != files.cend(); ++it)
            write(it.key(), it.value());
    }
    ~SessionRig() { QDir::setCurrent(oldDir); }
    static void write(const QString& name, const QByteArray& bytes)
    {
        QFile f(name);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(name));
    }
    static QByteArray read(const QString& name)
    {
        QFile f(name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void start() { session.startUp(); }
    // The child's keys: digits append, "<", "=" and ">" replace; answer() checks after them.
    void type(const QString& keys)
    {
        for (const QChar c : keys)
            c.isDigit() ? session.typeDigit(c) : session.typeSign(c);
    }
    void answer(const QString& keys)
    {
        type(keys);
        session.check();
    }
    // Puts a task on screen as the generator would.
    void putTask(const QString& task, const QString& answer)
    {
        session.setTaskText(task);
        session.setEntryDisplay(QString());
        state.expectedAnswer = answer;
        state.entryText.clear();
    }

    const QString oldDir = QDir::currentPath();
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    ScriptedRandom random;
    ScriptedClock clock;
    TrainingState state;
    Users users{ dialogs, state, clock };
    ErrorList errors{ dialogs, users };
    MandatoryTasks mandatory{ dialogs, clock };
    RewardInterval rewardInterval{ dialogs };
    // The children's histories are not kept, in a folder that is never made: no test of the rig
    // reads them (the program's own tests do), and one synced file for each of thousands of
    // answers would take minutes.
    History history{ dir.filePath(QStringLiteral("no histories")) };
    AnsweringStopwatch stopwatch{ clock };
    TrainingSession session{ state, dialogs,        random,  errors,    mandatory,
                             users, rewardInterval, history, stopwatch, clock };
};

// What a person does in a table row, step by step.
using Step = std::function<void(SessionRig&)>;
using Steps = QList<Step>;
