// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of the real main window, offscreen:
//   - start-up to the first shown window, next to an empty QMainWindow shown the same way
//     and to one that shows a single label (the first text costs the font set-up): a whole
//     process each time (this program started again as a child), and within one process
//     (what the calculator adds to Qt's own start);
//   - one category click with the computation and the refresh of every widget.
// Run: QT_QPA_PLATFORM=offscreen build/bin/tarvel-bench
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

#include "calculator/calculator.h"
#include "calculator/frm_gl.h"
#include "program/program.h"
#include "system/memory_settings_store.h"
#include "ui/calculator_windows.h"
#include "ui/qt_platform.h"
#include "ui/windows.h"

namespace {

using namespace tarvel;

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
    QWidget& window() const { return *windows.window("frmGl"); }

    ui::QtPlatform platform;
    program::Program calculator;
    ui::Windows windows;
};

void EmptyMainWindowShown(benchmark::State& state) {
    for (auto _ : state) {
        QMainWindow window;
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            state.SkipWithError("the window was not exposed");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
BENCHMARK(EmptyMainWindowShown)->Unit(benchmark::kMillisecond);

void CalculatorShown(benchmark::State& state) {
    QTemporaryDir directory;
    for (auto _ : state) {
        Program program(directory.path().toStdString());
        if (!QTest::qWaitForWindowExposed(&program.window()))
            state.SkipWithError("the window was not exposed");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
BENCHMARK(CalculatorShown)->Unit(benchmark::kMillisecond);

// A child process that starts, shows its first window and ends.
int runChild(const std::string& what, int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir directory;
    if (what == "empty" || what == "label") {
        QMainWindow window;
        if (what == "label")
            window.setCentralWidget(new QLabel(QStringLiteral("Proračunska vrijednost")));
        window.show();
        return QTest::qWaitForWindowExposed(&window) ? 0 : 1;
    }
    Program program(directory.path().toStdString());
    return QTest::qWaitForWindowExposed(&program.window()) ? 0 : 1;
}

void startProcess(benchmark::State& state, const char* what) {
    for (auto _ : state) {
        if (QProcess::execute(QCoreApplication::applicationFilePath(),
                              {QStringLiteral("--child"), QString::fromLatin1(what)}) != 0)
            state.SkipWithError("the child did not show its window");
    }
}

void EmptyMainWindowProcess(benchmark::State& state) {
    startProcess(state, "empty");
}
BENCHMARK(EmptyMainWindowProcess)->Unit(benchmark::kMillisecond)->Iterations(20);

void LabelMainWindowProcess(benchmark::State& state) {
    startProcess(state, "label");
}
BENCHMARK(LabelMainWindowProcess)->Unit(benchmark::kMillisecond)->Iterations(20);

void CalculatorProcess(benchmark::State& state) {
    startProcess(state, "calculator");
}
BENCHMARK(CalculatorProcess)->Unit(benchmark::kMillisecond)->Iterations(20);

void CategoryClickWithRefresh(benchmark::State& state) {
    QTemporaryDir directory;
    Program program(directory.path().toStdString());
    QWidget& window = program.window();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        state.SkipWithError("the window did not become active");
        return;
    }
    program.windows.dispatch([&] {
        auto& form = program.calculator.frmGl();
        form.userClick(*form.find("mnuAvisoko"));
    });
    QTest::keyClicks(window.findChild<QLineEdit*>(QStringLiteral("txtInvest")),
                     QStringLiteral("1500000"));
    QWidget* categories[] = {window.findChild<QWidget*>(QStringLiteral("optK2")),
                             window.findChild<QWidget*>(QStringLiteral("optK3"))};
    int k = 0;
    for (auto _ : state) {
        QTest::mouseClick(categories[k], Qt::LeftButton);
        k = 1 - k;
    }
}
BENCHMARK(CategoryClickWithRefresh)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QStandardPaths::setTestModeEnabled(true);
    if (argc == 3 && std::string(argv[1]) == "--child")
        return runChild(argv[2], argc, argv);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
