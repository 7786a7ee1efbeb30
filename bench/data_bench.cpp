#include "elementdata.h"

#include <QFile>

#include <benchmark/benchmark.h>

// Loading the shipped data file, as start-up does.
static void BM_LoadElementTable(benchmark::State &state)
{
    ElementData data;
    for (auto _ : state) {
        const QString error = LoadElementTable(QStringLiteral(ZELVANE_EDB_PATH), data);
        benchmark::DoNotOptimize(error);
        benchmark::DoNotOptimize(data.ElementCount);
    }
}
BENCHMARK(BM_LoadElementTable)->Unit(benchmark::kMicrosecond);
