#include "atomgeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

struct PathSample
{
    bool elliptic;
    int level;
    int degree;
    AtomPoint point;
};

// Known points of the paths; levels 1 and 7 are the same in both layouts.
const PathSample PathSamples[] = {
    {true, 1, 1, {201, 160}},   {true, 1, 90, {240, 200}},  {true, 1, 180, {200, 240}},
    {true, 1, 270, {160, 200}}, {true, 1, 360, {200, 160}}, {false, 1, 1, {201, 160}},
    {false, 1, 90, {240, 200}}, {false, 1, 180, {200, 240}}, {false, 1, 270, {160, 200}},
    {false, 1, 360, {200, 160}}, {false, 2, 1, {201, 139}}, {false, 2, 90, {261, 200}},
    {false, 2, 180, {200, 261}}, {false, 2, 270, {139, 200}}, {false, 2, 360, {200, 139}},
    {true, 2, 1, {201, 133}},   {true, 2, 90, {281, 154}},  {true, 2, 180, {200, 266}},
    {true, 2, 270, {119, 246}}, {true, 2, 360, {200, 134}}, {true, 3, 1, {201, 134}},
    {true, 3, 90, {281, 246}},  {true, 3, 180, {200, 266}}, {true, 3, 270, {119, 154}},
    {true, 3, 360, {200, 134}}, {true, 5, 1, {202, 91}},    {true, 5, 90, {340, 110}},
    {true, 5, 180, {200, 307}}, {true, 5, 270, {60, 290}},  {true, 5, 360, {200, 93}},
    {true, 7, 1, {203, 14}},    {true, 7, 90, {386, 200}},  {true, 7, 180, {200, 386}},
    {true, 7, 270, {14, 200}},  {true, 7, 360, {200, 14}},  {false, 7, 1, {203, 14}},
    {false, 7, 90, {386, 200}}, {false, 7, 180, {200, 386}}, {false, 7, 270, {14, 200}},
    {false, 7, 360, {200, 14}},
};

} // namespace

TEST(AtomGeometry, PathTableMatchesKnownPointsInBothLayouts)
{
    AtomModel elliptic;
    AtomModel circular;
    SetupAtom(circular, false);
    for (const PathSample &s : PathSamples) {
        const AtomModel &m = s.elliptic ? elliptic : circular;
        const AtomPoint p = m.paths.at(s.level, s.degree);
        EXPECT_EQ(p.x, s.point.x) << (s.elliptic ? "elliptic" : "circular") << " level "
                                  << s.level << " degree " << s.degree;
        EXPECT_EQ(p.y, s.point.y) << (s.elliptic ? "elliptic" : "circular") << " level "
                                  << s.level << " degree " << s.degree;
    }
}

TEST(AtomGeometry, CircularPathsAreCirclesAndLayoutSwitchRebuildsThem)
{
    AtomModel m;
    SetupAtom(m, false);
    for (int level = 1; level <= LevelMax; ++level) {
        const int r = level == 1 ? 40 : 61 + 25 * (level - 2);
        for (int d = 1; d <= DegreeMax; ++d) {
            const AtomPoint p = m.paths.at(level, d);
            EXPECT_NEAR(std::hypot(p.x - AtomCenter, p.y - AtomCenter), r, 1.0)
                << "level " << level << " degree " << d;
        }
    }
    // Back to elliptic: only levels 1 and 7 keep their path.
    const ElectronPath circular = m.paths;
    SetupAtom(m, true);
    for (int level = 1; level <= LevelMax; ++level) {
        const bool same = m.paths.points[level] == circular.points[level];
        EXPECT_EQ(same, level == 1 || level == 7) << "level " << level;
    }
}

TEST(AtomGeometry, NucleonSlotsMatchSamplesAndLieOnTheirRings)
{
    AtomModel m;
    const std::pair<int, AtomPoint> samples[] = {
        {107, {197, 197}}, {106, {201, 194}}, {102, {196, 191}}, {92, {196, 186}},
        {57, {196, 176}},  {31, {198, 171}},  {30, {202, 169}},  {1, {196, 168}}};
    for (const auto &[slot, point] : samples) {
        EXPECT_EQ(m.nucleons[slot].x, point.x) << "slot " << slot;
        EXPECT_EQ(m.nucleons[slot].y, point.y) << "slot " << slot;
    }
    // Slots 106..102 ring radius 5, 101..92 10, 91..77 15, 76..57 20, 56..31 25, 30..1 28.
    const std::pair<int, int> rings[] = {{102, 5}, {92, 10}, {77, 15}, {57, 20}, {31, 25}, {1, 28}};
    int slot = 106;
    std::set<std::pair<int, int>> seen;
    for (const auto &[lowest, radius] : rings) {
        for (; slot >= lowest; --slot) {
            const AtomPoint p = m.nucleons[slot];
            EXPECT_NEAR(std::hypot(p.x + 4 - AtomCenter, p.y + 4 - AtomCenter), radius, 1.0)
                << "slot " << slot;
            EXPECT_TRUE(seen.insert({p.x, p.y}).second) << "slot " << slot << " repeats a place";
        }
    }
}

TEST(AtomGeometry, NucleusFillAlternatesFromTheOutermostUsedSlot)
{
    using V = std::vector<NucleonPlacement>;
    const auto P = Nucleon::Proton;
    const auto N = Nucleon::Neutron;
    EXPECT_EQ(nucleusFill(1, 0), (V{{107, P}}));
    EXPECT_EQ(nucleusFill(2, 2), (V{{104, P}, {105, N}, {106, P}, {107, N}}));
    EXPECT_EQ(nucleusFill(3, 4),
              (V{{101, P}, {102, N}, {103, P}, {104, N}, {105, P}, {106, N}, {107, N}}));
    EXPECT_TRUE(nucleusFill(0, 0).empty());

    // Out of neutrons on a neutron turn: the last proton still shows.
    EXPECT_EQ(nucleusFill(3, 1), (V{{104, P}, {105, N}, {106, P}, {107, P}}));

    // Uranium: every slot from 1, 54 protons and 53 neutrons alternating.
    const V u = nucleusFill(92, 146);
    ASSERT_EQ(u.size(), 107u);
    for (size_t i = 0; i < u.size(); ++i) {
        EXPECT_EQ(u[i].slot, int(i) + 1);
        EXPECT_EQ(u[i].kind, i % 2 == 0 ? P : N) << "slot " << i + 1;
    }
}

TEST(AtomGeometry, SpreadStartsAtTheTopWithTheWiderGapsFirst)
{
    AtomModel m;
    m.AtomLevels = 5;
    const int counts[] = {1, 2, 8, 18, 32};
    for (int level = 1; level <= 5; ++level)
        m.shells[level].ElectronCount = qint16(counts[level - 1]);
    spreadElectrons(m);

    EXPECT_EQ(m.ElectronTotal, 61);
    int next = 1;
    for (int level = 1; level <= 5; ++level) {
        EXPECT_EQ(m.shells[level].FirstElectron, next);
        next += counts[level - 1];
        EXPECT_EQ(m.shells[level].LastElectron, next - 1);
    }
    auto degrees = [&m](int level) {
        std::vector<int> out;
        for (int e = m.shells[level].FirstElectron; e <= m.shells[level].LastElectron; ++e)
            out.push_back(m.ElectronAngles[e]);
        return out;
    };
    EXPECT_EQ(degrees(1), (std::vector<int>{1}));
    EXPECT_EQ(degrees(2), (std::vector<int>{1, 181}));
    EXPECT_EQ(degrees(3), (std::vector<int>{1, 46, 91, 136, 181, 226, 271, 316}));
    for (int i = 0; i < 18; ++i)
        EXPECT_EQ(degrees(4)[i], 1 + 20 * i);
    // 32 electrons: step 11, the first eight gaps one wider; the last at 350.
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ(degrees(5)[i], 1 + 12 * std::min(i, 8) + 11 * std::max(0, i - 8)) << i;
    EXPECT_EQ(degrees(5).back(), 350);
}

TEST(AtomGeometry, SpreadSurvivesCountsBeyondTheDataLimits)
{
    AtomModel m;
    m.AtomLevels = 7;
    const int counts[] = {2, 0, 60, -3, 60, 60, 60};
    for (int level = 1; level <= 7; ++level)
        m.shells[level].ElectronCount = qint16(counts[level - 1]);
    spreadElectrons(m);

    // An empty level has an empty range; the total never passes 118.
    EXPECT_EQ(m.shells[2].LastElectron, m.shells[2].FirstElectron - 1);
    EXPECT_EQ(m.shells[4].LastElectron, m.shells[4].FirstElectron - 1);
    EXPECT_EQ(m.ElectronTotal, ElectronMax);
    EXPECT_EQ(m.shells[7].LastElectron, m.shells[7].FirstElectron - 1);
    for (int e = 1; e <= ElectronMax; ++e) {
        EXPECT_GE(m.ElectronAngles[e], 1);
        EXPECT_LE(m.ElectronAngles[e], 360);
    }
}
