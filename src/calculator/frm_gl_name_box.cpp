// SPDX-License-Identifier: GPL-3.0-or-later
// The building name box txtNaziv.
#include "calculator/calculator.h"
#include "calculator/frm_gl.h"

namespace tarvel::calculator {

void FrmGl::txtNaziv_GotFocus() {
    txtNaziv->selectAll();
}

void FrmGl::txtNaziv_LostFocus() {
    if (txtNaziv->text().empty())
        txtNaziv->setText("NAZIV GRAĐEVINE");
}

} // namespace tarvel::calculator
