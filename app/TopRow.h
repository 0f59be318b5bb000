#pragma once

#include <QStyle>
#include <QVector>
#include <QWidget>

class ChoiceBox;
class ItemBox;
class QLabel;
class QToolButton;

// The row above the tab strip, between its two blue bars: the browsing
// buttons, the rate box, the item entry and the buttons that watch, save and
// close. Its controls stay where they were made while they fit, and wrap to
// rows below in a window too narrow for them.
class TopRow final : public QWidget
{
    Q_OBJECT

public:
    // The width of the window's client area as made, in twips.
    static constexpr double kMadeWidthTwips = 9360;

    explicit TopRow(QWidget *client);

    ItemBox *itemBox() const { return m_itemBox; }
    ChoiceBox *rateBox() const { return m_rateBox; }
    // Its controls in the order Tab visits them.
    QList<QWidget *> focusOrder() const;
    void showRate(const QString &rate, const QString &toolTip);
    // Wraps the controls to the client area's width; returns the rows added below the first.
    int wrap(double clientWidthTwips);
    // Stretches the bars across the client area, the lower one at its top as wrapped.
    void fitBars(int width, int lowerBarTop);

signals:
    void backClicked();
    void forwardClicked();
    // The stop and the release button both give the tab in front back.
    void releaseClicked();
    void reloadClicked();
    void homeClicked();
    // The watch button, or Enter in the item box.
    void watchClicked();
    void searchClicked();
    void saveItemClicked();
    void openSavedClicked();
    void closeClicked();
    // A pick from the rate list, also of the rate already shown.
    void ratePicked();
    // A typed rate, once the box is left or Enter pressed in it.
    void rateTyped();

private:
    QToolButton *addButton(QStyle::StandardPixmap icon, const QString &tooltip, double left);
    void place(QWidget *control, double left, double top, double width, double height, bool withNext = false);

    // A control and where it was made, in twips, for wrapping it.
    struct Control
    {
        QWidget *widget;
        double left, top, width, height;
        bool withNext;
    };

    QVector<Control> m_controls;
    QLabel *m_topBar = nullptr;
    QLabel *m_lowerBar = nullptr;
    ItemBox *m_itemBox = nullptr;
    ChoiceBox *m_rateBox = nullptr;
    QToolButton *m_watchButton = nullptr;
    QToolButton *m_releaseButton = nullptr;
    QToolButton *m_searchButton = nullptr;
    QToolButton *m_saveItemButton = nullptr;
    QToolButton *m_openSavedButton = nullptr;
    QToolButton *m_backButton = nullptr;
    QToolButton *m_forwardButton = nullptr;
    QToolButton *m_stopButton = nullptr;
    QToolButton *m_reloadButton = nullptr;
    QToolButton *m_homeButton = nullptr;
    QToolButton *m_closeButton = nullptr;
};
