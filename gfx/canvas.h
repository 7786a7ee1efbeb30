#pragma once

#include "textcanvas.h"

class Surface;

// Raster operations of the block transfer, with their GDI raster-operation codes.
enum class RasterOp : quint32 {
    SrcCopy = 13369376,  // SRCCOPY: destination = source
    SrcAnd = 8913094,    // SRCAND: destination = destination AND source
    SrcInvert = 6684742, // SRCINVERT: destination = destination XOR source
};

// What the program draws with, in logical pixels (96 to the inch) from the top
// left: cursor text, pixels, lines, boxes, and pictures copied or laid over
// as sprites. A Surface draws into pixels at any scale; a VectorCanvas lays the
// same drawing on a page as text, boxes and pictures.
class Canvas : public TextCanvas
{
public:
    virtual int width() const = 0;
    virtual int height() const = 0;
    // Changes the size; what is kept stays, new area takes BackColor.
    virtual void resize(int width, int height) = 0;
    virtual Colour backColor() const = 0;
    // Setting the background colour clears the whole picture to it.
    virtual void setBackColor(Colour colour) = 0;
    // Clears to BackColor.
    virtual void clearPicture() = 0;

    // One pixel; outside the picture nothing happens.
    virtual void setPixel(int x, int y, Colour colour) = 0;
    // A filled box with both corners included.
    virtual void filledBox(int x1, int y1, int x2, int y2, Colour colour) = 0;
    // A line from (x1, y1) to (x2, y2), both ends included: along a row or a
    // column one box, else the pixels Bresenham's rule picks.
    void line(int x1, int y1, int x2, int y2, Colour colour);
    // A box outline with both corners included.
    void box(int x1, int y1, int x2, int y2, Colour colour);

    // Block transfer of width x height pixels from source (sx, sy) to (dx, dy).
    virtual void bitBlt(int dx, int dy, int width, int height, const Surface &source, int sx,
                        int sy, RasterOp op) = 0;
    // A sprite of width x height laid over the picture at (dx, dy): AND with
    // mask, then XOR with sprite, both read from their top-left corners.
    virtual void drawSprite(int dx, int dy, int width, int height, const Surface &mask,
                            const Surface &sprite) = 0;

protected:
    // Logical pixels: font sizes are whole pixels at 96 dots per inch, and
    // metrics are whole pixels, as the screen measures them.
    double unitsPerPoint() const override { return 96.0 / 72.0; }
    double wholeUnits(double value) const override;
};
