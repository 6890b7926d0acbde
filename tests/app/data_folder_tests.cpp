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
            dir_; // holds the folders "klasse" and "server", a file "datei", a read-only "nur"

private slots:
    void initTestCase()
    {
        QDir d(dir_.path());
        QVERIFY(d.mkdir("klasse") && d.mkdir("server") && d.mkdir("nur"));
        QFile file(d.filePath("datei"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(QFile::setPermissions(d.filePath("nur"), QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(QDir::setCurrent(dir_.path())); // where relative names count from
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
        row("nothing named: the working directory", { "ziftora" }, "", "");
        row("blank setting", { "ziftora", "-style", "fusion", "ordner", "--ordnerx" }, "  ", "");
        row("setting", { "ziftora" }, "@/server", "@/server");
        row("option wins over setting", { "ziftora", "--ordner", "@/klasse" }, "@/server",
            "@/klasse");
        row("option with =", { "ziftora", "--ordner=@/klasse" }, "", "@/klasse");
        row("relative option, last one wins",
            { "ziftora", "--ordner", "@/datei", "--ordner=klasse/" }, "", "@/klasse");
        row("option without folder", { "ziftora", "--ordner=@/klasse", "--ordner" }, "@/server", "",
            "Nach --ordner fehlt der Ordner." + end);
        row("option with empty folder", { "ziftora", "--ordner=" }, "", "",
            "Nach --ordner fehlt der Ordner." + end);
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
        arguments.replaceInStrings("@", dir_.path());
        const DataFolder chosen = chooseDataFolder(
                arguments, { setting.replace("@", dir_.path()), "/etc/xdg/Ziftora/Ziftora.conf" });
        QCOMPARE(chosen.path, folder.replace("@", dir_.path()));
        QCOMPARE(chosen.error, error.replace("@", dir_.path()));
        if (chosen.error.isEmpty() && !chosen.path.isEmpty()) // the folder was tried, not filled
            QCOMPARE(QDir(chosen.path).entryList(QDir::Files), QStringList());
    }

    void settingsFile_data()
    {
        QTest::addColumn<QByteArray>("conf");
        QTest::addColumn<QString>("folder");
        QTest::newRow("at the top") << QByteArray("folder=/mnt/schule\n") << "/mnt/schule";
        QTest::newRow("in [General], with a comma")
                << QByteArray("[General]\r\nfolder=/mnt/a,b\r\n") << "/mnt/a,b";
        QTest::newRow("in another group") << QByteArray("[Klasse]\nfolder=/mnt/x\n") << "";
        QTest::newRow("no file") << QByteArray() << "";
    }
    void settingsFile()
    {
        QFETCH(QByteArray, conf);
        QFETCH(QString, folder);
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
        QSKIP("there the system-wide settings are kept in the registry or a property list");
#endif
        QTemporaryDir etc;
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, etc.path());
        const QString file = etc.filePath("Ziftora/Ziftora.conf");
        QFile f(file);
        QVERIFY(conf.isEmpty()
                || (QDir(etc.path()).mkdir("Ziftora") && f.open(QIODevice::WriteOnly)
                    && f.write(conf) == conf.size()));
        f.close();
        const FolderSetting setting = systemFolderSetting();
        QCOMPARE(setting.folder, folder);
        QCOMPARE(setting.file, file);
    }
};

QTEST_GUILESS_MAIN(DataFolderTests)
#include "data_folder_tests.moc"
