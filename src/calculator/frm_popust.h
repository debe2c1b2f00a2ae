// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/form.h"

namespace tarvel::calculator {

class Calculator;
class FrmGl;

// The discount dialog: lowers a fee that deviations raised, never below the base maximum.
class FrmPopust : public forms::Form {
public:
    explicit FrmPopust(Calculator& calculator);

    void Form_Load() override;

    void txtPopust_Change();
    void cmdIzlaz_Click();

    forms::Control *txtPopust, *lblCmax, *lblMax, *Label2, *lbl3, *lbl1, *lbl2, *cmdIzlaz;

private:
    // The maximum total after the discount, and the refusal when it falls below the base
    // maximum.
    void CheckDiscount();

    Calculator& calc_;
};

// The toolbar command "Odstupminus": opens the discount dialog.
void OdstupminusCommand(FrmGl& frm);

} // namespace tarvel::calculator
