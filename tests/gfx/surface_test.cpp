#include "numbertext.h"
#include "pagecanvas.h"
#include "surface.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The surface's pixels as one string, '#' where it shows colour c.
QString shape(const Surface &s, Colour c)
{
    QString out;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            out += s.pixel(x, y) == c ? u'#' : u'.';
    return out;
}

} // namespace

TEST(Surface, RasterOperationsAndColourOrder)
{
    const std::tuple<Colour, Colour, RasterOp, Colour> cases[] = {
        {0x123456, 0x5A00C3, RasterOp::SrcCopy, 0x5A00C3},
        {0x123456, 0x0F0F0F, RasterOp::SrcAnd, 0x020406},
        {0xA5A5A5, 0x5A00C3, RasterOp::SrcInvert, 0xFFA566},
        {0xFFFFFF, 0xFFFFFF, RasterOp::SrcInvert, 0x000000}};
    for (const auto &[d, s, op, expected] : cases) {
        Surface dst(1, 1, d);
        dst.bitBlt(0, 0, 1, 1, Surface(1, 1, s), 0, 0, op);
        EXPECT_EQ(dst.pixel(0, 0), expected) << std::hex << d << " " << s;
        EXPECT_EQ(qAlpha(dst.image().pixel(0, 0)), 255);
    }
    // Colours are blue-green-red values: 255 is pure red on screen.
    EXPECT_EQ(toQRgb(255), qRgb(255, 0, 0));
    EXPECT_EQ(fromQRgb(qRgb(0x11, 0x93, 0xD0)), 0xD09311u);

    // Mask AND then sprite XOR leaves the background around the shape.
    Surface mask(3, 1, ColourWhite), sprite(3, 1, ColourBlack), target(3, 1, 0x808080);
    mask.setPixel(1, 0, ColourBlack);
    sprite.setPixel(1, 0, 0x3366CC);
    target.bitBlt(0, 0, 3, 1, mask, 0, 0, RasterOp::SrcAnd);
    target.bitBlt(0, 0, 3, 1, sprite, 0, 0, RasterOp::SrcInvert);
    EXPECT_EQ(shape(target, 0x808080), u"#.#"_s);
    EXPECT_EQ(target.pixel(1, 0), 0x3366CCu);
}

TEST(Surface, BlocksClipToSourceAndDestination)
{
    const Surface src(4, 4, 0x111111);
    Surface dst(5, 5, 0);
    const std::tuple<int, int, int, int, const char16_t *> cases[] = {
        {-1, -1, 0, 10, u"###..###..###............"}, // partly left of and above
        {3, 3, 2, 10, u"..................##...##"},   // past right and bottom, larger than src
        {0, 0, -2, 3, u"............#............"}};  // source origin outside the source
    for (const auto &[x, y, sx, size, expected] : cases) {
        dst.cls();
        dst.bitBlt(x, y, size, size, src, sx, sx, RasterOp::SrcCopy);
        EXPECT_EQ(shape(dst, 0x111111), QString::fromUtf16(expected)) << x << "," << y;
    }
    // A copy within one surface takes the pixels as they were before it.
    Surface row(4, 1, 0);
    for (int x = 0; x < 4; ++x)
        row.setPixel(x, 0, Colour(x + 1));
    row.bitBlt(1, 0, 3, 1, row, 0, 0, RasterOp::SrcCopy);
    EXPECT_EQ(row.pixel(3, 0), 3u);
}

TEST(Surface, ShapesIncludeBothCornersAndClip)
{
    Surface s(6, 4, 0);
    s.line(1, 1, 4, 1, 0xFF);
    EXPECT_EQ(shape(s, 0xFF), u"......"
                              ".####."
                              "......"
                              "......"_s);
    s.cls();
    s.box(1, 0, 4, 3, 0xFF);
    EXPECT_EQ(shape(s, 0xFF), u".####."
                              ".#..#."
                              ".#..#."
                              ".####."_s);
    s.cls();
    s.filledBox(4, 2, 2, 1, 0xFF); // corners in either order
    EXPECT_EQ(shape(s, 0xFF), u"......"
                              "..###."
                              "..###."
                              "......"_s);
    s.cls();
    s.filledBox(-5, -5, 100, 0, 0xFF);
    s.line(-20, 3, 30, 3, 0xFF);
    s.setPixel(-1, 1, 0xFF);
    s.setPixel(6, 1, 0xFF);
    EXPECT_EQ(shape(s, 0xFF), u"######"
                              "......"
                              "......"
                              "######"_s);
}

TEST(Surface, BackColorClearingAndResizing)
{
    Surface s(2, 2, 0x0000FF);
    s.setPixel(1, 1, 0);
    s.setBackColor(0x00FF00);
    EXPECT_EQ(shape(s, 0x00FF00), u"####"_s);
    s.setPixel(1, 1, 0);
    s.setCurrentX(3);
    s.clearPicture();
    EXPECT_EQ(std::pair(shape(s, 0x00FF00), s.currentX()), std::pair(u"####"_s, 3.0));
    s.cls();
    EXPECT_EQ(std::pair(s.currentX(), s.currentY()), std::pair(0.0, 0.0));
    // Resizing keeps the kept part and fills the new area with BackColor.
    s.setPixel(0, 0, 0xFF0000);
    s.resize(3, 1);
    EXPECT_EQ(shape(s, 0x00FF00), u".##"_s);
    EXPECT_EQ(s.pixel(0, 0), 0xFF0000u);
}

TEST(Surface, CursorFollowsThePrintListRules)
{
    Surface s(300, 200, ColourWhite);
    s.setFontSize(9.75);
    const double w = s.columnWidth(), h = s.textHeight(), ab = s.textWidth(u"Ab"_s);
    s.printStay(u"Ab"_s);
    EXPECT_EQ(std::pair(s.currentX(), s.currentY()), std::pair(ab, 0.0));
    s.spc(2);
    EXPECT_DOUBLE_EQ(s.currentX(), ab + 2 * w);
    s.tab(10);
    EXPECT_EQ(std::pair(s.currentX(), s.currentY()), std::pair(9 * w, 0.0));
    s.tab(2); // a column already passed is reached on the next line
    EXPECT_EQ(std::pair(s.currentX(), s.currentY()), std::pair(w, h));
    s.print(u"x"_s);
    EXPECT_EQ(std::pair(s.currentX(), s.currentY()), std::pair(0.0, 2 * h));
    // Text is drawn in the fore colour below and right of the cursor.
    s.setForeColor(ColourRed);
    s.setCurrentX(50);
    s.setCurrentY(100);
    s.printStay(u"MMM"_s);
    QRect ink;
    int red = 0;
    for (int y = 90; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (s.pixel(x, y) != ColourWhite)
                ink |= QRect(x, y, 1, 1), red += s.pixel(x, y) == ColourRed;
    EXPECT_TRUE(QRect(50, 100, 300, int(h)).contains(ink) && ink.width() > 20)
        << ink.x() << "," << ink.y();
    EXPECT_GT(red, 0);
}

TEST(PageCanvas, RecordsTextAndPicturesInTwips)
{
    PageCanvas page;
    page.setFontName(u"Courier"_s);
    page.setFontSize(12);
    EXPECT_EQ(page.font().pixelSize(), 240);
    page.paintPicture(Surface(8, 8, ColourRed), 200, 300);
    // 8 px are 120 twips; at 144 dots per inch 10 twips make a dot.
    QImage paper(200, 200, QImage::Format_RGB32);
    paper.fill(Qt::white);
    QPainter painter(&paper);
    page.render(painter, 144.0);
    painter.end();
    EXPECT_EQ(paper.pixel(25, 35), qRgb(255, 0, 0));
    EXPECT_EQ(paper.pixel(33, 43), qRgb(255, 255, 255));
}

TEST(NumberText, FifteenDigitsExponentsSignSpaceAndPoint)
{
    QStringList shown;
    for (double v : {1.0 / 3.0, 2.0 / 3.0, 123456789.123456789, 0.1 + 0.2, 2.5, 1800.0, -0.25, -0.0,
                     1e20, 1e-7, 6.02214076e23, 1e15})
        shown << numberText(v);
    EXPECT_EQ(shown.join(u' '), u"0.333333333333333 0.666666666666667 123456789.123457 0.3 2.5 "
                                u"1800 -0.25 0 1E+20 1E-07 6.02214076E+23 1E+15"_s);
    EXPECT_EQ(Str(26) + Str(0) + Str(-1.5), u" 26 0-1.5"_s);
}
