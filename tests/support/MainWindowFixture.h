#pragma once

#include "FakeBrowserView.h"
#include "FakeRegistry.h"
#include "MemorySettingsStore.h"
#include "RecordingMessageDialog.h"
#include "RecordingNotifier.h"
#include "RecordingShell.h"
#include "app/ItemBox.h"
#include "app/MainWindow.h"
#include "app/WatchTab.h"
#include "platform/core/ProgramFolder.h"

#include <QDir>
#include <QMenuBar>
#include <QTemporaryDir>
#include <functional>
#include <memory>

// A main window on fake views and recording services, with its program folder
// in a temporary directory. A test may change the services before the window is made.
struct MainWindowFixture
{
    explicit MainWindowFixture(const std::function<void(MainWindowServices &)> &adjust = {})
    {
        MainWindowServices services;
        services.createView = [](QWidget *parent) { return new FakeBrowserView(parent); };
        services.messages = &messages;
        services.settings = &settings;
        services.notifier = &notifier;
        services.shell = &shell;
        services.registry = &registry;
        services.programFolder = QDir::toNativeSeparators(folder.path());
        services.site.itemServer = QStringLiteral("items.test");
        services.site.searchUS = QStringLiteral("us.search.test");
        if (adjust)
            adjust(services);
        window = std::make_unique<MainWindow>(services);
    }

    FakeBrowserView *view(int tab) const { return static_cast<FakeBrowserView *>(window->view(tab)); }
    // Fills watch tab by tab through the watch command.
    void watch(const QString &itemNumber)
    {
        window->itemBox()->setText(itemNumber);
        window->watchItem();
    }
    QString pagePath(const QString &name) const
    {
        return programFilePath(QDir::toNativeSeparators(folder.path()), name);
    }
    QAction *menuEntry(const QString &caption) const
    {
        for (QAction *action : window->menuBar()->findChildren<QAction *>()) {
            if (action->text() == caption)
                return action;
        }
        return nullptr;
    }

    QTemporaryDir folder;
    RecordingMessageDialog messages;
    MemorySettingsStore settings;
    RecordingNotifier notifier;
    RecordingShell shell;
    FakeRegistry registry;
    std::unique_ptr<MainWindow> window;
};
