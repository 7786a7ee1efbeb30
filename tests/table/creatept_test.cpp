#include "tablefixture.h"

#include <gtest/gtest.h>

using namespace tablefixture;

namespace {

TEST(CellText, WeightIsCutNotRoundedAndPaddingIsTrimmed)
{
    const std::pair<double, const char *> weights[] = {
        {1.00794, "1.0079"}, {238.02891, "238.02"}, {12.0109999, "12.010"}, {244, "244"}};
    for (const auto &[weight, shown] : weights)
        EXPECT_EQ(cellWeightText(weight), shown) << weight;
    EXPECT_EQ(trimmedText(QStringLiteral(" IA") + QString(3, QChar(0))), "IA");
    EXPECT_EQ(std::pair(intDiv(10.5, 2), intDiv(11.5, 2)), std::pair(5, 6)) << "halves to even";
}

TEST(TableArtwork, KeyAndClassColours)
{
    const std::array<Colour, 11> expected = {0xE8E8E8, 0xBC93BC, 0xFFC0C0, 0xFFFFC0,
                                             0xDEDEE7, 0xDCCCAB, 0x8BD58B, 0xA6F9F0,
                                             0x9B9BF6, 0xC6C6E7, 0x7B7BE7};
    EXPECT_EQ(tableArtwork().ptcolor, expected);
}

TEST(CreatePT, PlacesCellsAndKeepsOddRecordsSafe)
{
    const Drawn d;
    EXPECT_EQ(d.layout.pbGeometry, QRect(2, 45, 791, 510));
    // Row, column, left, top, right, bottom; the series rows 8 pixels lower.
    const std::pair<int, CellRect> cells[] = {
        {1, {1, 1, 44, 42, 83, 91}},        {2, {1, 18, 724, 42, 763, 91}},
        {26, {4, 8, 324, 192, 363, 241}},   {57, {8, 4, 164, 400, 203, 449}},
        {103, {9, 18, 724, 450, 763, 499}}, {118, {7, 18, 724, 342, 763, 391}}};
    for (const auto &[z, rect] : cells)
        EXPECT_EQ(d.rects[z], rect) << z;

    ElementData data = shippedData();
    auto &t = data.ElementTable;
    t[1].Classification = 11; // class and state beyond the artwork
    t[1].State = 4;
    t[2].TableRow = t[3].TableRow = 2; // 2 and 3 share row 2, column 2
    t[2].TableColumn = t[3].TableColumn = 2;
    data.ElementCount = 3;                  // the rest of the table lies beyond the count
    const Drawn odd(data, false, {10, 10}); // a work picture too small for a cell
    EXPECT_EQ(odd.rects[2], (CellRect{2, 2, 84, 92, 123, 141})) << "the smaller number wins";
    EXPECT_EQ(odd.rects[3], CellRect{});
    EXPECT_EQ(odd.rects[4], CellRect{});
    EXPECT_TRUE(shows(odd.pb, QRect(46, 89, 34, 1), ColourWhite)) << "a class past the colours";
    EXPECT_TRUE(shows(odd.pb, QRect(46, 44, 10, 10), ColourWhite)) << "no state symbol";
    data.ElementCount = 500;
    EXPECT_EQ(GetEfromRC(data, 7, 18), 118) << "a count past the table is held to it";
}

TEST(CreatePT, WithoutElementsDrawsOnlyTheDecorations)
{
    const Drawn full;
    ElementData none = shippedData();
    none.ElementCount = 0;
    Drawn d(none);
    const CellRect marker{7, 7, 7, 7, 7, 7};
    d.rects.fill(marker);
    CreatePT(d.pb, 0, d.data, tableArtwork(), d.rects, d.pw);
    EXPECT_EQ(std::count(d.rects.begin(), d.rects.end(), marker), 119);
    EXPECT_TRUE(shows(d.pb, QRect(164, 192, 40, 50), ColourPageBlue)) << "no cells";
    // Key cell, legends, "PERIOD", period numbers, connector and banners stay.
    const QRect decorations[] = {{316, 22, 40, 50}, {190, 40, 270, 122}, {8, 192, 20, 96},
                                 {30, 58, 13, 314}, {124, 292, 40, 108}, {6, 414, 132, 71}};
    for (const QRect &r : decorations)
        EXPECT_TRUE(shows(d.pb, r, full.pb, {})) << r.x() << "," << r.y();
}

TEST(CreatePT, TextsOnScreenAndOnPaper)
{
    for (const bool printing : {false, true}) {
        const Drawn d(shippedData(), printing);
        const Colour label = printing ? ColourBlack : ColourWhite;
        const double entry = printing ? 9.75 : 8.25;
        EXPECT_TRUE(d.pb.has({"GROUP", 50, 4, label, false, entry}));
        for (int r = 1; r <= 7; ++r) // row 1's number still in the entry font
            EXPECT_TRUE(d.pb.has({QString(" %1").arg(r), 32, 58 + 50 * (r - 1), ColourBlack, false,
                                  r == 1 ? entry : 8}))
                << r;
        EXPECT_FALSE(d.pb.has({" 8", 32, 408, ColourBlack, false, 8})) << "no period 8";
        EXPECT_TRUE(d.pb.has({"Gas", 206, 39, label, false, 8}));
        // Symbols bold in 12 points, weight in 8, centred on the cell; the key
        // cell at (316, 22) shows element 1.
        for (const RecordingSurface::Text &t :
             {RecordingSurface::Text{"Fe", 335, 206, ColourBlack, true, 12},
              {"H", 330, 36, ColourBlack, true, 12},
              {"1.008", 323, 56, ColourBlack, false, 8},
              {" 1", 344, 22, ColourRed, false, 8}})
            EXPECT_TRUE(d.pb.has(t)) << std::get<0>(t).toStdString() << " " << printing;
        EXPECT_EQ(d.pb.pixel(356, 29), label) << "pointer line";
    }
}

TEST(CreatePT, PrintingKeepsTheTargetAndUsesPaperArtwork)
{
    Drawn screen;
    const Drawn paper(shippedData(), true);
    const TableArtwork &art = tableArtwork();
    EXPECT_FALSE(paper.layout.pbGeometry.isValid());
    EXPECT_EQ(paper.pb.width(), 800) << "not resized";
    EXPECT_EQ(paper.rects, screen.rects);
    const QImage before = screen.pb.image().copy();
    CreatePT(screen.pb, 0, screen.data, art, screen.rects, screen.pw);
    EXPECT_TRUE(screen.pb.image() == before) << "drawing twice gives the same picture";

    // White cell corners, the connector and arrow tips drawn for white paper.
    for (const QPoint &p : {QPoint(316, 22), {317, 22}, {355, 71}, {44, 42}, {763, 499}})
        EXPECT_EQ(std::pair(screen.pb.pixel(p.x(), p.y()), paper.pb.pixel(p.x(), p.y())),
                  std::pair(ColourPageBlue, ColourWhite))
            << p.x() << "," << p.y();
    EXPECT_TRUE(shows(paper.pb, QRect(138, 292, 26, 178), art.ptconnW, {124, 292}));
    for (int y : {414, 464})
        EXPECT_TRUE(shows(paper.pb, QRect(118, y, 20, 21), art.ptserW, {118, y})) << y;
}

} // namespace
