#include "hittest.h"

#include "tablefixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace tablefixture;

namespace {

TEST(HitTest, CellsSelectUpToTheirLastColumnAndRowExclusive)
{
    const Drawn t(standardData());
    auto at = [&](int x, int y) { return GetRCfromXY(t.rects, 118, qint16(x), qint16(y)); };
    for (int z : {1, 2, 26, 57, 88, 103, 118}) {
        const QPoint p = cellCorner(standardPosition(z).first, standardPosition(z).second);
        const int probes[][3] = {{0, 0, z},   {38, 0, z},  {0, 48, z}, {38, 48, z},
                                 {39, 10, 0}, {10, 49, 0}, {39, 49, 0}};
        for (const auto &[dx, dy, expected] : probes)
            EXPECT_EQ(at(p.x() + dx, p.y() + dy), expected) << z << " at +" << dx << ",+" << dy;
    }

    // Fe (26) across to Co (27) and down to Ru (44): the one-pixel line between
    // them selects nothing and hides the outline.
    std::vector<qint16> across, down;
    for (int x = 360; x <= 366; ++x) {
        const HoverResult h = pbMouseMove(t.rects, 118, t.layout.ptselSize, x, 212);
        across.push_back(h.hoverElement);
        EXPECT_EQ(h.outline.has_value(), h.hoverElement != 0) << x;
    }
    for (int y = 239; y <= 243; ++y)
        down.push_back(at(329, y));
    EXPECT_EQ(across, (std::vector<qint16>{26, 26, 26, 0, 27, 27, 27}));
    EXPECT_EQ(down, (std::vector<qint16>{26, 26, 0, 44, 44}));

    // Key cell, state and classification legends, "GROUP", a group number, a
    // heading over row 2, empty positions in rows 1 and 2, connector, banners,
    // "PERIOD", a period number, and outside the table.
    const QPoint nothing[] = {{326, 32}, {355, 71},  {260, 50},  {200, 110}, {60, 8},   {64, 22},
                              {544, 80}, {144, 100}, {400, 60},  {140, 360}, {50, 424}, {50, 474},
                              {20, 200}, {35, 60},   {770, 505}, {-5, -5}};
    for (const QPoint &p : nothing)
        EXPECT_EQ(at(p.x(), p.y()), 0) << p.x() << "," << p.y();
}

TEST(HitTest, OutlineAndLookUpStayWithinTheirInputs)
{
    const Drawn t(standardData());
    const QSize size = t.layout.ptselSize;
    EXPECT_EQ(SetPTsel(t.rects, 26, size), QRect(323, 191, 43, 53)) << "one pixel up and left";
    for (qint16 e : {0, -1, 119})
        EXPECT_FALSE(SetPTsel(t.rects, e, size).has_value()) << e;
    EXPECT_FALSE(SetPTsel(CellRects{}, 5, size).has_value()) << "never drawn";
    EXPECT_EQ(GetRCfromXY(t.rects, 25, 324, 192), 0) << "26 is beyond the count";
    EXPECT_EQ(GetRCfromXY(t.rects, 32767, 324, 192), 26) << "a count past the table is safe";

    // Pointer coordinates round halves to even (38.5 to 38) and are held to 16 bits.
    EXPECT_EQ(roundPointerCoordinate(1e9), 32767);
    EXPECT_EQ(roundPointerCoordinate(std::nan("")), 0);
    EXPECT_EQ(pbMouseMove(t.rects, 118, size, 362.5, 200).outline, QRect(323, 191, 43, 53));
    EXPECT_FALSE(pbMouseMove(t.rects, 118, size, 362.6, 200).outline.has_value());
}

} // namespace
