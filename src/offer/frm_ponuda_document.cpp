// SPDX-License-Identifier: GPL-3.0-or-later
// The offer on show as a document for the client (cmdDokument).
#include "calculator/calculator.h"
#include "calculator/document_command.h"
#include "calculator/frm_gl.h"
#include "offer/frm_ponuda.h"
#include "offer/offer_document.h"

namespace tarvel::offer {

void FrmPonuda::cmdDokument_Click() {
    if (NothingOffered())
        return;
    const calculator::SharedState& s = state();
    const calculator::FrmGl& gl = main();
    OfferFigures figures;
    figures.txtNaziv = gl.txtNaziv->text();
    figures.currency = gl.lblValutaFaza->caption();
    figures.Stopa = s.Stopa;
    figures.VrijednostGradjevine = s.VrijednostGradjevine;
    for (size_t r = 0; r < figures.rows.size(); ++r)
        figures.rows[r] = {lblPt[r]->caption(), lblKt[r]->caption(), lblC[r]->caption(),
                           lblP[r]->caption()};
    figures.lblUkupno = lblUkupno->caption();
    figures.lblPu = lblPu->caption();
    calculator::showClientDocument(calc_, offerDocument(figures));
}

} // namespace tarvel::offer
