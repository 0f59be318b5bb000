#include "saved/SavedItemsFile.h"
#include "saved/core/SavedItemsCodec.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Serves the first `room` bytes of the file, then fails.
class FailingFile final : public QFile
{
public:
    FailingFile(const QString &path, qint64 room) : QFile(path), m_room(room) {}

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (m_room == 0)
            return -1;
        const qint64 got = QFile::readData(data, qMin(maxSize, m_room));
        m_room -= got;
        return got;
    }

private:
    qint64 m_room;
};

// Takes the first `room` bytes, then fails like a full disk.
class FailingSaveFile final : public QSaveFile
{
public:
    FailingSaveFile(const QString &path, qint64 room) : QSaveFile(path), m_room(room) {}

protected:
    qint64 writeData(const char *data, qint64 size) override
    {
        if (size <= m_room) {
            m_room -= size;
            return QSaveFile::writeData(data, size);
        }
        QSaveFile::writeData(data, m_room);
        m_room = 0;
        setErrorString(QStringLiteral("No space left on device"));
        return -1;
    }

private:
    qint64 m_room;
};

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList numbered(int count)
{
    QStringList entries;
    for (int i = 0; i < count; ++i)
        entries << QStringLiteral("%1     item").arg(i, 6, 10, QLatin1Char('0'));
    return entries;
}

} // namespace

class SavedItemsFileTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        m_path = m_folder->filePath(QStringLiteral("index.dat"));
    }

    void aReadFailingPartWayKeepsTheWholeLinesBeforeIt()
    {
        writeFile(m_path, "111     a\r\n222     b\r\n333     c\r\n");
        FailingFile file(m_path, 15);
        const SavedItemsRead read = read_saved_items(file);
        QCOMPARE(read.entries, QStringList{"111     a"});
        QVERIFY(read.failure);
        QVERIFY(!file.isOpen());
    }

    void aFileLongerThanTheListKeepsTheFirstEntries()
    {
        QVERIFY(!write_saved_items(m_path, numbered(kMaxSavedItems + 2)));
        const SavedItemsRead read = read_saved_items(m_path);
        QCOMPARE(read.entries.size(), kMaxSavedItems);
        QCOMPARE(read.entries.last(), numbered(kMaxSavedItems).last());
        QVERIFY(read.failure);
    }

    void aWriteFailingPartWayLeavesTheOldFileAsItWas()
    {
        const QByteArray old("111     a\r\n\x80\x81 b\r\n");
        writeFile(m_path, old);
        FailingSaveFile file(m_path, 20);
        const auto failure = write_saved_items(file, numbered(100));
        QVERIFY(failure);
        QCOMPARE(failure->code, int(QFileDevice::WriteError));
        QCOMPARE(failure->description, QString("No space left on device"));
        QCOMPARE(contentOf(m_path), old);
        QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), QStringList{"index.dat"});
    }

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_path;
};

QTEST_GUILESS_MAIN(SavedItemsFileTest)
#include "SavedItemsFileTest.moc"
