#pragma once

#include <QStyle>

class QLabel;
class QToolButton;
class QWidget;

// The controls the top row and the address row are made of.
QToolButton *pictureButton(QWidget *parent, QStyle::StandardPixmap icon, const QString &tooltip);
QLabel *darkBlueLabel(const QString &caption, QWidget *parent);
