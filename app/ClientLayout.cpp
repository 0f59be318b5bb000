#include "app/ClientLayout.h"

#include "app/ServicesTab.h"
#include "app/TopRow.h"
#include "app/WatchTab.h"
#include "app/WatchTabSet.h"
#include "app/core/TabCaptions.h"
#include "app/core/WindowLayout.h"
#include "platform/BrowserView.h"
#include "platform/TabStrip.h"
#include "platform/TwipsGeometry.h"
#include "platform/core/Twips.h"

#include <QEvent>

ClientLayout::ClientLayout(QWidget *client, TopRow *topRow, TabStrip *tabs, WatchTabSet *watchTabs,
                           ServicesTab *servicesTab)
    : QObject(client)
    , m_client(client)
    , m_topRow(topRow)
    , m_tabs(tabs)
    , m_watchTabs(watchTabs)
    , m_servicesTab(servicesTab)
{
    client->installEventFilter(this);
}

void ClientLayout::fit()
{
    if (m_client->window()->isMinimized())
        return;
    const int dpiX = m_client->logicalDpiX();
    const int dpiY = m_client->logicalDpiY();
    const double clientWidth = pixelsToTwips(m_client->width(), dpiX);
    const Extent client{clientWidth, pixelsToTwips(m_client->height(), dpiY)};
    const Extent lastStrip{pixelsToTwips(m_tabs->width(), dpiX), pixelsToTwips(m_tabs->height(), dpiY)};
    const int wrappedRows = m_topRow->wrap(clientWidth);
    const WindowLayout layout = layoutWindow(clientWidth, outerSizeForClient(client), lastStrip, wrappedRows);

    m_topRow->fitBars(twipsToPixels(layout.barWidth, dpiX), twipsToPixels(layout.lowerBarTop, dpiY));
    m_tabs->move(0, twipsToPixels(layout.stripTop, dpiY));
    m_tabs->resize(twipsToPixels(layout.strip.width, dpiX), twipsToPixels(layout.strip.height, dpiY));

    auto fit = [dpiX, dpiY](BrowserView *view, std::optional<double> width, std::optional<double> height) {
        QSize size = view->size();
        if (width)
            size.setWidth(twipsToPixels(*width, dpiX));
        if (height)
            size.setHeight(twipsToPixels(*height, dpiY));
        view->resize(size);
    };
    for (int tab = 0; tab < kWatchTabCount; ++tab)
        fit(m_watchTabs->tab(tab)->view(), layout.watchViewWidth, layout.watchViewHeight);
    fit(m_servicesTab->view(), layout.servicesViewWidth, layout.servicesViewHeight);
}

bool ClientLayout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_client && event->type() == QEvent::Resize)
        fit();
    return QObject::eventFilter(watched, event);
}
