#pragma once

#include "creatept.h"
#include "testdata.h"

#include <utility>

namespace tablefixture {

// The table drawn in view as the window draws it on screen (at scale), or as
// printing draws it: into a white 800 x 520 picture in the 9.75-point entry font.
template <class S = Surface> struct Drawn
{
    ElementData data;
    S pb;
    CellRects rects{};
    PTLayout layout;

    explicit Drawn(ElementData d = shippedData(), const TableView &view = {}, bool printing = false,
                   double scale = 1.0)
        : data(std::move(d)),
          pb(printing ? 800 : 239, printing ? 520 : 231, printing ? ColourWhite : 0xDCCCAB, scale)
    {
        pb.setFontSize(printing ? 9.75 : 8.25);
        pb.setForeColor(ColourBlack);
        layout = CreatePT(pb, printing, data, tableArtwork(scale), rects, {0, 37}, view);
    }
    // A pixel of element z's cell clear of its words and state symbol.
    Colour cell(int z) const { return pb.pixel(rects[z].Left + 3, rects[z].Top + 30); }
    // How many pixels of colour c lie where the cell's symbol is written.
    int inSymbol(int z, Colour c) const
    {
        int n = 0;
        for (int y = rects[z].Top + 14; y <= rects[z].Top + 30; ++y)
            for (int x = rects[z].Left + 6; x <= rects[z].Left + 34; ++x)
                n += pb.pixel(x, y) == c;
        return n;
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
