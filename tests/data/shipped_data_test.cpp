// Checks the element data file the program ships, read through the program's own
// reader: the facts every other part relies on (order, positions, shells, states)
// and that every figure is physically plausible.

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

bool isLanthanide(int z) { return z >= 57 && z <= 71; }
bool isActinide(int z) { return z >= 89 && z <= 103; }

} // namespace

TEST(ShippedData, RecordsAreInOrderAndTextsFitTheirFields)
{
    ASSERT_EQ(shippedData().ElementCount, 118);
    QSet<QString> symbols;
    for (int z = 1; z <= 118; ++z) {
        const ElementRecord &r = el(z);
        EXPECT_EQ(r.AtomicNumber, z);
        for (const auto &[text, width] : textFields(r)) {
            EXPECT_EQ(text.size(), width) << name(z);
            EXPECT_FALSE(text.contains(QChar(0))) << name(z) << ": unfilled text";
        }
        EXPECT_FALSE(symbols.contains(r.Symbol)) << name(z) << " twice";
        symbols.insert(r.Symbol);
        const bool ancient = r.Discovered == QStringLiteral("Anc.");
        EXPECT_TRUE(ancient || (r.Discovered.toInt() >= 1600 && r.Discovered.toInt() <= 2025))
            << name(z);
    }
    EXPECT_EQ(el(118).ElementName.trimmed(), QStringLiteral("Oganesson"));
    EXPECT_EQ(el(113).ElementName.trimmed(), QStringLiteral("Nihonium"));
}

TEST(ShippedData, LevelsHoldEveryElectron)
{
    for (int z = 1; z <= 118; ++z) {
        const ElementRecord &r = el(z);
        int sum = 0;
        for (int level = 0; level <= 8; ++level) {
            const bool occupied = level >= 1 && level <= r.LevelCount;
            EXPECT_EQ(r.LevelElectrons[level] > 0, occupied) << name(z) << " level " << level;
            sum += r.LevelElectrons[level];
        }
        EXPECT_EQ(sum, z) << name(z);
        if (z != 46) {
            EXPECT_EQ(r.LevelCount, r.Period) << name(z);
        }
    }
    // Palladium's fifth level is empty; chromium and copper move an s electron down.
    EXPECT_EQ(el(46).LevelCount, 4);
    EXPECT_EQ(el(46).LevelElectrons[4], 18);
    EXPECT_EQ(el(24).LevelElectrons[3], 13);
    EXPECT_EQ(el(29).LevelElectrons[3], 18);
}

TEST(ShippedData, PositionsGroupsLabelsAndClassesAgreeWithAtomicNumber)
{
    static const char *const labels[] = {"",     "IA",    "IIA",   "IIIB", "IVB", "VB",  "VIB",
                                         "VIIB", "VIIIB", "VIIIB", "VIIIB", "IB", "IIB", "IIIA",
                                         "IVA",  "VA",    "VIA",   "VIIA", "VIIIA"};
    const int periodEnds[] = {2, 10, 18, 36, 54, 86, 118};
    const QSet<int> nonMetals = {1, 6, 7, 8, 15, 16, 34};
    const QSet<int> semimetals = {5, 14, 32, 33, 51, 52, 84};
    QSet<int> cells;
    for (int z = 1; z <= 118; ++z) {
        const ElementRecord &r = el(z);
        EXPECT_EQ(r.Period, 1 + std::count_if(std::begin(periodEnds), std::end(periodEnds),
                                              [z](int end) { return z > end; }))
            << name(z);
        ASSERT_TRUE(r.Group >= 1 && r.Group <= 18) << name(z);
        EXPECT_EQ(r.GroupLabel.trimmed(), QLatin1String(labels[r.Group])) << name(z);
        const bool series = isLanthanide(z) || isActinide(z);
        EXPECT_EQ(r.TableRow, series ? (isLanthanide(z) ? 8 : 9) : r.Period) << name(z);
        EXPECT_EQ(r.TableColumn, series ? 4 + z - (isLanthanide(z) ? 57 : 89) : r.Group)
            << name(z);
        EXPECT_FALSE(cells.contains(r.TableRow * 100 + r.TableColumn)) << name(z) << " shares a cell";
        cells.insert(r.TableRow * 100 + r.TableColumn);

        const int expected = isLanthanide(z)          ? 9
                             : isActinide(z)          ? 10
                             : nonMetals.contains(z)  ? 3
                             : semimetals.contains(z) ? 4
                             : r.Group == 18          ? 1
                             : r.Group == 17          ? 2
                             : r.Group == 1           ? 6
                             : r.Group == 2           ? 7
                             : r.Group <= 12 && r.Group >= 3 ? 5
                                                             : 8;
        EXPECT_EQ(r.Classification, expected) << name(z);
    }
    // The connector below the third column of periods 6 and 7 needs those cells empty.
    EXPECT_FALSE(cells.contains(603) || cells.contains(703));
}

TEST(ShippedData, StateAgreesWithMeltingAndBoilingPoints)
{
    for (int z = 1; z <= 118; ++z) {
        const ElementRecord &r = el(z);
        const double mp = r.MeltingPoint, bp = r.BoilingPoint;
        if (z == 43 || z == 61 || z >= 93) {
            EXPECT_EQ(r.State, 3) << name(z);
        } else if (bp > 0 && bp <= 298) {
            EXPECT_EQ(r.State, 2) << name(z);
        } else if (mp > 298) {
            EXPECT_EQ(r.State, 0) << name(z);
        } else if (mp > 0) {
            EXPECT_EQ(r.State, 1) << name(z);
        }
        // Arsenic sublimes at normal pressure; its melting point is under pressure.
        if (mp > 0 && bp > 0 && z != 33) {
            EXPECT_LT(mp, bp) << name(z);
        }
    }
    EXPECT_EQ(el(35).State, 1);
    EXPECT_EQ(el(80).State, 1);
}

TEST(ShippedData, FiguresArePlausible)
{
    int volumesCompared = 0;
    for (int z = 1; z <= 118; ++z) {
        const ElementRecord &r = el(z);
        EXPECT_LE(std::abs(r.AtomicWeight - (z + r.Neutrons)), 2.5) << name(z);
        for (double v : {r.Density, r.MeltingPoint, r.BoilingPoint, r.AtomicRadius, r.AtomicVolume,
                         r.CovalentRadius, r.SpecificHeat, r.FusionHeat, r.EvaporationHeat,
                         r.ThermalConduct, r.DebyeTemp, r.ElectroNegativity, r.IonizingEnergy,
                         r.CrystalConstant, r.CrystalCARatio})
            EXPECT_TRUE(std::isfinite(v) && v >= 0) << name(z);
        EXPECT_LT(r.MeltingPoint, 4000) << name(z);
        EXPECT_LT(r.BoilingPoint, 6500) << name(z);
        EXPECT_LE(r.ElectroNegativity, 4) << name(z);
        EXPECT_TRUE(r.IonizingEnergy == 0 || (r.IonizingEnergy > 300 && r.IonizingEnergy < 2500))
            << name(z);
        // Density in g/cm³ for solids and liquids, g/L for gases.
        const QString unit = r.DensityUnit.trimmed();
        if (r.Density > 0 && r.State == 2) {
            EXPECT_TRUE(unit == QStringLiteral("g/L") && r.Density < 15) << name(z);
        } else if (r.Density > 0) {
            EXPECT_TRUE(unit == QStringLiteral("g/cm³") && r.Density < 25) << name(z);
        }
        // For solids the molar volume is weight over density; 15 % covers the
        // spread of allotropes and temperatures across sources.
        if (r.State != 1 && r.State != 2 && r.Density > 0 && r.AtomicVolume > 0) {
            EXPECT_NEAR(r.AtomicWeight / r.Density / r.AtomicVolume, 1.0, 0.15) << name(z);
            ++volumesCompared;
        }
    }
    EXPECT_GT(volumesCompared, 80);
    // Mercury's most abundant isotope is 202Hg; oganesson's known one 294Og.
    EXPECT_EQ(el(80).Neutrons, 122);
    EXPECT_EQ(el(118).Neutrons, 176);
}
