#include "controlart.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <iterator>

namespace ControlArt {

namespace {

// A transparent picture of w x h logical pixels at the given scale: a painter
// on it draws in logical coordinates at the device's resolution.
QPixmap blank(int w, int h, double scale)
{
    QPixmap pm(int(std::lround(w * scale)), int(std::lround(h * scale)));
    pm.setDevicePixelRatio(scale);
    pm.fill(Qt::transparent);
    return pm;
}

void drawAtom(QPainter &p, bool down)
{
    p.setPen(QPen(down ? QColor(0, 90, 200) : QColor(0, 60, 140), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(2, 8, 20, 8));
    p.save();
    p.translate(12, 12);
    p.rotate(60);
    p.drawEllipse(QRectF(-10, -4, 20, 8));
    p.rotate(60);
    p.drawEllipse(QRectF(-10, -4, 20, 8));
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 40, 40));
    p.drawEllipse(QRectF(9.5, 9.5, 5, 5));
}

void drawPrinter(QPainter &p)
{
    p.setPen(QColor(40, 40, 40));
    p.setBrush(Qt::white);
    p.drawRect(7, 2, 10, 8);
    p.setBrush(QColor(150, 150, 160));
    p.drawRoundedRect(QRectF(2, 9, 20, 9), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(6, 15, 12, 7);
    p.setPen(QColor(90, 90, 90));
    p.drawLine(8, 18, 16, 18);
    p.drawLine(8, 20, 14, 20);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 170, 0));
    p.drawEllipse(QRectF(18, 11, 2, 2));
}

void drawExit(QPainter &p)
{
    p.setPen(QColor(60, 40, 20));
    p.setBrush(QColor(150, 100, 50));
    p.drawRect(3, 2, 11, 20);
    p.setBrush(QColor(200, 150, 90));
    QPolygonF door;
    door << QPointF(3, 2) << QPointF(9, 5) << QPointF(9, 23) << QPointF(3, 22);
    p.drawPolygon(door);
    p.setPen(QPen(QColor(200, 0, 0), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(12, 12), QPointF(21, 12));
    p.drawLine(QPointF(18, 9), QPointF(21, 12));
    p.drawLine(QPointF(18, 15), QPointF(21, 12));
}

void drawAnimate(QPainter &p, bool down)
{
    p.setPen(QPen(QColor(60, 60, 60), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(3, 3, 18, 18));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 40, 40));
    p.drawEllipse(QRectF(9.5, 9.5, 5, 5));
    p.setBrush(down ? QColor(0, 160, 0) : QColor(100, 100, 100));
    p.drawEllipse(QRectF(16, 3, 5, 5));
    // A turning arrow head on the orbit.
    QPolygonF head;
    head << QPointF(5, 15) << QPointF(2, 20) << QPointF(8, 19);
    p.setBrush(QColor(60, 60, 60));
    p.drawPolygon(head);
}

void drawRings(QPainter &p, bool coloured, bool shown)
{
    const QColor colours[3] = {QColor(255, 0, 0), QColor(255, 0, 255), QColor(0, 170, 0)};
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        QPen pen(coloured ? colours[i] : QColor(0, 0, 200), 1.4);
        if (!shown) pen.setStyle(Qt::DotLine);
        p.setPen(pen);
        const double r = 3 + 3.5 * i;
        p.drawEllipse(QPointF(12, 12), r, r);
    }
}

void drawShape(QPainter &p, bool elliptic)
{
    p.setPen(QPen(QColor(0, 0, 200), 1.4));
    p.setBrush(Qt::NoBrush);
    if (elliptic) {
        p.save();
        p.translate(12, 12);
        p.rotate(-45);
        p.drawEllipse(QPointF(0, 0), 10, 5);
        p.rotate(90);
        p.drawEllipse(QPointF(0, 0), 10, 5);
        p.restore();
    } else {
        p.drawEllipse(QPointF(12, 12), 9, 9);
        p.drawEllipse(QPointF(12, 12), 5, 5);
    }
}

} // namespace

QPixmap picture(Picture which, bool down, double scale)
{
    QPixmap pm = blank(24, 24, scale);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (which) {
    case Picture::ElementTab:
        drawAtom(p, down);
        break;
    case Picture::Print:
        drawPrinter(p);
        break;
    case Picture::Exit:
        drawExit(p);
        break;
    case Picture::Animate:
        drawAnimate(p, down);
        break;
    case Picture::LevelColors:
        drawRings(p, down, true);
        break;
    case Picture::LevelsShown:
        drawRings(p, false, down);
        break;
    case Picture::LevelShape:
        drawShape(p, down);
        break;
    }
    return pm;
}

std::function<QPixmap(bool down, double scale)> source(Picture which)
{
    return [which](bool down, double scale) { return picture(which, down, scale); };
}

QPixmap backgroundColorIcon(double scale)
{
    QPixmap pm = blank(24, 8, scale);
    QPainter p(&pm);
    for (int i = 0; i < 6; ++i) {
        const int v = i == 5 ? 255 : i * 51;
        p.fillRect(i * 4, 0, 4, 8, QColor(v, v, v));
    }
    // The outline as four bands a pixel wide: at any scale they cover whole
    // device pixels, as a pen's line may not.
    const QColor edge(60, 60, 60);
    p.fillRect(0, 0, 24, 1, edge);
    p.fillRect(0, 7, 24, 1, edge);
    p.fillRect(0, 1, 1, 6, edge);
    p.fillRect(23, 1, 1, 6, edge);
    return pm;
}

QPixmap speedIcon(double scale)
{
    QPixmap pm = blank(16, 16, scale);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 30, 30), 1.2));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(1.5, 2.5, 13, 13));
    p.drawLine(QPointF(8, 9), QPointF(8, 4.5));
    p.drawLine(QPointF(8, 9), QPointF(11.5, 10.5));
    p.fillRect(QRectF(6.5, 0, 3, 2), QColor(30, 30, 30));
    return pm;
}

QIcon windowIcon()
{
    QIcon icon;
    for (const int side : {16, 32, 48, 64, 128})
        icon.addFile(QStringLiteral(":/icons/%1x%1/zelvane.png").arg(side), QSize(side, side));
    return icon;
}

} // namespace ControlArt
