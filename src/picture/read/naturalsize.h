#pragma once

// Private to loviz_picture: the readers' internals (src/picture/read/), which no other layer can
// include.

#include "picture/picture.h"

#include <QSize>

#include <algorithm>
#include <cmath>

namespace picture {

// The natural size in whole pixels of a picture whose sides measure `width` and `height`
// pixels, each side rounded. A side longer than Picture::MaxSide stays longer (MaxSide + 1), and
// one that is not a positive number becomes 0, so that Picture::sizeAllowed() refuses both.
inline QSize naturalSize(double width, double height)
{
    const auto side = [](double pixels) {
        constexpr double longest = Picture::MaxSide + 1;
        return pixels > 0 ? int(std::lround(std::min(pixels, longest))) : 0;
    };
    return QSize(side(width), side(height));
}

} // namespace picture
