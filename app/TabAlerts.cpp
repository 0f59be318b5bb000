#include "app/TabAlerts.h"

#include "app/AlertPush.h"
#include "app/ConditionDialog.h"
#include "app/FollowedElements.h"
#include "app/HeldNotices.h"
#include "platform/BrowserView.h"
#include "platform/SettingsStore.h"

#include <QInputDialog>

TabAlerts::TabAlerts(FollowedElements *followed, HeldNotices *notices, BrowserView *view, SettingsStore *settings,
                     AlertPush *alertPush, std::function<PushMessage()> about, QObject *parent)
    : QObject(parent)
    , m_followed(followed)
    , m_notices(notices)
    , m_view(view)
    , m_settings(settings)
    , m_push(alertPush)
    , m_about(std::move(about))
{
    connect(m_followed, &FollowedElements::conditionAsked, this, &TabAlerts::askCondition);
    connect(m_followed, &FollowedElements::leadAsked, this, &TabAlerts::askLead);
    connect(m_followed, &FollowedElements::outbid, this, &TabAlerts::tellOutbid);
    connect(m_followed, &FollowedElements::conditionMet, this,
            [this](const QString &condition, const ElementWatch::Change &change) {
                push(AlertEvent::ConditionMet, QStringLiteral("%1: %2").arg(condition, changeText(change)));
            });
    connect(m_notices, &HeldNotices::pushable, this, &TabAlerts::push);
}

QString TabAlerts::problems() const
{
    QStringList lines;
    const QString conditions = m_followed->conditionProblems();
    if (!conditions.isEmpty())
        lines << conditions;
    if (!m_pushProblem.isEmpty())
        lines << QStringLiteral("A push to the phone failed at %1 (%2)")
                     .arg(m_pushFailedAt.toString(QStringLiteral("HH:mm")), m_pushProblem);
    return lines.join(QLatin1Char('\n'));
}

void TabAlerts::pushFailed(const QString &why)
{
    m_pushProblem = why;
    m_pushFailedAt = QDateTime::currentDateTime();
}

void TabAlerts::clear()
{
    m_pushProblem.clear();
}

// The page's menu tells of the user's pick from a callback of the web engine:
// the dialogs are shown, never run in a loop of their own.
void TabAlerts::askCondition(const QString &selector, const QString &text, const AlertCondition &condition)
{
    auto *dialog = new ConditionDialog(condition, text, m_view->window());
    connect(dialog, &ConditionDialog::chosen, this,
            [this, selector, text](const AlertCondition &chosen) { m_followed->setCondition(selector, text, chosen); });
    // It may be asked from the overview, which may hide the main window.
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void TabAlerts::askLead(const QString &selector, const QString &text)
{
    const QString host = m_view->address().host();
    auto *dialog = new QInputDialog(m_view->window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName(QStringLiteral("leadingTextDialog"));
    dialog->setWindowTitle(QStringLiteral("Whether I Lead"));
    dialog->setLabelText(QStringLiteral("It shows now: %1\n\nWhat it shows while you lead:").arg(text.simplified()));
    const QString kept = m_settings->leadingText(host);
    dialog->setTextValue(kept.isEmpty() ? text.simplified() : kept);
    connect(dialog, &QInputDialog::textValueSelected, this, [this, selector, text, host](const QString &leading) {
        if (leading.simplified().isEmpty())
            return;
        m_settings->setLeadingText(host, leading.simplified());
        m_followed->setLead(selector, text, leading.simplified());
    });
    dialog->show();
}

void TabAlerts::tellOutbid()
{
    const PushMessage about = m_about();
    QStringList details{QStringLiteral("outbid")};
    if (!about.value.isEmpty())
        details << about.value;
    if (!about.timeLeft.isEmpty())
        details << QStringLiteral("%1 left").arg(about.timeLeft);
    m_notices->tellAtOnce(details.join(QLatin1String(", ")));
    push(AlertEvent::Outbid, QStringLiteral("Outbid"));
    emit outbid();
}

void TabAlerts::push(AlertEvent event, const QString &what)
{
    PushMessage message = m_about();
    message.event = what;
    m_push->push(event, message);
}
