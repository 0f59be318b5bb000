#include "MainWindowFixture.h"

#include "platform/TabStrip.h"
#include "platform/TextBox.h"
#include "saved/Form2.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

const QByteArray kTwoItems("12345     Blue vase\r\n987654321     Old clock\r\n");

void writeIndex(const MainWindowFixture &f, const QByteArray &bytes)
{
    QFile file(f.pagePath("index.dat"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray index(const MainWindowFixture &f)
{
    QFile file(f.pagePath("index.dat"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

Form2 *open(MainWindowFixture &f)
{
    f.window->Command9_Click();
    return f.window->savedItemsDialog();
}

// Typed into both boxes and entered with Enter in the description box.
void add(Form2 *dialog, const QString &number, const QString &description)
{
    dialog->Text1->setText(number);
    dialog->Text2->setText(description);
    QTest::keyClick(dialog->Text2, Qt::Key_Return);
}

bool buttons(Form2 *dialog, bool save, bool remove, bool watch)
{
    return dialog->cmdAdd->isEnabled() == save && dialog->cmdRemove->isEnabled() == remove
        && dialog->Command2->isEnabled() == watch && dialog->cmdCancel->isEnabled() && dialog->cmdOk->isEnabled();
}

} // namespace

class SavedItemsDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void firstUseWithoutAFileShowsTheFailureAndCloseMeWritesAnEmptyFile()
    {
        MainWindowFixture f;
        Form2 *dialog = open(f);
        QVERIFY(dialog->isVisible() && !dialog->parent());
        QCOMPARE(dialog->windowTitle(), QString("Saved Watch Items"));
        QCOMPARE(f.messages.shown.size(), 1);
        QVERIFY(f.messages.shown[0].text.startsWith(QString::number(QFileDevice::OpenError) + " "));
        QCOMPARE(f.messages.shown[0].title, QString("Error"));
        QCOMPARE(f.messages.shown[0].icon, MessageDialog::Icon::Exclamation);
        QCOMPARE(dialog->List1->count(), 0);
        QVERIFY(buttons(dialog, false, false, false) && dialog->cmdOk->isDefault());
        QCOMPARE(dialog->focusWidget(), dialog->Text2);

        QTest::keyClick(dialog->Text2, Qt::Key_Return);
        QTRY_VERIFY(!f.window->savedItemsDialog());
        QCOMPARE(index(f), QByteArray());
        open(f);
        QCOMPARE(f.messages.shown.size(), 1);
    }

    void enabledFlagsAndDefaultButtonFollowTheBoxesAndTheSelection()
    {
        MainWindowFixture f;
        writeIndex(f, kTwoItems);
        Form2 *dialog = open(f);
        dialog->Text1->setText("1");
        QVERIFY(buttons(dialog, true, false, false) && dialog->cmdAdd->isDefault() && !dialog->cmdOk->isDefault());
        dialog->Text2->setText("x");
        dialog->Text1->clear();
        QVERIFY(buttons(dialog, true, false, false) && dialog->cmdAdd->isDefault());
        dialog->Text2->clear();
        QVERIFY(buttons(dialog, false, false, false) && dialog->cmdOk->isDefault());
        dialog->List1->setCurrentRow(1);
        QVERIFY(buttons(dialog, false, true, true));
        dialog->List1->setCurrentRow(-1);
        QVERIFY(buttons(dialog, false, false, false));
    }

    void saveAddsTheEntryAtItsSortedPlaceAndEmptiesTheBoxes()
    {
        MainWindowFixture f;
        writeIndex(f, kTwoItems);
        Form2 *dialog = open(f);
        dialog->List1->setCurrentRow(1);
        add(dialog, "10000", "Lamp");
        add(dialog, "", "Only a description");
        add(dialog, "12345", "Blue vase");
        const QStringList shown{"     Only a description", "10000     Lamp", "12345     Blue vase",
                                "12345     Blue vase", "987654321     Old clock"};
        QCOMPARE(dialog->entries(), shown);
        QVERIFY(dialog->Text1->text().isEmpty() && dialog->Text2->text().isEmpty());
        QVERIFY(buttons(dialog, false, true, true) && dialog->cmdOk->isDefault());
        QCOMPARE(dialog->List1->selectedItems().value(0)->text(), QString("987654321     Old clock"));
        QCOMPARE(index(f), kTwoItems);

        // Both boxes empty now: Enter presses "Close Me".
        QTest::keyClick(dialog->Text2, Qt::Key_Return);
        QTRY_VERIFY(!f.window->savedItemsDialog());
        QCOMPARE(index(f), shown.join("\r\n").toLatin1() + "\r\n");
    }

    void watchHandsTheItemNumberOnAndRemoveLeavesNothingToWatch()
    {
        MainWindowFixture f;
        writeIndex(f, kTwoItems);
        Form2 *dialog = open(f);
        dialog->List1->setCurrentRow(0);
        dialog->Command2->click();
        QCOMPARE(f.window->txtItem->text(), QString("12345"));
        QCOMPARE(f.window->SSTab1->TabCaption(0), QString("Item 12345"));
        QCOMPARE(f.view(0)->calls.last(), QString("Navigate http://items.test/aw-cgi/eBayISAPI.dll?ViewItem&item=12345"));
        dialog->List1->setCurrentRow(1);
        dialog->List1_DblClick();
        QCOMPARE(f.window->SSTab1->TabCaption(1), QString("Item 987654321"));
        QCOMPARE(dialog->List1->currentRow(), 1);

        dialog->cmdRemove->click();
        QCOMPARE(dialog->entries(), QStringList{"12345     Blue vase"});
        QVERIFY(dialog->List1->selectedItems().isEmpty());
        QVERIFY(buttons(dialog, false, false, true));
        dialog->Command2->click();
        QCOMPARE(f.messages.shown.size(), 1);
        QCOMPARE(f.messages.shown[0].text, QString("Select An Item To Watch!"));
        QCOMPARE(f.messages.shown[0].title, QString("Nothing Selected"));
        QCOMPARE(f.messages.shown[0].icon, MessageDialog::Icon::None);
        QCOMPARE(f.window->SSTab1->TabCaption(2), QString("Available"));
        dialog->cmdRemove_Click();
        QCOMPARE(f.messages.shown.last().text, QString("Select An Item To Remove!"));
        QCOMPARE(dialog->List1->count(), 1);
        QCOMPARE(index(f), kTwoItems);
    }

    void closingWithoutCloseMeDropsTheChanges_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("Cancel") << 0;
        QTest::newRow("Esc") << 1;
        QTest::newRow("close box") << 2;
    }
    void closingWithoutCloseMeDropsTheChanges()
    {
        QFETCH(int, how);
        MainWindowFixture f;
        writeIndex(f, kTwoItems);
        Form2 *dialog = open(f);
        add(dialog, "1", "a");
        dialog->List1->setCurrentRow(0);
        dialog->cmdRemove->click();
        if (how == 0)
            dialog->cmdCancel->click();
        else if (how == 1)
            QTest::keyClick(dialog->List1, Qt::Key_Escape);
        else
            dialog->close();
        QTRY_VERIFY(!f.window->savedItemsDialog());
        QCOMPARE(index(f), kTwoItems);
        QCOMPARE(open(f)->entries(), (QStringList{"12345     Blue vase", "987654321     Old clock"}));
    }

    void closeMeWritesExactlyTheEntriesShown()
    {
        MainWindowFixture f;
        writeIndex(f, "b\r\nA\r\n\r\nlast without end");
        Form2 *dialog = open(f);
        add(dialog, "42", "");
        dialog->List1->setCurrentRow(2);
        dialog->cmdRemove->click();
        dialog->cmdOk->click();
        QTRY_VERIFY(!f.window->savedItemsDialog());
        QCOMPARE(index(f), QByteArray("\r\n42     \r\nb\r\nlast without end\r\n"));
    }

    void aFileThatCannotBeReplacedShowsTheFailureAndTheDialogStillCloses()
    {
        MainWindowFixture f;
        Form2 *dialog = open(f);
        add(dialog, "1", "a");
        QVERIFY(QDir(f.folder.path()).mkdir("index.dat"));
        dialog->cmdOk->click();
        QTRY_VERIFY(!f.window->savedItemsDialog());
        QCOMPARE(f.messages.shown.size(), 2);
        QCOMPARE(f.messages.shown[1].title, QString("Error"));
        QCOMPARE(f.messages.shown[1].icon, MessageDialog::Icon::Exclamation);
    }

    void openingAgainKeepsTheOpenDialogAndOnlyTheNumberIsReplaced()
    {
        MainWindowFixture f;
        writeIndex(f, kTwoItems);
        f.watch("555");
        Form2 *dialog = open(f);
        add(dialog, "7", "unsaved");
        dialog->Text1->setText("typed");
        dialog->Text2->setText("kept");
        writeIndex(f, "changed on disk\r\n");
        f.window->mnuOpen->trigger();
        f.window->Command8_Click();
        QCOMPARE(f.window->savedItemsDialog(), dialog);
        QCOMPARE(dialog->List1->count(), 3);
        QCOMPARE(dialog->Text1->text(), QString("555"));
        QCOMPARE(dialog->Text2->text(), QString("kept"));
        QVERIFY(f.messages.shown.isEmpty());
    }

    void saveTheCurrentItemFillsTheNumberOnlyFromAWatchedTabInFront_data()
    {
        QTest::addColumn<QStringList>("watched");
        QTest::addColumn<int>("front");
        QTest::addColumn<QString>("number");
        QTest::newRow("all tabs free") << QStringList{} << 0 << "";
        QTest::newRow("services tab") << QStringList{"111"} << 5 << "";
        QTest::newRow("free tab") << QStringList{"111"} << 3 << "";
        QTest::newRow("watched tab") << QStringList{"111", "222", "1234567890"} << 2 << "1234567890";
    }
    void saveTheCurrentItemFillsTheNumberOnlyFromAWatchedTabInFront()
    {
        QFETCH(QStringList, watched);
        QFETCH(int, front);
        QFETCH(QString, number);
        MainWindowFixture f;
        writeIndex(f, kTwoItems);
        for (const QString &item : watched)
            f.watch(item);
        f.window->SSTab1->setTab(front);
        f.window->mnuSave->trigger();
        Form2 *dialog = f.window->savedItemsDialog();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->Text1->text(), number);
        QVERIFY(dialog->Text2->text().isEmpty());
        QCOMPARE(dialog->cmdAdd->isDefault(), !number.isEmpty());
        QCOMPARE(dialog->focusWidget(), dialog->Text2);
    }

    void closingTheMainWindowTakesTheDialogWithoutWriting()
    {
        MainWindowFixture f;
        writeIndex(f, kTwoItems);
        QPointer<Form2> dialog = open(f);
        add(dialog, "1", "unsaved");
        f.window->close();
        QVERIFY(dialog.isNull());
        QCOMPARE(index(f), kTwoItems);
    }
};

QTEST_MAIN(SavedItemsDialogTest)
#include "SavedItemsDialogTest.moc"
