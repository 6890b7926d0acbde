#pragma once

#include "platform/dialogs.h"

// The teacher functions are guarded by one password: the expected answer of the task on screen.
// What is typed is hidden. A cancelled prompt gives "", which never equals an answer, so cancelling
// refuses.
inline bool askPassword(Dialogs& dialogs, const QString& expectedAnswer, const QString& title)
{
    const QString typed = dialogs.passwordBox(QStringLiteral("Passwort eingeben:"), title);
    return !typed.isEmpty() && typed == expectedAnswer;
}
