#pragma once

#include "platform/dialogs.h"

// The desktop's dialogs: QMessageBox and QInputDialog with German buttons.
class QtDialogs final : public Dialogs {
public:
    MsgResult msgBox(const QString& text, MsgStyles style, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    QString passwordBox(const QString& prompt, const QString& title) override;
    void beep() override;

private:
    QString askText(const QString& prompt, const QString& title, const QString& defaultText,
                    bool hidden);
};
