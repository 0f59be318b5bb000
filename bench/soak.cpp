// Gavrin's real main window with five items watched on a local site, its five
// per-tab reload ticks called directly every 0.5 s until it is ended; the
// driver counts the reloads at the site and reads the process tree's memory.
// Arguments: the program folder, the site's host.
#include "app/ItemBox.h"
#include "app/MainWindow.h"
#include "app/WatchTab.h"
#include "app/WatchTabSet.h"
#include "platform/ChoiceBox.h"
#include "platform/IntervalTimer.h"
#include "platform/MessageDialog.h"
#include "platform/SettingsStore.h"
#include "platform/web/WebBrowserView.h"

#include <QApplication>
#include <QTimer>
#include <QWebEngineProfile>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: soak PROGRAM_FOLDER HOST\n");
        return 2;
    }

    QtMessageDialog messages;
    QtSettingsStore settings;
    QWebEngineProfile profile(QStringLiteral("Gavrin"));
    MainWindowServices services;
    services.programFolder = args[1];
    services.site.itemServer = args[2];
    services.messages = &messages;
    services.settings = &settings;
    services.createView = [&profile](QWidget *parent) { return new WebBrowserView(&profile, parent); };
    MainWindow window(services);
    window.start();
    // Only the ticks called below reload.
    window.findChild<ChoiceBox *>(QStringLiteral("rateBox"))->setCurrentText(QStringLiteral("No Refresh"));
    for (int tab = 0; tab < kWatchTabCount; ++tab) {
        window.findChild<ItemBox *>(QStringLiteral("itemBox"))->setText(QString::number(41001 + tab));
        window.watchItem();
    }

    QTimer rounds;
    const WatchTabSet *watchTabs = window.findChild<WatchTabSet *>();
    QObject::connect(&rounds, &QTimer::timeout, &window, [watchTabs] {
        for (int tab = 0; tab < kWatchTabCount; ++tab)
            emit watchTabs->tab(tab)->reloadTimer()->timeout();
    });
    rounds.start(500);
    return app.exec();
}
