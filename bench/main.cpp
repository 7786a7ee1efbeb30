#include "headless.h"
#include "screenscaling.h"

#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char **argv)
{
    prepareHeadlessRun();
    QApplication app(argc, argv);
    usePixelSizedAppFont();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
