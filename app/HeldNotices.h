#pragma once

#include "app/core/TabNotice.h"

#include <QObject>
#include <QString>
#include <functional>

class Notifier;
class QTimer;

// What a watch tab has to tell the user: told at once, or held while the
// tab is quiet and told together when its quiet timer runs out.
class HeldNotices final : public QObject
{
    Q_OBJECT

public:
    // pageName gives what a notification is about, asked when it is told.
    HeldNotices(int tab, Notifier *notifier, std::function<QString()> pageName, QObject *parent = nullptr);

    // What is held, to add to; tell() passes it on.
    TabNotice &held() { return m_notice; }
    // Tells what is held, now or once the quiet is over.
    void tell();
    // Tells text about the tab at once, quiet or not: the user should act on it.
    void tellAtOnce(const QString &text);
    // Holds news about the tab's watch and tells it as tell() does.
    void tellNews(const QString &news);
    // Tells what was held back while the tab was quiet; the quiet timer calls it once the quiet is over.
    void tellHeld();
    // Forgets what is held, untold.
    void clear();
    QTimer *quietTimer() const { return m_quietTimer; }

signals:
    // Something that may be pushed to the phone came, told by tell() at once, held or not.
    void pushable(AlertEvent event, const QString &what);

private:
    int m_tab;
    Notifier *m_notifier;
    std::function<QString()> m_pageName;
    QTimer *m_quietTimer;
    TabNotice m_notice;
};
