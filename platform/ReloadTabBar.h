#pragma once

#include "platform/core/PageHealth.h"

#include <QTabBar>
#include <QVector>
#include <optional>

// A tab bar that draws, along the bottom edge of a tab's header, a thin bar
// for the part of its reload period still to wait: in the highlight colour
// while the page is fine, amber while a reload waits for the user, red while
// the site or the page fails. A page in trouble shows a whole bar.
class ReloadTabBar : public QTabBar
{
    Q_OBJECT

public:
    using QTabBar::QTabBar;

    void setTabProgress(int index, std::optional<double> fractionLeft, HealthTone tone = HealthTone::Fine);
    HealthTone tabTone(int index) const;

protected:
    void tabInserted(int index) override;
    void paintEvent(QPaintEvent *event) override;

private:
    struct Progress
    {
        std::optional<double> fractionLeft;
        HealthTone tone = HealthTone::Fine;
    };

    QColor toneColour(HealthTone tone) const;
    // Where the bar of the tab at index is drawn; null when it has none.
    QRect barRect(int index, const Progress &progress) const;
    QVector<Progress> m_progress;
};
