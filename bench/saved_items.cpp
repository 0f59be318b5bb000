// Times a full saved-items list: the file layer alone, then the dialog
// opening (read, sort, fill the list) and "Cl&ose Me" writing it back.
#include "MainWindowFixture.h"
#include "WidgetNamed.h"

#include "saved/SavedItemsDialog.h"
#include "saved/SavedItemsFile.h"
#include "saved/core/SavedItemsCodec.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <cstdio>

namespace {

QStringList shuffledEntries(int count)
{
    QStringList entries;
    QRandomGenerator random(20240607);
    for (int i = 0; i < count; ++i) {
        entries << QStringLiteral("%1     Lot %2 %3")
                       .arg(random.bounded(100000000, 999999999))
                       .arg(i)
                       .arg(i % 2 ? QStringLiteral("blue vase") : QStringLiteral("Old clock"));
    }
    return entries;
}

void report(const char *what, const QElapsedTimer &timer)
{
    std::printf("%-44s %8.1f ms\n", what, timer.nsecsElapsed() / 1e6);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    MainWindowFixture f;
    const QString path = f.programFilePath(savedItemsFileName());
    const QStringList entries = shuffledEntries(kMaxSavedItems);
    std::printf("%d entries\n", int(entries.size()));

    QElapsedTimer timer;
    timer.start();
    if (writeSavedItems(path, entries))
        return 1;
    report("writeSavedItems", timer);

    timer.start();
    const SavedItemsRead read = readSavedItems(path);
    report("readSavedItems", timer);
    if (read.failure || read.entries.size() != entries.size())
        return 1;

    timer.start();
    f.window->showSavedItems();
    SavedItemsDialog *dialog = openWindows<SavedItemsDialog>().value(0);
    report("open the dialog (read, sort, fill the list)", timer);
    if (widgetNamed<QListWidget>(dialog, "itemList")->count() != kMaxSavedItems)
        return 1;

    timer.start();
    widgetNamed<QPushButton>(dialog, "closeButton")->click();
    report("Close Me (write the list)", timer);
    return 0;
}
