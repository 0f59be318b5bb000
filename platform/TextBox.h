#pragma once

#include <QLineEdit>

// A one-line text box that reports clicks and typed characters after it has
// handled them itself.
class TextBox : public QLineEdit
{
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

signals:
    void clicked();
    // The character code of the key (13 for Enter); the key is not swallowed.
    void keyPressed(int charCode);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
