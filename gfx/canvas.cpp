#include "canvas.h"

#include <cmath>

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
