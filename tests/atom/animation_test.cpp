#include "atomtestsupport.h"

namespace {

// The animation step in its plain order: the whole background, the other
// levels, all of it kept in pbHold, then the level one degree per round (its
// sprite erased from pbHold, the degree advanced, the sprite drawn).
void plainMoveRing(Atom &a, int level, int steps)
{
    AtomModel &m = a.m;
    const auto draw = [&](int l, int e) {
        const AtomPoint p = m.paths.at(l, m.ElectronAngles[e]);
        a.pbAtom.bitBlt(p.x - 3, p.y - 3, 8, 8, atomSprites().pbEmask, 0, 0, RasterOp::SrcAnd);
        a.pbAtom.bitBlt(p.x - 3, p.y - 3, 8, 8, atomSprites().pbE, 0, 0, RasterOp::SrcInvert);
    };
    a.pbAtom.bitBlt(0, 0, 400, 400, a.pbSave, 0, 0, RasterOp::SrcCopy);
    for (int l = 1; l <= m.AtomLevels; ++l)
        for (int e = m.shells[l].FirstElectron; l != level && e <= m.shells[l].LastElectron; ++e)
            draw(l, e);
    a.pbHold.bitBlt(0, 0, 400, 400, a.pbAtom, 0, 0, RasterOp::SrcCopy);
    for (int round = 0; round < steps; ++round)
        for (int e = m.shells[level].FirstElectron; e <= m.shells[level].LastElectron; ++e) {
            const AtomPoint p = m.paths.at(level, m.ElectronAngles[e]);
            a.pbAtom.bitBlt(p.x - 3, p.y - 3, 8, 8, a.pbHold, p.x - 3, p.y - 3, RasterOp::SrcCopy);
            m.ElectronAngles[e] = qint16(m.ElectronAngles[e] % 360 + 1);
            draw(level, e);
        }
}

} // namespace

TEST(Animation, StepsPerTickIntervalWrapAroundAndLevelsOutsideTheAtom)
{
    // Degrees per tick of levels 1 to 7, from the spread's start at degree 1.
    Atom og;
    og.display(shippedData().ElementTable[118], animated());
    og.tick();
    std::vector<int> moved;
    for (int level = 1; level <= 7; ++level)
        moved.push_back(og.m.ElectronAngles[og.m.shells[level].FirstElectron] - 1);
    EXPECT_EQ(moved, (std::vector<int>{8, 7, 5, 5, 3, 3, 2}));

    // The interval adds 20 ms below four levels.
    const int cases[][3] = {{60, 1, 80}, {60, 3, 80}, {60, 4, 60}, {1, 7, 1}, {250, 2, 270}};
    for (const auto &c : cases)
        EXPECT_EQ(electronTimerInterval(c[0], c[1]), c[2]) << c[0] << " with " << c[1];

    Atom h;
    h.display(shippedData().ElementTable[1], animated());
    h.m.ElectronAngles[1] = 358;
    EXPECT_TRUE(h.tick());
    EXPECT_EQ(h.m.ElectronAngles[1], 6);
    h.pbAtom.setPixel(5, 5, 4242); // a MoveRing that did anything would restore this pixel
    const QImage before = h.pbAtom.image().copy();
    for (qint16 level : {2, 7, 0, -1})
        EXPECT_FALSE(h.move(level, 3));
    EXPECT_EQ(h.pbAtom.image(), before);
}

TEST(Animation, FastStepsGiveThePlainPicture)
{
    // Oganesson in circles on black, then crowded levels whose sprites overlap
    // each other and the crossing ellipses, on white, with odd step counts.
    ElementRecord crowded = shippedData().ElementTable[100];
    crowded.LevelCount = 3;
    crowded.LevelElectrons = {0, 30, 40, 48};
    const int steps[] = {1, 0, 17, 360, 361, 2, 9};
    for (const bool heavy : {true, false}) {
        const ElementRecord &r = heavy ? shippedData().ElementTable[118] : crowded;
        Atom fast(heavy ? ColourBlack : ColourWhite), plain(heavy ? ColourBlack : ColourWhite);
        for (Atom *a : {&fast, &plain})
            a->display(r, animated(!heavy));
        for (int round = 0; round < 12; ++round) {
            // Pictures changed elsewhere between calls: drawn on, a new background.
            for (Atom *a : {&fast, &plain}) {
                if (round == 7) a->pbAtom.filledBox(10, 10, 390, 60, 777);
                if (round == 9) a->pbSave.setPixel(200, 120, 999);
            }
            for (int level = 1; level <= r.LevelCount; ++level) {
                const int n = heavy ? TickSteps[level] : steps[(round + level) % 7];
                fast.move(level, n);
                plainMoveRing(plain, level, n);
                ASSERT_EQ(fast.m.ElectronAngles, plain.m.ElectronAngles) << round << " " << level;
                ASSERT_TRUE(fast.pbAtom.image() == plain.pbAtom.image()) << round << " " << level;
            }
        }
    }
}
