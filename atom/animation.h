#pragma once

#include "atomgeometry.h"
#include "atomsprites.h"
#include "surface.h"

#include <array>

// The electron animation: every tick rebuilds pbAtom from the saved background
// pbSave and moves each level's electrons along its path.

// Degrees moved per tick by level 1 to 7; slot 0 unused.
constexpr std::array<qint16, LevelMax + 1> TickSteps{0, 8, 7, 5, 5, 3, 3, 2};

// Composes every electron onto pbAtom, moving level `level`'s electrons forward
// by `steps` degrees one degree at a time (each erased from pbHold and redrawn),
// so overlapping sprites end exactly as that step order leaves them. Returns
// whether pbAtom was touched and needs a repaint: a level outside 1 to
// AtomLevels changes nothing. An electron index or degree out of range ends
// the call early, leaving what was drawn so far.
//
// The picture is the one that plain step order leaves, pixel for pixel,
// but cheaper: only the 8 x 8 blocks the last call drew on are restored, a
// sprite that stands alone at the same place is left as it is, and of the
// level's rounds only the last is drawn (earlier rounds are wiped by later
// ones). This holds while neither pbAtom nor pbSave was modified elsewhere
// since the last call (checked by their image keys) and every electron is in
// range; otherwise the plain steps run. pbHold holds only the blocks
// the erasing reads and means nothing between calls.
bool MoveRing(AtomModel &model, Surface &pbAtom, const Surface &pbSave, Surface &pbHold,
              const AtomSprites &sprites, qint16 level, qint16 steps);

// One tick of tmElectron: MoveRing for every level with its per-tick step.
// Returns whether pbAtom needs a repaint. With `ticks` above 1, that many ticks
// at once: every level moves by its step times `ticks`, which leaves the
// picture and the angles exactly as that many single ticks do (only each
// level's last round leaves a mark, and the last level drawn sees every
// other level at its final place).
bool tmElectronTick(AtomModel &model, Surface &pbAtom, const Surface &pbSave, Surface &pbHold,
                    const AtomSprites &sprites, int ticks = 1);

// The top-left corners of the 8 x 8 blocks outside which pbAtom equals pbSave
// since the last MoveRing, appended to `blocks`. False when that is not known
// (pbAtom or pbSave changed elsewhere since): then any pixel may differ.
bool blocksOffBackground(const AtomModel &model, const Surface &pbAtom, const Surface &pbSave,
                         std::vector<AtomPoint> &blocks);

// tmElectron's interval in ms for atScroll's value: 20 ms more below 4 levels.
int electronTimerInterval(int atScrollValue, int atomLevels);
