#include "MainWindowFixture.h"

#include "platform/TabStrip.h"
#include "saved/SavedItemsDialog.h"

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

SavedItemsDialog *open(MainWindowFixture &f)
{
    f.window->showSavedItems();
    return f.window->savedItemsDialog();
}

// Typed into both boxes and entered with Enter in the description box.
void add(SavedItemsDialog *dialog, const QString &number, const QString &description)
{
    dialog->numberBox->setText(number);
    dialog->descriptionBox->setText(description);
    QTest::keyClick(dialog->descriptionBox, Qt::Key_Return);
}

// Save, Remove and Watch as enabled ("SRW", "-" for one that is not), then the default button.
QString buttons(SavedItemsDialog *dialog)
{
    return QString(dialog->saveButton->isEnabled() ? "S" : "-") + (dialog->removeButton->isEnabled() ? "R" : "-")
        + (dialog->watchButton->isEnabled() ? "W" : "-")
        + (dialog->saveButton->isDefault() ? " Save" : dialog->closeButton->isDefault() ? " Close Me" : " none");
}

} // namespace

class SavedItemsDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void aMissingFileThenAnEmptyOneThenOneThatCannotBeReplaced()
    {
        MainWindowFixture f;
        SavedItemsDialog *dialog = open(f);
        QCOMPARE(f.messages.shown.size(), 1);
        QVERIFY(f.messages.shown[0].text.startsWith(QString::number(QFileDevice::OpenError) + " "));
        QCOMPARE(f.messages.shown[0].title, QString("Error"));
        QCOMPARE(f.messages.shown[0].icon, MessageDialog::Icon::Exclamation);
        QCOMPARE(buttons(dialog), QString("--- Close Me"));

        QTest::keyClick(dialog->descriptionBox, Qt::Key_Return);
        QTRY_VERIFY(!f.window->savedItemsDialog());
        QCOMPARE(index(f), QByteArray());

        // Replacing fails while a folder stands in the file's place; the dialog still closes.
        dialog = open(f);
        QCOMPARE(f.messages.shown.size(), 1);
        add(dialog, "1", "a");
        QVERIFY(QFile::remove(f.pagePath("index.dat")) && QDir(f.folder.path()).mkdir("index.dat"));
        dialog->closeButton->click();
        QTRY_VERIFY(!f.window->savedItemsDialog());
        QCOMPARE(f.messages.shown.size(), 2);
    }

    // Writing back the first 32767 of 100,000 lines would drop the rest: the dialog says so once and
    // writes nothing. A file cut short by a read failure is kept the same way.
    void aFileReadInPartIsNeverWritten()
    {
        MainWindowFixture f;
        QByteArray lines;
        for (int i = 0; i < 100000; ++i)
            lines += QByteArray::number(100000 + i) + "     item\r\n";
        writeIndex(f, lines);
        SavedItemsDialog *dialog = open(f);
        QCOMPARE(dialog->itemList->count(), 32767);
        add(dialog, "1", "a");
        dialog->closeButton->click();
        QTRY_VERIFY(!f.window->savedItemsDialog());
        QCOMPARE(f.messages.shown.size(), 1);
        QCOMPARE(f.messages.shown[0].text, QString("index.dat holds more than 32767 items; changes are not saved"));
        QVERIFY(index(f) == lines);

        QVERIFY(QFile::remove(f.pagePath("index.dat")) && QFile::link("/dev/zero", f.pagePath("index.dat")));
        dialog = open(f);
        dialog->closeButton->click();
        QTRY_VERIFY(!f.window->savedItemsDialog());
        QCOMPARE(f.messages.shown.size(), 2);
        QVERIFY2(f.messages.shown[1].text.endsWith("; index.dat was not read to its end; changes are not saved"),
                 qPrintable(f.messages.shown[1].text));
        QCOMPARE(QFileInfo(f.pagePath("index.dat")).symLinkTarget(), QString("/dev/zero"));
    }

    void typingSelectingAndSavingSetTheButtonsAndCloseMeWritesTheList()
    {
        MainWindowFixture f;
        writeIndex(f, "987654321     Old clock\r\n12345     Blue vase\r\n");
        SavedItemsDialog *dialog = open(f);
        dialog->numberBox->setText("1");
        QCOMPARE(buttons(dialog), QString("S-- Save"));
        dialog->numberBox->clear();
        QCOMPARE(buttons(dialog), QString("--- Close Me"));
        dialog->descriptionBox->setText("x");
        QCOMPARE(buttons(dialog), QString("S-- Save"));
        dialog->descriptionBox->clear();
        dialog->itemList->setCurrentRow(1);
        QCOMPARE(buttons(dialog), QString("-RW Close Me"));
        dialog->itemList->setCurrentRow(-1);
        QCOMPARE(buttons(dialog), QString("--- Close Me"));

        dialog->itemList->setCurrentRow(1);
        add(dialog, "10000", "Lamp");
        add(dialog, "", "Only a description");
        add(dialog, "42", "");
        QCOMPARE(dialog->entries(), (QStringList{"     Only a description", "10000     Lamp", "12345     Blue vase",
                                                 "42     ", "987654321     Old clock"}));
        // Save disabled again: both boxes are empty.
        QCOMPARE(buttons(dialog), QString("-RW Close Me"));

        dialog->removeButton->click();
        // Both boxes empty now: Enter presses "Close Me".
        QTest::keyClick(dialog->descriptionBox, Qt::Key_Return);
        QTRY_VERIFY(!f.window->savedItemsDialog());
        QCOMPARE(index(f), QByteArray("     Only a description\r\n10000     Lamp\r\n12345     Blue vase\r\n42     \r\n"));
    }

    // Installed: the old file beside the executable is read, the list goes to a data folder not yet made.
    void anOldFileIsReadAndTheListSavedToTheDataFolder()
    {
        MainWindowFixture f;
        writeIndex(f, kTwoItems);
        const QString savePath = f.folder.filePath("data/Gavrin/index.dat");
        auto *dialog = new SavedItemsDialog(f.pagePath("index.dat"), savePath, f.messages);
        dialog->start();
        QCOMPARE(dialog->itemList->count(), 2);
        add(dialog, "42", "Lamp");
        dialog->closeButton->click();
        QFile saved(savePath);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("12345     Blue vase\r\n42     Lamp\r\n987654321     Old clock\r\n"));
        QCOMPARE(index(f), kTwoItems);
        QVERIFY(f.messages.shown.isEmpty());
    }

    // Watching and removing write nothing; neither does any way of closing but "Close Me".
    void watchHandsTheItemNumberOnRemoveLeavesNothingToWatchAndOnlyCloseMeWrites()
    {
        MainWindowFixture f;
        writeIndex(f, kTwoItems);
        SavedItemsDialog *dialog = open(f);
        dialog->itemList->setCurrentRow(0);
        dialog->watchButton->click();
        QCOMPARE(f.window->tabs()->caption(0), QString("Item 12345"));
        // A double click is a click, then the double click, on the second row.
        const QPoint secondRow = dialog->itemList->visualItemRect(dialog->itemList->item(1)).center();
        QTest::mouseClick(dialog->itemList->viewport(), Qt::LeftButton, {}, secondRow);
        QTest::mouseDClick(dialog->itemList->viewport(), Qt::LeftButton, {}, secondRow);
        QCOMPARE(f.window->tabs()->caption(1), QString("Item 987654321"));

        dialog->removeButton->click();
        QCOMPARE(dialog->entries(), QStringList{"12345     Blue vase"});
        QCOMPARE(buttons(dialog), QString("--W Close Me"));
        dialog->watchButton->click();
        QCOMPARE(f.window->tabs()->caption(2), QString("Available"));
        dialog->removeSelectedItem();
        QCOMPARE(dialog->itemList->count(), 1);
        QCOMPARE(f.messages.shown.size(), 2);
        QCOMPARE(f.messages.shown[0].text, QString("Select An Item To Watch!"));
        QCOMPARE(f.messages.shown[0].title, QString("Nothing Selected"));
        QCOMPARE(f.messages.shown[0].icon, MessageDialog::Icon::None);
        QCOMPARE(f.messages.shown[1].text, QString("Select An Item To Remove!"));

        const std::function<void(SavedItemsDialog *)> ways[] = {
            [](SavedItemsDialog *d) { d->cancelButton->click(); },
            [](SavedItemsDialog *d) { QTest::keyClick(d->itemList, Qt::Key_Escape); },
            [](SavedItemsDialog *d) { d->close(); },
        };
        for (const auto &closeWithoutCloseMe : ways) {
            dialog = open(f);
            add(dialog, "1", "a");
            closeWithoutCloseMe(dialog);
            QTRY_VERIFY(!f.window->savedItemsDialog());
            QCOMPARE(index(f), kTwoItems);
        }
    }

    void saveTheCurrentItemFillsTheNumberOnlyFromAWatchedTabInFrontAndKeepsTheOpenDialog_data()
    {
        QTest::addColumn<QStringList>("watched");
        QTest::addColumn<int>("front");
        QTest::addColumn<QString>("number");
        QTest::newRow("all tabs free") << QStringList{} << 0 << "";
        QTest::newRow("services tab") << QStringList{"111"} << 5 << "";
        QTest::newRow("free tab") << QStringList{"111"} << 3 << "";
        QTest::newRow("watched tab") << QStringList{"111", "222", "1234567890"} << 2 << "1234567890";
    }
    void saveTheCurrentItemFillsTheNumberOnlyFromAWatchedTabInFrontAndKeepsTheOpenDialog()
    {
        QFETCH(QStringList, watched);
        QFETCH(int, front);
        QFETCH(QString, number);
        MainWindowFixture f;
        writeIndex(f, kTwoItems);
        for (const QString &item : watched)
            f.watch(item);
        f.window->tabs()->setCurrent(front);
        f.window->saveCurrentAction()->trigger();
        SavedItemsDialog *dialog = f.window->savedItemsDialog();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->numberBox->text(), number);
        QCOMPARE(buttons(dialog), number.isEmpty() ? QString("--- Close Me") : QString("S-- Save"));
        QCOMPARE(dialog->focusWidget(), dialog->descriptionBox);

        // Opening again shows the same dialog without reading the file; only the number is replaced.
        dialog->numberBox->setText("typed");
        dialog->descriptionBox->setText("kept");
        writeIndex(f, "changed on disk\r\n");
        f.window->openSavedAction()->trigger();
        f.window->saveCurrentItem();
        QCOMPARE(f.window->savedItemsDialog(), dialog);
        QCOMPARE(dialog->itemList->count(), 2);
        QCOMPARE(dialog->numberBox->text(), number.isEmpty() ? QString("typed") : number);
        QCOMPARE(dialog->descriptionBox->text(), QString("kept"));
    }
};

QTEST_MAIN(SavedItemsDialogTest)
#include "SavedItemsDialogTest.moc"
