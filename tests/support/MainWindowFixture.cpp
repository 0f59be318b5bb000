#include "MainWindowFixture.h"

#include "app/ItemBox.h"
#include "platform/core/ProgramFolder.h"

#include <QDir>

MainWindowFixture::MainWindowFixture(const std::function<void(MainWindowServices &)> &adjust)
{
    MainWindowServices services;
    services.createView = [](QWidget *parent) { return new FakeBrowserView(parent); };
    services.messages = &messages;
    services.settings = &settings;
    services.notifier = &notifier;
    services.shell = &shell;
    services.registry = &registry;
    services.programFolder = QDir::toNativeSeparators(folder.path());
    services.site.itemServer = QStringLiteral("items.test");
    services.site.searchUS = QStringLiteral("us.search.test");
    if (adjust)
        adjust(services);
    window = std::make_unique<MainWindow>(services);
}

MainWindowFixture::~MainWindowFixture() = default;

FakeBrowserView *MainWindowFixture::view(int tab) const
{
    return static_cast<FakeBrowserView *>(window->view(tab));
}

void MainWindowFixture::watch(const QString &itemNumber)
{
    window->itemBox()->setText(itemNumber);
    window->watchItem();
}

QString MainWindowFixture::pagePath(const QString &name) const
{
    return programFilePath(QDir::toNativeSeparators(folder.path()), name);
}
