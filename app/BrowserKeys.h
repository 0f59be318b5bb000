#pragma once

class MainWindow;
class TabStrip;
class TopRow;

// The standard keys of a browser, beside the menus' access keys. They belong
// to the window, so they work while a page has the focus; a page keeps every
// other key.
void addBrowserKeys(MainWindow *window, TopRow *topRow, TabStrip *tabs);
