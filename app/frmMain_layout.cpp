// The tab strip and its views follow the window; the top row stays put.
#include "app/frmMain.h"

#include "app/core/WatchTabs.h"
#include "app/core/WindowLayout.h"
#include "platform/BrowserView.h"
#include "platform/TabStrip.h"
#include "platform/core/Twips.h"

#include <QEvent>
#include <QLabel>

void frmMain::Form_Resize()
{
    if (isMinimized())
        return;
    const int dpiX = logicalDpiX();
    const int dpiY = logicalDpiY();
    const double clientWidth = pixelsToTwips(m_client->width(), dpiX);
    const Extent client{clientWidth, pixelsToTwips(m_client->height(), dpiY)};
    const Extent lastStrip{pixelsToTwips(SSTab1->width(), dpiX), pixelsToTwips(SSTab1->height(), dpiY)};
    const WindowLayout layout = layoutWindow(clientWidth, outerSizeForClient(client), lastStrip);

    const int barWidth = twipsToPixels(layout.barWidth, dpiX);
    Label3->resize(barWidth, Label3->height());
    Label2->resize(barWidth, Label2->height());
    SSTab1->resize(twipsToPixels(layout.strip.width, dpiX), twipsToPixels(layout.strip.height, dpiY));

    auto fit = [dpiX, dpiY](BrowserView *view, std::optional<double> width, std::optional<double> height) {
        QSize size = view->size();
        if (width)
            size.setWidth(twipsToPixels(*width, dpiX));
        if (height)
            size.setHeight(twipsToPixels(*height, dpiY));
        view->resize(size);
    };
    for (int tab = 0; tab < kWatchTabCount; ++tab)
        fit(m_browsers[tab], layout.watchViewWidth, layout.watchViewHeight);
    fit(m_browsers[kServicesTab], layout.servicesViewWidth, layout.servicesViewHeight);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_client && event->type() == QEvent::Resize)
        Form_Resize();
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}
