#pragma once

#include "surface.h"

// The four fixed 8 x 8 pictures of the atom: the mask (a black disc on white)
// and the proton, neutron and electron balls (shaded discs on black). A sprite
// is drawn by ANDing the mask and then XORing the ball at the same place.
struct AtomSprites
{
    Surface pbEmask;
    Surface pbP;
    Surface pbN;
    Surface pbE;
};

// Drawn at a scale (device pixels per pixel) from the disc and its shading,
// built once on first use and shared for the rest of the run.
const AtomSprites &atomSprites(double scale = 1.0);

// Whether pixel (column, row), both 0-based, of an 8 x 8 sprite lies on the disc.
bool spriteDiscContains(int column, int row);

// Draws an 8 x 8 sprite with its top-left corner at (x, y): mask AND, sprite XOR.
void drawSprite(Surface &target, int x, int y, const Surface &mask, const Surface &sprite);
