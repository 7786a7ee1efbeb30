#pragma once

#include "canvas.h"
#include "colour.h"

#include <QImage>

#include <functional>
#include <memory>

class QPainter;

// A picture surface: an owned 32-bit pixel buffer that keeps what is drawn on it
// (the persistent image), with a background colour, block transfers, pixels,
// lines, boxes and cursor text. Every call clips at the edges and never writes
// outside the buffer. Pixels read and written through this interface are
// blue-green-red colour values; the alpha byte of the buffer is always opaque.
//
// Coordinates are logical pixels; the buffer holds `scale` device pixels to
// each of them (any factor of 1 or more). Logical pixel x covers the device
// columns from round(x * scale) up to round((x + 1) * scale), so at scale 1
// every operation works on exactly the pixels it names. At other scales text
// is drawn at the scaled size, and pixels, lines and boxes cover their device
// pixels; pictures of the same scale combine device pixel by device pixel.
class Surface : public Canvas
{
public:
    explicit Surface(int width = 0, int height = 0, Colour backColor = ColourBlack,
                     double scale = 1.0);
    Surface(const Surface &other);
    Surface(Surface &&other) noexcept;
    Surface &operator=(const Surface &other);
    Surface &operator=(Surface &&other) noexcept;
    ~Surface() override;

    int width() const override { return m_width; }
    int height() const override { return m_height; }
    double scale() const { return m_scale; }
    void resize(int width, int height) override;

    Colour backColor() const override { return m_backColor; }
    void setBackColor(Colour colour) override;
    void clearPicture() override;
    // Clears to BackColor and puts the cursor at (0, 0).
    void cls();

    // The colour at the top-left device pixel of logical pixel (x, y).
    Colour pixel(int x, int y) const;
    void setPixel(int x, int y, Colour colour) override;
    // One device pixel, for artwork made pixel by pixel at the surface's scale.
    void setDevicePixel(int x, int y, Colour colour);
    void filledBox(int x1, int y1, int x2, int y2, Colour colour) override;

    // Only pixels inside both the source and this surface are touched. The
    // source is read at its own scale, device pixel by device pixel.
    void bitBlt(int dx, int dy, int width, int height, const Surface &source, int sx, int sy,
                RasterOp op) override;
    // The same as the two block transfers, made in one pass where it can.
    void drawSprite(int dx, int dy, int width, int height, const Surface &mask,
                    const Surface &sprite) override;

    void paintPicture(const Surface &picture, double x, double y) override;

    // Draws with a painter in logical coordinates, at the surface's scale: for
    // artwork made of shapes. The painter starts antialiased off, as Qt's.
    void paint(const std::function<void(QPainter &)> &draw);

    // Ends a run of text: lines of text drawn one after another share one
    // painter, which anything else that reaches the pixels ends first.
    void endText() const;

    // The persistent image in device pixels, its device pixel ratio the scale,
    // for showing on screen or painting on paper.
    const QImage &image() const { return pixels(); }
    // Paints the part `area` (logical) of the picture with the picture's
    // top-left corner at `at`, as drawing image() would there.
    void paintArea(QPainter &painter, QPoint at, const QRect &area) const;
    // A surface holding a copy of an image's pixels at scale 1, made opaque.
    static Surface fromImage(const QImage &image);
    // Replaces the image with a copy of another surface's image (size and
    // scale included).
    void setImageFrom(const Surface &other);

protected:
    void drawText(double x, double y, const QString &text) override;

private:
    // The device pixel where logical coordinate v begins.
    int device(int v) const;
    // The device rectangle of the logical box from (x1, y1) to (x2, y2), both
    // included, clipped to the buffer.
    QRect deviceBox(int x1, int y1, int x2, int y2) const;
    void fillDevice(const QRect &area, Colour colour);

    // The buffer, with any run of text ended.
    QImage &pixels()
    {
        endText();
        return m_image;
    }
    const QImage &pixels() const
    {
        endText();
        return m_image;
    }

    int m_width = 0;
    int m_height = 0;
    double m_scale = 1.0;
    QImage m_image;
    Colour m_backColor;
    mutable std::unique_ptr<QPainter> m_textPainter;
};
