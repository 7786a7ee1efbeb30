// The element data file the program ships, read through the program's reader:
// the facts the other parts rely on (order, groups, shells) and figures that are
// physically plausible. The table page's golden picture pins every element's
// symbol, cell, class colour and state.

#include "elementdata.h"
#include "testdata.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(ShippedData, OrderTextsLevelsGroupsAndPlausibleFigures)
{
    const char *const labels[] = {"",     "IA",    "IIA",   "IIIB",  "IVB",  "VB",  "VIB",
                                  "VIIB", "VIIIB", "VIIIB", "VIIIB", "IB",   "IIB", "IIIA",
                                  "IVA",  "VA",    "VIA",   "VIIA",  "VIIIA"};
    const std::array<int, 6> periodEnds = {2, 10, 18, 36, 54, 86};
    const auto &table = shippedData().ElementTable;
    ASSERT_EQ(shippedData().ElementCount, 118);
    int volumesCompared = 0;
    for (int z = 1; z <= 118; ++z) {
        const ElementRecord &r = table[z];
        const std::string name = r.Symbol.toStdString();
        EXPECT_EQ(r.AtomicNumber, z);
        for (const auto &[text, width] : textFields(r))
            EXPECT_FALSE(text.size() != width || text.contains(QChar(0))) << name;
        const int year = r.Discovered.toInt();
        EXPECT_TRUE(r.Discovered == u"Anc." || (year >= 1600 && year <= 2025)) << name;
        int sum = 0;
        for (int level = 0; level <= 8; ++level) {
            EXPECT_EQ(r.LevelElectrons[level] > 0, level >= 1 && level <= r.LevelCount) << name;
            sum += r.LevelElectrons[level];
        }
        EXPECT_EQ(sum, z) << name;
        EXPECT_EQ(r.LevelCount, z == 46 ? 4 : r.Period) << name; // Pd's fifth level is empty
        EXPECT_EQ(r.Period, 1 + std::ranges::count_if(periodEnds, [z](int e) { return z > e; }));
        ASSERT_TRUE(r.Group >= 1 && r.Group <= 18) << name;
        EXPECT_EQ(r.GroupLabel.trimmed(), QLatin1String(labels[r.Group])) << name;
        const bool lan = z >= 57 && z <= 71, act = z >= 89 && z <= 103;
        EXPECT_EQ(r.TableRow * 100 + r.TableColumn, lan   ? 800 + z - 53
                                                    : act ? 900 + z - 85
                                                          : r.Period * 100 + r.Group)
            << name;
        // Figures: sane ranges, melting below boiling (As sublimes), g/L for gases.
        const double mp = r.MeltingPoint, bp = r.BoilingPoint;
        EXPECT_TRUE(mp == 0 || bp == 0 || z == 33 || mp < bp) << name;
        EXPECT_LE(std::abs(r.AtomicWeight - (z + r.Neutrons)), 2.5) << name;
        for (double v :
             {r.Density, mp, bp, r.AtomicRadius, r.AtomicVolume, r.CovalentRadius, r.SpecificHeat,
              r.FusionHeat, r.EvaporationHeat, r.ThermalConduct, r.DebyeTemp, r.ElectroNegativity,
              r.IonizingEnergy, r.CrystalConstant, r.CrystalCARatio})
            EXPECT_TRUE(std::isfinite(v) && v >= 0) << name;
        EXPECT_TRUE(mp < 4000 && bp < 6500 && r.ElectroNegativity <= 4) << name;
        EXPECT_TRUE(r.IonizingEnergy == 0 || (r.IonizingEnergy > 300 && r.IonizingEnergy < 2500))
            << name;
        if (r.Density > 0) {
            EXPECT_EQ(r.DensityUnit.trimmed(), QStringView(r.State == 2 ? u"g/L" : u"g/cm³"));
        }
        EXPECT_LT(r.Density, r.State == 2 ? 15 : 25) << name;
        // For solids the molar volume is weight over density, within the spread of sources.
        if (r.State != 1 && r.State != 2 && r.Density > 0 && r.AtomicVolume > 0) {
            EXPECT_NEAR(r.AtomicWeight / r.Density / r.AtomicVolume, 1.0, 0.15) << name;
            ++volumesCompared;
        }
    }
    EXPECT_GT(volumesCompared, 80);
    // Cr and Cu move an s electron down, Pd two; 202Hg and 294Og.
    EXPECT_EQ(std::tuple(table[24].LevelElectrons[3], table[29].LevelElectrons[3],
                         table[46].LevelElectrons[4], table[80].Neutrons, table[118].Neutrons),
              std::tuple(13, 18, 18, 122, 176));
}
