#pragma once

#include "app/core/WatchSummary.h"

#include <QWidget>

class QTreeWidget;
class QTreeWidgetItem;

// The overview of the watched items: one row a watch tab, soonest end first,
// the rows that changed or end soon coloured. A click on a row asks for its tab.
class WatchedItemsWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit WatchedItemsWindow(QWidget *parent = nullptr);

    // Updates the rows in place; the row chosen stays with its tab.
    void setSummaries(const QList<WatchSummary> &summaries, const QDateTime &now);

    QTreeWidget *rows() const { return m_rows; }

signals:
    void tabChosen(int tab);
    // The user asked, on the row's menu, to set when a followed element of the tab alerts.
    void conditionAsked(int tab, int element);
    // The window is closing where it is, to be opened there the next time.
    void closing(const QRect &geometry);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showRow(QTreeWidgetItem *row, const WatchSummary &summary, const QDateTime &now);
    void chooseRow(QTreeWidgetItem *row);
    // A menu with an entry a followed element of the row's tab.
    void offerConditions(const QPoint &position);

    QTreeWidget *m_rows;
};
