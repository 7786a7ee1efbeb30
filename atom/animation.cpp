#include "animation.h"

#include <algorithm>

namespace {

bool validElectron(int e)
{
    return e >= 1 && e <= ElectronMax;
}

bool validDegree(int d)
{
    return d >= 1 && d <= DegreeMax;
}

// Top-left corner of the sprite of an electron at degree d of a level: the
// path point is the sprite's column 4, row 4.
AtomPoint spriteCorner(const AtomModel &m, int level, int degree)
{
    const AtomPoint &p = m.paths.at(level, degree);
    return {qint16(p.x - 3), qint16(p.y - 3)};
}

void remember(std::vector<AtomPoint> &touched, AtomPoint corner)
{
    if (touched.empty() || !(touched.back() == corner))
        touched.push_back(corner);
}

void copyBlock(Surface &to, const Surface &from, AtomPoint corner)
{
    to.bitBlt(corner.x, corner.y, SpriteSize, SpriteSize, from, corner.x, corner.y,
              RasterOp::SrcCopy);
}

bool cacheMatches(const AnimationCache &c, const Surface &pbAtom, const Surface &pbSave)
{
    return c.atom == &pbAtom && c.save == &pbSave && c.atomKey == pbAtom.image().cacheKey() &&
           c.saveKey == pbSave.image().cacheKey();
}

} // namespace

bool MoveRing(AtomModel &model, Surface &pbAtom, const Surface &pbSave, Surface &pbHold,
              const AtomSprites &sprites, qint16 level, qint16 steps)
{
    const int levels = std::min<int>(model.AtomLevels, LevelMax);
    if (level < 1 || level > levels)
        return false;

    // Restore the background. Outside the blocks the last call drew on, pbAtom
    // still equals pbSave unless either was changed since.
    AnimationCache &cache = model.cache;
    if (cacheMatches(cache, pbAtom, pbSave)) {
        for (const AtomPoint &corner : cache.touched)
            copyBlock(pbAtom, pbSave, corner);
    } else {
        pbAtom.bitBlt(0, 0, AtomPictureSize, AtomPictureSize, pbSave, 0, 0, RasterOp::SrcCopy);
    }
    cache.touched.clear();

    auto finish = [&] {
        cache.atom = &pbAtom;
        cache.save = &pbSave;
        cache.atomKey = pbAtom.image().cacheKey();
        cache.saveKey = pbSave.image().cacheKey();
        return true;
    };

    // Every other level's electrons where they stand.
    for (int other = 1; other <= levels; ++other) {
        if (other == level)
            continue;
        const ShellLevel &s = model.shells[other];
        for (int e = s.FirstElectron; e <= s.LastElectron; ++e) {
            if (!validElectron(e) || !validDegree(model.ElectronAngles[e]))
                return finish();
            const AtomPoint corner = spriteCorner(model, other, model.ElectronAngles[e]);
            drawSprite(pbAtom, corner.x, corner.y, sprites.pbEmask, sprites.pbE);
            cache.touched.push_back(corner);
        }
    }

    // pbAtom now shows everything but this level's electrons. Keep in pbHold
    // the blocks the erasing below will read: each electron's position at
    // every degree it leaves.
    const ShellLevel &ring = model.shells[level];
    const int degreesLeft = std::min<int>(std::max<int>(steps, 0), DegreeMax);
    for (int e = ring.FirstElectron; e <= ring.LastElectron; ++e) {
        if (!validElectron(e) || !validDegree(model.ElectronAngles[e]))
            break;
        int d = model.ElectronAngles[e];
        AtomPoint last{-1000, -1000};
        for (int k = 0; k < degreesLeft; ++k) {
            const AtomPoint corner = spriteCorner(model, level, d);
            if (!(corner == last))
                copyBlock(pbHold, pbAtom, corner);
            last = corner;
            d = d % DegreeMax + 1;
        }
    }

    // Move this level's electrons one degree per round: erase from pbHold,
    // advance (361 becomes 1), draw.
    for (int round = 0; round < steps; ++round) {
        for (int e = ring.FirstElectron; e <= ring.LastElectron; ++e) {
            if (!validElectron(e) || !validDegree(model.ElectronAngles[e]))
                return finish();
            qint16 &degree = model.ElectronAngles[e];
            const AtomPoint from = spriteCorner(model, level, degree);
            // The erased block shows the background and other levels' sprites,
            // which the next restore covers already; only the new place is noted.
            copyBlock(pbAtom, pbHold, from);
            degree = qint16(degree % DegreeMax + 1);
            const AtomPoint to = spriteCorner(model, level, degree);
            drawSprite(pbAtom, to.x, to.y, sprites.pbEmask, sprites.pbE);
            remember(cache.touched, to);
        }
    }
    return finish();
}

bool tmElectronTick(AtomModel &model, Surface &pbAtom, const Surface &pbSave, Surface &pbHold,
                    const AtomSprites &sprites)
{
    bool drawn = false;
    for (int level = 1; level <= LevelMax; ++level)
        drawn |= MoveRing(model, pbAtom, pbSave, pbHold, sprites, qint16(level), TickSteps[level]);
    return drawn;
}

int electronTimerInterval(int atScrollValue, int atomLevels)
{
    return atomLevels < 4 ? atScrollValue + 20 : atScrollValue;
}
