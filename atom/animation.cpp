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

// The degree `steps` whole degrees after d, 361 becoming 1.
int advance(int d, int steps)
{
    return (d - 1 + steps % DegreeMax) % DegreeMax + 1;
}

// Top-left corner of the sprite of an electron at degree d of a level: the
// path point is the sprite's column 4, row 4.
AtomPoint spriteCorner(const AtomModel &m, int level, int degree)
{
    const AtomPoint &p = m.paths.at(level, degree);
    return {qint16(p.x - 3), qint16(p.y - 3)};
}

void copyBlock(Surface &to, const Surface &from, AtomPoint corner)
{
    to.bitBlt(corner.x, corner.y, SpriteSize, SpriteSize, from, corner.x, corner.y,
              RasterOp::SrcCopy);
}

void drawElectron(Surface &pbAtom, const AtomSprites &s, AtomPoint corner)
{
    drawSprite(pbAtom, corner.x, corner.y, s.pbEmask, s.pbE);
}

bool overlap(AtomPoint a, AtomPoint b)
{
    return std::abs(a.x - b.x) < SpriteSize && std::abs(a.y - b.y) < SpriteSize;
}

bool cacheMatches(const AnimationCache &c, const Surface &pbAtom, const Surface &pbSave)
{
    return c.atom == &pbAtom && c.save == &pbSave && c.atomKey == pbAtom.image().cacheKey() &&
           c.saveKey == pbSave.image().cacheKey();
}

void rememberPictures(AnimationCache &c, const Surface &pbAtom, const Surface &pbSave)
{
    c.atom = &pbAtom;
    c.save = &pbSave;
    c.atomKey = pbAtom.image().cacheKey();
    c.saveKey = pbSave.image().cacheKey();
}

bool allElectronsValid(const AtomModel &m, int levels)
{
    for (int level = 1; level <= levels; ++level)
        for (int e = m.shells[level].FirstElectron; e <= m.shells[level].LastElectron; ++e)
            if (!validElectron(e) || !validDegree(m.ElectronAngles[e])) return false;
    return true;
}

// 8 x 8 blocks hashed by 8-pixel cells, so that the blocks overlapping one are
// found among the nine cells around its corner.
class BlockGrid
{
public:
    BlockGrid(const std::vector<AtomPoint> &blocks, std::vector<int> &next)
        : m_blocks(blocks), m_next(next)
    {
        m_head.fill(-1);
        m_next.assign(blocks.size(), -1);
        for (int i = 0; i < int(blocks.size()); ++i) {
            int &head = m_head[cellOf(blocks[i])];
            m_next[i] = head;
            head = i;
        }
    }

    // Calls f(index) for every block overlapping `corner`, itself included.
    template <typename F> void forOverlapping(AtomPoint corner, F f) const
    {
        const int cx = cell(corner.x);
        const int cy = cell(corner.y);
        for (int y = std::max(cy - 1, 0); y <= std::min(cy + 1, Cells - 1); ++y)
            for (int x = std::max(cx - 1, 0); x <= std::min(cx + 1, Cells - 1); ++x)
                for (int i = m_head[y * Cells + x]; i >= 0; i = m_next[i])
                    if (overlap(m_blocks[i], corner)) f(i);
    }

private:
    static constexpr int Cells = AtomPictureSize / SpriteSize + 4;
    static int cell(int v) { return std::clamp((v + 2 * SpriteSize) / SpriteSize, 0, Cells - 1); }
    static int cellOf(AtomPoint p) { return cell(p.y) * Cells + cell(p.x); }

    const std::vector<AtomPoint> &m_blocks;
    std::vector<int> &m_next;
    std::array<int, Cells * Cells> m_head;
};

// The plain step order: the whole background, every other level,
// the whole picture into pbHold, then the level one degree per round. Used when
// the picture was changed elsewhere or an electron is out of range; an index or
// degree out of range ends the call there.
void literalMoveRing(AtomModel &m, Surface &pbAtom, const Surface &pbSave, Surface &pbHold,
                     const AtomSprites &s, int level, int steps, int levels)
{
    AnimationCache &c = m.cache;
    c.others.clear();
    c.moved.clear();
    auto abandon = [&c] { c.atom = nullptr; };

    pbAtom.bitBlt(0, 0, AtomPictureSize, AtomPictureSize, pbSave, 0, 0, RasterOp::SrcCopy);
    for (int other = 1; other <= levels; ++other) {
        if (other == level) continue;
        for (int e = m.shells[other].FirstElectron; e <= m.shells[other].LastElectron; ++e) {
            if (!validElectron(e) || !validDegree(m.ElectronAngles[e])) return abandon();
            const AtomPoint corner = spriteCorner(m, other, m.ElectronAngles[e]);
            drawElectron(pbAtom, s, corner);
            c.others.push_back(corner);
        }
    }
    pbHold.bitBlt(0, 0, AtomPictureSize, AtomPictureSize, pbAtom, 0, 0, RasterOp::SrcCopy);
    for (int round = 0; round < steps; ++round) {
        for (int e = m.shells[level].FirstElectron; e <= m.shells[level].LastElectron; ++e) {
            if (!validElectron(e) || !validDegree(m.ElectronAngles[e])) return abandon();
            qint16 &degree = m.ElectronAngles[e];
            copyBlock(pbAtom, pbHold, spriteCorner(m, level, degree));
            degree = qint16(advance(degree, 1));
            const AtomPoint to = spriteCorner(m, level, degree);
            drawElectron(pbAtom, s, to);
            if (c.moved.empty() || !(c.moved.back() == to)) c.moved.push_back(to);
        }
    }
    rememberPictures(c, pbAtom, pbSave);
}

// The sprites of the levels standing still, in drawing order, and for the
// moving level the block each electron leaves in the last round and the one it
// reaches.
void planBlocks(AnimationCache &c, const AtomModel &m, int level, int steps, int levels)
{
    c.nextOthers.clear();
    for (int other = 1; other <= levels; ++other) {
        if (other == level) continue;
        for (int e = m.shells[other].FirstElectron; e <= m.shells[other].LastElectron; ++e)
            c.nextOthers.push_back(spriteCorner(m, other, m.ElectronAngles[e]));
    }
    c.erased.clear();
    c.nextMoved.clear();
    if (steps <= 0) return;
    for (int e = m.shells[level].FirstElectron; e <= m.shells[level].LastElectron; ++e) {
        const int d = advance(m.ElectronAngles[e], steps - 1);
        c.erased.push_back(spriteCorner(m, level, d));
        c.nextMoved.push_back(spriteCorner(m, level, advance(d, 1)));
    }
}

// A sprite drawn at the same place last time and this time, overlapping no
// other block of either call, already shows exactly as the full redraw would
// leave it: it is neither restored nor drawn again. Marks such pairs in keep.
void keepUnchangedSprites(AnimationCache &c)
{
    const int oldOthers = int(c.others.size());
    const int oldBlocks = oldOthers + int(c.moved.size());
    c.blocks.clear();
    for (const auto *list : {&c.others, &c.moved, &c.nextOthers, &c.erased, &c.nextMoved})
        c.blocks.insert(c.blocks.end(), list->begin(), list->end());
    const BlockGrid grid(c.blocks, c.gridNext);
    c.keep.assign(c.blocks.size(), 0);
    for (int i = 0; i < int(c.nextOthers.size()); ++i) {
        const AtomPoint corner = c.nextOthers[i];
        int count = 0;
        int same = -1;
        grid.forOverlapping(corner, [&](int j) {
            ++count;
            if (j < oldOthers && c.blocks[j] == corner) same = j;
        });
        if (count == 2 && same >= 0) {
            c.keep[same] = 1;
            c.keep[oldBlocks + i] = 1;
        }
    }
}

// The same picture as literalMoveRing with far less copying.
void fastMoveRing(AtomModel &m, Surface &pbAtom, const Surface &pbSave, Surface &pbHold,
                  const AtomSprites &s, int level, int steps, int levels)
{
    AnimationCache &c = m.cache;
    planBlocks(c, m, level, steps, levels);
    keepUnchangedSprites(c);

    // Back to the background wherever the last call drew, then the other
    // levels: pbAtom now equals pbSave with every other level drawn on it.
    const int oldBlocks = int(c.others.size() + c.moved.size());
    for (int j = 0; j < oldBlocks; ++j)
        if (!c.keep[j]) copyBlock(pbAtom, pbSave, c.blocks[j]);
    for (int i = 0; i < int(c.nextOthers.size()); ++i)
        if (!c.keep[oldBlocks + i]) drawElectron(pbAtom, s, c.nextOthers[i]);

    // Only the last round can leave a mark: each earlier round's sprites are
    // erased whole, back to the pbHold picture, by a later round. So the level
    // jumps to one degree short of its target and makes that last round, with
    // pbHold holding just the blocks the round erases.
    for (const AtomPoint &corner : c.erased)
        copyBlock(pbHold, pbAtom, corner);
    const ShellLevel &ring = m.shells[level];
    int i = 0;
    for (int e = ring.FirstElectron; e <= ring.LastElectron && steps > 0; ++e, ++i) {
        copyBlock(pbAtom, pbHold, c.erased[i]);
        drawElectron(pbAtom, s, c.nextMoved[i]);
        m.ElectronAngles[e] = qint16(advance(m.ElectronAngles[e], steps));
    }

    std::swap(c.others, c.nextOthers);
    std::swap(c.moved, c.nextMoved);
    rememberPictures(c, pbAtom, pbSave);
}

} // namespace

bool MoveRing(AtomModel &model, Surface &pbAtom, const Surface &pbSave, Surface &pbHold,
              const AtomSprites &sprites, qint16 level, qint16 steps)
{
    const int levels = std::min<int>(model.AtomLevels, LevelMax);
    if (level < 1 || level > levels) return false;
    if (cacheMatches(model.cache, pbAtom, pbSave) && allElectronsValid(model, levels))
        fastMoveRing(model, pbAtom, pbSave, pbHold, sprites, level, steps, levels);
    else
        literalMoveRing(model, pbAtom, pbSave, pbHold, sprites, level, steps, levels);
    return true;
}

bool tmElectronTick(AtomModel &model, Surface &pbAtom, const Surface &pbSave, Surface &pbHold,
                    const AtomSprites &sprites, int ticks)
{
    // Each MoveRing leaves the background with every other level drawn and its
    // own level's last round, whatever the calls before it drew: of a tick's
    // calls only the last one's drawing shows. When that call can take the fast
    // way, the levels before it just advance.
    const int levels = std::min<int>(model.AtomLevels, LevelMax);
    if (levels >= 1 && cacheMatches(model.cache, pbAtom, pbSave) &&
        allElectronsValid(model, levels)) {
        for (int level = 1; level < levels; ++level) {
            const int steps = TickSteps[level] * ticks;
            const ShellLevel &ring = model.shells[level];
            for (int e = ring.FirstElectron; e <= ring.LastElectron && steps > 0; ++e)
                model.ElectronAngles[e] = qint16(advance(model.ElectronAngles[e], steps));
        }
        fastMoveRing(model, pbAtom, pbSave, pbHold, sprites, levels, TickSteps[levels] * ticks,
                     levels);
        return true;
    }
    bool drawn = false;
    for (int level = 1; level <= LevelMax; ++level)
        drawn |= MoveRing(model, pbAtom, pbSave, pbHold, sprites, qint16(level),
                          qint16(TickSteps[level] * ticks));
    return drawn;
}

bool blocksOffBackground(const AtomModel &model, const Surface &pbAtom, const Surface &pbSave,
                         std::vector<AtomPoint> &blocks)
{
    const AnimationCache &c = model.cache;
    if (!cacheMatches(c, pbAtom, pbSave)) return false;
    blocks.insert(blocks.end(), c.others.begin(), c.others.end());
    blocks.insert(blocks.end(), c.moved.begin(), c.moved.end());
    return true;
}

int electronTimerInterval(int atScrollValue, int atomLevels)
{
    return atomLevels < 4 ? atScrollValue + 20 : atScrollValue;
}
