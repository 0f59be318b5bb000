#include "MainWindowFixture.h"

#include "platform/TabStrip.h"
#include "saved/SavedItemsDialog.h"
#include "saved/SavedItemsFile.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

const QByteArray kTwoItems("12345     Blue vase\r\n987654321     Old clock\r\n");

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// The file's bytes, or what stands in its place when it is no regular file.
QByteArray stateOf(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink() || !info.isFile())
        return "no regular file, linked to " + info.symLinkTarget().toUtf8();
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// A dialog on "index.dat" in a folder of its own, with the messages it showed.
struct Saved
{
    explicit Saved(const QByteArray &bytes = kTwoItems) { writeFile(path, bytes); }
    ~Saved() { delete dialog; }
    SavedItemsDialog *open(const QString &savePath = {})
    {
        dialog = new SavedItemsDialog(path, savePath.isEmpty() ? path : savePath, messages);
        dialog->start();
        return dialog;
    }
    QStringList messageTexts() const
    {
        QStringList texts;
        for (const auto &message : messages.shown)
            texts << message.text;
        return texts;
    }

    QTemporaryDir folder;
    QString path = folder.filePath("index.dat");
    RecordingMessageDialog messages;
    QPointer<SavedItemsDialog> dialog;
};

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
    // Installed, the old file beside the executable is read and the list goes to a data folder not yet made.
    void typingSavingAndRemovingSetTheButtonsAndCloseMeWritesTheList()
    {
        Saved s;
        const QString savePath = s.folder.filePath("data/Gavrin/index.dat");
        SavedItemsDialog *dialog = s.open(savePath);
        QCOMPARE(buttons(dialog), QString("--- Close Me"));
        dialog->numberBox->setText("1");
        QCOMPARE(buttons(dialog), QString("S-- Save"));
        dialog->numberBox->clear();
        dialog->descriptionBox->setText("x");
        QCOMPARE(buttons(dialog), QString("S-- Save"));
        dialog->descriptionBox->clear();
        dialog->itemList->setCurrentRow(1);
        QCOMPARE(buttons(dialog), QString("-RW Close Me"));

        add(dialog, "10000", "Lamp");
        add(dialog, "42", "");
        QCOMPARE(dialog->entries(), (QStringList{"10000     Lamp", "12345     Blue vase", "42     ",
                                                 "987654321     Old clock"}));
        dialog->removeButton->click();
        // Both boxes empty: Enter presses "Close Me".
        QTest::keyClick(dialog->descriptionBox, Qt::Key_Return);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(stateOf(savePath), QByteArray("10000     Lamp\r\n12345     Blue vase\r\n42     \r\n"));
        QCOMPARE(stateOf(s.path), kTwoItems);
        QVERIFY(s.messages.shown.isEmpty());
    }

    // The dialog asks for an item to be watched and reaches into no other window.
    void watchAsksForTheItemNumberAndOnlyCloseMeWrites()
    {
        Saved s;
        SavedItemsDialog *dialog = s.open();
        QSignalSpy watched(dialog, &SavedItemsDialog::watchRequested);
        dialog->itemList->setCurrentRow(0);
        dialog->watchButton->click();
        // A double click is a click, then the double click, on the second row.
        const QPoint secondRow = dialog->itemList->visualItemRect(dialog->itemList->item(1)).center();
        QTest::mouseClick(dialog->itemList->viewport(), Qt::LeftButton, {}, secondRow);
        QTest::mouseDClick(dialog->itemList->viewport(), Qt::LeftButton, {}, secondRow);
        QCOMPARE(watched.size(), 2);
        QCOMPARE(watched[0][0].toString(), QString("12345"));
        QCOMPARE(watched[1][0].toString(), QString("987654321"));

        // Removing leaves Watch enabled, with nothing to watch.
        dialog->removeButton->click();
        QCOMPARE(dialog->entries(), QStringList{"12345     Blue vase"});
        QCOMPARE(buttons(dialog), QString("--W Close Me"));
        dialog->watchButton->click();
        dialog->removeSelectedItem();
        QCOMPARE(watched.size(), 2);
        QCOMPARE(dialog->itemList->count(), 1);
        QCOMPARE(s.messageTexts(), (QStringList{"Select An Item To Watch!", "Select An Item To Remove!"}));

        const std::function<void(SavedItemsDialog *)> ways[] = {
            [](SavedItemsDialog *d) { d->cancelButton->click(); },
            [](SavedItemsDialog *d) { QTest::keyClick(d->itemList, Qt::Key_Escape); },
            [](SavedItemsDialog *d) { d->close(); },
        };
        for (const auto &closeWithoutCloseMe : ways) {
            dialog = s.open();
            add(dialog, "1", "a");
            closeWithoutCloseMe(dialog);
            QVERIFY(!dialog->isVisible());
            QCOMPARE(stateOf(s.path), kTwoItems);
        }
    }

    // Failures are told as "<code> <description>": a write that runs out of room, which leaves the old
    // file and no other, then a missing file, which Close Me makes.
    void aFailureIsToldWithTheSystemsReasonAndTheOldFileStays()
    {
        Saved s;
        add(s.open(), "42", "Lamp");
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit room{10, old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &room);
        s.dialog->closeButton->click();
        setrlimit(RLIMIT_FSIZE, &old);
        QCOMPARE(s.messageTexts(), QStringList{QString::number(QFileDevice::WriteError) + " " + qt_error_string(EFBIG)});
        QCOMPARE(s.messages.shown[0].icon, MessageDialog::Icon::Exclamation);
        QCOMPARE(stateOf(s.path), kTwoItems);
        QCOMPARE(QDir(s.folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"index.dat"});

        QVERIFY(QFile::remove(s.path));
        s.open()->closeButton->click();
        QCOMPARE(s.messages.shown.size(), 2);
        QVERIFY(s.messages.shown[1].text.startsWith(QString::number(QFileDevice::OpenError) + " "));
        QCOMPARE(stateOf(s.path), QByteArray());
    }

    // Writing back what was read would drop the rest: the dialog says so once and writes nothing.
    void aFileReadInPartIsNeverWritten_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        const QString notToItsEnd("; index.dat was not read to its end; changes are not saved");
        QTest::newRow("more lines than the list takes")
            << "lines" << "index.dat holds more than 32767 items; changes are not saved";
        QTest::newRow("a named pipe") << "pipe" << "5 Not a regular file" + notToItsEnd;
        QTest::newRow("a link to a device") << "device" << "5 Not a regular file" + notToItsEnd;
        QTest::newRow("over 64 MB") << "large" << "4 Larger than 64 MB" + notToItsEnd;
    }
    void aFileReadInPartIsNeverWritten()
    {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        Saved s;
        QVERIFY(QFile::remove(s.path));
        if (kind == "lines") {
            QByteArray lines;
            for (int i = 0; i <= 32767; ++i)
                lines += QByteArray::number(100000 + i) + "     item\r\n";
            writeFile(s.path, lines);
        } else if (kind == "pipe") {
            QVERIFY(mkfifo(QFile::encodeName(s.path).constData(), 0600) == 0);
        } else if (kind == "device") {
            QVERIFY(QFile::link("/dev/zero", s.path));
        } else {
            QFile large(s.path);
            QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(kMaxSavedItemsBytes + 1));
        }
        const QByteArray before = stateOf(s.path);
        add(s.open(), "1", "a");
        s.dialog->closeButton->click();
        QCOMPARE(s.messageTexts(), QStringList{message});
        QVERIFY(stateOf(s.path) == before);
    }

    // "Save the current item" fills the number from a watched tab in front, and only from one; opening
    // again shows the same dialog without reading the file anew.
    void saveTheCurrentItemFillsTheNumberFromAWatchedTabAndKeepsTheOpenDialog()
    {
        MainWindowFixture f;
        writeFile(f.pagePath("index.dat"), kTwoItems);
        f.watch("111");
        f.watch("222");
        f.window->tabs()->setCurrent(1);
        f.window->saveCurrentAction()->trigger();
        SavedItemsDialog *dialog = f.window->savedItemsDialog();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->numberBox->text(), QString("222"));
        QCOMPARE(dialog->focusWidget(), dialog->descriptionBox);

        dialog->descriptionBox->setText("kept");
        writeFile(f.pagePath("index.dat"), "changed on disk\r\n");
        for (int freeOrServices : {3, 5}) {
            f.window->tabs()->setCurrent(freeOrServices);
            f.window->saveCurrentItem();
        }
        f.window->openSavedAction()->trigger();
        QCOMPARE(f.window->savedItemsDialog(), dialog);
        QCOMPARE(dialog->itemList->count(), 2);
        QCOMPARE(dialog->numberBox->text(), QString("222"));
        QCOMPARE(dialog->descriptionBox->text(), QString("kept"));
    }
};

QTEST_MAIN(SavedItemsDialogTest)
#include "SavedItemsDialogTest.moc"
