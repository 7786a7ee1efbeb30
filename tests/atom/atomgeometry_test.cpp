#include "atomgeometry.h"

#include <gtest/gtest.h>

TEST(AtomGeometry, LevelColoursRadiiAndPhases)
{
    // Colour, circle radius, ellipse radius, ellipse phase of levels 1 to 7; circles have phase 90.
    const std::tuple<Colour, int, int, int> levels[] = {
        {0x0000FF, 40, 40, 90},   {0xFF00FF, 61, 81, 55},   {0x00FFFF, 86, 81, 125},
        {0x00FF00, 111, 130, 90}, {0xFFFF00, 136, 140, 50}, {0xFF0000, 161, 140, 130},
        {0x80C0FF, 186, 186, 90}};
    ShellTable shells;
    InitShellTable(shells);
    for (int l = 1; l <= 7; ++l)
        EXPECT_EQ(std::tuple(shells[l].LevelColor, int(shells[l].CircleRadius),
                             int(shells[l].EllipseRadius), int(shells[l].EllipsePhase),
                             int(shells[l].CirclePhase)),
                  std::tuple_cat(levels[l - 1], std::tuple(90)))
            << l;
}

TEST(AtomGeometry, PathPoints)
{
    // Layouts (bit 0 elliptic, bit 1 circular), level, then x, y at degrees 1, 90, 180, 270, 360.
    const int rows[][12] = {{3, 1, 201, 160, 240, 200, 200, 240, 160, 200, 200, 160},
                            {2, 2, 201, 139, 261, 200, 200, 261, 139, 200, 200, 139},
                            {1, 3, 201, 134, 281, 246, 200, 266, 119, 154, 200, 134},
                            {3, 7, 203, 14, 386, 200, 200, 386, 14, 200, 200, 14}};
    AtomModel models[2];
    SetupAtom(models[1], false);
    for (const auto &row : rows)
        for (int layout = 0; layout < 2; ++layout)
            for (int i = 0; i < 5 && (row[0] >> layout & 1); ++i) {
                const AtomPoint p = models[layout].paths.at(row[1], std::max(1, 90 * i));
                EXPECT_EQ(std::pair(int(p.x), int(p.y)), std::pair(row[2 + 2 * i], row[3 + 2 * i]))
                    << "layout " << layout << " level " << row[1] << " point " << i;
            }
}

TEST(AtomGeometry, NucleusFillAlternatesFromTheOutermostUsedSlot)
{
    using V = std::vector<NucleonPlacement>;
    const auto P = Nucleon::Proton, N = Nucleon::Neutron;
    EXPECT_EQ(nucleusFill(2, 2), (V{{104, P}, {105, N}, {106, P}, {107, N}}));
    // A neutron turn with no neutrons left leaves slot 107 empty: one proton is not shown.
    EXPECT_EQ(nucleusFill(3, 1), (V{{104, P}, {105, N}, {106, P}}));
}
