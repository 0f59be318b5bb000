#include "platform/core/Contrast.h"

#include <algorithm>
#include <cmath>

namespace {

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// WCAG AA for normal text.
constexpr double kMinimumContrast = 4.5;

// 0 for black to 1 for white, from the sRGB channels.
double relativeLuminance(Rgb colour)
{
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) + 0.0722 * linear(colour.blue);
}

// From 1 (the same) to 21 (black on white), whichever is lighter.
double contrastRatio(Rgb a, Rgb b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

Rgb labelColourOn(Rgb window)
{
    for (const Rgb blue : {Rgb{0, 0, 192}, Rgb{140, 170, 255}}) {
        if (contrastRatio(blue, window) >= kMinimumContrast)
            return blue;
    }
    const Rgb black{0, 0, 0};
    const Rgb white{255, 255, 255};
    return contrastRatio(black, window) >= contrastRatio(white, window) ? black : white;
}
