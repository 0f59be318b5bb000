#include "platform/web/FrameLoads.h"

#include "platform/web/PageScripts.h"

#include <QFile>
#include <QWebChannel>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

namespace {

// The load event of a frame element comes after its document, and after its
// own frames, have loaded, whatever site the frame is from. Loads heard
// before the channel is open are reported once it is.
const char *kReportFrameLoadsScript = R"JS(
(function () {
  var reporter = null, early = 0;
  document.addEventListener('load', function (e) {
    var t = e.target;
    if (!t || (t.tagName !== 'IFRAME' && t.tagName !== 'FRAME')) return;
    if (reporter) reporter.reportFrameLoaded(); else early++;
  }, true);
  new QWebChannel(qt.webChannelTransport, function (channel) {
    reporter = channel.objects.frameLoads;
    for (; early > 0; early--) reporter.reportFrameLoaded();
  });
})();
)JS";

QString webChannelLibrary()
{
    QFile library(QStringLiteral(":/qtwebchannel/qwebchannel.js"));
    library.open(QIODevice::ReadOnly);
    return QString::fromUtf8(library.readAll());
}

} // namespace

FrameLoads::FrameLoads(QWebEnginePage *page)
    : QObject(page)
{
    auto *channel = new QWebChannel(this);
    channel->registerObject(QStringLiteral("frameLoads"), this);
    page->setWebChannel(channel, kScriptWorld);

    QWebEngineScript script;
    script.setName(QStringLiteral("gavrin-frame-loads"));
    script.setSourceCode(webChannelLibrary() + QString::fromLatin1(kReportFrameLoadsScript));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(kScriptWorld);
    script.setRunsOnSubFrames(false);
    page->scripts().insert(script);
}

void FrameLoads::reportFrameLoaded()
{
    emit frameLoaded();
}
