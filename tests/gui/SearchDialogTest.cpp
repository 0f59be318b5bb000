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

// Remembers the services tab's caption at the moment the request is sent.
class CaptionAtNavigateView final : public BrowserView
{
public:
    explicit CaptionAtNavigateView(TabStrip *tabs)
        : m_tabs(tabs)
    {
    }
    void Navigate(const QString &text) override
    {
        sent << text;
        captionWhenSent = m_tabs->TabCaption(5);
    }
    void Refresh() override {}
    bool GoBack() override { return false; }
    bool GoForward() override { return false; }

    QStringList sent;
    QString captionWhenSent;

private:
    TabStrip *m_tabs;
};

QList<Search *> openSearches()
{
    QList<Search *> found;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *search = qobject_cast<Search *>(window); search && search->isVisible())
            found << search;
    }
    return found;
}

const char *const kWorkedExample =
    "http://us.test/search/search.dll?MfcISAPICommand=GetResult&query=red car+-%28toy%29&query2=red car"
    "&search_option=1&exclude=toy&category0=&ebaytag1=ebayctry&ebaytag1code=0&ebaycurr=999&minPrice=&maxPrice="
    "&SortProperty=MetaEndSort&st=2";

} // namespace

class SearchDialogTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TabStrip> m_tabs;
    CaptionAtNavigateView *m_view = nullptr;

    Search *openForm()
    {
        SiteConfig site;
        site.searchUS = "us.test";
        m_tabs = std::make_unique<TabStrip>(6);
        m_view = new CaptionAtNavigateView(m_tabs.get());
        m_tabs->addToTab(5, m_view);
        m_tabs->setTabCaption(5, " Help/Services ");
        m_tabs->setTab(0);
        auto *form = new Search(m_tabs.get(), m_view, site);
        form->show();
        return form;
    }

private slots:
    void cleanup()
    {
        for (Search *open : openSearches())
            delete open;
        m_tabs.reset();
    }

    void opensWithTheInitialFields()
    {
        Search *form = openForm();
        QCOMPARE(form->windowTitle(), QString("Search for Item"));
        QCOMPARE(form->Combo1->currentText(), QString("All of these words"));
        QCOMPARE(form->Combo2->currentText(), QString("All Categories"));
        QCOMPARE(form->Combo3->currentText(), QString("United States"));
        QCOMPARE(form->Combo6->currentText(), QString("Items ending first"));
        QCOMPARE(form->Combo4->currentText(), QString("All items including picture preview"));
        QCOMPARE(form->Combo2->count(), 24);
        QCOMPARE(form->Combo5->currentText(), QString());
        QVERIFY(!form->Combo5->isVisible() && !form->Label10->isVisible());
        QVERIFY(form->Command1->isDefault());
        QCOMPARE(form->Command1->text(), QString("&Search"));
        QCOMPARE(form->Command2->text(), QString("&Cancel"));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QVERIFY(!(form->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

        QList<QWidget *> order;
        QWidget *next = form->Text1;
        do {
            order << next;
            next = next->nextInFocusChain();
        } while (next != form->Text1 && order.size() < 40);
        const QList<QWidget *> expected{form->Text1, form->Combo1, form->Text2, form->Combo2,
                                        form->Combo3, form->Text3, form->Text4, form->Combo6,
                                        form->Combo4, form->Command1, form->Command2, form->Combo5};
        order.removeIf([&expected](QWidget *w) { return !expected.contains(w); });
        QCOMPARE(order, expected);
    }

    void searchSaysSoSendsShowsAndCloses()
    {
        QPointer<Search> form = openForm();
        form->Text1->setText("red car");
        form->Text2->setText("toy");
        form->Command1_Click();

        QCOMPARE(m_view->sent, QStringList{kWorkedExample});
        QCOMPARE(m_view->captionWhenSent, QString("Searching...Please Wait"));
        QCOMPARE(m_tabs->TabCaption(5), QString("Searching...Please Wait"));
        QCOMPARE(m_tabs->Tab(), 5);
        QTRY_VERIFY(form.isNull());
    }

    void cancelLeavesCaptionAndPage()
    {
        QPointer<Search> form = openForm();
        form->Text1->setText("red car");
        QTest::mouseClick(form->Command2, Qt::LeftButton);
        QVERIFY(m_view->sent.isEmpty());
        QCOMPARE(m_tabs->TabCaption(5), QString(" Help/Services "));
        QCOMPARE(m_tabs->Tab(), 0);
        QTRY_VERIFY(form.isNull());
    }

    void escapeDoesNotCancel()
    {
        Search *form = openForm();
        QVERIFY(QTest::qWaitForWindowActive(form));
        form->Text1->setFocus();
        QTest::keyClick(form->Text1, Qt::Key_Escape);
        QVERIFY(form->isVisible());
        QVERIFY(m_view->sent.isEmpty());
    }

    void enterInAnyTextBoxSearches_data()
    {
        QTest::addColumn<int>("box");
        for (int i = 1; i <= 4; ++i)
            QTest::newRow(qPrintable(QString("Text%1").arg(i))) << i;
    }
    void enterInAnyTextBoxSearches()
    {
        QFETCH(int, box);
        QPointer<Search> form = openForm();
        QVERIFY(QTest::qWaitForWindowActive(form));
        QLineEdit *boxes[] = {form->Text1, form->Text2, form->Text3, form->Text4};
        QLineEdit *edit = boxes[box - 1];
        edit->setFocus();
        QTest::keyClicks(edit, "7");
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(m_view->sent.size(), 1);
        QTRY_VERIFY(form.isNull());
    }

    void mainWindowKeepsOneFormWithItsEntries()
    {
        MainWindowFixture f;
        f.window->Command10_Click();
        QCOMPARE(openSearches().size(), 1);
        QPointer<Search> form = openSearches().first();
        form->Text1->setText("lamp");
        f.window->Command10_Click();
        QCOMPARE(openSearches(), QList<Search *>{form.data()});
        QCOMPARE(form->Text1->text(), QString("lamp"));

        form->Command1_Click();
        QCOMPARE(f.view(5)->calls.last(), "Navigate http://us.search.test/search/search.dll?MfcISAPICommand="
                                          "GetResult&query=lamp&query2=lamp&search_option=1&exclude=&category0="
                                          "&ebaytag1=ebayctry&ebaytag1code=0&ebaycurr=999&minPrice=&maxPrice="
                                          "&SortProperty=MetaEndSort&st=2");
        QCOMPARE(f.window->SSTab1->Tab(), 5);
        QTRY_VERIFY(form.isNull());

        f.window->mnuSearch_Click();
        QCOMPARE(openSearches().size(), 1);
        QCOMPARE(openSearches().first()->Text1->text(), QString());
    }
};

QTEST_MAIN(SearchDialogTest)
#include "SearchDialogTest.moc"
