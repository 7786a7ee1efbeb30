#include "picturebox.h"

#include "controls.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QTimer>

PictureBox::PictureBox(QWidget *parent, QRect geometry, Colour back, bool bordered)
    : QWidget(parent), m_surface(0, 0, back, devicePixelRatioF()), m_bordered(bordered)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    moveAndResize(geometry);
}

PictureBox::PictureBox(QWidget *parent, QPoint at, const Surface &picture)
    : QWidget(parent), m_surface(picture), m_bordered(false)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setGeometry(QRect(at, QSize(picture.width(), picture.height())));
}

void PictureBox::moveAndResize(QRect geometry)
{
    setGeometry(geometry);
    m_surface.resize(geometry.width() - 2 * border(), geometry.height() - 2 * border());
}

void PictureBox::setScale(double scale)
{
    if (scale == m_surface.scale()) return;
    Surface fresh(m_surface.width(), m_surface.height(), m_surface.backColor(), scale);
    // The text settings go along; the picture itself is for its owner to draw.
    fresh.Canvas::operator=(m_surface);
    m_surface = std::move(fresh);
    update();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    // A part of the picture alone (an animation frame) leaves the border as it is.
    const int b = border();
    const bool withBorder = m_bordered && !rect().adjusted(b, b, -b, -b).contains(event->rect());
    QPainter p(this);
    {
        if (withBorder) {
            const QRect r = rect();
            const QColor outer(128, 128, 128), inner(64, 64, 64), light(212, 208, 200);
            fillLine(p, r.left(), r.top(), r.right(), r.top(), outer);
            fillLine(p, r.left(), r.top(), r.left(), r.bottom(), outer);
            fillLine(p, r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1, inner);
            fillLine(p, r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 1, inner);
            fillLine(p, r.left(), r.bottom(), r.right(), r.bottom(), Qt::white);
            fillLine(p, r.right(), r.top(), r.right(), r.bottom(), Qt::white);
            fillLine(p, r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1, light);
            fillLine(p, r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1, light);
        }
        m_surface.paintArea(p, QPoint(b, b), event->rect().translated(-b, -b));
        if (m_showsFocus && hasFocus()) {
            const QRect area = rect().adjusted(b, b, -b - 1, -b - 1);
            p.setPen(QPen(QColor(128, 128, 128), 1, Qt::DotLine));
            p.drawRect(m_focusPart.isEmpty()
                           ? area
                           : m_focusPart.translated(b, b).adjusted(0, 0, -1, -1) & area);
        }
    }
}

void PictureBox::setFocusPart(const QRect &part)
{
    if (part == m_focusPart) return;
    m_focusPart = part;
    if (m_showsFocus && hasFocus()) update();
}

void PictureBox::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    if (m_showsFocus) update();
}

void PictureBox::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    if (m_showsFocus) update();
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(event->position().x() - border(), event->position().y() - border());
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
