#pragma once

#include <QObject>

class ServicesTab;
class TabStrip;
class TopRow;
class WatchTabSet;

// Fits the main window's client area: the tab strip and its views follow the
// window; the top row stays put, but wraps in a window too narrow for it.
class ClientLayout final : public QObject
{
    Q_OBJECT

public:
    // Fits again whenever the client area is resized.
    ClientLayout(QWidget *client, TopRow *topRow, TabStrip *tabs, WatchTabSet *watchTabs, ServicesTab *servicesTab);

    void fit();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_client;
    TopRow *m_topRow;
    TabStrip *m_tabs;
    WatchTabSet *m_watchTabs;
    ServicesTab *m_servicesTab;
};
