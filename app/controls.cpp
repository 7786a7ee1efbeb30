#include "controls.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

double deviceScale(const QPainter &p)
{
    return std::max(1.0, p.deviceTransform().m11());
}

void fillLine(QPainter &p, int x1, int y1, int x2, int y2, const QColor &colour)
{
    p.fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized(), colour);
}

PictureButton::PictureButton(QWidget *parent, Colour face) : QAbstractButton(parent), m_face(face)
{
}

void PictureButton::setPictures(PictureSource source)
{
    m_source = std::move(source);
    for (std::optional<QPixmap> &drawn : m_pictures)
        drawn.reset();
    update();
}

const QPixmap &PictureButton::picture(bool pressedIn, double scale)
{
    if (scale != m_picturesScale) {
        for (std::optional<QPixmap> &drawn : m_pictures)
            drawn.reset();
        m_picturesScale = scale;
    }
    std::optional<QPixmap> &drawn = m_pictures[pressedIn ? 1 : 0];
    if (!drawn) drawn = m_source ? m_source(pressedIn, scale) : QPixmap();
    return *drawn;
}

void PictureButton::mousePressEvent(QMouseEvent *event)
{
    QAbstractButton::mousePressEvent(event);
    // Other buttons than the left do not press the control, but their release
    // must reach it all the same.
    event->accept();
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event)
{
    // Every release after a press on the control counts, whichever button and
    // wherever the pointer is then: the focus rules run on each of them.
    QAbstractButton::mouseReleaseEvent(event);
    emit mouseUp();
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paintFace(p);
}

void PictureButton::paintFace(QPainter &p)
{
    const bool pressed = isChecked() || isDown();
    const QRect r = rect();
    p.fillRect(r, QColor::fromRgb(toQRgb(m_face)));

    // Raised: light top-left, dark bottom-right; pressed in: the other way round.
    const QColor light(255, 255, 255);
    const QColor dark(64, 64, 64);
    const QColor shadow(128, 128, 128);
    fillLine(p, r.left(), r.top(), r.right(), r.top(), pressed ? dark : light);
    fillLine(p, r.left(), r.top(), r.left(), r.bottom(), pressed ? dark : light);
    fillLine(p, r.left(), r.bottom(), r.right(), r.bottom(), pressed ? light : dark);
    fillLine(p, r.right(), r.top(), r.right(), r.bottom(), pressed ? light : dark);
    fillLine(p, r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1,
             pressed ? light : shadow);
    fillLine(p, r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1,
             pressed ? light : shadow);

    const QPoint shift = pressed ? QPoint(1, 1) : QPoint(0, 0);
    const QPixmap &picture = this->picture(isChecked(), deviceScale(p));
    if (!isEnabled()) p.setOpacity(0.5);
    if (!picture.isNull()) {
        // Centred by its size in pixels, whatever its scale.
        const QSize size = picture.deviceIndependentSize().toSize();
        const QPoint at((width() - size.width()) / 2, (height() - size.height()) / 2);
        p.drawPixmap(at + shift, picture);
    } else if (!text().isEmpty()) {
        p.setPen(Qt::black);
        p.drawText(r.translated(shift), Qt::AlignCenter, text());
    }
    if (hasFocus()) {
        p.setOpacity(1);
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawRect(r.adjusted(3, 3, -4, -4));
    }
}

OutlineShape::OutlineShape(QWidget *parent, Colour colour, int borderWidth)
    : QWidget(parent), m_colour(colour), m_borderWidth(borderWidth)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void OutlineShape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QColor c = QColor::fromRgb(toQRgb(m_colour));
    const int b = m_borderWidth;
    p.fillRect(0, 0, width(), b, c);
    p.fillRect(0, height() - b, width(), b, c);
    p.fillRect(0, 0, b, height(), c);
    p.fillRect(width() - b, 0, b, height(), c);
}

ColourFrame::ColourFrame(QWidget *parent, Colour back, bool bordered)
    : QWidget(parent), m_back(back), m_bordered(bordered)
{
}

void ColourFrame::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), QColor::fromRgb(toQRgb(m_back)));
    if (!m_bordered) return;
    // An etched border: a grey outline with a white one a pixel down and right.
    const QRect r = rect().adjusted(0, 6, -1, -1);
    const auto outline = [&p](QRect box, const QColor &colour) {
        fillLine(p, box.left(), box.top(), box.right(), box.top(), colour);
        fillLine(p, box.left(), box.bottom(), box.right(), box.bottom(), colour);
        fillLine(p, box.left(), box.top(), box.left(), box.bottom(), colour);
        fillLine(p, box.right(), box.top(), box.right(), box.bottom(), colour);
    };
    outline(r, QColor(128, 128, 128));
    outline(r.translated(1, 1), Qt::white);
}
