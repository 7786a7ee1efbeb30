#include "pagecanvas.h"
#include "surface.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

bool allOpaque(const Surface &s)
{
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (qAlpha(s.image().pixel(x, y)) != 255)
                return false;
    return true;
}

int countPixels(const Surface &s, Colour colour)
{
    int n = 0;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            n += s.pixel(x, y) == colour;
    return n;
}

} // namespace

TEST(SurfaceRasterOps, EachOperationIsExactPerPixel)
{
    const Colour dstValues[] = {0x000000, 0x123456, 0xFFFFFF, 0xA5A5A5};
    const Colour srcValues[] = {0x000000, 0x0F0F0F, 0xFFFFFF, 0x5A00C3};
    for (Colour d : dstValues) {
        for (Colour s : srcValues) {
            Surface src(1, 1, s);
            for (RasterOp op : {RasterOp::SrcCopy, RasterOp::SrcAnd, RasterOp::SrcInvert}) {
                Surface dst(1, 1, d);
                dst.bitBlt(0, 0, 1, 1, src, 0, 0, op);
                const Colour expected = op == RasterOp::SrcCopy  ? s
                                        : op == RasterOp::SrcAnd ? (d & s)
                                                                 : (d ^ s);
                EXPECT_EQ(dst.pixel(0, 0), expected) << std::hex << d << " " << s << " " << int(op);
                EXPECT_TRUE(allOpaque(dst));
            }
        }
    }
    // Colours are blue-green-red values: 255 is pure red on screen.
    EXPECT_EQ(toQRgb(255), qRgb(255, 0, 0));
    EXPECT_EQ(fromQRgb(qRgb(0x11, 0x93, 0xD0)), 0xD09311u);
}

TEST(SurfaceRasterOps, MaskThenSpriteLeavesTheBackgroundAroundTheShape)
{
    // A 3x1 sprite: the middle pixel is the shape.
    Surface mask(3, 1, ColourWhite);
    mask.setPixel(1, 0, ColourBlack);
    Surface sprite(3, 1, ColourBlack);
    sprite.setPixel(1, 0, 0x3366CC);
    for (Colour background : {Colour(0x000000), Colour(0x808080), Colour(0xFFFFFF)}) {
        Surface target(5, 3, background);
        target.bitBlt(1, 1, 3, 1, mask, 0, 0, RasterOp::SrcAnd);
        target.bitBlt(1, 1, 3, 1, sprite, 0, 0, RasterOp::SrcInvert);
        EXPECT_EQ(target.pixel(2, 1), 0x3366CCu) << background;
        EXPECT_EQ(target.pixel(1, 1), background);
        EXPECT_EQ(target.pixel(3, 1), background);
        EXPECT_EQ(countPixels(target, background), 14);
    }
}

TEST(SurfaceRasterOps, BlocksClipToSourceAndDestination)
{
    Surface src(4, 4, 0x111111);
    src.setPixel(0, 0, 0x222222);
    src.setPixel(3, 3, 0x333333);
    Surface dst(6, 6, 0);
    // Partly left of and above the destination.
    dst.bitBlt(-1, -1, 4, 4, src, 0, 0, RasterOp::SrcCopy);
    EXPECT_EQ(dst.pixel(0, 0), 0x111111u);
    EXPECT_EQ(dst.pixel(2, 2), 0x333333u);
    EXPECT_EQ(dst.pixel(3, 3), 0u);
    EXPECT_EQ(countPixels(dst, 0), 36 - 9);
    // Past the right and bottom edges, and a rectangle larger than the source.
    dst.cls();
    dst.bitBlt(4, 4, 10, 10, src, 2, 2, RasterOp::SrcCopy);
    EXPECT_EQ(dst.pixel(4, 4), 0x111111u);
    EXPECT_EQ(dst.pixel(5, 5), 0x333333u);
    EXPECT_EQ(countPixels(dst, 0), 32);
    // A source origin outside the source moves the written area with it.
    dst.cls();
    dst.bitBlt(0, 0, 3, 3, src, -2, -2, RasterOp::SrcCopy);
    EXPECT_EQ(dst.pixel(2, 2), 0x222222u);
    EXPECT_EQ(countPixels(dst, 0), 35);
    // A copy within one surface takes the pixels as they were before it.
    Surface row(4, 1, 0);
    for (int x = 0; x < 4; ++x)
        row.setPixel(x, 0, Colour(x + 1));
    row.bitBlt(1, 0, 3, 1, row, 0, 0, RasterOp::SrcCopy);
    EXPECT_EQ(row.pixel(3, 0), 3u);
}

TEST(SurfaceShapes, LinesAndBoxesIncludeBothCornersAndClip)
{
    Surface s(10, 10, 0);
    s.line(1, 1, 4, 1, 0xFF);
    EXPECT_EQ(countPixels(s, 0xFF), 4);
    EXPECT_EQ(s.pixel(4, 1), 0xFFu);
    s.cls();
    s.box(2, 3, 5, 7, 0xFF);
    EXPECT_EQ(countPixels(s, 0xFF), 2 * 4 + 2 * 3);
    EXPECT_EQ(s.pixel(5, 7), 0xFFu);
    EXPECT_EQ(s.pixel(3, 4), 0u);
    s.cls();
    s.filledBox(5, 7, 2, 3, 0xFF);
    EXPECT_EQ(countPixels(s, 0xFF), 4 * 5);
    s.cls();
    s.filledBox(-5, -5, 100, 1, 0xFF);
    s.line(-20, 5, 30, 5, 0xFF);
    s.setPixel(-1, 0, 0xFF);
    s.setPixel(10, 0, 0xFF);
    EXPECT_EQ(countPixels(s, 0xFF), 20 + 10);
    EXPECT_EQ(s.pixel(-1, 0), 0u);
}

TEST(SurfaceBackground, BackColorAndClearingResetTheImage)
{
    Surface s(5, 5, 0x0000FF);
    s.setPixel(1, 1, 0);
    s.setBackColor(0x00FF00);
    EXPECT_EQ(countPixels(s, 0x00FF00), 25);
    s.setPixel(1, 1, 0);
    s.setCurrentX(3);
    s.clearPicture();
    EXPECT_EQ(countPixels(s, 0x00FF00), 25);
    EXPECT_EQ(s.currentX(), 3);
    s.cls();
    EXPECT_EQ(s.currentX(), 0);
    EXPECT_EQ(s.currentY(), 0);
    // Resizing keeps the kept part and fills the new area with BackColor.
    s.setPixel(0, 0, 0xFF0000);
    s.resize(8, 2);
    EXPECT_EQ(s.pixel(0, 0), 0xFF0000u);
    EXPECT_EQ(s.pixel(7, 1), 0x00FF00u);
    EXPECT_TRUE(allOpaque(s));
}

TEST(SurfaceText, CursorFollowsThePrintListRules)
{
    Surface s(300, 200, ColourWhite);
    s.setFontSize(9.75);
    const double w = s.columnWidth();
    const double h = s.textHeight();

    s.printStay(QStringLiteral("Ab"));
    EXPECT_DOUBLE_EQ(s.currentX(), s.textWidth(QStringLiteral("Ab")));
    EXPECT_EQ(s.currentY(), 0);
    s.spc(2);
    EXPECT_DOUBLE_EQ(s.currentX(), s.textWidth(QStringLiteral("Ab")) + 2 * w);
    s.tab(10);
    EXPECT_DOUBLE_EQ(s.currentX(), 9 * w);
    EXPECT_EQ(s.currentY(), 0);
    // A column already passed is reached on the next line.
    s.tab(2);
    EXPECT_DOUBLE_EQ(s.currentX(), w);
    EXPECT_DOUBLE_EQ(s.currentY(), h);
    s.print(QStringLiteral("x"));
    EXPECT_EQ(s.currentX(), 0);
    EXPECT_DOUBLE_EQ(s.currentY(), 2 * h);
    // Text is drawn in the fore colour below and right of the cursor.
    s.setForeColor(ColourRed);
    s.setCurrentX(50);
    s.setCurrentY(100);
    s.printStay(QStringLiteral("MMM"));
    QRect ink;
    int red = 0;
    for (int y = 90; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) {
            if (s.pixel(x, y) != ColourWhite)
                ink |= QRect(x, y, 1, 1);
            red += s.pixel(x, y) == ColourRed;
        }
    EXPECT_GT(red, 0);
    EXPECT_TRUE(QRect(50, 100, 300, int(h)).contains(ink)) << ink.x() << "," << ink.y();
    EXPECT_GT(ink.width(), 20);
}

TEST(PageCanvas, RecordsTextAndPicturesInTwips)
{
    PageCanvas page;
    page.setFontName(QStringLiteral("Courier"));
    page.setFontSize(12);
    EXPECT_EQ(page.font().pixelSize(), 240);
    page.paintPicture(Surface(8, 8, ColourRed), 200, 300);

    // Rendering maps twips to device dots: 8 px * 15 twips at 1440 twips per inch.
    QImage paper(200, 200, QImage::Format_RGB32);
    paper.fill(Qt::white);
    QPainter painter(&paper);
    page.render(painter, 144.0); // 10 twips per dot
    painter.end();
    EXPECT_EQ(paper.pixel(20 + 5, 30 + 5), qRgb(255, 0, 0));
    EXPECT_EQ(paper.pixel(20 + 13, 30 + 13), qRgb(255, 255, 255));
}
