#include "canvas.h"

#include <cmath>
#include <cstdlib>

void Canvas::line(int x1, int y1, int x2, int y2, Colour colour)
{
    if (x1 == x2 || y1 == y2) {
        filledBox(x1, y1, x2, y2, colour);
        return;
    }
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        setPixel(x1, y1, colour);
        if (x1 == x2 && y1 == y2) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x1 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y1 += sy;
        }
    }
}

void Canvas::box(int x1, int y1, int x2, int y2, Colour colour)
{
    line(x1, y1, x2, y1, colour);
    line(x2, y1, x2, y2, colour);
    line(x2, y2, x1, y2, colour);
    line(x1, y2, x1, y1, colour);
}

double Canvas::wholeUnits(double value) const
{
    return std::round(value);
}
