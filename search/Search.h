#pragma once

#include "platform/core/SiteConfig.h"
#include "search/core/SearchRequest.h"

#include <QDialog>
#include <QPointer>

class BrowserView;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TabStrip;

// The search form. "&Search" sends the services view of the main window to
// the search engine's request for the fields and closes the form.
class Search final : public QDialog
{
    Q_OBJECT

public:
    // The form has no owner: it only writes into the main window's tab strip
    // and services view, and does nothing to them once they are gone.
    Search(TabStrip *tabs, BrowserView *servicesView, const SiteConfig &site);

    void Command1_Click();
    void Command2_Click();

    SearchFields fields() const;

    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    QLineEdit *Text4 = nullptr;
    QComboBox *Combo1 = nullptr;
    QComboBox *Combo2 = nullptr;
    QComboBox *Combo3 = nullptr;
    QComboBox *Combo4 = nullptr;
    QComboBox *Combo5 = nullptr;
    QComboBox *Combo6 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QLabel *Label10 = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setupFields();
    void setupButtons();
    QLabel *addLabel(QWidget *parent, const QString &caption, double left, double top, double width);
    QLineEdit *addTextBox(double left, double top, double width);
    QComboBox *addChoiceBox(QWidget *parent, const QStringList &entries, const QString &text, double left,
                            double top, double width);

    QPointer<TabStrip> m_tabs;
    QPointer<BrowserView> m_servicesView;
    SiteConfig m_site;
    QGroupBox *Frame1 = nullptr;
};
