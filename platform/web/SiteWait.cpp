#include "platform/web/SiteWait.h"

#include "platform/core/SiteAnswers.h"
#include "platform/web/PageScripts.h"

#include <QTimer>
#include <QWebEnginePage>
#include <optional>

namespace {

// How often, and how many times, the page is asked whether the site told how long to wait.
constexpr int kRetryAfterPollMs = 250;
constexpr int kRetryAfterPolls = 20;

} // namespace

SiteWait::SiteWait(QWebEnginePage *page)
    : QObject(page)
    , m_page(page)
{
}

void SiteWait::ask(int httpStatus)
{
    // The answer's headers are out of the engine's reach; the page itself may
    // ask its own address once more, and read them.
    m_page->runJavaScript(QString::fromLatin1(kAskRetryAfterScript), kScriptWorld);
    readAnswer(httpStatus, 0);
}

void SiteWait::readAnswer(int httpStatus, int polls)
{
    QTimer::singleShot(kRetryAfterPollMs, this, [this, httpStatus, polls] {
        m_page->runJavaScript(QString::fromLatin1(kRetryAfterAnswerScript), kScriptWorld,
                              [this, httpStatus, polls](const QVariant &answer) {
                                  if (!answer.isValid() && polls + 1 < kRetryAfterPolls) {
                                      readAnswer(httpStatus, polls + 1);
                                      return;
                                  }
                                  const QDateTime now = QDateTime::currentDateTime();
                                  const std::optional<qint64> asked =
                                      answer.isValid() ? retryAfterMs(answer.toString(), now) : std::nullopt;
                                  const std::optional<qint64> wait = siteWaitMs(httpStatus, asked, m_guessMs);
                                  if (!wait)
                                      return;
                                  if (!asked)
                                      m_guessMs = *wait;
                                  emit waitAsked(now.addMSecs(*wait), int((*wait + 999) / 1000));
                              });
    });
}
