#include "MainWindowFixture.h"
#include "OpenWindows.h"

#include "platform/TabStrip.h"
#include "search/SearchDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

SearchDialog *openForm(MainWindowFixture &f)
{
    f.window->openSearch();
    return openWindows<SearchDialog>().value(0);
}

} // namespace

class SearchDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { qDeleteAll(openWindows<SearchDialog>()); }

    void opensOnceFixedWithTheFieldsInTabOrderAndSearchSaysSoThenSendsShowsAndCloses()
    {
        MainWindowFixture f;
        QPointer<SearchDialog> form = openForm(f);
        QVERIFY(!form->currencyBox->isVisible() && !form->currencyLabel->isVisible());
        QCOMPARE(form->minimumSize(), form->maximumSize());
        const QList<QWidget *> expected{form->titleBox, form->wordCombinationBox, form->excludedWordsBox,    form->categoryBox,
                                        form->countryBox, form->lowestPriceBox, form->highestPriceBox,    form->sortOrderBox,
                                        form->resultViewBox, form->searchButton, form->cancelButton, form->currencyBox};
        QList<QWidget *> order{form->titleBox};
        for (QWidget *next = form->titleBox->nextInFocusChain(); next != form->titleBox; next = next->nextInFocusChain()) {
            if (expected.contains(next))
                order << next;
        }
        QCOMPARE(order, expected);

        // Every field but the country away from its initial text, so the request shows where each goes.
        form->titleBox->setText("red car");
        form->wordCombinationBox->setCurrentText("Exact Phrase");
        form->excludedWordsBox->setText("toy");
        form->categoryBox->setCurrentText("Stamps");
        form->currencyBox->setCurrentText("Pound Sterling");
        form->lowestPriceBox->setText("5");
        form->highestPriceBox->setText("9");
        form->sortOrderBox->setCurrentText("Highest prices first");
        form->resultViewBox->setCurrentText("Gallery items only");
        // Opening again brings the same form forward with its entries.
        f.window->openSearch();
        QCOMPARE(openWindows<SearchDialog>(), QList<SearchDialog *>{form.data()});
        QString captionWhenSent;
        f.view(5)->navigated = [&](const QString &) { captionWhenSent = f.window->tabs()->caption(5); };
        form->search();
        QCOMPARE(f.view(5)->calls.last(),
                 "open http://us.search.test/search/search.dll?MfcISAPICommand=GetResult&query=red car+-%28toy%29"
                 "&query2=red car&search_option=3&exclude=toy&category0=260&ebaytag1=ebayctry&ebaytag1code=0"
                 "&ebaycurr=3&minPrice=5&maxPrice=9&SortProperty=MetaHighestPriceSort&st=1");
        QCOMPARE(captionWhenSent, QString("Searching...Please Wait"));
        QCOMPARE(f.window->tabs()->current(), 5);
        QTRY_VERIFY(form.isNull());
    }

    // Cancel leaves caption and page and the next form starts empty; Esc leaves
    // the form alone; Enter in each text box in turn searches.
    void cancelLeavesCaptionAndPageEscapeKeepsTheFormAndEnterInAnyTextBoxSearches()
    {
        MainWindowFixture f;
        QPointer<SearchDialog> cancelled = openForm(f);
        cancelled->titleBox->setText("lamp");
        QTest::mouseClick(cancelled->cancelButton, Qt::LeftButton);
        QTRY_VERIFY(cancelled.isNull());
        QVERIFY(f.view(5)->calls.isEmpty());
        QCOMPARE(f.window->tabs()->caption(5), QString(" Help/Services "));
        QCOMPARE(f.window->tabs()->current(), 0);
        for (int box = 0; box < 4; ++box) {
            QPointer<SearchDialog> form = openForm(f);
            QCOMPARE(form->titleBox->text(), QString());
            QVERIFY(QTest::qWaitForWindowActive(form));
            QLineEdit *edit = std::array{form->titleBox, form->excludedWordsBox, form->lowestPriceBox, form->highestPriceBox}[box];
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_Escape);
            QVERIFY(form->isVisible());
            QTest::keyClick(edit, Qt::Key_Return);
            QCOMPARE(f.view(5)->calls.size(), box + 1);
            QTRY_VERIFY(form.isNull());
        }
    }

    // Choice texts count as they stand: Enter and leaving a box neither complete, fold letter case
    // nor pick another entry, and Enter in a choice box searches like Enter anywhere else.
    void choiceBoxesKeepTheirTextsExactlyAndEnterInOneSearches()
    {
        MainWindowFixture f;
        QPointer<SearchDialog> form = openForm(f);
        QVERIFY(QTest::qWaitForWindowActive(form));
        for (QComboBox *box : {form->categoryBox, form->countryBox}) {
            box->setFocus(Qt::TabFocusReason);
            box->lineEdit()->clear();
            QTest::keyClicks(box, box == form->categoryBox ? "stamps" : "united states");
        }
        form->resultViewBox->setFocus(Qt::TabFocusReason);
        QCOMPARE(form->categoryBox->currentText(), QString("stamps"));
        QCOMPARE(form->countryBox->currentText(), QString("united states"));
        QTest::keyClick(form->resultViewBox, Qt::Key_Return);
        QCOMPARE(f.view(5)->calls.size(), 1);
        const QString sent = f.view(5)->calls.last();
        QVERIFY2(sent.startsWith("open http://search.ebay.co.uk/"), qPrintable(sent));
        QVERIFY2(sent.contains("&category0=&ebaytag1=ebayctry&ebaytag1code=0&") && sent.endsWith("&st=2"),
                 qPrintable(sent));
        QTRY_VERIFY(form.isNull());
    }
};

QTEST_MAIN(SearchDialogTest)
#include "SearchDialogTest.moc"
