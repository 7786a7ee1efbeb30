#include "pagecanvas.h"

#include <QPainter>

void PageCanvas::paintPicture(const Surface &picture, double x, double y)
{
    m_items.push_back({Item::Picture, x, y, {}, {}, 0, picture.image().copy()});
}

void PageCanvas::clear()
{
    *this = PageCanvas();
}

void PageCanvas::drawText(double x, double y, const QString &text)
{
    m_items.push_back({Item::Text, x, y, text, font(), foreColor(), {}, y + baselineOffset()});
}

void PageCanvas::render(QPainter &painter, double deviceDpi) const
{
    painter.save();
    // One logical unit is one twip from here on.
    const double scale = deviceDpi / 1440.0;
    painter.scale(scale, scale);
    for (const Item &item : m_items) {
        if (item.kind == Item::Picture) {
            const QRectF target(item.x, item.y, item.image.width() * double(TwipsPerPixel),
                                item.image.height() * double(TwipsPerPixel));
            painter.drawImage(target, item.image);
        } else {
            painter.setFont(item.font);
            painter.setPen(QColor::fromRgb(toQRgb(item.colour)));
            painter.drawText(QPointF(item.x, item.baseline), item.text);
        }
    }
    painter.restore();
}
