#include "platform/ReloadTabBar.h"

#include <QPainter>

void ReloadTabBar::setTabProgress(int index, std::optional<double> fractionLeft)
{
    if (index < 0 || index >= m_progress.size() || m_progress[index] == fractionLeft)
        return;
    m_progress[index] = fractionLeft;
    update(tabRect(index));
}

std::optional<double> ReloadTabBar::tabProgress(int index) const
{
    return m_progress.value(index);
}

void ReloadTabBar::tabInserted(int index)
{
    QTabBar::tabInserted(index);
    m_progress.insert(index, std::nullopt);
}

void ReloadTabBar::paintEvent(QPaintEvent *event)
{
    QTabBar::paintEvent(event);
    QPainter painter(this);
    const QColor colour = palette().color(QPalette::Highlight);
    for (int i = 0; i < count(); ++i) {
        if (!m_progress[i])
            continue;
        const QRect header = tabRect(i).adjusted(3, 0, -3, -2);
        const int width = qRound(header.width() * qBound(0.0, *m_progress[i], 1.0));
        painter.fillRect(QRect(header.left(), header.bottom() - 2, width, 3), colour);
    }
}
