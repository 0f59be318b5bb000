#pragma once

#include "FakeBrowserView.h"
#include "FakeRegistry.h"
#include "MemorySettingsStore.h"
#include "RecordingMessageDialog.h"
#include "RecordingNotifier.h"
#include "RecordingShell.h"
#include "app/MainWindow.h"
#include "app/WatchTab.h"

#include <QTemporaryDir>
#include <functional>
#include <memory>

// A main window on fake views, a recording message box, a memory settings
// store, a recording shell and an empty registry, with its program folder in
// a temporary directory. A test may change the services before the window is made.
class MainWindowFixture
{
public:
    explicit MainWindowFixture(const std::function<void(MainWindowServices &)> &adjust = {});
    ~MainWindowFixture();

    FakeBrowserView *view(int tab) const;
    // Fills watch tab by tab through the watch command.
    void watch(const QString &itemNumber);
    QString pagePath(const QString &name) const;

    QTemporaryDir folder;
    RecordingMessageDialog messages;
    MemorySettingsStore settings;
    RecordingNotifier notifier;
    RecordingShell shell;
    FakeRegistry registry;
    std::unique_ptr<MainWindow> window;
};
