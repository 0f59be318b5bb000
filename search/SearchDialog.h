#pragma once

#include "app/core/SiteConfig.h"
#include "search/core/SearchRequest.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The search form. "&Search" asks for the search engine's request for the
// fields through searchRequested() and closes the form. The form has no
// owner and reaches into no other window.
class SearchDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit SearchDialog(const SiteConfig &site);

signals:
    void searchRequested(const QString &address);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setupFields();
    void setupButtons();
    QLabel *addLabel(QWidget *parent, const QString &caption, double left, double top, double width);
    QLineEdit *addTextBox(const char *name, double left, double top, double width);
    QComboBox *addChoiceBox(QWidget *parent, const char *name, const QStringList &entries, const QString &text,
                            double left, double top, double width);
    SearchFields fields() const;
    void search();

    SiteConfig m_site;
    QGroupBox *m_frame = nullptr;
    QLineEdit *m_titleBox = nullptr;
    QComboBox *m_wordCombinationBox = nullptr;
    QLineEdit *m_excludedWordsBox = nullptr;
    QComboBox *m_categoryBox = nullptr;
    QComboBox *m_countryBox = nullptr;
    QLineEdit *m_lowestPriceBox = nullptr;
    QLineEdit *m_highestPriceBox = nullptr;
    QComboBox *m_sortOrderBox = nullptr;
    QComboBox *m_resultViewBox = nullptr;
    QComboBox *m_currencyBox = nullptr;
    QPushButton *m_searchButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};
