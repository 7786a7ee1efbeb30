// The views' colour rules: names, the colour map and its scale, no data, the
// blocks, the state at a temperature at its edges, and the words a cell gives.

#include "language.h"
#include "testdata.h"
#include "views.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace {

ElementRecord withPoints(double melts, double boils)
{
    ElementRecord r = makeTestRecord(26);
    r.MeltingPoint = melts;
    r.BoilingPoint = boils;
    return r;
}

ElementRecord at(int row, int column)
{
    ElementRecord r = makeTestRecord(1);
    r.TableRow = qint16(row);
    r.TableColumn = qint16(column);
    return r;
}

int viewNamed(const char *name)
{
    return findTableView(QString::fromLatin1(name));
}

TEST(TableViews, NamesInTheChoosersOrderEachReadingItsOwnField)
{
    QStringList names;
    for (const TableViewDef &def : tableViews())
        names << def.name;
    EXPECT_EQ(names.join(u' '),
              "classes block state atomic-weight density melting-point boiling-point "
              "atomic-radius covalent-radius atomic-volume electronegativity ionization-energy "
              "specific-heat fusion-heat evaporation-heat thermal-conductivity debye-temperature");
    EXPECT_EQ(std::tuple(viewNamed("density"), viewNamed("Density"), viewNamed("")),
              std::tuple(4, -1, -1));

    // Each field a value of its own: a view reading another field shows.
    ElementRecord r = makeTestRecord(26);
    r.AtomicWeight = 1.5, r.Density = 2.5, r.MeltingPoint = 3.5, r.BoilingPoint = 4.5;
    r.AtomicRadius = 5.5, r.CovalentRadius = 6.5, r.AtomicVolume = 7.5;
    r.ElectroNegativity = 8.5, r.IonizingEnergy = 9.5, r.SpecificHeat = 10.5;
    r.FusionHeat = 11.5, r.EvaporationHeat = 12.5, r.ThermalConduct = 13.5, r.DebyeTemp = 14.5;
    r.DensityUnit = QStringLiteral("g/cm\u00B3");
    ElementRecord none = makeTestRecord(26);
    none.AtomicWeight = 0;
    const std::vector<TableViewDef> &views = tableViews();
    for (size_t i = 3; i < views.size(); ++i) {
        ASSERT_EQ(views[i].kind, ViewKind::Property) << i;
        EXPECT_EQ(views[i].value(r), 1.5 + double(i - 3)) << views[i].name.toStdString();
        // 0 is the data set's "no trustworthy value".
        EXPECT_FALSE(views[i].value(none)) << views[i].name.toStdString();
    }
}

TEST(Viridis, StopsInterpolationAndItsEnds)
{
    EXPECT_EQ(viridis(0), 0x540144u);    // #440154
    EXPECT_EQ(viridis(0.5), 0x8C9121u);  // #21918c
    EXPECT_EQ(viridis(0.75), 0x62C95Eu); // #5ec962
    EXPECT_EQ(viridis(1), 0x25E7FDu);    // #fde725
    // Halfway between the first two stops, each channel rounded.
    EXPECT_EQ(viridis(1.0 / 16), 0x681746u);
    EXPECT_EQ(std::tuple(viridis(-0.5), viridis(1.5), viridis(std::nan(""))),
              std::tuple(viridis(0), viridis(1), viridis(0)));
}

TEST(ColourScale, LogBeyondTwoDecadesLinearWithinAndTheEdges)
{
    const ColourScale two = colourScale({2, 50, 200}); // exactly two decades
    EXPECT_EQ(std::tuple(two.low, two.high, two.log, two.empty),
              std::tuple(2.0, 200.0, false, false));
    EXPECT_TRUE(colourScale({2, 50, 200.5}).log);
    EXPECT_FALSE(colourScale({-1, 500}).log) << "no log scale through zero";
    EXPECT_TRUE(colourScale({}).empty);

    const ColourScale linear = colourScale({0, 10});
    EXPECT_EQ(std::tuple(scalePosition(linear, 2.5), scalePosition(linear, -1),
                         scalePosition(linear, 11)),
              std::tuple(0.25, 0.0, 1.0));
    const ColourScale log = colourScale({1, 1000});
    EXPECT_NEAR(scalePosition(log, 10), 1.0 / 3, 1e-12);
    EXPECT_EQ(std::tuple(scalePosition(log, 1), scalePosition(log, 1000), scalePosition(log, 0.5)),
              std::tuple(0.0, 1.0, 0.0));
    EXPECT_NEAR(scaleValue(log, 0.5), 31.6227766, 1e-6);
    EXPECT_EQ(scaleValue(linear, 0.5), 5);
    EXPECT_EQ(scalePosition(colourScale({7, 7}), 7), 0.5) << "one value: the middle";
}

// Electronegativity of four elements: none, 1, 2 and 4 (linear, 1 to 4).
TEST(TableColouring, NoDataIsGreyNeverTheMinimum)
{
    ElementData data = makeTestData(4);
    const double values[] = {0, 1, 2, 4};
    for (int z = 1; z <= 4; ++z)
        data.ElementTable[z].ElectroNegativity = values[z - 1];
    const TableColouring c({viewNamed("electronegativity")}, data, classColours());
    const auto colour = [&](int z) { return c.cellColour(data.ElementTable[z]); };
    EXPECT_EQ(std::tuple(colour(1), colour(2), colour(3), colour(4)),
              std::tuple(0xA8A8A8u, 0x540144u, 0x8D6731u, 0x25E7FDu));
    EXPECT_EQ(std::tuple(c.group(data.ElementTable[1]), c.group(data.ElementTable[2])),
              std::tuple(0, 1));
    ASSERT_EQ(c.keyItems().size(), 1u);
    EXPECT_EQ(std::tuple(c.keyItems()[0].group, c.keyItems()[0].label, c.keyItems()[0].colour),
              std::tuple(0, QStringLiteral("No data"), 0xA8A8A8u));

    // Elements beyond the count take no part in the scale.
    data.ElementCount = 3;
    const TableColouring short3({viewNamed("electronegativity")}, data, classColours());
    EXPECT_EQ(short3.cellColour(data.ElementTable[3]), 0x25E7FDu);
}

// A gas's density in g/L and a solid's in g/cm³ are coloured in one unit.
TEST(TableColouring, DensitiesInOneUnit)
{
    ElementData data = makeTestData(4);
    const std::pair<double, const char16_t *> densities[] = {
        {1.0, u"g/L"}, {0.001, u"g/cm\u00B3"}, {10, u"g/cm\u00B3"}, {5, u""}};
    for (int z = 1; z <= 4; ++z) {
        data.ElementTable[z].Density = densities[z - 1].first;
        data.ElementTable[z].DensityUnit = QString::fromUtf16(densities[z - 1].second);
    }
    const TableColouring c({viewNamed("density")}, data, classColours());
    EXPECT_EQ(std::tuple(c.scale().low, c.scale().high, c.scale().log),
              std::tuple(0.001, 10.0, true));
    EXPECT_EQ(std::tuple(c.cellColour(data.ElementTable[1]), c.cellColour(data.ElementTable[2]),
                         c.cellColour(data.ElementTable[3])),
              std::tuple(0x540144u, 0x540144u, 0x25E7FDu));
    EXPECT_EQ(c.cellColour(data.ElementTable[4]), 0xA8A8A8u) << "a density without its unit";
}

TEST(Block, FromThePlaceInTheTable)
{
    const std::tuple<int, int, Block> places[] = {
        {1, 1, Block::S},        {1, 18, Block::S},      {2, 1, Block::S},
        {7, 2, Block::S},        {4, 3, Block::D},       {7, 12, Block::D},
        {2, 13, Block::P},       {6, 18, Block::P},      {8, 3, Block::F},
        {9, 17, Block::F},       {8, 1, Block::F},       {0, 5, Block::Unknown},
        {10, 1, Block::Unknown}, {3, 0, Block::Unknown}, {3, 19, Block::Unknown}};
    for (const auto &[row, column, block] : places)
        EXPECT_EQ(elementBlock(at(row, column)), block) << row << "," << column;

    // The shipped table: 14 s, 36 p, 38 d (rows 6 and 7 start at column 4), 30 f.
    std::map<Block, int> counts;
    for (int z = 1; z <= 118; ++z)
        ++counts[elementBlock(shippedData().ElementTable[z])];
    EXPECT_EQ(counts, (std::map<Block, int>{
                          {Block::S, 14}, {Block::P, 36}, {Block::D, 38}, {Block::F, 30}}));
}

TEST(Phase, AtTheMeltingAndBoilingPointsAndWhereThePointsDoNotDecide)
{
    const ElementRecord iron = withPoints(1811, 3134);
    const std::pair<double, Phase> ironAt[] = {{0, Phase::Solid},     {1810.99, Phase::Solid},
                                               {1811, Phase::Liquid}, {3134, Phase::Liquid},
                                               {3134.01, Phase::Gas}, {6000, Phase::Gas}};
    for (const auto &[kelvin, phase] : ironAt)
        EXPECT_EQ(phaseAt(iron, kelvin), phase) << kelvin;

    // Only the melting point: solid below it, unknown from it on.
    const ElementRecord melts = withPoints(1259, 0);
    EXPECT_EQ(std::tuple(phaseAt(melts, 1258.9), phaseAt(melts, 1259), phaseAt(melts, 6000)),
              std::tuple(Phase::Solid, Phase::Unknown, Phase::Unknown));
    // Only the boiling point: unknown up to it, gas above.
    const ElementRecord boils = withPoints(0, 950);
    EXPECT_EQ(std::tuple(phaseAt(boils, 10), phaseAt(boils, 950), phaseAt(boils, 950.01)),
              std::tuple(Phase::Unknown, Phase::Unknown, Phase::Gas));
    EXPECT_EQ(phaseAt(withPoints(0, 0), 298), Phase::Unknown);
    // Boiling (subliming) below the melting point: a gas above it, whatever the other point.
    const ElementRecord sublimes = withPoints(1090, 887);
    EXPECT_EQ(std::tuple(phaseAt(sublimes, 887), phaseAt(sublimes, 887.5), phaseAt(sublimes, 1100)),
              std::tuple(Phase::Solid, Phase::Gas, Phase::Gas));

    // The shipped data at 298 K: mercury and bromine liquid, gallium and
    // caesium solid until 303 K, francium (no melting point) unknown.
    const auto &t = shippedData().ElementTable;
    EXPECT_EQ(std::tuple(phaseAt(t[80], 298), phaseAt(t[35], 298), phaseAt(t[31], 298),
                         phaseAt(t[55], 298), phaseAt(t[1], 298), phaseAt(t[87], 298)),
              std::tuple(Phase::Liquid, Phase::Liquid, Phase::Solid, Phase::Solid, Phase::Gas,
                         Phase::Unknown));
    EXPECT_EQ(std::tuple(phaseAt(t[31], 303), phaseAt(t[55], 303)),
              std::tuple(Phase::Liquid, Phase::Liquid));
}

TEST(Temperature, ParsedWithItsUnitAndWrittenInIt)
{
    const std::tuple<const char *, double, TemperatureUnit> good[] = {
        {"300K", 300, TemperatureUnit::Kelvin},
        {"25C", 298.15, TemperatureUnit::Celsius},
        {"77F", 298.15, TemperatureUnit::Fahrenheit},
        {" -40 \u00B0F ", 233.15, TemperatureUnit::Fahrenheit},
        {"25c", 298.15, TemperatureUnit::Celsius},
        {"0K", 0, TemperatureUnit::Kelvin},
        {"-273.15C", 0, TemperatureUnit::Celsius},
        {"-459.67F", 0, TemperatureUnit::Fahrenheit},
        {"6000K", 6000, TemperatureUnit::Kelvin},
        {"1e3K", 1000, TemperatureUnit::Kelvin}};
    for (const auto &[text, kelvin, unit] : good) {
        const std::optional<Temperature> t = parseTemperature(QString::fromUtf8(text));
        ASSERT_TRUE(t) << text;
        EXPECT_NEAR(t->kelvin, kelvin, 1e-9) << text;
        EXPECT_EQ(t->unit, unit) << text;
    }
    for (const char *bad : {"300", "K", "-1K", "-273.16C", "6000.01K", "300 kelvin", "300\u00B0K",
                            "30 0K", "nanK", "infK", "", "300K300", "3,5C"})
        EXPECT_FALSE(parseTemperature(QString::fromUtf8(bad))) << bad;

    EXPECT_EQ(temperatureText(298, TemperatureUnit::Kelvin), "298 K");
    EXPECT_EQ(temperatureText(298, TemperatureUnit::Celsius), u"24.85 \u00B0C");
    EXPECT_EQ(temperatureText(298, TemperatureUnit::Fahrenheit), u"76.73 \u00B0F");
    EXPECT_EQ(temperatureText(273.15, TemperatureUnit::Celsius), u"0 \u00B0C");
    EXPECT_EQ(temperatureText(0, TemperatureUnit::Fahrenheit), u"-459.67 \u00B0F");
    EXPECT_NEAR(toKelvin(fromKelvin(350, TemperatureUnit::Fahrenheit), TemperatureUnit::Fahrenheit),
                350, 1e-9);
}

TEST(CellViewText, TheValueViewedWithItsUnit)
{
    const auto &t = shippedData().ElementTable;
    const auto text = [](const char *view, const ElementRecord &r, double kelvin = 298,
                         TemperatureUnit unit = TemperatureUnit::Kelvin) {
        return cellViewText({viewNamed(view), kelvin, unit}, r);
    };
    EXPECT_EQ(text("density", t[26]), u"Iron, 26: density 7.874 g/cm\u00B3");
    EXPECT_EQ(text("density", t[1]), u"Hydrogen, 1: density 0.0000899 g/cm\u00B3 (0.0899 g/L)");
    EXPECT_EQ(text("electronegativity", t[2]), "Helium, 2: no electronegativity known");
    EXPECT_EQ(text("electronegativity", t[26]), "Iron, 26: electronegativity 1.83");
    EXPECT_EQ(text("melting-point", t[26]), "Iron, 26: melting point 1811 K");
    EXPECT_EQ(text("classes", t[26]), "Iron, 26: Transition Metal");
    EXPECT_EQ(text("block", t[26]), "Iron, 26: d block");
    EXPECT_EQ(text("state", t[26]),
              "Iron, 26: solid at 298 K (melting point 1811 K, boiling point 3134 K)");
    EXPECT_EQ(text("state", t[80], 298, TemperatureUnit::Celsius),
              u"Mercury, 80: liquid at 24.85 \u00B0C (melting point -38.83 \u00B0C, "
              u"boiling point 356.73 \u00B0C)");
    EXPECT_EQ(text("state", t[87]),
              "Francium, 87: state unknown at 298 K (no melting point known, boiling point 950 K)");
}

// Words switch with the language within one run, and back: nothing made in
// one language is kept for another. Names on the command line stay English,
// numbers keep their point.
TEST(CellViewText, InTheLanguageInUseAndBackInEnglish)
{
    const auto &t = shippedData().ElementTable;
    const auto text = [](const char *view, const ElementRecord &r) {
        return cellViewText({viewNamed(view)}, r);
    };
    const int density = viewNamed("density");
    const TableColouring blocks({viewNamed("block")}, shippedData(), classColours());
    EXPECT_EQ(tableViews()[size_t(density)].title, "Density");
    EXPECT_EQ(classificationNames()[1].trimmed(), "Inert Gas");
    struct English
    {
        ~English() { Language::use({}); }
    } restore;

    Language::use(QStringLiteral("de"));
    EXPECT_EQ(tableViews()[size_t(density)].title, "Dichte");
    EXPECT_EQ(viewNamed("density"), density) << "the command line's word";
    EXPECT_EQ(text("density", t[26]), u"Eisen, 26: Dichte 7.874 g/cm\u00B3");
    EXPECT_EQ(text("electronegativity", t[2]), u"Helium, 2: Elektronegativit\u00E4t unbekannt");
    EXPECT_EQ(text("classes", t[26]), u"Eisen, 26: \u00DCbergangsmetall");
    EXPECT_EQ(text("state", t[87]), "Francium, 87: Zustand unbekannt bei 298 K "
                                    "(Schmelzpunkt unbekannt, Siedepunkt 950 K)");
    EXPECT_EQ(classificationNames()[1], QStringLiteral("Edelgas").leftJustified(50));
    EXPECT_EQ(blocks.keyItems()[0].label, "s-Block");

    Language::use(QStringLiteral("fr"));
    EXPECT_EQ(text("density", t[26]), u"Fer, 26 : masse volumique 7.874 g/cm\u00B3");
    EXPECT_EQ(classificationNames()[1].trimmed(), "Gaz noble");
    const TableViewDef &debye = tableViews()[size_t(viewNamed("debye-temperature"))];
    EXPECT_EQ(std::pair(debye.title, debye.words),
              std::pair(QStringLiteral(u"Temp\u00E9rature de Debye"),
                        QStringLiteral(u"temp\u00E9rature de Debye")))
        << "in a sentence, lower case";
    Language::use(QStringLiteral("es"));
    EXPECT_EQ(text("state", t[80]),
              u"Mercurio, 80: l\u00EDquido a 298 K (punto de fusi\u00F3n 234.32 K, punto de "
              u"ebullici\u00F3n 629.88 K)");

    Language::use({});
    EXPECT_EQ(tableViews()[size_t(density)].title, "Density");
    EXPECT_EQ(classificationNames()[1], QStringLiteral("Inert Gas").leftJustified(50));
    EXPECT_EQ(text("density", t[26]), u"Iron, 26: density 7.874 g/cm\u00B3");
    EXPECT_EQ(blocks.keyItems()[0].label, "s block");
}

TEST(CellInk, LightWordsOnDarkFillsAndTheClassesKeepTheirs)
{
    const CellInk onLight{ColourBlack, ColourRed};
    const CellInk onDark{ColourWhite, 0xA0A0FF};
    EXPECT_EQ(cellInk(viridis(0)), onDark);
    EXPECT_EQ(cellInk(viridis(1)), onLight);
    // Black and white contrast equally with a luminance of 0.179: 0x767676
    // lies just above it, 0x757575 just below.
    EXPECT_EQ(std::pair(cellInk(0x767676), cellInk(0x757575)), std::pair(onLight, onDark));
    for (const Colour c : classColours())
        EXPECT_EQ(cellInk(c), onLight) << std::hex << c;
    // Three parts in four towards the page blue (red 17, green 147, blue 208).
    EXPECT_EQ(fadedColour(0x78AAE6, ColourPageBlue), 0xBA9946u);
}

TEST(KeyNumberText, FourSignificantDigitsNoExponent)
{
    // Those already short read back as written; longer ones are rounded.
    for (const char *text : {"0.0000899", "22.57", "5869", "294", "1.008", "0.00361", "430", "0.5"})
        EXPECT_EQ(keyNumberText(QString::fromLatin1(text).toDouble()), text) << text;
    EXPECT_EQ(keyNumberText(55.846) + u' ' + keyNumberText(1234.56), "55.85 1235");
}

} // namespace
