#include "platform/CaretRest.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QStyleHints>

namespace {

// As long as GNOME lets a caret blink after the last key.
constexpr int kRestAfterMs = 10000;

} // namespace

CaretRest::CaretRest(QObject *parent)
    : QObject(parent)
    , m_flashTimeMs(QGuiApplication::styleHints()->cursorFlashTime())
{
    m_restTimer.setSingleShot(true);
    m_restTimer.setInterval(kRestAfterMs);
    connect(&m_restTimer, &QTimer::timeout, this, &CaretRest::rest);
    m_restTimer.start();
    QCoreApplication::instance()->installEventFilter(this);
}

CaretRest::~CaretRest()
{
    wake();
}

void CaretRest::rest()
{
    m_restTimer.stop();
    if (m_resting || m_flashTimeMs <= 0)
        return;
    m_resting = true;
    // A flash time of 0 shows the caret steadily.
    QGuiApplication::styleHints()->setCursorFlashTime(0);
}

void CaretRest::wake()
{
    if (m_resting) {
        m_resting = false;
        QGuiApplication::styleHints()->setCursorFlashTime(m_flashTimeMs);
    }
}

bool CaretRest::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::InputMethod:
        wake();
        m_restTimer.start();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
