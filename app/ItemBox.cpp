#include "app/ItemBox.h"

#include "app/core/ItemLink.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>

void ItemBox::pasteFromClipboard()
{
    if (!takeItemNumberFrom(QGuiApplication::clipboard()->text()))
        paste();
}

bool ItemBox::takeItemNumberFrom(const QString &text)
{
    const std::optional<QString> number = itemNumberFromLink(text);
    if (!number)
        return false;
    setText(*number);
    return true;
}

void ItemBox::keyPressEvent(QKeyEvent *event)
{
    if (event == QKeySequence::Paste) {
        pasteFromClipboard();
        event->accept();
        return;
    }
    TextBox::keyPressEvent(event);
}

// The standard menu, its Paste going through the address check.
void ItemBox::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (QAction *pasteEntry = menu->findChild<QAction *>(QStringLiteral("edit-paste"))) {
        disconnect(pasteEntry, &QAction::triggered, nullptr, nullptr);
        connect(pasteEntry, &QAction::triggered, this, &ItemBox::pasteFromClipboard);
    }
    menu->popup(event->globalPos());
}

void ItemBox::dropEvent(QDropEvent *event)
{
    const QMimeData *dropped = event->mimeData();
    const QString text = dropped->hasUrls() ? dropped->urls().constFirst().toString() : dropped->text();
    if (!isReadOnly() && takeItemNumberFrom(text)) {
        event->acceptProposedAction();
        return;
    }
    TextBox::dropEvent(event);
}
