#include "app/TopRow.h"

#include "app/ClassicControls.h"
#include "app/ItemBox.h"
#include "app/core/RefreshRates.h"
#include "app/core/WindowLayout.h"
#include "platform/ChoiceBox.h"
#include "platform/TextBox.h"
#include "platform/TwipsGeometry.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

namespace {

constexpr double kBarHeightTwips = 75;

QLabel *blueBar(QWidget *row, double top, const char *name)
{
    auto *bar = new QLabel(row);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setAutoFillBackground(true);
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Window, QColor(0, 0, 255));
    bar->setPalette(palette);
    placeInTwips(bar, 0, top, TopRow::kMadeWidthTwips, kBarHeightTwips);
    return bar;
}

} // namespace

TopRow::TopRow(QWidget *client)
    : QWidget(client)
{
    setObjectName(QStringLiteral("topRow"));
    const WindowLayout made;
    placeInTwips(this, 0, 0, kMadeWidthTwips, made.lowerBarTop + kBarHeightTwips);
    m_topBar = blueBar(this, 0, "topBar");
    m_lowerBar = blueBar(this, made.lowerBarTop, "lowerBar");
    m_backButton = addButton(QStyle::SP_ArrowBack, QStringLiteral("Back one page"), 80);
    m_forwardButton = addButton(QStyle::SP_ArrowForward, QStringLiteral("Forward one page"), 600);
    m_stopButton = addButton(QStyle::SP_BrowserStop, QStringLiteral("Stop"), 1125);
    m_reloadButton = addButton(QStyle::SP_BrowserReload, QStringLiteral("Refresh"), 1650);
    m_homeButton = addButton(QStyle::SP_DirHomeIcon, QStringLiteral("eBay Home Page"), 2175);

    m_rateBox = new ChoiceBox(refreshRateTexts(), this);
    m_rateBox->setObjectName(QStringLiteral("rateBox"));
    // Typing runs nothing.
    connect(m_rateBox, &QComboBox::activated, this, &TopRow::ratePicked);
    connect(m_rateBox->lineEdit(), &QLineEdit::editingFinished, this, &TopRow::rateTyped);
    place(m_rateBox, 2900, 150, 1200, 315);

    place(darkBlueLabel(QStringLiteral("Item #"), this), 4190, 210, 495, 195, true);
    m_itemBox = new ItemBox(this);
    m_itemBox->setObjectName(QStringLiteral("itemBox"));
    m_itemBox->setToolTip(QStringLiteral("Enter item number to Watch"));
    place(m_itemBox, 4690, 157, 1095, 300);
    connect(m_itemBox, &QLineEdit::returnPressed, this, &TopRow::watchClicked);
    connect(m_itemBox, &TextBox::clicked, m_itemBox, &QLineEdit::selectAll);

    m_watchButton = addButton(QStyle::SP_DialogApplyButton, QStringLiteral("Add this item to Watch"), 5880);
    m_releaseButton = addButton(QStyle::SP_TrashIcon, QStringLiteral("Remove current item from Watch"), 6405);
    m_searchButton = addButton(QStyle::SP_FileDialogContentsView, QStringLiteral("Search eBay for items"), 6930);
    m_saveItemButton = addButton(QStyle::SP_DialogSaveButton, QStringLiteral("Save the current item"), 7455);
    m_openSavedButton = addButton(QStyle::SP_DialogOpenButton, QStringLiteral("Open a saved item"), 7980);
    m_closeButton = addButton(QStyle::SP_DialogCloseButton, QStringLiteral("Close program"), 8780);

    connect(m_watchButton, &QToolButton::clicked, this, &TopRow::watchClicked);
    connect(m_releaseButton, &QToolButton::clicked, this, &TopRow::releaseClicked);
    connect(m_backButton, &QToolButton::clicked, this, &TopRow::backClicked);
    connect(m_forwardButton, &QToolButton::clicked, this, &TopRow::forwardClicked);
    connect(m_stopButton, &QToolButton::clicked, this, &TopRow::releaseClicked);
    connect(m_reloadButton, &QToolButton::clicked, this, &TopRow::reloadClicked);
    connect(m_homeButton, &QToolButton::clicked, this, &TopRow::homeClicked);
    connect(m_closeButton, &QToolButton::clicked, this, &TopRow::closeClicked);
    connect(m_searchButton, &QToolButton::clicked, this, &TopRow::searchClicked);
    connect(m_saveItemButton, &QToolButton::clicked, this, &TopRow::saveItemClicked);
    connect(m_openSavedButton, &QToolButton::clicked, this, &TopRow::openSavedClicked);
}

QToolButton *TopRow::addButton(QStyle::StandardPixmap icon, const QString &tooltip, double left)
{
    QToolButton *button = pictureButton(this, icon, tooltip);
    place(button, left, 120, 520, 375);
    return button;
}

void TopRow::place(QWidget *control, double left, double top, double width, double height, bool withNext)
{
    placeInTwips(control, left, top, width, height);
    m_controls.append({control, left, top, width, height, withNext});
}

QList<QWidget *> TopRow::focusOrder() const
{
    return {m_itemBox,        m_rateBox,         m_watchButton, m_releaseButton, m_searchButton,
            m_saveItemButton, m_openSavedButton, m_backButton,  m_forwardButton, m_stopButton,
            m_reloadButton,   m_homeButton,      m_closeButton};
}

void TopRow::showRate(const QString &rate, const QString &toolTip)
{
    m_rateBox->setText(rate);
    m_rateBox->setToolTip(toolTip);
}

int TopRow::wrap(double clientWidthTwips)
{
    std::vector<RowControl> made;
    for (const Control &control : m_controls)
        made.push_back({control.left, control.width, control.withNext});
    const std::vector<RowPlace> places = wrapTopRow(made, clientWidthTwips);
    int rows = 0;
    for (int i = 0; i < m_controls.size(); ++i) {
        const Control &control = m_controls[i];
        placeInTwips(control.widget, places[i].left, control.top + places[i].row * kTopRowHeight, control.width,
                     control.height);
        rows = std::max(rows, places[i].row);
    }
    return rows;
}

void TopRow::fitBars(int width, int lowerBarTop)
{
    m_lowerBar->setGeometry(0, lowerBarTop, width, m_lowerBar->height());
    m_topBar->resize(width, m_topBar->height());
    resize(width, lowerBarTop + m_lowerBar->height());
}
