#pragma once

class QWidget;

// Moves a top-level window to the middle of the primary screen's free area.
void centreOnScreen(QWidget *window);

// Shows a top-level window, or brings an open one to the front as it is,
// restoring it if it was minimised.
void bringForward(QWidget *window);
