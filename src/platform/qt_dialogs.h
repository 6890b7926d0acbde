#pragma once

#include "platform/dialogs.h"

// The desktop's dialogs: QMessageBox and QInputDialog with German buttons.
class QtDialogs final : public Dialogs {
public:
    int MsgBox(const QString& text, int style, const QString& title) override;
    QString InputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    QString PasswordBox(const QString& prompt, const QString& title) override;
    void Beep() override;

private:
    QString AskText(const QString& prompt, const QString& title, const QString& defaultText,
                    bool hidden);
};
