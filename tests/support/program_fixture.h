#pragma once

// A fresh program for one test, built as main.cpp builds it but with scripted dialogs and random
// source, in a working directory of its own; verbs for what a person does and sees. E.g.
//   f.startQuietly({{"ZIFTORA.INI", "Anna\r\nBen\r\n"}}); f.password();
//   f.click("errorListPicture"); QCOMPARE(f.seen(), Boxes{ScriptedDialogs::password("Ziftora")});

#include "desktop_doubles.h"
#include "scripted_clock.h"
#include "scripted_dialogs.h"
#include "scripted_random.h"

#include "app/program.h"
#include "models/error_list.h"
#include "models/mandatory_tasks.h"
#include "models/training_session.h"
#include "models/users.h"
#include "games/car_ride_window.h"
#include "games/chooser_window.h"
#include "games/homeward_ride_window.h"
#include "games/memory_window.h"
#include "games/number_catch_window.h"
#include "games/prison_window.h"
#include "platform/list_box.h"
#include "training/error_list_window.h"
#include "training/info_window.h"
#include "training/progress_window.h"
#include "platform/picture_button.h"
#include "training/training_window.h"
#include "training/user_window.h"
#include "worksheets/worksheet_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

using Shown = ScriptedDialogs::Shown;
using Boxes = QList<ScriptedDialogs::Shown>;
using Files = QMap<QString, QByteArray>;

class ProgramFixture {
public:
    // Works in a temporary folder, or in the given one (e.g. on a small disk of the test's own).
    explicit ProgramFixture(const QString& folder = QString())
        : folder_(folder.isEmpty() ? dir.path() : folder), oldDir_(QDir::currentPath())
    {
        QDir::setCurrent(folder_);
    }
    ~ProgramFixture()
    {
        program_.reset();
        QDir::setCurrent(oldDir_);
    }

    // Writes the files (byte for byte), builds the program and runs its start-up; the start-up's
    // dialogs stay recorded. startQuietly adds an empty mandatory task file unless one is given, so
    // that the start-up asks nothing, and forgets what the start-up showed.
    Program& start(const Files& files = {})
    {
        for (auto it = files.cbegin(); it != files.cend(); ++it)
            writeFile(it.key(), it.value());
        program_ = std::make_unique<Program>(
                Desktop{ dialogs, random, clipboard, timers, printer, clock });
        program_->start();
        return *program_;
    }
    Program& startQuietly(Files files = {})
    {
        files.insert(QStringLiteral("ZIFTORA.DAT"), files.value(QStringLiteral("ZIFTORA.DAT")));
        start(files);
        dialogs.take();
        return *program_;
    }

    void writeFile(const QString& name, const QByteArray& bytes)
    {
        QFile f(QDir(folder_).filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate)
                && f.write(bytes) == bytes.size());
    }
    QByteArray file(const QString& name) const
    {
        QFile f(QDir(folder_).filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Every file in the folder but the children's histories, which every checked answer writes
    // (the history's own tests read them).
    Files allFiles() const
    {
        Files all;
        for (const QString& name :
             QDir(folder_).entryList(QDir::Files | QDir::Hidden | QDir::System))
            if (!(name.startsWith(QStringLiteral("ZIFTORA.H")) && name.size() == 17))
                all.insert(name, file(name));
        return all;
    }

    // A window by its class name ("TrainingWindow", "RewardChooser", "ProgressWindow", ...); an
    // unknown name stops the test. A control by its name in the training window ("checkButton")
    // or in another window ("ErrorListWindow/taskList").
    QWidget* window(const QString& name) const
    {
        const QMap<QString, std::function<QWidget*()>> windows{
            { "TrainingWindow", [this] { return &program_->trainingWindow(); } },
            { "UserWindow", [this] { return &program_->userWindow(); } },
            { "ErrorListWindow", [this] { return &program_->errorListWindow(); } },
            { "InfoWindow", [this] { return &program_->infoWindow(); } },
            { "RewardChooser", [this] { return &program_->rewardChooser(); } },
            { "PrisonWindow", [this] { return &program_->prisonWindow(); } },
            { "NumberCatchWindow", [this] { return &program_->numberCatchWindow(); } },
            { "MemoryWindow", [this] { return &program_->memoryWindow(); } },
            { "CarRideWindow", [this] { return &program_->carRideWindow(); } },
            { "HomewardRideWindow", [this] { return &program_->homewardRideWindow(); } },
            { "WorksheetWindow", [this] { return &program_->worksheetWindow(); } },
            { "ProgressWindow", [this] { return &program_->progressWindow(); } }
        };
        if (!windows.contains(name))
            qFatal("no window %s", qPrintable(name));
        return windows[name]();
    }
    template<typename T = QWidget>
    T* control(const QString& path) const
    {
        const qsizetype slash = path.indexOf(u'/');
        T* found = window(slash < 0 ? QStringLiteral("TrainingWindow") : path.left(slash))
                           ->template findChild<T*>(path.mid(slash + 1));
        if (!found)
            qFatal("no control %s", qPrintable(path));
        return found;
    }
    // Clicks a button, picture or clickable label as the mouse does.
    void click(const QString& path)
    {
        QWidget* clicked = control(path);
        if (auto* button = qobject_cast<QAbstractButton*>(clicked))
            button->click();
        else
            QTest::mouseClick(clicked, Qt::LeftButton);
    }
    QString caption(const QString& path) const
    {
        QWidget* shown = control(path);
        auto* button = qobject_cast<QAbstractButton*>(shown);
        return button ? button->text() : qobject_cast<QLabel*>(shown)->text();
    }
    QStringList entries(const QString& path) const { return control<ListBox>(path)->entries(); }

    // The child's keyboard: type() and answer() (with Enter) at the check button; key() presses
    // one key at a control, times over; holdReturn() sends a Return held down (auto-repeated).
    void type(const QString& text, const QString& at = QStringLiteral("checkButton"))
    {
        QTest::keyClicks(control(at), text);
    }
    void answer(const QString& text)
    {
        type(text);
        key(Qt::Key_Return);
    }
    void key(Qt::Key key, const QString& at = QStringLiteral("checkButton"), int times = 1,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        while (times-- > 0)
            QTest::keyClick(control(at), key, modifiers);
    }
    void holdReturn(const QString& at)
    {
        QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"),
                       true);
        QApplication::sendEvent(control(at), &held);
    }
    // Puts a task on screen as the generator would: its text, its answer, an empty entry.
    void putTask(const QString& task, const QString& answer)
    {
        program_->session().setTaskText(task);
        program_->session().setEntryDisplay(QString());
        state().expectedAnswer = answer;
        state().entryText.clear();
    }
    // The next password box gets the answer of the task on screen, or the given text.
    void password() { dialogs.answerPassword(state().expectedAnswer); }
    void password(const QString& typed) { dialogs.answerPassword(typed); }
    Boxes seen() { return dialogs.take(); }

    Program& program() { return *program_; }
    TrainingWindow& trainingWindow() { return program_->trainingWindow(); }
    TrainingState& state() { return program_->state(); }
    TrainingSession& session() { return program_->session(); }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    ScriptedRandom random;
    RecordingClipboard clipboard;
    ManualTimers timers;
    RecordingPrinter printer;
    ScriptedClock clock;

private:
    QString folder_;
    QString oldDir_;
    std::unique_ptr<Program> program_;
};
