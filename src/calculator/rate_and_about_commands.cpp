// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/rate_and_about_commands.h"

#include <string>

#include "calculator/calculator.h"
#include "calculator/frm_gl.h"

namespace tarvel::calculator {

void installRateAndAboutCommands(FrmGl& frm) {
    Calculator& calc = frm.calculator();
    frm.find("mnuPStopa")->onClick = [&calc] {
        calc.load("frmStopa").showModal();
    };
    frm.find("mnuPoprog")->onClick = [&calc] {
        calc.load("frmAbout").showModal();
    };
}

} // namespace tarvel::calculator
