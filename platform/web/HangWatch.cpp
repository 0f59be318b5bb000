#include "platform/web/HangWatch.h"

#include "platform/core/PagePatience.h"

#include <QElapsedTimer>
#include <QWebEnginePage>
#include <QWebEngineScript>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <csignal>
#include <sys/types.h>
#endif

namespace {

constexpr int kCheckEveryMs = 2500;

// One clock for the pages of the program, and when any of them last answered.
qint64 nowMs()
{
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return clock.elapsed();
}

qint64 anyPageHeardAtMs = 0;

void endRenderProcess(qint64 pid)
{
    if (pid <= 0)
        return;
#ifdef Q_OS_WIN
    if (HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, DWORD(pid))) {
        TerminateProcess(process, 1);
        CloseHandle(process);
    }
#else
    ::kill(pid_t(pid), SIGKILL);
#endif
}

} // namespace

HangWatch::HangWatch(QWebEnginePage *page)
    : QObject(page)
    , m_page(page)
{
    connect(&m_checks, &QTimer::timeout, this, &HangWatch::check);
    m_checks.start(kCheckEveryMs);
    // A page that finished a load, or has a new renderer, has just answered.
    connect(page, &QWebEnginePage::loadFinished, this, &HangWatch::forget);
    connect(page, &QWebEnginePage::renderProcessPidChanged, this, &HangWatch::forget);
    connect(page, &QWebEnginePage::renderProcessTerminated, this, &HangWatch::forget);
    connect(page, &QWebEnginePage::lifecycleStateChanged, this, &HangWatch::forget);
}

void HangWatch::forget()
{
    m_waiting = false;
    ++m_probe;
    setNotResponding(false);
}

void HangWatch::check()
{
    // A frozen page answers nothing until it is thawed, and is no hung one.
    if (m_page->renderProcessPid() <= 0 || m_page->lifecycleState() != QWebEnginePage::LifecycleState::Active)
        return;
    if (!m_waiting) {
        m_waiting = true;
        m_askedAtMs = nowMs();
        const quint64 probe = ++m_probe;
        m_page->runJavaScript(QStringLiteral("0"), QWebEngineScript::ApplicationWorld,
                              [this, probe](const QVariant &) { answered(probe); });
        return;
    }
    switch (responsiveness(m_askedAtMs, anyPageHeardAtMs)) {
    case Responsiveness::Answering:
        break;
    case Responsiveness::NotResponding:
        setNotResponding(true);
        break;
    case Responsiveness::GiveUp:
        endRenderProcess(m_page->renderProcessPid());
        forget();
        break;
    }
}

void HangWatch::answered(quint64 probe)
{
    anyPageHeardAtMs = nowMs();
    if (probe == m_probe)
        forget();
}

void HangWatch::setNotResponding(bool notResponding)
{
    if (m_notResponding == notResponding)
        return;
    m_notResponding = notResponding;
    emit notRespondingChanged(notResponding);
}
