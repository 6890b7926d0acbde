#include "models/reward_interval.h"

#include "platform/dialogs.h"
#include "platform/settings_value.h"
#include "platform/text_file.h"

RewardInterval::RewardInterval(Dialogs& dialogs) : dialogs_(dialogs) { }

void RewardInterval::load()
{
    value_ = Default;
    const QString path = QString::fromLatin1(FileName);
    QString first;
    QStringList lines;
    if (TextFile::readFirstField(path, &first)) {
        if (const auto read = parseRewardInterval(first))
            value_ = *read;
    } else if (TextFile::kind(path) != TextFile::FileKind::Absent
               && !TextFile::readLines(path, &lines)) {
        // An empty file simply keeps the default; one that is there but cannot be read is said.
        dialogs_.msgBox(QStringLiteral("Die Datei ZIFTORA.INF konnte nicht gelesen werden.\r"
                                       "Nach 20 Aufgaben gibt es eine Spielrunde.\r"),
                        MsgStyle::Information, QStringLiteral("Belohnung"));
    }
    emit changed();
}
