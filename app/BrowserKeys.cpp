#include "app/BrowserKeys.h"

#include "app/ItemBox.h"
#include "app/MainWindow.h"
#include "app/TopRow.h"
#include "platform/TabStrip.h"

#include <QAction>

namespace {

QAction *addKeys(MainWindow *window, const QList<QKeySequence> &keys)
{
    auto *action = new QAction(window);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
    return action;
}

void addKeys(MainWindow *window, const QList<QKeySequence> &keys, void (MainWindow::*handler)())
{
    QObject::connect(addKeys(window, keys), &QAction::triggered, window, handler);
}

// Round the strip, from the last tab to the first and back.
void stepTab(TabStrip *tabs, int step)
{
    tabs->setCurrent((tabs->current() + step + tabs->count()) % tabs->count());
}

} // namespace

void addBrowserKeys(MainWindow *window, TopRow *topRow, TabStrip *tabs)
{
    addKeys(window, {Qt::Key_F5, Qt::CTRL | Qt::Key_R}, &MainWindow::reloadTab);
    addKeys(window, {Qt::ALT | Qt::Key_Left}, &MainWindow::goBack);
    addKeys(window, {Qt::ALT | Qt::Key_Right}, &MainWindow::goForward);
    addKeys(window, {Qt::CTRL | Qt::Key_F}, &MainWindow::openSearch);
    QObject::connect(addKeys(window, {Qt::CTRL | Qt::Key_L}), &QAction::triggered, window, [topRow] {
        topRow->itemBox()->setFocus(Qt::ShortcutFocusReason);
        topRow->itemBox()->selectAll();
    });
    // Shift+Tab arrives as Backtab on most platforms.
    QObject::connect(addKeys(window, {Qt::CTRL | Qt::Key_Tab, Qt::CTRL | Qt::Key_PageDown}), &QAction::triggered,
                     window, [tabs] { stepTab(tabs, 1); });
    QObject::connect(addKeys(window,
                             {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, Qt::CTRL | Qt::SHIFT | Qt::Key_Tab,
                              Qt::CTRL | Qt::Key_PageUp}),
                     &QAction::triggered, window, [tabs] { stepTab(tabs, -1); });
}
