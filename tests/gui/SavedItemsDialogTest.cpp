#include "MainWindowFixture.h"
#include "WidgetNamed.h"

#include "platform/TabStrip.h"
#include "saved/SavedItemsDialog.h"
#include "saved/SavedItemsFile.h"
#include "saved/core/SavedItemsCodec.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <csignal>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>

namespace {

const QByteArray kTwoItems("12345     Blue vase\r\n987654321     Old clock\r\n");

// The file's bytes, or what stands in its place when it is a link or no regular file.
QByteArray stateOf(const QString &path)
{
    QFile file(path);
    if (!file.symLinkTarget().isEmpty() || !QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return "no regular file, linked to " + file.symLinkTarget().toUtf8();
    return file.readAll();
}

// A dialog on "index.dat" in a folder of its own, with the messages it showed.
struct Saved
{
    Saved() { writeSavedItems(path, {"12345     Blue vase", "987654321     Old clock"}); }
    ~Saved() { delete dialog; }
    SavedItemsDialog *open(const QString &savePath = {})
    {
        dialog = new SavedItemsDialog(path, savePath.isEmpty() ? path : savePath, messages);
        dialog->start();
        return dialog;
    }
    void closeMe() { widgetNamed<QPushButton>(dialog, "closeButton")->click(); }

    QTemporaryDir folder;
    QString path = folder.filePath("index.dat");
    RecordingMessageDialog messages;
    QPointer<SavedItemsDialog> dialog;
};

// Typed into both boxes and entered with Enter in the description box.
void add(SavedItemsDialog *dialog, const QString &number, const QString &description)
{
    widgetNamed<QLineEdit>(dialog, "numberBox")->setText(number);
    auto *descriptionBox = widgetNamed<QLineEdit>(dialog, "descriptionBox");
    descriptionBox->setText(description);
    QTest::keyClick(descriptionBox, Qt::Key_Return);
}

} // namespace

class SavedItemsDialogTest : public QObject
{
    Q_OBJECT

private slots:
    // Installed, the old file beside the executable is read and the list goes to a data folder not yet made.
    // The dialog asks for an item to be watched and reaches into no other window. Only Close Me writes.
    void saveWatchAndRemoveThenCloseMeWritesTheList()
    {
        Saved s;
        const QString savePath = s.folder.filePath("data/Gavrin/index.dat");
        SavedItemsDialog *dialog = s.open(savePath);
        auto *list = widgetNamed<QListWidget>(dialog, "itemList");
        auto *watch = widgetNamed<QPushButton>(dialog, "watchButton");
        auto *remove = widgetNamed<QPushButton>(dialog, "removeButton");
        QSignalSpy watched(dialog, &SavedItemsDialog::watchRequested);
        list->setCurrentRow(0);
        watch->click();
        // A double click is a click, then the double click, on the second row.
        const QPoint secondRow = list->visualItemRect(list->item(1)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, secondRow);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, secondRow);
        QCOMPARE(QList<QVariantList>(watched), (QList<QVariantList>{{"12345"}, {"987654321"}}));

        // Typed text makes Save the default button; each entry goes to its sorted place. Removing the
        // selected entry, the second row, leaves Watch enabled, with nothing to watch, and Remove
        // disabled: pressed all the same, it asks for an entry.
        add(dialog, "10000", "Lamp");
        add(dialog, "42", "");
        remove->click();
        watch->click();
        QVERIFY(!remove->isEnabled());
        remove->setEnabled(true);
        remove->click();
        QCOMPARE(watched.size(), 2);
        QCOMPARE(s.messages.shown, QStringList({"Select An Item To Watch!", "Select An Item To Remove!"}));

        // Both boxes empty: Enter presses "Close Me".
        QTest::keyClick(widgetNamed<QLineEdit>(dialog, "descriptionBox"), Qt::Key_Return);
        QCOMPARE(stateOf(savePath), QByteArray("10000     Lamp\r\n12345     Blue vase\r\n42     \r\n"));
        QCOMPARE(stateOf(s.path), kTwoItems);

        // Esc presses Cancel, which drops every change.
        add(s.open(savePath), "1", "a");
        QTest::keyClick(widgetNamed<QListWidget>(s.dialog, "itemList"), Qt::Key_Escape);
        QVERIFY(!s.dialog->isVisible());
        QCOMPARE(stateOf(savePath), QByteArray("10000     Lamp\r\n12345     Blue vase\r\n42     \r\n"));
    }

    // Failures are told as "<code> <description>": a write that runs out of room, which leaves the old
    // file and no other, then a missing file, which Close Me makes with what was added.
    void aFailureIsToldWithTheSystemsReasonAndTheOldFileStays()
    {
        Saved s;
        add(s.open(), "42", "Lamp");
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit room{10, old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &room);
        s.closeMe();
        setrlimit(RLIMIT_FSIZE, &old);
        QCOMPARE(s.messages.shown.value(0), QString::number(QFileDevice::WriteError) + " " + qt_error_string(EFBIG));
        QCOMPARE(stateOf(s.path), kTwoItems);
        QCOMPARE(QDir(s.folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"index.dat"});

        QVERIFY(QFile::remove(s.path));
        add(s.open(), "7", "");
        s.closeMe();
        QCOMPARE(s.messages.shown.size(), 2);
        QCOMPARE(stateOf(s.path), QByteArray("7     \r\n"));
    }

    // Another copy of the program saves while the dialog is open: Close Me without a change writes
    // nothing, and with changes keeps the other copy's items beside its own.
    void closeMeKeepsWhatAnotherCopySavedMeanwhile()
    {
        Saved s;
        s.open();
        const QByteArray three("12345     Blue vase\r\n555     Teapot\r\n987654321     Old clock\r\n");
        QVERIFY(!writeSavedItems(s.path, decodeSavedItems(three)));
        s.closeMe();
        QCOMPARE(stateOf(s.path), three);

        widgetNamed<QListWidget>(s.open(), "itemList")->setCurrentRow(0);
        widgetNamed<QPushButton>(s.dialog, "removeButton")->click();
        add(s.dialog, "42", "Lamp");
        QVERIFY(!writeSavedItems(s.path, decodeSavedItems(three + "777     Chair\r\n")));
        s.closeMe();
        QCOMPARE(stateOf(s.path),
                 QByteArray("42     Lamp\r\n555     Teapot\r\n777     Chair\r\n987654321     Old clock\r\n"));
    }

    // Writing back what was read would drop the rest: the dialog says so once and writes nothing. In
    // turn: one line more than the list takes, a named pipe, which would hold the window in the open,
    // a file beyond the size bound, and a link to the process's own memory, which fails to read from
    // its first byte.
    void aFileReadInPartIsNeverWritten()
    {
        const QString notToItsEnd("; index.dat was not read to its end; changes are not saved");
        const std::pair<QString, QString> rows[] = {
            {"lines", "index.dat holds more than 32767 items; changes are not saved"},
            {"pipe", "5 Not a regular file" + notToItsEnd},
            {"large", "4 Larger than 64 MB" + notToItsEnd},
            {"/proc/self/mem", "1 Input/output error" + notToItsEnd},
        };
        for (const auto &[kind, message] : rows) {
            Saved s;
            if (kind == "lines")
                QVERIFY(!writeSavedItems(s.path, QStringList(kMaxSavedItems + 1, "100000     item")));
            else if (kind == "large")
                QVERIFY(QFile::resize(s.path, kMaxSavedItemsBytes + 1));
            else if (kind == "pipe")
                QVERIFY(QFile::remove(s.path) && mkfifo(QFile::encodeName(s.path).constData(), 0600) == 0);
            else
                QVERIFY(QFile::remove(s.path) && QFile::link(kind, s.path));
            const QByteArray before = stateOf(s.path);
            add(s.open(), "1", "a");
            s.closeMe();
            QCOMPARE(s.messages.shown.size(), 1);
            QCOMPARE(s.messages.shown[0], message);
            // Nor does the file layer replace what is no regular file.
            if (kind == "pipe")
                QVERIFY(writeSavedItems(s.path, {"1     a"}));
            QVERIFY2(stateOf(s.path) == before, qPrintable(kind));
        }
    }

    // Without the capability to override permissions, as root has it, a writer meets the folder's as any
    // user does: the folder refuses the temporary file, and the file itself is rewritten, as a second
    // name of it shows.
    void aFolderThatTakesNoNewFilesHasTheFileRewrittenInPlace()
    {
        Saved s;
        const QString secondName = s.folder.filePath("second name");
        QVERIFY(link(QFile::encodeName(s.path).constData(), QFile::encodeName(secondName).constData()) == 0);
        QFile::setPermissions(s.folder.path(), QFile::ReadOwner | QFile::ExeOwner);
        const pid_t writer = fork();
        if (writer == 0) {
            __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
            __user_cap_data_struct none[_LINUX_CAPABILITY_U32S_3]{};
            _exit(syscall(SYS_capset, &header, none) != 0 || writeSavedItems(s.path, {"111     a"}) ? 1 : 0);
        }
        int status = -1;
        QVERIFY(waitpid(writer, &status, 0) == writer && status == 0);
        QFile::setPermissions(s.folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(stateOf(secondName), QByteArray("111     a\r\n"));
    }

    // Writers killed at moments spread over their work. The two lists differ in every line and in
    // length, so that any mix of them shows.
    void aKilledWriterLeavesTheOldListOrTheNewOneWhole()
    {
        const QStringList lists[] = {QStringList(3000, "100000     Blue vase"), QStringList(3001, "200000     Clock")};
        const QByteArray encoded[] = {encodeSavedItems(lists[0]), encodeSavedItems(lists[1])};
        Saved s;
        QVERIFY(!writeSavedItems(s.path, lists[0]));
        for (int kill = 0; kill < 100; ++kill) {
            const pid_t writer = fork();
            if (writer == 0) {
                for (int turn = 0;; turn ^= 1)
                    writeSavedItems(s.path, lists[turn]);
            }
            QTest::qSleep(5 + kill * 7 % 40);
            QVERIFY(::kill(writer, SIGKILL) == 0 && waitpid(writer, nullptr, 0) == writer);
            const QByteArray bytes = stateOf(s.path);
            QVERIFY2(bytes == encoded[0] || bytes == encoded[1], "left " + QByteArray::number(bytes.size()) + " bytes");
        }
    }

    // "Save the current item" fills the number from a watched tab in front, and only from one, into the
    // one open dialog.
    void saveTheCurrentItemFillsTheNumberFromAWatchedTabIntoTheOpenDialog()
    {
        MainWindowFixture f({"111", "222"});
        f.tabs()->setCurrent(1);
        f.menuEntry("&Save Current Item")->trigger();
        QCOMPARE(openWindows<SavedItemsDialog>().size(), 1);
        SavedItemsDialog *dialog = openWindows<SavedItemsDialog>()[0];
        auto *numberBox = widgetNamed<QLineEdit>(dialog, "numberBox");
        QCOMPARE(numberBox->text(), QString("222"));
        f.tabs()->setCurrent(3);
        f.window->saveCurrentItem();
        f.menuEntry("&Open Saved Item")->trigger();
        QCOMPARE(openWindows<SavedItemsDialog>(), QList<SavedItemsDialog *>{dialog});
        QCOMPARE(numberBox->text(), QString("222"));
    }
};

QTEST_MAIN(SavedItemsDialogTest)
#include "SavedItemsDialogTest.moc"
