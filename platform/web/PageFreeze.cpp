#include "platform/web/PageFreeze.h"

#include "platform/core/TimerWait.h"

#include <QWebEnginePage>

using LifecycleState = QWebEnginePage::LifecycleState;

PageFreeze::PageFreeze(QWebEnginePage *page)
    : QObject(page)
    , m_page(page)
{
    m_thaw.setSingleShot(true);
    connect(&m_thaw, &QTimer::timeout, this, &PageFreeze::thaw);
    connect(page, &QWebEnginePage::loadStarted, this, [this] { m_typedText = false; });
}

void PageFreeze::freeze(qint64 forMs)
{
    // The engine may know better: a page that plays sound, say, stays active.
    if (m_page->isVisible() || m_page->isLoading() || m_typedText
        || m_page->recommendedState() == LifecycleState::Active)
        return;
    m_page->setLifecycleState(LifecycleState::Frozen);
    m_thaw.start(timerWaitMs(forMs));
}

void PageFreeze::thaw()
{
    m_thaw.stop();
    if (isFrozen())
        m_page->setLifecycleState(LifecycleState::Active);
}

bool PageFreeze::isFrozen() const
{
    return m_page->lifecycleState() != LifecycleState::Active;
}
