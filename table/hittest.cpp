#include "hittest.h"

#include <algorithm>
#include <cmath>
#include <limits>

qint16 GetRCfromXY(const CellRects &rects, qint16 elementCount, qint16 x, qint16 y)
{
    const int count = std::clamp<int>(elementCount, 0, int(rects.size()) - 1);
    for (int i = 1; i <= count; ++i) {
        const CellRect &r = rects[i];
        if (r.Left <= x && x < r.Right && r.Top <= y && y < r.Bottom) return qint16(i);
    }
    return 0;
}

std::optional<QRect> SetPTsel(const CellRects &rects, qint16 e, QSize ptselSize)
{
    if (e <= 0 || e >= qint16(rects.size())) return std::nullopt;
    const CellRect &r = rects[e];
    // A drawn cell always has Right > Left; an all-zero entry was never drawn.
    if (r.Right <= r.Left) return std::nullopt;
    return QRect(QPoint(r.Left - 1, r.Top - 1), ptselSize);
}

qint16 roundPointerCoordinate(double value)
{
    if (std::isnan(value)) return 0;
    constexpr double lo = std::numeric_limits<qint16>::min();
    constexpr double hi = std::numeric_limits<qint16>::max();
    double rounded = std::floor(value);
    const double fraction = value - rounded;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0)) rounded += 1;
    return qint16(std::clamp(rounded, lo, hi));
}

HoverResult pbMouseMove(const CellRects &rects, qint16 elementCount, QSize ptselSize, double x,
                        double y)
{
    HoverResult result;
    result.hoverElement =
        GetRCfromXY(rects, elementCount, roundPointerCoordinate(x), roundPointerCoordinate(y));
    if (result.hoverElement != 0) result.outline = SetPTsel(rects, result.hoverElement, ptselSize);
    return result;
}
