#include "pixelpaint.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

void paintPixelExact(QWidget *widget, const std::function<void(QPainter &)> &draw)
{
    QPainter p(widget);
    const QTransform device = p.deviceTransform();
    if (device.m11() == 1.0 && device.m22() == 1.0) {
        draw(p);
        return;
    }
    // Transparent to start with: what the control leaves unpainted shows what
    // lies under it, as it would unscaled.
    QImage picture(widget->size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    {
        QPainter q(&picture);
        q.setFont(widget->font());
        q.setPen(widget->palette().color(widget->foregroundRole()));
        q.setBackground(widget->palette().brush(widget->backgroundRole()));
        draw(q);
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(widget->rect(), picture);
}
