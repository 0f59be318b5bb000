#include "saved/SavedItemsFile.h"
#include "saved/core/SavedItemsCodec.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <functional>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Serves the first `room` bytes of the file, then fails.
struct FailingFile final : QFile
{
    FailingFile(const QString &path, qint64 room) : QFile(path), room(room) {}
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (room == 0)
            return -1;
        const qint64 got = QFile::readData(data, qMin(maxSize, room));
        room -= got;
        return got;
    }
    qint64 room;
};

// Runs `work` in a process of its own, which ends with what it returns.
pid_t inChild(const std::function<int()> &work)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(work());
    return child;
}

int statusOf(pid_t child)
{
    int status = -1;
    waitpid(child, &status, 0);
    return status;
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

} // namespace

class SavedItemsFileTest : public QObject
{
    Q_OBJECT

private slots:
    // Files that are no regular file, or too large, are refused when read through the dialog's window test.
    void aReadKeepsTheWholeLinesBeforeAFailureAndCountsAsPartial()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("index.dat");
        QVERIFY(!writeSavedItems(path, {"111     a", "222     b", "333     c"}));
        FailingFile file(path, 15);
        const SavedItemsRead read = readSavedItems(file);
        QCOMPARE(read.entries, QStringList{"111     a"});
        QVERIFY(read.failure && read.partial);
        QVERIFY(!file.isOpen());
    }

    // Neither a named pipe nor a link to a device is replaced by a file of the list.
    void aPathThatIsNoRegularFileIsNotWritten()
    {
        QTemporaryDir folder;
        const QString pipe = folder.filePath("pipe.dat");
        const QString zero = folder.filePath("zero.dat");
        QVERIFY(mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0 && QFile::link("/dev/zero", zero));
        QVERIFY(writeSavedItems(pipe, {"1     a"}));
        QVERIFY(writeSavedItems(zero, {"1     a"}));
        QVERIFY(!QFileInfo(pipe).isFile());
        QCOMPARE(QFileInfo(zero).symLinkTarget(), QString("/dev/zero"));
    }

    // A writer without the capability to override permissions, as root has it, meets the folder's as
    // any user does: the folder refuses the temporary file and the file itself is rewritten.
    void aFolderThatTakesNoNewFilesHasTheFileRewrittenInPlace()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("index.dat");
        QVERIFY(!writeSavedItems(path, {"111     a"}));
        struct stat before{}, after{};
        QVERIFY(stat(QFile::encodeName(path).constData(), &before) == 0);
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
        const pid_t writer = inChild([&] {
            __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
            __user_cap_data_struct none[_LINUX_CAPABILITY_U32S_3]{};
            if (syscall(SYS_capset, &header, none) != 0)
                return 2;
            return writeSavedItems(path, {"111     a", "222     b"}) ? 1 : 0;
        });
        QCOMPARE(statusOf(writer), 0);
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(bytesOf(path), QByteArray("111     a\r\n222     b\r\n"));
        QVERIFY(stat(QFile::encodeName(path).constData(), &after) == 0);
        QCOMPARE(after.st_ino, before.st_ino);
    }

    // The two lists differ in every line and in length, so that any mix of them shows.
    void aKilledWriterLeavesTheOldListOrTheNewOneWhole()
    {
        QStringList lists[2];
        for (int i = 0; i < 3000; ++i) {
            lists[0] << QStringLiteral("%1     Blue vase %2").arg(100000 + i).arg(i);
            lists[1] << QStringLiteral("%1     Old clock %2").arg(200000 + i).arg(i);
        }
        lists[1] << QStringLiteral("300000     One more");
        const QByteArray encoded[] = {encodeSavedItems(lists[0]), encodeSavedItems(lists[1])};
        QTemporaryDir folder;
        const QString path = folder.filePath(savedItemsFileName());
        QVERIFY(!writeSavedItems(path, lists[0]));

        QRandomGenerator random(8);
        for (int kill = 0; kill < 100; ++kill) {
            const pid_t writer = inChild([&] {
                for (int turn = 0;; turn ^= 1) {
                    if (writeSavedItems(path, lists[turn]))
                        return 1;
                }
            });
            QTest::qSleep(5 + random.bounded(40));
            ::kill(writer, SIGKILL);
            const int status = statusOf(writer);
            QVERIFY(WIFSIGNALED(status));
            const QByteArray bytes = bytesOf(path);
            QVERIFY2(bytes == encoded[0] || bytes == encoded[1],
                     qPrintable(QStringLiteral("kill %1 left %2 bytes").arg(kill).arg(bytes.size())));
        }
        // A temporary file a killed write left behind is neither read nor in the way.
        QVERIFY(!writeSavedItems(path, lists[1]));
        QCOMPARE(readSavedItems(path).entries, lists[1]);
    }
};

QTEST_GUILESS_MAIN(SavedItemsFileTest)
#include "SavedItemsFileTest.moc"
