// SPDX-License-Identifier: GPL-3.0-or-later
// The main function of the benchmarks that need a running Qt application (offscreen), with
// the settings and data folders of Qt's test mode, so that no run touches the user's own.
#include <QApplication>
#include <QStandardPaths>
#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
