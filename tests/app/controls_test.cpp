#include "controls.h"
#include "picturebox.h"

#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// The control painted as on a screen scaled by 2: device pixels, 2 per pixel.
QImage paintedAtTwice(QWidget &control)
{
    QImage image(control.size() * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    image.fill(Qt::magenta);
    control.render(&image);
    image.setDevicePixelRatio(1);
    return image;
}

QRgb rgb(int r, int g, int b)
{
    return qRgb(r, g, b);
}

} // namespace

// At 2x a bordered picture box's sunken border is two whole 2-pixel bands on
// each side and its picture is each of its pixels as a 2 x 2 block.
TEST(PixelExactControls, BorderedPictureBoxAtTwiceIsWholeBlocks)
{
    QWidget parent;
    PictureBox box(&parent, QRect(0, 0, 8, 8), 0x0000FF, true);
    box.surface().setPixel(0, 0, 0x00FF00);
    const QImage image = paintedAtTwice(box);
    ASSERT_EQ(image.size(), QSize(16, 16));

    for (int d : {0, 1}) {
        EXPECT_EQ(image.pixel(6, d), rgb(128, 128, 128)) << "outer top, row " << d;
        EXPECT_EQ(image.pixel(d, 6), rgb(128, 128, 128)) << "outer left, column " << d;
        EXPECT_EQ(image.pixel(6, 2 + d), rgb(64, 64, 64)) << "inner top, row " << 2 + d;
        EXPECT_EQ(image.pixel(6, 14 + d), rgb(255, 255, 255)) << "outer bottom, row " << 14 + d;
        EXPECT_EQ(image.pixel(14 + d, 6), rgb(255, 255, 255)) << "outer right";
        EXPECT_EQ(image.pixel(6, 12 + d), rgb(212, 208, 200)) << "inner bottom, row " << 12 + d;
    }
    // The picture starts inside the border: its first pixel (green) is the block
    // at (4, 4), the next one is the red background.
    for (int y : {4, 5})
        for (int x : {4, 5})
            EXPECT_EQ(image.pixel(x, y), rgb(0, 255, 0)) << x << "," << y;
    EXPECT_EQ(image.pixel(6, 4), rgb(255, 0, 0));
    EXPECT_EQ(image.pixel(4, 6), rgb(255, 0, 0));
}

// Every 2 x 2 block of each control painted at 2x is one colour: no line falls
// across device pixels, nothing is smoothed.
TEST(PixelExactControls, FramesButtonsAndOutlinesAtTwiceAreWholeBlocks)
{
    QWidget parent;
    ColourFrame frame(&parent, 0x11AA22, true);
    frame.setGeometry(0, 0, 30, 20);
    PictureButton button(&parent, 0xE0E0E0);
    button.setGeometry(0, 0, 25, 25);
    button.setCheckable(true);
    PictureButton pressed(&parent, 0xE0E0E0);
    pressed.setGeometry(0, 0, 25, 25);
    pressed.setCheckable(true);
    pressed.setChecked(true);
    OutlineShape outline(&parent, 0x00FF00, 2);
    outline.setGeometry(0, 0, 24, 23);

    for (QWidget *control : std::initializer_list<QWidget *>{&frame, &button, &pressed, &outline}) {
        const QImage image = paintedAtTwice(*control);
        int broken = 0;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2) {
                const QRgb c = image.pixel(x, y);
                broken += image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c ||
                          image.pixel(x + 1, y + 1) != c;
            }
        EXPECT_EQ(broken, 0) << control->metaObject()->className();
    }
    // Spot checks: the frame's etched border starts 6 pixels down, grey over white;
    // a raised button is white at its top left, dark at its bottom right.
    const QImage f = paintedAtTwice(frame);
    EXPECT_EQ(f.pixel(20, 12), rgb(128, 128, 128));
    EXPECT_EQ(f.pixel(20, 14), rgb(255, 255, 255));
    EXPECT_EQ(f.pixel(20, 16), rgb(0x22, 0xAA, 0x11));
    const QImage b = paintedAtTwice(button);
    EXPECT_EQ(b.pixel(0, 0), rgb(255, 255, 255));
    EXPECT_EQ(b.pixel(49, 49), rgb(64, 64, 64));
    EXPECT_EQ(b.pixel(46, 20), rgb(128, 128, 128));
    // The outline is 2 pixels wide: 4 device pixels of green, then what lies under it.
    const QImage o = paintedAtTwice(outline);
    EXPECT_EQ(o.pixel(3, 20), rgb(0, 255, 0));
    EXPECT_EQ(o.pixel(4, 20), rgb(255, 0, 255));
}
