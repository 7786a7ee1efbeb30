#pragma once

#include "colour.h"
#include "textcanvas.h"

#include <QImage>

#include <cmath>
#include <memory>

class QPainter;

// Raster operations of the block transfer, with their GDI raster-operation codes.
enum class RasterOp : quint32 {
    SrcCopy = 13369376,  // SRCCOPY: destination = source
    SrcAnd = 8913094,    // SRCAND: destination = destination AND source
    SrcInvert = 6684742, // SRCINVERT: destination = destination XOR source
};

// A picture surface: an owned 32-bit pixel buffer that keeps what is drawn on it
// (the persistent image), with a background colour, block transfers, pixels,
// lines, boxes and cursor text. Every call clips at the edges and never writes
// outside the buffer. Pixels read and written through this interface are
// blue-green-red colour values; the alpha byte of the buffer is always opaque.
class Surface : public TextCanvas
{
public:
    explicit Surface(int width = 0, int height = 0, Colour backColor = ColourBlack);
    Surface(const Surface &other);
    Surface(Surface &&other) noexcept;
    Surface &operator=(const Surface &other);
    Surface &operator=(Surface &&other) noexcept;
    ~Surface() override;

    int width() const { return m_width; }
    int height() const { return m_height; }
    // Changes the size; the kept part of the image stays, new area takes BackColor.
    void resize(int width, int height);

    Colour backColor() const { return m_backColor; }
    // Setting the background colour clears the whole image to it.
    void setBackColor(Colour colour);
    // Setting the background picture to an empty picture: clears to BackColor.
    void clearPicture();
    // Clears to BackColor and puts the cursor at (0, 0).
    void cls();

    Colour pixel(int x, int y) const;
    // One pixel (PSet and SetPixel); outside the surface nothing happens.
    void setPixel(int x, int y, Colour colour);
    // A line from (x1, y1) to (x2, y2), both ends included.
    void line(int x1, int y1, int x2, int y2, Colour colour);
    // A box outline with both corners included.
    void box(int x1, int y1, int x2, int y2, Colour colour);
    // A filled box with both corners included.
    void filledBox(int x1, int y1, int x2, int y2, Colour colour);

    // Block transfer of width x height pixels from source (sx, sy) to (dx, dy).
    // Only pixels inside both the source and this surface are touched.
    void bitBlt(int dx, int dy, int width, int height, const Surface &source, int sx, int sy,
                RasterOp op);
    // A sprite of width x height drawn over the picture at (dx, dy): AND with
    // mask, then XOR with sprite, both read from their top-left corners. The
    // same as those two block transfers, made in one pass where it can.
    void drawSprite(int dx, int dy, int width, int height, const Surface &mask,
                    const Surface &sprite);

    void paintPicture(const Surface &picture, double x, double y) override;

    // Ends a run of text: lines of text drawn one after another share one
    // painter, which anything else that reaches the pixels ends first.
    void endText() const;

    // The persistent image, for showing on screen or painting on paper.
    const QImage &image() const { return pixels(); }
    // Paints the part `area` of the picture with the picture's top-left corner
    // at `at`, as drawing image() would there.
    void paintArea(QPainter &painter, QPoint at, const QRect &area) const;
    // A surface holding a copy of an image's pixels, made opaque.
    static Surface fromImage(const QImage &image);
    // Replaces the image with a copy of another surface's image (size included).
    void setImageFrom(const Surface &other);

protected:
    double unitsPerPoint() const override { return 96.0 / 72.0; }
    void drawText(double x, double y, const QString &text) override;
    double wholeUnits(double value) const override { return std::round(value); }

private:
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
    QImage m_image;
    Colour m_backColor;
    mutable std::unique_ptr<QPainter> m_textPainter;
};
