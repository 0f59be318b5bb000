#include "platform/web/WebPage.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QInputDialog>
#include <QMessageBox>
#include <QWebEngineUrlRequestInfo>
#include <QWebEngineUrlRequestInterceptor>
#include <QWidget>

namespace {

// The text the web engine asks with before a page with an unload handler is left.
QString leavePageQuestion()
{
    return QCoreApplication::translate(
        "QWebEnginePage", "Are you sure you want to leave this page? Changes that you made may not be saved.");
}

} // namespace

// Sees every request of the page before it is sent.
class WebPage::FormPostGuard final : public QWebEngineUrlRequestInterceptor
{
public:
    explicit FormPostGuard(WebPage *page)
        : QWebEngineUrlRequestInterceptor(page)
        , m_page(page)
    {
    }

    void interceptRequest(QWebEngineUrlRequestInfo &info) override { m_page->mainFrameRequest(info); }

private:
    WebPage *m_page;
};

WebPage::WebPage(QWebEngineProfile *profile, QWidget *owner)
    : QWebEnginePage(profile, owner)
    , m_owner(owner)
{
    setUrlRequestInterceptor(new FormPostGuard(this));
    connect(this, &QWebEnginePage::loadFinished, this, [this] { m_timedNavigation = false; });
}

void WebPage::mainFrameRequest(QWebEngineUrlRequestInfo &info)
{
    if (info.resourceType() != QWebEngineUrlRequestInfo::ResourceTypeMainFrame)
        return;
    const bool post = info.requestMethod() == "POST";
    const auto type = info.navigationType();
    const bool again = type == QWebEngineUrlRequestInfo::NavigationTypeReload
        || type == QWebEngineUrlRequestInfo::NavigationTypeBackForward;
    // A bid must never go out twice because a page was reloaded or gone back to.
    if (post && again && !m_resendAllowed) {
        info.block(true);
        m_formAnswer = true;
        return;
    }
    m_resendAllowed = false;
    m_formAnswer = post;
}

bool WebPage::inFront() const
{
    return m_owner->isVisible() && !m_owner->window()->isMinimized();
}

PageDialogAnswer WebPage::answerFor(PageDialogKind kind, const QString &msg)
{
    const bool throttled = m_throttle.throttles(QDateTime::currentMSecsSinceEpoch());
    const PageDialogAnswer answer = pageDialogAnswer(kind, inFront(), m_timedNavigation, throttled);
    if (answer == PageDialogAnswer::RefuseQuietly)
        emit dialogRefused(msg);
    return answer;
}

QString WebPage::dialogTitle(const QUrl &securityOrigin) const
{
    const QString host = securityOrigin.host();
    return host.isEmpty() ? QStringLiteral("This page says") : QStringLiteral("%1 says").arg(host);
}

void WebPage::showNotice(const QUrl &securityOrigin, const QString &msg)
{
    // One notice a page, brought up to date, so a page cannot stack them up.
    if (!m_notice) {
        m_notice = new QMessageBox(QMessageBox::Information, QString(), QString(), QMessageBox::Ok, m_owner->window());
        m_notice->setAttribute(Qt::WA_DeleteOnClose);
        m_notice->setWindowModality(Qt::NonModal);
        // A page cannot take the keyboard from what the user is typing.
        m_notice->setAttribute(Qt::WA_ShowWithoutActivating);
    }
    m_notice->setWindowTitle(dialogTitle(securityOrigin));
    m_notice->setText(msg);
    m_notice->show();
    m_notice->raise();
}

void WebPage::askUser(QDialog *dialog)
{
    dialog->setWindowModality(Qt::NonModal);
    QEventLoop answered;
    connect(dialog, &QDialog::finished, &answered, &QEventLoop::quit);
    m_waitingForUser = true;
    emit waitingForUserChanged(true);
    dialog->show();
    dialog->raise();
    answered.exec();
    m_waitingForUser = false;
    emit waitingForUserChanged(false);
}

void WebPage::javaScriptAlert(const QUrl &securityOrigin, const QString &msg)
{
    if (answerFor(PageDialogKind::Alert, msg) == PageDialogAnswer::ShowNotice)
        showNotice(securityOrigin, msg);
}

bool WebPage::javaScriptConfirm(const QUrl &securityOrigin, const QString &msg)
{
    const bool leaving = msg == leavePageQuestion();
    switch (answerFor(leaving ? PageDialogKind::LeavePage : PageDialogKind::Confirm, msg)) {
    case PageDialogAnswer::LeaveQuietly:
        return true;
    case PageDialogAnswer::AskUser: {
        QMessageBox box(QMessageBox::Question, dialogTitle(securityOrigin), msg,
                        QMessageBox::Ok | QMessageBox::Cancel, m_owner->window());
        box.setDefaultButton(QMessageBox::Cancel);
        if (leaving) {
            box.button(QMessageBox::Ok)->setText(QStringLiteral("Leave"));
            box.button(QMessageBox::Cancel)->setText(QStringLiteral("Stay"));
        }
        askUser(&box);
        return box.clickedButton() == box.button(QMessageBox::Ok);
    }
    case PageDialogAnswer::ShowNotice:
    case PageDialogAnswer::RefuseQuietly:
        break;
    }
    return false;
}

bool WebPage::javaScriptPrompt(const QUrl &securityOrigin, const QString &msg, const QString &defaultValue,
                               QString *result)
{
    if (answerFor(PageDialogKind::Prompt, msg) != PageDialogAnswer::AskUser)
        return false;
    QInputDialog input(m_owner->window());
    input.setWindowTitle(dialogTitle(securityOrigin));
    input.setLabelText(msg);
    input.setTextValue(defaultValue);
    askUser(&input);
    if (input.result() != QDialog::Accepted)
        return false;
    *result = input.textValue();
    return true;
}
