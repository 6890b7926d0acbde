#pragma once

#include "platform/dialogs.h"

// The teacher functions are guarded by one password: the expected answer of the task on screen.
// A cancelled prompt gives "", which never equals an answer, so cancelling refuses.
inline bool AskPassword(Dialogs& dialogs, const QString& expectedAnswer, const QString& title)
{
    const QString typed = dialogs.InputBox(QStringLiteral("Passwort eingeben:"), title, QString());
    return !typed.isEmpty() && typed == expectedAnswer;
}
