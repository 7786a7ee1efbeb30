#include "atomtestsupport.h"

TEST(AtomSprites, MaskIsTheEightByEightDisc)
{
    QString shape;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            shape += atomSprites().pbEmask.pixel(x, y) == ColourBlack ? u'#' : u'.';
    EXPECT_EQ(shape,
              QStringLiteral("..####...######.################################.######...####.."));
}

TEST(AtomDraw, LegendPathAndNumberColoursFollowTheOptions)
{
    constexpr Colour Own = 0x1000000; // stands for the level's own colour
    // Paths shown, in colour, on paper; then the path and level number colours.
    const std::tuple<bool, bool, bool, Colour, Colour> cases[] = {
        {true, true, false, Own, Own},
        {true, false, false, ColourBlue, ColourBlue},
        {false, true, false, ColourBlack, LevelGrey},
        {true, true, true, ColourBlue, Own}, // paper: blue paths, own numbers
        {true, false, true, ColourBlue, ColourBlue}};
    for (const auto &[dispRings, colorRings, print, path, number] : cases) {
        Atom a;
        const AtomOptions o{.animate = true, .dispRings = dispRings, .colorRings = colorRings};
        const AtomDisplayResult r = a.display(shippedData().ElementTable[118], o, print);
        EXPECT_EQ(colorRingsEnabled(o), dispRings);
        for (int level = 1; level <= 7; ++level) {
            const Colour own = a.m.shells[level].LevelColor;
            const AtomPoint p = a.m.paths.at(level, 225); // clear of the nucleus on every level
            EXPECT_EQ(a.pbSave.pixel(p.x, p.y), path == Own ? own : path) << level;
            EXPECT_EQ(r.legend[level - 1].ringColour, number == Own ? own : number) << level;
        }
    }
}

TEST(AtomDraw, WithoutAnimationOneTickIsDrawnAndTheTimerStaysOff)
{
    const ElementRecord &fe = shippedData().ElementTable[26];
    Atom still, moving;
    still.pbAtom.filledBox(0, 0, 399, 399, 12345); // leftovers must not reach pbSave
    const AtomDisplayResult r = still.display(fe, AtomOptions{});
    EXPECT_EQ(std::tuple(r.startTimer, r.timerInterval, r.electronsCaption),
              std::tuple(false, 60, QStringLiteral("26")));
    EXPECT_TRUE(moving.display(fe, animated()).startTimer);
    EXPECT_EQ(moving.pbAtom.image(), moving.pbSave.image()) << "no electron before the first tick";
    moving.tick();
    EXPECT_EQ(still.pbSave.image(), moving.pbSave.image());
    EXPECT_EQ(still.pbAtom.image(), moving.pbAtom.image());
    EXPECT_EQ(still.m.ElectronAngles, moving.m.ElectronAngles);
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
