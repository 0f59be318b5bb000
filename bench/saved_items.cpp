// Times a full saved-items list: the file layer alone, then the dialog
// opening (read, sort, fill the list) and "Cl&ose Me" writing it back.
#include "MainWindowFixture.h"

#include "saved/Form2.h"
#include "saved/SavedItemsFile.h"
#include "saved/core/SavedItemsCodec.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
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
    const QString path = f.pagePath(savedItemsFileName());
    const QStringList entries = shuffledEntries(kMaxSavedItems);
    std::printf("%d entries\n", int(entries.size()));

    QElapsedTimer timer;
    timer.start();
    if (write_saved_items(path, entries))
        return 1;
    report("write_saved_items", timer);

    timer.start();
    const SavedItemsRead read = read_saved_items(path);
    report("read_saved_items", timer);
    if (read.failure || read.entries.size() != entries.size())
        return 1;

    timer.start();
    f.window->Command9_Click();
    Form2 *dialog = f.window->savedItemsDialog();
    report("open the dialog (read, sort, fill the list)", timer);
    if (dialog->List1->count() != kMaxSavedItems)
        return 1;

    timer.start();
    dialog->cmdOk_Click();
    report("Close Me (write the list)", timer);
    return 0;
}
