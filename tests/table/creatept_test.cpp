#include "tablefixture.h"
#include "vectorcanvas.h"

#include <gtest/gtest.h>

using namespace tablefixture;
using namespace Qt::StringLiterals;

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
    const Drawn paper(shippedData(), {}, true);
    EXPECT_EQ(screen.layout.pbGeometry, QRect(2, 45, 791, 510));
    EXPECT_TRUE(!paper.layout.pbGeometry.isValid() && paper.pb.width() == 800) << "not resized";
    EXPECT_EQ(paper.rects, screen.rects);
    const QImage before = screen.pb.image().copy();
    CreatePT(screen.pb, 0, screen.data, tableArtwork(), screen.rects);
    EXPECT_TRUE(screen.pb.image() == before);
}

} // namespace

// The views through CreatePT: the cells' colours and words, the key, the
// highlight, on screen at 1x and 2x and on paper.
namespace {

int view(const char *name)
{
    return findTableView(QString::fromLatin1(name));
}

// Electronegativity known only for iron (1), ruthenium (1.5) and osmium (2).
ElementData threeValues()
{
    ElementData data = shippedData();
    for (ElementRecord &r : data.ElementTable)
        r.ElectroNegativity = 0;
    data.ElementTable[26].ElectroNegativity = 1;
    data.ElementTable[44].ElectroNegativity = 1.5;
    data.ElementTable[76].ElectroNegativity = 2;
    return data;
}

// The words of the page that are missing from its text items.
QString missing(const ElementData &data, const TableView &v, const QStringList &words)
{
    PageCanvas page;
    VectorCanvas canvas(page, {0, 0}, TablePictureWidth, TablePictureHeight, ColourWhite);
    canvas.setFontSize(9.75);
    CellRects rects{};
    CreatePT(canvas, 1, data, tableArtwork(PageCanvas::PictureScale), rects, {0, 37}, v);
    QStringList left = words;
    for (const PageCanvas::Item &item : page.items())
        if (item.kind == PageCanvas::Item::Text) left.removeAll(item.text);
    return left.join(u'|');
}

TEST(CreatePTViews, CellsTakeTheViewColourWithWordsThatReadOnIt)
{
    const Drawn v(threeValues(), {view("electronegativity")});
    EXPECT_EQ(std::tuple(v.cell(26), v.cell(44), v.cell(76), v.cell(79)),
              std::tuple(0x540144u, 0x8C9121u, 0x25E7FDu, 0xA8A8A8u))
        << "lowest, middle, highest, gold without a value";
    // Dark iron's symbol is written in white, light osmium's in black.
    EXPECT_GT(std::min(v.inSymbol(26, ColourWhite), v.inSymbol(76, ColourBlack)), 10);
    EXPECT_EQ(std::pair(v.inSymbol(26, ColourBlack), v.inSymbol(76, ColourWhite)), std::pair(0, 0));

    // At twice the size every device pixel of the cell's inside has its colour.
    const Drawn twice(threeValues(), {view("electronegativity")}, false, 2.0);
    const CellRect &fe = twice.rects[26];
    EXPECT_EQ(fromQRgb(twice.pb.image().pixel(2 * (fe.Left + 3) + 1, 2 * (fe.Top + 30) + 1)),
              0x540144u);
    // The classes, the view drawn when none is given, keep the class colours.
    EXPECT_EQ(Drawn(shippedData(), {}).cell(26), classColours()[5]);
}

TEST(CreatePTViews, TheKeyShowsTheViewsEntriesOrItsColourBar)
{
    // The legend box's origin is (190, 99); its entries lie two to a line,
    // 12 pixels apart, the left ones from x 191, the right ones from 316.
    const Drawn classes(shippedData(), {});
    ASSERT_EQ(classes.layout.keyAreas.size(), 10u);
    std::vector<int> groups;
    for (const KeyArea &a : classes.layout.keyAreas)
        groups.push_back(a.group);
    EXPECT_EQ(groups, (std::vector<int>{3, 6, 2, 7, 1, 8, 4, 9, 5, 10}));
    EXPECT_EQ(classes.layout.keyAreas[3], (KeyArea{QRect(316, 109, 134, 12), 7}));

    // Blocks s, p, d and f (1 to 4) and the states (0 to 3) fill the legend's four places.
    const QRect places[] = {
        {191, 109, 125, 12}, {316, 109, 134, 12}, {191, 121, 125, 12}, {316, 121, 134, 12}};
    const Drawn block(shippedData(), {view("block")}), state(shippedData(), {view("state")});
    ASSERT_EQ(block.layout.keyAreas.size() + state.layout.keyAreas.size(), 8u);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(std::pair(block.layout.keyAreas[i], state.layout.keyAreas[i]),
                  std::pair(KeyArea{places[i], i + 1}, KeyArea{places[i], i}))
            << i;
    EXPECT_EQ(std::tuple(state.pb.pixel(198, 113), state.pb.pixel(318, 113),
                         state.pb.pixel(198, 125), state.pb.pixel(318, 125)),
              std::tuple(0x78AAE6u, 0xE6A05Au, 0x8CF0FAu, 0xA8A8A8u));

    // A property: the colour map from (196, 110) to (444, 122), and the no-data swatch.
    const Drawn bar(threeValues(), {view("electronegativity")});
    EXPECT_EQ(std::tuple(bar.pb.pixel(196, 115), bar.pb.pixel(320, 115), bar.pb.pixel(444, 115),
                         bar.pb.pixel(198, 150)),
              std::tuple(0x540144u, 0x8C9121u, 0x25E7FDu, 0xA8A8A8u));
    EXPECT_EQ(bar.layout.keyAreas, (std::vector<KeyArea>{{QRect(191, 145, 125, 12), 0}}));

    // On paper the key's words are text: its title, the ends and middle, no data.
    EXPECT_EQ(missing(threeValues(), {view("electronegativity")}, {"Non Metals"}), "Non Metals");
    EXPECT_EQ(missing(threeValues(), {view("electronegativity")},
                      {"Electronegativity", "1", "1.5", "2", "No data"}),
              "");
    EXPECT_EQ(missing(shippedData(), {view("density")},
                      {u"Density (g/cm\u00B3), log scale"_s, "0.0000899", "22.57"}),
              "");
    EXPECT_EQ(missing(shippedData(), {view("state"), 373.15, TemperatureUnit::Celsius},
                      {u"State at 100 \u00B0C"_s, "Solid", "Liquid", "Gas", "Unknown",
                       "Unknown: the points known do not decide"}),
              "");
    EXPECT_EQ(missing(makeTestData(3), {view("fusion-heat")}, {"No element has a value"}), "");
}

TEST(CreatePTViews, AHighlightFadesTheOtherGroupsIntoThePage)
{
    // Liquids at 298 K: mercury stands out, iron (solid) fades into the blue page.
    const TableView liquids{view("state"), 298, TemperatureUnit::Kelvin, int(Phase::Liquid)};
    const Drawn screen(shippedData(), liquids);
    EXPECT_EQ(std::tuple(screen.cell(80), screen.cell(26)), std::tuple(0xE6A05Au, 0xBA9946u));
    // Iron's words fade too: black three parts in four towards its cell.
    EXPECT_GT(std::min(screen.inSymbol(26, 0x8C7335), screen.inSymbol(80, ColourBlack)), 10);
    EXPECT_EQ(screen.inSymbol(26, ColourBlack), 0);
    EXPECT_EQ(std::pair(screen.pb.pixel(318, 113), screen.pb.pixel(198, 113)),
              std::pair(0xE6A05Au, 0xBA9946u))
        << "the key's swatches fade as the cells do";
    // On paper into the white page: red 249, green 234, blue 221.
    const Drawn paper(shippedData(), liquids, true);
    EXPECT_EQ(std::tuple(paper.cell(80), paper.cell(26)), std::tuple(0xE6A05Au, 0xDDEAF9u));
}

} // namespace
