#include "tablekeys.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace {

bool drawn(const CellRect &r)
{
    return r.Right > r.Left;
}

// How far cell r lies from (row, column) for the step, or -1 when it does not
// lie that way. Smaller is nearer; rows count before columns.
long distance(const CellRect &r, int row, int column, CellStep step)
{
    const int dr = r.Row - row, dc = r.Column - column;
    switch (step) {
    case CellStep::Left:
        return dr == 0 && dc < 0 ? -dc : -1;
    case CellStep::Right:
        return dr == 0 && dc > 0 ? dc : -1;
    case CellStep::Up:
        return dr < 0 ? -dr * 100L + std::abs(dc) : -1;
    case CellStep::Down:
        return dr > 0 ? dr * 100L + std::abs(dc) : -1;
    case CellStep::First:
        return r.Row * 100L + r.Column;
    case CellStep::Last:
        return (100 - r.Row) * 100L + (100 - r.Column);
    }
    return -1;
}

} // namespace

qint16 stepCell(const CellRects &rects, qint16 elementCount, qint16 from, CellStep step)
{
    const int count = std::clamp<int>(elementCount, 0, int(rects.size()) - 1);
    const bool placed = from >= 1 && from <= count && drawn(rects[from]);
    if (!placed && step != CellStep::Last) step = CellStep::First;
    const int row = placed ? rects[from].Row : 0, column = placed ? rects[from].Column : 0;
    qint16 best = placed ? from : 0;
    long bestDistance = -1;
    for (int e = 1; e <= count; ++e) {
        if (!drawn(rects[e]) || e == from) continue;
        const long d = distance(rects[e], row, column, step);
        if (d >= 0 && (bestDistance < 0 || d < bestDistance)) {
            bestDistance = d;
            best = qint16(e);
        }
    }
    return best;
}
