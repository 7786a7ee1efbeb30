#include "views.h"

#include "creatept.h"
#include "language.h"
#include "numbertext.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

using Value = std::optional<double>;

// A field's value where it is trustworthy: the data set writes 0 for none.
Value known(double value)
{
    if (value == 0 || !std::isfinite(value)) return std::nullopt;
    return value;
}

// Densities of solids and liquids are in g/cm³, of gases in g/L; both are
// coloured in g/cm³. A density in any other unit is not used.
Value density(const ElementRecord &r)
{
    const QString unit = trimmedText(r.DensityUnit);
    if (unit == u"g/cm\u00B3") return known(r.Density);
    if (unit == u"g/L") {
        if (const Value v = known(r.Density)) return *v / 1000;
    }
    return std::nullopt;
}

QString densityOwnForm(const ElementRecord &r)
{
    if (trimmedText(r.DensityUnit) != u"g/L" || !known(r.Density)) return {};
    return numberText(r.Density) + QStringLiteral(" g/L");
}

// The views in the language in use: titles and words are translated, names
// are the command line's and stay as they are.
std::vector<TableViewDef> makeViews()
{
    using R = const ElementRecord &;
    // Words the same as a title in English are told apart from it: other
    // languages write them in lower case.
    struct Words
    {
        Words(const char *source, const char *disambiguation = nullptr)
            : source(source), disambiguation(disambiguation)
        {
        }
        const char *source, *disambiguation;
    };
    const auto view = [](const char *name, const char *title, Words words, const char *unit,
                         ViewKind kind, Value (*value)(R)) {
        return TableViewDef{QString::fromLatin1(name),
                            Language::translate("Views", title),
                            Language::translate("Views", words.source, words.disambiguation),
                            QString::fromUtf8(unit),
                            kind,
                            value,
                            nullptr};
    };
    const auto property = [&view](const char *name, const char *title, Words words,
                                  const char *unit, Value (*value)(R)) {
        return view(name, title, words, unit, ViewKind::Property, value);
    };
    // Titles show in the chooser and head the key; words name the value in a
    // sentence ("Iron, 26: density 7.874 g/cm³").
    std::vector<TableViewDef> views = {
        view("classes", QT_TRANSLATE_NOOP("Views", "Classes"), QT_TRANSLATE_NOOP("Views", "class"),
             "", ViewKind::Classes, nullptr),
        view("block", QT_TRANSLATE_NOOP("Views", "Block"), QT_TRANSLATE_NOOP("Views", "block"), "",
             ViewKind::Block, nullptr),
        view("state", QT_TRANSLATE_NOOP("Views", "State at a temperature"),
             QT_TRANSLATE_NOOP("Views", "state"), "", ViewKind::State, nullptr),
        property("atomic-weight", QT_TRANSLATE_NOOP("Views", "Atomic weight"),
                 QT_TRANSLATE_NOOP("Views", "atomic weight"), "g/mol",
                 [](R r) { return known(r.AtomicWeight); }),
        property("density", QT_TRANSLATE_NOOP("Views", "Density"),
                 QT_TRANSLATE_NOOP("Views", "density"), "g/cm\u00B3", density),
        property("melting-point", QT_TRANSLATE_NOOP("Views", "Melting point"),
                 QT_TRANSLATE_NOOP("Views", "melting point"), "K",
                 [](R r) { return known(r.MeltingPoint); }),
        property("boiling-point", QT_TRANSLATE_NOOP("Views", "Boiling point"),
                 QT_TRANSLATE_NOOP("Views", "boiling point"), "K",
                 [](R r) { return known(r.BoilingPoint); }),
        property("atomic-radius", QT_TRANSLATE_NOOP("Views", "Atomic radius"),
                 QT_TRANSLATE_NOOP("Views", "atomic radius"), "\u00C5",
                 [](R r) { return known(r.AtomicRadius); }),
        property("covalent-radius", QT_TRANSLATE_NOOP("Views", "Covalent radius"),
                 QT_TRANSLATE_NOOP("Views", "covalent radius"), "\u00C5",
                 [](R r) { return known(r.CovalentRadius); }),
        property("atomic-volume", QT_TRANSLATE_NOOP("Views", "Atomic volume"),
                 QT_TRANSLATE_NOOP("Views", "atomic volume"), "cm\u00B3/mol",
                 [](R r) { return known(r.AtomicVolume); }),
        property("electronegativity", QT_TRANSLATE_NOOP("Views", "Electronegativity"),
                 QT_TRANSLATE_NOOP("Views", "electronegativity"), "",
                 [](R r) { return known(r.ElectroNegativity); }),
        property("ionization-energy", QT_TRANSLATE_NOOP("Views", "Ionization energy"),
                 QT_TRANSLATE_NOOP("Views", "ionization energy"), "kJ/mol",
                 [](R r) { return known(r.IonizingEnergy); }),
        property("specific-heat", QT_TRANSLATE_NOOP("Views", "Specific heat"),
                 QT_TRANSLATE_NOOP("Views", "specific heat"), "J/(g\u00B7K)",
                 [](R r) { return known(r.SpecificHeat); }),
        property("fusion-heat", QT_TRANSLATE_NOOP("Views", "Fusion heat"),
                 QT_TRANSLATE_NOOP("Views", "fusion heat"), "kJ/mol",
                 [](R r) { return known(r.FusionHeat); }),
        property("evaporation-heat", QT_TRANSLATE_NOOP("Views", "Evaporation heat"),
                 QT_TRANSLATE_NOOP("Views", "evaporation heat"), "kJ/mol",
                 [](R r) { return known(r.EvaporationHeat); }),
        property("thermal-conductivity", QT_TRANSLATE_NOOP("Views", "Thermal conductivity"),
                 QT_TRANSLATE_NOOP("Views", "thermal conductivity"), "W/(m\u00B7K)",
                 [](R r) { return known(r.ThermalConduct); }),
        property("debye-temperature", QT_TRANSLATE_NOOP("Views", "Debye temperature"),
                 QT_TRANSLATE_NOOP3("Views", "Debye temperature", "in a sentence"), "K",
                 [](R r) { return known(r.DebyeTemp); }),
    };
    views[4].ownForm = densityOwnForm;
    return views;
}

// The class legend's entries in the order it shows them, two to a line.
struct ClassEntry
{
    int group;
    const char *label;
};
//: The class legend: at most 105 pixels in the left column (Non Metals,
//: Halogens, Inert Gases, Semimetallics, Transition Metals), 118 in the right.
constexpr ClassEntry ClassLegend[10] = {
    {3, QT_TRANSLATE_NOOP("Classes", "Non Metals")},
    {6, QT_TRANSLATE_NOOP("Classes", "Alkali Metals")},
    {2, QT_TRANSLATE_NOOP("Classes", "Halogens")},
    {7, QT_TRANSLATE_NOOP("Classes", "Alkaline Earth Metals")},
    {1, QT_TRANSLATE_NOOP("Classes", "Inert Gases")},
    {8, QT_TRANSLATE_NOOP("Classes", "Other Metals")},
    {4, QT_TRANSLATE_NOOP("Classes", "Semimetallics")},
    {9, QT_TRANSLATE_NOOP("Classes", "Rare Earth Elements")},
    {5, QT_TRANSLATE_NOOP("Classes", "Transition Metals")},
    {10, QT_TRANSLATE_NOOP("Classes", "Radioactive RE Elements")},
};

// Viridis at nine evenly spaced points, red, green, blue.
constexpr unsigned char ViridisStops[9][3] = {
    {0x44, 0x01, 0x54}, {0x47, 0x2d, 0x7b}, {0x3b, 0x52, 0x8b},
    {0x2c, 0x72, 0x8e}, {0x21, 0x91, 0x8c}, {0x28, 0xae, 0x80},
    {0x5e, 0xc9, 0x62}, {0xad, 0xdc, 0x30}, {0xfd, 0xe7, 0x25},
};

Colour rgb(int r, int g, int b)
{
    return Colour(r) | Colour(g) << 8 | Colour(b) << 16;
}

int channel(Colour c, int i)
{
    return int((c >> (8 * i)) & 0xFF);
}

// Relative luminance of a colour (sRGB), 0 for black to 1 for white.
double luminance(Colour c)
{
    double l = 0;
    const double weights[3] = {0.2126, 0.7152, 0.0722};
    for (int i = 0; i < 3; ++i) {
        const double v = channel(c, i) / 255.0;
        l += weights[i] * (v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
    }
    return l;
}

// A value as the tooltip gives it: all its digits, never an exponent.
QString valueText(double value)
{
    const QString text = numberText(value);
    if (!text.contains(QLatin1Char('E'))) return text;
    const int exponent = int(std::floor(std::log10(std::abs(value))));
    QString fixed = QString::number(value, 'f', std::clamp(14 - exponent, 0, 300));
    while (fixed.endsWith(QLatin1Char('0')))
        fixed.chop(1);
    if (fixed.endsWith(QLatin1Char('.'))) fixed.chop(1);
    return fixed;
}

QString withUnit(const QString &number, const QString &unit)
{
    return unit.isEmpty() ? number : number + QLatin1Char(' ') + unit;
}

QString phaseWords(Phase phase)
{
    switch (phase) {
    case Phase::Solid:
        return Language::translate("States", "solid");
    case Phase::Liquid:
        return Language::translate("States", "liquid");
    case Phase::Gas:
        return Language::translate("States", "gas");
    case Phase::Unknown:
        break;
    }
    return Language::translate("States", "state unknown");
}

QString blockWords(Block block)
{
    switch (block) {
    case Block::S:
        return Language::translate("Views", "s block");
    case Block::P:
        return Language::translate("Views", "p block");
    case Block::D:
        return Language::translate("Views", "d block");
    case Block::F:
        return Language::translate("Views", "f block");
    case Block::Unknown:
        break;
    }
    return Language::translate("Views", "block unknown");
}

} // namespace

const std::vector<TableViewDef> &tableViews()
{
    // One set per language spoken in the run.
    static std::map<QString, std::vector<TableViewDef>> made;
    const QString language = Language::current();
    auto found = made.find(language);
    if (found == made.end()) found = made.emplace(language, makeViews()).first;
    return found->second;
}

int findTableView(const QString &name)
{
    const std::vector<TableViewDef> &views = tableViews();
    for (size_t i = 0; i < views.size(); ++i)
        if (views[i].name == name) return int(i);
    return -1;
}

double toKelvin(double value, TemperatureUnit unit)
{
    switch (unit) {
    case TemperatureUnit::Celsius:
        return value + 273.15;
    case TemperatureUnit::Fahrenheit:
        return (value + 459.67) * 5 / 9;
    case TemperatureUnit::Kelvin:
        break;
    }
    return value;
}

double fromKelvin(double kelvin, TemperatureUnit unit)
{
    switch (unit) {
    case TemperatureUnit::Celsius:
        return kelvin - 273.15;
    case TemperatureUnit::Fahrenheit:
        return kelvin * 9 / 5 - 459.67;
    case TemperatureUnit::Kelvin:
        break;
    }
    return kelvin;
}

QString unitSymbol(TemperatureUnit unit)
{
    switch (unit) {
    case TemperatureUnit::Celsius:
        return QStringLiteral("\u00B0C");
    case TemperatureUnit::Fahrenheit:
        return QStringLiteral("\u00B0F");
    case TemperatureUnit::Kelvin:
        break;
    }
    return QStringLiteral("K");
}

QString temperatureText(double kelvin, TemperatureUnit unit)
{
    QString number = QString::number(fromKelvin(kelvin, unit), 'f', 2);
    while (number.endsWith(QLatin1Char('0')))
        number.chop(1);
    if (number.endsWith(QLatin1Char('.'))) number.chop(1);
    if (number == QLatin1String("-0")) number = QStringLiteral("0");
    return number + QLatin1Char(' ') + unitSymbol(unit);
}

std::optional<Temperature> parseTemperature(const QString &text)
{
    static const QRegularExpression form(
        QStringLiteral("^\\s*([-+]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][-+]?\\d+)?)\\s*"
                       "(\u00B0?)([KkCcFf])\\s*$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const QChar letter = match.captured(3).at(0).toUpper();
    // Kelvin takes no degree sign.
    if (letter == u'K' && !match.captured(2).isEmpty()) return std::nullopt;
    const TemperatureUnit unit = letter == u'K'   ? TemperatureUnit::Kelvin
                                 : letter == u'C' ? TemperatureUnit::Celsius
                                                  : TemperatureUnit::Fahrenheit;
    const double kelvin = toKelvin(match.captured(1).toDouble(), unit);
    // A hair below zero from the conversions' rounding is still absolute zero.
    if (!std::isfinite(kelvin) || kelvin < MinKelvin - 1e-9 || kelvin > MaxKelvin)
        return std::nullopt;
    return Temperature{std::max(kelvin, MinKelvin), unit};
}

Block elementBlock(const ElementRecord &record)
{
    const int row = record.TableRow;
    const int column = record.TableColumn;
    if (row == 8 || row == 9) return Block::F;
    if (row < 1 || row > 7 || column < 1 || column > 18) return Block::Unknown;
    if (row == 1 || column <= 2) return Block::S;
    if (column <= 12) return Block::D;
    return Block::P;
}

Phase phaseAt(const ElementRecord &record, double kelvin)
{
    const Value melts = known(record.MeltingPoint);
    const Value boils = known(record.BoilingPoint);
    if (boils && kelvin > *boils) return Phase::Gas;
    if (melts && kelvin < *melts) return Phase::Solid;
    if (melts && boils) return Phase::Liquid;
    return Phase::Unknown;
}

Colour viridis(double t)
{
    if (!(t > 0)) t = 0; // NaN as well
    t = std::min(t, 1.0);
    const double at = t * 8;
    const int i = std::min(int(at), 7);
    const double f = at - i;
    int c[3];
    for (int k = 0; k < 3; ++k)
        c[k] = int(
            std::lround(ViridisStops[i][k] + (ViridisStops[i + 1][k] - ViridisStops[i][k]) * f));
    return rgb(c[0], c[1], c[2]);
}

ColourScale colourScale(const std::vector<double> &values)
{
    ColourScale scale;
    for (const double v : values) {
        if (!std::isfinite(v)) continue;
        if (scale.empty) {
            scale.low = scale.high = v;
            scale.empty = false;
        }
        scale.low = std::min(scale.low, v);
        scale.high = std::max(scale.high, v);
    }
    scale.log = !scale.empty && scale.low > 0 && scale.high > 100 * scale.low;
    return scale;
}

double scalePosition(const ColourScale &scale, double value)
{
    if (scale.empty || scale.high == scale.low) return 0.5;
    double t = 0;
    if (scale.log)
        t = std::log(value / scale.low) / std::log(scale.high / scale.low);
    else
        t = (value - scale.low) / (scale.high - scale.low);
    if (!(t > 0)) return 0; // below the scale, or a value a log scale cannot place
    return std::min(t, 1.0);
}

double scaleValue(const ColourScale &scale, double t)
{
    if (scale.log) return scale.low * std::pow(scale.high / scale.low, t);
    return scale.low + (scale.high - scale.low) * t;
}

TableColouring::TableColouring(const TableView &view, const ElementData &data,
                               const ClassColours &classes)
    : m_view(view), m_classes(classes)
{
    if (m_view.view < 0 || m_view.view >= int(tableViews().size())) m_view.view = 0;
    if (def().kind != ViewKind::Property) return;
    std::vector<double> values;
    const int count = std::clamp<int>(data.ElementCount, 0, MaxElements);
    for (int e = 1; e <= count; ++e)
        if (const Value v = def().value(data.ElementTable[e])) values.push_back(*v);
    m_scale = colourScale(values);
}

const TableViewDef &TableColouring::def() const
{
    return tableViews()[size_t(m_view.view)];
}

int TableColouring::group(const ElementRecord &record) const
{
    switch (def().kind) {
    case ViewKind::Classes:
        return record.Classification;
    case ViewKind::Block:
        return int(elementBlock(record));
    case ViewKind::State:
        return int(phaseAt(record, m_view.kelvin));
    case ViewKind::Property:
        break;
    }
    return def().value(record) ? 1 : 0;
}

Colour TableColouring::cellColour(const ElementRecord &record) const
{
    switch (def().kind) {
    case ViewKind::Classes: {
        // A class outside the colour table leaves the cell white.
        const int cls = record.Classification;
        return cls >= 0 && cls < int(m_classes.size()) ? m_classes[size_t(cls)] : ColourWhite;
    }
    case ViewKind::Block:
        return BlockColours[size_t(elementBlock(record))];
    case ViewKind::State:
        return PhaseColours[size_t(phaseAt(record, m_view.kelvin))];
    case ViewKind::Property:
        break;
    }
    const Value v = def().value(record);
    return v ? viridis(scalePosition(m_scale, *v)) : NoDataColour;
}

bool TableColouring::dimmed(const ElementRecord &record) const
{
    return m_view.highlight != NoHighlight && group(record) != m_view.highlight;
}

std::vector<KeyItem> TableColouring::keyItems() const
{
    std::vector<KeyItem> items;
    switch (def().kind) {
    case ViewKind::Classes:
        for (const ClassEntry &entry : ClassLegend)
            items.push_back({entry.group, Language::translate("Classes", entry.label),
                             m_classes[size_t(entry.group)]});
        break;
    case ViewKind::Block:
        for (const Block b : {Block::S, Block::P, Block::D, Block::F})
            items.push_back({int(b), blockWords(b), BlockColours[size_t(b)]});
        break;
    case ViewKind::State:
        for (const Phase p : {Phase::Solid, Phase::Liquid, Phase::Gas, Phase::Unknown}) {
            QString label = phaseWords(p);
            label[0] = label[0].toUpper();
            items.push_back({int(p),
                             p == Phase::Unknown ? Language::translate("States", "Unknown") : label,
                             PhaseColours[size_t(p)]});
        }
        break;
    case ViewKind::Property:
        //: A key entry: at most 105 pixels.
        items.push_back({0, Language::translate("Views", "No data"), NoDataColour});
        break;
    }
    return items;
}

CellInk cellInk(Colour fill)
{
    // Black and white words contrast equally with a fill of luminance 0.179.
    if (luminance(fill) >= 0.179) return {ColourBlack, ColourRed};
    return {ColourWhite, rgb(255, 160, 160)};
}

Colour fadedColour(Colour colour, Colour background)
{
    int c[3];
    for (int i = 0; i < 3; ++i)
        c[i] = (channel(colour, i) + 3 * channel(background, i) + 2) / 4;
    return rgb(c[0], c[1], c[2]);
}

QString cellViewText(const TableView &view, const ElementRecord &record)
{
    //: A cell's tooltip: the element's name, its atomic number, then what the view shows.
    const auto who = [&record](const QString &what) {
        return Language::translate("Views", "%1, %2: %3")
            .arg(trimmedText(elementName(record)))
            .arg(record.AtomicNumber)
            .arg(what);
    };
    if (view.view < 0 || view.view >= int(tableViews().size())) return who({});
    const TableViewDef &def = tableViews()[size_t(view.view)];
    switch (def.kind) {
    case ViewKind::Classes: {
        const int cls = record.Classification;
        if (cls < 1 || cls > 10) return who(Language::translate("Views", "class unknown"));
        return who(trimmedText(classificationNames()[size_t(cls)]));
    }
    case ViewKind::Block:
        return who(blockWords(elementBlock(record)));
    case ViewKind::State: {
        const QString melting = known(record.MeltingPoint)
                                    ? Language::translate("Views", "melting point %1")
                                          .arg(temperatureText(record.MeltingPoint, view.unit))
                                    : Language::translate("Views", "no melting point known");
        const QString boiling = known(record.BoilingPoint)
                                    ? Language::translate("Views", "boiling point %1")
                                          .arg(temperatureText(record.BoilingPoint, view.unit))
                                    : Language::translate("Views", "no boiling point known");
        //: The state at the chosen temperature (solid, liquid, gas or state unknown),
        //: the temperature, then the melting and boiling points.
        return who(Language::translate("States", "%1 at %2 (%3, %4)")
                       .arg(phaseWords(phaseAt(record, view.kelvin)),
                            temperatureText(view.kelvin, view.unit), melting, boiling));
    }
    case ViewKind::Property:
        break;
    }
    const Value v = def.value(record);
    //: A property without a value: its words ("density").
    if (!v) return who(Language::translate("Views", "no %1 known").arg(def.words));
    QString text = def.words + QLatin1Char(' ') + withUnit(valueText(*v), def.unit);
    if (def.ownForm) {
        const QString own = def.ownForm(record);
        if (!own.isEmpty()) text += QStringLiteral(" (%1)").arg(own);
    }
    return who(text);
}

QString keyNumberText(double value)
{
    if (value == 0 || !std::isfinite(value)) return QStringLiteral("0");
    const int exponent = int(std::floor(std::log10(std::abs(value))));
    QString text = QString::number(value, 'f', std::max(0, 3 - exponent));
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    }
    return text;
}
