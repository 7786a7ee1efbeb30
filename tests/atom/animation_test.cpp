#include "animation.h"
#include "atomdraw.h"
#include "atomtestsupport.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

bool samePicture(const Surface &a, const Surface &b)
{
    const QImage &x = a.image();
    const QImage &y = b.image();
    return x.size() == y.size() && x.format() == y.format() &&
           std::memcmp(x.constBits(), y.constBits(), size_t(x.sizeInBytes())) == 0;
}

// The fast MoveRing and the plain step-by-step reference side by side, each on its own
// model and pictures, started from the same display.
struct TwinAtoms
{
    TwinAtoms(const ElementRecord &r, const AtomOptions &o, Colour background = ColourBlack)
        : fast(background), slow(background)
    {
        SetupAtom(fm, o.elliptic);
        SetupAtom(sm, o.elliptic);
        AtomOptions still = o;
        still.animate = true;
        displayAtom(fm, fast.pbAtom, fast.pbSave, fast.pbHold, atomSprites(), r, still, false, 60);
        displayAtom(sm, slow.pbAtom, slow.pbSave, slow.pbHold, atomSprites(), r, still, false, 60);
    }

    void move(int level, int steps)
    {
        MoveRing(fm, fast.pbAtom, fast.pbSave, fast.pbHold, atomSprites(), qint16(level),
                 qint16(steps));
        referenceMoveRing(sm, slow.pbAtom, slow.pbSave, slow.pbHold, atomSprites(), level, steps);
    }

    // Every MoveRing of a tick, compared after each call.
    void tickAndCompare(const std::string &what)
    {
        for (int level = 1; level <= 7; ++level) {
            move(level, TickSteps[level]);
            ASSERT_EQ(fm.ElectronAngles, sm.ElectronAngles) << what << " level " << level;
            ASSERT_TRUE(samePicture(fast.pbAtom, slow.pbAtom)) << what << " level " << level;
        }
    }

    AtomModel fm, sm;
    AtomSurfaces fast, slow;
};

int electronsDrawnAt(const Surface &pbAtom, const Surface &pbSave, AtomPoint p)
{
    return pbAtom.pixel(p.x, p.y) == atomSprites().pbE.pixel(3, 3) &&
           pbSave.pixel(p.x, p.y) != atomSprites().pbE.pixel(3, 3);
}

} // namespace

TEST(Animation, TimerIntervalAddsTwentyBelowFourLevels)
{
    const struct
    {
        int value, levels, interval;
    } cases[] = {{60, 0, 80}, {60, 1, 80}, {60, 3, 80}, {60, 4, 60},
                 {60, 7, 60}, {1, 7, 1},   {250, 2, 270}, {250, 4, 250}};
    for (const auto &c : cases)
        EXPECT_EQ(electronTimerInterval(c.value, c.levels), c.interval)
            << c.value << " with " << c.levels << " levels";
}

TEST(Animation, ElectronWrapsFrom358PastTheTop)
{
    AtomModel m;
    AtomSurfaces s;
    AtomOptions o;
    o.animate = true;
    displayAtom(m, s.pbAtom, s.pbSave, s.pbHold, atomSprites(), shippedElements().ElementTable[1],
                o, false, 60);
    m.ElectronAngles[1] = 358;
    EXPECT_TRUE(tmElectronTick(m, s.pbAtom, s.pbSave, s.pbHold, atomSprites()));
    EXPECT_EQ(m.ElectronAngles[1], 6);
    EXPECT_TRUE(electronsDrawnAt(s.pbAtom, s.pbSave, m.paths.at(1, 6)));
    // Only the new position shows: every other pixel is the background again.
    int changed = 0;
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 400; ++x)
            changed += s.pbAtom.pixel(x, y) != s.pbSave.pixel(x, y);
    EXPECT_GT(changed, 0);
    EXPECT_LE(changed, 52);
}

TEST(Animation, LevelsOutsideTheAtomChangeNothing)
{
    AtomModel m;
    AtomSurfaces s;
    displayAtom(m, s.pbAtom, s.pbSave, s.pbHold, atomSprites(), shippedElements().ElementTable[26],
                AtomOptions{}, false, 60);
    s.pbAtom.setPixel(5, 5, 4242);  // MoveRing would restore this pixel if it did anything
    const QImage before = s.pbAtom.image().copy();
    const auto angles = m.ElectronAngles;
    for (qint16 level : {qint16(5), qint16(7), qint16(0), qint16(-1), qint16(9)})
        EXPECT_FALSE(MoveRing(m, s.pbAtom, s.pbSave, s.pbHold, atomSprites(), level, 3)) << level;
    EXPECT_EQ(s.pbAtom.image(), before);
    EXPECT_EQ(m.ElectronAngles, angles);
}

TEST(Animation, FastStepsMatchTheReferenceOverManyTicks)
{
    const ElementData &data = shippedElements();
    AtomOptions elliptic;
    AtomOptions circular;
    circular.elliptic = false;
    // Long runs for a few atoms in both layouts; in 180 ticks every electron
    // laps its level at least once.
    for (int z : {1, 26, 92, 118}) {
        for (const AtomOptions &o : {elliptic, circular}) {
            TwinAtoms t(data.ElementTable[z], o);
            for (int tick = 0; tick < 180; ++tick)
                ASSERT_NO_FATAL_FAILURE(t.tickAndCompare("Z " + std::to_string(z)));
        }
    }
    // A few ticks of every element, on a white background with hidden paths.
    AtomOptions plain;
    plain.dispRings = false;
    for (int z = 1; z <= data.ElementCount; ++z) {
        TwinAtoms t(data.ElementTable[z], plain, ColourWhite);
        for (int tick = 0; tick < 4; ++tick)
            ASSERT_NO_FATAL_FAILURE(t.tickAndCompare("Z " + std::to_string(z)));
    }
}

TEST(Animation, FastStepsMatchWithOverlappingSpritesAndOddSteps)
{
    // Crowded levels: the sprites of a level overlap each other and the crossing
    // ellipses of levels 2 and 3.
    TwinAtoms t(atomRecord(100, 150, {30, 40, 48}), AtomOptions{});
    const int steps[] = {1, 0, 17, 360, 361, 2, 9};
    for (int round = 0; round < 60; ++round) {
        for (int level = 1; level <= 3; ++level) {
            t.move(level, steps[(round + level) % 7]);
            ASSERT_EQ(t.fm.ElectronAngles, t.sm.ElectronAngles) << round;
            ASSERT_TRUE(samePicture(t.fast.pbAtom, t.slow.pbAtom))
                << "round " << round << " level " << level;
        }
    }
}

TEST(Animation, FastStepsNoticeChangesMadeBetweenCalls)
{
    const ElementRecord &u = shippedElements().ElementTable[92];
    TwinAtoms t(u, AtomOptions{});
    ASSERT_NO_FATAL_FAILURE(t.tickAndCompare("start"));

    // Something drew on the visible picture.
    for (Surface *s : {&t.fast.pbAtom, &t.slow.pbAtom})
        s->filledBox(10, 10, 390, 60, 777);
    ASSERT_NO_FATAL_FAILURE(t.tickAndCompare("after drawing on pbAtom"));

    // The saved background was redrawn in place with other options.
    AtomOptions blue;
    blue.colorRings = false;
    drawAtomBackground(t.fast.pbAtom, t.fast.pbSave, t.fm, atomSprites(), 92, 146, blue, false);
    drawAtomBackground(t.slow.pbAtom, t.slow.pbSave, t.sm, atomSprites(), 92, 146, blue, false);
    ASSERT_NO_FATAL_FAILURE(t.tickAndCompare("after a new background"));

    // Only pbSave changed.
    for (Surface *s : {&t.fast.pbSave, &t.slow.pbSave})
        s->setPixel(200, 120, 999);
    ASSERT_NO_FATAL_FAILURE(t.tickAndCompare("after changing pbSave"));
}

TEST(Animation, BadDegreeEndsTheCallWithoutHarm)
{
    const ElementRecord &og = shippedElements().ElementTable[118];
    for (qint16 bad : {qint16(0), qint16(361), qint16(-7), qint16(32000)}) {
        TwinAtoms t(og, AtomOptions{});
        ASSERT_NO_FATAL_FAILURE(t.tickAndCompare("before"));
        // One electron of level 4 goes bad: every call stops on reaching it.
        t.fm.ElectronAngles[40] = bad;
        t.sm.ElectronAngles[40] = bad;
        for (int tick = 0; tick < 3; ++tick) {
            EXPECT_TRUE(MoveRing(t.fm, t.fast.pbAtom, t.fast.pbSave, t.fast.pbHold, atomSprites(),
                                 4, 5));
            referenceMoveRing(t.sm, t.slow.pbAtom, t.slow.pbSave, t.slow.pbHold, atomSprites(), 4,
                              5);
            ASSERT_NO_FATAL_FAILURE(t.tickAndCompare("bad degree " + std::to_string(bad)));
        }
        EXPECT_EQ(t.fm.ElectronAngles[40], bad);
        // Electrons of level 4 before the bad one still moved once per call.
        EXPECT_NE(t.fm.ElectronAngles[39], t.sm.ElectronAngles[39] + 1000);
    }
}

TEST(Animation, LayoutSwitchRestartsElectronsAtTheTop)
{
    const ElementRecord &fe = shippedElements().ElementTable[26];
    AtomModel m;
    AtomSurfaces s;
    AtomOptions o;
    o.animate = true;
    displayAtom(m, s.pbAtom, s.pbSave, s.pbHold, atomSprites(), fe, o, false, 60);
    for (int i = 0; i < 10; ++i)
        tmElectronTick(m, s.pbAtom, s.pbSave, s.pbHold, atomSprites());
    ASSERT_NE(m.ElectronAngles[1], 1);

    o.elliptic = false;
    SetupAtom(m, o.elliptic);
    const AtomDisplayResult r =
        displayAtom(m, s.pbAtom, s.pbSave, s.pbHold, atomSprites(), fe, o, false, 60);
    EXPECT_TRUE(r.startTimer);
    for (int level = 1; level <= m.AtomLevels; ++level)
        EXPECT_EQ(m.ElectronAngles[m.shells[level].FirstElectron], 1) << level;
    EXPECT_EQ(m.paths.at(2, 90).x, 261);
}
