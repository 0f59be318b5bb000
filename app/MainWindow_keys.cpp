// The standard keys of a browser, beside the menus' access keys. They belong
// to the window, so they work while a page has the focus; a page keeps every
// other key.
#include "app/MainWindow.h"

#include "app/ItemBox.h"
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

} // namespace

void MainWindow::setupKeys()
{
    addKeys(this, {Qt::Key_F5, Qt::CTRL | Qt::Key_R}, &MainWindow::reloadTab);
    addKeys(this, {Qt::ALT | Qt::Key_Left}, &MainWindow::goBack);
    addKeys(this, {Qt::ALT | Qt::Key_Right}, &MainWindow::goForward);
    addKeys(this, {Qt::CTRL | Qt::Key_F}, &MainWindow::openSearch);
    addKeys(this, {Qt::CTRL | Qt::Key_L}, &MainWindow::focusItemBox);
    // Shift+Tab arrives as Backtab on most platforms.
    connect(addKeys(this, {Qt::CTRL | Qt::Key_Tab, Qt::CTRL | Qt::Key_PageDown}), &QAction::triggered, this,
            [this] { stepTab(1); });
    connect(addKeys(this,
                    {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, Qt::CTRL | Qt::SHIFT | Qt::Key_Tab,
                     Qt::CTRL | Qt::Key_PageUp}),
            &QAction::triggered, this, [this] { stepTab(-1); });
}

void MainWindow::focusItemBox()
{
    m_topRow->itemBox()->setFocus(Qt::ShortcutFocusReason);
    m_topRow->itemBox()->selectAll();
}

// Round the strip, from the last tab to the first and back.
void MainWindow::stepTab(int step)
{
    m_tabs->setCurrent((m_tabs->current() + step + m_tabs->count()) % m_tabs->count());
}
