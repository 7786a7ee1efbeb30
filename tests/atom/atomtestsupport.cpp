#include "atomtestsupport.h"

#include <gtest/gtest.h>

const ElementData &shippedElements()
{
    static const ElementData data = [] {
        ElementData d;
        const QString error = LoadElementTable(QStringLiteral(ZELVANE_EDB_PATH), d);
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        return d;
    }();
    return data;
}

ElementRecord atomRecord(int protons, int neutrons, std::initializer_list<int> levels)
{
    ElementRecord r;
    r.AtomicNumber = qint16(protons);
    r.Neutrons = qint16(neutrons);
    r.LevelCount = qint16(levels.size());
    int level = 1;
    for (int count : levels)
        r.LevelElectrons[level++] = qint16(count);
    return r;
}

namespace {

bool drawElectron(const AtomModel &m, Surface &pbAtom, const AtomSprites &s, int level, int e)
{
    if (e < 1 || e > ElectronMax || m.ElectronAngles[e] < 1 || m.ElectronAngles[e] > 360)
        return false;
    const AtomPoint p = m.paths.points[level][m.ElectronAngles[e]];
    pbAtom.bitBlt(p.x - 3, p.y - 3, 8, 8, s.pbEmask, 0, 0, 8913094u);
    pbAtom.bitBlt(p.x - 3, p.y - 3, 8, 8, s.pbE, 0, 0, 6684742u);
    return true;
}

} // namespace

void referenceMoveRing(AtomModel &m, Surface &pbAtom, const Surface &pbSave, Surface &pbHold,
                       const AtomSprites &s, int level, int steps)
{
    if (level > m.AtomLevels || level < 1)
        return;
    pbAtom.bitBlt(0, 0, 400, 400, pbSave, 0, 0, 13369376u);
    for (int other = 1; other <= m.AtomLevels; ++other) {
        if (other == level)
            continue;
        for (int e = m.shells[other].FirstElectron; e <= m.shells[other].LastElectron; ++e)
            if (!drawElectron(m, pbAtom, s, other, e))
                return;
    }
    pbHold.bitBlt(0, 0, 400, 400, pbAtom, 0, 0, 13369376u);
    for (int round = 0; round < steps; ++round) {
        for (int e = m.shells[level].FirstElectron; e <= m.shells[level].LastElectron; ++e) {
            if (e < 1 || e > ElectronMax || m.ElectronAngles[e] < 1 || m.ElectronAngles[e] > 360)
                return;
            const AtomPoint p = m.paths.points[level][m.ElectronAngles[e]];
            pbAtom.bitBlt(p.x - 3, p.y - 3, 8, 8, pbHold, p.x - 3, p.y - 3, 13369376u);
            if (++m.ElectronAngles[e] == 361)
                m.ElectronAngles[e] = 1;
            drawElectron(m, pbAtom, s, level, e);
        }
    }
}

AtomSurfaces::AtomSurfaces(Colour background)
    : pbAtom(400, 400, background), pbSave(400, 400, background), pbHold(400, 400, background)
{
}
