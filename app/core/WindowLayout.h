#pragma once

#include <optional>
#include <vector>

// How the tab strip and its views follow the main window, in twips.
struct Extent
{
    double width = 0;
    double height = 0;
};

struct WindowLayout
{
    double barWidth = 0; // the two blue bars
    double lowerBarTop = 520;
    double stripTop = 660;
    Extent strip; // the tab strip: its new size, or its last where one is below 0
    std::optional<double> watchViewWidth, watchViewHeight;
    std::optional<double> servicesViewWidth, servicesViewHeight;
};

// The window's outer size as the layout reckons it: the client area below the
// menu bar plus a fixed frame, so the strip ends at the client area's bottom
// whatever frame the window system draws.
Extent outerSizeForClient(Extent client);

// A size below 0 is left out (the control keeps its last size); the views are
// sized from the strip as it stands after its own assignment. Each row the
// top row wrapped to pushes the lower bar and the strip down by a row.
WindowLayout layoutWindow(double clientWidth, Extent outer, Extent lastStrip, int wrappedRows = 0);

// A control of the top row where it was made; one kept with the next (a label
// and its box) wraps with it.
struct RowControl
{
    double left = 0;
    double width = 0;
    bool withNext = false;
};
struct RowPlace
{
    double left = 0;
    int row = 0;
};
constexpr double kTopRowHeight = 520;

// A window narrower than the top row keeps every control reachable: controls
// stay where they were made while they fit; from the first that would pass the
// right edge, the rest wrap to a row below from the left margin, as often as needed.
std::vector<RowPlace> wrapTopRow(const std::vector<RowControl> &controls, double clientWidth);
