#pragma once

// Text colour against its background, as WCAG 2 reckons it, so the labels'
// dark blue is swapped for a colour that reads on a dark palette.
struct Rgb
{
    int red = 0;
    int green = 0;
    int blue = 0;
};

// The labels' dark blue (0, 0, 192) where it reads on window; else a light
// blue where that does; else black or white, whichever reads better.
Rgb labelColourOn(Rgb window);
