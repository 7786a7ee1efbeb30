#include "animation.h"
#include "atomdraw.h"
#include "testdata.h"

#include <gtest/gtest.h>

namespace {

// An atom model with the three 400 x 400 pictures of the atom view.
struct Atom
{
    explicit Atom(Colour background = ColourBlack)
        : pbAtom(400, 400, background), pbSave(400, 400, background), pbHold(400, 400, background)
    {
    }
    AtomDisplayResult display(const ElementRecord &r, const AtomOptions &o, bool print = false)
    {
        return displayAtom(m, pbAtom, pbSave, pbHold, atomSprites(), r, o, print, 60);
    }
    bool move(int l, int s) { return MoveRing(m, pbAtom, pbSave, pbHold, atomSprites(), l, s); }
    bool tick() { return tmElectronTick(m, pbAtom, pbSave, pbHold, atomSprites()); }
    AtomModel m;
    Surface pbAtom, pbSave, pbHold;
};

const AtomOptions Animated{.animate = true};

// The animation step in its plain order: the whole background, the other
// levels, all of it kept in pbHold, then the level one degree per round (its
// sprite erased from pbHold, the degree advanced, the sprite drawn).
void plainMoveRing(Atom &a, int level, int steps)
{
    AtomModel &m = a.m;
    const auto draw = [&](int l, int e) {
        const AtomPoint p = m.paths.at(l, m.ElectronAngles[e]);
        drawSprite(a.pbAtom, p.x - 3, p.y - 3, atomSprites().pbEmask, atomSprites().pbE);
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

// The element golden pictures carry which ball is which in the nucleus.
TEST(AtomDraw, BackgroundPathAndNumberColours)
{
    const std::pair<int, Colour> backgrounds[] = {{-3, 0x000000}, {0, 0x000000}, {1, 0x404040},
                                                  {2, 0x808080},  {3, 0xC0C0C0}, {4, 0xE0E0E0},
                                                  {5, 0xFFFFFF},  {99, 0xFFFFFF}};
    for (const auto &[value, colour] : backgrounds)
        EXPECT_EQ(backgroundColour(value), colour) << value;
    // Path and level number colours follow the options on every degree.
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
            int wrong = 0;
            for (int d = 1; d <= 360; ++d) {
                const AtomPoint p = a.m.paths.at(level, d);
                wrong += a.pbSave.pixel(p.x, p.y) != (path == Own ? own[level - 1] : path);
            }
            EXPECT_EQ(std::pair(wrong, result.legend[level - 1].ringColour),
                      std::pair(0, number == Own ? own[level - 1] : number))
                << level;
        }
}

TEST(AtomDraw, LegendTimerFirstTickAndPrinting)
{
    ElementRecord fe = shippedData().ElementTable[26];
    fe.LevelCount = 3;
    fe.LevelElectrons = {0, 2, 8, 16, 9, 0, 0, 0, 0};
    Atom still, moving;
    still.pbAtom.filledBox(0, 0, 399, 399, 12345); // leftovers must not reach pbSave
    const AtomDisplayResult r = still.display(fe, AtomOptions{});
    EXPECT_EQ(std::tuple(r.startTimer, r.timerInterval, r.electronsCaption),
              std::tuple(false, 80, QStringLiteral("26")));
    // Animating, no electron shows before the first tick; that tick gives the still picture.
    EXPECT_TRUE(moving.display(fe, Animated).startTimer);
    EXPECT_EQ(moving.pbAtom.image(), moving.pbSave.image());
    moving.tick();
    EXPECT_EQ(still.pbAtom.image(), moving.pbAtom.image());

    // Printing keeps the electrons and moves level one by one.
    const ElementRecord &u = shippedData().ElementTable[92];
    Atom a;
    a.display(u, Animated);
    for (int i = 0; i < 5; ++i)
        a.tick();
    auto expected = a.m.ElectronAngles;
    ++expected[1], ++expected[2]; // uranium's two level-1 electrons
    a.pbAtom.setBackColor(ColourWhite);
    EXPECT_FALSE(a.display(u, Animated, true).startTimer);
    EXPECT_EQ(a.m.ElectronAngles, expected);
}

TEST(Animation, StepsPerTickIntervalWrapAroundAndLevelsOutsideTheAtom)
{
    // Degrees per tick of levels 1 to 7, from the spread's start at degree 1.
    Atom og;
    og.display(shippedData().ElementTable[118], Animated);
    og.tick();
    const int moved[] = {8, 7, 5, 5, 3, 3, 2};
    for (int level = 1; level <= 7; ++level)
        EXPECT_EQ(og.m.ElectronAngles[og.m.shells[level].FirstElectron] - 1, moved[level - 1]);

    // The interval adds 20 ms below four levels.
    const int cases[][3] = {{60, 1, 80}, {60, 3, 80}, {60, 4, 60}, {1, 7, 1}, {250, 2, 270}};
    for (const auto &c : cases)
        EXPECT_EQ(electronTimerInterval(c[0], c[1]), c[2]) << c[0] << " with " << c[1];

    Atom h;
    h.display(shippedData().ElementTable[1], Animated);
    h.m.ElectronAngles[1] = 358;
    EXPECT_TRUE(h.tick() && h.m.ElectronAngles[1] == 6) << h.m.ElectronAngles[1];
    h.pbAtom.setPixel(5, 5, 4242); // a MoveRing that did anything would restore this pixel
    const QImage before = h.pbAtom.image().copy();
    for (qint16 level : {2, 7, 0, -1})
        EXPECT_FALSE(h.move(level, 3));
    EXPECT_EQ(h.pbAtom.image(), before);
}

TEST(Animation, FastStepsGiveThePlainPicture)
{
    // Whole ticks, one and three at a time, of atoms with seven, four and one
    // levels, against every level moved in the plain order.
    for (int z : {118, 26, 1}) {
        Atom fast(ColourWhite), plain(ColourWhite);
        for (Atom *a : {&fast, &plain})
            a->display(shippedData().ElementTable[z], Animated);
        for (int round = 0; round < 8; ++round) {
            const int ticks = round % 2 ? 3 : 1;
            if (round == 5)
                for (Atom *a : {&fast, &plain})
                    a->pbAtom.filledBox(150, 150, 250, 250, 777);
            EXPECT_TRUE(tmElectronTick(fast.m, fast.pbAtom, fast.pbSave, fast.pbHold, atomSprites(),
                                       ticks));
            for (int level = 1; level <= plain.m.AtomLevels; ++level)
                plainMoveRing(plain, level, TickSteps[level] * ticks);
            ASSERT_TRUE(fast.m.ElectronAngles == plain.m.ElectronAngles &&
                        fast.pbAtom.image() == plain.pbAtom.image())
                << z << " round " << round;
        }
    }

    // Oganesson: sprites overlap each other and the crossing ellipses. Ticks,
    // then odd step counts, with the pictures changed elsewhere between calls.
    Atom fast(ColourWhite), plain(ColourWhite);
    const int odd[] = {1, 0, 17, 360, 361, 2, 9};
    for (int round = 0; round < 12; ++round) {
        for (Atom *a : {&fast, &plain}) {
            if (round == 0) a->display(shippedData().ElementTable[118], Animated);
            if (round == 8) a->pbAtom.filledBox(10, 10, 390, 60, 777);
            if (round == 10) a->pbSave.setPixel(200, 120, 999);
        }
        for (int level = 1; level <= 7; ++level) {
            const int n = round < 6 ? TickSteps[level] : odd[(round + level) % 7];
            fast.move(level, n);
            plainMoveRing(plain, level, n);
            ASSERT_TRUE(fast.m.ElectronAngles == plain.m.ElectronAngles &&
                        fast.pbAtom.image() == plain.pbAtom.image())
                << round << " " << level;
        }
    }
}
