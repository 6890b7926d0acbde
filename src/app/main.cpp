// Ziftora starts here: the desktop's services (dialogs, clipboard, timers, printer, clock) and the
// program's random source are handed to the program object, which builds the windows and runs the
// training window's start-up. The program keeps its files (ZIFTORA.INI, .INF, .DAT and the error
// files) in the working directory, or in the folder named by --ordner or the system-wide setting.

#include "platform/clock.h"
#include "platform/desktop_printer.h"
#include "platform/game_timer.h"
#include "platform/german_texts.h"
#include "platform/qt_clipboard.h"
#include "platform/qt_dialogs.h"
#include "platform/random_source.h"
#include "app/data_folder.h"
#include "app/program.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ziftora"));
    QApplication::setApplicationVersion(QStringLiteral(ZIFTORA_VERSION));
    // The windows only hide when closed; the program ends through its exit question.
    QApplication::setQuitOnLastWindowClosed(false);
    useGermanQtTexts();

    QtDialogs dialogs;
    // A folder named for the data that cannot be used ends the program before anything is read:
    // working elsewhere would split a class's data between folders.
    DataFolder folder = chooseDataFolder(QApplication::arguments(), systemFolderSetting());
    if (folder.error.isEmpty() && !folder.path.isEmpty() && !QDir::setCurrent(folder.path))
        folder.error = QStringLiteral("Der Ordner %1 kann nicht geöffnet werden.\n\n"
                                      "Ziftora wird beendet.")
                               .arg(QDir::toNativeSeparators(folder.path));
    if (!folder.error.isEmpty()) {
        dialogs.msgBox(folder.error, MsgStyle::Stop, QStringLiteral("Ziftora"));
        return 1;
    }
    ProgramRandom random;
    QtClipboard clipboard;
    QtTimers timers;
    DesktopPrinter printer(dialogs);
    SystemClock clock;
    Program program(Desktop{ dialogs, random, clipboard, timers, printer, clock });
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/ziftora.svg")));
    program.start();
    return QApplication::exec();
}
