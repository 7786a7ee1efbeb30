// The element data file the program ships, read through the program's reader:
// the facts the other parts rely on (order, field widths, periods, groups, shells). The
// table page's golden picture pins every element's symbol, cell, class colour
// and state; the element pages pin H, Fe and Og's figures.

#include "elementdata.h"
#include "testdata.h"

#include <gtest/gtest.h>

TEST(ShippedData, OrderTextsLevelsPeriodsAndGroups)
{
    const std::array<int, 6> periodEnds = {2, 10, 18, 36, 54, 86};
    const auto &table = shippedData().ElementTable;
    ASSERT_EQ(shippedData().ElementCount, 118);
    for (int z = 1; z <= 118; ++z) {
        const ElementRecord &r = table[z];
        const std::string name = r.Symbol.toStdString();
        EXPECT_EQ(r.AtomicNumber, z);
        for (const auto &[text, width] : textFields(r))
            EXPECT_FALSE(text.size() != width || text.contains(QChar(0))) << name;
        int sum = 0;
        for (int level = 0; level <= 8; ++level) {
            EXPECT_EQ(r.LevelElectrons[level] > 0, level >= 1 && level <= r.LevelCount) << name;
            sum += r.LevelElectrons[level];
        }
        EXPECT_EQ(sum, z) << name;
        EXPECT_EQ(r.LevelCount, z == 46 ? 4 : r.Period) << name; // Pd's fifth level is empty
        EXPECT_EQ(r.Period, 1 + std::ranges::count_if(periodEnds, [z](int e) { return z > e; }));
        EXPECT_TRUE(r.Group >= 1 && r.Group <= 18) << name;
    }
    // Cr and Cu move an s electron down, Pd two.
    EXPECT_EQ(std::tuple(table[24].LevelElectrons[3], table[29].LevelElectrons[3],
                         table[46].LevelElectrons[4]),
              std::tuple(13, 18, 18));
}
