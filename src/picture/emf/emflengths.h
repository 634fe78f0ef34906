#pragma once

// Private to loviz_picture: the metafile writer's internals (src/picture/emf/), which no other
// layer can include.

#include <QtMath>

// Pixels of a device of a given resolution as the lengths an enhanced metafile measures in.
namespace picture {

// The length units of a metafile, per inch.
inline constexpr double millimetresPerInch = 25.4;
inline constexpr double hundredthsOfMillimetrePerInch = 2540; // the header's frame
inline constexpr double micrometresPerInch = 25400;

// `pixels` at `dotsPerInch` in whole units of a length that has `unitsPerInch` to the inch.
inline int pixelsToLength(int pixels, int dotsPerInch, double unitsPerInch)
{
    return qRound(pixels * unitsPerInch / dotsPerInch);
}

// A length in units that have `unitsPerInch` to the inch in whole pixels at `dotsPerInch`.
inline int lengthToPixels(double length, int dotsPerInch, double unitsPerInch)
{
    return qRound(length * dotsPerInch / unitsPerInch);
}

// The length of one pixel at `dotsPerInch` in units that have `unitsPerInch` to the inch.
inline double lengthOfPixel(int dotsPerInch, double unitsPerInch)
{
    return unitsPerInch / dotsPerInch;
}

} // namespace picture
