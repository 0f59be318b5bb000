#pragma once

#include "FakePageElements.h"
#include "platform/BrowserView.h"

#include <QStringList>

// Records every call and answers from what the test set. Its signals are the
// page's doings: a test emits them as the page would.
class FakeBrowserView final : public BrowserView
{
    Q_OBJECT

public:
    using BrowserView::BrowserView;

    void open(const QString &text) override
    {
        calls << QStringLiteral("open ") + text;
        shown = text;
    }
    void reload() override { calls << QStringLiteral("reload"); }
    bool showsFormAnswer() const override { return formAnswer; }
    void resendForm() override { calls << QStringLiteral("resendForm"); }
    bool back() override { return false; }
    bool forward() override { return false; }
    // "reloadOnTimer <period> <page loaded instead of a form answer>"
    void reloadOnTimer(const TimedReload &reload) override
    {
        calls << QStringLiteral("reloadOnTimer %1 %2").arg(reload.periodMs).arg(reload.formAnswerReplacement);
        lastTimedReload = reload;
    }
    PageHealth health() const override { return pageHealth; }
    QString title() const override { return pageTitle; }
    QUrl address() const override { return pageAddress; }
    void reportFrameLoads() override { }
    PageElements *createPageElements(QObject *owner) override { return elements = new FakePageElements(owner); }
    // "freeze <ms>"
    void freeze(qint64 ms) override { calls << QStringLiteral("freeze %1").arg(ms); }

    // The page last opened has loaded.
    void finishLoad()
    {
        showPage(pageTitle, QUrl::fromUserInput(shown));
        emit documentComplete();
    }
    void showPage(const QString &title, const QUrl &address)
    {
        pageTitle = title;
        pageAddress = address;
        emit titleOrAddressChanged();
    }

    QStringList calls;
    TimedReload lastTimedReload;
    QString shown; // the text last opened
    bool formAnswer = false;
    PageHealth pageHealth;
    FakePageElements *elements = nullptr; // the last made
    QString pageTitle;
    QUrl pageAddress;
};
