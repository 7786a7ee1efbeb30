#include "controlart.h"
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

// Device pixels of the scale-2 picture unlike the 1x picture's pixel they
// would be an enlarged copy of.
int unlikeEnlarged(const QImage &once, const QImage &twice)
{
    int differing = 0;
    for (int y = 0; y < twice.height(); ++y)
        for (int x = 0; x < twice.width(); ++x)
            differing += twice.pixel(x, y) != once.pixel(x / 2, y / 2);
    return differing;
}

} // namespace

// Every face of the graphical buttons drawn at scale 2 has detail finer than a
// pixel: at least 200 of the button's 2500 device pixels differ from its 1x
// picture enlarged (at least 660 do). Each button is painted at 1x first, so
// its faces must also be drawn again when the scale changes. The same for the
// stopwatch icon, with at least 80 of its 1024 device pixels (280 do).
TEST(ScaledControls, FacesAtTwiceHaveDetailFinerThanAPixel)
{
    QWidget parent;
    using ControlArt::Picture;
    for (Picture which : {Picture::ElementTab, Picture::Print, Picture::Exit, Picture::Animate,
                          Picture::LevelColors, Picture::LevelsShown, Picture::LevelShape}) {
        for (bool down : {false, true}) {
            PictureButton button(&parent, 0xC0C0C0);
            button.setGeometry(0, 0, 25, 25);
            button.setCheckable(true);
            button.setChecked(down);
            button.setPictures(ControlArt::source(which));
            const QImage once = rendered(&button, 1);
            EXPECT_GE(unlikeEnlarged(once, rendered(&button, 2)), 200)
                << "picture " << int(which) << (down ? ", pressed in" : ", raised");
        }
    }
    const QImage once = ControlArt::speedIcon(1).toImage();
    const QImage twice = ControlArt::speedIcon(2).toImage();
    ASSERT_EQ(twice.size(), QSize(32, 32));
    EXPECT_GE(unlikeEnlarged(once, twice), 80);
}

// Borders, frames and the outline cover whole device pixels: at scale 2 each
// pixel of a border is 2 x 2 device pixels of its colour, and at 1.5 the
// opaque controls leave no device pixel unpainted.
TEST(ScaledControls, BordersCoverTheirDevicePixels)
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

    // Device pixels sampled at 2x: the box's sunken border is two 2-pixel bands
    // on each side, its first pixel (green) the block at (4, 4) and the rest
    // red; the frame's etched border starts 6 pixels down, grey over white; a
    // raised button is white at its top left, dark at its bottom right, a
    // pressed one the other way round; the outline is 4 device pixels of
    // green on each side, what lies under it between.
    const std::tuple<QWidget *, int, int, QRgb> samples[] = {
        {&box, 0, 0, 0x808080},      {&box, 1, 1, 0x808080},       {&box, 6, 0, 0x808080},
        {&box, 0, 6, 0x808080},      {&box, 6, 2, 0x404040},       {&box, 6, 3, 0x404040},
        {&box, 6, 14, 0xFFFFFF},     {&box, 14, 6, 0xFFFFFF},      {&box, 6, 12, 0xD4D0C8},
        {&box, 4, 4, 0x00FF00},      {&box, 5, 5, 0x00FF00},       {&box, 6, 4, 0xFF0000},
        {&box, 4, 6, 0xFF0000},      {&frame, 20, 11, 0x22AA11},   {&frame, 20, 12, 0x808080},
        {&frame, 20, 13, 0x808080},  {&frame, 20, 14, 0xFFFFFF},   {&frame, 20, 15, 0xFFFFFF},
        {&frame, 20, 16, 0x22AA11},  {&frame, 57, 30, 0x808080},   {&frame, 59, 30, 0xFFFFFF},
        {&frame, 20, 37, 0x808080},  {&frame, 20, 39, 0xFFFFFF},   {&button, 0, 0, 0xFFFFFF},
        {&button, 1, 1, 0xFFFFFF},   {&button, 2, 2, 0xE0E0E0},    {&button, 49, 49, 0x404040},
        {&button, 46, 20, 0x808080}, {&button, 47, 20, 0x808080},  {&button, 45, 20, 0xE0E0E0},
        {&pressed, 0, 0, 0x404040},  {&pressed, 49, 49, 0xFFFFFF}, {&outline, 3, 20, 0x00FF00},
        {&outline, 4, 20, 0xFF00FF}, {&outline, 43, 20, 0xFF00FF}, {&outline, 44, 20, 0x00FF00}};
    for (const auto &[control, x, y, rgb] : samples)
        EXPECT_EQ(rendered(control, 2).pixel(x, y), 0xFF000000 | rgb)
            << control->metaObject()->className() << " at " << x << "," << y;

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
