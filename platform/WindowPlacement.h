#pragma once

class QWidget;

// Moves a top-level window to the middle of the primary screen's free area.
void centreOnScreen(QWidget *window);

// Shows a top-level window, or brings an open one to the front as it is,
// restoring it if it was minimised.
void bringForward(QWidget *window);

// Keeps a top-level window's state (maximised, minimised) when its native
// window is replaced, as the first web view shown in it does to draw through
// the GPU: the window manager would open the new one in the normal state.
void keepStateAcrossNativeWindows(QWidget *window);
