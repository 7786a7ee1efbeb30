#include "surface.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr quint32 Opaque = 0xFF000000u;
constexpr int DotsPerMeter96 = 3780;

int toDevice(int v, double scale)
{
    return scale == 1.0 ? v : int(std::lround(v * scale));
}

// A painter on the image draws in logical coordinates: Qt scales by the
// image's device pixel ratio.
QImage makeImage(int width, int height, double scale)
{
    QImage image(toDevice(std::max(0, width), scale), toDevice(std::max(0, height), scale),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(DotsPerMeter96);
    image.setDotsPerMeterY(DotsPerMeter96);
    image.setDevicePixelRatio(scale);
    return image;
}

// Moves a run's start on one side up to 0, taking the other side's start and
// the length along.
void clipStart(int &start, int &otherStart, int &length)
{
    if (start >= 0) return;
    otherStart -= start;
    length += start;
    start = 0;
}

// Clips a width x height block from (sx, sy) of a source to (dx, dy) of a
// target against both pictures together. False when nothing is left.
bool clipBlock(int &dx, int &dy, int &width, int &height, int &sx, int &sy, QSize source,
               QSize target)
{
    clipStart(sx, dx, width);
    clipStart(dx, sx, width);
    clipStart(sy, dy, height);
    clipStart(dy, sy, height);
    width = std::min({width, source.width() - sx, target.width() - dx});
    height = std::min({height, source.height() - sy, target.height() - dy});
    return width > 0 && height > 0;
}

// Combines width x height pixels row by row; the buffers never overlap.
template <typename Op>
void transferRows(quint32 *__restrict dst, qsizetype dstStride, const quint32 *__restrict src,
                  qsizetype srcStride, int width, int height, Op op)
{
    for (int row = 0; row < height; ++row, src += srcStride, dst += dstStride)
        for (int i = 0; i < width; ++i)
            dst[i] = op(dst[i], src[i]);
}

template <typename Op>
void transferRows(quint32 *__restrict dst, qsizetype dstStride, const quint32 *__restrict a,
                  const quint32 *__restrict b, qsizetype srcStride, int width, int height, Op op)
{
    for (int row = 0; row < height; ++row, a += srcStride, b += srcStride, dst += dstStride)
        for (int i = 0; i < width; ++i)
            dst[i] = op(dst[i], a[i], b[i]);
}

} // namespace

Surface::Surface(int width, int height, Colour backColor, double scale)
    : m_width(std::max(0, width)), m_height(std::max(0, height)), m_scale(std::max(1.0, scale)),
      m_image(makeImage(m_width, m_height, m_scale)), m_backColor(backColor)
{
    m_image.fill(toQRgb(m_backColor));
}

Surface::Surface(const Surface &other)
    : Canvas(other), m_width(other.m_width), m_height(other.m_height), m_scale(other.m_scale),
      m_image((other.endText(), other.m_image)), m_backColor(other.m_backColor)
{
}

Surface::Surface(Surface &&other) noexcept
    : Canvas(other), m_width(other.m_width), m_height(other.m_height), m_scale(other.m_scale),
      m_image((other.endText(), std::move(other.m_image))), m_backColor(other.m_backColor)
{
}

Surface &Surface::operator=(const Surface &other)
{
    if (this == &other) return *this;
    Surface copy(other);
    return *this = std::move(copy);
}

Surface &Surface::operator=(Surface &&other) noexcept
{
    if (this == &other) return *this;
    endText();
    other.endText();
    Canvas::operator=(other);
    m_width = other.m_width;
    m_height = other.m_height;
    m_scale = other.m_scale;
    m_image = std::move(other.m_image);
    m_backColor = other.m_backColor;
    return *this;
}

Surface::~Surface()
{
    endText();
}

void Surface::endText() const
{
    m_textPainter.reset();
}

int Surface::device(int v) const
{
    return toDevice(v, m_scale);
}

QRect Surface::deviceBox(int x1, int y1, int x2, int y2) const
{
    const int left = std::max(0, std::min(x1, x2));
    const int right = std::min(m_width - 1, std::max(x1, x2));
    const int top = std::max(0, std::min(y1, y2));
    const int bottom = std::min(m_height - 1, std::max(y1, y2));
    if (left > right || top > bottom) return {};
    return QRect(QPoint(device(left), device(top)),
                 QPoint(device(right + 1) - 1, device(bottom + 1) - 1));
}

void Surface::fillDevice(const QRect &area, Colour colour)
{
    if (area.isEmpty()) return;
    QImage &image = pixels();
    const quint32 value = toQRgb(colour);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        quint32 *row = reinterpret_cast<quint32 *>(image.scanLine(y));
        std::fill(row + area.left(), row + area.right() + 1, value);
    }
}

void Surface::paintArea(QPainter &painter, QPoint at, const QRect &area) const
{
    const QRect part = area & QRect(0, 0, m_width, m_height);
    if (part.isEmpty()) return;
    const QRect source(QPoint(device(part.left()), device(part.top())),
                       QPoint(device(part.right() + 1) - 1, device(part.bottom() + 1) - 1));
    if (m_scale == 1.0)
        painter.drawImage(at + part.topLeft(), pixels(), source);
    else
        painter.drawImage(QRectF(at + part.topLeft(), part.size()), pixels(), source);
}

void Surface::resize(int width, int height)
{
    width = std::max(0, width);
    height = std::max(0, height);
    if (width == m_width && height == m_height) return;
    endText();
    m_width = width;
    m_height = height;
    const QImage old = m_image;
    m_image = makeImage(width, height, m_scale);
    m_image.fill(toQRgb(m_backColor));
    const int w = std::min(old.width(), m_image.width());
    const int h = std::min(old.height(), m_image.height());
    for (int y = 0; y < h; ++y)
        std::copy_n(reinterpret_cast<const quint32 *>(old.constScanLine(y)), w,
                    reinterpret_cast<quint32 *>(m_image.scanLine(y)));
}

void Surface::setBackColor(Colour colour)
{
    m_backColor = colour;
    clearPicture();
}

void Surface::clearPicture()
{
    pixels().fill(toQRgb(m_backColor));
}

void Surface::cls()
{
    clearPicture();
    setCurrentX(0);
    setCurrentY(0);
}

Colour Surface::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width() || y >= height()) return 0;
    return fromQRgb(
        reinterpret_cast<const quint32 *>(pixels().constScanLine(device(y)))[device(x)]);
}

void Surface::setPixel(int x, int y, Colour colour)
{
    if (x < 0 || y < 0 || x >= width() || y >= height()) return;
    if (m_scale == 1.0)
        reinterpret_cast<quint32 *>(pixels().scanLine(y))[x] = toQRgb(colour);
    else
        fillDevice(deviceBox(x, y, x, y), colour);
}

void Surface::setDevicePixel(int x, int y, Colour colour)
{
    if (m_image.valid(x, y)) reinterpret_cast<quint32 *>(pixels().scanLine(y))[x] = toQRgb(colour);
}

void Surface::filledBox(int x1, int y1, int x2, int y2, Colour colour)
{
    fillDevice(deviceBox(x1, y1, x2, y2), colour);
}

void Surface::bitBlt(int dx, int dy, int width, int height, const Surface &source, int sx, int sy,
                     RasterOp op)
{
    if (!clipBlock(dx, dy, width, height, sx, sy, QSize(source.width(), source.height()),
                   QSize(m_width, m_height)))
        return;

    // A copy within one surface may overlap: take the rows from a snapshot.
    // The rows are reached through one pointer each way, since block
    // transfers of 8 x 8 sprites run hundreds of times per animation tick.
    QImage &to = pixels();
    QImage snapshot;
    if (&source == this) snapshot = to.copy();
    const QImage &from = (&source == this) ? snapshot : source.pixels();
    const int tx = device(dx), ty = device(dy), fx = source.device(sx), fy = source.device(sy);
    const int w = std::min({device(dx + width) - tx, from.width() - fx, to.width() - tx});
    const int h = std::min({device(dy + height) - ty, from.height() - fy, to.height() - ty});
    if (w <= 0 || h <= 0) return;
    const qsizetype fromStride = from.bytesPerLine() / 4;
    const qsizetype toStride = to.bytesPerLine() / 4;
    const quint32 *src = reinterpret_cast<const quint32 *>(from.constBits()) + fy * fromStride + fx;
    quint32 *dst = reinterpret_cast<quint32 *>(to.bits()) + ty * toStride + tx;
    switch (op) {
    case RasterOp::SrcCopy:
        transferRows(dst, toStride, src, fromStride, w, h,
                     [](quint32, quint32 s) { return s | Opaque; });
        break;
    case RasterOp::SrcAnd:
        transferRows(dst, toStride, src, fromStride, w, h,
                     [](quint32 d, quint32 s) { return (d & s) | Opaque; });
        break;
    case RasterOp::SrcInvert:
        transferRows(dst, toStride, src, fromStride, w, h,
                     [](quint32 d, quint32 s) { return (d ^ s) | Opaque; });
        break;
    }
}

void Surface::drawSprite(int dx, int dy, int width, int height, const Surface &mask,
                         const Surface &sprite)
{
    // One pass reads both pictures over one rectangle, so they must clip alike
    // and not be this picture.
    if (mask.width() != sprite.width() || mask.height() != sprite.height() ||
        mask.scale() != sprite.scale() || &mask == this || &sprite == this ||
        mask.pixels().bytesPerLine() != sprite.pixels().bytesPerLine()) {
        bitBlt(dx, dy, width, height, mask, 0, 0, RasterOp::SrcAnd);
        bitBlt(dx, dy, width, height, sprite, 0, 0, RasterOp::SrcInvert);
        return;
    }
    int sx = 0;
    int sy = 0;
    if (!clipBlock(dx, dy, width, height, sx, sy, QSize(sprite.width(), sprite.height()),
                   QSize(m_width, m_height)))
        return;
    QImage &to = pixels();
    const QImage &m = mask.pixels();
    const QImage &s = sprite.pixels();
    const int tx = device(dx), ty = device(dy), fx = sprite.device(sx), fy = sprite.device(sy);
    const int w = std::min({device(dx + width) - tx, s.width() - fx, to.width() - tx});
    const int h = std::min({device(dy + height) - ty, s.height() - fy, to.height() - ty});
    if (w <= 0 || h <= 0) return;
    const qsizetype srcStride = s.bytesPerLine() / 4;
    const qsizetype toStride = to.bytesPerLine() / 4;
    const qsizetype from = fy * srcStride + fx;
    transferRows(reinterpret_cast<quint32 *>(to.bits()) + ty * toStride + tx, toStride,
                 reinterpret_cast<const quint32 *>(m.constBits()) + from,
                 reinterpret_cast<const quint32 *>(s.constBits()) + from, srcStride, w, h,
                 [](quint32 d, quint32 a, quint32 b) { return (((d & a) | Opaque) ^ b) | Opaque; });
}

void Surface::paintPicture(const Surface &picture, double x, double y)
{
    bitBlt(int(std::lround(x)), int(std::lround(y)), picture.width(), picture.height(), picture, 0,
           0, RasterOp::SrcCopy);
}

void Surface::paint(const std::function<void(QPainter &)> &draw)
{
    if (m_image.isNull()) return;
    QPainter painter(&pixels());
    draw(painter);
}

Surface Surface::fromImage(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    Surface s(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *from = reinterpret_cast<const quint32 *>(rgb.constScanLine(y));
        auto *to = reinterpret_cast<quint32 *>(s.pixels().scanLine(y));
        std::transform(from, from + rgb.width(), to, [](quint32 p) { return p | Opaque; });
    }
    return s;
}

void Surface::setImageFrom(const Surface &other)
{
    endText();
    m_width = other.m_width;
    m_height = other.m_height;
    m_scale = other.m_scale;
    m_image = other.image().copy();
}

void Surface::drawText(double x, double y, const QString &text)
{
    if (m_width <= 0 || m_height <= 0) return;
    const QFont f = font();
    const double baseline = y + baselineOffset();
    if (!m_textPainter) m_textPainter = std::make_unique<QPainter>(&pixels());
    m_textPainter->setFont(f);
    m_textPainter->setPen(QColor::fromRgb(toQRgb(foreColor())));
    m_textPainter->drawText(QPointF(x, baseline), text);
}
