// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <benchmark/benchmark.h>

// The entry of a benchmark of windows: Qt offscreen, then the benchmarks.
inline int eseguiBenchmarkQt(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
