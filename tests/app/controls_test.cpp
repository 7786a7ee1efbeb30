#include "controls.h"
#include "picturebox.h"

#include <QImage>

#include <gtest/gtest.h>

// Each control painted at 2x is whole 2 x 2 blocks of one colour: no line falls
// across device pixels, nothing is smoothed.
TEST(PixelExactControls, ControlsAtTwiceAreWholeBlocks)
{
    QWidget parent;
    PictureBox box(&parent, QRect(0, 0, 8, 8), 0x0000FF, true);
    box.surface().setPixel(0, 0, 0x00FF00);
    ColourFrame frame(&parent, 0x11AA22, true);
    frame.setGeometry(0, 0, 30, 20);
    PictureButton button(&parent, 0xE0E0E0), pressed(&parent, 0xE0E0E0);
    for (PictureButton *b : {&button, &pressed}) {
        b->setGeometry(0, 0, 25, 25);
        b->setCheckable(true);
    }
    pressed.setChecked(true);
    OutlineShape outline(&parent, 0x00FF00, 2);
    outline.setGeometry(0, 0, 24, 23);

    // Device pixels sampled: the box's sunken border is two 2-pixel bands on each
    // side, its first pixel (green) the block at (4, 4) and the rest red; the
    // frame's etched border starts 6 pixels down, grey over white; a raised
    // button is white at its top left, dark at its bottom right; the outline is
    // 4 device pixels of green, then what lies under it.
    const auto rendered = [](QWidget *control) {
        QImage image(control->size() * 2, QImage::Format_RGB32);
        image.setDevicePixelRatio(2);
        image.fill(Qt::magenta);
        control->render(&image);
        return image;
    };
    for (QWidget *control :
         std::initializer_list<QWidget *>{&box, &frame, &button, &pressed, &outline}) {
        const QImage image = rendered(control);
        int broken = 0; // pixels unlike the top left one of their 2 x 2 block
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                broken += image.pixel(x, y) != image.pixel(x & ~1, y & ~1);
        EXPECT_EQ(broken, 0) << control->metaObject()->className();
    }
    const std::tuple<QWidget *, int, int, QRgb> samples[] = {
        {&box, 6, 0, 0x808080},      {&box, 0, 6, 0x808080},      {&box, 6, 2, 0x404040},
        {&box, 6, 14, 0xFFFFFF},     {&box, 14, 6, 0xFFFFFF},     {&box, 6, 12, 0xD4D0C8},
        {&box, 4, 4, 0x00FF00},      {&box, 6, 4, 0xFF0000},      {&box, 4, 6, 0xFF0000},
        {&frame, 20, 12, 0x808080},  {&frame, 20, 14, 0xFFFFFF},  {&frame, 20, 16, 0x22AA11},
        {&button, 0, 0, 0xFFFFFF},   {&button, 49, 49, 0x404040}, {&button, 46, 20, 0x808080},
        {&outline, 3, 20, 0x00FF00}, {&outline, 4, 20, 0xFF00FF}};
    for (const auto &[control, x, y, rgb] : samples)
        EXPECT_EQ(rendered(control).pixel(x, y), 0xFF000000 | rgb)
            << control->metaObject()->className() << " at " << x << "," << y;
}

// A face is drawn when it is first painted, once: the raised one for an
// unchecked button, the pressed-in one only once it is checked, and both again
// after new pictures are given.
TEST(PictureButtonFaces, EachFaceIsDrawnWhenFirstPaintedAndKept)
{
    QWidget parent;
    PictureButton button(&parent, 0xE0E0E0);
    button.setGeometry(0, 0, 25, 25);
    button.setCheckable(true);
    int drawn[2] = {0, 0};
    const auto source = [&drawn](QRgb raised, QRgb pressedIn) {
        return [&drawn, raised, pressedIn](bool down) {
            ++drawn[down ? 1 : 0];
            QPixmap face(24, 24);
            face.fill(QColor::fromRgb(down ? pressedIn : raised));
            return face;
        };
    };
    // The centre pixel of the painted button: picture, not face colour.
    const auto centre = [&button] {
        QImage image(button.size(), QImage::Format_RGB32);
        button.render(&image);
        return image.pixel(12, 12) & 0xFFFFFF;
    };

    button.setPictures(source(0xFF0000, 0x0000FF));
    EXPECT_EQ(drawn[0], 0);
    EXPECT_EQ(centre(), 0xFF0000u);
    EXPECT_EQ(centre(), 0xFF0000u);
    EXPECT_EQ(drawn[0], 1);
    EXPECT_EQ(drawn[1], 0);

    button.setChecked(true);
    EXPECT_EQ(centre(), 0x0000FFu);
    EXPECT_EQ(drawn[1], 1);
    button.setChecked(false);
    EXPECT_EQ(centre(), 0xFF0000u);
    EXPECT_EQ(drawn[0], 1);

    button.setPictures(source(0x00FF00, 0xFFFF00));
    EXPECT_EQ(centre(), 0x00FF00u);
    EXPECT_EQ(drawn[0], 2);
}
