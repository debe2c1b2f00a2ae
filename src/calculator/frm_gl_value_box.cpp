// SPDX-License-Identifier: GPL-3.0-or-later
// The value box txtInvest.
#include <algorithm>

#include "calculator/calculator.h"
#include "calculator/frm_gl.h"
#include "calculator/key_filters.h"
#include "forms/keys.h"
#include "forms/number_text.h"

namespace tarvel::calculator {

using forms::fmt;
using forms::MsgButtons;
using forms::MsgIcon;

void FrmGl::txtInvest_KeyDown(int& keyCode, int) {
    if (keyCode != forms::keys::Enter)
        return;
    if (ReformatValueBox())
        cmdCijena->press();
}

void FrmGl::txtInvest_Change() {
    SharedState& s = state();
    if (DropLeadingDots(*txtInvest))
        return;
    if (txtInvest->text() == "," || txtInvest->text() == ".")
        txtInvest->setText("");
    const bool empty = txtInvest->text().empty();
    if (isPlan()) {
        ClearResults();
        lblValutaFaza->setCaption("kn");
        lblValuta->setCaption("kn");
        txtKurs->setText(fmt(s.Kurs, "#,0.00"));
        tlb1->enable({"KN", "DM", "EUR"}, false);
        if (!empty)
            lblTekst->setCaption("Kliknite na tipku Cijena");
    } else if (isSupervision()) {
        for (forms::Control* c : {lblSumamin, lblOdabir, lblSumamax})
            c->setVisible(false);
        lblTekst->setCaption("Kliknite na tipku Cijena");
    } else if (!empty) {
        lblTekst->setCaption("Odaberite stupanj složenosti");
        if (s.Struka == "Posebna")
            lblTekst->setCaption("ODABERITE VRSTU USLUGE");
    } else {
        lblTekst->setCaption("Unesite vrijednost");
    }
}

void FrmGl::txtInvest_GotFocus() {
    SharedState& s = state();
    ClearResults();
    lblCmin->setCaption("0");
    lblCmax->setCaption("0");
    txtPopust->setText("0");
    txtDodaj->setText("0");
    ClearDeviations();
    for (int k = 1; k <= 5; ++k)
        optK[k]->setValue(0);
    for (int i = 1; i <= 8; ++i)
        chkF[i]->setValue(1);
    fraFaze->setEnabled(false);
    tlb1->enable({"Min", "Max", "Odabir"}, false);

    if (!s.Struka.empty())
        TakeOverDiscipline();

    if (!lblProjekt->caption().empty() && !txtInvest->text().empty()) {
        lblTekst->setCaption("Odaberite stupanj složenosti");
        if (!fraKat->visible()) {
            if (isPlan())
                lblTekst->setCaption("Unesite obračunske jedinice");
            else if (isSupervision())
                lblTekst->setCaption(lblSumamax->caption().empty() ? "Kliknite na tipku Cijena"
                                                                   : "G O T O V O  ");
        }
    }
}

} // namespace tarvel::calculator
