#include "platform/TabStrip.h"

#include "platform/ReloadTabBar.h"

#include <QPainter>
#include <QStyleOptionTabWidgetFrame>

namespace {

// A header keeps to a sensible width: a longer caption is shown cut.
constexpr int kLongestShownCaption = 24;

QString shownCaption(const QString &caption)
{
    if (caption.size() > kLongestShownCaption)
        return caption.left(kLongestShownCaption - 1) + QChar(0x2026);
    return caption;
}

} // namespace

TabStrip::TabStrip(int count, QWidget *parent)
    : QWidget(parent)
    , m_bar(new ReloadTabBar(this))
    , m_tabs(count)
{
    m_bar->setExpanding(false);
    m_bar->setDrawBase(false);
    for (int i = 0; i < count; ++i)
        m_bar->addTab(QString());
    connect(m_bar, &QTabBar::currentChanged, this, [this](int index) {
        showPage(index);
        emit currentChanged(index);
    });
}

int TabStrip::current() const
{
    return m_bar->currentIndex();
}

void TabStrip::setCurrent(int index)
{
    if (index >= 0 && index < count())
        m_bar->setCurrentIndex(index);
}

QString TabStrip::caption(int index) const
{
    return m_tabs.value(index).caption;
}

void TabStrip::setCaption(int index, const QString &caption)
{
    if (index < 0 || index >= count())
        return;
    m_tabs[index].caption = caption;
    showHeaderText(index);
    setTabToolTip(index, m_tabs[index].toolTip);
}

void TabStrip::setHeaderNote(int index, const QString &note)
{
    if (index < 0 || index >= count() || m_tabs[index].note == note)
        return;
    m_tabs[index].note = note;
    showHeaderText(index);
}

void TabStrip::showHeaderText(int index)
{
    const Tab &tab = m_tabs[index];
    QString text = shownCaption(tab.caption);
    if (!tab.note.isEmpty())
        text += QStringLiteral(" \u00b7 ") + tab.note;
    // The tab bar reads "&" as an access key; the caption and the note (a
    // page's text) show it as written.
    m_bar->setTabText(index, text.replace(QLatin1Char('&'), QLatin1String("&&")));
}

bool TabStrip::isCaptionCut(int index) const
{
    return m_tabs.value(index).caption.size() > kLongestShownCaption;
}

void TabStrip::setTabToolTip(int index, const QString &text)
{
    if (index < 0 || index >= count())
        return;
    m_tabs[index].toolTip = text;
    const QString &caption = m_tabs[index].caption;
    QString shown = text;
    if (isCaptionCut(index))
        shown = text.isEmpty() ? caption : caption + QLatin1Char('\n') + text;
    m_bar->setTabToolTip(index, shown);
}

void TabStrip::setTabReloadStatus(int index, std::optional<double> fractionLeft, const QString &tooltip,
                                  HealthTone tone)
{
    m_bar->setTabProgress(index, fractionLeft, tone);
    setTabToolTip(index, tooltip);
}

void TabStrip::setTabMarked(int index, bool marked)
{
    if (index < 0 || index >= count() || m_tabs[index].marked == marked)
        return;
    m_tabs[index].marked = marked;
    showMarks(index);
}

void TabStrip::setTabOffSite(int index, bool offSite)
{
    if (index < 0 || index >= count() || m_tabs[index].offSite == offSite)
        return;
    m_tabs[index].offSite = offSite;
    showMarks(index);
}

bool TabStrip::isTabOffSite(int index) const
{
    return m_tabs.value(index).offSite;
}

void TabStrip::showMarks(int index)
{
    // A page off the site is the graver news: its warning wins over a change.
    const Tab &tab = m_tabs[index];
    QIcon icon;
    if (tab.offSite)
        icon = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    else if (tab.marked)
        icon = style()->standardIcon(QStyle::SP_MessageBoxInformation);
    m_bar->setTabTextColor(index, tab.marked ? palette().color(QPalette::Link) : QColor());
    m_bar->setTabIcon(index, icon);
}

bool TabStrip::isTabMarked(int index) const
{
    return m_tabs.value(index).marked;
}

void TabStrip::addToTab(int index, QWidget *widget)
{
    if (index < 0 || index >= count())
        return;
    widget->setParent(this);
    m_tabs[index].widgets << widget;
    widget->setVisible(index == current());
    m_bar->raise();
}

void TabStrip::showPage(int index)
{
    for (int i = 0; i < count(); ++i) {
        for (QWidget *widget : qAsConst(m_tabs[i].widgets))
            widget->setVisible(i == index);
    }
}

void TabStrip::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_bar->setGeometry(0, 0, width(), m_bar->sizeHint().height());
}

void TabStrip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = rect().adjusted(0, m_bar->height() - 1, 0, 0);
    frame.shape = QTabBar::RoundedNorth;
    frame.tabBarSize = m_bar->size();
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}
