// Checks the element data file the program ships, read through the program's own
// reader: the facts every other part relies on (order, positions, shells, states)
// and that every figure is physically plausible.

#include "elementdata.h"

#include <QRegularExpression>
#include <QSet>
#include <QString>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <utility>

namespace {

constexpr double RoomTemperature = 298.0;

class ShippedData : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        data = new ElementData;
        loadError = new QString(LoadElementTable(QStringLiteral(ZELVANE_EDB_PATH), *data));
    }
    static void TearDownTestSuite()
    {
        delete data;
        delete loadError;
        data = nullptr;
        loadError = nullptr;
    }
    void SetUp() override
    {
        ASSERT_TRUE(loadError->isEmpty()) << loadError->toStdString();
        ASSERT_EQ(data->ElementCount, 118);
    }

    static const ElementRecord &el(int z) { return data->ElementTable[z]; }
    static std::string name(int z) { return el(z).Symbol.trimmed().toStdString(); }

    static ElementData *data;
    static QString *loadError;
};

ElementData *ShippedData::data = nullptr;
QString *ShippedData::loadError = nullptr;

int periodOf(int z)
{
    const int ends[] = {2, 10, 18, 36, 54, 86, 118};
    for (int p = 0; p < 7; ++p)
        if (z <= ends[p])
            return p + 1;
    return 0;
}

bool isLanthanide(int z) { return z >= 57 && z <= 71; }
bool isActinide(int z) { return z >= 89 && z <= 103; }
bool isManMade(int z) { return z == 43 || z == 61 || z >= 93; }

// Electrons per level (index 1..7) of a configuration such as "[Ar] 3d6 4s2" or
// the compact "[Xe]4f145d106s26p1" (a subshell's count runs until the next
// level digit followed by a subshell letter).
std::array<int, 8> levelsOf(const QString &config, bool *ok)
{
    static const std::map<QString, QString> cores = {
        {QStringLiteral("He"), QStringLiteral("1s2")},
        {QStringLiteral("Ne"), QStringLiteral("[He]2s2 2p6")},
        {QStringLiteral("Ar"), QStringLiteral("[Ne]3s2 3p6")},
        {QStringLiteral("Kr"), QStringLiteral("[Ar]3d10 4s2 4p6")},
        {QStringLiteral("Xe"), QStringLiteral("[Kr]4d10 5s2 5p6")},
        {QStringLiteral("Rn"), QStringLiteral("[Xe]4f14 5d10 6s2 6p6")},
    };
    std::array<int, 8> levels{};
    *ok = true;
    QString rest = config.trimmed();
    static const QRegularExpression core(QStringLiteral("^\\[(\\w+)\\]"));
    const auto m = core.match(rest);
    if (m.hasMatch()) {
        const auto it = cores.find(m.captured(1));
        if (it == cores.end()) {
            *ok = false;
            return levels;
        }
        const auto inner = levelsOf(it->second, ok);
        for (int i = 1; i <= 7; ++i)
            levels[i] += inner[i];
        rest = rest.mid(m.capturedLength());
    }
    rest.remove(QLatin1Char(' '));
    static const QRegularExpression sub(QStringLiteral("([1-7])[spdf](\\d+?)(?=[1-7][spdf]|$)"));
    int consumed = 0;
    auto it = sub.globalMatch(rest);
    while (it.hasNext()) {
        const auto s = it.next();
        if (s.capturedStart() != consumed) {
            *ok = false;
            return levels;
        }
        levels[s.captured(1).toInt()] += s.captured(2).toInt();
        consumed = s.capturedEnd();
    }
    if (consumed != rest.size())
        *ok = false;
    return levels;
}

TEST_F(ShippedData, HoldsTheElementsInOrderOfAtomicNumber)
{
    for (int z = 1; z <= 118; ++z)
        EXPECT_EQ(el(z).AtomicNumber, z) << "record " << z;
    EXPECT_EQ(el(1).Symbol, QStringLiteral("H  "));
    EXPECT_EQ(el(26).Symbol.trimmed(), QStringLiteral("Fe"));
    EXPECT_EQ(el(113).ElementName.trimmed(), QStringLiteral("Nihonium"));
    EXPECT_EQ(el(115).ElementName.trimmed(), QStringLiteral("Moscovium"));
    EXPECT_EQ(el(117).ElementName.trimmed(), QStringLiteral("Tennessine"));
    EXPECT_EQ(el(118).ElementName.trimmed(), QStringLiteral("Oganesson"));
}

TEST_F(ShippedData, TextsFitTheirFieldsAndSymbolsAreUnique)
{
    QSet<QString> symbols;
    for (int z = 1; z <= 118; ++z) {
        const ElementRecord &r = el(z);
        const std::pair<const QString *, int> texts[] = {
            {&r.Symbol, 3},          {&r.Spare, 1},            {&r.ElementName, 15},
            {&r.Discovered, 4},      {&r.Discoverer, 30},      {&r.NameOrigin, 100},
            {&r.Appearance, 60},     {&r.DensityUnit, 20},     {&r.IonicRadius, 20},
            {&r.ElectroConduct, 20}, {&r.OxidationStates, 10}, {&r.ElectronicConfig, 20},
            {&r.CrystalStructure, 20}, {&r.GroupLabel, 5},
        };
        for (const auto &[text, width] : texts) {
            EXPECT_EQ(text->size(), width) << name(z) << ": " << text->toStdString();
            EXPECT_FALSE(text->contains(QChar(0))) << name(z) << ": unfilled text";
        }
        const QString symbol = r.Symbol.trimmed();
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^[A-Z][a-z]{0,2}$")).match(symbol).hasMatch())
            << z << ": " << symbol.toStdString();
        EXPECT_FALSE(symbols.contains(symbol)) << symbol.toStdString() << " twice";
        symbols.insert(symbol);
        EXPECT_FALSE(r.ElementName.trimmed().isEmpty()) << z;
        EXPECT_FALSE(r.NameOrigin.trimmed().isEmpty()) << name(z);
        EXPECT_FALSE(r.Appearance.trimmed().isEmpty()) << name(z);
        EXPECT_FALSE(r.Discoverer.trimmed().isEmpty()) << name(z);
        // Discovered: a year, or one fixed text for antiquity.
        const QString found = r.Discovered;
        const bool ancient = found == QStringLiteral("Anc.");
        const int year = found.toInt();
        EXPECT_TRUE(ancient || (year >= 1600 && year <= 2025)) << name(z) << ": " << found.toStdString();
    }
    EXPECT_EQ(el(26).Discovered, QStringLiteral("Anc."));
    EXPECT_EQ(el(8).Discovered, QStringLiteral("1774"));
}

TEST_F(ShippedData, LevelsHoldEveryElectronAndMatchTheConfiguration)
{
    for (int z = 1; z <= 118; ++z) {
        const ElementRecord &r = el(z);
        EXPECT_EQ(r.LevelElectrons[0], 0) << name(z);
        EXPECT_EQ(r.LevelElectrons[8], 0) << name(z);
        int sum = 0;
        for (int level = 1; level <= 7; ++level) {
            if (level <= r.LevelCount)
                EXPECT_GT(r.LevelElectrons[level], 0) << name(z) << " level " << level;
            else
                EXPECT_EQ(r.LevelElectrons[level], 0) << name(z) << " level " << level;
            sum += r.LevelElectrons[level];
        }
        EXPECT_EQ(sum, z) << name(z);
        if (z != 46)
            EXPECT_EQ(r.LevelCount, r.Period) << name(z);

        bool ok = false;
        const auto levels = levelsOf(r.ElectronicConfig, &ok);
        ASSERT_TRUE(ok) << name(z) << ": cannot read " << r.ElectronicConfig.toStdString();
        for (int level = 1; level <= 7; ++level)
            EXPECT_EQ(levels[level], r.LevelElectrons[level])
                << name(z) << " level " << level << " of " << r.ElectronicConfig.toStdString();
    }
    // Palladium's fifth level is empty; chromium and copper move an s electron down.
    EXPECT_EQ(el(46).LevelCount, 4);
    EXPECT_EQ(el(46).LevelElectrons[4], 18);
    EXPECT_EQ(el(24).LevelElectrons[3], 13);
    EXPECT_EQ(el(24).LevelElectrons[4], 1);
    EXPECT_EQ(el(29).LevelElectrons[3], 18);
    EXPECT_EQ(el(29).LevelElectrons[4], 1);
}

TEST_F(ShippedData, PositionsGroupsAndLabelsAgreeWithAtomicNumber)
{
    static const char *const labels[] = {"",     "IA",    "IIA",   "IIIB", "IVB", "VB",  "VIB",
                                         "VIIB", "VIIIB", "VIIIB", "VIIIB", "IB", "IIB", "IIIA",
                                         "IVA",  "VA",    "VIA",   "VIIA", "VIIIA"};
    std::map<std::pair<int, int>, int> cells;
    for (int z = 1; z <= 118; ++z) {
        const ElementRecord &r = el(z);
        EXPECT_EQ(r.Period, periodOf(z)) << name(z);
        ASSERT_GE(r.Group, 1) << name(z);
        ASSERT_LE(r.Group, 18) << name(z);
        EXPECT_EQ(r.GroupLabel.trimmed(), QLatin1String(labels[r.Group])) << name(z);

        if (isLanthanide(z) || isActinide(z)) {
            EXPECT_EQ(r.Group, 3) << name(z);
            EXPECT_EQ(r.TableRow, isLanthanide(z) ? 8 : 9) << name(z);
            EXPECT_EQ(r.TableColumn, 4 + z - (isLanthanide(z) ? 57 : 89)) << name(z);
        } else {
            EXPECT_EQ(r.TableRow, r.Period) << name(z);
            EXPECT_EQ(r.TableColumn, r.Group) << name(z);
        }
        // The connector below the third column of periods 6 and 7 needs those cells empty.
        EXPECT_FALSE(r.TableColumn == 3 && (r.TableRow == 6 || r.TableRow == 7)) << name(z);

        const auto cell = std::make_pair(int(r.TableRow), int(r.TableColumn));
        const auto [it, fresh] = cells.emplace(cell, z);
        EXPECT_TRUE(fresh) << name(z) << " shares its cell with " << name(it->second);
    }
    // Groups run across each period: spot the block edges.
    EXPECT_EQ(el(2).Group, 18);
    EXPECT_EQ(el(5).Group, 13);
    EXPECT_EQ(el(21).Group, 3);
    EXPECT_EQ(el(72).Group, 4);
    EXPECT_EQ(el(104).Group, 4);
    EXPECT_EQ(el(118).Group, 18);
}

TEST_F(ShippedData, ClassificationFollowsTheClassRules)
{
    const QSet<int> nonMetals = {1, 6, 7, 8, 15, 16, 34};
    const QSet<int> semimetals = {5, 14, 32, 33, 51, 52, 84};
    for (int z = 1; z <= 118; ++z) {
        const ElementRecord &r = el(z);
        int expected = 8;
        if (isLanthanide(z))
            expected = 9;
        else if (isActinide(z))
            expected = 10;
        else if (nonMetals.contains(z))
            expected = 3;
        else if (semimetals.contains(z))
            expected = 4;
        else if (r.Group == 18)
            expected = 1;
        else if (r.Group == 17)
            expected = 2;
        else if (r.Group == 1)
            expected = 6;
        else if (r.Group == 2)
            expected = 7;
        else if (r.Group >= 3 && r.Group <= 12)
            expected = 5;
        EXPECT_EQ(r.Classification, expected) << name(z);
    }
}

TEST_F(ShippedData, StateAgreesWithMeltingAndBoilingPoints)
{
    for (int z = 1; z <= 118; ++z) {
        const ElementRecord &r = el(z);
        const double mp = r.MeltingPoint, bp = r.BoilingPoint;
        if (isManMade(z)) {
            EXPECT_EQ(r.State, 3) << name(z);
        } else {
            EXPECT_GE(r.State, 0) << name(z);
            EXPECT_LE(r.State, 2) << name(z);
            if (bp > 0 && bp <= RoomTemperature)
                EXPECT_EQ(r.State, 2) << name(z);
            else if (mp > RoomTemperature)
                EXPECT_EQ(r.State, 0) << name(z);
            else if (mp > 0 && bp > RoomTemperature)
                EXPECT_EQ(r.State, 1) << name(z);
        }
        // Arsenic sublimes at normal pressure; its melting point is under pressure.
        if (mp > 0 && bp > 0 && z != 33)
            EXPECT_LT(mp, bp) << name(z);
    }
    EXPECT_EQ(el(1).State, 2);
    EXPECT_EQ(el(35).State, 1);
    EXPECT_EQ(el(80).State, 1);
    EXPECT_EQ(el(31).State, 0);
    EXPECT_EQ(el(43).State, 3);
    EXPECT_EQ(el(61).State, 3);
}

TEST_F(ShippedData, WeightIsCloseToTheNucleonCount)
{
    for (int z = 1; z <= 118; ++z) {
        const ElementRecord &r = el(z);
        EXPECT_GE(r.Neutrons, 0) << name(z);
        EXPECT_LE(std::abs(r.AtomicWeight - (z + r.Neutrons)), 2.5)
            << name(z) << ": weight " << r.AtomicWeight << ", Z + N " << z + r.Neutrons;
    }
    // Mercury's most abundant isotope is 202Hg; oganesson's known one 294Og.
    EXPECT_EQ(el(80).Neutrons, 122);
    EXPECT_EQ(el(118).Neutrons, 176);
}

// The molar volume and the density come from different sources and, for a few
// elements, different temperatures or allotropes; 15 % covers that spread while
// still catching a wrong unit or a shifted column.
TEST_F(ShippedData, AtomicVolumeMatchesWeightOverDensityForSolids)
{
    int compared = 0;
    for (int z = 1; z <= 118; ++z) {
        const ElementRecord &r = el(z);
        if (r.State == 1 || r.State == 2 || r.Density <= 0 || r.AtomicVolume <= 0)
            continue;
        const double ratio = r.AtomicWeight / r.Density / r.AtomicVolume;
        EXPECT_NEAR(ratio, 1.0, 0.15) << name(z) << ": volume " << r.AtomicVolume
                                      << ", weight/density " << r.AtomicWeight / r.Density;
        ++compared;
    }
    EXPECT_GT(compared, 80);
}

TEST_F(ShippedData, FiguresLieInPhysicalRanges)
{
    for (int z = 1; z <= 118; ++z) {
        const ElementRecord &r = el(z);
        const double values[] = {r.AtomicWeight,   r.Density,         r.MeltingPoint,
                                 r.BoilingPoint,   r.AtomicRadius,    r.AtomicVolume,
                                 r.CovalentRadius, r.SpecificHeat,    r.FusionHeat,
                                 r.EvaporationHeat, r.ThermalConduct, r.DebyeTemp,
                                 r.ElectroNegativity, r.IonizingEnergy, r.CrystalConstant,
                                 r.CrystalCARatio};
        for (double v : values) {
            EXPECT_TRUE(std::isfinite(v)) << name(z);
            EXPECT_GE(v, 0.0) << name(z);
        }
        EXPECT_GT(r.AtomicWeight, z) << name(z);
        EXPECT_LT(r.AtomicWeight, 3.0 * z) << name(z);

        // Density: g/cm³ for solids and liquids, g/L for gases, no unit without a value.
        const QString unit = r.DensityUnit.trimmed();
        if (r.Density == 0) {
            EXPECT_TRUE(unit.isEmpty()) << name(z);
        } else if (r.State == 2) {
            EXPECT_EQ(unit, QStringLiteral("g/L")) << name(z);
            EXPECT_LT(r.Density, 15.0) << name(z);
        } else {
            EXPECT_EQ(unit, QStringLiteral("g/cm³")) << name(z);
            EXPECT_GT(r.Density, 0.1) << name(z);
            EXPECT_LT(r.Density, 25.0) << name(z);
        }
        EXPECT_LT(r.MeltingPoint, 4000.0) << name(z);
        EXPECT_LT(r.BoilingPoint, 6500.0) << name(z);
        EXPECT_LT(r.AtomicRadius, 3.5) << name(z);
        EXPECT_LT(r.CovalentRadius, 3.5) << name(z);
        EXPECT_LE(r.ElectroNegativity, 4.0) << name(z);
        EXPECT_LT(r.SpecificHeat, 15.0) << name(z);
        if (r.IonizingEnergy != 0) {
            EXPECT_GT(r.IonizingEnergy, 300.0) << name(z);
            EXPECT_LT(r.IonizingEnergy, 2500.0) << name(z);
        }
        if (r.CrystalConstant != 0) {
            EXPECT_GT(r.CrystalConstant, 2.0) << name(z);
            EXPECT_LT(r.CrystalConstant, 13.0) << name(z);
        }
        // The c/a ratio belongs to hexagonal and tetragonal cells only.
        const QString structure = r.CrystalStructure.trimmed();
        if (r.CrystalCARatio != 0)
            EXPECT_TRUE(structure == QStringLiteral("Hexagonal")
                        || structure == QStringLiteral("Tetragonal"))
                << name(z) << ": " << structure.toStdString();

        const QString ionic = r.IonicRadius.trimmed();
        if (!ionic.isEmpty())
            EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\.\\d{2,3} \\([+-]\\d\\)$"))
                            .match(ionic)
                            .hasMatch())
                << name(z) << ": " << ionic.toStdString();
        const QString conduct = r.ElectroConduct.trimmed();
        if (!conduct.isEmpty())
            EXPECT_TRUE(QRegularExpression(QStringLiteral("^(\\d\\.\\d\\d|< 1) 10\\^-?\\d+ S/m$"))
                            .match(conduct)
                            .hasMatch())
                << name(z) << ": " << conduct.toStdString();
    }
    // Every natural element has a weight, and the common metals their key figures.
    for (int z : {26, 29, 47, 79, 82}) {
        EXPECT_GT(el(z).Density, 0) << name(z);
        EXPECT_GT(el(z).MeltingPoint, 0) << name(z);
        EXPECT_GT(el(z).BoilingPoint, 0) << name(z);
        EXPECT_GT(el(z).ThermalConduct, 0) << name(z);
    }
}

} // namespace
