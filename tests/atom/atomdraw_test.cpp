#include "animation.h"
#include "atomdraw.h"
#include "atomtestsupport.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Level 7 at 45 degrees lies far from the nucleus and, with animation on, no
// electron has been drawn yet.
Colour pathPixel(const AtomModel &m, const Surface &s, int level, int degree)
{
    const AtomPoint p = m.paths.at(level, degree);
    return s.pixel(p.x, p.y);
}

} // namespace

TEST(AtomDraw, LegendShowsOccupiedLevelsAndCaptionsAllSeven)
{
    const ElementData &data = shippedElements();
    AtomModel m;
    const LevelLegend h = prepareLevels(m, data.ElementTable[1], AtomOptions{});
    EXPECT_EQ(m.AtomLevels, 1);
    EXPECT_TRUE(h[0].visible);
    EXPECT_EQ(h[0].ringCaption, "1");
    EXPECT_EQ(h[0].electronCaption, "1");
    EXPECT_EQ(h[0].ringColour, Colour(255));
    for (int i = 1; i < 7; ++i) {
        EXPECT_FALSE(h[i].visible) << i;
        EXPECT_EQ(h[i].ringCaption, QString::number(i + 1));
        EXPECT_EQ(h[i].electronCaption, "0");
    }

    const LevelLegend og = prepareLevels(m, data.ElementTable[118], AtomOptions{});
    EXPECT_EQ(m.AtomLevels, 7);
    const int counts[] = {2, 8, 18, 32, 32, 18, 8};
    for (int i = 0; i < 7; ++i) {
        EXPECT_TRUE(og[i].visible) << i;
        EXPECT_EQ(og[i].electronCaption, QString::number(counts[i]));
        EXPECT_EQ(m.shells[i + 1].ElectronCount, counts[i]);
    }

    // Counts above LevelCount still reach the table; a level count past 7 is held at 7.
    ElementRecord odd = atomRecord(3, 4, {2, 1});
    odd.LevelElectrons[5] = 9;
    prepareLevels(m, odd, AtomOptions{});
    EXPECT_EQ(m.shells[5].ElectronCount, 9);
    EXPECT_EQ(m.shells[7].ElectronCount, 0);
    odd.LevelCount = 12;
    prepareLevels(m, odd, AtomOptions{});
    EXPECT_EQ(m.AtomLevels, 7);
}

TEST(AtomDraw, PathAndNumberColoursFollowTheOptions)
{
    struct Case
    {
        bool dispRings, colorRings, printMode;
        bool pathsDrawn, pathsInLevelColour, numbersInLevelColour;
        Colour otherNumberColour;
    };
    const Case cases[] = {
        {true, true, false, true, true, true, 0},
        {true, false, false, true, false, false, ColourBlue},
        {false, true, false, false, false, false, LevelGrey},
        {false, false, false, false, false, false, LevelGrey},
        // On paper the paths are blue; the numbers keep their colours.
        {true, true, true, true, false, true, 0},
        {true, false, true, true, false, false, ColourBlue},
    };
    const ElementRecord &og = shippedElements().ElementTable[118];
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "paths " << c.dispRings << " colours " << c.colorRings
                                        << " print " << c.printMode);
        AtomModel m;
        AtomSurfaces s;
        AtomOptions o;
        o.animate = true;
        o.dispRings = c.dispRings;
        o.colorRings = c.colorRings;
        const AtomDisplayResult r =
            displayAtom(m, s.pbAtom, s.pbSave, s.pbHold, atomSprites(), og, o, c.printMode, 60);
        EXPECT_EQ(colorRingsEnabled(o), c.dispRings);
        for (int level = 1; level <= 7; ++level) {
            const Colour own = m.shells[level].LevelColor;
            const Colour number = c.numbersInLevelColour ? own : c.otherNumberColour;
            EXPECT_EQ(r.legend[level - 1].ringColour, number) << "level " << level;
            const Colour path =
                !c.pathsDrawn ? ColourBlack : c.pathsInLevelColour ? own : ColourBlue;
            // 225 degrees: lower left, clear of the nucleus on every level.
            EXPECT_EQ(pathPixel(m, s.pbSave, level, 225), path) << "level " << level;
        }
    }
}

TEST(AtomDraw, HydrogenBackgroundIsOneProtonAndOneDottedCircle)
{
    AtomModel m;
    AtomSurfaces s;
    AtomOptions o;
    o.animate = true;
    const AtomDisplayResult r = displayAtom(m, s.pbAtom, s.pbSave, s.pbHold, atomSprites(),
                                            shippedElements().ElementTable[1], o, false, 60);
    EXPECT_TRUE(r.startTimer);
    EXPECT_EQ(r.electronsCaption, "1");
    EXPECT_EQ(r.timerInterval, 80);
    EXPECT_EQ(s.pbAtom.image(), s.pbSave.image()) << "animation on: no electron drawn yet";

    std::set<std::pair<int, int>> dots;
    for (int d = 1; d <= 360; ++d)
        dots.insert({m.paths.at(1, d).x, m.paths.at(1, d).y});
    const AtomSprites &sp = atomSprites();
    int pathPixels = 0;
    for (int y = 0; y < 400; ++y) {
        for (int x = 0; x < 400; ++x) {
            const Colour c = s.pbSave.pixel(x, y);
            const bool inNucleus = x >= 197 && x < 205 && y >= 197 && y < 205;
            if (inNucleus) {
                const bool disc = spriteDiscContains(x - 197, y - 197);
                EXPECT_EQ(c, disc ? sp.pbP.pixel(x - 197, y - 197) : ColourBlack);
            } else if (c != ColourBlack) {
                EXPECT_EQ(c, Colour(255)) << x << "," << y;
                EXPECT_TRUE(dots.count({x, y})) << x << "," << y;
                ++pathPixels;
            }
        }
    }
    EXPECT_EQ(pathPixels, int(dots.size()));
}

TEST(AtomDraw, ScreenDisplaySpreadsAndDrawsOneTickWhenNotAnimated)
{
    const ElementRecord &fe = shippedElements().ElementTable[26];
    AtomModel m;
    AtomSurfaces s;
    // Leftovers of an earlier picture must not end up in the saved background.
    s.pbAtom.filledBox(0, 0, 399, 399, 12345);
    const AtomDisplayResult r =
        displayAtom(m, s.pbAtom, s.pbSave, s.pbHold, atomSprites(), fe, AtomOptions{}, false, 60);
    EXPECT_FALSE(r.startTimer);
    EXPECT_EQ(r.timerInterval, 60);
    EXPECT_EQ(r.electronsCaption, "26");

    // The same by hand: a clean background, the spread, one reference tick.
    AtomModel ref;
    AtomSurfaces rs;
    prepareLevels(ref, fe, AtomOptions{});
    drawAtomBackground(rs.pbAtom, rs.pbSave, ref, atomSprites(), 26, fe.Neutrons, AtomOptions{},
                       false);
    EXPECT_EQ(s.pbSave.image(), rs.pbSave.image());
    spreadElectrons(ref);
    for (int level = 1; level <= 7; ++level)
        referenceMoveRing(ref, rs.pbAtom, rs.pbSave, rs.pbHold, atomSprites(), level,
                          TickSteps[level]);
    EXPECT_EQ(s.pbAtom.image(), rs.pbAtom.image());
    EXPECT_EQ(m.ElectronAngles, ref.ElectronAngles);
    for (int level = 1; level <= 4; ++level)
        EXPECT_EQ(m.ElectronAngles[m.shells[level].FirstElectron], 1 + TickSteps[level]);
}

TEST(AtomDraw, PrintDisplayKeepsTheElectronsAndMovesLevelOneByOne)
{
    const ElementRecord &u = shippedElements().ElementTable[92];
    AtomModel m;
    AtomSurfaces s;
    AtomOptions o;
    o.animate = true;
    displayAtom(m, s.pbAtom, s.pbSave, s.pbHold, atomSprites(), u, o, false, 60);
    for (int i = 0; i < 5; ++i)
        tmElectronTick(m, s.pbAtom, s.pbSave, s.pbHold, atomSprites());
    auto before = m.ElectronAngles;

    s.pbAtom.setBackColor(ColourWhite);
    const AtomDisplayResult r =
        displayAtom(m, s.pbAtom, s.pbSave, s.pbHold, atomSprites(), u, o, true, 60);
    EXPECT_FALSE(r.startTimer);
    EXPECT_TRUE(r.electronsCaption.isEmpty());
    before[1] += 1;
    before[2] += 1;
    EXPECT_EQ(m.ElectronAngles, before);

    // On white no sprite leaves a black pixel anywhere.
    int black = 0;
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 400; ++x)
            black += s.pbAtom.pixel(x, y) == ColourBlack;
    EXPECT_EQ(black, 0);
    EXPECT_EQ(s.pbAtom.pixel(0, 0), ColourWhite);
}
