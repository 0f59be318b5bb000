#pragma once

#include "platform/TextBox.h"

// The item box: an item page address pasted or dropped into it gives way to
// the item number it names, as people share items by link. Any other text is
// pasted or dropped as into any text box.
class ItemBox final : public TextBox
{
    Q_OBJECT

public:
    using TextBox::TextBox;

    void pasteFromClipboard();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    bool takeItemNumberFrom(const QString &text);
};
