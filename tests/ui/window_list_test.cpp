// SPDX-License-Identifier: GPL-3.0-or-later
// The program lists its windows once: the Qt layer shows every window the program registers,
// and a window the program has but the Qt layer cannot build is found at start.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "calculator/frm_about.h"
#include "program/program.h"
#include "test_platform.h"
#include "ui/calculator_windows.h"
#include "ui/windows.h"

namespace tarvel::ui {
namespace {

TEST(WindowList, AWindowWithoutWidgetsIsFoundAtStart) {
    QTemporaryDir directory;
    TestPlatform platform(directory.path().toStdString());
    program::Program calculator(platform);
    calculator.registerForm("frmNovi", [&calculator](forms::Application&) {
        return std::make_unique<calculator::FrmAbout>(calculator);
    });
    Windows windows(calculator);
    try {
        registerCalculatorWindows(windows);
        FAIL() << "a window without widgets was registered";
    } catch (const std::logic_error& e) {
        EXPECT_STREQ(e.what(), "the window frmNovi has no widgets");
    }
}

} // namespace
} // namespace tarvel::ui
