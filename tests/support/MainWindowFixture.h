#pragma once

#include "FakeBrowserView.h"
#include "FakeRegistry.h"
#include "MemorySettingsStore.h"
#include "RecordingMessageDialog.h"
#include "RecordingNotifier.h"
#include "WidgetNamed.h"
#include "app/HeldNotices.h"
#include "app/ItemBox.h"
#include "app/MainWindow.h"
#include "app/ServicesTab.h"
#include "app/WatchTab.h"
#include "app/WatchTabSet.h"
#include "platform/ChoiceBox.h"
#include "platform/Shell.h"
#include "platform/TabStrip.h"
#include "platform/core/ProgramFolder.h"

#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QTemporaryDir>
#include <functional>
#include <memory>

// Records what would be handed to the desktop, in order; fails everything when told to.
struct RecordingShell final : Shell
{
    bool openAddress(const QString &address) override { return record("open " + address); }
    bool startOpener(const QString &address) override { return record("opener " + address); }
    bool startProgram(const QString &path) override { return record("start " + path); }
    bool record(const QString &call)
    {
        calls << call;
        return works;
    }

    QStringList calls;
    bool works = true;
};

// The entries a watch tab puts on its page's context menu.
inline const QString kAlertEntry = QStringLiteral("Alert me when this changes");
inline const QString kConditionEntry = QStringLiteral("Alert me when...");
inline const QString kLeadEntry = QStringLiteral("This says whether I lead");
inline const QString kTimeLeftEntry = QStringLiteral("This shows the time left");
inline const QString kStopEntry = QStringLiteral("Stop alerting");

// The visible top-level windows of one kind, as the tests find the dialogs
// that the main window opens without owner.
template <typename Window> QList<Window *> openWindows()
{
    QList<Window *> found;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<Window *>(widget); window && window->isVisible())
            found << window;
    }
    return found;
}

// The parts of a main window, as the tests reach them: by kind, or by object name.
inline TabStrip *tabStripOf(const MainWindow *window)
{
    return window->findChild<TabStrip *>();
}
inline WatchTabSet *watchTabsOf(const MainWindow *window)
{
    return window->findChild<WatchTabSet *>();
}
inline BrowserView *viewOf(const MainWindow *window, int tab)
{
    return isWatchTab(tab) ? watchTabsOf(window)->tab(tab)->view() : window->findChild<ServicesTab *>()->view();
}

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
        if (adjust)
            adjust(services);
        window = std::make_unique<MainWindow>(services);
    }
    // A window watching the items, tab by tab.
    explicit MainWindowFixture(const QStringList &items)
        : MainWindowFixture()
    {
        for (const QString &item : items)
            watch(item);
    }

    FakeBrowserView *view(int tab) const { return static_cast<FakeBrowserView *>(viewOf(window.get(), tab)); }
    FakePageElements *elements(int tab) const { return view(tab)->elements; }
    TabStrip *tabs() const { return tabStripOf(window.get()); }
    WatchTabSet *watchTabs() const { return watchTabsOf(window.get()); }
    WatchTab *watchTab(int tab) const { return watchTabs()->tab(tab); }
    ItemBox *itemBox() const { return widgetNamed<ItemBox>(window.get(), "itemBox"); }
    ChoiceBox *rateBox() const { return widgetNamed<ChoiceBox>(window.get(), "rateBox"); }
    QString programFilePath(const QString &name) const
    {
        return ::programFilePath(QDir::toNativeSeparators(folder.path()), name);
    }
    // Fills watch tab by tab through the watch command.
    void watch(const QString &itemNumber)
    {
        itemBox()->setText(itemNumber);
        window->watchItem();
    }
    // Gives the tab back through the release command; its page is left at once.
    void release(int tab)
    {
        tabs()->setCurrent(tab);
        window->releaseTab();
        view(tab)->finishLoad();
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
