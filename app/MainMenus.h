#pragma once

class MainWindow;
class SettingsStore;
class WatchTabSet;

// Fills the main window's menu bar. Entries carry access keys only; the
// standard keys are the window's (BrowserKeys.h).
void addMainMenus(MainWindow *window, SettingsStore *settings, WatchTabSet *watchTabs);
