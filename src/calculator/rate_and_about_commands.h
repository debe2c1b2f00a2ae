#pragma once

namespace tarvel::calculator {

class FrmGl;

// Opens the small dialogs from the main window: the toolbar's "Kurs" the exchange-rate dialog,
// the help menu's "Stopa poreza" the tax-rate dialog and "O programu" the about box, each
// modally over the main window.
void installRateAndAboutCommands(FrmGl& frm);

} // namespace tarvel::calculator
