#include "app/HeldNotices.h"

#include "platform/Notifier.h"
#include "platform/core/ProgramName.h"

#include <QDateTime>
#include <QTimer>

HeldNotices::HeldNotices(int tab, Notifier *notifier, std::function<QString()> pageName, QObject *parent)
    : QObject(parent)
    , m_tab(tab)
    , m_notifier(notifier)
    , m_pageName(std::move(pageName))
    , m_quietTimer(new QTimer(this))
{
    m_quietTimer->setSingleShot(true);
    connect(m_quietTimer, &QTimer::timeout, this, &HeldNotices::tellHeld);
}

void HeldNotices::tell()
{
    for (const TabNotice::Pushed &pushed : m_notice.takePushed())
        emit pushable(pushed.event, pushed.what);
    if (m_notice.isEmpty())
        return;
    const QDateTime now = QDateTime::currentDateTime();
    const qint64 waitMs = now.msecsTo(m_notice.dueAt(now));
    if (waitMs <= 0)
        tellHeld();
    else if (!m_quietTimer->isActive())
        m_quietTimer->start(int(waitMs));
}

void HeldNotices::tellAtOnce(const QString &text)
{
    m_notifier->notify(programName(), QStringLiteral("%1: %2").arg(m_pageName(), text), m_tab);
}

void HeldNotices::tellNews(const QString &news)
{
    m_notice.news(news);
    tell();
}

void HeldNotices::tellHeld()
{
    m_quietTimer->stop();
    if (!m_notice.isEmpty())
        m_notifier->notify(programName(), m_notice.take(m_pageName(), QDateTime::currentDateTime()), m_tab);
}

void HeldNotices::clear()
{
    m_notice.clear();
    m_quietTimer->stop();
}
