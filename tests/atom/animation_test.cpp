#include "atomtestsupport.h"

namespace {

// The animation step in its plain order: restore the whole background, draw the
// other levels, keep the whole picture in pbHold, then move the level one degree
// per round (erase from pbHold, advance, draw). A bad index or degree ends the call.
void referenceMoveRing(Atom &a, int level, int steps)
{
    using enum RasterOp;
    AtomModel &m = a.m;
    const auto valid = [&m](int e) {
        return e >= 1 && e <= ElectronMax && m.ElectronAngles[e] >= 1 && m.ElectronAngles[e] <= 360;
    };
    const auto draw = [&](int l, int e) {
        if (!valid(e)) return false;
        const AtomPoint p = m.paths.at(l, m.ElectronAngles[e]);
        a.pbAtom.bitBlt(p.x - 3, p.y - 3, 8, 8, atomSprites().pbEmask, 0, 0, SrcAnd);
        a.pbAtom.bitBlt(p.x - 3, p.y - 3, 8, 8, atomSprites().pbE, 0, 0, SrcInvert);
        return true;
    };
    if (level < 1 || level > m.AtomLevels) return;
    a.pbAtom.bitBlt(0, 0, 400, 400, a.pbSave, 0, 0, SrcCopy);
    for (int l = 1; l <= m.AtomLevels; ++l)
        for (int e = m.shells[l].FirstElectron; l != level && e <= m.shells[l].LastElectron; ++e)
            if (!draw(l, e)) return;
    a.pbHold.bitBlt(0, 0, 400, 400, a.pbAtom, 0, 0, SrcCopy);
    for (int round = 0; round < steps; ++round)
        for (int e = m.shells[level].FirstElectron; e <= m.shells[level].LastElectron; ++e) {
            if (!valid(e)) return;
            const AtomPoint p = m.paths.at(level, m.ElectronAngles[e]);
            a.pbAtom.bitBlt(p.x - 3, p.y - 3, 8, 8, a.pbHold, p.x - 3, p.y - 3, SrcCopy);
            m.ElectronAngles[e] = qint16(m.ElectronAngles[e] % 360 + 1);
            draw(level, e);
        }
}

// The fast MoveRing and the reference side by side from the same display,
// compared pixel for pixel after every call.
struct Twins
{
    Twins(const ElementRecord &r, const AtomOptions &o, Colour background = ColourBlack)
        : fast(background), slow(background)
    {
        for (Atom *a : {&fast, &slow}) {
            SetupAtom(a->m, o.elliptic);
            a->display(r, o);
        }
    }
    void move(int level, int steps)
    {
        fast.move(level, steps);
        referenceMoveRing(slow, level, steps);
        ASSERT_EQ(fast.m.ElectronAngles, slow.m.ElectronAngles) << "level " << level;
        ASSERT_TRUE(fast.pbAtom.image() == slow.pbAtom.image())
            << "level " << level << " steps " << steps;
    }
    void tick()
    {
        for (int level = 1; level <= 7 && !testing::Test::HasFatalFailure(); ++level)
            move(level, TickSteps[level]);
    }
    Atom fast, slow;
};

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
    const AtomPoint p = h.m.paths.at(1, 6);
    EXPECT_EQ(h.pbAtom.pixel(p.x, p.y), atomSprites().pbE.pixel(3, 3));

    h.pbAtom.setPixel(5, 5, 4242); // a MoveRing that did anything would restore this pixel
    const QImage before = h.pbAtom.image().copy();
    for (qint16 level : {2, 7, 0, -1})
        EXPECT_FALSE(h.move(level, 3));
    EXPECT_EQ(h.pbAtom.image(), before);
}

TEST(Animation, FastStepsMatchTheReference)
{
    // Every element in both layouts, on black with paths and on white without;
    // in 180 ticks every electron of the long runs laps its level.
    for (int z = 1; z <= shippedData().ElementCount; ++z)
        for (bool elliptic : {true, false}) {
            AtomOptions o = animated(elliptic);
            o.dispRings = z % 2;
            Twins t(shippedData().ElementTable[z], o, z % 2 ? ColourBlack : ColourWhite);
            for (int tick = 0; tick < (z % 39 == 1 ? 180 : 4) && !HasFatalFailure(); ++tick)
                t.tick();
            ASSERT_FALSE(HasFatalFailure()) << "Z " << z << " elliptic " << elliptic;
        }
    // Crowded levels: sprites of a level overlap each other and the crossing ellipses.
    ElementRecord crowded = shippedData().ElementTable[100];
    crowded.LevelCount = 3;
    crowded.LevelElectrons = {0, 30, 40, 48};
    Twins t(crowded, animated());

    const int steps[] = {1, 0, 17, 360, 361, 2, 9};
    for (int round = 0; round < 60 && !HasFatalFailure(); ++round)
        for (int level = 1; level <= 3; ++level)
            t.move(level, steps[(round + level) % 7]);
    // Drawing on pbAtom, a new background, a changed pbSave pixel between calls.
    const auto onBoth = [&t](const auto &change) {
        change(t.fast);
        change(t.slow);
        t.tick();
    };
    onBoth([](Atom &a) { a.pbAtom.filledBox(10, 10, 390, 60, 777); });
    onBoth([&crowded](Atom &a) {
        drawAtomBackground(a.pbAtom, a.pbSave, a.m, atomSprites(), 100, crowded.Neutrons,
                           {.animate = true, .colorRings = false}, false);
    });
    onBoth([](Atom &a) { a.pbSave.setPixel(200, 120, 999); });
}
