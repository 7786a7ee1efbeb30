#pragma once

#include "atomgeometry.h"
#include "atomsprites.h"
#include "elementdata.h"
#include "surface.h"

#include <QString>

#include <array>

// The atom steps of the element display: the level legend, the nucleus, the
// dotted level paths and the saved background, plus the option rules the
// window applies to its controls.

// The display options as the window's toggle buttons hold them.
struct AtomOptions
{
    bool animate = false;   // ck_animate
    bool dispRings = true;  // ck_dispRings
    bool colorRings = true; // ck_ColorRings
    bool elliptic = true;   // ring_opt
};

constexpr Colour LevelGrey = 0x808080;

// Background colours of the atom picture, indexed by cScroll's value 0 to 5.
constexpr std::array<Colour, 6> BackgroundColors{0x000000, 0x404040, 0x808080,
                                                 0xC0C0C0, 0xE0E0E0, 0xFFFFFF};
// The background for a cScroll value; values outside 0 to 5 take the nearest end.
Colour backgroundColour(int cScrollValue);

// ck_ColorRings is enabled exactly while the level paths are shown.
inline bool colorRingsEnabled(const AtomOptions &o)
{
    return o.dispRings;
}

// Colour of a level's number in the legend: its own colour, blue with level
// colours off, grey with the paths hidden.
Colour levelNumberColour(const ShellLevel &level, const AtomOptions &o);
// Colour of a level's dotted path: its own colour, or blue with level colours
// off or on paper.
Colour levelPathColour(const ShellLevel &level, const AtomOptions &o, bool printMode);

// One level of the legend under the picture: d_ring(L - 1) and d_ringE(L - 1).
struct LevelLabel
{
    QString ringCaption;     // the level number L
    QString electronCaption; // the level's electron count
    Colour ringColour = LevelGrey;
    bool visible = false; // both labels; false above AtomLevels
};
using LevelLegend = std::array<LevelLabel, LevelMax>;

// Copies the record's level count into AtomLevels (0 to 7) and its seven level
// counts into ElectronCount, and returns the legend for levels 1 to 7.
LevelLegend prepareLevels(AtomModel &model, const ElementRecord &record, const AtomOptions &o);

// The nucleus sprites in fill order, later ones over earlier ones.
void drawNucleus(Surface &pbAtom, const AtomModel &model, const AtomSprites &sprites, int protons,
                 int neutrons);

// One pixel per degree on levels 1 to AtomLevels; nothing when paths are hidden.
void drawLevelPaths(Surface &pbAtom, const AtomModel &model, const AtomOptions &o, bool printMode);

// Clears pbAtom to its background, draws the nucleus and the paths, and saves
// the result into pbSave (the background every animation tick starts from).
void drawAtomBackground(Surface &pbAtom, Surface &pbSave, const AtomModel &model,
                        const AtomSprites &sprites, int protons, int neutrons, const AtomOptions &o,
                        bool printMode);

// What the window applies after the atom part of a display.
struct AtomDisplayResult
{
    LevelLegend legend;
    // Screen displays only: d_electrons's caption and tmElectron's interval.
    QString electronsCaption;
    int timerInterval = 0;
    // Screen display with ck_animate checked: enable tmElectron.
    bool startTimer = false;
};

// The atom steps after the data sheet has been written: legend, background,
// then on paper one MoveRing(1, 1) over the current electrons; on screen the
// electrons are re-spread, the interval set, and either the timer is to be
// started or one tick is drawn at once. pbAtom needs a repaint afterwards.
AtomDisplayResult displayAtom(AtomModel &model, Surface &pbAtom, Surface &pbSave, Surface &pbHold,
                              const AtomSprites &sprites, const ElementRecord &record,
                              const AtomOptions &o, bool printMode, int atScrollValue);
