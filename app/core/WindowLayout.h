#pragma once

#include <optional>

// How the tab strip and its views follow the main window, in twips.
struct Extent
{
    double width = 0;
    double height = 0;
};

struct WindowLayout
{
    double barWidth = 0;      // the two blue bars
    Extent strip;             // the tab strip: its new size, or its last where one is below 0
    std::optional<double> watchViewWidth, watchViewHeight;
    std::optional<double> servicesViewWidth, servicesViewHeight;
};

// The window's outer size as the layout reckons it: the client area below the
// menu bar plus a fixed frame, so the strip ends at the client area's bottom
// whatever frame the window system draws.
Extent outerSizeForClient(Extent client);

// A size below 0 is left out (the control keeps its last size); the views are
// sized from the strip as it stands after its own assignment.
WindowLayout layoutWindow(double clientWidth, Extent outer, Extent lastStrip);
