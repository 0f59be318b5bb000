#include "saved/SavedItemsFile.h"
#include "saved/core/SavedItemsCodec.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QtTest>

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

// Takes the first `room` bytes, then fails like a full disk.
struct FailingSaveFile final : QSaveFile
{
    FailingSaveFile(const QString &path, qint64 room) : QSaveFile(path), room(room) {}
    qint64 writeData(const char *data, qint64 size) override
    {
        const qint64 taken = QSaveFile::writeData(data, qMin(size, room));
        room -= taken;
        if (taken == size)
            return size;
        setErrorString(QStringLiteral("No space left on device"));
        return -1;
    }
    qint64 room;
};

} // namespace

class SavedItemsFileTest : public QObject
{
    Q_OBJECT

private slots:
    void aReadKeepsTheWholeLinesBeforeAFailureAndNoMoreThanTheListHolds()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("index.dat");
        QVERIFY(!write_saved_items(path, {"111     a", "222     b", "333     c"}));
        FailingFile file(path, 15);
        SavedItemsRead read = read_saved_items(file);
        QCOMPARE(read.entries, QStringList{"111     a"});
        QVERIFY(read.failure);
        QVERIFY(!file.isOpen());

        QStringList entries;
        for (int i = 0; i < kMaxSavedItems + 2; ++i)
            entries << QString::number(i);
        QVERIFY(!write_saved_items(path, entries));
        read = read_saved_items(path);
        QCOMPARE(read.entries, entries.mid(0, kMaxSavedItems));
        QVERIFY(read.failure);
    }

    void aWriteFailingPartWayLeavesTheOldFileAsItWas()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("index.dat");
        const QStringList old{"111     a", "\u20AC b"};
        QVERIFY(!write_saved_items(path, old));
        FailingSaveFile file(path, 20);
        const auto failure = write_saved_items(file, QStringList(100, "new item"));
        QVERIFY(failure);
        QCOMPARE(failure->code, int(QFileDevice::WriteError));
        QCOMPARE(failure->description, QString("No space left on device"));
        QCOMPARE(read_saved_items(path).entries, old);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"index.dat"});
    }
};

QTEST_GUILESS_MAIN(SavedItemsFileTest)
#include "SavedItemsFileTest.moc"
