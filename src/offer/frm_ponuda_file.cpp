// SPDX-License-Identifier: GPL-3.0-or-later
// The offer composer's totals and the offer file: the refresh after every change, checking
// the offer in the text viewer, and finishing it.
#include "offer/frm_ponuda.h"

#include "calculator/calculator.h"
#include "calculator/frm_gl.h"
#include "forms/number_text.h"
#include "offer/offer_file.h"
#include "offer/offer_text.h"

namespace tarvel::offer {

using forms::MsgButtons;
using forms::MsgIcon;
using forms::num;

void FrmPonuda::ZbrojiUdjele() {
    double sum = 0;
    for (const forms::Control* c : lblP)
        sum += num(c->caption());
    lblPu->setCaption(forms::plainText(sum));
}

void FrmPonuda::ZbrojiCijene() {
    double sum = 0;
    for (const forms::Control* c : lblC)
        sum += num(c->caption());
    lblUkupno->setCaption(forms::fmt(sum, "#,0.00"));
}

void FrmPonuda::SastaviPonudu() {
    calculator::SharedState& s = state();
    s.DatotekaPonude = platform().files().fullPath(kOfferFile);
    s.TijeloPonude = offer::SastaviPonudu(s.TekstStruke);
}

// The totals, the body and the file after every capture, hand entry and clearing.
void FrmPonuda::ObnoviPonudu() {
    calculator::SharedState& s = state();
    ZbrojiUdjele();
    ZbrojiCijene();
    SastaviPonudu();
    if (!WriteOffer(offerFileText(s.TijeloPonude)))
        return;
    s.ZadnjaPonuda = s.TijeloPonude;
    s.TijeloPonude.clear();
}

bool FrmPonuda::WriteOffer(const std::string& text) {
    return writeOfferFile(platform(), text);
}

std::string FrmPonuda::TotalsBlock() const {
    OfferTotals totals;
    totals.lblUkupno = lblUkupno->caption();
    totals.lblPu = lblPu->caption();
    totals.currency = main().lblValutaFaza->caption();
    totals.Stopa = state().Stopa;
    return offerTotalsBlock(totals);
}

bool FrmPonuda::NothingOffered() {
    if (!lblUkupno->caption().empty())
        return false;
    platform().messageBox(MsgIcon::Question, MsgButtons::Ok, " Nema ponude",
                          "Niste ponudili niti jednu uslugu!?");
    return true;
}

// The offer with its totals, in the text viewer; the offer stays open and its body unchanged.
void FrmPonuda::cmdPonuda_Click() {
    if (NothingOffered())
        return;
    if (!WriteOffer(offerFileText(state().ZadnjaPonuda, TotalsBlock())))
        return;
    if (!platform().openTextViewer(kOfferFile))
        platform().messageBox(MsgIcon::Information, MsgButtons::Ok, " Nema ispisa",
                              "Nema programa Notepad.");
}

// The offer is finished: its body gains the totals only once the file holds them, so that a
// write that failed and is repeated does not add them twice.
void FrmPonuda::cmdGotovo_Click() {
    calculator::SharedState& s = state();
    if (NothingOffered())
        return;
    const std::string finished = s.ZadnjaPonuda + TotalsBlock();
    s.DatotekaPonude = platform().files().fullPath(kOfferFile);
    if (!WriteOffer(offerFileText(finished)))
        return;
    s.ZadnjaPonuda = finished;
    unload();
}

} // namespace tarvel::offer
