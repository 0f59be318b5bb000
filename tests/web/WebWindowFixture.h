#pragma once

#include "LocalHttpServer.h"
#include "MemorySettingsStore.h"
#include "RecordingMessageDialog.h"
#include "RecordingNotifier.h"
#include "app/MainWindow.h"
#include "app/WatchTab.h"

#include <QTemporaryDir>
#include <QWebEngineProfile>
#include <memory>

class QWebEngineView;

// The main window on real web views, its item server a local HTTP server.
class WebWindowFixture
{
public:
    WebWindowFixture();
    ~WebWindowFixture();

    QWebEngineView *webView(int tab) const;
    // Runs a script in the page of a tab and waits for its answer.
    QVariant evaluate(int tab, const QString &script) const;
    void watch(const QString &itemNumber);
    static QString itemPath(const QString &itemNumber);

    LocalHttpServer server;
    QTemporaryDir folder;
    RecordingMessageDialog messages;
    MemorySettingsStore settings;
    RecordingNotifier notifier;
    QWebEngineProfile profile;
    std::unique_ptr<MainWindow> window;
};
