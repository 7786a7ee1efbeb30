#include "surfaceview.h"

#include "surface.h"

#include <QMouseEvent>
#include <QPainter>

SurfaceView::SurfaceView(const Surface *surface, QWidget *parent)
    : QWidget(parent), m_surface(surface)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void SurfaceView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_surface->image());
}

void SurfaceView::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(event->position().x(), event->position().y());
}

void SurfaceView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
