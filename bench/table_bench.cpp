#include "creatept.h"
#include "elementdata.h"
#include "hittest.h"
#include "tableartwork.h"
#include "views.h"

#include <benchmark/benchmark.h>

namespace {

const ElementData &shippedData()
{
    static const ElementData data = [] {
        ElementData d;
        LoadElementTable(QStringLiteral(ZELVANE_EDB_PATH), d);
        return d;
    }();
    return data;
}

} // namespace

// Drawing the whole table on screen, as start-up does, at a screen scale of
// range(0) / 100 (the artwork drawn once beforehand, as the window keeps it).
static void BM_CreatePT(benchmark::State &state)
{
    const ElementData &data = shippedData();
    if (data.ElementCount == 0) {
        state.SkipWithError("the data file did not load");
        return;
    }
    const double scale = state.range(0) / 100.0;
    const TableArtwork &art = tableArtwork(scale);
    Surface pb(239, 231, 0xDCCCAB, scale);
    CellRects rects{};
    for (auto _ : state) {
        pb.setFontSize(8.25);
        pb.setForeColor(ColourBlack);
        const PTLayout layout = CreatePT(pb, 0, data, art, rects);
        benchmark::DoNotOptimize(layout);
        benchmark::DoNotOptimize(pb.image().constBits());
    }
}
BENCHMARK(BM_CreatePT)->Arg(100)->Arg(150)->Arg(200)->Unit(benchmark::kMillisecond);

// Dragging the temperature slider: the table drawn again in the state view at
// another temperature each time (so that cells change state), at a screen
// scale of range(0) / 100. Targets: 8 ms at 1x and 16 ms at 2x, so that the
// table follows the pointer at 60 frames a second.
static void BM_StateSlider(benchmark::State &state)
{
    const ElementData &data = shippedData();
    if (data.ElementCount == 0) {
        state.SkipWithError("the data file did not load");
        return;
    }
    const double scale = state.range(0) / 100.0;
    const TableArtwork &art = tableArtwork(scale);
    Surface pb = tablePictureDesign(scale);
    CellRects rects{};
    TableView view{findTableView(QStringLiteral("state"))};
    int step = 0;
    for (auto _ : state) {
        view.kelvin = 200 + (step++ % 40) * 20; // 200 K to 980 K and round again
        pb.setFontSize(8.25);
        pb.setForeColor(ColourBlack);
        const PTLayout layout = CreatePT(pb, 0, data, art, rects, {0, 37}, view);
        benchmark::DoNotOptimize(layout);
        benchmark::DoNotOptimize(pb.image().constBits());
    }
}
BENCHMARK(BM_StateSlider)->Arg(100)->Arg(150)->Arg(200)->Unit(benchmark::kMillisecond);

// One pointer move over the table: rounding, look-up and outline. The point
// lies in the last cell of the scan so the whole table is looked through.
static void BM_PointerMove(benchmark::State &state)
{
    const ElementData &data = shippedData();
    const TableArtwork &art = tableArtwork();
    Surface pb(239, 231, 0xDCCCAB);
    CellRects rects{};
    const QSize ptselSize = CreatePT(pb, 0, data, art, rects).ptselSize;
    const CellRect &last = rects[data.ElementCount];
    double x = last.Left + 10.0;
    const double y = last.Top + 10.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        const HoverResult hover = pbMouseMove(rects, data.ElementCount, ptselSize, x, y);
        benchmark::DoNotOptimize(hover);
    }
}
BENCHMARK(BM_PointerMove)->Unit(benchmark::kMicrosecond);
