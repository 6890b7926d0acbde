// Which folder the program works in: the option, the system-wide setting, and folders that cannot
// be used.
#include "app/data_folder.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class DataFolderTests : public QObject {
    Q_OBJECT
    QTemporaryDir
            dir_; // holds the folders "klasse", "server" and "nur" (read-only), a file "datei"

private slots:
    void initTestCase()
    {
        QDir d(dir_.path());
        QFile file(d.filePath("datei"));
        QVERIFY(d.mkdir("klasse") && d.mkdir("server") && d.mkdir("nur")
                && file.open(QIODevice::WriteOnly)
                && QFile::setPermissions(d.filePath("nur"), QFile::ReadOwner | QFile::ExeOwner)
                && QDir::setCurrent(dir_.path())); // where relative names count from
    }

    void choice_data()
    { // "@" stands for the test's folder
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("error");
        const QString end = "\n\nZiftora wird beendet.",
                      conf = " (eingestellt in /etc/xdg/Ziftora/Ziftora.conf)";
        const auto row = [](const char* name, const QStringList& arguments, const QString& setting,
                            const QString& folder, const QString& error = QString()) {
            QTest::newRow(name) << arguments << setting << folder << error;
        };
        row("nothing named", { "ziftora", "-style", "fusion", "ordner", "--ordnerx" }, " ", "");
        row("setting", { "ziftora" }, "@/server", "@/server");
        row("option wins", { "ziftora", "--ordner", "@/klasse" }, "@/server", "@/klasse");
        row("relative, the last wins", { "ziftora", "--ordner", "@/datei", "--ordner=klasse/" }, "",
            "@/klasse");
        row("no folder after the option", { "ziftora", "--ordner=@/klasse", "--ordner" },
            "@/server", "", "Nach --ordner fehlt der Ordner." + end);
        row("missing folder", { "ziftora" }, "@/fehlt", "@/fehlt",
            "Den Ordner @/fehlt für die Dateien von Ziftora gibt es nicht" + conf
                    + ".\nIst das Netzlaufwerk verbunden?" + end);
        row("a file", { "ziftora", "--ordner", "datei" }, "@/server", "@/datei",
            "@/datei ist kein Ordner (angegeben mit --ordner)." + end);
        row("read-only folder", { "ziftora" }, "@/nur", "@/nur",
            "Im Ordner @/nur kann Ziftora keine Dateien anlegen" + conf
                    + ".\nAlle, die Ziftora dort nutzen, brauchen Lese- und Schreibrechte." + end);
    }
    void choice()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, setting);
        QFETCH(QString, folder);
        QFETCH(QString, error);
        if (setting.endsWith("/nur") && QFileInfo("nur").isWritable())
            QSKIP("run as root, who may write anywhere");
        const DataFolder chosen = chooseDataFolder(
                arguments.replaceInStrings("@", dir_.path()),
                { setting.replace("@", dir_.path()), "/etc/xdg/Ziftora/Ziftora.conf" });
        QCOMPARE(chosen.path, folder.replace("@", dir_.path()));
        QCOMPARE(chosen.error, error.replace("@", dir_.path()));
        if (chosen.error.isEmpty() && !chosen.path.isEmpty()) // the folder was tried, not filled
            QCOMPARE(QDir(chosen.path).entryList(QDir::Files), QStringList());
    }

    void settingsFile()
    { // a line at the top belongs to [General]; an unquoted comma does not split the name
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
        QSKIP("there the system-wide settings are kept in the registry or a property list");
#endif
        for (const QByteArray& conf : { QByteArray("folder=/mnt/a,b\n[Klasse]\nfolder=/x\n"),
                                        QByteArray("[General]\r\nfolder=/mnt/a,b\r\n") }) {
            QTemporaryDir etc;
            QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, etc.path());
            QFile f(etc.filePath("Ziftora/Ziftora.conf"));
            QVERIFY(QDir(etc.path()).mkdir("Ziftora") && f.open(QIODevice::WriteOnly)
                    && f.write(conf) == conf.size());
            f.close();
            const FolderSetting setting = systemFolderSetting();
            QCOMPARE(QStringList({ setting.folder, setting.file }),
                     QStringList({ "/mnt/a,b", f.fileName() }));
        }
    }
};

QTEST_GUILESS_MAIN(DataFolderTests)
#include "data_folder_tests.moc"
