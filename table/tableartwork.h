#pragma once

#include "colour.h"
#include "surface.h"

#include <array>

// The template pictures from which the periodic table is composed. Sprites are
// black where they are transparent and their masks white there, so that an AND
// with the mask followed by an XOR with the sprite draws them over anything.
struct TableArtwork
{
    Surface ptBox, ptBoxM;              // 40 x 50 cell sprite and mask
    Surface ptBoxW;                     // the cell sprite with white corners, for paper
    std::array<Surface, 4> ptst, ptstM; // 16 x 16 state symbols and masks (only 10 x 10 used)
    Surface ptconn, ptconnW;            // 40 x 178 connector on D09311 / on white
    Surface ptLser, ptAser;             // 132 x 21 series banners (their labels are text)
    Surface ptserW;                     // 20 x 21 arrow tip on white
    std::array<Colour, 11> ptcolor{};   // key cell colour and the ten class colours
};

// The artwork drawn at a scale (device pixels per pixel), built on first use
// and kept for the rest of the run.
const TableArtwork &tableArtwork(double scale = 1.0);

// The key cell's colour and the ten class colours (ptcolor of every set).
const std::array<Colour, 11> &classColours();

// Builds a fresh set; tableArtwork() keeps one of these.
TableArtwork buildTableArtwork(double scale = 1.0);

// Where the cell box's interior lies (0-based, both ends included): the class
// colour shows here.
constexpr int CellInteriorLeft = 2;
constexpr int CellInteriorRight = 35;
constexpr int CellInteriorTop = 1;
constexpr int CellInteriorBottom = 47;

// The part of a state symbol picture that is copied.
constexpr int StateSymbolSize = 10;

// True for the twelve rounded-corner pixels of a w x h cell box: each corner
// pixel and its two neighbours along the edges.
bool isCellCornerPixel(int x, int y, int w, int h);
