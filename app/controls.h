#pragma once

#include "colour.h"

#include <QAbstractButton>
#include <QPixmap>
#include <QWidget>

#include <functional>
#include <optional>

// A graphical check box or command button: it shows its picture while raised
// (unchecked) and its down picture while pressed in (checked), on a face colour,
// with an optional caption under or instead of the picture.
class PictureButton : public QAbstractButton
{
    Q_OBJECT
public:
    PictureButton(QWidget *parent, Colour face);

    // Draws the raised (false) or the pressed-in (true) picture at a device
    // scale (device pixels to a pixel).
    using PictureSource = std::function<QPixmap(bool pressedIn, double scale)>;
    // Each picture is drawn when it is first painted, at the scale it is
    // painted at, and again when that scale changes: many faces, such as those
    // of the Element page, are never shown in a run.
    void setPictures(PictureSource source);
    // Value as a number: 1 checked, 0 clear. Setting a different value raises the
    // click handler (toggled) at once; the same value raises nothing.
    int value() const { return isChecked() ? 1 : 0; }
    void setValue(int value) { setChecked(value != 0); }

signals:
    // Sent when the mouse button is released over the control.
    void mouseUp();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void paintFace(QPainter &p);
    const QPixmap &picture(bool pressedIn, double scale);

    Colour m_face;
    PictureSource m_source;
    std::optional<QPixmap> m_pictures[2]; // raised, pressed in; drawn when needed
    double m_picturesScale = 0;           // the scale they were drawn at
};

// The device pixels to a logical pixel of what a painter paints on: the
// window's scale, or that of a picture a control is rendered into.
double deviceScale(const QPainter &p);

// Fills the pixels from (x1, y1) to (x2, y2), both included: a line one pixel
// wide along a row or a column, covering whole device pixels at any scale.
void fillLine(QPainter &p, int x1, int y1, int x2, int y2, const QColor &colour);

// The rectangle outline laid over the table: a frame of a given width and colour,
// no fill, transparent to the mouse so the picture under it keeps its events.
class OutlineShape : public QWidget
{
    Q_OBJECT
public:
    OutlineShape(QWidget *parent, Colour colour, int borderWidth);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Colour m_colour;
    int m_borderWidth;
};

// A frame filled with one colour, optionally with a thin etched border.
class ColourFrame : public QWidget
{
    Q_OBJECT
public:
    ColourFrame(QWidget *parent, Colour back, bool bordered);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Colour m_back;
    bool m_bordered;
};
