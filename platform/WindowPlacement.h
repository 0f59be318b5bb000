#pragma once

class QWidget;

// Moves a top-level window to the middle of the primary screen's free area.
void centreOnScreen(QWidget *window);

// Keeps a top-level window wholly on an available screen (fitOnScreens), its
// frame too once it has one; one the window system places itself is only
// shrunk where it is bigger than the screen, and a maximised or minimised one
// is left alone.
void fitOnScreen(QWidget *window);

// Shows a top-level window on a screen, or brings an open one to the front
// as it is, restoring it if it was minimised.
void bringForward(QWidget *window);

// Keeps a top-level window's state (maximised, minimised) when its native
// window is replaced, as the first web view shown in it does to draw through
// the GPU: the window manager would open the new one in the normal state.
void keepStateAcrossNativeWindows(QWidget *window);
