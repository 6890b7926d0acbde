#include "app/data_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>

namespace {

const QString kOption = QStringLiteral("--ordner");
const QString kEnd = QStringLiteral("\n\nZiftora wird beendet.");

} // namespace

FolderSetting systemFolderSetting()
{
    // The native format: on Linux an INI file named Ziftora.conf (IniFormat would name it .ini),
    // where keys above any group belong to [General]; on Windows the machine's registry
    // (HKEY_LOCAL_MACHINE\Software\Ziftora\Ziftora), where schools set such values centrally.
    QSettings settings(QSettings::NativeFormat, QSettings::SystemScope, QStringLiteral("Ziftora"),
                       QStringLiteral("Ziftora"));
    settings.setFallbacksEnabled(false);
    // An unquoted comma makes a list of the value; the folder's name is all of it.
    return FolderSetting{ settings.value(QStringLiteral("folder")).toStringList().join(u','),
                          settings.fileName() };
}

DataFolder chooseDataFolder(const QStringList& arguments, const FolderSetting& setting)
{
    QString named = setting.folder.trimmed();
    QString origin =
            QStringLiteral("eingestellt in %1").arg(QDir::toNativeSeparators(setting.file));
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == kOption) {
            if (i + 1 == arguments.size())
                return { QString(),
                         QStringLiteral("Nach %1 fehlt der Ordner.").arg(kOption) + kEnd };
            named = arguments.at(++i);
        } else if (argument.startsWith(kOption + u'=')) {
            named = argument.mid(kOption.size() + 1);
        } else {
            continue;
        }
        origin = QStringLiteral("angegeben mit %1").arg(kOption);
        if (named.isEmpty())
            return { QString(), QStringLiteral("Nach %1 fehlt der Ordner.").arg(kOption) + kEnd };
    }
    if (named.isEmpty())
        return {};

    const QString path = QDir::cleanPath(QDir::current().absoluteFilePath(named));
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (!info.exists())
        return { path,
                 QStringLiteral("Den Ordner %1 für die Dateien von Ziftora gibt es nicht (%2).\n"
                                "Ist das Netzlaufwerk verbunden?")
                                 .arg(shown, origin)
                         + kEnd };
    if (!info.isDir())
        return { path, QStringLiteral("%1 ist kein Ordner (%2).").arg(shown, origin) + kEnd };
    // Whether a new file can be made there, tried rather than read from the rights: on a share
    // the rights this computer sees need not be the ones the server applies.
    QTemporaryFile probe(QDir(path).filePath(QStringLiteral("ZIFTORA.probe.XXXXXX")));
    if (!probe.open())
        return { path,
                 QStringLiteral("Im Ordner %1 kann Ziftora keine Dateien anlegen (%2).\n"
                                "Alle, die Ziftora dort nutzen, brauchen Lese- und Schreibrechte.")
                                 .arg(shown, origin)
                         + kEnd };
    return { path, QString() };
}
