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

// Decoding alone, from bytes already in memory.
static void BM_DecodeElementTable(benchmark::State &state)
{
    QFile file(QStringLiteral(ZELVANE_EDB_PATH));
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    ElementData data;
    for (auto _ : state) {
        const QString error = LoadElementTableFrom(bytes, QStringLiteral("elementDat.edb"), data);
        benchmark::DoNotOptimize(error);
    }
}
BENCHMARK(BM_DecodeElementTable)->Unit(benchmark::kMicrosecond);
