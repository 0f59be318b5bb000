#pragma once

#include <QObject>

// The widget of this kind and object name inside a window, as the tests reach
// a dialog's controls; a name the window lacks stops the run here rather than
// on a null pointer.
template <typename Widget> Widget *widgetNamed(const QObject *window, const char *name)
{
    auto *widget = window->findChild<Widget *>(QString::fromLatin1(name));
    if (!widget)
        qFatal("No widget named %s", name);
    return widget;
}
