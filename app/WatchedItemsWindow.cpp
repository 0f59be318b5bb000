#include "app/WatchedItemsWindow.h"

#include "app/core/WatchedItemsOrder.h"

#include <QHeaderView>
#include <QMenu>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kTabRole = Qt::UserRole;
constexpr int kFollowedRole = Qt::UserRole + 1; // the followed elements' values

QColor blend(const QColor &base, const QColor &tint, double share)
{
    return QColor::fromRgbF(base.redF() + (tint.redF() - base.redF()) * share,
                            base.greenF() + (tint.greenF() - base.greenF()) * share,
                            base.blueF() + (tint.blueF() - base.blueF()) * share);
}

// Tints over the palette's base, so the row's text reads on light and dark
// palettes alike: of its highlight, ending soon the stronger one, and amber
// for a row that will not reload.
QBrush markBrush(RowMark mark, const QPalette &palette)
{
    switch (mark) {
    case RowMark::EndingSoon:
        return blend(palette.color(QPalette::Base), palette.color(QPalette::Highlight), 0.45);
    case RowMark::Changed:
        return blend(palette.color(QPalette::Base), palette.color(QPalette::Highlight), 0.2);
    case RowMark::NotReloading:
        // The amber of a held tab's header.
        return blend(palette.color(QPalette::Base), QColor(230, 140, 0), 0.35);
    case RowMark::None:
        break;
    }
    return {};
}

QString historyToolTip(const QStringList &lines)
{
    if (lines.isEmpty())
        return {};
    QStringList escaped;
    for (const QString &line : lines)
        escaped << line.toHtmlEscaped();
    // Rich text, so a value that looks like markup is shown as it is.
    return QStringLiteral("<p style='white-space:pre'>%1</p>").arg(escaped.join(QStringLiteral("<br>")));
}

} // namespace

WatchedItemsWindow::WatchedItemsWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_rows(new QTreeWidget(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Watched Items"));
    m_rows->setRootIsDecorated(false);
    m_rows->setUniformRowHeights(true);
    m_rows->setColumnCount(kOverviewColumnCount);
    m_rows->setHeaderLabels(overviewHeaders());
    m_rows->header()->setStretchLastSection(false);
    m_rows->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_rows->header()->setSectionResizeMode(int(OverviewColumn::Title), QHeaderView::Stretch);
    connect(m_rows, &QTreeWidget::itemClicked, this, &WatchedItemsWindow::chooseRow);
    connect(m_rows, &QTreeWidget::itemActivated, this, &WatchedItemsWindow::chooseRow);
    m_rows->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_rows, &QTreeWidget::customContextMenuRequested, this, &WatchedItemsWindow::offerConditions);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_rows);
    resize(760, 220);
}

void WatchedItemsWindow::setSummaries(const QList<WatchSummary> &summaries, const QDateTime &now)
{
    const QTreeWidgetItem *current = m_rows->currentItem();
    const int chosenTab = current ? current->data(0, kTabRole).toInt() : -1;

    const QList<WatchSummary> ordered = inOverviewOrder(summaries, now);
    while (m_rows->topLevelItemCount() > ordered.size())
        delete m_rows->takeTopLevelItem(m_rows->topLevelItemCount() - 1);
    while (m_rows->topLevelItemCount() < ordered.size())
        m_rows->addTopLevelItem(new QTreeWidgetItem);
    for (int i = 0; i < ordered.size(); ++i) {
        QTreeWidgetItem *row = m_rows->topLevelItem(i);
        showRow(row, ordered[i], now);
        // The rows are reused in the new order: the choice follows its tab, not its place.
        if (ordered[i].tab == chosenTab && row != current)
            m_rows->setCurrentItem(row);
    }
}

void WatchedItemsWindow::showRow(QTreeWidgetItem *row, const WatchSummary &summary, const QDateTime &now)
{
    const QStringList cells = overviewCells(summary, now);
    const QBrush background = markBrush(rowMark(summary), m_rows->palette());
    for (int column = 0; column < kOverviewColumnCount; ++column) {
        row->setText(column, cells[column]);
        row->setBackground(column, background);
    }
    row->setData(0, kTabRole, summary.tab);
    QStringList values;
    for (const WatchSummary::Followed &followed : summary.followed)
        values << followed.value;
    row->setData(0, kFollowedRole, values);
    row->setToolTip(int(OverviewColumn::Value), historyToolTip(historyLines(summary, now)));
}

void WatchedItemsWindow::chooseRow(QTreeWidgetItem *row)
{
    emit tabChosen(row->data(0, kTabRole).toInt());
}

void WatchedItemsWindow::offerConditions(const QPoint &position)
{
    const QTreeWidgetItem *row = m_rows->itemAt(position);
    if (!row)
        return;
    const int tab = row->data(0, kTabRole).toInt();
    const QStringList values = row->data(0, kFollowedRole).toStringList();
    if (values.isEmpty())
        return;
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (int element = 0; element < values.size(); ++element) {
        menu->addAction(QStringLiteral("Alert me when '%1'...").arg(values[element]), this,
                        [this, tab, element] { emit conditionAsked(tab, element); });
    }
    menu->popup(m_rows->viewport()->mapToGlobal(position));
}

void WatchedItemsWindow::closeEvent(QCloseEvent *event)
{
    emit closing(geometry());
    QWidget::closeEvent(event);
}
