// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <benchmark/benchmark.h>

// The entry of a benchmark of windows: Qt offscreen, unless
// SCRIVOLTA_BENCH_QPA names another platform (xcb, to measure with a
// screen reader's bus), then the benchmarks.
inline int eseguiBenchmarkQt(int argc, char** argv) {
    const QByteArray piattaforma = qgetenv("SCRIVOLTA_BENCH_QPA");
    qputenv("QT_QPA_PLATFORM", piattaforma.isEmpty() ? QByteArray("offscreen") : piattaforma);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
