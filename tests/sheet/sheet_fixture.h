#pragma once

#include "datasheet.h"
#include "surface.h"
#include "testdata.h"

#include <QString>

#include <array>
#include <ostream>
#include <vector>

// Readable failure messages for texts.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

// A pixel surface that also keeps every text it draws, with the font and colour
// in force, so the screen sheet can be checked item by item.
class RecordingSurface : public Surface
{
public:
    struct Text
    {
        double x, y;
        QString text;
        QString fontName;
        double fontSize;
        bool bold;
        Colour colour;
    };
    using Surface::Surface;
    std::vector<Text> texts;

    // The first item with exactly this text, or nullptr.
    const Text *find(const QString &text) const
    {
        for (const Text &t : texts)
            if (t.text == text) return &t;
        return nullptr;
    }

protected:
    void drawText(double x, double y, const QString &text) override
    {
        texts.push_back({x, y, text, fontName(), fontSize(), fontBold(), foreColor()});
        Surface::drawText(x, y, text);
    }
};

inline QString padded(const QString &text, int width)
{
    return text.leftJustified(width, u' ');
}

// State symbols whose masks are black 10 x 10 squares on white and whose sprites
// are a distinct colour per state on black, so a marker shows which state it is.
struct TestStateSprites
{
    std::array<Surface, 4> ptst;
    std::array<Surface, 4> ptstM;
    static Colour colourOf(int state) { return Colour(0x102030u * (state + 1)); }
    TestStateSprites()
    {
        for (int s = 0; s < 4; ++s) {
            ptstM[s] = Surface(16, 16, ColourWhite);
            ptstM[s].filledBox(0, 0, 9, 9, ColourBlack);
            ptst[s] = Surface(16, 16, ColourBlack);
            ptst[s].filledBox(0, 0, 9, 9, colourOf(s));
        }
    }
    StateSprites sprites() const { return {ptst, ptstM}; }
};

constexpr Colour SheetBackground = 0xE0E0E0;

// A record with every field of the sheet filled, two occupied levels.
inline ElementRecord sheetTestRecord(int z)
{
    ElementRecord r = makeTestRecord(z);
    r.ElementName = padded(QStringLiteral("Testium"), 15);
    r.Symbol = padded(QStringLiteral("Tt"), 3);
    r.GroupLabel = padded(QStringLiteral("VIIIB"), 5);
    r.Group = 8;
    r.Period = 4;
    r.Classification = 5;
    r.State = 0;
    r.LevelCount = 2;
    r.LevelElectrons = {0, 2, 18, 0, 0, 0, 0, 0, 0};
    r.Neutrons = 30;
    r.AtomicWeight = 55.845;
    r.Density = 7.86;
    r.DensityUnit = padded(QStringLiteral("g/cm\u00B3"), 20);
    r.MeltingPoint = 1808;
    r.BoilingPoint = 3023;
    r.AtomicRadius = 1.26;
    r.AtomicVolume = 7.1;
    r.CovalentRadius = 1.17;
    r.IonicRadius = padded(QStringLiteral("0.64 (+3e)"), 20);
    r.SpecificHeat = 0.44;
    r.FusionHeat = 13.8;
    r.EvaporationHeat = 349.5;
    r.ElectroConduct = padded(QStringLiteral("11.2"), 20);
    r.ThermalConduct = 80.2;
    r.DebyeTemp = 460;
    r.ElectroNegativity = 1.83;
    r.IonizingEnergy = 7.893;
    r.OxidationStates = padded(QStringLiteral("6,3,2,0,-2"), 10);
    r.ElectronicConfig = padded(QStringLiteral("[Ar] 3d6 4s2"), 20);
    r.CrystalStructure = padded(QStringLiteral("Cubic body centered"), 20);
    r.CrystalConstant = 2.87;
    r.CrystalCARatio = 0;
    r.Discovered = padded(QStringLiteral("1500"), 4);
    r.Discoverer = padded(QStringLiteral("Known since antiquity"), 30);
    r.Appearance = padded(QStringLiteral("Malleable, ductile, silvery-white metal"), 60);
    r.NameOrigin = padded(QStringLiteral("Old English word for the metal"), 100);
    return r;
}

// Elements 1 to n of sheetTestRecord with their own atomic numbers.
inline ElementData sheetTestData(int n)
{
    ElementData data = makeTestData(n);
    for (int z = 1; z <= n; ++z)
        data.ElementTable[z] = sheetTestRecord(z);
    return data;
}

inline ClassificationNames testClassNames()
{
    ClassificationNames names;
    InitClassificationNames(names);
    return names;
}
