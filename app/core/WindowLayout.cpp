#include "app/core/WindowLayout.h"

namespace {

constexpr double kFrameWidth = 120;
constexpr double kFrameHeight = 690;

std::optional<double> unlessNegative(double size)
{
    return size < 0 ? std::nullopt : std::optional<double>(size);
}

} // namespace

Extent outerSizeForClient(Extent client)
{
    return {client.width + kFrameWidth, client.height + kFrameHeight};
}

WindowLayout layoutWindow(double clientWidth, Extent outer, Extent lastStrip)
{
    WindowLayout layout;
    layout.barWidth = clientWidth;
    layout.strip.width = unlessNegative(outer.width - 100).value_or(lastStrip.width);
    layout.strip.height = unlessNegative(outer.height - 1350).value_or(lastStrip.height);
    layout.watchViewWidth = unlessNegative(layout.strip.width - 250);
    layout.watchViewHeight = unlessNegative(layout.strip.height - 550);
    layout.servicesViewWidth = unlessNegative(layout.strip.width - 250);
    layout.servicesViewHeight = unlessNegative(layout.strip.height - 950);
    return layout;
}
