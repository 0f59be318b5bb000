#pragma once

#include <QTabBar>
#include <QVector>
#include <optional>

// A tab bar that draws, along the bottom edge of a tab's header, a thin bar
// for the part of its reload period still to wait.
class ReloadTabBar : public QTabBar
{
    Q_OBJECT

public:
    using QTabBar::QTabBar;

    void setTabProgress(int index, std::optional<double> fractionLeft);
    std::optional<double> tabProgress(int index) const;

protected:
    void tabInserted(int index) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QVector<std::optional<double>> m_progress;
};
