#pragma once

#include <QString>

// Modal dialogs of the program. Message box styles are the sum of a button set, an icon and a
// default button; the ones the program uses:
//   0 OK | 20 Yes/No, stop icon | 36 Yes/No, question icon | 64 OK, information icon
//   276 Yes/No, stop icon, No default | 292 Yes/No, question icon, No default
// msgBox returns 1 for OK, 6 for Yes, 7 for No.
namespace MsgStyle {
constexpr int OkOnly = 0;
constexpr int YesNo = 4;
constexpr int Stop = 16;
constexpr int Question = 32;
constexpr int Exclamation = 48;
constexpr int Information = 64;
constexpr int DefaultButton2 = 256;
} // namespace MsgStyle

namespace MsgResult {
constexpr int Ok = 1;
constexpr int Yes = 6;
constexpr int No = 7;
} // namespace MsgResult

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual int msgBox(const QString& text, int style, const QString& title) = 0;
    // Returns the typed text, or "" when the person cancels.
    virtual QString inputBox(const QString& prompt, const QString& title,
                             const QString& defaultText) = 0;
    // An input box whose typed characters are hidden behind dots, with an empty default.
    virtual QString passwordBox(const QString& prompt, const QString& title) = 0;
    virtual void beep() = 0;
};
