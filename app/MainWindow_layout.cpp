// The tab strip and its views follow the window; the top row stays put, but
// wraps in a window too narrow for it.
#include "app/MainWindow.h"

#include "app/core/TabCaptions.h"
#include "app/core/WindowLayout.h"
#include "platform/BrowserView.h"
#include "platform/TwipsGeometry.h"
#include "platform/TabStrip.h"
#include "platform/core/Twips.h"

#include <QEvent>
#include <QLabel>
#include <algorithm>

void MainWindow::fitToWindow()
{
    if (isMinimized())
        return;
    const int dpiX = logicalDpiX();
    const int dpiY = logicalDpiY();
    const double clientWidth = pixelsToTwips(m_client->width(), dpiX);
    const Extent client{clientWidth, pixelsToTwips(m_client->height(), dpiY)};
    const Extent lastStrip{pixelsToTwips(m_tabs->width(), dpiX), pixelsToTwips(m_tabs->height(), dpiY)};
    const int wrappedRows = wrapTopRowControls(clientWidth);
    const WindowLayout layout = layoutWindow(clientWidth, outerSizeForClient(client), lastStrip, wrappedRows);

    const int barWidth = twipsToPixels(layout.barWidth, dpiX);
    m_lowerBar->setGeometry(0, twipsToPixels(layout.lowerBarTop, dpiY), barWidth, m_lowerBar->height());
    m_topBar->resize(barWidth, m_topBar->height());
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
        fit(m_views[tab], layout.watchViewWidth, layout.watchViewHeight);
    fit(m_views[kServicesTab], layout.servicesViewWidth, layout.servicesViewHeight);
}

// The rows added below the first.
int MainWindow::wrapTopRowControls(double clientWidth)
{
    std::vector<RowControl> made;
    for (const TopRowControl &control : m_topRow)
        made.push_back({control.left, control.width, control.withNext});
    const std::vector<RowPlace> places = wrapTopRow(made, clientWidth);
    int rows = 0;
    for (int i = 0; i < m_topRow.size(); ++i) {
        const TopRowControl &control = m_topRow[i];
        placeInTwips(control.widget, places[i].left, control.top + places[i].row * kTopRowHeight, control.width,
                     control.height);
        rows = std::max(rows, places[i].row);
    }
    return rows;
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
