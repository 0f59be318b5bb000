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

WindowLayout layoutWindow(double clientWidth, Extent outer, Extent lastStrip, int wrappedRows)
{
    const double drop = wrappedRows * kTopRowHeight;
    WindowLayout layout;
    layout.barWidth = clientWidth;
    layout.lowerBarTop += drop;
    layout.stripTop += drop;
    layout.strip.width = unlessNegative(outer.width - 100).value_or(lastStrip.width);
    layout.strip.height = unlessNegative(outer.height - 1350 - drop).value_or(lastStrip.height);
    layout.watchViewWidth = unlessNegative(layout.strip.width - 250);
    layout.watchViewHeight = unlessNegative(layout.strip.height - 550);
    layout.servicesViewWidth = unlessNegative(layout.strip.width - 250);
    layout.servicesViewHeight = unlessNegative(layout.strip.height - 950);
    return layout;
}

std::vector<RowPlace> wrapTopRow(const std::vector<RowControl> &controls, double clientWidth)
{
    constexpr double kLeftMargin = 80;
    std::vector<RowPlace> places;
    double shift = 0;
    int row = 0;
    for (std::size_t first = 0; first < controls.size();) {
        std::size_t last = first;
        while (controls[last].withNext && last + 1 < controls.size())
            ++last;
        const double left = controls[first].left + shift;
        const double right = controls[last].left + controls[last].width + shift;
        if (right > clientWidth && left > kLeftMargin) {
            ++row;
            shift = kLeftMargin - controls[first].left;
        }
        for (; first <= last; ++first)
            places.push_back({controls[first].left + shift, row});
    }
    return places;
}
