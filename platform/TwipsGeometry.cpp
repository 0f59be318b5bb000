#include "platform/TwipsGeometry.h"

#include "platform/core/Twips.h"

#include <QWidget>

int twipsToPixelsX(const QWidget *widget, double twips)
{
    return twipsToPixels(twips, widget->logicalDpiX());
}

int twipsToPixelsY(const QWidget *widget, double twips)
{
    return twipsToPixels(twips, widget->logicalDpiY());
}

void placeInTwips(QWidget *widget, double left, double top, double width, double height)
{
    widget->setGeometry(twipsToPixelsX(widget, left), twipsToPixelsY(widget, top), twipsToPixelsX(widget, width),
                        twipsToPixelsY(widget, height));
}

void resizeInTwips(QWidget *widget, double width, double height)
{
    widget->resize(twipsToPixelsX(widget, width), twipsToPixelsY(widget, height));
}
