#pragma once

#include "colour.h"

#include <QtGlobal>

#include <array>
#include <vector>

// The atom's fixed geometry and state: the seven levels, the precomputed level
// paths, the nucleon positions and the electrons' current degrees. Tables keep
// their natural index ranges (levels 1 to 7, degrees 1 to 360, slots 1 to
// 107, electrons 1 to 118); index 0 is unused.

constexpr qint16 AtomCenter = 200;
// Pi is taken as this 15-digit literal, not the full double value.
constexpr double DegToRad = 3.14159265358979 / 180;

constexpr int LevelMax = 7;
constexpr int DegreeMax = 360;
constexpr int NucleonSlotCount = 107;
constexpr int ElectronMax = 118;
constexpr int SpriteSize = 8;
constexpr int AtomPictureSize = 400;

struct ShellLevel
{
    qint16 ElectronCount = 0;
    Colour LevelColor = 0;
    qint16 FirstElectron = 1;
    qint16 LastElectron = 0;
    qint16 EllipseRadius = 0;
    qint16 CircleRadius = 0;
    qint16 EllipsePhase = 0;
    qint16 CirclePhase = 0;
};

// Levels 1 to 7 (K to Q shells), innermost first; slot 0 unused.
using ShellTable = std::array<ShellLevel, LevelMax + 1>;

struct AtomPoint
{
    qint16 x = 0;
    qint16 y = 0;
    friend bool operator==(const AtomPoint &, const AtomPoint &) = default;
};

// The pixel of every whole degree on every level's path, for the current layout.
struct ElectronPath
{
    std::array<std::array<AtomPoint, DegreeMax + 1>, LevelMax + 1> points{};
    const AtomPoint &at(int level, int degree) const { return points[level][degree]; }
};

// Top-left corners of the 8 x 8 nucleon sprites; slot 107 is the centre.
using NucleonSlots = std::array<AtomPoint, NucleonSlotCount + 1>;

// What the animation's fast path knows about the picture its last call left;
// see animation.h. The vectors are reused from call to call.
struct AnimationCache
{
    const void *atom = nullptr;
    const void *save = nullptr;
    qint64 atomKey = 0;
    qint64 saveKey = 0;
    // Top-left corners of the sprites last drawn for the levels standing still,
    // and of the blocks drawn for the moving level. Outside these 8 x 8 blocks
    // pbAtom equals pbSave.
    std::vector<AtomPoint> others;
    std::vector<AtomPoint> moved;
    // Scratch space of one call.
    std::vector<AtomPoint> nextOthers, nextMoved, erased, blocks;
    std::vector<quint8> keep;
    std::vector<int> gridNext;
};

struct AtomModel
{
    AtomModel();

    ShellTable shells;
    ElectronPath paths;
    NucleonSlots nucleons{};
    bool elliptic = true;
    qint16 AtomLevels = 0;
    qint16 ElectronTotal = 0;
    std::array<qint16, ElectronMax + 1> ElectronAngles{};
    AnimationCache cache;
};

// Fills the fixed level columns (colours, radii, phases); counts become 0 and
// every level an empty electron range.
void InitShellTable(ShellTable &shells);

// The 107 nucleon positions: the centre slot and six rings, outermost ring in
// the lowest slot numbers.
void SetNData(NucleonSlots &table);

// Fills every level's path for the elliptic (true) or circular (false) layout.
void SetupAtom(AtomModel &model, bool elliptic);

// One path point: x = c - r sin(-d), y = c - r sin(d + phase), rounded half to even.
AtomPoint pathPoint(int radius, int phase, int degree);

enum class Nucleon : quint8 { Proton, Neutron };

struct NucleonPlacement
{
    qint16 slot = 0;
    Nucleon kind = Nucleon::Proton;
    friend bool operator==(const NucleonPlacement &, const NucleonPlacement &) = default;
};

// Which slot shows a proton or a neutron, in drawing order: protons and
// neutrons alternate from the outermost used slot inward, starting with a
// proton, surplus nucleons filling the rest; at most 107 are shown.
std::vector<NucleonPlacement> nucleusFill(int protons, int neutrons);

// Numbers the electrons of levels 1 to AtomLevels (FirstElectron,
// LastElectron, ElectronTotal) and spreads each level's electrons round its
// path from degree 1.
void spreadElectrons(AtomModel &model);
