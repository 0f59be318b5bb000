#include "app/ServicesTab.h"

#include "app/ClassicControls.h"
#include "app/core/ReloadStatus.h"
#include "app/core/TabCaptions.h"
#include "app/core/TabToolTip.h"
#include "platform/BrowserView.h"
#include "platform/TabStrip.h"
#include "platform/TextBox.h"
#include "platform/TwipsGeometry.h"

#include <QLabel>
#include <QToolButton>

ServicesTab::ServicesTab(TabStrip *tabs, BrowserView *view, QObject *parent)
    : QObject(parent)
    , m_tabs(tabs)
    , m_view(view)
{
    m_tabs->setCaption(kServicesTab, servicesCaption());

    QLabel *addressLabel = darkBlueLabel(QStringLiteral("Address"), m_tabs);
    placeInTwips(addressLabel, 600, 525, 585, 195);
    m_addressBox = new TextBox(m_tabs);
    m_addressBox->setObjectName(QStringLiteral("addressBox"));
    m_addressBox->setToolTip(QStringLiteral("Enter an address"));
    placeInTwips(m_addressBox, 1440, 480, 6855, 285);
    m_visitButton = pictureButton(m_tabs, QStyle::SP_CommandLink, QStringLiteral("Visit this site"));
    placeInTwips(m_visitButton, 8400, 460, 520, 325);
    for (QWidget *control : {static_cast<QWidget *>(addressLabel), static_cast<QWidget *>(m_addressBox),
                             static_cast<QWidget *>(m_visitButton)})
        m_tabs->addToTab(kServicesTab, control);
    connect(m_addressBox, &TextBox::clicked, m_addressBox, &QLineEdit::selectAll);
    connect(m_visitButton, &QToolButton::clicked, this, &ServicesTab::visitAddress);

    connect(m_view, &BrowserView::documentComplete, this, &ServicesTab::pageLoaded);
    m_view->reportFrameLoads();
    connect(m_view, &BrowserView::frameComplete, this, &ServicesTab::pageLoaded);
    connect(m_view, &BrowserView::healthChanged, this, &ServicesTab::showStatus);
    connect(m_view, &BrowserView::titleOrAddressChanged, this, &ServicesTab::showStatus);
    // A dialog a page raised out of sight was not shown: the tab catches the eye.
    connect(m_view, &BrowserView::dialogRefused, this, [this] {
        if (m_tabs->current() != kServicesTab)
            m_tabs->setTabMarked(kServicesTab, true);
    });
    showStatus();
}

QList<QWidget *> ServicesTab::focusOrder() const
{
    return {m_visitButton, m_addressBox};
}

void ServicesTab::open(const QString &address)
{
    m_tabs->setCurrent(kServicesTab);
    m_view->open(address);
}

void ServicesTab::openLoading(const QString &address, const QString &caption)
{
    m_tabs->setCurrent(kServicesTab);
    m_tabs->setCaption(kServicesTab, caption);
    m_view->open(address);
}

void ServicesTab::enterAddress()
{
    m_tabs->setCurrent(kServicesTab);
    m_addressBox->setFocus();
}

void ServicesTab::visitAddress()
{
    m_view->open(m_addressBox->text());
}

void ServicesTab::reloadByCountdown(int periodMs)
{
    m_view->reloadOnTimer({QString(), periodMs});
}

void ServicesTab::pageLoaded()
{
    m_tabs->setCaption(kServicesTab, servicesCaption());
}

// Only what the page said, if anything, and that it stopped after crashes.
void ServicesTab::showStatus()
{
    const ReloadStatus status = pageMessageStatus(m_view->health());
    m_tabs->setTabReloadStatus(kServicesTab, status.fractionLeft,
                               tabToolTip(status.tooltip, m_view->title(), m_view->address(), true), status.tone);
}
