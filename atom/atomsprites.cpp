#include "atomsprites.h"

#include "atomgeometry.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace {

// Brightest pixel of every ball: row 2, column 4 (1-based).
constexpr double HighlightColumn = 3;
constexpr double HighlightRow = 1;

struct Rgb
{
    int r, g, b;
};

// The disc's radius about the sprite's centre, (4, 4): it takes the centres
// of the pixels that spriteDiscContains names and no others.
constexpr double DiscRadius = 4.0;

// Whether the point (x, y) of the 8 x 8 sprite, in pixels from its top-left
// corner, lies on the disc.
bool onDisc(double x, double y)
{
    return std::hypot(x - SpriteSize / 2.0, y - SpriteSize / 2.0) <= DiscRadius;
}

// Calls f(deviceX, deviceY, column, row) for every device pixel of an 8 x 8
// sprite at the scale whose centre lies on the disc; column and row are where
// that centre lies in the sprite's pixels (whole numbers at scale 1).
template <typename F> void forDiscPixels(double scale, F f)
{
    const int side = int(std::lround(SpriteSize * scale));
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const double cx = (x + 0.5) / scale, cy = (y + 0.5) / scale;
            if (onDisc(cx, cy)) f(x, y, cx - 0.5, cy - 0.5);
        }
    }
}

// A ball shaded from its bright colour at the highlight to its dark colour at
// the pixels of the disc farthest from it, on black outside the disc.
Surface makeBall(Rgb dark, Rgb bright, double scale)
{
    double farthest = 0;
    forDiscPixels(1.0, [&farthest](int, int, double column, double row) {
        farthest = std::max(farthest, std::hypot(column - HighlightColumn, row - HighlightRow));
    });
    Surface ball(SpriteSize, SpriteSize, ColourBlack, scale);
    forDiscPixels(scale, [&](int x, int y, double column, double row) {
        const double t =
            std::min(1.0, std::hypot(column - HighlightColumn, row - HighlightRow) / farthest);
        // Ease towards the dark colour so the ball reads as round.
        const double shade = t * t;
        auto mix = [shade](int brightValue, int darkValue) {
            return int(std::lround(brightValue + (darkValue - brightValue) * shade));
        };
        ball.setDevicePixel(x, y,
                            Colour(mix(bright.r, dark.r) | mix(bright.g, dark.g) << 8 |
                                   mix(bright.b, dark.b) << 16));
    });
    return ball;
}

AtomSprites makeSprites(double scale)
{
    AtomSprites s{Surface(SpriteSize, SpriteSize, ColourWhite, scale),
                  makeBall({0x84, 0x21, 0x21}, {0xEF, 0xAD, 0xAD}, scale),
                  makeBall({0x84, 0x7B, 0x21}, {0xEF, 0xE7, 0xB5}, scale),
                  makeBall({0x3E, 0x3E, 0x3E}, {0xC0, 0xC0, 0xC0}, scale)};
    forDiscPixels(
        scale, [&s](int x, int y, double, double) { s.pbEmask.setDevicePixel(x, y, ColourBlack); });
    return s;
}

} // namespace

bool spriteDiscContains(int column, int row)
{
    if (column < 0 || row < 0 || column >= SpriteSize || row >= SpriteSize) return false;
    return onDisc(column + 0.5, row + 0.5);
}

const AtomSprites &atomSprites(double scale)
{
    // The few scales a run meets: the screen's, and the paper's.
    static std::map<double, AtomSprites> made;
    auto found = made.find(scale);
    if (found == made.end()) found = made.emplace(scale, makeSprites(scale)).first;
    return found->second;
}

void drawSprite(Surface &target, int x, int y, const Surface &mask, const Surface &sprite)
{
    target.drawSprite(x, y, SpriteSize, SpriteSize, mask, sprite);
}
