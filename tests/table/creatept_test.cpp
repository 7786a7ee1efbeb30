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
    EXPECT_EQ(tableArtwork().ptcolor,
              (std::array<Colour, 11>{0xE8E8E8, 0xBC93BC, 0xFFC0C0, 0xFFFFC0, 0xDEDEE7, 0xDCCCAB,
                                      0x8BD58B, 0xA6F9F0, 0x9B9BF6, 0xC6C6E7, 0x7B7BE7}));
}

// Where the cells lie the hit test checks; the texts and artwork on screen
// and on paper the golden pictures carry.
TEST(CreatePT, KeepsOddRecordsSafe)
{
    ElementData data = shippedData();
    auto &t = data.ElementTable;
    t[1].Classification = 11, t[1].State = 4; // class and state beyond the artwork
    t[2].TableRow = t[3].TableRow = 2;        // 2 and 3 share row 2, column 2
    t[2].TableColumn = t[3].TableColumn = 2;
    data.ElementCount = 3; // the rest of the table lies beyond the count
    const Drawn odd(data);
    EXPECT_EQ(odd.rects[2], (CellRect{2, 2, 84, 92, 123, 141})) << "the smaller number wins";
    EXPECT_EQ(std::pair(odd.rects[3], odd.rects[4]), std::pair(CellRect{}, CellRect{}));
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
    CreatePT(d.pb, 0, d.data, tableArtwork(), d.rects);
    EXPECT_EQ(std::count(d.rects.begin(), d.rects.end(), marker), 119);
    EXPECT_TRUE(shows(d.pb, QRect(164, 192, 40, 50), ColourPageBlue)) << "no cells";
    // Key cell, legends, "PERIOD", period numbers, connector and banners stay.
    const QRect decorations[] = {{316, 22, 40, 50}, {190, 40, 270, 122}, {8, 192, 20, 96},
                                 {30, 58, 13, 314}, {124, 292, 40, 108}, {6, 414, 132, 71}};
    for (const QRect &r : decorations)
        EXPECT_TRUE(shows(d.pb, r, full.pb, {})) << r.x() << "," << r.y();
}

TEST(CreatePT, PrintingKeepsTheTargetAndDrawingTwiceGivesTheSamePicture)
{
    Drawn screen;
    const Drawn paper(shippedData(), true);
    EXPECT_EQ(screen.layout.pbGeometry, QRect(2, 45, 791, 510));
    EXPECT_TRUE(!paper.layout.pbGeometry.isValid() && paper.pb.width() == 800) << "not resized";
    EXPECT_EQ(paper.rects, screen.rects);
    const QImage before = screen.pb.image().copy();
    CreatePT(screen.pb, 0, screen.data, tableArtwork(), screen.rects);
    EXPECT_TRUE(screen.pb.image() == before);
}

} // namespace
