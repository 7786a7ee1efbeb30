#include "vectorcanvas.h"

#include "surface.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double Twips = PageCanvas::TwipsPerPixel;

// The device pixels of a picture's logical block.
QRect deviceRect(const Surface &picture, int x, int y, int width, int height)
{
    const double s = picture.scale();
    const int left = int(std::lround(x * s)), top = int(std::lround(y * s));
    return QRect(left, top, int(std::lround((x + width) * s)) - left,
                 int(std::lround((y + height) * s)) - top) &
           picture.image().rect();
}

} // namespace

VectorCanvas::VectorCanvas(PageCanvas &page, QPointF origin, int width, int height,
                           Colour backColor)
    : m_page(page), m_origin(origin), m_width(std::max(0, width)), m_height(std::max(0, height)),
      m_backColor(backColor)
{
}

QPointF VectorCanvas::at(double x, double y) const
{
    return m_origin + QPointF(x * Twips, y * Twips);
}

void VectorCanvas::resize(int width, int height)
{
    m_width = std::max(0, width);
    m_height = std::max(0, height);
}

void VectorCanvas::setBackColor(Colour colour)
{
    m_backColor = colour;
    clearPicture();
}

void VectorCanvas::clearPicture()
{
    filledBox(0, 0, m_width - 1, m_height - 1, m_backColor);
}

void VectorCanvas::setPixel(int x, int y, Colour colour)
{
    filledBox(x, y, x, y, colour);
}

void VectorCanvas::filledBox(int x1, int y1, int x2, int y2, Colour colour)
{
    const int left = std::max(0, std::min(x1, x2));
    const int right = std::min(m_width - 1, std::max(x1, x2));
    const int top = std::max(0, std::min(y1, y2));
    const int bottom = std::min(m_height - 1, std::max(y1, y2));
    if (left > right || top > bottom) return;
    const QPointF p = at(left, top);
    m_page.addBox(p.x(), p.y(), (right - left + 1) * Twips, (bottom - top + 1) * Twips, colour);
}

bool VectorCanvas::clip(int &dx, int &dy, int &width, int &height, int &sx, int &sy,
                        QSize source) const
{
    const auto clipStart = [](int &start, int &other, int &length) {
        if (start >= 0) return;
        other -= start;
        length += start;
        start = 0;
    };
    clipStart(sx, dx, width);
    clipStart(dx, sx, width);
    clipStart(sy, dy, height);
    clipStart(dy, sy, height);
    width = std::min({width, source.width() - sx, m_width - dx});
    height = std::min({height, source.height() - sy, m_height - dy});
    return width > 0 && height > 0;
}

void VectorCanvas::bitBlt(int dx, int dy, int width, int height, const Surface &source, int sx,
                          int sy, RasterOp op)
{
    if (op != RasterOp::SrcCopy ||
        !clip(dx, dy, width, height, sx, sy, QSize(source.width(), source.height())))
        return;
    const QPointF p = at(dx, dy);
    m_page.addPicture(source.image().copy(deviceRect(source, sx, sy, width, height)), p.x(), p.y(),
                      width * Twips, height * Twips);
}

void VectorCanvas::drawSprite(int dx, int dy, int width, int height, const Surface &mask,
                              const Surface &sprite)
{
    int sx = 0, sy = 0;
    if (!clip(dx, dy, width, height, sx, sy, QSize(sprite.width(), sprite.height()))) return;
    const QRect part = deviceRect(sprite, sx, sy, width, height);
    const QString key = QStringLiteral("%1 %2 %3,%4 %5x%6")
                            .arg(mask.image().cacheKey())
                            .arg(sprite.image().cacheKey())
                            .arg(part.x())
                            .arg(part.y())
                            .arg(part.width())
                            .arg(part.height());
    QImage &laid = m_sprites[key];
    if (laid.isNull()) {
        laid = QImage(part.size(), QImage::Format_ARGB32);
        laid.fill(Qt::transparent);
        const QImage &m = mask.image();
        const QImage &s = sprite.image();
        for (int y = 0; y < part.height(); ++y)
            for (int x = 0; x < part.width(); ++x)
                if (m.valid(part.x() + x, part.y() + y) &&
                    qRed(m.pixel(part.x() + x, part.y() + y)) == 0)
                    laid.setPixel(x, y, s.pixel(part.x() + x, part.y() + y) | 0xFF000000u);
    }
    const QPointF p = at(dx, dy);
    m_page.addPicture(laid, p.x(), p.y(), width * Twips, height * Twips);
}

void VectorCanvas::paintPicture(const Surface &picture, double x, double y)
{
    bitBlt(int(std::lround(x)), int(std::lround(y)), picture.width(), picture.height(), picture, 0,
           0, RasterOp::SrcCopy);
}

void VectorCanvas::drawText(double x, double y, const QString &text)
{
    QFont f = font();
    f.setPixelSize(int(std::lround(f.pixelSize() * Twips)));
    const QPointF p = at(x, y);
    m_page.addText(p.x(), p.y(), at(x, y + baselineOffset()).y(), text, f, foreColor());
}
