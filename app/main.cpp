#include "AppFolders.h"
#include "Clock.h"
#include "DownloaderLink.h"
#include "DownloaderServices.h"
#include "MainMDI.h"
#include "NetChart.h"
#include "QtDialogs.h"
#include "QuoteIndex.h"
#include "ShellStartup.h"

#include <QApplication>

namespace {

// The install settings window, shown modally before the main window when the command
// line is "install". The installer module registers it here when it is linked in;
// until then the program goes straight on to the main window.
std::function<void()> installWindow;

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnbeck"));

    SystemClock systemClock;
    setClock(&systemClock);
    QtDialogs qtDialogs;
    setDialogs(&qtDialogs);

    const CommandLine commandLine = parseCommandLine(QApplication::arguments().mid(1));
    if (!startShell(commandLine, defaultDataRoot()))
        return 1;

    // The quote, index-quote and history hosts of services.ini, or the built-in service.
    const DownloaderServices services = startDownloaderServices(appFolders().root);
    for (const QString& problem : services.problems)
        dialogs().message(problem);

    MainMDI mainWindow;
    mainWindow.setChartFactory(netChartFactory());
    qtDialogs.setParent(&mainWindow);
    DownloaderLink downloaderLink(mainWindow, services.endpoints);
    QObject::connect(&mainWindow, &MainMDI::shutDownFinished, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    runProgramEntry(commandLine, installWindow, [&mainWindow] { mainWindow.show(); });

    const int status = app.exec();
    CloseQuoteIndex();
    setDialogs(nullptr);
    return status;
}
