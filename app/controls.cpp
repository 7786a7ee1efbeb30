#include "controls.h"

#include "pixelpaint.h"

#include <QMouseEvent>
#include <QPainter>

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

const QPixmap &PictureButton::picture(bool pressedIn)
{
    std::optional<QPixmap> &drawn = m_pictures[pressedIn ? 1 : 0];
    if (!drawn) drawn = m_source ? m_source(pressedIn) : QPixmap();
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
    paintPixelExact(this, [this](QPainter &p) { paintFace(p); });
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
    p.setPen(pressed ? dark : light);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(pressed ? light : dark);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.setPen(pressed ? light : shadow);
    p.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
    p.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);

    const QPoint shift = pressed ? QPoint(1, 1) : QPoint(0, 0);
    const QPixmap &picture = this->picture(isChecked());
    if (!isEnabled()) p.setOpacity(0.5);
    if (!picture.isNull()) {
        const QPoint at((width() - picture.width()) / 2, (height() - picture.height()) / 2);
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
    paintPixelExact(this, [this](QPainter &p) {
        const QColor c = QColor::fromRgb(toQRgb(m_colour));
        const int b = m_borderWidth;
        p.fillRect(0, 0, width(), b, c);
        p.fillRect(0, height() - b, width(), b, c);
        p.fillRect(0, 0, b, height(), c);
        p.fillRect(width() - b, 0, b, height(), c);
    });
}

ColourFrame::ColourFrame(QWidget *parent, Colour back, bool bordered)
    : QWidget(parent), m_back(back), m_bordered(bordered)
{
}

void ColourFrame::paintEvent(QPaintEvent *)
{
    paintPixelExact(this, [this](QPainter &p) {
        p.fillRect(rect(), QColor::fromRgb(toQRgb(m_back)));
        if (m_bordered) {
            const QRect r = rect().adjusted(0, 6, -1, -1);
            p.setPen(QColor(128, 128, 128));
            p.drawRect(r.adjusted(0, 0, -1, -1));
            p.setPen(Qt::white);
            p.drawRect(r.adjusted(1, 1, 0, 0));
        }
    });
}
