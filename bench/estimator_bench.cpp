// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of an estimate of the budget value (family houses, middle level, the area changing
// between 150 and 151 m²):
//   - the cost model's computation alone, from the texts of the boxes to the texts of the
//     results;
//   - a click on "Okvirni troškovi" in the real estimator window, offscreen: the computation, the
//     report figures it keeps, every widget of the window brought up to date and painted;
//     and the parts of it: the window model alone, and with the widgets updated.
// Both should stay well under 2 ms.
// Run: QT_QPA_PLATFORM=offscreen build/bin/tarvel-estimator-bench
#include <QAbstractButton>
#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

#include "calculator/calculator.h"
#include "estimator/building_types.h"
#include "estimator/cost_model.h"
#include "estimator/frm_vrijednost.h"
#include "program/program.h"
#include "system/memory_settings_store.h"
#include "ui/binder.h"
#include "ui/calculator_windows.h"
#include "ui/qt_platform.h"
#include "ui/windows.h"

namespace {

using namespace tarvel;

constexpr int kFamilyHouses = 6;
const char* const kAreas[] = {"150", "151"};

void EstimateComputed(benchmark::State& state) {
    const estimator::BuildingType& type = estimator::buildingTypes()[kFamilyHouses];
    estimator::EstimateInput in;
    in.cost = "2.738";
    for (size_t i = 0; i < in.constructionShares.size(); ++i)
        in.constructionShares[i] = estimator::shareText(type.construction[i]);
    for (size_t i = 0; i < in.installationShares.size(); ++i)
        in.installationShares[i] = estimator::shareText(type.installations[i]);
    int k = 0;
    for (auto _ : state) {
        in.area = kAreas[k];
        k = 1 - k;
        const estimator::EstimateOutcome out = estimator::computeEstimate(in);
        if (out.stop) {
            state.SkipWithError("the estimate was refused");
            break;
        }
        benchmark::DoNotOptimize(out.estimate.wholeValue.data());
    }
}
BENCHMARK(EstimateComputed)->Unit(benchmark::kMicrosecond);

// The calculator with its windows, as the program starts it.
struct Program {
    explicit Program(const std::string& directory)
        : platform(std::make_unique<system::MemorySettingsStore>(), directory),
          calculator(platform), windows(calculator) {
        ui::registerCalculatorWindows(windows);
        platform.setWindows(&windows);
        calculator.start();
        windows.sync();
    }

    ui::QtPlatform platform;
    program::Program calculator;
    ui::Windows windows;
};

// The estimator shown with family houses at the middle level.
struct Estimator : Program {
    explicit Estimator(const std::string& directory)
        : Program(directory),
          frm(static_cast<estimator::FrmVrijednost&>(calculator.load("frmVrijednost"))) {
        windows.dispatch([&] {
            frm.show();
            frm.tab[kFamilyHouses]->onClick();
            frm.opt1[1]->setValue(1);
        });
    }
    ~Estimator() {
        windows.dispatch([&] { frm.hide(); });
    }
    bool shown() const {
        QWidget* window = windows.window("frmVrijednost");
        return window && QTest::qWaitForWindowExposed(window);
    }
    // A new area, as typed: the results go and "Okvirni troškovi" is enabled again; the
    // window is painted.
    void newArea(const char* area) {
        windows.dispatch([&] {
            frm.txtM2->setText(area);
            frm.ClearResults();
            frm.cmdReza->setEnabled(true);
        });
        QCoreApplication::processEvents();
    }

    estimator::FrmVrijednost& frm;
};

// The whole click: the mouse events, the computation, the widgets brought up to date and the
// window painted.
void EstimateClickWithRefresh(benchmark::State& state) {
    QTemporaryDir directory;
    Estimator program(directory.path().toStdString());
    auto* reza = qobject_cast<QAbstractButton*>(
        program.windows.binder("frmVrijednost")->widgetFor("cmdReza"));
    if (!reza || !program.shown()) {
        state.SkipWithError("the estimator was not shown");
        return;
    }
    int k = 0;
    for (auto _ : state) {
        state.PauseTiming();
        program.newArea(kAreas[k]);
        k = 1 - k;
        state.ResumeTiming();
        QTest::mouseClick(reza, Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    if (program.frm.txtReza->text().empty())
        state.SkipWithError("no estimate was shown");
}
BENCHMARK(EstimateClickWithRefresh)->Unit(benchmark::kMicrosecond);

// The parts of the click: the window model's computation alone (0), and with the widgets
// brought up to date but not yet painted (1).
void EstimateInWindowModel(benchmark::State& state) {
    QTemporaryDir directory;
    Estimator program(directory.path().toStdString());
    if (!program.shown()) {
        state.SkipWithError("the estimator was not shown");
        return;
    }
    const bool sync = state.range(0) != 0;
    int k = 0;
    for (auto _ : state) {
        state.PauseTiming();
        program.newArea(kAreas[k]);
        k = 1 - k;
        state.ResumeTiming();
        if (sync)
            program.windows.dispatch([&] { program.frm.cmdReza->onClick(); });
        else
            program.frm.cmdReza->onClick();
    }
    if (program.frm.txtReza->text().empty())
        state.SkipWithError("no estimate was shown");
}
BENCHMARK(EstimateInWindowModel)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
