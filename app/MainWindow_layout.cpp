// The tab strip and its views follow the window; the top row stays put, but
// wraps in a window too narrow for it.
#include "app/MainWindow.h"

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

void MainWindow::fitToWindow()
{
    if (isMinimized())
        return;
    const int dpiX = logicalDpiX();
    const int dpiY = logicalDpiY();
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

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_client && event->type() == QEvent::Resize)
        fitToWindow();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        fitToWindow();
}
