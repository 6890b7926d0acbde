// Ziftora starts here: the desktop's services (dialogs, clipboard, timers, printer, clock) and the
// program's random source are handed to the program object, which builds the windows and runs the
// training window's start-up. The program keeps its files (ZIFTORA.INI, .INF, .DAT and the error
// files) in the working directory.

#include "platform/clock.h"
#include "platform/desktop_printer.h"
#include "platform/game_timer.h"
#include "platform/german_texts.h"
#include "platform/qt_clipboard.h"
#include "platform/qt_dialogs.h"
#include "platform/random_source.h"
#include "app/program.h"

#include <QApplication>
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
