// Main of the benchmarks that draw or open windows: they run inside one Qt application
// (QGuiApplication or QApplication), on the offscreen platform when there is no display.
#pragma once

#include <benchmark/benchmark.h>

#include <QtGlobal>

template <class Application>
int RunBenchmarksInside(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
