#pragma once

#include "atomgeometry.h"
#include "atomsprites.h"
#include "elementdata.h"
#include "surface.h"

#include <initializer_list>

// The shipped element table, loaded once.
const ElementData &shippedElements();

// A record with the given protons, neutrons and electrons per level.
ElementRecord atomRecord(int protons, int neutrons, std::initializer_list<int> levels);

// The animation step in its plain order: restore the whole background, draw
// the other levels, keep the whole picture in pbHold, then move the level one
// degree per round (erase from pbHold, advance, draw). A bad index or degree
// ends the call where it happens.
void referenceMoveRing(AtomModel &m, Surface &pbAtom, const Surface &pbSave, Surface &pbHold,
                       const AtomSprites &s, int level, int steps);

// The three 400 x 400 pictures of the atom view.
struct AtomSurfaces
{
    explicit AtomSurfaces(Colour background = ColourBlack);
    Surface pbAtom, pbSave, pbHold;
};
