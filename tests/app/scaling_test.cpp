// The table and the data sheet at scale 2 against their 1x pictures: text is
// drawn at the device's resolution, so no part of it is the 1x picture with
// every pixel enlarged to a 2 x 2 block.

#include "creatept.h"
#include "datasheet.h"
#include "tableartwork.h"
#include "testdata.h"

#include <gtest/gtest.h>

namespace {

// Device pixels of the scale-2 picture in the logical region that differ from
// the 1x picture's pixel they would be a copy of.
int unlikeEnlarged(const Surface &once, const Surface &twice, const QRect &region)
{
    const QImage &a = once.image();
    const QImage &b = twice.image();
    int differing = 0;
    for (int y = 2 * region.top(); y < 2 * (region.bottom() + 1); ++y)
        for (int x = 2 * region.left(); x < 2 * (region.right() + 1); ++x)
            differing += b.pixel(x, y) != a.pixel(x / 2, y / 2);
    return differing;
}

// The table as the window draws it at a scale.
Surface table(double scale, CellRects &cells)
{
    Surface pb = tablePictureDesign(scale);
    CreatePT(pb, 0, shippedData(), tableArtwork(scale), cells);
    return pb;
}

// Iron's data sheet as the window draws it at a scale.
Surface ironSheet(double scale)
{
    Surface pbData(339, 479, 0xE0E0E0, scale);
    pbData.setForeColor(ColourBlack);
    pbData.setFontSize(9.75);
    pbData.setFontBold(true);
    ClassificationNames names;
    InitClassificationNames(names);
    const TableArtwork &art = tableArtwork(scale);
    writeScreenSheet(pbData, shippedData(), 26, names, {art.ptst, art.ptstM});
    return pbData;
}

} // namespace

// Each element cell carries its symbol, number and weight: at least 5 % of its
// 8000 device pixels at scale 2 differ from the 1x cell enlarged (text drawn
// at the device's resolution gives 11 % and more; enlarged 1x text, none).
TEST(ScaledPictures, TableTextAtTwiceIsNoBlockCopy)
{
    CellRects cells1{}, cells2{};
    const Surface once = table(1, cells1);
    const Surface twice = table(2, cells2);
    EXPECT_EQ(cells1, cells2);
    for (int z = 1; z <= 118; ++z) {
        const CellRect &c = cells1[z];
        const QRect cell(QPoint(c.Left, c.Top), QPoint(c.Right, c.Bottom));
        ASSERT_EQ(cell.size(), QSize(40, 50)) << "element " << z;
        EXPECT_GE(unlikeEnlarged(once, twice, cell), 400) << "element " << z;
    }
}

// The sheet in bands of 8 rows: every band that shows anything at 1x has at
// least 40 device pixels at scale 2 unlike its 1x pixels enlarged (the least
// is 150, a band with the lower edge of the title alone). Iron's sheet shows
// text down to its 49th band (Name Origin wraps onto a second line).
TEST(ScaledPictures, SheetTextAtTwiceIsNoBlockCopy)
{
    const Surface once = ironSheet(1);
    const Surface twice = ironSheet(2);
    int shown = 0;
    for (int top = 0; top + 8 <= once.height(); top += 8) {
        const QRect band(0, top, once.width(), 8);
        bool blank = true;
        for (int y = band.top(); y <= band.bottom() && blank; ++y)
            for (int x = band.left(); x <= band.right() && blank; ++x)
                blank = once.pixel(x, y) == 0xE0E0E0;
        if (blank) continue;
        ++shown;
        EXPECT_GE(unlikeEnlarged(once, twice, band), 40) << "the band from row " << top;
    }
    EXPECT_GE(shown, 49);
}
