#include "animation.h"
#include "atomdraw.h"
#include "elementdata.h"

#include <benchmark/benchmark.h>

namespace {

// The shipped record of element z, or, without the data file, a record with
// the level counts of H, Fe, U and Og.
ElementRecord benchRecord(int z)
{
    static const ElementData data = [] {
        ElementData d;
        LoadElementTable(QStringLiteral(ZELVANE_EDB_PATH), d);
        return d;
    }();
    if (z <= data.ElementCount && data.ElementTable[z].AtomicNumber == z)
        return data.ElementTable[z];

    ElementRecord r;
    r.AtomicNumber = qint16(z);
    std::vector<int> levels;
    switch (z) {
    case 1:
        levels = {1};
        r.Neutrons = 0;
        break;
    case 26:
        levels = {2, 8, 14, 2};
        r.Neutrons = 30;
        break;
    case 92:
        levels = {2, 8, 18, 32, 21, 9, 2};
        r.Neutrons = 146;
        break;
    default:
        levels = {2, 8, 18, 32, 32, 18, 8};
        r.Neutrons = 176;
        break;
    }
    r.LevelCount = qint16(levels.size());
    for (size_t i = 0; i < levels.size(); ++i)
        r.LevelElectrons[i + 1] = qint16(levels[i]);
    return r;
}

struct AtomView
{
    explicit AtomView(double scale = 1.0) : scale(scale) {}
    double scale;
    AtomModel model;
    Surface pbAtom{AtomPictureSize, AtomPictureSize, ColourBlack, scale};
    Surface pbSave{AtomPictureSize, AtomPictureSize, ColourBlack, scale};
    Surface pbHold{AtomPictureSize, AtomPictureSize, ColourBlack, scale};
};

} // namespace

// One tmElectron tick of a displayed atom: seven MoveRing calls, for element
// range(0) at a screen scale of range(1) / 100.
static void BM_ElectronTick(benchmark::State &state)
{
    const ElementRecord record = benchRecord(int(state.range(0)));
    AtomView v(state.range(1) / 100.0);
    const AtomSprites &sprites = atomSprites(v.scale);
    AtomOptions o;
    o.animate = true;
    displayAtom(v.model, v.pbAtom, v.pbSave, v.pbHold, sprites, record, o, false, 60);
    for (auto _ : state)
        benchmark::DoNotOptimize(tmElectronTick(v.model, v.pbAtom, v.pbSave, v.pbHold, sprites));
    state.SetLabel(record.Symbol.trimmed().toStdString());
}
BENCHMARK(BM_ElectronTick)
    ->Args({1, 100})
    ->Args({26, 100})
    ->Args({92, 100})
    ->Args({118, 100})
    ->Args({118, 150})
    ->Args({118, 200})
    ->Unit(benchmark::kMicrosecond);

// The atom part of a display: legend, nucleus, paths and the saved background.
static void BM_AtomBackground(benchmark::State &state)
{
    const ElementRecord record = benchRecord(int(state.range(0)));
    AtomView v;
    const AtomOptions o;
    for (auto _ : state) {
        prepareLevels(v.model, record, o);
        drawAtomBackground(v.pbAtom, v.pbSave, v.model, atomSprites(), record.AtomicNumber,
                           record.Neutrons, o, false);
        benchmark::DoNotOptimize(v.pbSave.image().constBits());
    }
    state.SetLabel(record.Symbol.trimmed().toStdString());
}
BENCHMARK(BM_AtomBackground)->Arg(1)->Arg(92)->Arg(118)->Unit(benchmark::kMicrosecond);
