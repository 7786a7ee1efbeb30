#include "atomsprites.h"
#include "sheet_fixture.h"
#include "surface.h"

#include <QFontMetricsF>

#include <array>
#include <cmath>
#include <tuple>

using namespace Qt::StringLiterals;

namespace {

// A canvas set to a font, to derive expected positions from its metrics.
template <class Canvas> Canvas withFont(Canvas canvas, const QString &name, double size, bool bold)
{
    canvas.setFontName(name);
    canvas.setFontSize(size);
    canvas.setFontBold(bold);
    return canvas;
}

// Text, x, y, colour, font and bold.
using Text = std::tuple<QString, double, double, Colour, QString, bool>;

// A pixel surface that also keeps every text it draws, with the font and colour in force.
struct RecordingSurface : Surface
{
    using Surface::Surface;
    std::vector<Text> texts;
    void drawText(double x, double y, const QString &text) override
    {
        texts.emplace_back(text, x, y, foreColor(), fontName(), fontBold());
        Surface::drawText(x, y, text);
    }
};

} // namespace

TEST(ScreenSheet, LinesColoursWrappingAndStateMarker)
{
    ElementData data = shippedData();
    ElementRecord &r = data.ElementTable[26];
    const QString origin = QString(39, u'a') + u' ' + QString(43, u'b') + u'-' + QString(16, u'c');
    r.Appearance = u"Lustrous, metallic, and silver with a gray tinge"_s.leftJustified(60);
    r.NameOrigin = origin.leftJustified(100);
    r.AtomicNumber = 27; // the marker shows the state of the slot the record names
    data.ElementTable[27].State = 2;
    // State markers told apart by colour: 10 x 10 black masks on white, coloured sprites on black.
    std::array<Surface, 4> ptst, ptstM;
    for (int s = 0; s < 4; ++s) {
        (ptstM[s] = Surface(16, 16, ColourWhite)).filledBox(0, 0, 9, 9, ColourBlack);
        (ptst[s] = Surface(16, 16, ColourBlack)).filledBox(0, 0, 9, 9, Colour(0x102030 * (s + 1)));
    }
    RecordingSurface pb(339, 479, 0xE0E0E0);
    writeScreenSheet(pb, data, 26, classNames(), {ptst, ptstM});

    const QString A = u"Arial"_s, wrapped = u"Lustrous, metallic, and silver with a gray "_s;
    const Surface header = withFont(Surface(1, 1), A, 14, true);
    const Surface values = withFont(Surface(1, 1), A, 8, false);
    const double hx = header.columnWidth(), column = 21 * values.columnWidth();
    const double h = values.textHeight(), y0 = std::get<2>(pb.texts.at(0));
    const double top = y0 + header.textHeight() + 4;
    // The header shows the record's own number after two space widths; a two-line
    // Appearance pushes the three lines of Name Origin down by one.
    std::vector<Text> expected = {{u" 27"_s, hx, y0, ColourRed, A, true},
                                  {u"Fe "_s, 33 * hx, y0, ColourRed, A, true},
                                  {u"     [VIIIB]"_s, column + values.textWidth(u"8"_s), top + h,
                                   ColourRed, u"Courier New"_s, false},
                                  {wrapped, column, top + 27 * h, ColourBlue, A, false},
                                  {u"tinge"_s, column, top + 28 * h, ColourBlue, A, false},
                                  {u"Name Origin: "_s, 0, top + 29 * h, ColourBlack, A, true},
                                  {origin.left(40), column, top + 29 * h, ColourBlack, A, false},
                                  {origin.mid(40, 44), column, top + 30 * h, ColourBlack, A, false},
                                  {origin.mid(84), column, top + 31 * h, ColourBlack, A, false}};
    for (int line = 1; line <= 28; ++line) {
        const double y = top + (line - 1) * h;
        expected.emplace_back(sheetLabel(line), 0, y, ColourBlack, A, true);
        if (line < 28)
            expected.emplace_back(sheetValue(line, r, classNames()).text, column, y,
                                  line <= 3 ? ColourRed : ColourBlack, A, false);
    }
    for (const Text &t : expected)
        EXPECT_NE(std::find(pb.texts.begin(), pb.texts.end(), t), pb.texts.end())
            << std::get<0>(t).toStdString() << " at " << std::get<2>(t);

    // The marker two space widths after "Solid  ": mask, then the sprite of state 2.
    const int x = int(std::lround(column + values.textWidth(u"Solid  "_s)));
    const int y = int(std::lround(top + 3 * h)) + 2;
    EXPECT_EQ(pb.pixel(x, y), Colour(0x102030 * 3));
    EXPECT_EQ(pb.pixel(x + 10, y + 5), Colour(0xE0E0E0));
}

namespace {

// The print sheet of element n, with the atom picture 6060 twips high.
qint16 printSheet(PageCanvas &page, const ElementData &data, qint16 n, double pageWidth)
{
    Surface pbprt(8, 8);
    const AtomSprites &s = atomSprites();
    return writePrintSheet(page, pbprt, data, n, classNames(), {s.pbP, s.pbN, s.pbE, s.pbEmask},
                           6060, pageWidth);
}

} // namespace

TEST(PrintSheet, TitleLevelRowCountsLabelsAndValues)
{
    ElementData data = shippedData();
    ElementRecord &r = data.ElementTable[26];
    r.LevelCount = 2;
    r.LevelElectrons = {0, 2, 18};
    PageCanvas page;
    const qint16 headerY = printSheet(page, data, 26, 11000);
    // Whether a black Courier text was printed at (x, y) in that style.
    const auto printed = [&page](const QString &text, double x, double y, bool bold = false,
                                 bool underline = false) {
        return std::any_of(page.items().begin(), page.items().end(), [&](const auto &t) {
            return std::tuple(t.text, t.x, t.y, t.font.bold(), t.font.underline(), t.colour,
                              t.font.family()) ==
                   std::tuple(text, x, y, bold, underline, ColourBlack, u"Liberation Mono"_s);
        });
    };
    const PageCanvas title = withFont(PageCanvas(), u"Courier"_s, 12, true);
    const PageCanvas plain = withFont(PageCanvas(), u"Courier"_s, 10, false);
    const double h = plain.textHeight(), legendX = 53 * plain.columnWidth();
    // The title line, then two empty lines before the legend.
    const double y0 = page.items().at(0).y, top = y0 + 3 * title.textHeight(), level = top + 5 * h;
    // The atom goes just below the title line.
    EXPECT_EQ(headerY, qRound(y0 + title.textHeight()));
    // Title after six spaces, name at column 20, symbol at 45.
    const double c = title.columnWidth();
    EXPECT_TRUE(printed(u"26"_s, 6 * c, y0, true) && printed(u"Iron"_s, 19 * c, y0, true) &&
                printed(u"Fe"_s, 44 * c, y0, true));

    // The legend at column 54: the counts lines two apart, then the level row.
    EXPECT_TRUE(printed(u"Protons:"_s, legendX, top) &&
                printed(u"Electrons:"_s, legendX, top + 4 * h));
    EXPECT_TRUE(printed(u"    Level:"_s, legendX, level));

    // Three spaces and an underlined 1, three spaces and an underlined 2.
    const double oneX = legendX + plain.textWidth(u"    Level:   "_s);
    const double twoX = oneX + plain.textWidth(u"1"_s) + plain.textWidth(u"   "_s);
    EXPECT_TRUE(printed(u"1"_s, oneX, level, false, true));
    EXPECT_TRUE(printed(u"2"_s, twoX, level, false, true));
    // Counts right-aligned under the digit 1; the level counts a line below the
    // row, 18 shifted 70 twips right.
    const double end1 = qRound(oneX + plain.textWidth(u"1"_s));
    const double end2 = qRound(twoX + plain.textWidth(u"2"_s));
    const double count = end1 - plain.textWidth(u" 26"_s);
    EXPECT_TRUE(printed(u" 26"_s, count, top) && printed(u" 30"_s, count, top + 2 * h) &&
                printed(u" 26"_s, count, top + 4 * h));
    EXPECT_TRUE(printed(u"2"_s, end1 - plain.textWidth(u"2"_s), level + h));
    EXPECT_TRUE(printed(u"18"_s, end2 - plain.textWidth(u"18"_s) + 70, level + h));

    // Bold labels after six spaces, 1000 twips below the atom; values at column 30
    // on their lines, Appearance and Name Origin unwrapped.
    for (int line = 1; line <= 29; ++line) {
        const double y = 6060 + 1000 + line * h;
        EXPECT_TRUE(printed(sheetLabel(line), 6 * plain.columnWidth(), y, true)) << line;
        const QString value = sheetValue(line, r, classNames()).text;
        EXPECT_TRUE(printed(value, 29 * plain.columnWidth(), y)) << line;
    }
}

namespace {

// A page whose bold face is a fifth taller than its regular face, as some
// installed Courier faces are: lines must still keep one pitch.
struct TallBoldPage : PageCanvas
{
    QFont resolveFont(const QString &face, int size, bool bold, bool underline) const override
    {
        return PageCanvas::resolveFont(face, bold ? size * 6 / 5 : size, bold, underline);
    }
};


} // namespace

TEST(PrintSheet, ValuesShareTheirLabelsBaselinesWhateverTheBoldFace)
{
    const ElementData &data = shippedData();
    TallBoldPage page;
    printSheet(page, data, 26, 11520);
    // Values at column 30, 120 twips a column; labels are unique texts.
    const auto baselineOf = [&page](const QString &text, double x = -1) {
        for (const PageCanvas::Item &item : page.items())
            if (item.kind == PageCanvas::Item::Text && item.text == text &&
                (x < 0 || std::abs(item.x - x) < 1))
                return item.baseline;
        ADD_FAILURE() << "not printed: " << text.toStdString();
        return -1.0;
    };
    // Fe's values, literally: each lies on its label's baseline, one pitch apart.
    const std::pair<int, const char16_t *> lines[] = {
        {1, u"4"},
        {5, u"55.845"},
        {12, u"1811"},
        {21, u"+2,+3"},
        {26, u"Anc."},
        {27, u"Known since antiquity         "},
        {29, u"Anglo-Saxon iren; the symbol Fe is from Latin ferrum"}};
    double previous = 0;
    int previousLine = 0;
    for (const auto &[line, value] : lines) {
        const double label = baselineOf(sheetLabel(line));
        EXPECT_DOUBLE_EQ(baselineOf(QString::fromUtf16(value), 3480), label) << "line " << line;
        if (previousLine) {
            EXPECT_NEAR((label - previous) / (line - previousLine), 226.5625, 0.01) << line;
        }
        previous = label;
        previousLine = line;
    }
}

TEST(PrintSheet, EveryElementsTextStaysInsideThePrintableWidth)
{
    const ElementData &data = shippedData();
    constexpr double Width = 11000;
    for (qint16 n = 1; n <= 118; ++n) {
        PageCanvas page;
        printSheet(page, data, n, Width);
        QString origin;
        for (const PageCanvas::Item &item : page.items()) {
            if (item.kind != PageCanvas::Item::Text) continue;
            EXPECT_LE(item.x + QFontMetricsF(item.font).horizontalAdvance(item.text), Width)
                << n << ": " << item.text.toStdString();
            if (item.y > page.items().back().y - 3 * 227) origin += item.text;
        }
        // Nothing is lost: the wrapped lines still make up the whole text.
        if (n == 23) {
            EXPECT_TRUE(origin.endsWith(
                u"Vanadis, a name of the Norse goddess Freyja, for its colourful compounds"_s))
                << origin.toStdString();
        }
    }
}
