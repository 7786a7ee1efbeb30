#include "hittest.h"

#include "tablefixture.h"

#include <gtest/gtest.h>

using namespace tablefixture;

namespace {

// The table as start-up draws it, with its recorded cells.
struct HitTable
{
    ElementData data = standardData();
    CellRects rects{};
    QSize ptselSize;

    HitTable()
    {
        Surface pb = screenPicture();
        Surface pw(103, 88, ColourWhite);
        ptselSize = CreatePT(pb, 0, data, tableArtwork(), rects, pw).ptselSize;
    }
    qint16 at(int x, int y) const
    {
        return GetRCfromXY(rects, data.ElementCount, qint16(x), qint16(y));
    }
};

TEST(GetRCfromXY, SelectsTheCellWithoutItsLastColumnAndRow)
{
    const HitTable t;
    for (int z : {1, 2, 26, 57, 88, 103, 118}) {
        SCOPED_TRACE(z);
        const QPoint p = cellCorner(standardPosition(z).first, standardPosition(z).second);
        EXPECT_EQ(t.at(p.x(), p.y()), z);
        EXPECT_EQ(t.at(p.x() + 38, p.y()), z);
        EXPECT_EQ(t.at(p.x(), p.y() + 48), z);
        EXPECT_EQ(t.at(p.x() + 38, p.y() + 48), z);
        EXPECT_EQ(t.at(p.x() + 20, p.y() + 25), z);
        EXPECT_EQ(t.at(p.x() + 39, p.y() + 10), 0) << "last column selects nothing";
        EXPECT_EQ(t.at(p.x() + 10, p.y() + 49), 0) << "last row selects nothing";
        EXPECT_EQ(t.at(p.x() + 39, p.y() + 49), 0);
    }
}

TEST(GetRCfromXY, CrossingFromCellToNeighbourHidesTheOutlineForOnePixel)
{
    const HitTable t;
    // Fe (26) to Co (27) on row 4, then Fe down to Ru (44).
    const QPoint fe = cellCorner(4, 8);
    std::vector<qint16> across;
    for (int x = fe.x() + 36; x <= fe.x() + 42; ++x) {
        const HoverResult h =
            pbMouseMove(t.rects, t.data.ElementCount, t.ptselSize, x, fe.y() + 20);
        across.push_back(h.hoverElement);
        EXPECT_EQ(h.outline.has_value(), h.hoverElement != 0) << x;
    }
    EXPECT_EQ(across, (std::vector<qint16>{26, 26, 26, 0, 27, 27, 27}));

    std::vector<qint16> down;
    for (int y = fe.y() + 47; y <= fe.y() + 51; ++y)
        down.push_back(t.at(fe.x() + 5, y));
    EXPECT_EQ(down, (std::vector<qint16>{26, 26, 0, 44, 44}));
}

TEST(GetRCfromXY, DecorationsAndEmptyPositionsSelectNothing)
{
    const HitTable t;
    const struct
    {
        int x, y;
        const char *what;
    } points[] = {
        {316 + 10, 22 + 10, "key cell"},
        {316 + 39, 22 + 49, "key cell corner"},
        {260, 50, "state legend"},
        {200, 110, "classification legend"},
        {60, 8, "GROUP"},
        {64, 22, "group number"},
        {544, 80, "group heading over row 2"},
        {144, 100, "empty row 2, column 3"},
        {400, 60, "empty middle of row 1"},
        {140, 360, "connector"},
        {50, 424, "lanthanide banner"},
        {50, 474, "actinide banner"},
        {20, 200, "PERIOD"},
        {35, 60, "period number"},
        {770, 505, "right of and below the table"},
        {-5, -5, "outside the picture"},
    };
    for (const auto &p : points)
        EXPECT_EQ(t.at(p.x, p.y), 0) << p.what;
}

TEST(GetRCfromXY, LooksOnlyAtDrawnElementsWithinTheCount)
{
    CellRects rects{};
    rects[3] = CellRect{2, 1, 44, 92, 83, 141};
    rects[5] = CellRect{2, 1, 44, 92, 83, 141};
    EXPECT_EQ(GetRCfromXY(rects, 5, 50, 100), 3) << "ascending order";
    EXPECT_EQ(GetRCfromXY(rects, 2, 50, 100), 0) << "element 3 is beyond the count";
    EXPECT_EQ(GetRCfromXY(rects, 5, 0, 0), 0) << "all-zero entries never match";
    EXPECT_EQ(GetRCfromXY(rects, 0, 50, 100), 0);
    EXPECT_EQ(GetRCfromXY(rects, 32767, 50, 100), 3) << "count beyond the table is safe";
    EXPECT_EQ(GetRCfromXY(rects, -4, 50, 100), 0);
}

TEST(SetPTsel, PlacesTheOutlineOnePixelOutsideTheCell)
{
    const HitTable t;
    ASSERT_EQ(t.ptselSize, QSize(43, 53));
    const QPoint fe = cellCorner(4, 8);
    EXPECT_EQ(SetPTsel(t.rects, 26, t.ptselSize), QRect(fe.x() - 1, fe.y() - 1, 43, 53));
    // The outline runs from one pixel left of and above the cell to two right of
    // and below it.
    const QRect r = *SetPTsel(t.rects, 103, t.ptselSize);
    EXPECT_EQ(r.right(), 763 + 2);
    EXPECT_EQ(r.bottom(), 499 + 2);

    EXPECT_FALSE(SetPTsel(t.rects, 0, t.ptselSize).has_value()) << "0 hides it";
    CellRects undrawn{};
    EXPECT_FALSE(SetPTsel(undrawn, 5, t.ptselSize).has_value()) << "no cell, no outline";
    EXPECT_FALSE(SetPTsel(t.rects, 119, t.ptselSize).has_value());
    EXPECT_FALSE(SetPTsel(t.rects, -1, t.ptselSize).has_value());
}

TEST(PointerMove, RoundsHalvesToEvenBeforeTheLookUp)
{
    EXPECT_EQ(roundPointerCoordinate(10.5), 10);
    EXPECT_EQ(roundPointerCoordinate(11.5), 12);
    EXPECT_EQ(roundPointerCoordinate(-0.5), 0);
    EXPECT_EQ(roundPointerCoordinate(-1.5), -2);
    EXPECT_EQ(roundPointerCoordinate(38.4), 38);
    EXPECT_EQ(roundPointerCoordinate(38.6), 39);
    EXPECT_EQ(roundPointerCoordinate(1e9), 32767);
    EXPECT_EQ(roundPointerCoordinate(-1e9), -32768);
    EXPECT_EQ(roundPointerCoordinate(std::nan("")), 0);

    const HitTable t;
    const QPoint fe = cellCorner(4, 8);
    auto move = [&](double dx) {
        return pbMouseMove(t.rects, t.data.ElementCount, t.ptselSize, fe.x() + dx, fe.y() + 5);
    };
    EXPECT_EQ(move(38.5).hoverElement, 26) << "38.5 rounds to 38";
    EXPECT_EQ(move(37.5).hoverElement, 26) << "37.5 rounds to 38";
    EXPECT_EQ(move(38.6).hoverElement, 0) << "38.6 rounds to 39";
    EXPECT_EQ(move(38.5).outline, QRect(fe.x() - 1, fe.y() - 1, 43, 53));
    EXPECT_FALSE(move(39.0).outline.has_value());
}

} // namespace
