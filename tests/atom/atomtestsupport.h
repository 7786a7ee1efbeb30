#pragma once

#include "animation.h"
#include "atomdraw.h"
#include "testdata.h"

#include <gtest/gtest.h>

// An atom model with the three 400 x 400 pictures of the atom view.
struct Atom
{
    explicit Atom(Colour background = ColourBlack)
        : pbAtom(400, 400, background), pbSave(400, 400, background), pbHold(400, 400, background)
    {
    }
    AtomDisplayResult display(const ElementRecord &r, const AtomOptions &o, bool print = false)
    {
        return displayAtom(m, pbAtom, pbSave, pbHold, atomSprites(), r, o, print, 60);
    }
    bool move(int l, int s) { return MoveRing(m, pbAtom, pbSave, pbHold, atomSprites(), l, s); }
    bool tick() { return tmElectronTick(m, pbAtom, pbSave, pbHold, atomSprites()); }
    AtomModel m;
    Surface pbAtom, pbSave, pbHold;
};

inline AtomOptions animated(bool elliptic = true)
{
    return {.animate = true, .elliptic = elliptic};
}
