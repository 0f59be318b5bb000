#include "platform/TextBox.h"

#include <QKeyEvent>
#include <QMouseEvent>

void TextBox::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        emit clicked();
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString text = event->text();
    QLineEdit::keyPressEvent(event);
    if (enter)
        emit keyPressed(13);
    else if (text.size() == 1)
        emit keyPressed(text.at(0).unicode());
}
