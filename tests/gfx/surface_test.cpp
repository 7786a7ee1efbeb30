#include "numbertext.h"
#include "surface.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <array>

using namespace Qt::StringLiterals;

namespace {

// The surface's pixels row by row, '#' where it shows colour c, '/' between rows.
QString shape(const Surface &s, Colour c)
{
    QString out;
    for (int y = 0; y < s.height(); ++y) {
        if (y) out += u'/';
        for (int x = 0; x < s.width(); ++x)
            out += s.pixel(x, y) == c ? u'#' : u'.';
    }
    return out;
}

} // namespace

TEST(Surface, RasterOperations)
{
    const std::tuple<Colour, Colour, RasterOp, Colour> cases[] = {
        {0x123456, 0x5A00C3, RasterOp::SrcCopy, 0x5A00C3},
        {0x123456, 0x0F0F0F, RasterOp::SrcAnd, 0x020406},
        {0xA5A5A5, 0x5A00C3, RasterOp::SrcInvert, 0xFFA566},
        {0xFFFFFF, 0xFFFFFF, RasterOp::SrcInvert, 0x000000}};
    for (const auto &[d, s, op, expected] : cases) {
        Surface dst(1, 1, d);
        dst.bitBlt(0, 0, 1, 1, Surface(1, 1, s), 0, 0, op);
        EXPECT_EQ(std::pair(dst.pixel(0, 0), qAlpha(dst.image().pixel(0, 0))),
                  std::pair(expected, 255))
            << std::hex << d << " " << s;
    }
}

TEST(Surface, BlocksClipToSourceAndDestination)
{
    const Surface src(4, 4, 0x111111);
    Surface dst(5, 5, 0);
    const std::tuple<int, int, int, int, const char16_t *> cases[] = {
        {-1, -1, 0, 10, u"###../###../###../...../....."}, // partly left of and above
        {3, 3, 2, 10, u"...../...../...../...##/...##"},   // past right and bottom, larger than src
        {0, 0, -2, 3, u"...../...../..#../...../....."}};  // source origin outside the source
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

    // A sprite: AND with the mask, then XOR with the sprite, clipped at the
    // edges of the picture and of the sprite, the buffer's alpha kept opaque.
    Surface mask(2, 2, 0x0F0F0F), sprite(2, 2, 0x5A00C3);
    mask.setPixel(0, 0, 0xFFFFFF);
    sprite.setPixel(1, 1, 0x000000);
    Surface picture(4, 3, 0xA5A5A5);
    picture.drawSprite(-1, -1, 2, 2, mask, sprite); // only its lower right pixel shows
    picture.drawSprite(2, 0, 9, 9, mask, sprite);   // all of it, no more
    picture.drawSprite(1, 2, 1, 2, mask, sprite);   // the top of its left column
    EXPECT_EQ(shape(picture, 0xA5A5A5), u".#../##../#.##"_s);
    EXPECT_EQ((std::array{picture.pixel(0, 0), picture.pixel(2, 0), picture.pixel(3, 1),
                          picture.pixel(1, 2)}),
              (std::array<Colour, 4>{0x050505, 0xFFA566, 0x050505, 0xFFA566}));
    const auto *bits = reinterpret_cast<const quint32 *>(picture.image().constScanLine(0));
    EXPECT_EQ(bits[2] >> 24, 0xFFu);
}

TEST(Surface, ShapesIncludeBothCornersAndClip)
{
    Surface line(6, 4, 0), box(6, 4, 0), filled(6, 4, 0), clipped(6, 4, 0);
    line.line(1, 1, 4, 1, 0xFF);
    box.box(1, 0, 4, 3, 0xFF);
    filled.filledBox(4, 2, 2, 1, 0xFF); // corners in either order
    clipped.filledBox(-5, -5, 100, 0, 0xFF);
    clipped.line(-20, 3, 30, 3, 0xFF);
    clipped.setPixel(-1, 1, 0xFF);
    clipped.setPixel(6, 1, 0xFF);
    EXPECT_EQ(shape(line, 0xFF) + u' ' + shape(box, 0xFF),
              u"....../.####./....../...... .####./.#..#./.#..#./.####."_s);
    EXPECT_EQ(shape(filled, 0xFF) + u' ' + shape(clipped, 0xFF),
              u"....../..###./..###./...... ######/....../....../######"_s);
}

TEST(Surface, BackColorClearingResizingAndTheCursor)
{
    Surface s(2, 2, 0x0000FF);
    s.setPixel(1, 1, 0);
    s.setBackColor(0x00FF00); // clears to the new colour
    s.setCurrentX(3);
    QStringList shapes = {shape(s, 0x00FF00)};
    s.setPixel(1, 1, 0);
    s.clearPicture(); // the cursor stays
    shapes << shape(s, 0x00FF00);
    s.setPixel(0, 0, 0xFF0000);
    s.setPixel(1, 0, 0);
    s.resize(3, 1); // the kept part stays, the new area takes BackColor
    EXPECT_EQ(std::tuple(shapes.join(u' '), s.currentX(), shape(s, 0x00FF00), s.pixel(0, 0)),
              std::tuple(u"##/## ##/##"_s, 3.0, u"..#"_s, 0xFF0000u));

    // The print-list rules: a column already passed is reached on the next line.
    s.setFontSize(9.75);
    s.cls();
    const double w = s.columnWidth(), h = s.textHeight(), ab = s.textWidth(u"Ab"_s);
    std::vector<std::pair<double, double>> at;
    const auto mark = [&] { at.emplace_back(s.currentX(), s.currentY()); };
    s.printStay(u"Ab"_s), s.spc(2), mark(), s.tab(10), mark(), s.tab(2), mark();
    s.print(u"x"_s), mark();
    EXPECT_EQ(at, (std::vector<std::pair<double, double>>{
                      {ab + 2 * w, 0}, {9 * w, 0}, {w, h}, {0, 2 * h}}));
}

// Painting a part of a picture, and copies that keep their own pixels.
TEST(Surface, PaintsAPartAndCopiesStayApart)
{
    Surface s(9, 3, 0x102030);
    s.setPixel(0, 1, 0x0000FF);
    s.setPixel(3, 1, 0x00FF00);
    s.setPixel(6, 2, 0xFFFFFF);
    const Surface copy = s;

    // Rows 1 and 2 from x = 2 to 7, painted one pixel left of where they lie on
    // a grey picture; the rest stays grey.
    QImage target(9, 3, QImage::Format_RGB32);
    target.fill(0xFF808080);
    {
        QPainter p(&target);
        s.paintArea(p, QPoint(-1, 0), QRect(2, 1, 6, 2));
    }
    EXPECT_EQ((std::array{target.pixel(0, 1), target.pixel(1, 1), target.pixel(2, 1),
                          target.pixel(6, 1), target.pixel(7, 1), target.pixel(5, 2),
                          target.pixel(6, 2), target.pixel(1, 0), target.pixel(3, 0)}),
              (std::array<QRgb, 9>{0xFF808080, 0xFF302010, 0xFF00FF00, 0xFF302010, 0xFF808080,
                                   0xFFFFFFFF, 0xFF302010, 0xFF808080, 0xFF808080}));

    // Drawing on the original leaves the copy as it was.
    s.setPixel(8, 1, 0xABCDEF);
    s.filledBox(0, 2, 1, 2, 0x0000FF);
    EXPECT_EQ(std::tuple(shape(copy, 0x102030), s.pixel(8, 1), s.pixel(1, 2)),
              std::tuple(u"#########/.##.#####/######.##"_s, 0xABCDEFu, 0x0000FFu));
}

TEST(NumberText, FifteenDigitsExponentsSignSpaceAndPoint)
{
    QStringList shown;
    for (double v : {1.0 / 3.0, 2.0 / 3.0, 123456789.123456789, 0.1 + 0.2, 2.5, 1800.0, -0.25, -0.0,
                     1e20, 1e-7, 6.02214076e23, 1e15, 999999999999999.0, -26.0, -1e15})
        shown << numberText(v);
    EXPECT_EQ(shown.join(u' '), u"0.333333333333333 0.666666666666667 123456789.123457 0.3 2.5 "
                                u"1800 -0.25 0 1E+20 1E-07 6.02214076E+23 1E+15 999999999999999 "
                                u"-26 -1E+15"_s);
    EXPECT_EQ(Str(26) + Str(0) + Str(-1.5), u" 26 0-1.5"_s);
}
