#pragma once

#include "creatept.h"
#include "testdata.h"

#include <algorithm>
#include <utility>

namespace tablefixture {

// The table drawn as the window draws it on screen (into pb), or as printing
// draws it (into a white 800 x 520 pbprt in the 9.75-point entry font).
struct Drawn
{
    ElementData data;
    Surface pb;
    CellRects rects{};
    PTLayout layout;

    explicit Drawn(ElementData d = shippedData(), bool printing = false)
        : data(std::move(d)),
          pb(printing ? 800 : 239, printing ? 520 : 231, printing ? ColourWhite : 0xDCCCAB)
    {
        pb.setFontName(QStringLiteral("Arial"));
        pb.setFontSize(printing ? 9.75 : 8.25);
        pb.setForeColor(ColourBlack);
        layout = CreatePT(pb, printing, data, tableArtwork(), rects);
    }
};

// True when region of s shows picture placed with its top-left at origin.
inline bool shows(const Surface &s, const QRect &region, const Surface &picture, QPoint origin)
{
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (s.pixel(x, y) != picture.pixel(x - origin.x(), y - origin.y())) return false;
    return true;
}

// True when region of s is all colour c.
inline bool shows(const Surface &s, const QRect &region, Colour c)
{
    return shows(s, region, Surface(region.right() + 1, region.bottom() + 1, c), {});
}

} // namespace tablefixture
