#include "tableartwork.h"

#include <gtest/gtest.h>

namespace {

int red(Colour c)
{
    return int(c & 0xFF);
}
int green(Colour c)
{
    return int((c >> 8) & 0xFF);
}
int blue(Colour c)
{
    return int((c >> 16) & 0xFF);
}

bool isLightGrey(Colour c)
{
    return red(c) == green(c) && green(c) == blue(c) && red(c) >= 0x90 && red(c) < 0xFF;
}

bool isDark(Colour c)
{
    return red(c) < 0x70 && green(c) < 0x70 && blue(c) < 0x70;
}

// Draws a sprite over a plain background with the mask AND and the sprite XOR.
Surface maskedOver(const Surface &sprite, const Surface &mask, Colour background, int w, int h)
{
    Surface s(w, h, background);
    s.bitBlt(0, 0, w, h, mask, 0, 0, RasterOp::SrcAnd);
    s.bitBlt(0, 0, w, h, sprite, 0, 0, RasterOp::SrcInvert);
    return s;
}

TEST(TableArtwork, CellBoxHasBackgroundCornersBlackInsideAndBevels)
{
    const TableArtwork &art = tableArtwork();
    ASSERT_EQ(art.ptBox.width(), 40);
    ASSERT_EQ(art.ptBox.height(), 50);
    ASSERT_EQ(art.ptBoxM.width(), 40);
    ASSERT_EQ(art.ptBoxM.height(), 50);

    const int corners[12][2] = {{0, 0},  {1, 0},  {0, 1},  {39, 0},  {38, 0},  {39, 1},
                                {0, 49}, {0, 48}, {1, 49}, {39, 49}, {39, 48}, {38, 49}};
    int cornerCount = 0;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 40; ++x)
            cornerCount += art.ptBox.pixel(x, y) == TableBackColour;
    EXPECT_EQ(cornerCount, 12) << "only the corners carry the background colour";
    for (const auto &p : corners) {
        EXPECT_EQ(art.ptBox.pixel(p[0], p[1]), TableBackColour) << p[0] << "," << p[1];
        EXPECT_TRUE(isCellCornerPixel(p[0], p[1], 40, 50));
    }

    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 40; ++x) {
            const bool inside = x >= 2 && x <= 35 && y >= 1 && y <= 47;
            EXPECT_EQ(art.ptBox.pixel(x, y) == ColourBlack, inside) << x << "," << y;
            EXPECT_EQ(art.ptBoxM.pixel(x, y), inside ? ColourWhite : ColourBlack) << x << "," << y;
        }
    }

    // Bevels: one pixel on the left and at the bottom, three down the right; a
    // dark outline round the outside.
    for (int y = 2; y <= 47; ++y) {
        EXPECT_TRUE(isLightGrey(art.ptBox.pixel(1, y))) << "left bevel, row " << y;
        for (int x = 36; x <= 38; ++x)
            EXPECT_TRUE(isLightGrey(art.ptBox.pixel(x, y))) << "right bevel " << x << "," << y;
        EXPECT_TRUE(isDark(art.ptBox.pixel(0, y)));
        EXPECT_TRUE(isDark(art.ptBox.pixel(39, y)));
    }
    for (int x = 2; x <= 37; ++x) {
        EXPECT_TRUE(isLightGrey(art.ptBox.pixel(x, 48))) << "bottom bevel, column " << x;
        EXPECT_TRUE(isDark(art.ptBox.pixel(x, 0)));
        EXPECT_TRUE(isDark(art.ptBox.pixel(x, 49)));
    }
}

TEST(TableArtwork, CellBoxComposedOverAColourKeepsItInsideOnly)
{
    const TableArtwork &art = tableArtwork();
    const Colour k = art.ptcolor[6];
    const Surface cell = maskedOver(art.ptBox, art.ptBoxM, k, 40, 50);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool inside = x >= 2 && x <= 35 && y >= 1 && y <= 47;
            EXPECT_EQ(cell.pixel(x, y), inside ? k : art.ptBox.pixel(x, y)) << x << "," << y;
        }
}

TEST(TableArtwork, StateSymbolsAreTransparentOutsideTheirShape)
{
    const TableArtwork &art = tableArtwork();
    const Colour background = 0x3366CC;
    for (int s = 0; s < 4; ++s) {
        SCOPED_TRACE(s);
        ASSERT_EQ(art.ptst[s].width(), 16);
        ASSERT_EQ(art.ptst[s].height(), 16);
        ASSERT_EQ(art.ptstM[s].width(), 16);
        ASSERT_EQ(art.ptstM[s].height(), 16);
        const Surface drawn = maskedOver(art.ptst[s], art.ptstM[s], background, 16, 16);
        int shape = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const Colour m = art.ptstM[s].pixel(x, y);
                ASSERT_TRUE(m == ColourWhite || m == ColourBlack) << x << "," << y;
                if (m == ColourWhite) {
                    EXPECT_EQ(art.ptst[s].pixel(x, y), ColourBlack) << x << "," << y;
                    EXPECT_EQ(drawn.pixel(x, y), background) << x << "," << y;
                } else {
                    ++shape;
                    EXPECT_EQ(drawn.pixel(x, y), art.ptst[s].pixel(x, y)) << x << "," << y;
                    EXPECT_TRUE(x < 10 && y < 10) << "only 10 x 10 is copied: " << x << "," << y;
                }
            }
        }
        EXPECT_GT(shape, 10);
    }
}

TEST(TableArtwork, StateSymbolsShowTheirContents)
{
    const TableArtwork &art = tableArtwork();
    auto count = [&](int s, auto predicate) {
        int n = 0;
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x)
                n += predicate(art.ptst[s].pixel(x, y), art.ptstM[s].pixel(x, y));
        return n;
    };
    auto yellow = [](Colour c, Colour) { return red(c) > 200 && green(c) > 150 && blue(c) < 80; };
    auto lightBlue = [](Colour c, Colour) { return blue(c) > 200 && red(c) < 150; };
    auto redSpark = [](Colour c, Colour) { return red(c) > 200 && green(c) < 80; };
    auto outline = [](Colour c, Colour m) { return m == ColourBlack && c == ColourBlack; };

    EXPECT_GT(count(0, yellow), 5) << "solid: a yellow heap";
    EXPECT_GT(count(1, lightBlue), 10) << "liquid: light-blue liquid";
    EXPECT_EQ(count(2, [](Colour c, Colour) { return c != ColourBlack; }), 0)
        << "gas: nothing but the flask from the mask";
    for (int s = 0; s <= 2; ++s)
        EXPECT_GT(count(s, outline), 15) << "flask outline in state " << s;
    // The empty flask lets the cell colour through inside it.
    EXPECT_EQ(art.ptstM[2].pixel(4, 6), ColourWhite);
    EXPECT_GT(count(3, redSpark), 3) << "man made: red sparks";
    EXPECT_GT(count(3, yellow), 3) << "man made: yellow sparks";
    EXPECT_EQ(count(3, outline), 0) << "man made has no flask";
}

TEST(TableArtwork, ConnectorAndBannersHaveTheirSizesAndBackgrounds)
{
    const TableArtwork &art = tableArtwork();
    for (const Surface *s : {&art.ptconn, &art.ptconnW}) {
        EXPECT_EQ(s->width(), 40);
        EXPECT_EQ(s->height(), 178);
    }
    EXPECT_EQ(art.ptconn.pixel(0, 0), TableBackColour);
    EXPECT_EQ(art.ptconnW.pixel(0, 0), ColourWhite);
    // The same arrows in both: drawn exactly where the other is drawn.
    int ink = 0;
    for (int y = 0; y < 178; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool a = art.ptconn.pixel(x, y) != TableBackColour;
            const bool b = art.ptconnW.pixel(x, y) != ColourWhite;
            EXPECT_EQ(a, b) << x << "," << y;
            ink += a;
        }
    EXPECT_GT(ink, 300);

    for (const Surface *s : {&art.ptLser, &art.ptAser}) {
        EXPECT_EQ(s->width(), 132);
        EXPECT_EQ(s->height(), 21);
        // Background round the arrow tip, the banner's own colour behind the text.
        EXPECT_EQ(s->pixel(131, 0), TableBackColour);
        EXPECT_EQ(s->pixel(131, 20), TableBackColour);
        EXPECT_NE(s->pixel(125, 10), TableBackColour);
        EXPECT_NE(s->pixel(2, 2), TableBackColour);
    }
    int differing = 0;
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 112; ++x)
            differing += art.ptLser.pixel(x, y) != art.ptAser.pixel(x, y);
    EXPECT_GT(differing, 20) << "the two banners name different series";

    ASSERT_EQ(art.ptserW.width(), 20);
    ASSERT_EQ(art.ptserW.height(), 21);
    EXPECT_EQ(art.ptserW.pixel(19, 0), ColourWhite);
    EXPECT_EQ(art.ptserW.pixel(19, 20), ColourWhite);
    // The tip on white covers the banner's tip: every pixel the banner paints
    // fully in its body colour there is painted the same on white.
    const Colour body = art.ptLser.pixel(2, 2);
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 20; ++x)
            EXPECT_EQ(art.ptLser.pixel(112 + x, y) == body, art.ptserW.pixel(x, y) == body)
                << x << "," << y;
}

} // namespace
