// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculator/calculator.h"
#include "calculator/frm_gl.h"
#include <utility>

namespace tarvel::calculator {

// Runs a handler of a dialog as the main window runs its own: a text that cannot be read as
// a number is reported by ShowBadValue, an arithmetic failure ends the handler silently with
// what was already written left as it is.
template <typename F> void runGuarded(Calculator& calc, F&& handler) {
    calc.frmGl().guarded(std::forward<F>(handler));
}

} // namespace tarvel::calculator
