#pragma once

// main() of a benchmark that builds windows: the offscreen platform unless
// one is asked for, the fonts mapped, then Google Benchmark over the rest.

#include "Fonts.h"

#include <QApplication>

#include <benchmark/benchmark.h>

inline int runWithWindows(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
