#include "KillTestLists.h"
#include "saved/SavedItemsFile.h"
#include "saved/core/SavedItemsCodec.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
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

// Root overrides folder permissions; without that capability in effect it
// meets them as any other user does. It stays permitted and comes back.
bool overrideFolderPermissions(bool on)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3]{};
    if (syscall(SYS_capget, &header, data) != 0)
        return false;
    const unsigned bit = 1u << CAP_DAC_OVERRIDE;
    data[0].effective = on ? data[0].effective | (data[0].permitted & bit) : data[0].effective & ~bit;
    return syscall(SYS_capset, &header, data) == 0;
}

// A folder that takes no new files while this lives.
struct LockedFolder
{
    explicit LockedFolder(const QString &path) : path(path)
    {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
                                        | QFile::ReadOther | QFile::ExeOther);
        if (geteuid() == 0)
            overrideFolderPermissions(false);
    }
    ~LockedFolder()
    {
        if (geteuid() == 0)
            overrideFolderPermissions(true);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    bool takesNewFiles() const
    {
        QFile probe(QDir(path).filePath("probe"));
        return probe.open(QIODevice::WriteOnly) && probe.remove();
    }
    QString path;
};

// Files may grow to `bytes` while this lives; a write past that fails as on a full disk.
struct FileSizeLimit
{
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, SIG_DFL);
    }
    rlimit old{};
};

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
    // A file longer than the list holds, and a missing one, are read through the dialog's window test.
    void aReadKeepsTheWholeLinesBeforeAFailure()
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

    // A pipe, a link to a device and a file beyond the size bound give a failure at once, and none is written.
    void onlyARegularFileOfSensibleSizeIsReadOrWritten()
    {
        QTemporaryDir folder;
        const QString pipe = folder.filePath("pipe.dat");
        const QString zero = folder.filePath("zero.dat");
        const QString huge = folder.filePath("huge.dat");
        QVERIFY(mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
        QVERIFY(QFile::link("/dev/zero", zero));
        QFile sparse(huge);
        QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(kMaxSavedItemsBytes + 1));
        sparse.close();
        for (const QString &path : {pipe, zero, huge}) {
            QElapsedTimer took;
            took.start();
            const SavedItemsRead read = readSavedItems(path);
            QVERIFY2(read.failure && read.partial && read.entries.isEmpty(), qPrintable(path));
            QVERIFY(took.elapsed() < 5000);
        }
        QVERIFY(writeSavedItems(pipe, {"1     a"}));
        QVERIFY(writeSavedItems(zero, {"1     a"}));
        QVERIFY(QFileInfo(zero).isSymLink() && QFileInfo(zero).symLinkTarget() == "/dev/zero");
    }

    // The folder refuses the temporary file; the file itself is still writable.
    void aFolderThatTakesNoNewFilesHasTheFileRewrittenInPlace()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("index.dat");
        QVERIFY(!writeSavedItems(path, {"111     a"}));
        const LockedFolder locked(folder.path());
        if (locked.takesNewFiles())
            QSKIP("This system lets the folder take new files whatever its permissions");
        const auto failure = writeSavedItems(path, {"111     a", "222     b"});
        QVERIFY2(!failure, failure ? qPrintable(failure->description) : "");
        QCOMPARE(bytesOf(path), QByteArray("111     a\r\n222     b\r\n"));
    }

    // A write that runs out of room says why, as the system put it, and the old file stays.
    void aWriteFailingPartWayGivesTheSystemsReasonAndLeavesTheOldFile()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("index.dat");
        const QStringList old{"111     a", "\u20AC b"};
        QVERIFY(!writeSavedItems(path, old));
        std::optional<FileFailure> failure;
        {
            const FileSizeLimit limit(20);
            failure = writeSavedItems(path, QStringList(100, "new item"));
        }
        QVERIFY(failure);
        QCOMPARE(failure->code, int(QFileDevice::WriteError));
        QCOMPARE(failure->description, qt_error_string(EFBIG));
        QCOMPARE(readSavedItems(path).entries, old);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"index.dat"});
    }

    // A writer killed at any moment leaves the old list or the new one, whole.
    void aKilledWriterLeavesOneWholeList()
    {
        constexpr int kSize = 3000;
        const std::array<QStringList, 2> lists = killTestLists(kSize);
        const QByteArray encoded[] = {encodeSavedItems(lists[0]), encodeSavedItems(lists[1])};
        QTemporaryDir folder;
        const QString path = folder.filePath(savedItemsFileName());
        QVERIFY(!writeSavedItems(path, lists[0]));

        QRandomGenerator random(8);
        for (int kill = 0; kill < 100; ++kill) {
            QProcess writer;
            writer.start(QStringLiteral(SAVED_ITEMS_WRITER), {path, QString::number(kSize)});
            QVERIFY(writer.waitForStarted());
            QTest::qWait(5 + random.bounded(40));
            writer.kill();
            QVERIFY(writer.waitForFinished());
            QCOMPARE(writer.exitStatus(), QProcess::CrashExit);
            const QByteArray bytes = bytesOf(path);
            QVERIFY2(bytes == encoded[0] || bytes == encoded[1],
                     qPrintable(QStringLiteral("kill %1 left %2 bytes").arg(kill).arg(bytes.size())));
        }
        // A write killed between creating its temporary file and renaming it
        // may leave that file behind; the file layer neither reads nor trips over it.
        qInfo() << "left behind:" << QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
        QVERIFY(!writeSavedItems(path, lists[1]));
        QCOMPARE(readSavedItems(path).entries, lists[1]);
    }
};

QTEST_GUILESS_MAIN(SavedItemsFileTest)
#include "SavedItemsFileTest.moc"
