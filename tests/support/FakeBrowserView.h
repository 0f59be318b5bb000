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

    void open(const QString &text) override
    {
        calls << QStringLiteral("open ") + text;
        history = history.mid(0, position + 1);
        history << text;
        position = history.size() - 1;
        if (navigated)
            navigated(text);
    }
    void reload() override { calls << QStringLiteral("reload"); }
    bool showsFormAnswer() const override { return formAnswer; }
    void resendForm() override { calls << QStringLiteral("resendForm"); }
    bool back() override
    {
        calls << QStringLiteral("back");
        if (position <= 0)
            return false;
        --position;
        return true;
    }
    bool forward() override
    {
        calls << QStringLiteral("forward");
        if (position + 1 >= history.size())
            return false;
        ++position;
        return true;
    }

    void reloadOnTimer(const TimedReload &reload) override
    {
        calls << QStringLiteral("reloadOnTimer");
        timedReloads << reload;
    }
    PageHealth health() const override { return pageHealth; }
    QString title() const override { return pageTitle; }
    QUrl address() const override { return pageAddress; }
    void showPage(const QString &title, const QUrl &address)
    {
        pageTitle = title;
        pageAddress = address;
        emit titleOrAddressChanged();
    }
    void setHealth(const PageHealth &health)
    {
        pageHealth = health;
        emit healthChanged();
    }
    void setElementAlertsEnabled(bool enabled) override { alertsEnabled = enabled; }
    void stopWatchingElement() override { calls << QStringLiteral("stopWatchingElement"); }
    void stopReadingTimeLeft() override { calls << QStringLiteral("stopReadingTimeLeft"); }
    QStringList followedElements() const override { return followedSelectors; }
    QString timeLeftElement() const override { return timeLeftSelector; }
    void restoreElements(const QStringList &followed, const QString &timeLeft) override
    {
        followedSelectors = followed;
        timeLeftSelector = timeLeft;
    }

    QString shown() const { return history.value(position); }
    void completeDocument() { emit documentComplete(); }
    void completeFrame() { emit frameComplete(); }
    void requestNewPage(const QString &address) { emit newPageRequested(address); }
    void chooseElement(const QString &text) { emit elementChosen(text); }
    void readElement(bool found, const QString &text, int element = 0) { emit elementRead(element, found, text); }
    void readTimeLeft(bool found, const QString &text) { emit timeLeftRead(found, text); }
    void stopAlertingFromMenu() { emit elementWatchStopped(); }
    void refuseDialog(const QString &text) { emit dialogRefused(text); }

    // Lets a test look at the window at the moment a page is asked for.
    std::function<void(const QString &)> navigated;
    QStringList calls;
    QStringList history;
    int position = -1;
    bool alertsEnabled = false;
    bool formAnswer = false;
    QList<TimedReload> timedReloads;
    PageHealth pageHealth;
    QStringList followedSelectors;
    QString timeLeftSelector;
    QString pageTitle;
    QUrl pageAddress;
};
