#include "creatept.h"

#include "numbertext.h"
#include "tablefixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

using namespace tablefixture;

namespace {

struct Drawn
{
    Surface pb = screenPicture();
    Surface pw{103, 88, ColourWhite};
    CellRects rects{};
    PTLayout layout;
};

Drawn drawScreen(const ElementData &data)
{
    Drawn d;
    d.layout = CreatePT(d.pb, 0, data, tableArtwork(), d.rects, d.pw);
    return d;
}

// Checks a composed cell at (x, y): the artwork's outline, bevels and corners
// (white corners on paper) and colour k in the free rows at the bottom. Texts
// may run over the right bevel, so it is checked only between them, and rows
// crossed by pointer lines (the key cell's) are left out.
void expectCellFrame(const Surface &s, int x, int y, Colour k, bool printing,
                     std::initializer_list<int> crossedRows = {})
{
    const TableArtwork &art = tableArtwork();
    for (int j = 0; j < 50; ++j) {
        if (std::find(crossedRows.begin(), crossedRows.end(), j) != crossedRows.end()) continue;
        for (int i = 0; i < 40; ++i) {
            const bool ring = i <= 1 || i == 39 || j == 0 || j >= 48;
            const bool rightBevel = i >= 36 && j >= 14 && j <= 33;
            if (!ring && !rightBevel) continue;
            const Colour expected =
                printing && isCellCornerPixel(i, j, 40, 50) ? ColourWhite : art.ptBox.pixel(i, j);
            ASSERT_EQ(s.pixel(x + i, y + j), expected)
                << "cell " << x << "," << y << " at " << i << "," << j;
        }
    }
    for (int i = 2; i <= 35; ++i)
        ASSERT_EQ(s.pixel(x + i, y + 47), k) << "interior of cell " << x << "," << y;
}

// The state symbol drawn with its mask over colour k at (x, y), except a row
// crossed by a pointer line.
void expectStateSymbol(const Surface &s, int x, int y, int state, Colour k, int crossedRow = -1)
{
    const TableArtwork &art = tableArtwork();
    for (int j = 0; j < 10; ++j)
        for (int i = 0; i < 10; ++i) {
            if (j == crossedRow) continue;
            const Colour expected =
                art.ptstM[state].pixel(i, j) == ColourWhite ? k : art.ptst[state].pixel(i, j);
            ASSERT_EQ(s.pixel(x + i, y + j), expected)
                << "state " << state << " at " << i << "," << j;
        }
}

TEST(GetEfromRC, FindsTheSmallestNumberAtAPositionWithinTheCount)
{
    ElementData data;
    data.ElementTable.fill(ElementRecord::blank());
    data.ElementTable[1] = makeRecord(1, 1, 1, 3, 2, 1, "H", "IA");
    data.ElementTable[2] = makeRecord(2, 2, 5, 3, 2, 1, "X", "");
    data.ElementTable[3] = makeRecord(3, 2, 5, 3, 2, 1, "Y", "");
    data.ElementTable[4] = makeRecord(4, 3, 3, 3, 2, 1, "Z", "");
    data.ElementCount = 3;

    EXPECT_EQ(GetEfromRC(data, 1, 1), 1);
    EXPECT_EQ(GetEfromRC(data, 2, 5), 2) << "the smaller atomic number wins";
    EXPECT_EQ(GetEfromRC(data, 3, 3), 0) << "element 4 is beyond ElementCount";
    EXPECT_EQ(GetEfromRC(data, 1, 2), 0);
    EXPECT_EQ(GetEfromRC(data, 0, 0), 0) << "blank slots never match";
    data.ElementCount = 0;
    EXPECT_EQ(GetEfromRC(data, 1, 1), 0);
    data.ElementCount = 500; // never read past the table
    EXPECT_EQ(GetEfromRC(data, 3, 3), 4);
}

TEST(CellWeightText, IsTheFirstSixCharactersCutNotRounded)
{
    EXPECT_EQ(cellWeightText(1.00794), "1.0079");
    EXPECT_EQ(cellWeightText(238.02891), "238.02");
    EXPECT_EQ(cellWeightText(4.002602), "4.0026");
    EXPECT_EQ(cellWeightText(244), "244");
    EXPECT_EQ(cellWeightText(12.0109999), "12.010") << "cut, not rounded to 12.011";
    EXPECT_EQ(cellWeightText(0.5), "0.5");
}

TEST(TrimmedText, DropsSpacesAndNulPadding)
{
    EXPECT_EQ(trimmedText(QStringLiteral(" He ")), "He");
    EXPECT_EQ(trimmedText(QString(3, QChar(0))), "");
    EXPECT_EQ(trimmedText(QStringLiteral("IA") + QString(3, QChar(0))), "IA");
    EXPECT_EQ(trimmedText(QStringLiteral("V B")), "V B");
}

TEST(IntDiv, RoundsTheWidthHalvesToEvenThenCutsTheQuotient)
{
    EXPECT_EQ(intDiv(9.0, 2), 4);
    EXPECT_EQ(intDiv(10.5, 2), 5); // 10.5 -> 10
    EXPECT_EQ(intDiv(11.5, 2), 6); // 11.5 -> 12
    EXPECT_EQ(intDiv(11.4, 2), 5);
    EXPECT_EQ(intDiv(-3.0, 2), -1);
}

TEST(CreatePT, PlacesEveryCellOnTheGridAndRecordsIt)
{
    const ElementData data = standardData();
    const Drawn d = drawScreen(data);

    EXPECT_EQ(d.layout.pbGeometry, QRect(2, 45, 791, 510));
    EXPECT_EQ(d.layout.ptselSize, QSize(43, 53));
    EXPECT_EQ(d.pb.width(), 791);
    EXPECT_EQ(d.pb.height(), 510);
    EXPECT_EQ(d.pb.backColor(), TableBackColour);

    for (int z = 1; z <= MaxElements; ++z) {
        const auto [row, column] = standardPosition(z);
        const QPoint p = cellCorner(row, column);
        const CellRect expected{qint16(row),   qint16(column),     qint16(p.x()),
                                qint16(p.y()), qint16(p.x() + 39), qint16(p.y() + 49)};
        EXPECT_EQ(d.rects[z], expected) << "element " << z;
    }
    EXPECT_EQ(d.rects[0], CellRect{}) << "slot 0 is never written";

    // The table spans x 44 to 763 and y 42 to 499; the last cell ends there.
    const CellRect &last = d.rects[103];
    EXPECT_EQ(last.Right, 763);
    EXPECT_EQ(last.Bottom, 499);
    EXPECT_EQ(d.rects[1].Left, 44);
    EXPECT_EQ(d.rects[1].Top, 42);
    EXPECT_EQ(d.rects[57].Top, 400) << "8 pixels' gap above the series rows";
    EXPECT_EQ(d.rects[89].Top, 450);

    const TableArtwork &art = tableArtwork();
    for (int z : {1, 2, 26, 57, 103, 118}) {
        SCOPED_TRACE(z);
        const CellRect &r = d.rects[z];
        const Colour k = art.ptcolor[data.ElementTable[z].Classification];
        expectCellFrame(d.pb, r.Left, r.Top, k, false);
        expectStateSymbol(d.pb, r.Left + 2, r.Top + 2, data.ElementTable[z].State, k);
    }
}

TEST(CreatePT, PrintsNumbersSymbolsAndWeightsWhereDocumented)
{
    const ElementData data = standardData();
    const Drawn d = drawScreen(data);
    const TableArtwork &art = tableArtwork();

    // Atomic numbers: six pixels per character of Str(e), leading space included.
    const struct
    {
        int e, offset;
    } numbers[] = {{9, 28}, {10, 22}, {99, 22}, {100, 16}, {118, 16}};
    for (const auto &n : numbers) {
        SCOPED_TRACE(n.e);
        const CellRect &r = d.rects[n.e];
        const Colour k = art.ptcolor[data.ElementTable[n.e].Classification];
        const QRect area(r.Left + 12, r.Top + 1, 24, 12);
        QString where;
        EXPECT_TRUE(regionLooksLike(
            d.pb, area, k,
            text(8, false, ColourRed, r.Left + n.offset, r.Top, QStringLiteral(" %1").arg(n.e)),
            &where))
            << qPrintable(where);
        EXPECT_GT(inkCount(d.pb, area, k), 10);
    }

    // Symbol (12 bold, y + 14) and weight (8 regular, y + 34), centred on x + 20.
    for (int z : {2, 57, 118}) {
        SCOPED_TRACE(z);
        const CellRect &r = d.rects[z];
        const ElementRecord &rec = data.ElementTable[z];
        const Colour k = art.ptcolor[rec.Classification];
        Surface measure;
        measure.setFontSize(12);
        measure.setFontBold(true);
        const QString symbol = fakeSymbol(z);
        const double symbolX = r.Left + 20 - intDiv(measure.textWidth(symbol), 2);
        measure.setFontSize(8);
        measure.setFontBold(false);
        const QString weight = Str(rec.AtomicWeight).trimmed().left(6);
        const double weightX = r.Left + 20 - intDiv(measure.textWidth(weight), 2);
        QString where;
        EXPECT_TRUE(regionLooksLike(
            d.pb, QRect(r.Left + 2, r.Top + 14, 34, 34), k,
            [&](Surface &s) {
                text(12, true, ColourBlack, symbolX, r.Top + 14, symbol)(s);
                text(8, false, ColourBlack, weightX, r.Top + 34, weight)(s);
            },
            &where))
            << qPrintable(where);
    }
}

TEST(CreatePT, DrawsGroupHeadingsAboveTheFirstCellOfEachGroup)
{
    const ElementData data = standardData();
    const Drawn d = drawScreen(data);

    // "GROUP" at (50, 4) in white, in the entry font (Arial 8.25).
    QString where;
    EXPECT_TRUE(regionLooksLike(d.pb, QRect(40, 0, 90, 18), TableBackColour,
                                text(8.25, false, ColourWhite, 50, 4, QStringLiteral("GROUP")),
                                &where))
        << qPrintable(where);
    EXPECT_GT(inkCount(d.pb, QRect(40, 4, 60, 13), TableBackColour), 20);

    // Group number at y - 24 and label at y - 12, black, centred on the cell.
    Surface measure;
    const struct
    {
        int row, column;
    } heads[] = {{1, 1}, {1, 18}, {2, 2}, {2, 13}, {2, 17}, {4, 3}, {4, 12}};
    for (const auto &h : heads) {
        SCOPED_TRACE(QStringLiteral("row %1 column %2").arg(h.row).arg(h.column).toStdString());
        const QPoint p = cellCorner(h.row, h.column);
        const QString number = QString::number(h.column);
        const QString label = QStringLiteral("G%1").arg(h.column);
        measure.setFontSize(h.row == 1 && h.column == 1 ? 8.25 : 8);
        const double numberX = p.x() + 20 - intDiv(measure.textWidth(number), 2);
        const double labelX = p.x() + 20 - intDiv(measure.textWidth(label), 2);
        const QRect area(p.x(), p.y() - 24, 40, 24);
        EXPECT_TRUE(regionLooksLike(
            d.pb, area, TableBackColour,
            [&](Surface &s) {
                text(8, false, ColourBlack, numberX, p.y() - 24, number)(s);
                text(8, false, ColourBlack, labelX, p.y() - 12, label)(s);
            },
            &where))
            << qPrintable(where);
    }
    // Row 1 headings: numbers at y 18, labels at y 30.
    EXPECT_GT(inkCount(d.pb, QRect(44, 18, 40, 12), TableBackColour), 3);
    EXPECT_GT(inkCount(d.pb, QRect(44, 30, 40, 12), TableBackColour), 3);

    // Cells of the series rows head no group: the gap above them stays empty.
    EXPECT_EQ(inkCount(d.pb, QRect(164, 392, 600, 8), TableBackColour), 0);
    // Above the row 4 heading of column 3, the empty position stays empty.
    EXPECT_EQ(inkCount(d.pb, QRect(124, 142, 40, 24), TableBackColour), 0);
}

TEST(CreatePT, HeadingNeedsAnElementButRowOneAlwaysGetsOne)
{
    ElementData data;
    data.ElementTable.fill(ElementRecord::blank());
    data.ElementTable[1] = makeRecord(1, 1, 5, 3, 0, 1, "A", "one");
    data.ElementTable[2] = makeRecord(2, 2, 14, 3, 0, 1, "B", "two");
    data.ElementCount = 2;
    const Drawn d = drawScreen(data);

    const QPoint rowOne = cellCorner(1, 5);
    EXPECT_GT(inkCount(d.pb, QRect(rowOne.x(), rowOne.y() - 24, 40, 24), TableBackColour), 5)
        << "a row 1 cell in any column is headed";
    // Only column 1 of row 1 carries "GROUP".
    EXPECT_EQ(inkCount(d.pb, QRect(40, 0, 80, 17), TableBackColour), 0);
    const QPoint empty = cellCorner(2, 13);
    EXPECT_EQ(inkCount(d.pb, QRect(empty.x(), empty.y() - 24, 40, 24), TableBackColour), 0)
        << "no element at row 2, column 13: no heading";
    const QPoint headed = cellCorner(2, 14);
    EXPECT_GT(inkCount(d.pb, QRect(headed.x(), headed.y() - 24, 40, 24), TableBackColour), 5);
}

TEST(CreatePT, DrawsTheKeyCellStateLegendAndClassLegend)
{
    const ElementData data = standardData();
    const Drawn d = drawScreen(data);
    const TableArtwork &art = tableArtwork();

    // Key cell at (316, 22) in the key colour with the gas symbol and element 1.
    expectCellFrame(d.pb, 316, 22, art.ptcolor[0], false, {7, 23, 41});
    // The "State" pointer line at y 29 runs into the cell across the symbol.
    expectStateSymbol(d.pb, 318, 24, 2, art.ptcolor[0], 5);
    EXPECT_EQ(d.pb.pixel(319, 29), ColourWhite);
    QString where;
    EXPECT_TRUE(regionLooksLike(d.pb, QRect(328, 23, 24, 12), art.ptcolor[0],
                                text(8, false, ColourRed, 344, 22, QStringLiteral(" 1")), &where))
        << qPrintable(where);

    // State legend: the left column moves with the cell width, 3w = 120.
    const struct
    {
        int state, x, y;
    } states[] = {{2, 316 - 125, 40}, {1, 316 - 71, 40}, {0, 316 - 125, 56}, {3, 316 - 71, 56}};
    for (const auto &s : states)
        expectStateSymbol(d.pb, s.x, s.y, s.state, TableBackColour);
    EXPECT_TRUE(regionLooksLike(d.pb, QRect(206, 39, 35, 14), TableBackColour,
                                text(8, false, ColourWhite, 206, 39, QStringLiteral("Gas")),
                                &where))
        << qPrintable(where);

    // Pointer lines in the label colour.
    for (int x = 316 - 23; x <= 316 + 3; ++x)
        if (x < 316) EXPECT_EQ(d.pb.pixel(x, 29), ColourWhite) << "State line at " << x;
    for (int x = 316 + 40; x <= 316 + 58; ++x) {
        EXPECT_EQ(d.pb.pixel(x, 29), ColourWhite) << "Atomic Number line at " << x;
        EXPECT_EQ(d.pb.pixel(x, 45), ColourWhite) << "Symbol line at " << x;
        EXPECT_EQ(d.pb.pixel(x, 63), ColourWhite) << "Atomic Weight line at " << x;
    }

    // Classification legend: box from (190, 93) to (450, 161).
    for (int x = 190; x <= 450; ++x) {
        EXPECT_EQ(d.pb.pixel(x, 93), ColourBlack) << x;
        EXPECT_EQ(d.pb.pixel(x, 161), ColourBlack) << x;
    }
    for (int y = 93; y <= 161; ++y) {
        EXPECT_EQ(d.pb.pixel(190, y), ColourBlack) << y;
        // The longest label of the last line may reach over the right edge.
        if (y < 145 || y > 158) EXPECT_EQ(d.pb.pixel(450, y), ColourBlack) << y;
    }
    EXPECT_EQ(d.pb.pixel(189, 120), TableBackColour);
    EXPECT_EQ(d.pb.pixel(451, 120), TableBackColour);
    // Swatches: left column classes 3, 2, 1, 4, 5 and right column 6 .. 10.
    const int left[5] = {3, 2, 1, 4, 5};
    for (int j = 0; j < 5; ++j) {
        EXPECT_TRUE(regionLooksLike(d.pb, QRect(196, 99 + 12 * j, 9, 9), art.ptcolor[left[j]],
                                    [](Surface &) {}))
            << "left swatch " << j;
        EXPECT_TRUE(regionLooksLike(d.pb, QRect(316, 99 + 12 * j, 9, 9), art.ptcolor[6 + j],
                                    [](Surface &) {}))
            << "right swatch " << j;
    }
    EXPECT_TRUE(regionLooksLike(d.pb, QRect(209, 97, 100, 12), TableBackColour,
                                text(8, false, ColourWhite, 209, 97, QStringLiteral("Non Metals")),
                                &where))
        << qPrintable(where);
}

TEST(CreatePT, DrawsPeriodNumbersConnectorAndBanners)
{
    const ElementData data = standardData();
    const Drawn d = drawScreen(data);
    const TableArtwork &art = tableArtwork();

    QString where;
    // Row 1's number uses the entry font; later ones 8-point, all black.
    EXPECT_TRUE(regionLooksLike(d.pb, QRect(30, 58, 13, 14), TableBackColour,
                                text(8.25, false, ColourBlack, 32, 58, QStringLiteral(" 1")),
                                &where))
        << qPrintable(where);
    EXPECT_TRUE(regionLooksLike(d.pb, QRect(30, 358, 13, 14), TableBackColour,
                                text(8, false, ColourBlack, 32, 358, QStringLiteral(" 7")), &where))
        << qPrintable(where);

    // "PERIOD" downwards, centred on x 20 from y 192, 16 pixels apart, in white.
    Surface measure;
    for (int i = 0; i < 6; ++i) {
        const QString ch = QStringLiteral("PERIOD").mid(i, 1);
        const double x = 20 - intDiv(measure.textWidth(ch), 2);
        EXPECT_TRUE(regionLooksLike(d.pb, QRect(8, 192 + 16 * i, 20, 16), TableBackColour,
                                    text(8, false, ColourWhite, x, 192 + 16 * i, ch), &where))
            << qPrintable(ch) << " " << qPrintable(where);
    }

    // Connector at row 6, column 3: (124, 292); the banners cover its left edge.
    EXPECT_TRUE(regionIsCopyOf(d.pb, QRect(138, 292, 26, 178), art.ptconn, 14, 0));
    EXPECT_TRUE(regionIsCopyOf(d.pb, QRect(124, 292, 40, 122), art.ptconn));
    EXPECT_TRUE(regionIsCopyOf(d.pb, QRect(6, 414, 132, 21), art.ptLser));
    EXPECT_TRUE(regionIsCopyOf(d.pb, QRect(6, 464, 132, 21), art.ptAser));
    // The extra row under the upper banner has no source: left as it was.
    for (int x = 6; x < 124; ++x)
        EXPECT_EQ(d.pb.pixel(x, 435), TableBackColour) << x;
}

TEST(CreatePT, SmallerAtomicNumberWinsASharedCell)
{
    ElementData data;
    data.ElementTable.fill(ElementRecord::blank());
    data.ElementTable[1] = makeRecord(1, 1, 1, 3, 2, 1.008, "H", "IA");
    data.ElementTable[2] = makeRecord(2, 2, 2, 6, 0, 4, "Aa", "x");
    data.ElementTable[3] = makeRecord(3, 2, 2, 8, 1, 7, "Bb", "y");
    data.ElementCount = 3;
    const Drawn d = drawScreen(data);
    const TableArtwork &art = tableArtwork();

    const QPoint p = cellCorner(2, 2);
    EXPECT_EQ(d.rects[2], (CellRect{2, 2, qint16(p.x()), qint16(p.y()), qint16(p.x() + 39),
                                    qint16(p.y() + 49)}));
    EXPECT_EQ(d.rects[3], CellRect{}) << "the other element is never drawn";
    expectCellFrame(d.pb, p.x(), p.y(), art.ptcolor[6], false);
    expectStateSymbol(d.pb, p.x() + 2, p.y() + 2, 0, art.ptcolor[6]);
}

TEST(CreatePT, WithNoElementsStillDrawsTheDecorations)
{
    const ElementData full = standardData();
    const Drawn withData = drawScreen(full);

    ElementData data = full;
    data.ElementCount = 0;
    Drawn d;
    const CellRect marker{7, 7, 7, 7, 7, 7};
    d.rects.fill(marker);
    d.layout = CreatePT(d.pb, 0, data, tableArtwork(), d.rects, d.pw);

    for (int z = 0; z <= MaxElements; ++z)
        EXPECT_EQ(d.rects[z], marker) << "no entry changes: " << z;
    // No cells: where element 26 would be is plain background.
    const QPoint iron = cellCorner(4, 8);
    EXPECT_EQ(inkCount(d.pb, QRect(iron, QSize(40, 50)), TableBackColour), 0);

    // Everything that is not a cell is as with the data: key cell (showing
    // element 1's entry), legends, "PERIOD", period numbers, connector and banners.
    const QRect decorations[] = {{316, 22, 40, 50}, {190, 40, 270, 122}, {8, 192, 20, 96},
                                 {30, 58, 13, 314}, {124, 292, 40, 108}, {6, 414, 132, 71}};
    for (const QRect &r : decorations)
        EXPECT_TRUE(regionIsCopyOf(d.pb, r, withData.pb, r.left(), r.top()))
            << r.x() << "," << r.y();
    EXPECT_EQ(d.layout.ptselSize, QSize(43, 53));
}

TEST(CreatePT, DrawingTwiceGivesTheSameImageAndRects)
{
    const ElementData data = standardData();
    Drawn d = drawScreen(data);
    const QImage first = d.pb.image().copy();
    const CellRects firstRects = d.rects;
    CreatePT(d.pb, 0, data, tableArtwork(), d.rects, d.pw);
    EXPECT_TRUE(d.pb.image() == first);
    EXPECT_EQ(d.rects, firstRects);
}

TEST(CreatePT, PrintModeDrawsIntoPbprtWithPaperColours)
{
    const ElementData data = standardData();
    Drawn screen = drawScreen(data);
    const QImage pbBefore = screen.pb.image().copy();
    const TableArtwork &art = tableArtwork();

    // A print picture larger than the table, to show it is not resized.
    Surface pbprt = printPicture(800, 520);
    CellRects rects{};
    const PTLayout layout = CreatePT(pbprt, 1, data, art, rects, screen.pw);

    EXPECT_TRUE(screen.pb.image() == pbBefore) << "pb is left untouched";
    EXPECT_FALSE(layout.pbGeometry.isValid()) << "pb is not moved when printing";
    EXPECT_EQ(layout.ptselSize, QSize(43, 53));
    EXPECT_EQ(pbprt.width(), 800);
    EXPECT_EQ(pbprt.height(), 520);
    EXPECT_EQ(pbprt.backColor(), ColourWhite);
    EXPECT_EQ(pbprt.pixel(795, 515), ColourWhite);
    EXPECT_EQ(rects, screen.rects) << "the geometry does not depend on the target";

    // Every cell, and the key cell, with white corners.
    for (int z = 1; z <= MaxElements; ++z) {
        SCOPED_TRACE(z);
        expectCellFrame(pbprt, rects[z].Left, rects[z].Top,
                        art.ptcolor[data.ElementTable[z].Classification], true);
    }
    expectCellFrame(pbprt, 316, 22, art.ptcolor[0], true, {7, 23, 41});

    // Connector on white and white arrow tips on the banners.
    EXPECT_TRUE(regionIsCopyOf(pbprt, QRect(138, 292, 26, 178), art.ptconnW, 14, 0));
    EXPECT_TRUE(regionIsCopyOf(pbprt, QRect(6, 414, 112, 21), art.ptLser));
    EXPECT_TRUE(regionIsCopyOf(pbprt, QRect(118, 414, 20, 21), art.ptserW));
    EXPECT_TRUE(regionIsCopyOf(pbprt, QRect(6, 464, 112, 21), art.ptAser));
    EXPECT_TRUE(regionIsCopyOf(pbprt, QRect(118, 464, 20, 21), art.ptserW));

    // Labels in black: "GROUP" in the entry font (9.75), legend and key texts.
    QString where;
    EXPECT_TRUE(regionLooksLike(pbprt, QRect(40, 0, 90, 18), ColourWhite,
                                text(9.75, false, ColourBlack, 50, 4, QStringLiteral("GROUP")),
                                &where))
        << qPrintable(where);
    EXPECT_TRUE(regionLooksLike(pbprt, QRect(209, 97, 100, 12), ColourWhite,
                                text(8, false, ColourBlack, 209, 97, QStringLiteral("Non Metals")),
                                &where))
        << qPrintable(where);
    EXPECT_TRUE(regionLooksLike(pbprt, QRect(206, 39, 35, 14), ColourWhite,
                                text(8, false, ColourBlack, 206, 39, QStringLiteral("Gas")),
                                &where))
        << qPrintable(where);
    for (int x = 316 + 40; x <= 316 + 58; ++x)
        EXPECT_EQ(pbprt.pixel(x, 29), ColourBlack) << "pointer line at " << x;
}

TEST(CreatePT, EntryFontAndColourLastUntilTheFirstCell)
{
    const ElementData data = standardData();
    Drawn d;
    d.pb.setForeColor(ColourBlue);
    d.pb.setFontSize(12);
    d.pb.setFontBold(true);
    CreatePT(d.pb, 0, data, tableArtwork(), d.rects, d.pw);

    QString where;
    EXPECT_TRUE(regionLooksLike(d.pb, QRect(30, 58, 13, 16), TableBackColour,
                                text(12, true, ColourBlue, 32, 58, QStringLiteral(" 1")), &where))
        << "row 1's period number: " << qPrintable(where);
    EXPECT_TRUE(regionLooksLike(d.pb, QRect(30, 108, 13, 16), TableBackColour,
                                text(8, false, ColourBlack, 32, 108, QStringLiteral(" 2")), &where))
        << "later ones are black 8-point: " << qPrintable(where);
    // The first cell's heading: "GROUP" in the label colour, the number in the
    // entry font (black after "GROUP").
    Surface measure;
    measure.setFontSize(12);
    measure.setFontBold(true);
    const double numberX = 64 - intDiv(measure.textWidth(QStringLiteral("1")), 2);
    EXPECT_TRUE(regionLooksLike(d.pb, QRect(44, 18, 40, 12), TableBackColour,
                                text(12, true, ColourBlack, numberX, 18, QStringLiteral("1")),
                                &where))
        << qPrintable(where);
}

TEST(CreatePT, UnknownClassOrStateDrawsAPlainCell)
{
    ElementData data;
    data.ElementTable.fill(ElementRecord::blank());
    data.ElementTable[1] = makeRecord(1, 1, 1, 11, 4, 1, "Q", "IA");
    data.ElementTable[2] = makeRecord(2, 1, 18, -1, -1, 4, "R", "VIIIA");
    data.ElementCount = 2;
    const Drawn d = drawScreen(data);

    for (int z : {1, 2}) {
        const CellRect &r = d.rects[z];
        expectCellFrame(d.pb, r.Left, r.Top, ColourWhite, false);
        EXPECT_EQ(inkCount(d.pb, QRect(r.Left + 2, r.Top + 2, 10, 10), ColourWhite), 0)
            << "no state symbol for element " << z;
    }
}

TEST(CreatePT, EnlargesATooSmallWorkPicture)
{
    const ElementData data = standardData();
    Surface pb = screenPicture();
    Surface pw(10, 10, ColourWhite);
    CellRects rects{};
    CreatePT(pb, 0, data, tableArtwork(), rects, pw);
    EXPECT_GE(pw.width(), 40);
    EXPECT_GE(pw.height(), 50);
    expectCellFrame(pb, rects[26].Left, rects[26].Top,
                    tableArtwork().ptcolor[data.ElementTable[26].Classification], false);
}

} // namespace
