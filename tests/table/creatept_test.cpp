#include "tablefixture.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace tablefixture;

namespace {

// True when the cell at `at` shows box along its top, bottom and (unless
// crossed by pointer lines) sides, and colour k in its last free row.
bool framed(const Surface &s, QPoint at, const Surface &box, Colour k, bool sides = true)
{
    const int x = at.x(), y = at.y();
    return shows(s, QRect(x, y, 40, 1), box, at) && shows(s, QRect(x, y + 48, 40, 2), box, at) &&
           shows(s, QRect(x + 2, y + 47, 34, 1), plain(k)) &&
           (!sides ||
            (shows(s, QRect(x, y, 2, 50), box, at) && shows(s, QRect(x + 39, y, 1, 50), box, at)));
}

// True when the 10 x 10 state symbol shows at `at` through its mask over colour
// k, except in row skipRow.
bool showsState(const Surface &s, QPoint at, int state, Colour k, int skipRow = -1)
{
    Surface symbol(10, 10, k);
    symbol.bitBlt(0, 0, 10, 10, tableArtwork().ptstM[state], 0, 0, RasterOp::SrcAnd);
    symbol.bitBlt(0, 0, 10, 10, tableArtwork().ptst[state], 0, 0, RasterOp::SrcInvert);
    for (int j = 0; j < 10; ++j)
        if (j != skipRow && !shows(s, QRect(at.x(), at.y() + j, 10, 1), symbol, at)) return false;
    return true;
}

TEST(CellText, WeightIsCutNotRoundedAndPaddingIsTrimmed)
{
    const std::pair<double, const char *> weights[] = {
        {1.00794, "1.0079"}, {238.02891, "238.02"}, {4.002602, "4.0026"}, {244, "244"}};
    for (const auto &[weight, shown] : weights)
        EXPECT_EQ(cellWeightText(weight), shown) << weight;
    EXPECT_EQ(cellWeightText(12.0109999), "12.010") << "cut, not rounded";
    EXPECT_EQ(trimmedText(QStringLiteral(" IA") + QString(3, QChar(0))), "IA");
    EXPECT_EQ(std::pair(intDiv(10.5, 2), intDiv(11.5, 2)), std::pair(5, 6)) << "halves to even";
}

TEST(CreatePT, SmallerNumberWinsASharedCellAndOddRecordsStaySafe)
{
    ElementData data = standardData();
    auto &t = data.ElementTable;
    t[1].Classification = 11; // class and state beyond the artwork
    t[1].State = 4;
    t[2].TableRow = t[3].TableRow = 2; // 2 and 3 share row 2, column 2
    t[2].TableColumn = t[3].TableColumn = 2;
    data.ElementCount = 3;         // the rest of the table lies beyond the count
    const Drawn d(data, {10, 10}); // a work picture too small for a cell

    EXPECT_EQ(d.rects[2], (CellRect{2, 2, 84, 92, 123, 141}));
    EXPECT_EQ(d.rects[3], CellRect{}) << "the other element is never drawn";
    EXPECT_TRUE(framed(d.pb, {84, 92}, tableArtwork().ptBox, tableArtwork().ptcolor[3]));
    EXPECT_TRUE(showsState(d.pb, {86, 94}, 2, tableArtwork().ptcolor[3]));
    EXPECT_TRUE(framed(d.pb, {44, 42}, tableArtwork().ptBox, ColourWhite));
    EXPECT_TRUE(shows(d.pb, QRect(46, 44, 10, 10), plain(ColourWhite))) << "no state symbol";
    EXPECT_TRUE(shows(d.pb, QRect(524, 68, 40, 24), plain(ColourPageBlue)))
        << "no element at row 2, column 13: no heading";
    data.ElementCount = 500;
    EXPECT_EQ(GetEfromRC(data, 7, 18), 118) << "a count past the table is held to it";
}

TEST(CreatePT, PlacesEveryCellWithItsNumberAndWeight)
{
    const Drawn d(standardData());
    const TableArtwork &art = tableArtwork();
    EXPECT_EQ(d.layout.pbGeometry, QRect(2, 45, 791, 510));
    for (int z = 1; z <= MaxElements; ++z) {
        const auto [row, column] = standardPosition(z);
        const QPoint p = cellCorner(row, column);
        EXPECT_EQ(d.rects[z], (CellRect{qint16(row), qint16(column), qint16(p.x()), qint16(p.y()),
                                        qint16(p.x() + 39), qint16(p.y() + 49)}))
            << z;
    }
    EXPECT_EQ(QPoint(d.rects[103].Right, d.rects[103].Bottom), QPoint(763, 499));

    // Frame and state symbol; red " n" six pixels per character back from the
    // right edge; the weight (8 points, y + 34) centred.
    const std::tuple<int, int, const char *> cells[] = {{1, 28, "2.5123"},   {9, 28, "22.512"},
                                                        {10, 22, "25.012"},  {99, 22, "247.51"},
                                                        {100, 16, "250.01"}, {118, 16, "295.01"}};
    for (const auto &[e, offset, weight] : cells) {
        const ElementRecord &rec = d.data.ElementTable[e];
        const int x = d.rects[e].Left, y = d.rects[e].Top;
        const Colour k = art.ptcolor[rec.Classification];
        EXPECT_TRUE(framed(d.pb, {x, y}, art.ptBox, k)) << e;
        EXPECT_TRUE(showsState(d.pb, {x + 2, y + 2}, rec.State, k)) << e;
        EXPECT_TRUE(shows(d.pb, QRect(x + 12, y + 1, 24, 12),
                          printed(k, 8, false, ColourRed, x + offset, y, QString(" %1").arg(e))))
            << e;
        EXPECT_TRUE(shows(
            d.pb, QRect(x + 2, y + 34, 34, 13),
            printed(k, 8, false, ColourBlack, centredX(x + 20, 8, false, weight), y + 34, weight)))
            << e;
    }
}

TEST(CreatePT, DrawsHeadingsKeyCellLegendAndBanners)
{
    const Drawn d(standardData());
    const TableArtwork &art = tableArtwork();
    const Surface bg = plain(ColourPageBlue);

    // White "GROUP" at y 4; black group number at y 18 and label at y 30,
    // centred over the first cell of each group (column 1: x 44 to 83).
    EXPECT_TRUE(shows(d.pb, QRect(40, 0, 90, 18),
                      printed(ColourPageBlue, 8.25, false, ColourWhite, 50, 4, "GROUP")));
    for (const auto &[y, s] : {std::pair{18, QString("1")}, {30, QString("G1")}})
        EXPECT_TRUE(
            shows(d.pb, QRect(44, y, 40, 12),
                  printed(ColourPageBlue, 8, false, ColourBlack, centredX(64, 8, false, s), y, s)))
            << y;
    for (const auto &[row, column] : {std::pair{1, 18}, {2, 2}, {2, 17}, {4, 3}, {4, 12}})
        EXPECT_FALSE(shows(d.pb, QRect(cellCorner(row, column) - QPoint(0, 24), QSize(40, 24)), bg))
            << row << "," << column;
    EXPECT_TRUE(shows(d.pb, QRect(164, 392, 600, 8), bg)) << "series rows head no group";

    // Key cell at (316, 22) in the key colour with the gas symbol, crossed by
    // white pointer lines; the legend's black box from (190, 93) to (450, 161),
    // which the longest label may cross on the right.
    EXPECT_TRUE(framed(d.pb, {316, 22}, art.ptBox, art.ptcolor[0], false));
    EXPECT_TRUE(showsState(d.pb, {318, 24}, 2, art.ptcolor[0], 5));
    EXPECT_TRUE(shows(d.pb, QRect(356, 29, 19, 1), plain(ColourWhite))) << "pointer line";
    for (const QRect &r :
         {QRect(190, 93, 261, 1), {190, 161, 261, 1}, {190, 93, 1, 69}, {450, 93, 1, 52}})
        EXPECT_TRUE(shows(d.pb, r, plain(ColourBlack))) << r.x() << "," << r.y();

    // Connector at (124, 292) with its left edge under the lanthanide banner.
    EXPECT_TRUE(shows(d.pb, QRect(124, 292, 40, 122), art.ptconn, {124, 292}));
    EXPECT_TRUE(shows(d.pb, QRect(6, 414, 132, 21), art.ptLser, {6, 414}));
}

TEST(CreatePT, WithoutElementsDrawsOnlyTheDecorations)
{
    const Drawn full(standardData());
    Drawn d(full.data);
    d.data.ElementCount = 0;
    const CellRect marker{7, 7, 7, 7, 7, 7};
    d.rects.fill(marker);
    CreatePT(d.pb, 0, d.data, tableArtwork(), d.rects, d.pw);
    for (int z = 0; z <= MaxElements; ++z)
        EXPECT_EQ(d.rects[z], marker) << z;
    EXPECT_TRUE(shows(d.pb, QRect(164, 192, 40, 50), plain(ColourPageBlue))) << "no cells";
    // Key cell (with element 1's entry), legends, "PERIOD", period numbers,
    // connector and banners are drawn as with the elements.
    const QRect decorations[] = {{316, 22, 40, 50}, {190, 40, 270, 122}, {8, 192, 20, 96},
                                 {30, 58, 13, 314}, {124, 292, 40, 108}, {6, 414, 132, 71}};
    for (const QRect &r : decorations)
        EXPECT_TRUE(shows(d.pb, r, full.pb)) << r.x() << "," << r.y();
}

TEST(CreatePT, PrintModeLeavesPbAloneAndUsesPaperColours)
{
    Drawn screen(standardData());
    const QImage pbBefore = screen.pb.image().copy();
    const TableArtwork &art = tableArtwork();
    Surface pbprt(800, 520, ColourWhite); // larger than the table: not resized
    pbprt.setFontName(QStringLiteral("Arial"));
    pbprt.setFontSize(9.75);
    CellRects rects{};
    EXPECT_FALSE(CreatePT(pbprt, 1, screen.data, art, rects, screen.pw).pbGeometry.isValid());
    EXPECT_EQ(pbprt.width(), 800);
    EXPECT_EQ(rects, screen.rects);
    EXPECT_TRUE(screen.pb.image() == pbBefore) << "pb is left untouched";
    CreatePT(screen.pb, 0, screen.data, art, screen.rects, screen.pw);
    EXPECT_TRUE(screen.pb.image() == pbBefore) << "drawing twice gives the same image";

    // The key cell with white corners; connector and arrow tips on white.
    Surface paper = art.ptBox;
    for (const auto &[x, y] : {std::pair{0, 0},
                               {1, 0},
                               {0, 1},
                               {39, 0},
                               {38, 0},
                               {39, 1},
                               {0, 49},
                               {0, 48},
                               {1, 49},
                               {39, 49},
                               {39, 48},
                               {38, 49}})
        paper.setPixel(x, y, ColourWhite);
    EXPECT_TRUE(framed(pbprt, {316, 22}, paper, art.ptcolor[0], false));
    EXPECT_TRUE(shows(pbprt, QRect(138, 292, 26, 178), art.ptconnW, {124, 292}));
    for (int y : {414, 464})
        EXPECT_TRUE(
            shows(pbprt, QRect(6, y, 112, 21), y == 414 ? art.ptLser : art.ptAser, {6, y}) &&
            shows(pbprt, QRect(118, y, 20, 21), art.ptserW, {118, y}))
            << y;

    // Black labels and pointer lines; "GROUP" and row 1's number in the entry font.
    EXPECT_TRUE(shows(pbprt, QRect(40, 0, 90, 18),
                      printed(ColourWhite, 9.75, false, ColourBlack, 50, 4, "GROUP")));
    EXPECT_TRUE(shows(pbprt, QRect(30, 58, 13, 14),
                      printed(ColourWhite, 9.75, false, ColourBlack, 32, 58, " 1")));
    EXPECT_TRUE(shows(pbprt, QRect(206, 39, 35, 14),
                      printed(ColourWhite, 8, false, ColourBlack, 206, 39, "Gas")));
    EXPECT_TRUE(shows(pbprt, QRect(356, 29, 19, 1), plain(ColourBlack)));
}

// A table picture that also keeps every text it draws: text, x, y, colour, bold, size.
struct RecordingSurface : Surface
{
    using Surface::Surface;
    std::vector<std::tuple<QString, int, int, Colour, bool, double>> texts;
    void drawText(double x, double y, const QString &text) override
    {
        texts.emplace_back(text, qRound(x), qRound(y), foreColor(), fontBold(), fontSize());
        Surface::drawText(x, y, text);
    }
    bool has(const QString &t, int x, int y, Colour c, bool bold, double size) const
    {
        return std::find(texts.begin(), texts.end(), std::tuple(t, x, y, c, bold, size)) !=
               texts.end();
    }
};

TEST(CreatePT, PeriodNumbersLettersSymbolsKeyEntryAndLegendSwatches)
{
    const ElementData data = standardData(); // element 1 is "Ba", 2.5123; 26 is "Ab"
    for (const bool printing : {false, true}) {
        RecordingSurface pb(TablePictureWidth, TablePictureHeight, ColourWhite);
        pb.setFontName(QStringLiteral("Arial"));
        pb.setFontSize(8.25);
        pb.setForeColor(ColourBlack);
        Surface pw(103, 88);
        CellRects rects{};
        CreatePT(pb, printing, data, tableArtwork(), rects, pw);
        const Colour label = printing ? ColourBlack : ColourWhite;
        for (int r = 1; r <= 7; ++r)
            EXPECT_TRUE(pb.has(QString(" %1").arg(r), 32, 58 + 50 * (r - 1), ColourBlack, false,
                               r == 1 ? 8.25 : 8))
                << r; // row 1 in the entry font
        EXPECT_FALSE(pb.has(QStringLiteral(" 8"), 32, 408, ColourBlack, false, 8)) << "no period 8";
        QString letters;
        for (const auto &[t, x, y, c, bold, size] : pb.texts)
            if (x >= 14 && x <= 20 && y == 192 + 16 * letters.size() && c == label) letters += t;
        EXPECT_EQ(letters, QStringLiteral("PERIOD")) << printing;
        // Fe's cell at (324, 192): symbol bold, 12 points, centred at x + 20 on y + 14.
        const auto symbol = std::find_if(pb.texts.begin(), pb.texts.end(), [](const auto &t) {
            return std::get<0>(t) == QStringLiteral("Ab") && std::get<2>(t) == 206;
        });
        ASSERT_NE(symbol, pb.texts.end());
        EXPECT_EQ(std::tuple(std::get<3>(*symbol), std::get<4>(*symbol), std::get<5>(*symbol)),
                  std::tuple(ColourBlack, true, 12.0));
        pb.setFontBold(true);
        pb.setFontSize(12);
        EXPECT_EQ(std::get<1>(*symbol), 344 - intDiv(pb.textWidth(QStringLiteral("Ab")), 2));
        // The key cell at (316, 22) shows element 1: red " 1", bold symbol, the weight.
        EXPECT_TRUE(pb.has(QStringLiteral(" 1"), 344, 22, ColourRed, false, 8));
        bool keySymbol = false, keyWeight = false;
        for (const auto &[t, x, y, c, bold, size] : pb.texts) {
            keySymbol |=
                t == QStringLiteral("Ba") && y == 36 && bold && size == 12 && x > 316 && x < 336;
            keyWeight |= t == QStringLiteral("2.5123") && y == 56 && !bold && size == 8 &&
                         x > 316 && x < 336;
        }
        EXPECT_TRUE(keySymbol && keyWeight) << printing;
        // Legend swatches, 9 x 9, left column then right, line by line.
        const Colour swatches[5][2] = {{0xFFFFC0, 0x8BD58B},
                                       {0xFFC0C0, 0xA6F9F0},
                                       {0xBC93BC, 0x9B9BF6},
                                       {0xDEDEE7, 0xC6C6E7},
                                       {0xDCCCAB, 0x7B7BE7}};
        for (int line = 0; line < 5; ++line)
            for (int side = 0; side < 2; ++side)
                for (const auto &[dx, dy] : {std::pair{0, 0}, {8, 8}})
                    EXPECT_EQ(pb.pixel(196 + 120 * side + dx, 99 + 12 * line + dy),
                              swatches[line][side])
                        << line << "," << side;
    }
}

} // namespace
