// SPDX-License-Identifier: GPL-3.0-or-later
// The general discount txtPopust and the general addition txtDodaj: at most one of them is in
// force, neither while a desired price is, and each has its limit.
#include "calculator/calculator.h"
#include "calculator/frm_gl.h"
#include "calculator/key_filters.h"
#include "forms/message_titles.h"
#include "forms/number_text.h"

namespace tarvel::calculator {

using forms::MsgButtons;
using forms::MsgIcon;
using forms::num;

namespace {
constexpr double kDiscountLimit = 50;
constexpr double kAdditionLimit = 250;
} // namespace

void FrmGl::AdjustmentGotFocus(forms::Control& box, forms::Control& other, const char* refusal) {
    SharedState& s = state();
    if (!s.NapomenaOdabir.empty()) {
        platform().messageBox(MsgIcon::Critical, MsgButtons::Ok, forms::titles::kCannot, refusal);
        box.setReadOnly(true);
        FocusChosenCategory();
        return;
    }
    other.setText("0");
    s.TekstOdstupanja = "";
    s.NapomenaOdabir = "";
    box.selectAll();
    ClearChosenPrices();
}

void FrmGl::ReapplyTotals() {
    ComputePhaseFees();
    SumPhaseFees();
}

void FrmGl::AdjustmentChange(forms::Control& box, double limit) {
    SharedState& s = state();
    try {
        if (box.text().empty()) {
            // The "0" that stands for an emptied box is selected, so that what is typed next
            // replaces it.
            box.setText("0");
            if (box.hasFocus())
                box.selectAll();
            return;
        }
        // A remark about a total taken before no longer describes what is on show.
        s.NapomenaUkupno = "";
        if (txtInvest->text().empty()) {
            setFocus(*txtInvest);
            return;
        }
        if (isSupervision())
            cmdCijena->press();
        bool categorySelected = false;
        for (int k = 1; k <= 5; ++k)
            categorySelected = categorySelected || optK[k]->value() != 0;
        if (!categorySelected)
            return;
        if (TotalsOnShow())
            ReapplyTotals();
        if (num(box.text()) >= limit) {
            box.setText("0");
            platform().messageBox(MsgIcon::Critical, MsgButtons::Ok, forms::titles::kCannot,
                                  "Ne pretjerujte !");
        }
        if (&box == txtPopust)
            tlb1->setEnabled("Odstupminus", false);
    } catch (const forms::ConversionError& e) {
        s.NeispravanUpis = e.text();
        ShowBadValue();
        box.setText("0");
    }
}

void FrmGl::txtPopust_GotFocus() {
    AdjustmentGotFocus(*txtPopust, *txtDodaj,
                       "Na odabranu cijenu nije moguće davati popust. Odaberite drugu cijenu!");
}

void FrmGl::txtPopust_LostFocus() {
    txtPopust->setReadOnly(false);
}

// Digits and the decimal comma only: a "." would group thousands in a percentage.
int FrmGl::txtPopust_KeyPress(int keyAscii) {
    return FilterCommaKey(platform(), keyAscii);
}

void FrmGl::txtPopust_Change() {
    AdjustmentChange(*txtPopust, kDiscountLimit);
}

void FrmGl::txtDodaj_GotFocus() {
    AdjustmentGotFocus(*txtDodaj, *txtPopust,
                       "Na odabranu cijenu nije moguće dodavati ništa. Odaberite drugu cijenu!");
}

void FrmGl::txtDodaj_LostFocus() {
    txtDodaj->setReadOnly(false);
}

int FrmGl::txtDodaj_KeyPress(int keyAscii) {
    return FilterCommaKey(platform(), keyAscii);
}

void FrmGl::txtDodaj_Change() {
    AdjustmentChange(*txtDodaj, kAdditionLimit);
}

} // namespace tarvel::calculator
