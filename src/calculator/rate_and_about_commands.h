// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tarvel::calculator {

class FrmGl;

// Opens the small dialogs from the help menu of the main window:
// "Stopa poreza" the tax-rate dialog and "O programu" the about box, each
// modally over the main window.
void installRateAndAboutCommands(FrmGl& frm);

} // namespace tarvel::calculator
