#pragma once

#include <QApplication>
#include <QList>
#include <QWidget>

// The visible top-level windows of one kind, as the tests find the dialogs
// that the main window opens without owner.
template <typename Window>
QList<Window *> openWindows()
{
    QList<Window *> found;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<Window *>(widget); window && window->isVisible())
            found << window;
    }
    return found;
}
