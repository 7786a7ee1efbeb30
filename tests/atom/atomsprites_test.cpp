#include "atomdraw.h"
#include "atomsprites.h"

#include <gtest/gtest.h>

namespace {

int red(Colour c) { return int(c & 0xFF); }
int green(Colour c) { return int((c >> 8) & 0xFF); }
int blue(Colour c) { return int((c >> 16) & 0xFF); }
int brightness(Colour c) { return red(c) + green(c) + blue(c); }

} // namespace

TEST(AtomSprites, MaskIsTheEightByEightDisc)
{
    const Surface &mask = atomSprites().pbEmask;
    ASSERT_EQ(mask.width(), 8);
    ASSERT_EQ(mask.height(), 8);
    // Black columns (1-based, inclusive) by row 1 to 8.
    const std::pair<int, int> rows[8] = {{3, 6}, {2, 7}, {1, 8}, {1, 8},
                                         {1, 8}, {1, 8}, {2, 7}, {3, 6}};
    for (int row = 1; row <= 8; ++row) {
        for (int column = 1; column <= 8; ++column) {
            const bool black = column >= rows[row - 1].first && column <= rows[row - 1].second;
            EXPECT_EQ(mask.pixel(column - 1, row - 1), black ? ColourBlack : ColourWhite)
                << "row " << row << " column " << column;
            EXPECT_EQ(spriteDiscContains(column - 1, row - 1), black);
        }
    }
}

TEST(AtomSprites, BallsAreShadedWithinTheirColoursOnBlack)
{
    struct Ball
    {
        const char *name;
        const Surface &sprite;
        Colour dark, bright;  // blue-green-red
    };
    const AtomSprites &s = atomSprites();
    const Ball balls[] = {{"proton", s.pbP, 0x212184, 0xADADEF},
                          {"neutron", s.pbN, 0x217B84, 0xB5E7EF},
                          {"electron", s.pbE, 0x3E3E3E, 0xC0C0C0}};
    for (const Ball &b : balls) {
        ASSERT_EQ(b.sprite.width(), 8);
        ASSERT_EQ(b.sprite.height(), 8);
        int darkest = 1000;
        bool darkestOnRim = false;
        for (int row = 0; row < 8; ++row) {
            for (int column = 0; column < 8; ++column) {
                const Colour c = b.sprite.pixel(column, row);
                if (!spriteDiscContains(column, row)) {
                    EXPECT_EQ(c, ColourBlack) << b.name << " " << column << "," << row;
                    continue;
                }
                EXPECT_GE(red(c), red(b.dark)) << b.name;
                EXPECT_LE(red(c), red(b.bright)) << b.name;
                EXPECT_GE(green(c), green(b.dark)) << b.name;
                EXPECT_LE(green(c), green(b.bright)) << b.name;
                EXPECT_GE(blue(c), blue(b.dark)) << b.name;
                EXPECT_LE(blue(c), blue(b.bright)) << b.name;
                const bool rim = !spriteDiscContains(column - 1, row) ||
                                 !spriteDiscContains(column + 1, row) ||
                                 !spriteDiscContains(column, row - 1) ||
                                 !spriteDiscContains(column, row + 1);
                if (brightness(c) < darkest) {
                    darkest = brightness(c);
                    darkestOnRim = rim;
                }
                EXPECT_LE(brightness(c), brightness(b.sprite.pixel(3, 1))) << b.name;
            }
        }
        EXPECT_EQ(b.sprite.pixel(3, 1), b.bright) << b.name << ": brightest at row 2, column 4";
        EXPECT_TRUE(darkestOnRim) << b.name;
    }
}

TEST(AtomSprites, SpritesKeepTheBackgroundOutsideTheDisc)
{
    const AtomSprites &s = atomSprites();
    for (Colour background : BackgroundColors) {
        for (const Surface *sprite : {&s.pbP, &s.pbN, &s.pbE}) {
            Surface target(12, 12, background);
            drawSprite(target, 2, 2, s.pbEmask, *sprite);
            for (int y = 0; y < 12; ++y) {
                for (int x = 0; x < 12; ++x) {
                    const bool disc = spriteDiscContains(x - 2, y - 2);
                    EXPECT_EQ(target.pixel(x, y), disc ? sprite->pixel(x - 2, y - 2) : background)
                        << "background " << background << " at " << x << "," << y;
                }
            }
        }
    }
}
