#include "platform/ReloadTabBar.h"

#include <QPainter>

void ReloadTabBar::setTabProgress(int index, std::optional<double> fractionLeft, HealthTone tone)
{
    if (index < 0 || index >= m_progress.size())
        return;
    const Progress next{fractionLeft, tone};
    // A tick that moves no pixel of the bar is not drawn: every drawing of the
    // window composes the web view it shows anew.
    const bool moved = next.tone != m_progress[index].tone || barRect(index, next) != barRect(index, m_progress[index]);
    m_progress[index] = next;
    if (moved)
        update(tabRect(index));
}

QRect ReloadTabBar::barRect(int index, const Progress &progress) const
{
    if (!progress.fractionLeft && progress.tone == HealthTone::Fine)
        return {};
    const double fraction = progress.tone == HealthTone::Fine ? *progress.fractionLeft : 1.0;
    const QRect header = tabRect(index).adjusted(3, 0, -3, -2);
    const int width = qRound(header.width() * qBound(0.0, fraction, 1.0));
    return QRect(header.left(), header.bottom() - 2, width, 3);
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
    for (int i = 0; i < count(); ++i)
        painter.fillRect(barRect(i, m_progress[i]), toneColour(m_progress[i].tone));
}
