#include "platform/web/PageInputWatch.h"

#include <QChildEvent>
#include <QWebEngineView>

namespace {

// Long enough after a keystroke for the page to have taken it.
constexpr int kAfterKeyMs = 300;

} // namespace

PageInputWatch::PageInputWatch(QWebEngineView *view)
    : QObject(view)
    , m_view(view)
{
    m_afterKey.setSingleShot(true);
    m_afterKey.setInterval(kAfterKeyMs);
    connect(&m_afterKey, &QTimer::timeout, this, &PageInputWatch::typed);
    view->installEventFilter(this);
    for (QWidget *child : view->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        child->installEventFilter(this);
}

bool PageInputWatch::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ChildAdded:
        if (watched == m_view) {
            QObject *child = static_cast<QChildEvent *>(event)->child();
            if (child->isWidgetType())
                child->installEventFilter(this);
        }
        break;
    case QEvent::MouseButtonPress:
        emit userInput();
        break;
    case QEvent::KeyPress:
        emit userInput();
        if (watched != m_view)
            m_afterKey.start();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
