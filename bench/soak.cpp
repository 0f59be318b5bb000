// Gavrin's real main window with five items watched on a local site, its five
// per-tab reload ticks called directly every 0.5 s. Prints "start" once the
// five item pages have loaded and "end" after the last round, then waits to be
// ended: the driver reads the memory of the process tree at both.
// Arguments: the program folder, the site's host, the number of rounds.
#include "app/frmMain.h"
#include "platform/MessageDialog.h"
#include "platform/SettingsStore.h"
#include "platform/TextBox.h"
#include "platform/web/WebBrowserView.h"

#include <QApplication>
#include <QComboBox>
#include <QSet>
#include <QTimer>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <array>
#include <cstdio>

namespace {

void say(const char *word)
{
    std::printf("%s\n", word);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: soak PROGRAM_FOLDER HOST ROUNDS\n");
        return 2;
    }

    QtMessageDialog messages;
    QtSettingsStore settings;
    QWebEngineProfile profile(QStringLiteral("Gavrin"));
    QList<WebBrowserView *> views;
    MainWindowServices services;
    services.programFolder = args[1];
    services.site.itemServer = args[2];
    services.messages = &messages;
    services.settings = &settings;
    services.createView = [&profile, &views](QWidget *parent) {
        auto *view = new WebBrowserView(&profile, parent);
        views << view;
        return view;
    };
    frmMain window(services);
    window.Form_Load();
    // Only the ticks called below reload.
    window.cmbRefresh->setCurrentText(QStringLiteral("No Refresh"));

    using Tick = void (frmMain::*)();
    const std::array<Tick, 5> ticks = {&frmMain::Timer1_Timer, &frmMain::Timer2_Timer, &frmMain::Timer3_Timer,
                                       &frmMain::Timer4_Timer, &frmMain::Timer5_Timer};
    int roundsLeft = args[3].toInt();
    QTimer rounds;
    rounds.setInterval(500);
    QObject::connect(&rounds, &QTimer::timeout, &window, [&] {
        for (Tick tick : ticks)
            (window.*tick)();
        if (--roundsLeft <= 0) {
            rounds.stop();
            say("end");
        }
    });

    QSet<int> loaded;
    for (int tab = 0; tab < int(ticks.size()); ++tab) {
        window.txtItem->setText(QString::number(41001 + tab));
        window.cmdOk_Click();
        QWebEngineView *view = views[tab]->view();
        QObject::connect(view, &QWebEngineView::loadFinished, &window, [&, tab, view](bool ok) {
            if (!ok || !view->url().query().contains(QLatin1String("ViewItem")) || loaded.contains(tab))
                return;
            loaded << tab;
            if (loaded.size() == int(ticks.size())) {
                say("start");
                rounds.start();
            }
        });
    }
    return app.exec();
}
