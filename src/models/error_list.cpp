#include "models/error_list.h"

#include "models/users.h"
#include "platform/dialogs.h"

ErrorList::ErrorList(Dialogs& dialogs, Users& users) : dialogs_(dialogs), users_(users) { }

void ErrorList::browse(int step)
{
    users_.refresh(); // the names as other programs may have changed them
    const int count = users_.count();
    if (count == 0)
        return;
    int n = users_.selected() + step;
    if (n < 0)
        n = count - 1;
    if (n > count - 1)
        n = 0;
    emit browsedTo(users_.shownName(n));
    users_.select(n);
    loadSelectedChildsFile();
}

void ErrorList::loadSelectedChildsFile()
{
    // A missing file, or a child without a file of its own, shows an empty list; so does a file
    // that is there but cannot be read, which is said and left as it is.
    QStringList tasks;
    QStringList answers;
    QString fileName;
    if (!users_.readErrors(&tasks, &answers, &fileName)) {
        clear();
        dialogs_.msgBox(
                QStringLiteral("Die Fehlerdatei %1 konnte nicht gelesen werden.\r").arg(fileName),
                MsgStyle::Information, QStringLiteral("Fehlerliste"));
        return;
    }
    replace(tasks, answers);
}
