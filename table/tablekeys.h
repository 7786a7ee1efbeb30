#pragma once

#include "creatept.h"

// A move of the table's outline by the keyboard.
enum class CellStep { Left, Right, Up, Down, First, Last };

// The element whose cell a step reaches from element from's cell: left and
// right along the row to the nearest cell, skipping empty positions; up and
// down to the nearest row that has cells (the series rows included), at the
// column closest to from's; First and Last the first and last cells in reading
// order. Stays at from where nothing lies that way; from 0 (no outline) any
// step goes to the first cell. Only elements 1..elementCount with a drawn cell
// count.
qint16 stepCell(const CellRects &rects, qint16 elementCount, qint16 from, CellStep step);
