#include "MainWindowFixture.h"
#include "OpenWindows.h"

#include "platform/TabStrip.h"
#include "search/Search.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

Search *openForm(MainWindowFixture &f)
{
    f.window->Command10_Click();
    return openWindows<Search>().value(0);
}

} // namespace

class SearchDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { qDeleteAll(openWindows<Search>()); }

    void opensOnceFixedWithTheFieldsInTabOrderAndSearchSaysSoThenSendsShowsAndCloses()
    {
        MainWindowFixture f;
        QPointer<Search> form = openForm(f);
        QVERIFY(!form->Combo5->isVisible() && !form->Label10->isVisible());
        QCOMPARE(form->minimumSize(), form->maximumSize());
        const QList<QWidget *> expected{form->Text1, form->Combo1, form->Text2,    form->Combo2,
                                        form->Combo3, form->Text3, form->Text4,    form->Combo6,
                                        form->Combo4, form->Command1, form->Command2, form->Combo5};
        QList<QWidget *> order{form->Text1};
        for (QWidget *next = form->Text1->nextInFocusChain(); next != form->Text1; next = next->nextInFocusChain()) {
            if (expected.contains(next))
                order << next;
        }
        QCOMPARE(order, expected);

        // Every field but the country away from its initial text, so the request shows where each goes.
        form->Text1->setText("red car");
        form->Combo1->setCurrentText("Exact Phrase");
        form->Text2->setText("toy");
        form->Combo2->setCurrentText("Stamps");
        form->Combo5->setCurrentText("Pound Sterling");
        form->Text3->setText("5");
        form->Text4->setText("9");
        form->Combo6->setCurrentText("Highest prices first");
        form->Combo4->setCurrentText("Gallery items only");
        // Opening again brings the same form forward with its entries.
        f.window->mnuSearch_Click();
        QCOMPARE(openWindows<Search>(), QList<Search *>{form.data()});
        QString captionWhenSent;
        f.view(5)->navigated = [&](const QString &) { captionWhenSent = f.window->SSTab1->TabCaption(5); };
        form->Command1_Click();
        QCOMPARE(f.view(5)->calls.last(),
                 "Navigate http://us.search.test/search/search.dll?MfcISAPICommand=GetResult&query=red car+-%28toy%29"
                 "&query2=red car&search_option=3&exclude=toy&category0=260&ebaytag1=ebayctry&ebaytag1code=0"
                 "&ebaycurr=3&minPrice=5&maxPrice=9&SortProperty=MetaHighestPriceSort&st=1");
        QCOMPARE(captionWhenSent, QString("Searching...Please Wait"));
        QCOMPARE(f.window->SSTab1->Tab(), 5);
        QTRY_VERIFY(form.isNull());
    }

    // Esc leaves the form alone; Enter in each text box in turn searches.
    void escapeKeepsAndEnterInAnyTextBoxSearches()
    {
        MainWindowFixture f;
        for (int box = 0; box < 4; ++box) {
            QPointer<Search> form = openForm(f);
            QVERIFY(QTest::qWaitForWindowActive(form));
            QLineEdit *edit = std::array{form->Text1, form->Text2, form->Text3, form->Text4}[box];
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
        QPointer<Search> form = openForm(f);
        QVERIFY(QTest::qWaitForWindowActive(form));
        for (QComboBox *box : {form->Combo2, form->Combo3}) {
            box->setFocus(Qt::TabFocusReason);
            box->lineEdit()->clear();
            QTest::keyClicks(box, box == form->Combo2 ? "stamps" : "united states");
        }
        form->Combo4->setFocus(Qt::TabFocusReason);
        QCOMPARE(form->Combo2->currentText(), QString("stamps"));
        QCOMPARE(form->Combo3->currentText(), QString("united states"));
        QTest::keyClick(form->Combo4, Qt::Key_Return);
        QCOMPARE(f.view(5)->calls.size(), 1);
        const QString sent = f.view(5)->calls.last();
        QVERIFY2(sent.startsWith("Navigate http://search.ebay.co.uk/"), qPrintable(sent));
        QVERIFY2(sent.contains("&category0=&ebaytag1=ebayctry&ebaytag1code=0&") && sent.endsWith("&st=2"),
                 qPrintable(sent));
        QTRY_VERIFY(form.isNull());
    }

    void cancelLeavesCaptionAndPageAndTheNextFormStartsEmpty()
    {
        MainWindowFixture f;
        QPointer<Search> form = openForm(f);
        form->Text1->setText("lamp");
        QTest::mouseClick(form->Command2, Qt::LeftButton);
        QTRY_VERIFY(form.isNull());
        QVERIFY(f.view(5)->calls.isEmpty());
        QCOMPARE(f.window->SSTab1->TabCaption(5), QString(" Help/Services "));
        QCOMPARE(f.window->SSTab1->Tab(), 0);
        QCOMPARE(openForm(f)->Text1->text(), QString());
    }
};

QTEST_MAIN(SearchDialogTest)
#include "SearchDialogTest.moc"
