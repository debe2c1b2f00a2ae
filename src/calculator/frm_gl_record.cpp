// SPDX-License-Identifier: GPL-3.0-or-later
// The record of the calculation on show, read from what the main window displays.
#include "calculator/calculator.h"
#include "calculator/frm_gl.h"
#include "records/record_save.h"
#include "records/record_text.h"

namespace tarvel::calculator {

// What the record reads, as the window shows it; the client document reads the same.
records::RecordInputs FrmGl::recordInputs() const {
    const SharedState& s = state();
    records::RecordInputs in;
    in.txtNaziv = txtNaziv->text();
    in.lblProjekt = lblProjekt->caption();
    in.lbl1 = lbl1->caption();
    in.txtInvest = txtInvest->text();
    in.lblValutaFaza = lblValutaFaza->caption();
    in.fraKatVisible = fraKat->visible();
    for (int k = 1; k <= 5; ++k) {
        if (optK[k]->value())
            in.category = k;
    }
    in.lblSumamin = lblSumamin->caption();
    in.lblSumamax = lblSumamax->caption();
    in.lblCmin = lblCmin->caption();
    in.lblCmax = lblCmax->caption();
    in.lblOdabir = lblOdabir->caption();
    for (int i = 1; i <= 8; ++i)
        in.phases[static_cast<size_t>(i - 1)] = {lblP[i]->caption(), lblF[i]->caption(),
                                                 lblC[i]->caption(), lblC[i]->visible()};
    in.txtPopust = txtPopust->text();
    in.txtDodaj = txtDodaj->text();
    in.Usluga = s.Usluga;
    in.Stopa = s.Stopa;
    in.TekstOdstupanja = s.TekstOdstupanja;
    in.NapomenaUkupno = s.NapomenaUkupno;
    in.NapomenaOdabir = s.NapomenaOdabir;
    in.OznakaDiscipline = s.OznakaDiscipline;
    in.UdioUInvesticiji = s.UdioUInvesticiji;
    return in;
}

void FrmGl::PripremiIzracun() {
    SharedState& s = state();
    const records::RecordInputs in = recordInputs();
    s.DatotekaIzracuna = platform().files().fullPath(records::kRecordFile);
    s.Izracun = records::PripremiIzracun(in);
}

} // namespace tarvel::calculator
