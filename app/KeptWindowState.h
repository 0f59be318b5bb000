#pragma once

class QWidget;
class SettingsStore;

// The main window's state (normal, minimised, maximised) and normal geometry,
// kept from one run to the next.
void showAsKept(QWidget *window, SettingsStore *settings);
void keepWindowState(const QWidget *window, SettingsStore *settings);
