#include "atomsprites.h"

#include "atomgeometry.h"

#include <algorithm>
#include <cmath>

namespace {

// Brightest pixel of every ball: row 2, column 4 (1-based).
constexpr double HighlightColumn = 3;
constexpr double HighlightRow = 1;

struct Rgb
{
    int r, g, b;
};

// A ball shaded from its bright colour at the highlight to its dark colour at
// the pixels of the disc farthest from it, on black outside the disc.
Surface makeBall(Rgb dark, Rgb bright)
{
    Surface ball(SpriteSize, SpriteSize, ColourBlack);
    double farthest = 0;
    for (int row = 0; row < SpriteSize; ++row)
        for (int column = 0; column < SpriteSize; ++column)
            if (spriteDiscContains(column, row))
                farthest =
                    std::max(farthest, std::hypot(column - HighlightColumn, row - HighlightRow));
    for (int row = 0; row < SpriteSize; ++row) {
        for (int column = 0; column < SpriteSize; ++column) {
            if (!spriteDiscContains(column, row)) continue;
            const double t = std::hypot(column - HighlightColumn, row - HighlightRow) / farthest;
            // Ease towards the dark colour so the ball reads as round.
            const double shade = t * t;
            auto mix = [shade](int brightValue, int darkValue) {
                return int(std::lround(brightValue + (darkValue - brightValue) * shade));
            };
            const int r = mix(bright.r, dark.r);
            const int g = mix(bright.g, dark.g);
            const int b = mix(bright.b, dark.b);
            ball.setPixel(column, row, Colour(r | (g << 8) | (b << 16)));
        }
    }
    return ball;
}

AtomSprites makeSprites()
{
    AtomSprites s{Surface(SpriteSize, SpriteSize, ColourWhite),
                  makeBall({0x84, 0x21, 0x21}, {0xEF, 0xAD, 0xAD}),
                  makeBall({0x84, 0x7B, 0x21}, {0xEF, 0xE7, 0xB5}),
                  makeBall({0x3E, 0x3E, 0x3E}, {0xC0, 0xC0, 0xC0})};
    for (int row = 0; row < SpriteSize; ++row)
        for (int column = 0; column < SpriteSize; ++column)
            if (spriteDiscContains(column, row)) s.pbEmask.setPixel(column, row, ColourBlack);
    return s;
}

} // namespace

bool spriteDiscContains(int column, int row)
{
    if (column < 0 || row < 0 || column >= SpriteSize || row >= SpriteSize) return false;
    // Rows 1 and 8 cover columns 3 to 6, rows 2 and 7 columns 2 to 7, rows 3
    // to 6 all eight (1-based).
    const int edge = std::min(row, SpriteSize - 1 - row);
    const int inset = edge == 0 ? 2 : edge == 1 ? 1 : 0;
    return column >= inset && column < SpriteSize - inset;
}

const AtomSprites &atomSprites()
{
    static const AtomSprites sprites = makeSprites();
    return sprites;
}

void drawSprite(Surface &target, int x, int y, const Surface &mask, const Surface &sprite)
{
    target.drawSprite(x, y, SpriteSize, SpriteSize, mask, sprite);
}
