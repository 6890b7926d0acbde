#pragma once

#include "platform/dialogs.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <utility>

// Dialogs for tests, failing closed both ways; every box is recorded as the program asked for it.
// Yes/No, input and password boxes take scripted answers in order, and one without an answer fails
// the test (never a window, never a wait); OK-only boxes never take one; an unused answer fails
// too.
class ScriptedDialogs final : public Dialogs {
public:
    ~ScriptedDialogs() override;

    struct Shown {
        QString kind, text; // "msg", "input" or "password"; the message text or the prompt
        int style = 0;
        QString title, defaultText;
        bool operator==(const Shown&) const = default;
    };

    void answerMsg(MsgResult result) { msgAnswers_.append(result); }
    void answerMsg(int result) { msgAnswers_.append(MsgResult(result)); }
    void answerInput(const QString& text) { inputAnswers_.append(text); }
    void answerPassword(const QString& text) { passwordAnswers_.append(text); }

    MsgResult msgBox(const QString& text, MsgStyles style, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    QString passwordBox(const QString& prompt, const QString& title) override;
    void beep() override { ++beeps; }

    // Runs while each box is open, e.g. to move a scripted clock: a child reads a message.
    std::function<void()> whileOpen = [] {};

    // Everything shown so far, in order; Take() returns it and starts a fresh record.
    QList<Shown> shown;
    QList<Shown> take() { return std::exchange(shown, {}); }
    int beeps = 0;

    static Shown msg(const QString& text, int style, const QString& title)
    {
        return { "msg", text, style, title, {} };
    }
    static Shown input(const QString& prompt, const QString& title, const QString& def = {})
    {
        return { "input", prompt, 0, title, def };
    }
    static Shown password(const QString& title)
    {
        return { "password", "Passwort eingeben:", 0, title, {} };
    }

private:
    QList<MsgResult> msgAnswers_;
    QStringList inputAnswers_, passwordAnswers_;
};

// Lets QCOMPARE print a recorded dialog when a comparison fails.
char* toString(const ScriptedDialogs::Shown& s);
