#pragma once

#include <QList>
#include <QObject>

class BrowserView;
class QToolButton;
class QWidget;
class TabStrip;
class TextBox;

// The sixth tab, beside the watch tabs: it browses anywhere and is never
// reloaded on a timer of its own. Its caption says while a site page or a
// search loads; pages that ask for a new window open here; its address row
// visits a typed address.
class ServicesTab final : public QObject
{
    Q_OBJECT

public:
    ServicesTab(TabStrip *tabs, BrowserView *view, QObject *parent = nullptr);

    BrowserView *view() const { return m_view; }
    // The address row's controls in the order Tab visits them.
    QList<QWidget *> focusOrder() const;

    // Brings the tab to the front and opens the address there.
    void open(const QString &address);
    // The same, the caption saying so until the page has loaded.
    void openLoading(const QString &address, const QString &caption);
    // Brings the tab to the front with the focus in its address box.
    void enterAddress();
    void visitAddress();
    // The five-minute countdown came round with this tab in front.
    void reloadByCountdown(int periodMs);

private:
    void pageLoaded();
    void showStatus();

    TabStrip *m_tabs;
    BrowserView *m_view;
    TextBox *m_addressBox = nullptr;
    QToolButton *m_visitButton = nullptr;
};
