#include "controls.h"
#include "picturebox.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// The control painted into a picture of device scale `scale` (its device pixels
// filled with magenta first, so that what it leaves unpainted shows).
QImage rendered(QWidget *control, double scale)
{
    QImage image((QSizeF(control->size()) * scale).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::magenta);
    control->render(&image);
    return image;
}

} // namespace

// Borders, frames and the outline cover whole device pixels: at 1.5 the opaque
// controls leave no device pixel unpainted, and at 2 the outline's pixels are
// 2 x 2 device pixels (the window's borders at 2x are in the golden pictures).
TEST(ScaledControls, BordersCoverTheirDevicePixels)
{
    QWidget parent;
    PictureBox box(&parent, QRect(0, 0, 8, 8), 0x0000FF, true);
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

    // At 2x the outline is 4 device pixels of green on each side, what lies
    // under it between.
    const QImage outlined = rendered(&outline, 2);
    for (const auto &[x, rgb] :
         {std::pair{3, 0x00FF00u}, {4, 0xFF00FFu}, {43, 0xFF00FFu}, {44, 0x00FF00u}})
        EXPECT_EQ(outlined.pixel(x, 20), 0xFF000000 | rgb) << x;

    for (QWidget *control : std::initializer_list<QWidget *>{&box, &frame, &button, &pressed}) {
        const QImage image = rendered(control, 1.5);
        int unpainted = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                unpainted += image.pixel(x, y) == 0xFFFF00FF;
        EXPECT_EQ(unpainted, 0) << control->metaObject()->className();
    }
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
        return [&drawn, raised, pressedIn](bool down, double) {
            ++drawn[down ? 1 : 0];
            QPixmap face(24, 24);
            face.fill(QColor::fromRgb(down ? pressedIn : raised));
            return face;
        };
    };
    // The centre pixel of the painted button (picture, not face colour), then
    // how often each face has been drawn.
    const auto painted = [&button, &drawn] {
        QImage image(button.size(), QImage::Format_RGB32);
        button.render(&image);
        return std::tuple(image.pixel(12, 12) & 0xFFFFFF, drawn[0], drawn[1]);
    };

    button.setPictures(source(0xFF0000, 0x0000FF));
    EXPECT_EQ(std::pair(drawn[0], drawn[1]), std::pair(0, 0));
    for (int paint = 0; paint < 2; ++paint)
        EXPECT_EQ(painted(), std::tuple(0xFF0000u, 1, 0)) << paint;
    button.setChecked(true);
    EXPECT_EQ(painted(), std::tuple(0x0000FFu, 1, 1));
    button.setChecked(false);
    EXPECT_EQ(painted(), std::tuple(0xFF0000u, 1, 1));
    button.setPictures(source(0x00FF00, 0xFFFF00));
    EXPECT_EQ(painted(), std::tuple(0x00FF00u, 2, 1));
}
