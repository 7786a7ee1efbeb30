#include "hittest.h"
#include "tablekeys.h"

#include "tablefixture.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tablefixture;

namespace {

TEST(HitTest, CellsSelectUpToTheirLastColumnAndRowExclusive)
{
    const Drawn t;
    auto at = [&](int x, int y) { return GetRCfromXY(t.rects, 118, qint16(x), qint16(y)); };
    // Corners of H, Fe, La, Lr and Og; each cell's last column and row select nothing.
    const int cells[][3] = {
        {1, 44, 42}, {26, 324, 192}, {57, 164, 400}, {103, 724, 450}, {118, 724, 342}};
    for (const auto &[z, x, y] : cells) {
        const int probes[][3] = {{0, 0, z},   {38, 0, z},  {0, 48, z},  {38, 48, z},
                                 {39, 10, 0}, {10, 49, 0}, {39, 49, 0}, {-1, 10, 0}};
        for (const auto &[dx, dy, expected] : probes)
            EXPECT_EQ(at(x + dx, y + dy), expected) << z << " at +" << dx << ",+" << dy;
    }
    // Key cell, legends, "GROUP", headings, empty positions, connector,
    // banners, "PERIOD", a period number and outside the table.
    const QPoint nothing[] = {{326, 32}, {355, 71}, {260, 50},  {200, 110}, {60, 8},
                              {64, 22},  {544, 80}, {144, 100}, {400, 60},  {140, 360},
                              {50, 424}, {50, 474}, {20, 200},  {35, 60},   {770, 505}};
    for (const QPoint &p : nothing)
        EXPECT_EQ(at(p.x(), p.y()), 0) << p.x() << "," << p.y();

    // The outline and the look-up stay within their inputs.
    const QSize size = t.layout.ptselSize;
    EXPECT_EQ(SetPTsel(t.rects, 26, size), QRect(323, 191, 43, 53)) << "one pixel up and left";
    for (qint16 e : {0, -1, 119})
        EXPECT_FALSE(SetPTsel(t.rects, e, size).has_value()) << e;
    EXPECT_FALSE(SetPTsel(CellRects{}, 5, size).has_value()) << "never drawn";
    EXPECT_EQ(GetRCfromXY(t.rects, 25, 324, 192), 0) << "26 is beyond the count";
    EXPECT_EQ(GetRCfromXY(t.rects, 32767, 324, 192), 26) << "a count past the table is safe";
    // Pointer coordinates round halves to even (362.5 to 362) and are held to 16 bits.
    EXPECT_EQ(roundPointerCoordinate(1e9), 32767);
    EXPECT_EQ(roundPointerCoordinate(std::nan("")), 0);
    EXPECT_EQ(pbMouseMove(t.rects, 118, size, 362.5, 200).outline, QRect(323, 191, 43, 53));
    EXPECT_FALSE(pbMouseMove(t.rects, 118, size, 362.6, 200).outline.has_value());
}

} // namespace

// Keyboard steps on a small made-up grid: the nearest row first, then the
// nearest column in it; left and right only along the row; gaps skipped.
TEST(TableKeys, StepsGoToTheNearestRowThenTheNearestColumn)
{
    CellRects rects{};
    const int cells[][2] = {{1, 1}, {2, 5}, {3, 1}, {1, 4}};
    for (int e = 1; e <= 4; ++e)
        rects[e] = {qint16(cells[e - 1][0]), qint16(cells[e - 1][1]),
                    qint16(10 * e),          0,
                    qint16(10 * e + 9),      9};
    const std::tuple<qint16, CellStep, qint16> steps[] = {
        {1, CellStep::Down, 2}, {2, CellStep::Down, 3},  {3, CellStep::Up, 2},
        {2, CellStep::Up, 4},   {1, CellStep::Right, 4}, {4, CellStep::Right, 4},
        {4, CellStep::Left, 1}, {3, CellStep::Left, 3},  {2, CellStep::First, 1},
        {1, CellStep::Last, 3}, {0, CellStep::Up, 1},    {9, CellStep::Down, 1}};
    for (const auto &[from, step, to] : steps)
        EXPECT_EQ(stepCell(rects, 4, from, step), to) << from << " step " << int(step);
    EXPECT_EQ(stepCell(rects, 3, 1, CellStep::Right), 1) << "element 4 is beyond the count";
}
