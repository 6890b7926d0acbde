#pragma once

#include <QFlags>

#include <QString>

// Modal dialogs of the program. A message box's style is a button set, an icon and the default
// button, or-ed together; the numbers are those the program has always used, so a style reads the
// same in a test as it did: 0 OK | 20 Yes/No, stop icon | 36 Yes/No, question icon | 64 OK,
// information icon | 276 Yes/No, stop icon, No default | 292 Yes/No, question icon, No default.
enum class MsgStyle {
    OkOnly = 0,
    YesNo = 4,
    Stop = 16,
    Question = 32,
    Exclamation = 48,
    Information = 64,
    DefaultButton2 = 256,
};
Q_DECLARE_FLAGS(MsgStyles, MsgStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(MsgStyles)

// The icon of a style: OkOnly (none), Stop, Question, Exclamation or Information.
inline MsgStyle messageIcon(MsgStyles style)
{
    return MsgStyle(style.toInt()
                    & (int(MsgStyle::Stop) | int(MsgStyle::Question) | int(MsgStyle::Information)));
}

// What the person answered a message box with.
enum class MsgResult { Ok = 1, Yes = 6, No = 7 };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MsgResult msgBox(const QString& text, MsgStyles style, const QString& title) = 0;
    // Returns the typed text, or "" when the person cancels.
    virtual QString inputBox(const QString& prompt, const QString& title,
                             const QString& defaultText) = 0;
    // An input box whose typed characters are hidden behind dots, with an empty default.
    virtual QString passwordBox(const QString& prompt, const QString& title) = 0;
    virtual void beep() = 0;
};
