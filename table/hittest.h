#pragma once

#include "creatept.h"

#include <QRect>
#include <QSize>

#include <optional>

// The element whose cell holds (x, y), or 0. Only elements 1..elementCount are
// looked at. Right and Bottom count as outside, so the last column and row of
// every cell, and the one-pixel lines between cells, select nothing.
qint16 GetRCfromXY(const CellRects &rects, qint16 elementCount, qint16 x, qint16 y);

// Where the highlight outline goes for element e: one pixel left of and above
// its cell, at ptselSize. Empty (outline hidden) for 0, for numbers outside
// 1..118 and for an element that has no drawn cell.
std::optional<QRect> SetPTsel(const CellRects &rects, qint16 e, QSize ptselSize);

// A pointer coordinate as the look-up takes it: rounded to the nearest whole
// pixel, halves to even, and held within the 16-bit range.
qint16 roundPointerCoordinate(double value);

struct HoverResult
{
    qint16 hoverElement = 0;
    std::optional<QRect> outline; // empty: hide ptsel
};

// One pointer move over pb: rounding, look-up and outline together.
HoverResult pbMouseMove(const CellRects &rects, qint16 elementCount, QSize ptselSize, double x,
                        double y);
