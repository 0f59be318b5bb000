#include "WebWindowFixture.h"

#include "app/ItemBox.h"
#include "platform/TextBox.h"
#include "platform/web/WebBrowserView.h"

#include <QDir>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>
#include <QtTest>

WebWindowFixture::WebWindowFixture()
{
    MainWindowServices services;
    services.createView = [this](QWidget *parent) { return new WebBrowserView(&profile, parent); };
    services.messages = &messages;
    services.settings = &settings;
    services.notifier = &notifier;
    services.programFolder = QDir::toNativeSeparators(folder.path());
    services.site.itemServer = server.host();
    window = std::make_unique<MainWindow>(services);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("the main window was not shown");
}

WebWindowFixture::~WebWindowFixture() = default;

QWebEngineView *WebWindowFixture::webView(int tab) const
{
    return static_cast<WebBrowserView *>(window->view(tab))->view();
}

QVariant WebWindowFixture::evaluate(int tab, const QString &script) const
{
    QVariant result;
    bool answered = false;
    webView(tab)->page()->runJavaScript(script, QWebEngineScript::MainWorld, [&](const QVariant &value) {
        result = value;
        answered = true;
    });
    if (!QTest::qWaitFor([&answered] { return answered; }, 10000))
        qWarning("the page did not answer the script");
    return result;
}

void WebWindowFixture::watch(const QString &itemNumber)
{
    window->itemBox()->setText(itemNumber);
    window->watchItem();
}

QString WebWindowFixture::itemPath(const QString &itemNumber)
{
    return QStringLiteral("/aw-cgi/eBayISAPI.dll?ViewItem&item=") + itemNumber;
}
