// SPDX-License-Identifier: GPL-3.0-or-later
// The complexity categories optK1 .. optK5.
#include "calculator/calculator.h"
#include "calculator/frm_gl.h"

namespace tarvel::calculator {

void FrmGl::CategoryChosen() {
    SharedState& s = state();
    txtDodaj->setText("0");
    txtPopust->setText("0");
    tlb1->setEnabled("Odstupminus", false);
    s.NapomenaOdabir = "";
    ClearDeviations();
    ClearChosenPrices();
    cmdCijena->press();
}

void FrmGl::FocusChosenCategory() {
    for (int k = 1; k <= 5; ++k) {
        if (optK[k]->value())
            setFocus(*optK[k]);
    }
}

} // namespace tarvel::calculator
