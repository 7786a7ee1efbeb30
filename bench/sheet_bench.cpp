#include "datasheet.h"
#include "elementdata.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

struct SheetBenchSetup
{
    ElementData data;
    ClassificationNames names;
    std::array<Surface, 4> ptst;
    std::array<Surface, 4> ptstM;
    Surface pbData{339, 479, 0xE0E0E0};
    bool loaded = false;

    SheetBenchSetup()
    {
        InitClassificationNames(names);
        loaded = LoadElementTable(QStringLiteral(ZELVANE_EDB_PATH), data).isEmpty();
        for (int s = 0; s < 4; ++s) {
            ptstM[s] = Surface(16, 16, ColourWhite);
            ptstM[s].filledBox(0, 0, 9, 9, ColourBlack);
            ptst[s] = Surface(16, 16, ColourBlack);
            ptst[s].filledBox(2, 2, 7, 7, ColourRed);
        }
        pbData.setFontName(QStringLiteral("Arial"));
        pbData.setFontSize(9.75);
        pbData.setFontBold(true);
    }
};

// The sheet half of the element display on screen, for one element.
void BM_WriteScreenSheet(benchmark::State &state)
{
    static SheetBenchSetup setup;
    const qint16 n = qint16(state.range(0));
    if (!setup.loaded || n > setup.data.ElementCount) {
        state.SkipWithError("shipped element data not available");
        return;
    }
    const StateSprites states{setup.ptst, setup.ptstM};
    for (auto _ : state) {
        writeScreenSheet(setup.pbData, setup.data, n, setup.names, states);
        benchmark::DoNotOptimize(setup.pbData.image().constBits());
    }
}

} // namespace

// Hydrogen, iron, uranium and oganesson.
BENCHMARK(BM_WriteScreenSheet)->Arg(1)->Arg(26)->Arg(92)->Arg(118)->Unit(benchmark::kMillisecond);
