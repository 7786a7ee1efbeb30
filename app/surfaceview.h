#pragma once

#include <QWidget>

class Surface;

// Shows a surface's persistent image. The widget draws nothing of its own; what
// it shows changes only when the surface does and update() is called.
class SurfaceView : public QWidget
{
    Q_OBJECT
public:
    explicit SurfaceView(const Surface *surface, QWidget *parent = nullptr);

    const Surface *surface() const { return m_surface; }

signals:
    void clicked();
    void mouseMoved(double x, double y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    const Surface *m_surface;
};
