#include "app/MainWindow.h"
#include "platform/MessageDialog.h"
#include "platform/Notifier.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "platform/core/DataLocation.h"
#include "platform/core/PortableRegistry.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/ProgramName.h"
#include "platform/core/Registry.h"
#include "platform/web/Downloads.h"
#include "platform/web/WebBrowserView.h"

#include <QApplication>
#include <QIcon>
#include <QStandardPaths>
#include <QWebEngineProfile>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

// Each view has a render process of its own (the engine's default for
// separate pages): a page that spins, hangs or waits on a dialog holds up only
// its own tab, at the cost of some memory (see bench/memory).

int main(int argc, char *argv[])
{
#ifdef Q_OS_UNIX
    // A write past the user's file-size limit should fail and be reported
    // like a full disk, not end the program with the saved items unwritten.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(programName());
    QApplication::setOrganizationName(programName());
    QApplication::setQuitOnLastWindowClosed(false);
    // The menu entry's name, which Wayland matches the window with.
    QApplication::setDesktopFileName(QStringLiteral("com.belvax.Gavrin"));
    // Our own icon, built in from desktop/, for the window and the tray.
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1/gavrin.png").arg(size));
    QApplication::setWindowIcon(icon);

    QtMessageDialog messages;
    QtSettingsStore settings;
    DesktopNotifier notifier;
    QtShell shell;
    // A named profile keeps the user signed in to the site between runs.
    QWebEngineProfile profile(programName());

    MainWindowServices services;
    services.programFolder = programFolder();
    services.dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    services.configFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    const DataLocation files =
        decideDataLocation(gatherDataFacts(services.programFolder, services.dataFolder, services.configFolder));
    services.site = loadSiteConfig(settingsFilePath(files, siteConfigFileName()), &services.ignoredSiteKeys);
    services.messages = &messages;
    services.settings = &settings;
    services.notifier = &notifier;
    const std::unique_ptr<Registry> registry = systemRegistry(settingsFilePath(files, portableRegistryFileName()));
    services.shell = &shell;
    services.registry = registry.get();
    services.createView = [&profile](QWidget *parent) { return new WebBrowserView(&profile, parent); };

    MainWindow window(services);
    new Downloads(&profile, &notifier);
    QObject::connect(&window, &MainWindow::programEnded, &app, [] { QCoreApplication::exit(0); });
    window.start();
    return app.exec();
}
