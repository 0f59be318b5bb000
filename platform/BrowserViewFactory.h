#pragma once

#include <functional>

class BrowserView;
class QWidget;

// Makes the views of the main window; the program gives real web views, the
// tests give recording fakes.
using BrowserViewFactory = std::function<BrowserView *(QWidget *parent)>;
