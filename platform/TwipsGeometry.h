#pragma once

class QWidget;

// Places a control by a position and size in twips, converted with the
// logical DPI of its screen.
void placeInTwips(QWidget *widget, double left, double top, double width, double height);
void resizeInTwips(QWidget *widget, double width, double height);
int twipsToPixelsX(const QWidget *widget, double twips);
int twipsToPixelsY(const QWidget *widget, double twips);
