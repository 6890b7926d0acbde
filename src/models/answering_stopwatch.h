#pragma once

#include "platform/dialogs.h"

#include <QDateTime>

class Clock;

// How long the child took to answer: from the task being shown, or from the "Rechenfehler" box
// being closed, to the answer being checked, without the time any message box is open, and at most
// three minutes, so that a break in front of a task does not count as answering.
class AnsweringStopwatch {
public:
    static constexpr qint64 CapMs = 3 * 60 * 1000;

    explicit AnsweringStopwatch(const Clock& clock) : clock_(clock) { }

    // A task is shown, or the "Rechenfehler" box was closed: counting starts afresh. While a box
    // is still open it starts when the last one closes.
    void start();
    // A message box opens or closes. Boxes may open over one another; the time runs again when
    // the last one is closed.
    void pause();
    void resume();
    // The answering time so far in milliseconds, at most CapMs; 0 before the first start. A clock
    // set back never makes it shrink below what was already counted.
    qint64 elapsedMs() const;

private:
    qint64 runningMs() const;

    const Clock& clock_;
    QDateTime runningSince_; // invalid while paused or before the first start
    qint64 countedMs_ = 0; // the stretches before the last pause
    int openBoxes_ = 0;
    bool started_ = false;
};

// The dialogs of the training window, passed through, with the stopwatch paused while each box
// is open: message boxes and the password and input boxes alike.
class PausingDialogs final : public Dialogs {
public:
    PausingDialogs(Dialogs& dialogs, AnsweringStopwatch& stopwatch)
        : dialogs_(dialogs), stopwatch_(stopwatch)
    {
    }
    MsgResult msgBox(const QString& text, MsgStyles style, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    QString passwordBox(const QString& prompt, const QString& title) override;
    void beep() override { dialogs_.beep(); }

private:
    Dialogs& dialogs_;
    AnsweringStopwatch& stopwatch_;
};
