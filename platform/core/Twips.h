#pragma once

#include <QtGlobal>

// Window positions are given in twips: 1440 to the inch.
constexpr int kTwipsPerInch = 1440;

inline int twipsToPixels(double twips, int dotsPerInch)
{
    return qRound(twips * dotsPerInch / kTwipsPerInch);
}

inline double pixelsToTwips(int pixels, int dotsPerInch)
{
    return double(pixels) * kTwipsPerInch / dotsPerInch;
}
