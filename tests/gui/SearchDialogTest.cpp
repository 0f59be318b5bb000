#include "MainWindowFixture.h"

#include "platform/TabStrip.h"
#include "search/Search.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

QList<Search *> openForms()
{
    QList<Search *> found;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *form = qobject_cast<Search *>(window); form && form->isVisible())
            found << form;
    }
    return found;
}

Search *openForm(MainWindowFixture &f)
{
    f.window->Command10_Click();
    return openForms().value(0);
}

} // namespace

class SearchDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { qDeleteAll(openForms()); }

    void opensWithTheInitialFieldsInTabOrder()
    {
        MainWindowFixture f;
        Search *form = openForm(f);
        QCOMPARE(form->windowTitle(), QString("Search for Item"));
        QCOMPARE(form->Combo3->currentText(), QString("United States"));
        QCOMPARE(form->Combo4->currentText(), QString("All items including picture preview"));
        QCOMPARE(form->Combo2->count(), 24);
        QCOMPARE(form->Combo5->currentText(), QString());
        QVERIFY(!form->Combo5->isVisible() && !form->Label10->isVisible());
        QVERIFY(form->Command1->isDefault());
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QVERIFY(!(form->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

        const QList<QWidget *> expected{form->Text1, form->Combo1, form->Text2,    form->Combo2,
                                        form->Combo3, form->Text3, form->Text4,    form->Combo6,
                                        form->Combo4, form->Command1, form->Command2, form->Combo5};
        QList<QWidget *> order{form->Text1};
        for (QWidget *next = form->Text1->nextInFocusChain(); next != form->Text1; next = next->nextInFocusChain()) {
            if (expected.contains(next))
                order << next;
        }
        QCOMPARE(order, expected);
    }

    void searchSaysSoFirstThenSendsShowsAndCloses()
    {
        MainWindowFixture f;
        QPointer<Search> form = openForm(f);
        form->Text1->setText("red car");
        form->Text2->setText("toy");
        QString captionWhenSent;
        f.view(5)->navigated = [&](const QString &) { captionWhenSent = f.window->SSTab1->TabCaption(5); };
        form->Command1_Click();

        QCOMPARE(f.view(5)->calls.last(),
                 "Navigate http://us.search.test/search/search.dll?MfcISAPICommand=GetResult&query=red car+-%28toy%29"
                 "&query2=red car&search_option=1&exclude=toy&category0=&ebaytag1=ebayctry&ebaytag1code=0"
                 "&ebaycurr=999&minPrice=&maxPrice=&SortProperty=MetaEndSort&st=2");
        QCOMPARE(captionWhenSent, QString("Searching...Please Wait"));
        QCOMPARE(f.window->SSTab1->Tab(), 5);
        QTRY_VERIFY(form.isNull());
        f.view(5)->completeDocument();
        QCOMPARE(f.window->SSTab1->TabCaption(5), QString(" Help/Services "));
    }

    void cancelLeavesCaptionAndPage()
    {
        MainWindowFixture f;
        QPointer<Search> form = openForm(f);
        form->Text1->setText("red car");
        QTest::mouseClick(form->Command2, Qt::LeftButton);
        QVERIFY(f.view(5)->calls.isEmpty());
        QCOMPARE(f.window->SSTab1->TabCaption(5), QString(" Help/Services "));
        QCOMPARE(f.window->SSTab1->Tab(), 0);
        QTRY_VERIFY(form.isNull());
    }

    void escapeKeepsAndEnterInAnyTextBoxSearches_data()
    {
        QTest::addColumn<int>("box");
        for (int i = 0; i < 4; ++i)
            QTest::newRow(qPrintable(QString("Text%1").arg(i + 1))) << i;
    }
    void escapeKeepsAndEnterInAnyTextBoxSearches()
    {
        QFETCH(int, box);
        MainWindowFixture f;
        QPointer<Search> form = openForm(f);
        QVERIFY(QTest::qWaitForWindowActive(form));
        QLineEdit *edit = std::array{form->Text1, form->Text2, form->Text3, form->Text4}[box];
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Escape);
        QVERIFY(form->isVisible());
        QTest::keyClicks(edit, "7");
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(f.view(5)->calls.size(), 1);
        QTRY_VERIFY(form.isNull());
    }

    void oneFormAtATimeKeepingItsEntries()
    {
        MainWindowFixture f;
        QPointer<Search> form = openForm(f);
        form->Text1->setText("lamp");
        f.window->mnuSearch_Click();
        QCOMPARE(openForms(), QList<Search *>{form.data()});
        QCOMPARE(form->Text1->text(), QString("lamp"));
        form->close();
        QTRY_VERIFY(form.isNull());
        QCOMPARE(openForm(f)->Text1->text(), QString());
    }
};

QTEST_MAIN(SearchDialogTest)
#include "SearchDialogTest.moc"
