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
    s.resize(3, 1); // the kept part stays, the new area takes BackColor
    EXPECT_EQ(std::tuple(shapes.join(u' '), s.currentX(), shape(s, 0x00FF00), s.pixel(0, 0)),
              std::tuple(u"##/## ##/##"_s, 3.0, u".##"_s, 0xFF0000u));

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

// A packed picture reads, paints, copies and takes drawing as it did before:
// its bands are unpacked alone, or all together when it is drawn on.
TEST(Surface, PackedPictureKeepsEveryPixel)
{
    Surface s(9, 3, 0x102030);
    const Colour row0[9] = {1, 2, 2, 3, 3, 3, 0xFFFFFF, 0, 0};
    for (int x = 0; x < 9; ++x)
        s.setPixel(x, 0, row0[x]);
    s.setPixel(0, 1, 0x0000FF);
    s.setPixel(3, 1, 0x00FF00);
    s.setPixel(6, 2, 0xFFFFFF);
    const QString before = shape(s, 0x102030);
    s.pack();
    ASSERT_TRUE(s.isPacked());
    const Surface copy = s;

    // Rows 1 and 2 from x = 2 to 7, painted one pixel left of where they lie on
    // a grey picture; the rest stays grey.
    QImage target(9, 3, QImage::Format_RGB32);
    target.fill(0xFF808080);
    {
        QPainter p(&target);
        s.paintArea(p, QPoint(-1, 0), QRect(2, 1, 6, 2));
    }
    EXPECT_TRUE(s.isPacked());
    EXPECT_EQ((std::array{target.pixel(0, 1), target.pixel(1, 1), target.pixel(2, 1),
                          target.pixel(6, 1), target.pixel(7, 1), target.pixel(5, 2),
                          target.pixel(6, 2), target.pixel(1, 0), target.pixel(3, 0)}),
              (std::array<QRgb, 9>{0xFF808080, 0xFF302010, 0xFF00FF00, 0xFF302010, 0xFF808080,
                                   0xFFFFFFFF, 0xFF302010, 0xFF808080, 0xFF808080}));

    // A tall area is painted band by band, every row once and in its place.
    Surface tall(1, 40, 0);
    for (int y = 0; y < 40; ++y)
        tall.setPixel(0, y, Colour(0x010000 * (y + 1)));
    tall.pack();
    QImage column(1, 40, QImage::Format_RGB32);
    column.fill(0xFF808080);
    {
        QPainter p(&column);
        tall.paintArea(p, QPoint(0, 0), QRect(0, 3, 1, 33)); // the last band one row high
    }
    QString blues;
    for (int y = 0; y < 40; ++y)
        blues += QString::number(qBlue(column.pixel(0, y))) + u' ';
    EXPECT_EQ(blues, u"128 128 128 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 "
                     u"27 28 29 30 31 32 33 34 35 36 128 128 128 128 "_s);
    EXPECT_EQ(std::tuple(tall.pixel(0, 17), tall.pixel(0, 39)), std::tuple(0x120000u, 0x280000u));

    std::array<Colour, 9> read{};
    for (int x = 0; x < 9; ++x)
        read[x] = copy.pixel(x, 0);
    EXPECT_EQ(read, (std::array<Colour, 9>{1, 2, 2, 3, 3, 3, 0xFFFFFF, 0, 0}));
    EXPECT_EQ(std::tuple(shape(copy, 0x102030), copy.pixel(0, 1), copy.pixel(6, 2)),
              std::tuple(before, 0x0000FFu, 0xFFFFFFu));
    EXPECT_FALSE(copy.isPacked());

    // Drawing unpacks first; a resize keeps the kept part; clearing leaves BackColor.
    Surface drawn = s, resized = s, cleared = s;
    drawn.setPixel(8, 1, 0xABCDEF);
    resized.resize(4, 4);
    cleared.clearPicture();
    EXPECT_EQ(std::tuple(drawn.pixel(5, 0), drawn.pixel(8, 1), drawn.pixel(7, 1)),
              std::tuple(3u, 0xABCDEFu, 0x102030u));
    EXPECT_EQ(shape(resized, 0x102030), u"..../.##./####/####"_s);
    EXPECT_EQ(shape(cleared, 0x102030), u"#########/#########/#########"_s);
}

// A packed picture stored as bytes comes back whole into another surface, which
// keeps its own background and text settings; bytes of any other shape do not.
TEST(Surface, PackedPictureStoredAsBytesComesBackWhole)
{
    Surface tall(3, 20, 0x102030); // two bands: 16 rows and 4
    tall.setPixel(2, 0, 0xFFFFFF);
    tall.setPixel(0, 17, 0x0000FF);
    const QByteArray bytes = tall.packed().toBytes();
    EXPECT_FALSE(tall.isPacked()) << "packed() leaves the picture as it is";

    Surface into(5, 5, 0xABCDEF);
    into.setFontSize(12);
    // Stored after other bytes, and read from where it starts.
    into.setPacked(PackedImage::fromBytes("ahead" + bytes, 5, 3, 20));
    EXPECT_TRUE(into.isPacked());
    EXPECT_EQ(std::tuple(into.width(), into.height(), into.backColor(), into.fontSize()),
              std::tuple(3, 20, 0xABCDEFu, 12.0));
    EXPECT_EQ(shape(into, 0x102030), u"##./"_s + u"###/"_s.repeated(16) + u".##/###/###"_s);

    // Each band is its size, then qCompress's bytes, which begin with the
    // unpacked size: 16 rows of 12 bytes in the first band.
    EXPECT_EQ(bytes.mid(4, 4), QByteArray("\0\0\0\xC0", 4));
    QByteArray otherSize = bytes;
    otherSize[7] = char(0xC4);
    const std::pair<QByteArray, QSize> refused[] = {
        {bytes, {3, 19}},        {bytes, {4, 20}},
        {bytes, {3, 33}},        {bytes.chopped(1), {3, 20}},
        {bytes + '\0', {3, 20}}, {otherSize, {3, 20}},
        {{}, {3, 20}},           {bytes, {0, 20}}};
    EXPECT_TRUE(PackedImage::fromBytes(bytes, 1, 3, 20).isNull());
    EXPECT_TRUE(PackedImage::fromBytes(bytes, -1, 3, 20).isNull());
    EXPECT_EQ(PackedImage::fromBytes(bytes, 0, 3, 20).toBytes(), bytes);
    for (const auto &[b, size] : refused)
        EXPECT_TRUE(PackedImage::fromBytes(b, 0, size.width(), size.height()).isNull())
            << b.size() << " bytes as " << size.width() << "x" << size.height();

    Surface kept(2, 2, 0x0000FF);
    kept.setPacked(PackedImage());
    EXPECT_EQ(shape(kept, 0x0000FF), u"##/##"_s) << "a null image changes nothing";
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
