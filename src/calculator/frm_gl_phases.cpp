// SPDX-License-Identifier: GPL-3.0-or-later
// The phases and the chosen price: the phase ticks chkF1 .. chkF8, the phase fees lblFc1 ..
// lblFc8 (minimum) and lblFc1m .. lblFc8m (maximum), the totals lblSumamin and lblSumamax and
// the chosen total lblOdabir.
#include "calculator/calculator.h"
#include "calculator/frm_gl.h"
#include "forms/number_text.h"

namespace tarvel::calculator {

using forms::fmt;
using forms::kMoney;
using forms::num;

bool FrmGl::TotalsOnShow() const {
    return lblSumamax->visible();
}

void FrmGl::SumChosenPrices() {
    double total = 0;
    for (int i = 1; i <= 8; ++i)
        total += num(lblC[i]->caption());
    lblOdabir->setCaption(fmt(total, kMoney));
}

void FrmGl::chkF_Click(int phase) {
    bool* excluded = state().exclusion(phase);
    if (chkF[phase]->value() == 0) {
        lblFc[phase]->setCaption("0");
        lblFcm[phase]->setCaption("0");
        lblC[phase]->setCaption("0");
        if (excluded)
            *excluded = true;
    } else {
        if (num(lblCmin->caption()) == 0)
            return;
        // A phase ticked again is priced again, but nothing is chosen for it yet.
        if (TotalsOnShow()) {
            PhasePrice(phase, false);
            PhasePrice(phase, true);
        }
        lblC[phase]->setCaption("0");
        if (excluded)
            *excluded = false;
    }
    // The sums only mean something while computed totals are on show: a service's set-up
    // unticks remembered phases before anything is computed.
    if (!TotalsOnShow())
        return;
    SumPhaseFees();
    SumChosenPrices();
}

// The phase's fee recomputed from the base fee and taken as its chosen price.
void FrmGl::PhasePrice(int phase, bool maximum) {
    forms::Control* base = maximum ? lblCmax : lblCmin;
    forms::Control* fee = maximum ? lblFcm[phase] : lblFc[phase];
    const double d = num(txtDodaj->text());
    const double p = num(txtPopust->text());
    const double amount = num(base->caption()) * chkF[phase]->value() * (1 + d / 100) *
                          (1 - p / 100) * num(lblF[phase]->caption()) / 100;
    fee->setCaption(fmt(amount, kMoney));
    SumPhaseFees();
    lblC[phase]->setCaption(fee->caption());
    SumChosenPrices();
}

void FrmGl::lblFc_DblClick(int phase) {
    PhasePrice(phase, false);
}

void FrmGl::lblFcm_DblClick(int phase) {
    PhasePrice(phase, true);
}

void FrmGl::lblSumamin_DblClick() {
    if (fraKat->visible()) {
        ComputePhaseFees();
        SumPhaseFees();
        for (int i = 1; i <= 8; ++i)
            lblC[i]->setCaption(lblFc[i]->caption());
        lblOdabir->setCaption(lblSumamin->caption());
    }
    TotalsTail();
}

void FrmGl::lblSumamax_DblClick() {
    if (fraKat->visible()) {
        ComputePhaseFees();
        SumPhaseFees();
        for (int i = 1; i <= 8; ++i)
            lblC[i]->setCaption(lblFcm[i]->caption());
        lblOdabir->setCaption(lblSumamax->caption());
    } else {
        // Plans and supervision: the whole maximum, whatever the phases.
        const double d = num(txtDodaj->text());
        const double p = num(txtPopust->text());
        lblSumamax->setCaption(
            fmt(num(lblCmax->caption()) * (1 + d / 100) * (1 - p / 100), kMoney));
        lblOdabir->setCaption(lblSumamax->caption());
    }
    TotalsTail();
}

// What taking a total always does: the offer may take it, and the record says which general
// discount or addition it includes.
void FrmGl::TotalsTail() {
    SharedState& s = state();
    if (s.VrijednostGradjevine != 0)
        tlb1->setEnabled("Ponuda", true);
    s.NapomenaUkupno = "";
    s.PreuzmiVrijednost = false;
    if (num(txtPopust->text()) != 0)
        s.NapomenaUkupno = "Opći popust " + txtPopust->text() + " % ";
    else if (num(txtDodaj->text()) != 0 && s.TekstOdstupanja.empty())
        s.NapomenaUkupno = "Opći dodatak " + txtDodaj->text() + " % ";
}

void FrmGl::lblOdabir_DblClick() {
    if (!fraFaze->visible())
        return;
    if (fraKat->visible())
        FocusChosenCategory();
    else
        setFocus(*txtKurs);
    calculator().load("frmCijena").showModal();
}

void FrmGl::lblOdabir_Change() {
    tlb1->setEnabled("Pohrani", true);
}

} // namespace tarvel::calculator
