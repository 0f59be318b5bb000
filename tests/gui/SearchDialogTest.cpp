#include "search/SearchDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

// The form on the built-in site hosts, shown, with the addresses it asks to be searched.
struct Form
{
    Form() { dialog->show(); }
    ~Form() { delete dialog; }

    QPointer<SearchDialog> dialog = new SearchDialog(SiteConfig());
    QSignalSpy sent{dialog.data(), &SearchDialog::searchRequested};
};

} // namespace

class SearchDialogTest : public QObject
{
    Q_OBJECT

private slots:
    // Every field but the country away from its initial text, so the address shows where each goes.
    void searchAsksForTheAddressOfTheFieldsAndCloses()
    {
        Form form;
        SearchDialog *d = form.dialog;
        d->titleBox->setText("red car");
        d->wordCombinationBox->setCurrentText("Exact Phrase");
        d->excludedWordsBox->setText("toy");
        d->categoryBox->setCurrentText("Stamps");
        d->currencyBox->setCurrentText("Pound Sterling");
        d->lowestPriceBox->setText("5");
        d->highestPriceBox->setText("9");
        d->sortOrderBox->setCurrentText("Highest prices first");
        d->resultViewBox->setCurrentText("Gallery items only");
        // Esc leaves the form and its entries alone.
        QTest::keyClick(d->titleBox, Qt::Key_Escape);
        QVERIFY(d->isVisible());
        QTest::mouseClick(d->searchButton, Qt::LeftButton);
        QCOMPARE(form.sent.size(), 1);
        QCOMPARE(form.sent[0][0].toString(),
                 "http://search.ebay.com/search/search.dll?MfcISAPICommand=GetResult&query=red car+-%28toy%29"
                 "&query2=red car&search_option=3&exclude=toy&category0=260&ebaytag1=ebayctry&ebaytag1code=0"
                 "&ebaycurr=3&minPrice=5&maxPrice=9&SortProperty=MetaHighestPriceSort&st=1");
        QTRY_VERIFY(form.dialog.isNull());
    }

    // Choice texts count as they stand: Enter and leaving a box neither complete, fold letter case
    // nor pick another entry, and Enter in a choice box searches like Enter anywhere else.
    void choiceBoxesKeepTheirTextsExactlyAndEnterInOneSearches()
    {
        Form form;
        SearchDialog *d = form.dialog;
        QVERIFY(QTest::qWaitForWindowActive(d));
        for (QComboBox *box : {d->categoryBox, d->countryBox}) {
            box->setFocus(Qt::TabFocusReason);
            box->lineEdit()->clear();
            QTest::keyClicks(box, box == d->categoryBox ? "stamps" : "united states");
        }
        d->resultViewBox->setFocus(Qt::TabFocusReason);
        QTest::keyClick(d->resultViewBox, Qt::Key_Return);
        QCOMPARE(form.sent.size(), 1);
        QCOMPARE(form.sent[0][0].toString(),
                 "http://search.ebay.co.uk/search/search.dll?MfcISAPICommand=GetResult&query=&query2=&search_option=1"
                 "&exclude=&category0=&ebaytag1=ebayctry&ebaytag1code=0&ebaycurr=999&minPrice=&maxPrice="
                 "&SortProperty=MetaEndSort&st=2");
    }
};

QTEST_MAIN(SearchDialogTest)
#include "SearchDialogTest.moc"
