#pragma once

// Helpers for the answering tests: a started program, a known task on screen, typing.

#include "program_fixture.h"

#include "platform/list_box.h"
#include "platform/controls.h"
#include "training/error_list_window.h"
#include "training/picture_button.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using Shown = ScriptedDialogs::Shown;
using Boxes = QList<ScriptedDialogs::Shown>;

// Starts the program and drops the start-up's note about the missing mandatory task file.
inline void StartQuietly(ProgramFixture& f)
{
    f.Start();
    f.dialogs.Take();
}

// Puts a task on screen as the generator would: its text, its answer, an empty entry.
inline void PutTask(ProgramFixture& f, const QString& task, const QString& answer)
{
    f.form1().SetTaskText(task);
    f.form1().SetEntryDisplay(QString());
    f.state().ExpectedAnswer = answer;
    f.state().EntryText.clear();
}

// Types on the keyboard of the training window, as the child does.
inline void Type(ProgramFixture& f, const QString& keys)
{
    QTest::keyClicks(f.form1().Befehl11, keys);
}

inline void Enter(ProgramFixture& f)
{
    QTest::keyClick(f.form1().Befehl11, Qt::Key_Return);
}

// Answers the task on screen: right or wrong.
inline void Answer(ProgramFixture& f, const QString& keys)
{
    Type(f, keys);
    Enter(f);
}

inline bool PracticeCoverOn(ProgramFixture& f)
{
    return Twips::Left(f.form1().Befehl22) == 240;
}

inline QStringList ErrorTasks(ProgramFixture& f) { return f.program().form8().Liste1->Entries(); }
inline QStringList ErrorAnswers(ProgramFixture& f) { return f.program().form8().Liste2->Entries(); }
inline QStringList SortedAnswers(ProgramFixture& f) { return f.program().form8().Liste3->Entries(); }

// Puts the given tasks into the error list by answering each of them wrongly.
inline void AnswerWrongly(ProgramFixture& f, const QStringList& tasks, const QStringList& answers)
{
    for (int i = 0; i < tasks.size(); ++i) {
        PutTask(f, tasks.at(i), answers.at(i));
        Answer(f, answers.at(i) == QStringLiteral("0") ? QStringLiteral("1") : QStringLiteral("0"));
    }
    f.dialogs.Take();
}

inline const Shown WrongBox =
    ScriptedDialogs::Msg(QStringLiteral("Das ist leider falsch!\r"), 0, QStringLiteral("Rechenfehler"));
