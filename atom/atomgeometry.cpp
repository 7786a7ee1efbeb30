#include "atomgeometry.h"

#include <algorithm>
#include <cmath>

namespace {

struct FixedLevel
{
    Colour colour;
    qint16 circleRadius;
    qint16 ellipseRadius;
    qint16 ellipsePhase;
};

constexpr std::array<FixedLevel, LevelMax> FixedLevels{{
    {0x0000FF, 40, 40, 90},
    {0xFF00FF, 61, 81, 55},
    {0x00FFFF, 86, 81, 125},
    {0x00FF00, 111, 130, 90},
    {0xFFFF00, 136, 140, 50},
    {0xFF0000, 161, 140, 130},
    {0x80C0FF, 186, 186, 90},
}};

// nearbyint under the default rounding mode rounds halves to the even integer.
qint16 roundHalfEven(double value)
{
    return qint16(std::nearbyint(value));
}

} // namespace

AtomModel::AtomModel()
{
    InitShellTable(shells);
    SetNData(nucleons);
    SetupAtom(*this, true);
}

void InitShellTable(ShellTable &shells)
{
    shells = ShellTable{};
    for (int level = 1; level <= LevelMax; ++level) {
        const FixedLevel &f = FixedLevels[level - 1];
        ShellLevel &s = shells[level];
        s.LevelColor = f.colour;
        s.CircleRadius = f.circleRadius;
        s.CirclePhase = 90;
        s.EllipseRadius = f.ellipseRadius;
        s.EllipsePhase = f.ellipsePhase;
    }
}

AtomPoint pathPoint(int radius, int phase, int degree)
{
    const double x = AtomCenter - radius * std::sin(-degree * DegToRad);
    const double y = AtomCenter - radius * std::sin((degree + phase) * DegToRad);
    return {roundHalfEven(x), roundHalfEven(y)};
}

void SetNData(NucleonSlots &table)
{
    struct Ring
    {
        int count;
        int radius;
    };
    constexpr std::array<Ring, 6> Rings{{{5, 5}, {10, 10}, {15, 15}, {20, 20}, {26, 25}, {30, 28}}};

    table[NucleonSlotCount] = {AtomCenter - 3, AtomCenter - 3};
    int slot = NucleonSlotCount - 1;
    for (const Ring &ring : Rings) {
        // The step divides by the radius, not the count: ring 5 runs past 360.
        const int step = 360 / ring.radius;
        for (int i = 1; i <= ring.count; ++i) {
            const int a = step * i;
            const double x = AtomCenter - ring.radius * std::sin(-a * DegToRad) - 4;
            const double y = AtomCenter - ring.radius * std::sin((a + 90) * DegToRad) - 4;
            table[slot--] = {roundHalfEven(x), roundHalfEven(y)};
        }
    }
}

void SetupAtom(AtomModel &model, bool elliptic)
{
    model.elliptic = elliptic;
    for (int level = 1; level <= LevelMax; ++level) {
        const ShellLevel &s = model.shells[level];
        const int r = elliptic ? s.EllipseRadius : s.CircleRadius;
        const int phase = elliptic ? s.EllipsePhase : s.CirclePhase;
        for (int d = 1; d <= DegreeMax; ++d)
            model.paths.points[level][d] = pathPoint(r, phase, d);
    }
}

std::vector<NucleonPlacement> nucleusFill(int protons, int neutrons)
{
    protons = std::max(0, protons);
    neutrons = std::max(0, neutrons);
    std::vector<NucleonPlacement> list;
    const int total = protons + neutrons;
    const int first = total >= NucleonSlotCount ? 1 : NucleonSlotCount + 1 - total;
    bool protonTurn = true;
    for (int slot = first; slot <= NucleonSlotCount && (protons > 0 || neutrons > 0); ++slot) {
        if (protonTurn && protons > 0) {
            list.push_back({qint16(slot), Nucleon::Proton});
            --protons;
        } else if (neutrons > 0) {
            list.push_back({qint16(slot), Nucleon::Neutron});
            --neutrons;
        }
        // Out of neutrons on a neutron turn, the slot stays empty and a proton
        // goes unshown; no element of the shipped table has so few neutrons.
        protonTurn = !protonTurn;
    }
    return list;
}

void spreadElectrons(AtomModel &model)
{
    const int levels = std::clamp<int>(model.AtomLevels, 0, LevelMax);
    int total = 0;
    for (int level = 1; level <= levels; ++level) {
        ShellLevel &s = model.shells[level];
        // A level never holds a negative count, and all levels together never
        // more electrons than ElectronAngles has room for.
        const int count = std::clamp<int>(s.ElectronCount, 0, ElectronMax - total);
        s.FirstElectron = qint16(total + 1);
        total += count;
        s.LastElectron = qint16(total);
        if (count == 0) continue;
        const int step = DegreeMax / count;
        int extra = DegreeMax % count;
        int degree = 1;
        for (int e = s.FirstElectron; e <= s.LastElectron; ++e) {
            model.ElectronAngles[e] = qint16(degree);
            degree += step;
            if (extra > 0) {
                ++degree;
                --extra;
            }
        }
    }
    model.ElectronTotal = qint16(total);
}
