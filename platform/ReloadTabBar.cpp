#include "platform/ReloadTabBar.h"

#include <QPainter>

void ReloadTabBar::setTabProgress(int index, std::optional<double> fractionLeft, HealthTone tone)
{
    if (index < 0 || index >= m_progress.size())
        return;
    Progress &progress = m_progress[index];
    if (progress.fractionLeft == fractionLeft && progress.tone == tone)
        return;
    progress = {fractionLeft, tone};
    update(tabRect(index));
}

HealthTone ReloadTabBar::tabTone(int index) const
{
    return m_progress.value(index).tone;
}

QColor ReloadTabBar::toneColour(HealthTone tone) const
{
    switch (tone) {
    case HealthTone::Held:
        return QColor(230, 140, 0);
    case HealthTone::Failing:
        return QColor(210, 0, 0);
    case HealthTone::Fine:
        break;
    }
    return palette().color(QPalette::Highlight);
}

void ReloadTabBar::tabInserted(int index)
{
    QTabBar::tabInserted(index);
    m_progress.insert(index, Progress{});
}

void ReloadTabBar::paintEvent(QPaintEvent *event)
{
    QTabBar::paintEvent(event);
    QPainter painter(this);
    for (int i = 0; i < count(); ++i) {
        const Progress &progress = m_progress[i];
        if (!progress.fractionLeft && progress.tone == HealthTone::Fine)
            continue;
        const double fraction = progress.tone == HealthTone::Fine ? *progress.fractionLeft : 1.0;
        const QRect header = tabRect(i).adjusted(3, 0, -3, -2);
        const int width = qRound(header.width() * qBound(0.0, fraction, 1.0));
        painter.fillRect(QRect(header.left(), header.bottom() - 2, width, 3), toneColour(progress.tone));
    }
}
