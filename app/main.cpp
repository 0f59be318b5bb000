#include "app/MainWindow.h"
#include "platform/CaretRest.h"
#include "platform/MessageDialog.h"
#include "platform/Notifier.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "platform/core/DataLocation.h"
#include "platform/core/EngineStart.h"
#include "platform/core/PortableRegistry.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/ProgramName.h"
#include "platform/core/Registry.h"
#include "platform/web/Downloads.h"
#include "platform/web/WebBrowserView.h"

#include <QApplication>
#include <QIcon>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QWebEngineProfile>

#ifdef Q_OS_UNIX
#include <csignal>
#include <unistd.h>
#endif

namespace {

bool runAsRoot()
{
#ifdef Q_OS_UNIX
    return geteuid() == 0;
#else
    return false;
#endif
}

// The engine reads its switches from the program's arguments and from
// QTWEBENGINE_CHROMIUM_FLAGS.
QStringList engineArguments()
{
    return QCoreApplication::arguments()
           + qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS").split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace

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
    QLoggingCategory::setFilterRules(quietLoggingRules());
    QApplication app(argc, argv);
    QApplication::setApplicationName(programName());
    QApplication::setOrganizationName(programName());
    QApplication::setQuitOnLastWindowClosed(false);
    // The menu entry's name, which Wayland matches the window with.
    QApplication::setDesktopFileName(QStringLiteral("com.belvax.gavrin"));
    // Our own icon, built in from desktop/, for the window and the tray.
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1/gavrin.png").arg(size));
    QApplication::setWindowIcon(icon);
    CaretRest caretRest;

    QtMessageDialog messages;
    // Said in a box before the engine starts, which would end the program
    // with a line on a console nobody sees.
    if (engineRefusesToStart(runAsRoot(), qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"),
                             engineArguments())) {
        messages.show(nullptr, rootWithSandboxMessage(), programName(), MessageDialog::Icon::Exclamation);
        return 1;
    }
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
