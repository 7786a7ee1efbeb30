#pragma once

#include "surface.h"

#include <QWidget>

// A picture box: a control that shows the persistent image of the surface it
// owns, drawn at the screen's scale. A bordered box has a sunken two-pixel
// border around its drawing area.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    PictureBox(QWidget *parent, QRect geometry, Colour back, bool bordered = false);
    // An unbordered box at `at` showing a picture prepared beforehand, at its
    // size and scale.
    PictureBox(QWidget *parent, QPoint at, const Surface &picture);

    Surface &surface() { return m_surface; }
    const Surface &surface() const { return m_surface; }

    // Gives the box a blank picture of the same size at another device scale,
    // keeping its colours and text settings; its owner draws it anew.
    void setScale(double scale);
    // Moves and sizes the control; the drawing area follows the new size.
    void moveAndResize(QRect geometry);
    // Paints again the part of the picture in `rect` (in picture coordinates).
    void updatePicture(const QRect &rect) { update(rect.translated(border(), border())); }
    // Shows a dotted frame around the drawing area while the box has the focus,
    // or around the part of it in `part` (picture coordinates) once given one.
    void setShowsFocus(bool shows) { m_showsFocus = shows; }
    void setFocusPart(const QRect &part);

signals:
    void clicked();
    void mouseMoved(double x, double y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    int border() const { return m_bordered ? 2 : 0; }

    Surface m_surface;
    bool m_bordered;
    bool m_showsFocus = false;
    QRect m_focusPart;
};
