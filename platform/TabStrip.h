#pragma once

#include "platform/core/PageHealth.h"

#include <QString>
#include <QVector>
#include <QWidget>
#include <optional>

class ReloadTabBar;

// A row of tab headers over one page area. Controls are placed on a tab in
// the strip's own coordinates and shown only while their tab is in front.
// Captions are kept exactly as written, blanks and ampersands included; a
// long one is shown cut, whole in its tooltip.
class TabStrip : public QWidget
{
    Q_OBJECT

public:
    explicit TabStrip(int count, QWidget *parent = nullptr);

    int current() const;
    void setCurrent(int index);
    QString caption(int index) const;
    void setCaption(int index, const QString &caption);
    // A short note shown after the caption on its header (a countdown, say),
    // ampersands included; the caption itself stays as written.
    void setHeaderNote(int index, const QString &note);
    bool isCaptionCut(int index) const;
    void setTabToolTip(int index, const QString &text);
    int count() const { return int(m_tabs.size()); }

    // Makes widget a child of the strip that is visible only on tab index.
    void addToTab(int index, QWidget *widget);
    ReloadTabBar *tabBar() const { return m_bar; }

    // The header's reload bar, in the colour of the page's health, and its
    // tooltip; none hides the bar of a page in good health.
    void setTabReloadStatus(int index, std::optional<double> fractionLeft, const QString &tooltip,
                            HealthTone tone = HealthTone::Fine);
    // A mark on the header that catches the eye; the caption stays as it is.
    void setTabMarked(int index, bool marked);
    bool isTabMarked(int index) const;
    // A warning on the header: the page is not where the caption says.
    void setTabOffSite(int index, bool offSite);
    bool isTabOffSite(int index) const;

signals:
    void currentChanged(int index);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void showPage(int index);
    void showMarks(int index);
    void showHeaderText(int index);

    // What the strip keeps of one tab besides its header in the bar.
    struct Tab
    {
        QString caption; // as written; the header may show it cut
        QString note;
        QString toolTip; // as given, without the cut caption
        bool marked = false;
        bool offSite = false;
        QVector<QWidget *> widgets; // shown only while the tab is in front
    };

    ReloadTabBar *m_bar;
    QVector<Tab> m_tabs;
};
