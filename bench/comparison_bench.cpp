// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of the comparison window, architecture at 370 000 kn in category II (should stay
// within a frame, 16 ms):
//   - the window model filled: the tariff's limits found, every category priced at the value,
//     the phases, and the chart's band of 160 points;
//   - the same with the window built from its .ui, bound, shown and painted offscreen, as the
//     toolbar command opens it the first time;
//   - a variant typed into the open window: the figures, the chart and the repaint.
// Run: QT_QPA_PLATFORM=offscreen build/bin/tarvel-comparison-bench
#include <QApplication>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

#include "calculator/calculator.h"
#include "calculator/catalogue.h"
#include "calculator/frm_gl.h"
#include "comparison/frm_usporedba.h"
#include "program/program.h"
#include "system/memory_settings_store.h"
#include "ui/calculator_windows.h"
#include "ui/qt_platform.h"
#include "ui/windows.h"

namespace {

using namespace tarvel;

// The calculator with its windows, the main window priced as above.
struct Program {
    explicit Program(const std::string& directory)
        : platform(std::make_unique<system::MemorySettingsStore>(), directory),
          calculator(platform), windows(calculator) {
        ui::registerCalculatorWindows(windows);
        platform.setWindows(&windows);
        calculator.start();
        windows.sync();
        windows.dispatch([&] {
            calculator::FrmGl& gl = calculator.frmGl();
            gl.ApplyEntry(*calculator::findEntry("mnuAvisoko"));
            gl.txtInvest->setText("370000");
            gl.optK[2]->setValue(1);
        });
    }
    // The comparison loaded and filled, shown modelessly so that the benchmark keeps running.
    comparison::FrmUsporedba& open() {
        auto& frm = static_cast<comparison::FrmUsporedba&>(calculator.load("frmUsporedba"));
        windows.dispatch([&] {
            frm.Setup(*comparison::readMainWindow(calculator.frmGl()), 370000);
            frm.show();
        });
        return frm;
    }
    void close() {
        windows.dispatch([&] { calculator.unload("frmUsporedba"); });
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    ui::QtPlatform platform;
    program::Program calculator;
    ui::Windows windows;
};

void ComparisonModelFilled(benchmark::State& state) {
    QTemporaryDir directory;
    Program program(directory.path().toStdString());
    const comparison::ServiceInputs inputs =
        *comparison::readMainWindow(program.calculator.frmGl());
    auto& frm = static_cast<comparison::FrmUsporedba&>(program.calculator.load("frmUsporedba"));
    for (auto _ : state) {
        frm.Setup(inputs, 370000);
        benchmark::DoNotOptimize(frm.chart().band.data());
    }
}
BENCHMARK(ComparisonModelFilled)->Unit(benchmark::kMillisecond);

void ComparisonWindowShown(benchmark::State& state) {
    QTemporaryDir directory;
    Program program(directory.path().toStdString());
    for (auto _ : state) {
        program.open();
        QWidget* window = program.windows.window("frmUsporedba");
        if (!window || !QTest::qWaitForWindowExposed(window)) {
            state.SkipWithError("the window was not shown");
            break;
        }
        QCoreApplication::processEvents();
        state.PauseTiming();
        program.close();
        state.ResumeTiming();
    }
}
BENCHMARK(ComparisonWindowShown)->Unit(benchmark::kMillisecond);

void ComparisonVariantTyped(benchmark::State& state) {
    QTemporaryDir directory;
    Program program(directory.path().toStdString());
    comparison::FrmUsporedba& frm = program.open();
    QWidget* window = program.windows.window("frmUsporedba");
    if (!window || !QTest::qWaitForWindowExposed(window)) {
        state.SkipWithError("the window was not shown");
        return;
    }
    const char* variants[] = {"740000", "1480000"};
    int k = 0;
    for (auto _ : state) {
        program.windows.dispatch([&] { frm.userPaste(*frm.txtVarijanta, variants[k]); });
        QCoreApplication::processEvents();
        k = 1 - k;
    }
    program.close();
}
BENCHMARK(ComparisonVariantTyped)->Unit(benchmark::kMillisecond);

} // namespace
