#include "pagecanvas.h"

#include <QPainter>

void PageCanvas::paintPicture(const Surface &picture, double x, double y)
{
    addPicture(picture.image().copy(), x, y, picture.width() * double(TwipsPerPixel),
               picture.height() * double(TwipsPerPixel));
}

void PageCanvas::addPicture(const QImage &image, double x, double y, double width, double height)
{
    Item item{Item::Picture, x, y, {}, {}, 0, image};
    item.width = width;
    item.height = height;
    m_items.push_back(std::move(item));
}

void PageCanvas::addBox(double x, double y, double width, double height, Colour colour)
{
    Item item{Item::Box, x, y, {}, {}, colour, {}};
    item.width = width;
    item.height = height;
    m_items.push_back(std::move(item));
}

void PageCanvas::addText(double x, double y, double baseline, const QString &text,
                         const QFont &font, Colour colour)
{
    m_items.push_back({Item::Text, x, y, text, font, colour, {}, baseline});
}

void PageCanvas::clear()
{
    *this = PageCanvas();
}

void PageCanvas::drawText(double x, double y, const QString &text)
{
    addText(x, y, y + baselineOffset(), text, font(), foreColor());
}

void PageCanvas::render(QPainter &painter, double deviceDpi) const
{
    painter.save();
    // One logical unit is one twip from here on.
    const double scale = deviceDpi / 1440.0;
    painter.scale(scale, scale);
    for (const Item &item : m_items) {
        switch (item.kind) {
        case Item::Picture:
            painter.drawImage(QRectF(item.x, item.y, item.width, item.height), item.image);
            break;
        case Item::Box:
            painter.fillRect(QRectF(item.x, item.y, item.width, item.height),
                             QColor::fromRgb(toQRgb(item.colour)));
            break;
        case Item::Text:
            painter.setFont(item.font);
            painter.setPen(QColor::fromRgb(toQRgb(item.colour)));
            painter.drawText(QPointF(item.x, item.baseline), item.text);
            break;
        }
    }
    painter.restore();
}
