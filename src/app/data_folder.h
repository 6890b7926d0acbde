#pragma once

#include <QString>
#include <QStringList>

// Where the program keeps its data files. By default in the working directory (the launcher
// starts it in ~/Ziftora). A school that puts one folder on its server for a whole class names it
// once for every computer, in the system-wide settings file (on Linux
// /etc/xdg/Ziftora/Ziftora.conf, a line "folder=/mnt/schule/ziftora"), and the option
// "--ordner PATH" (or "--ordner=PATH") names one for a single start and wins over the setting.

// The folder named in the system-wide settings file, and that file's name for messages.
struct FolderSetting {
    QString folder; // empty when none is named
    QString file;
};
FolderSetting systemFolderSetting();

struct DataFolder {
    QString path; // the named folder, absolute; empty: stay in the working directory
    QString error; // German, for a message before the program ends; empty when the folder is fine
};

// Picks the folder from the program's arguments (the first is the program itself) and the
// setting, and checks it: it must be there, be a folder, and take new files. A folder is never
// created: a missing one is most often a server share that is not connected, and a folder made
// in its place would keep the class's data on one computer. A relative name counts from the
// working directory.
DataFolder chooseDataFolder(const QStringList& arguments, const FolderSetting& setting);
