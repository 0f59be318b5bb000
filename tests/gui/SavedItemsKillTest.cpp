#include "KillTestLists.h"
#include "saved/SavedItemsFile.h"
#include "saved/core/SavedItemsCodec.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

class SavedItemsKillTest : public QObject
{
    Q_OBJECT

private:
    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(cannot open)");
    }

private slots:
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

            const QByteArray bytes = contents(path);
            QVERIFY2(bytes == encoded[0] || bytes == encoded[1],
                     qPrintable(QStringLiteral("kill %1 left %2 bytes").arg(kill).arg(bytes.size())));
            const SavedItemsRead read = readSavedItems(path);
            QVERIFY(!read.failure);
            QVERIFY(read.entries == lists[0] || read.entries == lists[1]);
        }
        // A write killed between creating its temporary file and renaming it
        // may leave that file behind; the file layer neither reads nor trips over it.
        qInfo() << "left behind:" << QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
        QVERIFY(!writeSavedItems(path, lists[1]));
        QCOMPARE(readSavedItems(path).entries, lists[1]);
    }
};

QTEST_MAIN(SavedItemsKillTest)
#include "SavedItemsKillTest.moc"
