#include "app/ClassicControls.h"

#include "platform/ClassicLook.h"

#include <QLabel>
#include <QToolButton>

QToolButton *pictureButton(QWidget *parent, QStyle::StandardPixmap icon, const QString &tooltip)
{
    auto *button = new QToolButton(parent);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolTip(tooltip);
    return button;
}

QLabel *darkBlueLabel(const QString &caption, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    setDarkBlueText(label);
    return label;
}
