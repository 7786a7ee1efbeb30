#pragma once

#include "canvas.h"
#include "pagecanvas.h"

#include <QHash>
#include <QPointF>

// Draws in logical pixels onto a page: the picture of width x height pixels
// lies with its top left at `origin` (twips), PageCanvas::TwipsPerPixel twips to
// the pixel. Text stays text and boxes stay boxes; copied pictures and sprites
// go on the page as images with all their device pixels, so they are as sharp
// as the scale they were drawn at. It measures text as the screen does, so the
// drawing is laid out as on screen. Like a surface it clips at its edges.
class VectorCanvas : public Canvas
{
public:
    VectorCanvas(PageCanvas &page, QPointF origin, int width, int height, Colour backColor);

    int width() const override { return m_width; }
    int height() const override { return m_height; }
    void resize(int width, int height) override;
    Colour backColor() const override { return m_backColor; }
    void setBackColor(Colour colour) override;
    void clearPicture() override;

    void setPixel(int x, int y, Colour colour) override;
    void filledBox(int x1, int y1, int x2, int y2, Colour colour) override;
    // Copies go on the page; the AND and XOR halves of a sprite have no meaning
    // on paper on their own, so only drawSprite lays sprites.
    void bitBlt(int dx, int dy, int width, int height, const Surface &source, int sx, int sy,
                RasterOp op) override;
    // The sprite's pixels where the mask is black, nothing where it is white.
    void drawSprite(int dx, int dy, int width, int height, const Surface &mask,
                    const Surface &sprite) override;
    void paintPicture(const Surface &picture, double x, double y) override;

protected:
    void drawText(double x, double y, const QString &text) override;

private:
    // Where logical point (x, y) lies on the page.
    QPointF at(double x, double y) const;
    // The part of the block from (dx, dy) that lies on the picture, and the
    // same part of a source read from (sx, sy); false when nothing is left.
    bool clip(int &dx, int &dy, int &width, int &height, int &sx, int &sy, QSize source) const;

    PageCanvas &m_page;
    QPointF m_origin;
    int m_width;
    int m_height;
    Colour m_backColor;
    // Sprites laid more than once are one image on the page.
    QHash<QString, QImage> m_sprites;
};
