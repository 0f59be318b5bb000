#pragma once

#include "platform/BrowserView.h"

#include <QStringList>
#include <functional>

// Records every call; keeps a simple history so back and forward can fail.
class FakeBrowserView final : public BrowserView
{
    Q_OBJECT

public:
    using BrowserView::BrowserView;

    void Navigate(const QString &text) override
    {
        calls << QStringLiteral("Navigate ") + text;
        history = history.mid(0, position + 1);
        history << text;
        position = history.size() - 1;
        if (navigated)
            navigated(text);
    }
    void Refresh() override { calls << QStringLiteral("Refresh"); }
    bool GoBack() override
    {
        calls << QStringLiteral("GoBack");
        if (position <= 0)
            return false;
        --position;
        return true;
    }
    bool GoForward() override
    {
        calls << QStringLiteral("GoForward");
        if (position + 1 >= history.size())
            return false;
        ++position;
        return true;
    }

    void RefreshUnlessEditing() override { calls << QStringLiteral("RefreshUnlessEditing"); }
    void setElementAlertsEnabled(bool enabled) override { alertsEnabled = enabled; }
    void stopWatchingElement() override { calls << QStringLiteral("StopWatchingElement"); }

    QString shown() const { return history.value(position); }
    void completeDocument() { emit documentComplete(); }
    void completeFrame() { emit frameComplete(); }
    void requestNewPage(const QString &address) { emit newPageRequested(address); }
    void chooseElement(const QString &text) { emit elementChosen(text); }
    void readElement(bool found, const QString &text) { emit elementRead(found, text); }
    void stopAlertingFromMenu() { emit elementWatchStopped(); }

    // Lets a test look at the window at the moment a page is asked for.
    std::function<void(const QString &)> navigated;
    QStringList calls;
    QStringList history;
    int position = -1;
    bool alertsEnabled = false;
};
