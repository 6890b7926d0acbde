#pragma once

// A fresh program for one test, built exactly as main.cpp builds it but with scripted dialogs and a
// scripted random source, in a temporary working directory of its own. The verbs say what a person
// does: start with these files, click a control by name, type, give the password; and what they
// see: the dialogs shown, the controls' captions and lists, the files on disk byte for byte.
// Link the test with ziftora_app.
//
//   ProgramFixture f;
//   f.Start({{"ZIFTORA.INI", "Anna\r\nBen\r\n"}});
//   f.Password();                  // the next password box gets the right answer
//   f.Click("Bild8");              // the error list window opens
//   QCOMPARE(f.Seen(), Boxes{ScriptedDialogs::Password("Ziftora")});

#include "scripted_dialogs.h"
#include "scripted_random.h"

#include "app/program.h"
#include "engine/training_state.h"
#include "platform/list_box.h"
#include "training/error_list_window.h"
#include "training/info_window.h"
#include "training/picture_button.h"
#include "training/training_window.h"
#include "training/user_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using Shown = ScriptedDialogs::Shown;
using Boxes = QList<ScriptedDialogs::Shown>;
using Files = QMap<QString, QByteArray>;

class ProgramFixture {
public:
    ProgramFixture() : ProgramFixture(QString()) {}
    // Works in the given folder instead of a temporary one (e.g. on a small disk of the test's own).
    explicit ProgramFixture(const QString& folder)
        : folder_(folder.isEmpty() ? dir.path() : folder), oldDir_(QDir::currentPath())
    {
        QDir::setCurrent(folder_);
    }
    ~ProgramFixture()
    {
        program_.reset();
        QDir::setCurrent(oldDir_);
    }

    // Puts files into the working directory (byte for byte), builds the program and runs its
    // start-up. The start-up's dialogs stay in dialogs.shown.
    Program& Start(const Files& files = {})
    {
        for (auto it = files.cbegin(); it != files.cend(); ++it)
            WriteFile(it.key(), it.value());
        program_ = std::make_unique<Program>(dialogs, random);
        program_->Start();
        return *program_;
    }
    // Starts with a mandatory task file, so that the start-up shows no dialog, and forgets the
    // start-up's dialogs; `files` may add more (or give ZIFTORA.DAT a content of its own).
    Program& StartQuietly(Files files = {})
    {
        if (!files.contains(QStringLiteral("ZIFTORA.DAT")))
            files.insert(QStringLiteral("ZIFTORA.DAT"), QByteArray());
        Start(files);
        dialogs.Take();
        return *program_;
    }

    void WriteFile(const QString& name, const QByteArray& bytes)
    {
        QFile f(QDir(folder_).filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QByteArray File(const QString& name) const
    {
        QFile f(QDir(folder_).filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    bool FileExists(const QString& name) const { return QFile::exists(QDir(folder_).filePath(name)); }
    // Every file of the working directory with its bytes.
    Files AllFiles() const
    {
        Files all;
        for (const QString& name : QDir(folder_).entryList(QDir::Files | QDir::Hidden | QDir::System))
            all.insert(name, File(name));
        return all;
    }

    // A control of any of the program's windows, by its name ("Form8/Liste1" for another window's).
    template <typename T = QWidget>
    T* Control(const QString& path) const
    {
        const qsizetype slash = path.indexOf(u'/');
        QWidget* window = slash < 0 ? static_cast<QWidget*>(&program_->form1()) : Window(path.left(slash));
        T* found = window ? window->findChild<T*>(path.mid(slash + 1)) : nullptr;
        if (!found)
            qFatal("no control %s", qPrintable(path));
        return found;
    }
    // Clicks a button, picture or clickable label as the mouse does.
    void Click(const QString& path)
    {
        QWidget* control = Control(path);
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            button->click();
        else if (auto* label = qobject_cast<ClickableLabel*>(control))
            label->onClick();
        else
            qFatal("%s cannot be clicked", qPrintable(path));
    }
    // Presses the training window's button that shows this caption ("7", "Entf", "plus").
    void Press(const QString& caption)
    {
        for (QAbstractButton* button : program_->form1().findChildren<QAbstractButton*>())
            if (button->text() == caption)
                return button->click();
        qFatal("no button %s", qPrintable(caption));
    }
    QString Caption(const QString& path) const
    {
        QWidget* control = Control(path);
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            return button->text();
        return qobject_cast<QLabel*>(control)->text();
    }
    QStringList Entries(const QString& path) const { return Control<ListBox>(path)->Entries(); }

    // Typing on the keyboard of the training window, as the child does; Enter checks.
    void Type(const QString& keys) { QTest::keyClicks(program_->form1().Befehl11, keys); }
    void Key(Qt::Key key) { QTest::keyClick(program_->form1().Befehl11, key); }
    void Answer(const QString& keys)
    {
        Type(keys);
        Key(Qt::Key_Return);
    }
    // Keys pressed at a control ("Form8/Liste1"; the check button if none is named): B Backspace,
    // R Return, H a Return held down, N the keypad's Enter, E Escape, L the right arrow; any other
    // character is typed as it is.
    void Keys(const QString& keys, const QString& at = QStringLiteral("Befehl11"))
    {
        QWidget* target = Control(at);
        QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
        const Qt::Key named[] = {Qt::Key_Backspace, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Right};
        for (const QChar k : keys) {
            const qsizetype i = QStringLiteral("BRNEL").indexOf(k);
            if (k == u'H')
                QApplication::sendEvent(target, &held);
            else if (i < 0)
                QTest::keyClicks(target, QString(k));
            else
                QTest::keyClick(target, named[i], k == u'N' ? Qt::KeypadModifier : Qt::NoModifier);
        }
    }
    // Puts a task on screen as the generator would: its text, its answer, an empty entry.
    void PutTask(const QString& task, const QString& answer)
    {
        program_->form1().SetTaskText(task);
        program_->form1().SetEntryDisplay(QString());
        state().ExpectedAnswer = answer;
        state().EntryText.clear();
    }
    // The next password box gets the answer of the task on screen (or the given text).
    void Password() { dialogs.AnswerPassword(state().ExpectedAnswer); }
    void Password(const QString& typed) { dialogs.AnswerPassword(typed); }
    Boxes Seen() { return dialogs.Take(); }

    Program& program() { return *program_; }
    Form1& form1() { return program_->form1(); }
    Form7& form7() { return program_->form7(); }
    Form8& form8() { return program_->form8(); }
    MODUL1& state() { return program_->State(); }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    ScriptedRandom random;

    // A window by its name: "Form1", "Form7", "Form8" or "ZFTLABEL".
    QWidget* Window(const QString& name) const
    {
        if (name == QLatin1String("Form7"))
            return &program_->form7();
        if (name == QLatin1String("Form8"))
            return &program_->form8();
        if (name == QLatin1String("ZFTLABEL"))
            return &program_->zftlabel();
        return &program_->form1();
    }

private:
    QString folder_;
    QString oldDir_;
    std::unique_ptr<Program> program_;
};
