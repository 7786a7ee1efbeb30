#include "tableartwork.h"

#include <gtest/gtest.h>

namespace {

// The cell box is black inside (columns 2 to 35, rows 1 to 47), where its mask
// is white to let the class colour through, and carries the table's
// background in its twelve rounded-corner pixels.
TEST(TableArtwork, CellBoxInteriorMaskAndCorners)
{
    const TableArtwork &art = tableArtwork();
    ASSERT_EQ(art.ptBox.image().size(), QSize(40, 50));
    ASSERT_EQ(art.ptBoxM.image().size(), QSize(40, 50));
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool inside = x >= 2 && x <= 35 && y >= 1 && y <= 47;
            // Each corner pixel and its two neighbours along the edges.
            const bool corner =
                x == 0 || x == 39 ? y <= 1 || y >= 48 : (x == 1 || x == 38) && (y == 0 || y == 49);
            EXPECT_EQ(art.ptBox.pixel(x, y) == ColourBlack, inside) << x << "," << y;
            EXPECT_EQ(art.ptBoxM.pixel(x, y), inside ? ColourWhite : ColourBlack) << x << "," << y;
            EXPECT_EQ(art.ptBox.pixel(x, y) == ColourPageBlue, corner) << x << "," << y;
        }
}

TEST(TableArtwork, KeyAndClassColours)
{
    const std::array<Colour, 11> expected = {0xE8E8E8, 0xBC93BC, 0xFFC0C0, 0xFFFFC0,
                                             0xDEDEE7, 0xDCCCAB, 0x8BD58B, 0xA6F9F0,
                                             0x9B9BF6, 0xC6C6E7, 0x7B7BE7};
    EXPECT_EQ(tableArtwork().ptcolor, expected);
}

} // namespace
