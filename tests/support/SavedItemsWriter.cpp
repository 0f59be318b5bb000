// Rewrites a saved-items file through the program's file layer, one of the
// kill test's two lists after the other, until it is killed.
// Arguments: the file, the number of entries of a list.
#include "KillTestLists.h"
#include "saved/SavedItemsFile.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return 2;
    const std::array<QStringList, 2> lists = killTestLists(args[2].toInt());
    for (int turn = 0;; turn ^= 1) {
        if (writeSavedItems(args[1], lists[turn]))
            return 1;
    }
}
