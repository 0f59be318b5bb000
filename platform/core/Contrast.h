#pragma once

// Text colour against its background, as WCAG 2 reckons it, so the labels'
// dark blue is swapped for a colour that reads on a dark palette.
struct Rgb
{
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb &other) const
    {
        return red == other.red && green == other.green && blue == other.blue;
    }
};

// WCAG AA for normal text.
constexpr double kMinimumContrast = 4.5;

// 0 for black to 1 for white, from the sRGB channels.
double relativeLuminance(Rgb colour);
// From 1 (the same) to 21 (black on white), whichever is lighter.
double contrastRatio(Rgb a, Rgb b);

// The labels' dark blue (0, 0, 192) where it reads on window; else a light
// blue where that does; else black or white, whichever reads better.
Rgb labelColourOn(Rgb window);
