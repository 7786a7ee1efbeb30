#pragma once

#include "colour.h"
#include "elementdata.h"

#include <QRect>
#include <QString>

#include <array>
#include <optional>
#include <vector>

// Views of the table: what its cells are coloured by, and the colour rules.

enum class ViewKind { Classes, Block, State, Property };

struct TableViewDef
{
    QString name;  // the command line's word: lower case, words joined by "-"
    QString title; // as the chooser and the key show it: "Melting point"
    QString words; // as a sentence names it: "melting point"
    QString unit;  // of the values coloured; empty for none
    ViewKind kind = ViewKind::Classes;
    // A property's value in unit; nothing where the record has no trustworthy one.
    std::optional<double> (*value)(const ElementRecord &) = nullptr;
    // The record's own form of the value, where it differs (a gas's density in g/L).
    QString (*ownForm)(const ElementRecord &) = nullptr;
};

// Every view, in the chooser's order: classes, block, state, then the properties.
const std::vector<TableViewDef> &tableViews();
// The view of that name, or -1.
int findTableView(const QString &name);

// Temperatures: kept in kelvin, shown in the unit chosen.
enum class TemperatureUnit { Kelvin, Celsius, Fahrenheit };
constexpr double DefaultKelvin = 298;
// The range offered: from absolute zero to past the highest boiling point.
constexpr double MinKelvin = 0;
constexpr double MaxKelvin = 6000;
double toKelvin(double value, TemperatureUnit unit);
double fromKelvin(double kelvin, TemperatureUnit unit);
// "K", "°C", "°F".
QString unitSymbol(TemperatureUnit unit);
// The temperature in unit to two decimals, trailing zeros dropped: "298 K", "24.85 °C".
QString temperatureText(double kelvin, TemperatureUnit unit);
struct Temperature
{
    double kelvin = DefaultKelvin;
    TemperatureUnit unit = TemperatureUnit::Kelvin;
};
// A number followed by its unit, K, C or F in either case, with an optional
// space and degree sign: "300K", "25C", "-40 °F". Nothing for anything else or
// for a temperature outside MinKelvin..MaxKelvin.
std::optional<Temperature> parseTemperature(const QString &text);

// The block of the periodic table an element belongs to, read from where the
// record places it: rows 8 and 9 (the two series) are the f-block; in rows 1 to
// 7 columns 1 and 2 are the s-block, 3 to 12 the d-block and 13 to 18 the
// p-block, except that row 1 (hydrogen and helium, which have only the 1s
// subshell) is the s-block wherever it is placed. Unknown for any other place.
enum class Block { Unknown, S, P, D, F };
Block elementBlock(const ElementRecord &record);

// The state at a temperature from the melting and boiling points (0: not
// known). Above a known boiling point it is a gas and otherwise below a known
// melting point a solid, whatever the other point; from the melting point to
// the boiling point, both ends included, a liquid when both are known. Where
// the known points do not decide, it is unknown.
enum class Phase { Solid, Liquid, Gas, Unknown };
Phase phaseAt(const ElementRecord &record, double kelvin);

// The viridis colour map, t from 0 (dark violet) to 1 (yellow), held to that
// range; between its nine stops the colour is interpolated.
Colour viridis(double t);

// The range a property's colours span.
struct ColourScale
{
    double low = 0, high = 0;
    // Logarithmic, where the values are all positive and the highest is more
    // than 100 times the lowest (they span more than two decades).
    bool log = false;
    bool empty = true; // no element has a value
};
ColourScale colourScale(const std::vector<double> &values);
// Where a value lies on the scale, from 0 at low to 1 at high (held to that
// range); 0.5 when low and high are the same.
double scalePosition(const ColourScale &scale, double value);
// The value at position t (0 to 1) of the scale.
double scaleValue(const ColourScale &scale, double t);

// Fixed colours of the views.
constexpr Colour NoDataColour = 0xA8A8A8; // a grey no colour map reaches
constexpr std::array<Colour, 5> BlockColours = {NoDataColour, 0x6EC7F5, 0xF0CD96, 0xAAC86E,
                                                0xC8A5E1};
constexpr std::array<Colour, 4> PhaseColours = {0x78AAE6, 0xE6A05A, 0x8CF0FA, NoDataColour};

// The view the table is drawn in.
constexpr int NoHighlight = -1;
struct TableView
{
    int view = 0; // index into tableViews(); 0, the classes, is the picture of old
    double kelvin = DefaultKelvin;
    TemperatureUnit unit = TemperatureUnit::Kelvin; // how the key writes the temperature
    // The key group whose elements stand out while the others are dimmed.
    int highlight = NoHighlight;
    bool operator==(const TableView &) const = default;
};

// One entry of a view's key: the group it stands for, its words and colour.
struct KeyItem
{
    int group;
    QString label;
    Colour colour;
};

// Where a key entry lies in the table picture, for the pointer.
struct KeyArea
{
    QRect rect;
    int group;
    bool operator==(const KeyArea &) const = default;
};

// The key cell's colour and the ten class colours, as the artwork holds them.
using ClassColours = std::array<Colour, 11>;

// The colours of one drawing of the table: a property's scale is worked out
// once from all the elements 1..ElementCount.
class TableColouring
{
public:
    TableColouring(const TableView &view, const ElementData &data, const ClassColours &classes);

    const TableView &view() const { return m_view; }
    const TableViewDef &def() const;
    const ColourScale &scale() const { return m_scale; }
    // The key group of an element: its class, block, state or, for a
    // property, 1 with a value and 0 without.
    int group(const ElementRecord &record) const;
    // The colour of an element's cell in the view (before any dimming).
    Colour cellColour(const ElementRecord &record) const;
    // A highlight is set and the element is not in its group.
    bool dimmed(const ElementRecord &record) const;
    // The key's entries that can be highlighted, in the order the key shows them.
    std::vector<KeyItem> keyItems() const;

private:
    TableView m_view;
    const ClassColours &m_classes;
    ColourScale m_scale;
};

// The text colours of a cell: black words and a red number on a light fill,
// white words and a light red number on a dark one.
struct CellInk
{
    Colour text, number;
    bool operator==(const CellInk &) const = default;
};
CellInk cellInk(Colour fill);
// A colour faded three parts in four towards the background.
Colour fadedColour(Colour colour, Colour background);

// The value of element record in the view, with its unit, as the cell's
// tooltip and its screen reader description give it: "Iron, 26: density
// 7.874 g/cm³", "Francium, 87: state unknown at 298 K".
QString cellViewText(const TableView &view, const ElementRecord &record);

// A number as the key writes it: four significant digits, no exponent.
QString keyNumberText(double value);
