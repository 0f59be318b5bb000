#include "platform/web/WebPage.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDateTime>
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
    connect(this, &QWebEnginePage::loadFinished, this, [this] { m_programNavigation = false; });
    // A question is of the page that asked it; reloads of that page leave it up.
    connect(this, &QWebEnginePage::urlChanged, this, [this] {
        if (m_question)
            m_question->close();
    });
}

void WebPage::mainFrameRequest(QWebEngineUrlRequestInfo &info)
{
    if (info.resourceType() != QWebEngineUrlRequestInfo::ResourceTypeMainFrame)
        return;
    const bool post = info.requestMethod() == "POST";
    const auto type = info.navigationType();
    const bool again = type == QWebEngineUrlRequestInfo::NavigationTypeReload
        || type == QWebEngineUrlRequestInfo::NavigationTypeBackForward;
    // A form must never be sent twice because a page was reloaded or gone back to.
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

bool WebPage::mayDownload() const
{
    return pageMayDownload(inFront(), m_userInput.isValid() ? m_userInput.elapsed() : -1);
}

PageDialogAnswer WebPage::answerFor(PageDialogKind kind, const QString &msg)
{
    const bool throttled = m_throttle.throttles(QDateTime::currentMSecsSinceEpoch());
    const PageDialogAnswer answer = pageDialogAnswer(kind, inFront(), m_programNavigation, throttled);
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

std::optional<QString> WebPage::answerQuestion(PageDialogKind kind, const QUrl &securityOrigin, const QString &msg,
                                               const QString &defaultValue)
{
    if (std::optional<QString> kept = m_kept.take(kind, msg, QDateTime::currentMSecsSinceEpoch()))
        return kept;
    // One question a page; the same question asked again at a reload leaves
    // the box, and what the user is typing into it, as it is.
    if (!m_question || m_question->property("question") != msg) {
        if (m_question)
            m_question->close();
        m_question = questionBox(kind, msg, defaultValue);
        m_question->setProperty("question", msg);
        m_question->setWindowTitle(dialogTitle(securityOrigin));
        m_question->setAttribute(Qt::WA_DeleteOnClose);
        m_question->setWindowModality(Qt::NonModal);
        m_question->setAttribute(Qt::WA_ShowWithoutActivating);
    }
    m_question->show();
    m_question->raise();
    return std::nullopt;
}

QDialog *WebPage::questionBox(PageDialogKind kind, const QString &msg, const QString &defaultValue)
{
    const auto keep = [this, kind, msg](const QString &value) {
        m_kept.keep(kind, msg, value, QDateTime::currentMSecsSinceEpoch());
    };
    const QString redo = QStringLiteral("do again on the page what made it ask.");
    if (kind == PageDialogKind::Prompt) {
        auto *input = new QInputDialog(m_owner->window());
        input->setLabelText(QStringLiteral("%1\n\nThe page heard Cancel, so that no tab waits. To answer it, give "
                                           "your answer here, then %2")
                                .arg(msg, redo));
        input->setTextValue(defaultValue);
        connect(input, &QInputDialog::textValueSelected, this, keep);
        return input;
    }
    const bool leaving = kind == PageDialogKind::LeavePage;
    auto *box = new QMessageBox(QMessageBox::Question, QString(), msg, QMessageBox::Ok | QMessageBox::Cancel,
                                m_owner->window());
    box->setDefaultButton(QMessageBox::Cancel);
    box->setInformativeText(leaving ? QStringLiteral("The page stayed, so that no tab waits. To leave it, press "
                                                     "Leave, then %1")
                                          .arg(redo)
                                    : QStringLiteral("The page heard Cancel, so that no tab waits. To answer OK, "
                                                     "press OK, then %1")
                                          .arg(redo));
    if (leaving) {
        box->button(QMessageBox::Ok)->setText(QStringLiteral("Leave"));
        box->button(QMessageBox::Cancel)->setText(QStringLiteral("Stay"));
    }
    connect(box, &QMessageBox::buttonClicked, this, [box, keep](QAbstractButton *button) {
        if (button == box->button(QMessageBox::Ok))
            keep(QString());
    });
    return box;
}

void WebPage::javaScriptAlert(const QUrl &securityOrigin, const QString &msg)
{
    if (answerFor(PageDialogKind::Alert, msg) == PageDialogAnswer::ShowNotice)
        showNotice(securityOrigin, msg);
}

bool WebPage::javaScriptConfirm(const QUrl &securityOrigin, const QString &msg)
{
    const PageDialogKind kind = msg == leavePageQuestion() ? PageDialogKind::LeavePage : PageDialogKind::Confirm;
    switch (answerFor(kind, msg)) {
    case PageDialogAnswer::LeaveQuietly:
        return true;
    case PageDialogAnswer::ShowQuestion:
        return answerQuestion(kind, securityOrigin, msg, QString()).has_value();
    case PageDialogAnswer::ShowNotice:
    case PageDialogAnswer::RefuseQuietly:
        break;
    }
    return false;
}

bool WebPage::javaScriptPrompt(const QUrl &securityOrigin, const QString &msg, const QString &defaultValue,
                               QString *result)
{
    if (answerFor(PageDialogKind::Prompt, msg) != PageDialogAnswer::ShowQuestion)
        return false;
    const std::optional<QString> answer = answerQuestion(PageDialogKind::Prompt, securityOrigin, msg, defaultValue);
    if (answer)
        *result = *answer;
    return answer.has_value();
}
