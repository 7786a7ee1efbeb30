#pragma once

#include "elementdata.h"
#include "surface.h"
#include "tableartwork.h"
#include "views.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <vector>

// The rectangle of one drawn element cell; Right and Bottom are its last pixel
// column and row. All zero for an element that was never drawn.
struct CellRect
{
    qint16 Row = 0, Column = 0, Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool operator==(const CellRect &) const = default;
};
using CellRects = std::array<CellRect, 119>;

// The smallest atomic number in 1..ElementCount placed at (row, column), or 0.
qint16 GetEfromRC(const ElementData &data, qint16 row, qint16 column);

struct PTLayout
{
    // Where pb goes on screen (2, 45, 791 x 510 with E_Frame at 0, 37); empty
    // when printing, since pb is left where it is.
    QRect pbGeometry;
    // Size of the highlight outline: the cell size plus 3 each way.
    QSize ptselSize;
    // Where the key's entries lie, for highlighting a group by pointing at it.
    std::vector<KeyArea> keyAreas;
};

// Size of the table picture on screen.
constexpr int TablePictureWidth = 791;
constexpr int TablePictureHeight = 510;

// The table picture (pb) as the window's design makes it, before the table is
// drawn: its text is 8.25-point black.
Surface tablePictureDesign(double scale = 1.0);

// Draws the whole periodic table onto target and records every drawn cell in
// cellRects (other entries are left as they are).
// printMode 0: target is the screen's table picture; it is resized to
// 791 x 510 and cleared to D09311, labels are white. printMode 1: target is the
// printed table; it is neither resized nor recoloured, labels are black, cell
// corners white, ptconnW and ptserW used. The target's font and fore colour on
// entry are used until the first cell changes them. The artwork must be drawn
// at the target's scale. The cells take their colours from the view, and the
// legend box shows its key: the classes (the table of old), the blocks, the
// states at the view's temperature, or a property's colour bar.
PTLayout CreatePT(Canvas &target, qint16 printMode, const ElementData &data,
                  const TableArtwork &art, CellRects &cellRects, QPoint eFrameTopLeft = {0, 37},
                  const TableView &view = {});

// The weight as a cell shows it: the first six characters of the trimmed
// number text, cut rather than rounded (1.00794 -> "1.0079").
QString cellWeightText(double atomicWeight);

// Trims a record text for display: spaces and the NUL padding of empty slots.
QString trimmedText(const QString &text);

// Integer division as the drawing does it: the dividend (a measured width) is
// first rounded to a whole number, halves to even, and the quotient is cut
// towards zero.
int intDiv(double dividend, int divisor);
