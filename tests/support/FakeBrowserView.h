#pragma once

#include "platform/BrowserView.h"

#include <QStringList>

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

    QString shown() const { return history.value(position); }
    void completeDocument() { emit documentComplete(); }

    QStringList calls;
    QStringList history;
    int position = -1;
};
