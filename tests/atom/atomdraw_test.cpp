#include "atomtestsupport.h"

TEST(AtomSprites, WhichBallIsWhich)
{
    // Balls are brightest at column 3, row 1: protons red, neutrons yellow, electrons grey.
    const AtomSprites &s = atomSprites();
    EXPECT_EQ(std::tuple(s.pbP.pixel(3, 1), s.pbN.pixel(3, 1), s.pbE.pixel(3, 1)),
              std::tuple(0xADADEFu, 0xB5E7EFu, 0xC0C0C0u));
    // In the nucleus a lone proton sits in the centre slot; with one neutron it moves out.
    for (const auto &[neutrons, centre] : {std::pair(0, 0xADADEFu), {1, 0xB5E7EFu}}) {
        Atom a;
        drawNucleus(a.pbAtom, a.m, s, 1, neutrons);
        EXPECT_EQ(a.pbAtom.pixel(197 + 3, 197 + 1), centre) << neutrons;
    }
}

TEST(AtomDraw, BackgroundColoursByScrollValue)
{
    const std::pair<int, Colour> cases[] = {{-3, 0x000000}, {0, 0x000000}, {1, 0x404040},
                                            {2, 0x808080},  {3, 0xC0C0C0}, {4, 0xE0E0E0},
                                            {5, 0xFFFFFF},  {6, 0xFFFFFF}, {99, 0xFFFFFF}};
    for (const auto &[value, colour] : cases)
        EXPECT_EQ(backgroundColour(value), colour) << value;
}

TEST(AtomDraw, PathAndNumberColoursFollowTheOptionsOnEveryDegree)
{
    const Colour own[] = {0x0000FF, 0xFF00FF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFF0000, 0x80C0FF};
    constexpr Colour Own = 0x1000000; // stands for the level's own colour
    // Paths shown, in colour, on paper; then the path and level number colours.
    const std::tuple<bool, bool, bool, Colour, Colour> cases[] = {
        {true, true, false, Own, Own},
        {true, false, false, ColourBlue, ColourBlue},
        {false, true, false, 0x404040, LevelGrey}, // no path: the background shows
        {true, true, true, ColourBlue, Own},       // paper: blue paths, own numbers
        {true, false, true, ColourBlue, ColourBlue}};
    for (const auto &[dispRings, colorRings, print, path, number] : cases)
        for (int level = 1; level <= 7; ++level) {
            // The outermost level is drawn last: every degree of its path must show.
            Atom a(0x404040);
            const AtomOptions o{.animate = true, .dispRings = dispRings, .colorRings = colorRings};
            ElementRecord r = ElementRecord::blank();
            r.LevelCount = qint16(level);
            const AtomDisplayResult result = a.display(r, o, print);
            EXPECT_EQ(colorRingsEnabled(o), dispRings);
            int wrong = 0;
            for (int d = 1; d <= 360; ++d) {
                const AtomPoint p = a.m.paths.at(level, d);
                wrong += a.pbSave.pixel(p.x, p.y) != (path == Own ? own[level - 1] : path);
            }
            EXPECT_EQ(wrong, 0) << level;
            EXPECT_EQ(result.legend[level - 1].ringColour, number == Own ? own[level - 1] : number)
                << level;
        }
}

TEST(AtomDraw, LegendTimerAndTheFirstTick)
{
    ElementRecord fe = shippedData().ElementTable[26];
    fe.LevelCount = 3;
    fe.LevelElectrons = {0, 2, 8, 16, 9, 0, 0, 0, 0};
    Atom still, moving;
    still.pbAtom.filledBox(0, 0, 399, 399, 12345); // leftovers must not reach pbSave
    const AtomDisplayResult r = still.display(fe, AtomOptions{});
    EXPECT_EQ(std::tuple(r.startTimer, r.timerInterval, r.electronsCaption),
              std::tuple(false, 80, QStringLiteral("26")));
    EXPECT_EQ(std::pair(r.legend[2].visible, r.legend[3].visible), std::pair(true, false));
    EXPECT_EQ(r.legend[3].ringColour, LevelGrey);
    // Animated, no electron shows before the first tick; that tick gives the still picture.
    EXPECT_TRUE(moving.display(fe, animated()).startTimer);
    EXPECT_EQ(moving.pbAtom.image(), moving.pbSave.image());
    moving.tick();
    EXPECT_EQ(still.pbAtom.image(), moving.pbAtom.image());
    EXPECT_EQ(still.pbSave.image(), moving.pbSave.image());
}

TEST(AtomDraw, PrintKeepsTheElectronsMovesLevelOneByOneAndShowsNoBlackOnWhite)
{
    const ElementRecord &u = shippedData().ElementTable[92];
    Atom a;
    a.display(u, animated());
    for (int i = 0; i < 5; ++i)
        a.tick();
    auto expected = a.m.ElectronAngles;
    ++expected[1], ++expected[2]; // uranium's two level-1 electrons
    a.pbAtom.setBackColor(ColourWhite);
    EXPECT_FALSE(a.display(u, animated(), true).startTimer);
    EXPECT_EQ(a.m.ElectronAngles, expected);
    int black = 0;
    for (int i = 0; i < 400 * 400; ++i)
        black += a.pbAtom.pixel(i % 400, i / 400) == ColourBlack;
    EXPECT_EQ(black, 0);
}
