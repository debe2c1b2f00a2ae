#pragma once

namespace tarvel::calculator {
class FrmGl;
}

namespace tarvel::estimator {

// Runs the main window's toolbar commands "Vrijednost" (the estimator) and "Ispis" (the print
// dialog) ahead of its other commands.
void installEstimatorAndPrintCommands(calculator::FrmGl& frm);

} // namespace tarvel::estimator
