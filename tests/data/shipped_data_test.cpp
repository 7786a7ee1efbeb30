// The element data file the program ships, read through the program's reader:
// the facts the other parts rely on (order, positions, shells, states) and
// figures that are physically plausible.

#include "elementdata.h"
#include "testdata.h"

#include <QSet>

#include <gtest/gtest.h>

#include <cmath>

namespace {

const ElementRecord &el(int z)
{
    return shippedData().ElementTable[z];
}
std::string name(int z)
{
    return el(z).Symbol.trimmed().toStdString();
}

} // namespace

TEST(ShippedData, OrderTextsAndLevels)
{
    ASSERT_EQ(shippedData().ElementCount, 118);
    QSet<QString> symbols;
    for (int z = 1; z <= 118; ++z) {
        const ElementRecord &r = el(z);
        EXPECT_EQ(r.AtomicNumber, z);
        for (const auto &[text, width] : textFields(r))
            EXPECT_FALSE(text.size() != width || text.contains(QChar(0))) << name(z);
        EXPECT_FALSE(symbols.contains(r.Symbol)) << name(z) << " twice";
        symbols.insert(r.Symbol);
        const int year = r.Discovered.toInt();
        EXPECT_TRUE(r.Discovered == QStringLiteral("Anc.") || (year >= 1600 && year <= 2025))
            << name(z);
        int sum = 0;
        for (int level = 0; level <= 8; ++level) {
            EXPECT_EQ(r.LevelElectrons[level] > 0, level >= 1 && level <= r.LevelCount)
                << name(z) << level;
            sum += r.LevelElectrons[level];
        }
        EXPECT_EQ(sum, z) << name(z);
        EXPECT_EQ(r.LevelCount, z == 46 ? 4 : r.Period) << name(z); // Pd's fifth level is empty
    }
    EXPECT_EQ(el(118).ElementName.trimmed(), QStringLiteral("Oganesson"));
    EXPECT_EQ(el(24).LevelElectrons[3], 13); // Cr and Cu move an s electron down
    EXPECT_EQ(el(29).LevelElectrons[3], 18);
    EXPECT_EQ(el(46).LevelElectrons[4], 18);
}

TEST(ShippedData, PositionsGroupsLabelsAndClasses)
{
    const char *const labels[] = {"",     "IA",    "IIA",   "IIIB",  "IVB",  "VB",  "VIB",
                                  "VIIB", "VIIIB", "VIIIB", "VIIIB", "IB",   "IIB", "IIIA",
                                  "IVA",  "VA",    "VIA",   "VIIA",  "VIIIA"};
    const int periodEnds[] = {2, 10, 18, 36, 54, 86};
    const QSet<int> nonMetals = {1, 6, 7, 8, 15, 16, 34}, semimetals = {5, 14, 32, 33, 51, 52, 84};
    QSet<int> cells;
    for (int z = 1; z <= 118; ++z) {
        const ElementRecord &r = el(z);
        EXPECT_EQ(r.Period,
                  1 + std::count_if(periodEnds, periodEnds + 6, [z](int e) { return z > e; }))
            << name(z);
        ASSERT_TRUE(r.Group >= 1 && r.Group <= 18) << name(z);
        EXPECT_EQ(r.GroupLabel.trimmed(), QLatin1String(labels[r.Group])) << name(z);
        const bool lan = z >= 57 && z <= 71, act = z >= 89 && z <= 103;
        EXPECT_EQ(r.TableRow, lan ? 8 : act ? 9 : r.Period) << name(z);
        EXPECT_EQ(r.TableColumn, lan ? z - 53 : act ? z - 85 : r.Group) << name(z);
        EXPECT_FALSE(cells.contains(r.TableRow * 100 + r.TableColumn))
            << name(z) << " shares a cell";
        cells.insert(r.TableRow * 100 + r.TableColumn);
        const int g = r.Group;
        const int expected = lan                      ? 9
                             : act                    ? 10
                             : nonMetals.contains(z)  ? 3
                             : semimetals.contains(z) ? 4
                             : g == 18                ? 1
                             : g == 17                ? 2
                             : g == 1                 ? 6
                             : g == 2                 ? 7
                             : g <= 12                ? 5
                                                      : 8;
        EXPECT_EQ(r.Classification, expected) << name(z);
    }
    // The connector below the third column of periods 6 and 7 needs those cells empty.
    EXPECT_FALSE(cells.contains(603) || cells.contains(703));
}

TEST(ShippedData, StatesAndFiguresArePlausible)
{
    int volumesCompared = 0;
    for (int z = 1; z <= 118; ++z) {
        const ElementRecord &r = el(z);
        const double mp = r.MeltingPoint, bp = r.BoilingPoint;
        const int state = z == 43 || z == 61 || z >= 93 ? 3
                          : bp > 0 && bp <= 298         ? 2
                          : mp > 298                    ? 0
                          : mp > 0                      ? 1
                                                        : r.State;
        EXPECT_EQ(r.State, state) << name(z);
        EXPECT_TRUE(mp == 0 || bp == 0 || z == 33 || mp < bp) << name(z); // As sublimes
        EXPECT_LE(std::abs(r.AtomicWeight - (z + r.Neutrons)), 2.5) << name(z);
        for (double v :
             {r.Density, mp, bp, r.AtomicRadius, r.AtomicVolume, r.CovalentRadius, r.SpecificHeat,
              r.FusionHeat, r.EvaporationHeat, r.ThermalConduct, r.DebyeTemp, r.ElectroNegativity,
              r.IonizingEnergy, r.CrystalConstant, r.CrystalCARatio})
            EXPECT_TRUE(std::isfinite(v) && v >= 0) << name(z);
        EXPECT_TRUE(mp < 4000 && bp < 6500 && r.ElectroNegativity <= 4) << name(z);
        EXPECT_TRUE(r.IonizingEnergy == 0 || (r.IonizingEnergy > 300 && r.IonizingEnergy < 2500))
            << name(z);
        // Density in g/L for gases, g/cm³ otherwise.
        if (r.Density > 0) {
            EXPECT_EQ(r.DensityUnit.trimmed(), QStringView(r.State == 2 ? u"g/L" : u"g/cm³"))
                << name(z);
        }
        EXPECT_LT(r.Density, r.State == 2 ? 15 : 25) << name(z);
        // For solids the molar volume is weight over density, within the spread of sources.
        if (r.State != 1 && r.State != 2 && r.Density > 0 && r.AtomicVolume > 0) {
            EXPECT_NEAR(r.AtomicWeight / r.Density / r.AtomicVolume, 1.0, 0.15) << name(z);
            ++volumesCompared;
        }
    }
    EXPECT_GT(volumesCompared, 80);
    EXPECT_EQ(std::tuple(el(35).State, el(80).State, el(80).Neutrons, el(118).Neutrons),
              std::tuple(1, 1, 122, 176)); // Br and Hg liquid; 202Hg, 294Og
}
