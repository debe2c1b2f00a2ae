// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/calculator.h"

#include "calculator/frm_gl.h"
#include "calculator/help.h"
#include "calculator/rate_and_about_commands.h"

namespace tarvel::calculator {

Calculator::Calculator(forms::Platform& platform) : forms::Application(platform) {}

void Calculator::start() {
    load("frmGl").show();
    // The help menu and the function keys; the tax-rate and about items of the help menu.
    installHelpHandlers(frmGl());
    installRateAndAboutCommands(frmGl());
}

FrmGl& Calculator::frmGl() {
    return static_cast<FrmGl&>(load("frmGl"));
}

} // namespace tarvel::calculator
