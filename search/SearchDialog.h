#pragma once

#include "platform/core/SiteConfig.h"
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

    void search();
    SearchFields fields() const;

    QLineEdit *titleBox = nullptr;
    QComboBox *wordCombinationBox = nullptr;
    QLineEdit *excludedWordsBox = nullptr;
    QComboBox *categoryBox = nullptr;
    QComboBox *countryBox = nullptr;
    QLineEdit *lowestPriceBox = nullptr;
    QLineEdit *highestPriceBox = nullptr;
    QComboBox *sortOrderBox = nullptr;
    QComboBox *resultViewBox = nullptr;
    QComboBox *currencyBox = nullptr;
    QPushButton *searchButton = nullptr;
    QPushButton *cancelButton = nullptr;

signals:
    void searchRequested(const QString &address);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setupFields();
    void setupButtons();
    QLabel *addLabel(QWidget *parent, const QString &caption, double left, double top, double width);
    QLineEdit *addTextBox(double left, double top, double width);
    QComboBox *addChoiceBox(QWidget *parent, const QStringList &entries, const QString &text, double left,
                            double top, double width);

    SiteConfig m_site;
    QGroupBox *m_frame = nullptr;
};
